// The skinned list view's portable rules: header captions cut and placed, and the native
// scroll state mapped onto the external bars per view style.
#include <gtest/gtest.h>

#include "controls/QvSkinListViewGeometry.h"

namespace qv {
namespace {

// A font of 7 × 13 pixels per character.
TSize Fixed(const String& S) {
  return {int(S.size()) * 7, 13};
}

TEST(ListViewHeader, CaptionsAreCutWithAnEllipsis) {
  struct {
    const wchar_t* Text;
    int Width;
    const wchar_t* Want;
  } Cases[] = {
      {L"Name", 28, L"Name"},  // exactly fits
      {L"Name", 27, L"..."},   // "N..." is 28: one pixel too wide
      {L"Names", 28, L"N..."},
      {L"Address", 42, L"Add..."},
      {L"Address", 20, L"..."},  // not even one character fits
      {L"", 0, L""},
  };
  for (auto& C : Cases)
    EXPECT_EQ(ShortenCaption(C.Text, C.Width, Fixed), C.Want) << C.Text << C.Width;
}

TEST(ListViewHeader, SectionPlacement) {
  struct {
    const char* What;
    int Width;
    const wchar_t* Caption;
    TAlignment Align;
    int ImageWidth;
    int FontHeight;
    const wchar_t* Text;
    int TextX, TextY, ImageX;
  } Cases[] = {
      // 100 wide, text area 5..95; "Name" is 28 wide, 13 high in a 25-high section.
      {"left", 100, L"Name", taLeftJustify, 0, -12, L"Name", 5, 6, 0},
      {"right", 100, L"Name", taRightJustify, 0, -12, L"Name", 67, 6, 0},
      {"centre", 100, L"Name", taCenter, 0, -12, L"Name", 36, 6, 0},
      {"odd font height", 100, L"Name", taLeftJustify, 0, -13, L"Name", 5, 5, 0},
      // Too wide: cut and drawn at the left whatever the alignment.
      {"cut right", 40, L"Address", taRightJustify, 0, -12, L"A...", 5, 6, 0},
      {"cut centre", 50, L"Address", taCenter, 0, -12, L"Ad...", 5, 6, 0},
      // With a 16-pixel image: the text goes 26 after the image.
      {"image left", 100, L"Name", taLeftJustify, 16, -12, L"Name", 31, 6, 5},
      {"image right", 100, L"Name", taRightJustify, 16, -12, L"Name", 67, 6, 41},
      {"image centre", 100, L"Name", taCenter, 16, -12, L"Name", 49, 6, 23},
      // Narrower than 10 pixels plus the image: the ellipsis alone.
      {"image, no room", 30, L"Name", taRightJustify, 16, -12, L"...", 31, 6, 5},
  };
  for (auto& C : Cases) {
    const TQvHeaderPlacement P =
        PlaceHeaderSection(C.Width, 25, C.Caption, C.Align, C.ImageWidth, 16, C.FontHeight, Fixed);
    EXPECT_EQ(P.Text, C.Text) << C.What;
    EXPECT_EQ(P.TextX, C.TextX) << C.What;
    EXPECT_EQ(P.TextY, C.TextY) << C.What;
    EXPECT_EQ(P.HasImage, C.ImageWidth > 0) << C.What;
    if (P.HasImage) {
      EXPECT_EQ(P.ImageX, C.ImageX) << C.What;
      EXPECT_EQ(P.ImageY, 4) << C.What;
    }
  }
}

TEST(ListViewBars, PlansPerViewStyle) {
  struct {
    const char* What;
    TQvListScrollState S;
    bool Vertical;
    bool Visible;
    int Page, Small, Large;
  } Cases[] = {
      // Report: 100 rows, 20 per page.
      {"report, overflowing",
       {vsReport, 0, 99, 0, 300, 400, 20, 100, 300, 17},
       true,
       true,
       20,
       1,
       20},
      {"report, all fit", {vsReport, 0, 19, 0, 300, 400, 20, 20, 300, 17}, true, false, 20, 1, 20},
      {"report, no rows", {vsReport, 0, 0, 0, 300, 400, 20, 0, 0, 0}, true, false, 20, 1, 20},
      {"report, wide columns",
       {vsReport, 0, 500, 0, 300, 400, 20, 100, 300, 17},
       false,
       true,
       300,
       0,
       0},
      {"report, narrow columns",
       {vsReport, 0, 300, 0, 300, 400, 20, 100, 300, 17},
       false,
       false,
       300,
       0,
       0},
      // Icons: pixels, steps half an item high.
      {"icons, tall", {vsIcon, 0, 900, 0, 300, 400, 0, 50, 80, 70}, true, true, 400, 35, 35},
      {"icons, short", {vsIcon, 0, 300, 0, 300, 400, 0, 5, 80, 70}, true, false, 400, 35, 35},
      {"icons, none", {vsSmallIcon, 0, 0, 0, 300, 400, 0, 0, 0, 0}, false, false, 300, 1, 1},
      // List: columns; never a vertical bar.
      {"list, vertical", {vsList, 0, 99, 0, 300, 400, 20, 100, 100, 17}, true, false, 0, 0, 0},
      {"list, more than a page",
       {vsList, 0, 4, 0, 300, 400, 60, 100, 100, 17},
       false,
       true,
       3,
       1,
       1},
      {"list, one page", {vsList, 0, 0, 0, 300, 400, 60, 40, 100, 17}, false, false, 3, 1, 1},
      {"list, no items", {vsList, 0, 0, 0, 300, 400, 0, 0, 0, 0}, false, false, 300, 1, 1},
  };
  for (auto& C : Cases) {
    const TQvListBarPlan P = PlanListViewBar(C.S, C.Vertical);
    EXPECT_EQ(P.Visible, C.Visible) << C.What;
    EXPECT_EQ(P.Page, C.Page) << C.What;
    EXPECT_EQ(P.SmallChange, C.Small) << C.What;
    EXPECT_EQ(P.LargeChange, C.Large) << C.What;
    EXPECT_EQ(P.Max, C.S.Max) << C.What;
  }
}

}  // namespace
}  // namespace qv
