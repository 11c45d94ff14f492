#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "raster/Bitmap32.h"
#include "raster/Resamplers.h"

using namespace qv;

namespace {
int CountPixels(const TCustomBitmap32& B, TColor32 C) {
  int N = 0;
  for (int I = 0; I < B.Width() * B.Height(); ++I) N += B.Bits()[I] == C;
  return N;
}
std::set<std::pair<int, int>> PixelsOf(const TCustomBitmap32& B, TColor32 C) {
  std::set<std::pair<int, int>> S;
  for (int Y = 0; Y < B.Height(); ++Y)
    for (int X = 0; X < B.Width(); ++X)
      if (B.Pixel(X, Y) == C) S.insert({X, Y});
  return S;
}
}  // namespace

TEST(Bitmap32, SetSizeKeepsOrClearsPixelsAndFiresEvents) {
  TBitmap32 B;
  EXPECT_TRUE(B.Empty());
  int Changes = 0, Resizes = 0;
  B.OnChange = [&](TObject*) { ++Changes; };
  B.OnResize = [&](TObject*) { ++Resizes; };
  B.SetSize(3, 2);
  EXPECT_EQ(CountPixels(B, 0), 6);  // fresh pixels are transparent black
  EXPECT_EQ(B.ClipRect(), Rect(0, 0, 3, 2));
  B.Clear(0xFF112233);
  Changes = Resizes = 0;
  EXPECT_FALSE(B.SetSize(3, 2));  // same size: pixels kept, nothing fires
  EXPECT_EQ(CountPixels(B, 0xFF112233), 6);
  EXPECT_EQ(Changes + Resizes, 0);
  B.SetSize(2, 3);  // any other size: all zero again
  EXPECT_EQ(CountPixels(B, 0), 6);
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(Resizes, 1);
  B.SetSize(-4, 5);
  EXPECT_EQ(B.Width(), 0);
  EXPECT_TRUE(B.Empty());
  B.SetWidth(4);
  EXPECT_EQ(B.Width() * B.Height(), 20);
  // A store that cannot be had raises and leaves the surface as it was.
  EXPECT_THROW(B.SetSize(0x7FFFFFFF, 0x7FFFFFFF), EBitmapError);
  EXPECT_EQ(B.Width(), 4);
  EXPECT_EQ(B.Height(), 5);
  B.FillRectS(B.BoundsRect(), clWhite32);
  EXPECT_EQ(CountPixels(B, clWhite32), 20);
}

TEST(Bitmap32, UpdatesSuppressEventsAndAreaChangedComesFirst) {
  TBitmap32 B;
  B.SetSize(4, 4);
  std::vector<std::string> Log;
  B.OnAreaChanged = [&](TObject*, const TRect& R, uint32_t) { Log.push_back("area"); };
  B.OnChange = [&](TObject*) { Log.push_back("change"); };
  B.FillRectS(0, 0, 2, 2, clWhite32);
  EXPECT_EQ(Log, (std::vector<std::string>{"area", "change"}));
  Log.clear();
  B.BeginUpdate();
  B.FillRectS(0, 0, 2, 2, clWhite32);
  B.EndUpdate();
  EXPECT_TRUE(Log.empty());
}

TEST(Bitmap32, ClearResetAlphaAndAssign) {
  TBitmap32 A;
  A.SetSize(2, 2);
  A.Clear();
  EXPECT_EQ(CountPixels(A, 0xFF000000), 4);
  A.Clear(0x12345678);
  A.ResetAlpha();
  EXPECT_EQ(CountPixels(A, 0xFF345678), 4);
  A.ResetAlpha(7);
  EXPECT_EQ(CountPixels(A, 0x07345678), 4);
  A.SetDrawMode(dmBlend);
  A.SetMasterAlpha(100);
  A.SetOuterColor(0x11);
  A.SetResamplerClassName(L"TLinearResampler");
  A.Resampler()->SetPixelAccessMode(pamTransparentEdge);
  TBitmap32 B;
  B.Assign(&A);
  EXPECT_EQ(B.Width(), 2);
  EXPECT_EQ(CountPixels(B, 0x07345678), 4);
  EXPECT_EQ(B.DrawMode(), dmBlend);
  EXPECT_EQ(B.MasterAlpha(), 100);
  EXPECT_EQ(B.OuterColor(), 0x11u);
  EXPECT_EQ(B.ResamplerClassName(), L"TLinearResampler");
  EXPECT_EQ(B.Resampler()->PixelAccessMode(), pamTransparentEdge);
  B.Assign(nullptr);
  EXPECT_TRUE(B.Empty());
  // An unknown resampler name is ignored.
  B.SetResamplerClassName(L"TNoSuchResampler");
  EXPECT_EQ(B.ResamplerClassName(), L"TLinearResampler");
}

namespace {
// A resampler that counts its instances and can fail half-way through construction.
int LiveResamplers = 0;
struct TCountedResampler : TNearestResampler {
  TCountedResampler(TCustomBitmap32* B, bool Fail) : TNearestResampler(B) {
    if (Fail) throw EBitmapError(L"no resampler");
    ++LiveResamplers;
  }
  ~TCountedResampler() override { --LiveResamplers; }
};
}  // namespace

// The surface owns only the resampler handed to it: one on the stack or one whose
// constructor throws is never freed by the surface (ASan reports a bad delete otherwise).
TEST(Bitmap32, ResamplerOwnershipIsHandedOverExplicitly) {
  {
    TBitmap32 B;
    B.SetSize(2, 2);
    B.Clear(0xFF102030);
    TCustomResampler* Own = B.Resampler();
    {
      TCountedResampler OnStack(&B, false);
      EXPECT_EQ(OnStack.GetSampleFloat(0.5, 0.5), 0xFF102030u);
      EXPECT_EQ(B.Resampler(), Own);
    }
    EXPECT_THROW(TCountedResampler(&B, true), EBitmapError);
    EXPECT_THROW(B.SetResampler(std::make_unique<TCountedResampler>(&B, true)), EBitmapError);
    EXPECT_EQ(B.Resampler(), Own);
    EXPECT_EQ(LiveResamplers, 0);

    // Null, or a resampler of another surface, is refused and the old one stays.
    TBitmap32 Other;
    EXPECT_THROW(B.SetResampler(nullptr), EBitmapError);
    EXPECT_THROW(B.SetResampler(std::make_unique<TCountedResampler>(&Other, false)), EBitmapError);
    EXPECT_EQ(LiveResamplers, 0);
    EXPECT_EQ(B.Resampler(), Own);

    // Replacing frees the previous one, by name or by object.
    B.SetResampler(std::make_unique<TCountedResampler>(&B, false));
    EXPECT_EQ(LiveResamplers, 1);
    EXPECT_EQ(B.Resampler()->Bitmap(), &B);
    B.SetResamplerClassName(L"TLinearResampler");
    EXPECT_EQ(LiveResamplers, 0);
    B.SetResampler(std::make_unique<TCountedResampler>(&B, false));
    EXPECT_EQ(LiveResamplers, 1);
  }
  // The surface frees the resampler it owns.
  EXPECT_EQ(LiveResamplers, 0);
}

TEST(Bitmap32, FrameRectOutlines) {
  struct Case {
    TRect R;
    int Pixels;
  } Cases[] = {{{0, 0, 1, 1}, 1}, {{0, 0, 2, 2}, 4}, {{0, 0, 3, 3}, 8},     {{1, 1, 5, 2}, 4},
               {{1, 1, 2, 5}, 4}, {{2, 2, 2, 5}, 0}, {{-3, -3, -1, -1}, 0}, {{-1, -1, 9, 9}, 0}};
  for (const Case& C : Cases) {
    TBitmap32 B;
    B.SetSize(6, 6);
    B.FrameRectS(C.R, clWhite32);
    EXPECT_EQ(CountPixels(B, clWhite32), C.Pixels)
        << C.R.Left << "," << C.R.Top << "," << C.R.Right << "," << C.R.Bottom;
  }
  TBitmap32 B;
  B.SetSize(6, 6);
  B.FrameRectS(1, 1, 4, 5, clWhite32);
  EXPECT_EQ(PixelsOf(B, clWhite32),
            (std::set<std::pair<int, int>>{
                {1, 1}, {2, 1}, {3, 1}, {1, 4}, {2, 4}, {3, 4}, {1, 2}, {1, 3}, {3, 2}, {3, 3}}));
}

TEST(Bitmap32, FillRectsClipAndBlend) {
  TBitmap32 B;
  B.SetSize(4, 4);
  B.Clear(0xFF000000);
  B.FillRectS(-5, -5, 2, 2, 0xFFFFFFFF);
  EXPECT_EQ(CountPixels(B, 0xFFFFFFFF), 4);
  B.FillRectS(3, 3, 3, 9, 0xFF00FF00);  // empty: nothing
  EXPECT_EQ(CountPixels(B, 0xFF00FF00), 0);
  B.FillRectTS(0, 0, 4, 4, 0x80FFFFFF);
  EXPECT_EQ(B.Pixel(3, 3), CombineReg(0x80FFFFFF, 0xFF000000, 128));
  EXPECT_EQ(B.Pixel(0, 0), CombineReg(0x80FFFFFF, 0xFFFFFFFF, 128));
  B.FillRectTS(0, 0, 4, 4, 0x00FF0000);  // alpha 0 changes nothing
  EXPECT_EQ(B.Pixel(3, 3), CombineReg(0x80FFFFFF, 0xFF000000, 128));
  B.FillRectTS(0, 0, 4, 4, 0xFF0000FF);  // alpha 255 is a plain fill
  EXPECT_EQ(CountPixels(B, 0xFF0000FF), 16);
  B.SetPixelTS(9, 9, clWhite32);  // outside: ignored
  B.SetPixelTS(1, 1, 0x80FFFFFF);
  EXPECT_EQ(B.Pixel(1, 1), CombineReg(0x80FFFFFF, 0xFF0000FF, 128));
  EXPECT_EQ(B.PixelS(-1, 0), B.OuterColor());
}

TEST(Bitmap32, BresenhamLines) {
  TBitmap32 B;
  B.SetSize(8, 8);
  B.Line(0, 0, 4, 2, clWhite32, true);
  // The error term starts at half the major delta.
  EXPECT_EQ(PixelsOf(B, clWhite32),
            (std::set<std::pair<int, int>>{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}));
  B.Clear(0);
  B.Line(0, 0, 4, 2, clWhite32, false);  // end point excluded
  EXPECT_EQ(CountPixels(B, clWhite32), 4);
  EXPECT_EQ(B.Pixel(4, 2), 0u);
  // Clipping keeps exactly the pixels of the unclipped line.
  for (auto [X1, Y1, X2, Y2] :
       {std::tuple{-7, -3, 12, 9}, {10, -5, -3, 6}, {3, 20, 5, -20}, {-10, 4, 20, 4}}) {
    TBitmap32 Big, Small;
    Big.SetSize(40, 40);
    Small.SetSize(8, 8);
    Big.Line(X1 + 16, Y1 + 16, X2 + 16, Y2 + 16, clWhite32, true);
    Small.LineS(X1, Y1, X2, Y2, clWhite32, true);
    for (int Y = 0; Y < 8; ++Y)
      for (int X = 0; X < 8; ++X)
        ASSERT_EQ(Small.Pixel(X, Y), Big.Pixel(X + 16, Y + 16)) << X << "," << Y;
  }
  // LineToS: from the pen position, end excluded, with PenColor.
  B.Clear(0);
  B.SetPenColor(0xFF00FF00);
  B.MoveTo(1, 1);
  B.LineToS(5, 1);
  EXPECT_EQ(CountPixels(B, 0xFF00FF00), 4);
  EXPECT_EQ(B.PenPos(), Point(5, 1));
}

TEST(Bitmap32, AntiAliasedLineSplitsCoverage) {
  TBitmap32 B;
  B.SetSize(10, 4);
  B.LineAS(0, 1, 9, 1, 0xFFFFFFFF, true);  // exactly on a row: full pixels
  EXPECT_EQ(CountPixels(B, 0xFFFFFFFF), 10);
  B.Clear(0);
  B.LineFS(0, 1.5, 9, 1.5, 0xFFFFFFFF, true);  // halfway between two rows
  EXPECT_EQ(B.Pixel(4, 1), B.Pixel(4, 2));
  EXPECT_EQ(B.Pixel(4, 1), CombineReg(0xFFFFFFFF, 0, 128));
}

TEST(Bitmap32, GrayscaleKeepsAlpha) {
  TBitmap32 Src, Dst;
  Src.SetSize(3, 1);
  Src.SetPixel(0, 0, 0x80FFFFFF);
  Src.SetPixel(1, 0, 0xFF102030);
  Src.SetPixel(2, 0, 0x00FF0000);
  ColorToGrayscale(&Dst, &Src);
  EXPECT_EQ(Dst.Pixel(0, 0), 0x80FFFFFFu);  // the weights sum to 256: white stays white
  uint32_t I = (0x10 * 61 + 0x20 * 174 + 0x30 * 21) / 256;
  EXPECT_EQ(Dst.Pixel(1, 0), 0xFF000000u | I << 16 | I << 8 | I);
  EXPECT_EQ(Dst.Pixel(2, 0), 0x003C3C3Cu);  // 255·61 div 256
  ColorToGrayscale(&Src, &Src);             // in place
  EXPECT_EQ(Src.Pixel(1, 0), Dst.Pixel(1, 0));
}
