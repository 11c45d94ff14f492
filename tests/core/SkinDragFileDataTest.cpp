// The drop target's portable parts: checking a dropped file list before reading it, the
// overlay's dashed frame and the rule that keeps the overlay during a drag.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "dialogs/QvDragFilesLayerFormPaint.h"
#include "dialogs/QvSkinDragFileData.h"

using namespace qv;

namespace {

// A DROPFILES block: the header, then the names as given (already with their zeros).
std::vector<uint8_t> Block(uint32_t Offset, bool Wide, const std::u16string& Names) {
  std::vector<uint8_t> B(20, 0);
  std::memcpy(B.data(), &Offset, 4);
  B[16] = Wide ? 1 : 0;
  if (Wide) {
    const auto* P = reinterpret_cast<const uint8_t*>(Names.data());
    B.insert(B.end(), P, P + Names.size() * 2);
  } else {
    for (char16_t C : Names) B.push_back(uint8_t(C));
  }
  return B;
}

}  // namespace

TEST(SkinDragFileData, DropFilesCountOrMalformed) {
  const std::u16string Two = std::u16string(u"C:\\a.txt") + u'\0' + u"C:\\b.txt" + u'\0' + u'\0';
  struct Case {
    const char* Name;
    std::vector<uint8_t> Data;
    int Expected;
  };
  std::vector<uint8_t> Cut = Block(20, true, Two);
  Cut.resize(Cut.size() - 2);  // the list's last zero missing
  const Case Cases[] = {
      {"two wide names", Block(20, true, Two), 2},
      {"two narrow names", Block(20, false, Two), 2},
      {"an empty list", Block(20, true, std::u16string(1, u'\0')), 0},
      {"the list not ended", Cut, -1},
      {"names' offset inside the header", Block(8, true, Two), -1},
      {"names' offset past the end", Block(4000, true, Two), -1},
      {"shorter than the header", std::vector<uint8_t>(12, 0), -1},
      {"a name without its zero", Block(20, true, u"a"), -1},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(QvDropFilesCount(C.Data.data(), C.Data.size()), C.Expected) << C.Name;
  EXPECT_EQ(QvDropFilesCount(nullptr, 100), -1);
}

TEST(SkinDragFileData, WideNamesReadInOrder) {
  const std::u16string Two = std::u16string(u"C:\\a.txt") + u'\0' + u"D:\\b" + u'\0' + u'\0';
  std::vector<String> Names{L"stale"};
  const std::vector<uint8_t> Wide = Block(20, true, Two);
  ASSERT_TRUE(QvDropFilesWideNames(Wide.data(), Wide.size(), Names));
  EXPECT_EQ(Names, (std::vector<String>{L"C:\\a.txt", L"D:\\b"}));
  // 1-byte characters are left to the platform, a malformed block to nobody.
  const std::vector<uint8_t> Narrow = Block(20, false, Two);
  EXPECT_FALSE(QvDropFilesWideNames(Narrow.data(), Narrow.size(), Names));
  const std::vector<uint8_t> Cut(Wide.begin(), Wide.end() - 2);
  EXPECT_FALSE(QvDropFilesWideNames(Cut.data(), Cut.size(), Names));
}

TEST(SkinDragFileData, FrameIsDashedAlongTheEdgeAndLeavesTheMiddleClear) {
  TBitmap32 B;
  B.SetSize(40, 30);
  B.Clear(0);
  const TColor32 Color = 0xFF2FCC71;
  DrawDragFilesFrame(B, Color);
  struct Case {
    int X, Y;
    bool Drawn;
  };
  // Along the top: on 0-7, off 7-12; along the left edge (walked upwards, the path's last
  // side): on for y in 1-8 and 22-29 ... off around y 12 and 20.
  const Case Cases[] = {{2, 2, true},    {9, 2, false},  {15, 1, true},  {9, 5, false},
                        {2, 5, true},    {1, 12, false}, {1, 20, false}, {1, 26, true},
                        {20, 15, false}, {20, 4, false}, {5, 10, false}};
  for (const Case& C : Cases) {
    if (C.Drawn)
      EXPECT_EQ(B.Pixel(C.X, C.Y), Color) << C.X << "," << C.Y;
    else
      EXPECT_EQ(B.Pixel(C.X, C.Y) >> 24, 0u) << C.X << "," << C.Y;
  }
}

TEST(SkinDragFileData, OverlayStaysWhileTheDragGoesOn) {
  const TRect Form = Rect(100, 100, 300, 250);
  struct Case {
    bool Image, Bound, Known;
    TPoint Cursor;
    bool Left, Stays;
  };
  const Case Cases[] = {
      {true, false, false, {0, 0}, false, true},  // the drag image lives: nothing else counts
      {false, true, true, {150, 150}, true, true},
      {false, true, true, {100, 100}, true, true},  // left and top inclusive
      {false, true, true, {300, 150}, true, false},
      {false, true, true, {150, 250}, true, false},
      {false, true, true, {150, 150}, false, false},  // the button released: cancelled
      {false, false, true, {150, 150}, true, false},
      {false, true, false, {150, 150}, true, false},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(QvDragLayerStays(C.Image, C.Bound, C.Known, C.Cursor, Form, C.Left), C.Stays)
        << C.Cursor.X << "," << C.Cursor.Y << " " << C.Image << C.Bound << C.Known << C.Left;
}
