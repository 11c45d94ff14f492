// The pinyin reading table and GetPYCode: the table's shape, known readings, the special
// rows (numbered symbols, full-width forms, Greek) and the GBK encoder that feeds it.
#include <gtest/gtest.h>

#include "controls/QvPinyin.h"

using namespace qv;

namespace {

std::string Bytes(std::initializer_list<int> B) {
  std::string S;
  for (int C : B) S += char(C);
  return S;
}

TEST(Pinyin, TableShape) {
  EXPECT_EQ(PinyinSyllableCount(), 405 + 11);
  EXPECT_STREQ(PinyinSyllable(1), "A");
  EXPECT_STREQ(PinyinSyllable(405), "Zuo");
  EXPECT_STREQ(PinyinSyllable(406), "ei");
  EXPECT_STREQ(PinyinSyllable(416), "nv");
  EXPECT_STREQ(PinyinSyllable(0), "");
  EXPECT_STREQ(PinyinSyllable(417), "");
  for (int N = 1; N <= PinyinSyllableCount(); ++N) {
    const std::string S = PinyinSyllable(N);
    EXPECT_TRUE(!S.empty() && S.size() <= 6) << N;
  }
  // Count the table itself: every entry a valid syllable, and the announced total.
  int WithReading = 0, GB2312 = 0;
  for (int L = 0x81; L <= 0xFE; ++L)
    for (int T = 0x40; T <= 0xFE; ++T)
      if (const int N = PinyinReading(L, T)) {
        ASSERT_LE(N, PinyinSyllableCount());
        ++WithReading;
        if (L >= 0xB0 && L <= 0xF7 && T >= 0xA1) ++GB2312;
      }
  EXPECT_EQ(WithReading, PinyinCodesWithReading());
  EXPECT_EQ(WithReading, 20892);
  EXPECT_EQ(GB2312, 6763);
  EXPECT_EQ(PinyinReading(0x80, 0xA1), 0);  // outside the table
  EXPECT_EQ(PinyinReading(0xB0, 0x3F), 0);
}

TEST(Pinyin, KnownReadings) {
  struct {
    int L, T;
    const char* Syllable;
  } Cases[] = {{0xB0, 0xA1, "A"},   {0xB1, 0xB1, "Bei"}, {0xBE, 0xA9, "Jing"}, {0xC6, 0xB4, "Pin"},
               {0xCE, 0xC4, "Wen"}, {0xD2, 0xF4, "Yin"}, {0xD6, 0xD0, "Zhong"}};
  for (auto& C : Cases) {
    SCOPED_TRACE(C.Syllable);
    EXPECT_STREQ(PinyinSyllable(PinyinReading(C.L, C.T)), C.Syllable);
    EXPECT_EQ(GetPYCode(Bytes({C.L, C.T}), pyWholeSyllable), C.Syllable);
  }
  EXPECT_EQ(PinyinReading(0xB0, 0xA1), 1);
}

TEST(Pinyin, GetPYCodeCases) {
  struct {
    const char* Name;
    std::string S;
    int Flags;
    std::string Want;
  } Cases[] = {
      {"initials", Bytes({0xD6, 0xD0, 0xCE, 0xC4}), 0, "ZW"},
      {"Beijing", Bytes({0xB1, 0xB1, 0xBE, 0xA9}), 0, "BJ"},
      {"whole syllables", Bytes({0xD6, 0xD0, 0xCE, 0xC4}), 1, "ZhongWen"},
      {"negative flags", Bytes({0xD6, 0xD0}), -1, ""},
      {"ASCII kept, others dropped", "a1-B ?", 0, "a1B"},
      {"every single byte kept", "a1-B ?", 4, "a1-B ?"},
      {"no reading, no mark", Bytes({0xA1, 0xA1}), 0, ""},
      {"no reading marked", Bytes({0xA1, 0xA1}), 2, "?"},
      {"user area marked", Bytes({0xAA, 0xA1}), 2, "?"},
      {"lead byte at the end", std::string("x") + char(0xD6), 0, "x"},
      {"lead byte before a low byte", Bytes({0xD6, 0x31}), 0, "1"},
      {"numbered symbols", Bytes({0xA2, 0xA1, 0xA2, 0xC4, 0xA2, 0xFC, 0xA2, 0xEF}), 0, "12012"},
      {"row A2 below A1", Bytes({0xA2, 0x50}), 2, "?"},
      {"full-width letters and digits", Bytes({0xA3, 0xC1, 0xA3, 0xB1, 0xA3, 0xA1}), 0, "A1"},
      {"full-width kept with bit 2", Bytes({0xA3, 0xA1}), 4, "!"},
      {"Greek", Bytes({0xA6, 0xA1, 0xA6, 0xC8, 0xA6, 0xD8, 0xA6, 0xB9}), 0, "atho"},
  };
  for (auto& C : Cases) EXPECT_EQ(GetPYCode(C.S, C.Flags), C.Want) << C.Name;
}

TEST(Pinyin, EncodeGBKAndInitials) {
  EXPECT_EQ(EncodeGBK(L"中文"), Bytes({0xD6, 0xD0, 0xCE, 0xC4}));
  EXPECT_EQ(EncodeGBK(L"\u4E02"), Bytes({0x81, 0x40}));  // first of GBK/3
  EXPECT_EQ(EncodeGBK(L"\u9FA5"), Bytes({0xFD, 0x9B}));  // last of GBK/4's ideographs
  EXPECT_EQ(EncodeGBK(L"Ａ１αΩ①"),
            Bytes({0xA3, 0xC1, 0xA3, 0xB1, 0xA6, 0xC1, 0xA6, 0xB8, 0xA2, 0xD9}));
  struct {
    const wchar_t* Caption;
    const wchar_t* Want;
  } Cases[] = {
      {L"中文", L"ZW"}, {L"中国人", L"ZGR"}, {L"北京 2024", L"BJ2024"}, {L"Apple 苹果", L"ApplePG"},
      {L"😀", L""},      {L"\u4DB5", L""},    {L"x\U00020000y", L"xy"},  {L"\u9FA6", L""},
      {L"", L""}};
  for (auto& C : Cases) EXPECT_EQ(PinyinInitials(C.Caption), C.Want) << int(C.Caption[0]);
  // Characters outside GBK become the default character, never stray bytes.
  EXPECT_EQ(EncodeGBK(L"😀\u4DB5"), "??");
  EXPECT_EQ(GetPYCode(EncodeGBK(L"😀"), pyKeepAll), "?");
}

TEST(Pinyin, EveryIdeographEncodesToItsOwnCode) {
  // The encoder's codes for U+4E00 … U+9FA5 are distinct double-byte GBK codes.
  std::vector<bool> Seen(65536);
  for (wchar_t C = 0x4E00; C <= 0x9FA5; ++C) {
    const std::string S = EncodeGBK(String(1, C));
    ASSERT_EQ(S.size(), 2u) << int(C);
    const unsigned Code = uint8_t(S[0]) << 8 | uint8_t(S[1]);
    ASSERT_FALSE(Seen[Code]) << int(C);
    Seen[Code] = true;
    ASSERT_GE(uint8_t(S[0]), 0x81);
    ASSERT_GE(uint8_t(S[1]), 0x40);
  }
}

}  // namespace
