#include <gtest/gtest.h>

#include "controls/QvSkinTagsBoxLayout.h"

using namespace qv;

TEST(TagsBoxLayout, CommaTextToTags) {
  struct Case {
    String Text;
    std::vector<String> Expected;
  } Cases[] = {
      {L"red, green ,,  blue", {L"red", L" green ", L"  blue"}},
      {L"", {}},
      {L",,,,", {}},
      {L" , \t,", {}},
      {L"a,", {L"a"}},
      {L"\"x, y\",\"say \"\"hi\"\"\"", {L"x, y", L"say \"hi\""}},
      {L"\"open", {L"open"}},        // an unclosed quote runs to the end
      {L"\"a\"b,c", {L"ab", L"c"}},  // text after the closing quote stays
      {L"\"\",  ", {}},              // a quoted empty entry is empty
  };
  for (const Case& C : Cases) EXPECT_EQ(CommaTextToTags(C.Text), C.Expected) << C.Text;
}

TEST(TagsBoxLayout, TagsToCommaTextRoundTrips) {
  const std::vector<String> Tags[] = {
      {L"red", L" green ", L"  blue"}, {L"x, y", L"say \"hi\""}, {L"one"}, {}};
  const String Expected[] = {L"red, green ,  blue", L"\"x, y\",\"say \"\"hi\"\"\"", L"one", L""};
  for (size_t I = 0; I < std::size(Tags); ++I) {
    EXPECT_EQ(TagsToCommaText(Tags[I]), Expected[I]);
    EXPECT_EQ(CommaTextToTags(TagsToCommaText(Tags[I])), Tags[I]);
  }
}

TEST(TagsBoxLayout, LongAndCommaOnlyTexts) {
  String Long;
  for (int I = 0; I < 20000; ++I) Long += L"tag,";
  Long.resize(100000, L'x');
  const auto Tags = CommaTextToTags(Long);
  ASSERT_EQ(Tags.size(), 20001u);  // 20 000 tags and 20 000 x
  EXPECT_EQ(Tags.front(), L"tag");
  EXPECT_EQ(Tags.back(), String(20000, L'x'));
  EXPECT_TRUE(CommaTextToTags(String(100000, L',')).empty());
  EXPECT_EQ(CommaTextToTags(String(100000, L'y')).front().size(), 100000u);
}

TEST(TagsBoxLayout, PillWidthsAndFlow) {
  TQvPillFlow F;
  F.Width = 300;
  F.Height = 116;
  struct Case {
    int TextWidth;
    bool Delete;
    int Expected;
  } Cases[] = {
      {10, true, 60},   // 10 + 25 + 8 is below MinW
      {40, true, 73},   // C = round(50 / 3) = 17: 40 + 25 + 8
      {40, false, 65},  // no delete button: 40 + 25
      {0, true, 60},
  };
  for (const Case& C : Cases) {
    F.DeleteVisible = C.Delete;
    EXPECT_EQ(PillWidth(F, C.TextWidth), C.Expected) << C.TextWidth;
  }
  F.DeleteVisible = true;
  // 73 + 10 each: 10, 93, 176; 259 + 73 > 280 wraps the fourth; item 1 is hidden.
  const auto P = PillFlow(F, {40, -1, 40, 40, 40});
  EXPECT_EQ(P[0].Rect, Rect(10, 10, 83, 35));
  EXPECT_EQ(P[0].DeleteRect, Rect(83 - 12 - 8, 10 + 4, 83 - 12 - 8 + 17, 14 + 17));
  EXPECT_TRUE(P[1].Rect.IsEmpty());
  EXPECT_EQ(P[3].Rect, Rect(176, 10, 249, 35));
  EXPECT_EQ(P[4].Rect, Rect(10, 45, 83, 70));
  EXPECT_EQ(PillFlowHeight(F, {73, 73, 73, 73}), 80);  // two rows: 10 + 35 + 35 + 10 - 10
  EXPECT_EQ(PillFlowHeight(F, {}), 10);
}
