#include <gtest/gtest.h>

#include <cmath>

#include "controls/QvSkinLayerControlLayers.h"
#include "controls/QvSkinScrollMsgBarLogic.h"
#include "graphics/QvAE.h"
#include "raster/Bitmap32.h"

using namespace qv;

TEST(MsgBarLogic, ScrollTargetSkipsHiddenMessagesAndLoops) {
  const std::vector<bool> All{true, true, true}, Middle{true, false, true}, None{false, false};
  struct Case {
    const std::vector<bool>* Visible;
    int Index;
    bool Loop, Forward;
    int Expected;
  } Cases[] = {
      {&All, -1, true, true, 0},    {&All, 0, true, true, 1},    {&All, 2, true, true, 0},
      {&All, 2, false, true, -1},   {&All, 0, true, false, 2},   {&All, 0, false, false, -1},
      {&All, 1, false, false, 0},   {&All, -1, true, false, 2},  {&Middle, 0, true, true, 2},
      {&Middle, 2, true, false, 0}, {&Middle, 2, true, true, 0}, {&None, -1, true, true, -1},
      {&None, 0, true, false, -1},  {&All, 7, false, true, -1},  {&All, 7, true, true, 0},
      {&All, 7, false, false, 2},
  };
  for (const Case& C : Cases)
    EXPECT_EQ(ScrollTarget(*C.Visible, C.Index, C.Loop, C.Forward), C.Expected)
        << "from " << C.Index << (C.Loop ? " looping" : "") << (C.Forward ? " forward" : " back");
}

// The bar's timer every 30 ms from t = 1000 for 14 s: which message is shown when.
TEST(MsgBarLogic, TimerOrderWithAndWithoutLoopMode) {
  for (bool Loop : {true, false}) {
    const std::vector<bool> Visible{true, true, true};
    TMsgBarClock Clock;
    int Index = -1;
    std::vector<std::pair<int64_t, int>> Shown;
    for (int64_t Now = 1000; Now <= 15000; Now += 30)
      if (Clock.Tick(Now, 3000)) {
        const int Target = ScrollTarget(Visible, Index, Loop, true);
        if (Target >= 0 && Target != Index) Shown.push_back({Now, Index = Target});
      }
    std::vector<std::pair<int64_t, int>> Expected{{4000, 0}, {7000, 1}, {10000, 2}};
    if (Loop) Expected.push_back({13000, 0});
    EXPECT_EQ(Shown, Expected) << (Loop ? "looping" : "not looping");
  }
}

TEST(MsgBarLogic, MessageRestsCentredBesideItsIcon) {
  struct Case {
    TSize Icon;
    TRect Extent;
    TAlignment Alignment;
    TSize Size;
    int OriginalY;
    TFloatRect Location;
    TRect IconRect, TextRect;
  } Cases[] = {
      // clang-format off
      {{0, 0}, {0, 0, 100, 15}, taLeftJustify, {100, 15}, 10, {0, 37, 105, 52}, {0, 7, 0, 7},
       {5, 0, 105, 15}},
      // Right: the text, Space beside the icon, ends at the right edge.
      {{16, 16}, {0, 0, 100, 15}, taRightJustify, {116, 16}, 10, {229, 37, 350, 53},
       {229, 0, 245, 16}, {250, 0, 350, 15}},
      {{16, 24}, {0, 0, 100, 15}, taCenter, {116, 24}, 6, {114, 37, 235, 61}, {114, 0, 130, 24},
       {135, 4, 235, 19}},
      // Taller than the bar: cut at its bottom.
      {{0, 0}, {0, 0, 340, 60}, taLeftJustify, {340, 36}, 0, {0, 37, 345, 73}, {0, 18, 0, 18},
       {5, 0, 345, 36}},
      // clang-format on
  };

  for (const Case& C : Cases) {
    const TMsgBarItemLayout L = LayoutMsgBarItem(350, 36, C.Icon, C.Extent, C.Alignment, 5);
    EXPECT_EQ(L.ItemSize, C.Size) << C.Alignment;
    EXPECT_EQ(L.OriginalY, C.OriginalY) << C.Alignment;
    EXPECT_EQ(L.Location, C.Location) << C.Alignment;
    EXPECT_EQ(L.IconRect, C.IconRect) << C.Alignment;
    EXPECT_EQ(L.TextRect, C.TextRect) << C.Alignment;
  }
}

TEST(MsgBarLogic, SlideFramesEndWithTheNewMessageAtRest) {
  const std::vector<long double> V{0, 10, 30};
  struct Case {
    bool Forward;
    int K;
    double Old, New;
  } Cases[] = {
      {true, 0, 10, 42},   {true, 1, 0, 22},  {true, 2, 10 - 30 - 37, 12},
      {false, 0, 10, -18}, {false, 1, 20, 2}, {false, 2, 10 + 30 + 37, 12},
  };
  for (const Case& C : Cases) {
    const TMsgBarFrame F = MsgBarSlideFrame(V, C.K, 36, 10, 12, C.Forward);
    EXPECT_EQ(F.OldTop, C.Old) << C.Forward << " frame " << C.K;
    EXPECT_EQ(F.NewTop, C.New) << C.Forward << " frame " << C.K;
  }
  // The bar's own curve: rising from 0, still short of the height in the last frame.
  const TResultArray Quad = TQvAnimateEasing::GenerateValues(36, 15, etQuadEaseIn);
  ASSERT_EQ(Quad.size(), 15u);
  EXPECT_EQ(Quad.front(), 0);
  EXPECT_LT(Quad.back(), 36);
  EXPECT_TRUE(std::is_sorted(Quad.begin(), Quad.end()));
}

namespace {

// A layer filling its location with one colour.
class TBlock : public TPositionedLayer {
 public:
  TBlock(TLayerCollection* C, TColor32 Color) : TPositionedLayer(C), FColor(Color) {}
  void Paint(TBitmap32* Buffer) override { Buffer->FillRectS(GetAdjustedRect(), FColor); }

 private:
  TColor32 FColor;
};

}  // namespace

TEST(MsgBarLogic, LayersReportWhatMovedAndPaintTopmostLast) {
  TLayerCollection Layers;
  std::vector<TRect> Areas;
  Layers.OnAreaChanged = [&](const TRect& R) { Areas.push_back(R); };
  auto* Red = Layers.Add<TBlock>(Color32(255, 0, 0));
  auto* Blue = Layers.Add<TBlock>(Color32(0, 0, 255));
  EXPECT_TRUE(Areas.empty());  // empty locations repaint nothing
  Red->SetLocation({0, 0, 10, 10});
  Blue->SetLocation({5.5, 5, 15, 15});
  EXPECT_EQ(Areas, (std::vector<TRect>{{0, 0, 10, 10}, {5, 5, 15, 15}}));
  Areas.clear();
  Blue->SetLocation({5.5, 5, 15, 15});  // unchanged: nothing
  Red->SetLocation({20, 0, 30, 10});    // left and covered
  EXPECT_EQ(Areas, (std::vector<TRect>{{0, 0, 10, 10}, {20, 0, 30, 10}}));

  TBitmap32 B;
  B.SetSize(32, 16);
  B.Clear(Color32(255, 255, 255));
  Red->SetLocation({0, 0, 10, 10});
  Layers.Paint(&B);
  EXPECT_EQ(B.Pixel(7, 7), Color32(0, 0, 255));  // the later layer on top
  EXPECT_EQ(B.Pixel(2, 2), Color32(255, 0, 0));
  struct Hit {
    int X, Y;
    TCustomLayer* Expected;
  } Hits[] = {{7, 7, Blue}, {2, 2, Red}, {14, 14, Blue}, {15, 15, nullptr}, {10, 2, nullptr}};
  for (const Hit& H : Hits)
    EXPECT_EQ(Layers.FindLayerAtPos(H.X, H.Y), H.Expected) << H.X << "," << H.Y;

  Areas.clear();
  Blue->SetVisible(false);
  EXPECT_EQ(Layers.FindLayerAtPos(7, 7), Red);
  Layers.Delete(Red);
  EXPECT_EQ(Layers.Count(), 1);
  EXPECT_EQ(Areas, (std::vector<TRect>{{5, 5, 15, 15}, {0, 0, 10, 10}}));
  Layers.Clear();
  EXPECT_EQ(Layers.Count(), 0);
}
