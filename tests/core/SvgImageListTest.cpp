// The vector image list: items, lookup, refresh bookkeeping, the object text form, and
// rendering an item into a skin image.
#include <gtest/gtest.h>

#include "graphics/SvgImageRender.h"
#include "host/Colors.h"
#include "host/ObjectText.h"
#include "resources/QvSkinSvgImageList.h"

using namespace qv;

namespace {

class TCountingList : public TQvSkinSvgImageList {
 public:
  using TQvSkinSvgImageList::TQvSkinSvgImageList;
  int Refreshes = 0;
  void RefreshImages() override { ++Refreshes; }
};

TSkSvgBrush Shape(const String& Path, TColor Fill = clRed, TColor Stroke = clNone) {
  TSkSvgBrush B;
  B.SetPath(Path);
  B.SetFillColor(Fill);
  B.SetStrokeColor(Stroke);
  return B;
}

}  // namespace

TEST(SvgImageList, ItemsAndLookup) {
  TQvSkinSvgImageList L(nullptr);
  EXPECT_EQ(L.Width(), 16);
  EXPECT_EQ(L.Height(), 16);
  TSkSvgBrush Arrow = Shape(L"M0 0 L8 8 L0 16 Z");
  EXPECT_EQ(L.AddSvg(L"Icon_Close", nullptr, L"close"), 0);
  EXPECT_EQ(L.AddSvg(L"Icon_Arrow", &Arrow, L"arrow"), 1);
  EXPECT_EQ(L.AddSvg(L"icon_close", nullptr, L"second"), 2);
  EXPECT_EQ(L.FindByResID(L"ICON_ARROW"), 1);
  EXPECT_EQ(L.FindByResID(L"icon_CLOSE"), 0);  // the first of equal IDs
  EXPECT_EQ(L.FindByResID(L" Icon_Close"), -1);
  EXPECT_EQ(L.FindByResID(L"missing"), -1);
  // The data is copied; the caller keeps its own object.
  EXPECT_NE(L.Images()->Items(1)->SVGData(), &Arrow);
  EXPECT_EQ(L.Images()->Items(1)->SVGData()->Path(), L"M0 0 L8 8 L0 16 Z");
  EXPECT_TRUE(L.Images()->Items(0)->SVGData()->Empty());
  L.Images()->Items(0)->SetSVGData(nullptr);  // nil keeps the item's own object
  EXPECT_NE(L.Images()->Items(0)->SVGData(), nullptr);

  TQvSkinSvgImageList Copy(nullptr);
  Copy.SetWidth(24);
  Copy.Assign(&L);
  EXPECT_EQ(Copy.Images()->Count(), 3);
  EXPECT_EQ(Copy.Width(), 16);
  EXPECT_EQ(Copy.Images()->Items(1)->SVGData()->Path(), L"M0 0 L8 8 L0 16 Z");
  EXPECT_EQ(Copy.Images()->Items(2)->Description(), L"second");
}

TEST(SvgImageList, ColorToHtmlColor) {
  EXPECT_EQ(TQvSkinSvgImageList::ColorToHtmlColor(clRed), L"#ff0000");
  EXPECT_EQ(TQvSkinSvgImageList::ColorToHtmlColor(0x123456), L"#563412");
  EXPECT_EQ(TQvSkinSvgImageList::ColorToHtmlColor(clBtnFace),
            TQvSkinSvgImageList::ColorToHtmlColor(ColorToRGB(clBtnFace)));
}

TEST(SvgImageList, ChangesMarkARefreshAndRaiseOnChange) {
  TCountingList L(nullptr);
  int Changes = 0;
  L.OnChange = [&](TObject*) { ++Changes; };
  L.AddSvg(L"A", nullptr, L"");
  L.DoAutoRefresh();
  EXPECT_FALSE(L.NeedsRefresh());
  Changes = 0;

  L.SetWidth(16);  // the current value: nothing
  EXPECT_FALSE(L.NeedsRefresh());
  EXPECT_EQ(Changes, 0);
  L.SetHeight(20);
  EXPECT_TRUE(L.NeedsRefresh());
  EXPECT_EQ(Changes, 1);

  L.DoAutoRefresh();
  L.Images()->Items(0)->SetResID(L"A");  // unchanged
  EXPECT_FALSE(L.NeedsRefresh());
  L.Images()->Items(0)->SetResID(L"B");
  EXPECT_TRUE(L.NeedsRefresh());
  EXPECT_EQ(Changes, 2);

  // Switching AutoRefresh on runs the pending refresh; later changes refresh at once.
  int Before = L.Refreshes;
  L.SetAutoRefresh(true);
  EXPECT_EQ(L.Refreshes, Before + 1);
  EXPECT_FALSE(L.NeedsRefresh());
  L.Images()->Items(0)->SetDescription(L"d");
  EXPECT_EQ(L.Refreshes, Before + 2);
  EXPECT_FALSE(L.NeedsRefresh());
}

TEST(SvgImageList, ObjectTextRoundTrip) {
  TQvSkinSvgImageList L(nullptr);
  L.SetName(L"QvSkinImageListSvg");
  L.SetWidth(24);
  L.AddSvg(L"Plain", nullptr, L"no vector data");
  TSkSvgBrush Star = Shape(L"M12 2 L15 9 L22 9 z", 0x00A5FF, clBlue);
  Star.SetStrokeWidth(2);
  Star.SetViewWidth(48);
  L.AddSvg(L"Star", &Star, L"");
  String Text = ComponentToText(L);
  // An item without vector data writes only its ID and description.
  size_t Plain = Text.find(L"ResID = 'Plain'"), Next = Text.find(L"ResID = 'Star'");
  ASSERT_LT(Plain, Next);
  EXPECT_EQ(Text.substr(Plain, Next - Plain).find(L"SVGData"), String::npos) << ToUtf8(Text);

  TQvSkinSvgImageList Back(nullptr);
  TextToComponent(Text, Back);
  EXPECT_EQ(Back.Width(), 24);
  ASSERT_EQ(Back.Images()->Count(), 2);
  EXPECT_EQ(Back.Images()->Items(0)->ResID(), L"Plain");
  EXPECT_EQ(Back.Images()->Items(0)->Description(), L"no vector data");
  EXPECT_TRUE(Back.Images()->Items(0)->SVGData()->Empty());
  const TSkSvgBrush& D = *Back.Images()->Items(1)->SVGData();
  EXPECT_EQ(D.Path(), Star.Path());
  EXPECT_EQ(D.FillColor(), 0x00A5FF);
  EXPECT_EQ(D.StrokeColor(), clBlue);
  EXPECT_EQ(D.StrokeWidth(), 2);
  EXPECT_EQ(D.ViewWidth(), 48);
  EXPECT_EQ(ComponentToText(Back), Text);
}

TEST(SvgImageList, RendersAnItemIntoASkinImage) {
  TQvSkinSvgImageList L(nullptr);
  // The top half of the 16 × 16 box in red (H and V take no offset).
  TSkSvgBrush Half = Shape(L"M0 0 h16 v8 h-16 z");
  L.AddSvg(L"Half", &Half, L"");
  TSkSvgBrush Bad = Shape(L"M0 0 L4 4 Q");
  L.AddSvg(L"Bad", &Bad, L"");

  TQvSkinImage Image;
  EXPECT_FALSE(Image.IsFromSVG());
  ASSERT_TRUE(RenderSvgImage(L, L"half", Image, 32, 32));  // scaled twice
  EXPECT_TRUE(Image.IsFromSVG());
  EXPECT_EQ(Image.DrawMode(), dmBlend);
  ASSERT_EQ(Image.Width(), 32);
  ASSERT_EQ(Image.Height(), 32);
  EXPECT_EQ(Image.Pixel(0, 0), clRed32);
  EXPECT_EQ(Image.Pixel(31, 15), clRed32);
  EXPECT_EQ(Image.Pixel(31, 16), 0u);
  EXPECT_EQ(Image.Pixel(0, 31), 0u);

  TQvSkinImage Small;
  ASSERT_TRUE(RenderSvgImage(L, 0, Small));  // the list's size
  EXPECT_EQ(Small.Width(), 16);
  EXPECT_EQ(Small.Pixel(15, 7), clRed32);

  // No such item, or malformed data: the image stays as it was.
  EXPECT_FALSE(RenderSvgImage(L, 5, Image));
  EXPECT_FALSE(RenderSvgImage(L, L"missing", Image));
  EXPECT_THROW(RenderSvgImage(L, L"Bad", Image), EParserError);
  EXPECT_EQ(Image.Width(), 32);
  EXPECT_EQ(Image.Pixel(0, 0), clRed32);
}
