// The popup lists' rows without windows: the text and pinyin filter, visible-row walking,
// select-all over the visible rows, the collected check list, the search popup's height,
// the combo's checked text and the placement above or below.
#include <gtest/gtest.h>

#include "controls/QvComboExPopupList.h"

using namespace qv;

namespace {

std::vector<int> VisibleRows(const TQvPopupRows& R) {
  std::vector<int> Out;
  for (int N = 0; N < R.VisibleCount(); ++N) Out.push_back(R.VisibleRow(N));
  return Out;
}

TEST(ComboExPopup, Filter) {
  struct {
    const wchar_t* Name;
    const wchar_t* Filter;
    bool Pinyin;
    std::vector<int> Want;
  } Cases[] = {
      {L"empty filter shows all", L"", false, {0, 1, 2, 3, 4}},
      {L"pinyin initials", L"zw", true, {0, 3}},
      {L"no pinyin without the filter", L"zw", false, {3}},
      {L"ASCII case ignored", L"ab", false, {1}},
      {L"Chinese text", L"北", false, {2}},
      {L"nothing matches", L"qq", true, {}},
  };
  TQvPopupRows Rows;
  Rows.Load({L"中文", L"xABy", L"北京", L"zwei", L"Apple"});
  for (auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    EXPECT_EQ(Rows.Refresh(C.Filter, C.Pinyin), int(C.Want.size()));
    EXPECT_EQ(VisibleRows(Rows), C.Want);
    EXPECT_EQ(TQvPopupRows::Matches(L"中文", C.Filter, C.Pinyin),
              !C.Want.empty() && C.Want[0] == 0);
  }
}

TEST(ComboExPopup, VisibleWalkAndFocus) {
  TQvPopupRows Rows;
  Rows.Load({L"a1", L"b", L"a2", L"c", L"a3"});
  Rows.Refresh(L"a", false);
  EXPECT_EQ(Rows.FirstVisible(), 0);
  EXPECT_EQ(Rows.LastVisible(), 4);
  EXPECT_EQ(Rows.NextVisible(0), 2);
  EXPECT_EQ(Rows.NextVisible(4), -1);
  EXPECT_EQ(Rows.PrevVisible(2), 0);
  EXPECT_EQ(Rows.PrevVisible(0), -1);
  EXPECT_EQ(Rows.VisiblePlace(4), 2);
  EXPECT_EQ(Rows.VisiblePlace(1), -1);
  Rows.SetFocused(1);  // hidden
  EXPECT_EQ(Rows.Focused(), -1);
  Rows.SetFocused(2);
  Rows.Refresh(L"a3", false);  // the focused row goes out of view
  EXPECT_EQ(Rows.Focused(), -1);
  Rows.SetFocused(99);
  EXPECT_EQ(Rows.Focused(), -1);
  Rows.Clear();
  EXPECT_EQ(Rows.FirstVisible(), -1);
  EXPECT_EQ(Rows.VisibleCount(), 0);
}

TEST(ComboExPopup, SelectAllChecksVisibleRowsOnly) {
  TQvPopupRows Rows;
  Rows.Load({L"apple", L"banana", L"apricot", L"cherry"}, {L"banana", L"apricot"});
  EXPECT_EQ(Rows.CheckedIndexes(), (std::vector<int>{1, 2}));
  Rows.Refresh(L"ap", false);
  Rows.CheckAll(true);
  EXPECT_EQ(Rows.CheckedIndexes(), (std::vector<int>{0, 1, 2}));
  EXPECT_FALSE(Rows.AllChecked());
  Rows.CheckAll(false);  // flips the visible rows
  EXPECT_EQ(Rows.CheckedIndexes(), (std::vector<int>{1}));
  Rows.Refresh(L"", false);
  Rows.CheckAll(true);
  EXPECT_TRUE(Rows.AllChecked());
  EXPECT_EQ(Rows.CheckedCount(), 4);
}

TEST(ComboExPopup, CollectChecked) {
  TQvPopupRows Rows;
  Rows.Load({L"a", L"b", L"c"}, {L"b"});
  std::vector<String> List = {L"b", L"gone"};
  Rows.CollectChecked(List);  // no filter: rebuilt from the rows
  EXPECT_EQ(List, (std::vector<String>{L"b"}));
  Rows.Refresh(L"c", false);
  Rows.SetChecked(2, true);
  Rows.SetChecked(1, false);  // hidden by the filter, yet unchecked
  List = {L"b", L"kept"};
  Rows.CollectChecked(List);
  EXPECT_EQ(List, (std::vector<String>{L"kept", L"c"}));
}

TEST(ComboExPopup, SearchPopupHeight) {
  struct {
    int Rows, ItemHeight, Want;
  } Cases[] = {{3, 25, 77}, {8, 25, 202}, {10, 25, 202}, {1, 25, 27}, {0, 25, 27}, {8, 20, 162}};
  for (auto& C : Cases) EXPECT_EQ(SEPopupHeight(C.Rows, C.ItemHeight), C.Want) << C.Rows;
}

TEST(ComboExPopup, CheckedText) {
  const std::vector<String> Two = {L"Alpha", L"Be\"ta\""};
  EXPECT_EQ(JoinChecked(Two), L"Alpha,Beta");
  struct {
    int Joined;
    bool Active;
    const wchar_t* Want;
  } Cases[] = {{100, true, L"Alpha,Beta"},        // 100 + 24 fits in 140
               {117, true, L"Selected 2 items"},  // 117 + 24 > 140
               {117, false, L"Alpha,Beta"},
               {116, true, L"Alpha,Beta"}};  // exactly the width fits
  for (auto& C : Cases)
    EXPECT_EQ(CheckedText(Two, C.Joined, 24, 140, C.Active, L"Selected %d items"), C.Want)
        << C.Joined;
  EXPECT_EQ(CheckedText({}, 0, 24, 140, true, L"Selected %d items"), L"");
}

TEST(ComboExPopup, PlacementAboveNearTheWorkAreaBottom) {
  struct {
    int Top, Bottom, Height, WorkBottom;
    TPoint Want;
  } Cases[] = {{100, 126, 242, 1000, {10, 126}},
               {700, 726, 242, 968, {10, 457}},  // 726 + 242 reaches 968
               {700, 726, 241, 968, {10, 726}}};
  for (auto& C : Cases)
    EXPECT_EQ(PopupPlace(10, C.Top, C.Bottom, C.Height, C.WorkBottom), C.Want) << C.Top;
}

}  // namespace
