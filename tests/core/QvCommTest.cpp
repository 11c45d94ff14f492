#include <gtest/gtest.h>

#include <filesystem>

#include "ResourceTestSupport.h"
#include "graphics/QvComm.h"
#include "host/Font.h"
#include "host/Streams.h"
#include "raster/Bitmap32.h"

using namespace qv;

namespace {

TEST(QvCommRect, EdgesAndContainment) {
  EXPECT_TRUE(PointInRect(Rect(0, 0, 10, 10), Point(10, 10)));  // edges are inside
  EXPECT_FALSE(PointInRect(Rect(0, 0, 10, 10), Point(11, 5)));
  EXPECT_TRUE(IsNullRect(Rect(5, 5, 5, 9)));
  EXPECT_TRUE(IsNullRect(Rect(5, 9, 8, 2)));
  EXPECT_FALSE(IsNullRect(Rect(5, 5, 6, 6)));
  // The bottom-right corner is tested against the half-open outer rectangle.
  EXPECT_TRUE(RectInRect(Rect(1, 1, 9, 9), Rect(0, 0, 10, 10)));
  EXPECT_FALSE(RectInRect(Rect(1, 1, 10, 9), Rect(0, 0, 10, 10)));
  TRect R = Rect(1, 2, 3, 4);
  IncRect(R, 10, -2);
  EXPECT_EQ(R, Rect(11, 0, 13, 2));
  EXPECT_EQ(GetRectWidth(R), 2);
  EXPECT_DOUBLE_EQ(RectHeight(TFloatRect{0, 0.5, 1, 3}), 2.5);
  EXPECT_EQ(IntRect(TFloatRect{0.4, 0.5, 1.5, 2.6}), Rect(0, 0, 2, 3));
  EXPECT_EQ(NullRect(), Rect(0, 0, 0, 0));
}

TEST(QvCommDpi, ModeOffKeepsEverySize) {
  EXPECT_FALSE(AppIsHighDPIMode());
  EXPECT_FALSE(AppInHighDPIMode());
  EXPECT_DOUBLE_EQ(GetDPIScaleValue(nullptr), 1.0);
  EXPECT_EQ(GetDPIScaledPixels(nullptr, 17), 17);
  EXPECT_EQ(GetDPIScaledPixels(nullptr, Rect(1, 2, 30, 40)), Rect(1, 2, 30, 40));
  EXPECT_EQ(GetDPIScaledPixels(nullptr, Point(-3, 9)), Point(-3, 9));
  EXPECT_EQ(GetDPIScaledFontSize(nullptr, 9), 9);
  TFont Source, Font;
  Source.SetName(L"SimSun");
  Font.SetSize(12);
  SetDPIScaledFont(static_cast<const TControl*>(nullptr), &Font);
  SetDPIScaledFont(&Source, &Font);
  EXPECT_EQ(Font.Size(), 12);
  EXPECT_EQ(Font.Name(), TFont::DefaultName);
}

TEST(QvCommText, IntegerStrings) {
  struct Case {
    const wchar_t* Text;
    bool Expected;
  } Cases[] = {
      {L"1234567890", true},  // two runs of five digits
      {L"12a", false},       {L"", false},   {L"-1234", true},  {L"12345-6789", true},
      {L"1234 5", false},    {L"$FF", true}, {L"0x1F", true},   {L" 12", true},
      {L"12 ", false},       {L"+", false},  {L"123456", true},
  };
  for (const Case& C : Cases) EXPECT_EQ(IsIntString(C.Text), C.Expected) << ToUtf8(C.Text);
  Integer V = 0;
  EXPECT_TRUE(TryStrToInt(L"-2147483648", V));
  EXPECT_EQ(V, INT32_MIN);
  EXPECT_FALSE(TryStrToInt(L"2147483648", V));
  EXPECT_TRUE(TryStrToInt(L"$FFFFFFFF", V));
  EXPECT_EQ(V, -1);
}

TEST(QvCommText, ExtractBetweenStrings) {
  TStringList Src;
  Src.SetText(L"a\r\n  Start \r\nb\r\nend\r\nc\r\nEND\r\n");
  TStringList Dest;
  Dest.Add(L"kept");
  int Changes = 0;
  Dest.OnChange = [&](TObject*) { ++Changes; };
  ASSERT_TRUE(ExtractBetweenStrings(Src, Dest, L"start", false, L"END"));
  EXPECT_EQ(Dest.Text(), L"kept\r\n  Start \r\nb\r\nend\r\n");
  EXPECT_EQ(Changes, 1);  // one update for the whole block
  // Case-sensitive: "Start" does not match "start"; the end line is the upper-case one.
  TStringList D2;
  EXPECT_FALSE(ExtractBetweenStrings(Src, D2, L"start", true, L"END"));
  ASSERT_TRUE(ExtractBetweenStrings(Src, D2, L"Start", true, L"END"));
  EXPECT_EQ(D2.Count(), 5);
  // A missing end line leaves Dest as it was.
  TStringList D3;
  D3.Add(L"x");
  EXPECT_FALSE(ExtractBetweenStrings(Src, D3, L"b", false, L"nothing"));
  EXPECT_EQ(D3.Text(), L"x\r\n");
}

TEST(QvCommFile, Utf8RoundTripAndMissingFile) {
  qvtest::TTempDir Dir(L"qvcomm");
  const String Name = Dir.File(L"utf8.txt");
  WriteUTF8File(L"\x76AE\x80A4\nline 2", Name);
  std::vector<uint8_t> Bytes = ReadFileBytes(Name);
  ASSERT_GE(Bytes.size(), 3u);
  EXPECT_EQ(Bytes[0], 0xEF);  // byte-order mark first
  EXPECT_EQ(ReadUTF8File(Name), L"\x76AE\x80A4\r\nline 2\r\n");
  std::filesystem::remove(std::filesystem::path(Name));
  try {
    ReadUTF8File(Name);
    FAIL() << "no exception";
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), L"File does not exist: " + Name);
  }
}

TEST(QvCommFile, ExeFolderHoldsTheTestProgram) {
  String Folder = GetExeFolder();
  ASSERT_FALSE(Folder.empty());
  EXPECT_TRUE(Folder.back() == L'/' || Folder.back() == L'\\');
#ifdef _WIN32
  EXPECT_TRUE(FileExists(Folder + L"core_tests.exe"));
#else
  EXPECT_TRUE(FileExists(Folder + L"core_tests"));
#endif
}

TEST(QvCommFile, PathCombination) {
#ifdef _WIN32
  EXPECT_EQ(GetAbsolutePathEx(L"C:\\a\\b", L"..\\c.png"), L"C:\\a\\c.png");
  EXPECT_EQ(GetAbsolutePathEx(L"C:\\a\\", L".\\c.png"), L"C:\\a\\c.png");
  EXPECT_EQ(GetAbsolutePathEx(L"C:\\a", L"D:\\x.png"), L"D:\\x.png");
#else
  EXPECT_EQ(GetAbsolutePathEx(L"/a/b", L"../c.png"), L"/a/c.png");
  EXPECT_EQ(GetAbsolutePathEx(L"/a/", L"./c.png"), L"/a/c.png");
  EXPECT_EQ(GetAbsolutePathEx(L"/a", L"/x.png"), L"/x.png");
  EXPECT_EQ(GetAbsolutePathEx(L"/a", L"../../x"), L"/x");
#endif
}

}  // namespace

TEST(QvCommFocusCue, DotsRoundTheOutlineAndClip) {
  struct Case {
    TRect R;
    int Inverted;  // pixels whose colour flipped
  } Cases[] = {
      {{1, 1, 5, 4}, 5},      // outline of 10 pixels, every other one
      {{0, 0, 1, 1}, 1},      // a single pixel
      {{2, 2, 2, 6}, 0},      // empty
      {{-3, -3, 20, 20}, 0},  // outline wholly outside the 8 x 8 surface
  };
  for (const Case& C : Cases) {
    TBitmap32 B;
    B.SetSize(8, 8);
    B.Clear(0x80102030);
    DrawFocusCue(B, C.R);
    int Inverted = 0;
    for (int Y = 0; Y < 8; ++Y)
      for (int X = 0; X < 8; ++X)
        if (B.Pixel(X, Y) == (0x80102030 ^ 0x00FFFFFFu)) {
          ++Inverted;
        } else {
          EXPECT_EQ(B.Pixel(X, Y), 0x80102030u);
        }
    EXPECT_EQ(Inverted, C.Inverted) << C.R.Left << "," << C.R.Top;
  }
}
