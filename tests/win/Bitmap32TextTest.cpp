#include <gtest/gtest.h>
#include <windows.h>

#include "host/Font.h"
#include "raster/Bitmap32.h"

using namespace qv;

namespace {
// The bounding box of the pixels that differ from Background; empty when none do.
TRect Changed(const TBitmap32& B, TColor32 Background) {
  TRect R{B.Width(), B.Height(), 0, 0};
  for (int Y = 0; Y < B.Height(); ++Y)
    for (int X = 0; X < B.Width(); ++X)
      if (B.Pixel(X, Y) != Background) {
        R.Left = std::min(R.Left, X), R.Top = std::min(R.Top, Y);
        R.Right = std::max(R.Right, X + 1), R.Bottom = std::max(R.Bottom, Y + 1);
      }
  return R;
}
}  // namespace

TEST(Bitmap32Text, TextoutDrawsInsideItsExtent) {
  TBitmap32 B;
  B.Font()->SetHeight(-16);
  B.Font()->SetColor(clWhite);
  TSize Sz = B.TextExtent(L"Hello");  // measured without a device context of its own
  EXPECT_GT(Sz.cx, 10);
  EXPECT_GT(Sz.cy, 10);
  B.SetSize(120, 40);
  B.Clear(clBlack32);
  EXPECT_EQ(B.TextExtent(L"Hello").cx, Sz.cx);
  B.Textout(10, 5, L"Hello");
  TRect R = Changed(B, clBlack32);
  ASSERT_FALSE(R.IsEmpty());
  EXPECT_GE(R.Left, 9);
  EXPECT_GE(R.Top, 5);
  EXPECT_LE(R.Right, 10 + Sz.cx + 1);
  EXPECT_LE(R.Bottom, 5 + Sz.cy);
  // The clipped form keeps inside its rectangle.
  B.Clear(clBlack32);
  B.Textout(10, 5, Rect(0, 0, 20, 40), L"Hello");
  R = Changed(B, clBlack32);
  ASSERT_FALSE(R.IsEmpty());
  EXPECT_LE(R.Right, 20);
  // The rectangle form centres with DT_ flags.
  B.Clear(clBlack32);
  B.Textout(Rect(0, 0, 120, 40), DT_CENTER | DT_VCENTER | DT_SINGLELINE, L"Hi");
  R = Changed(B, clBlack32);
  ASSERT_FALSE(R.IsEmpty());
  EXPECT_NEAR((R.Left + R.Right) / 2.0, 60, 4);
}

TEST(Bitmap32Text, RenderTextProducesAlpha) {
  for (int AALevel : {-1, 0, 2}) {
    TBitmap32 B;
    B.SetSize(120, 40);
    B.Font()->SetHeight(-16);
    B.RenderText(4, 4, L"Alpha", AALevel, 0xFFFF0000);
    int Visible = 0, Partial = 0;
    for (int I = 0; I < 120 * 40; ++I) {
      TColor32 C = B.Bits()[I];
      if (C >> 24) {
        ++Visible;
        Partial += (C >> 24) < 255;
        EXPECT_EQ(C & 0xFFFF, 0u) << AALevel;  // red blended over black: no green, no blue
        EXPECT_GT(RedComponent(C), 0) << AALevel;
      }
    }
    EXPECT_GT(Visible, 20) << AALevel;
    if (AALevel > 0) {
      EXPECT_GT(Partial, 0);
    }
    EXPECT_EQ(B.Font()->Quality(), fqDefault);
  }
  // Rectangle form with a translucent colour: alpha never beyond the colour's.
  TBitmap32 B;
  B.SetSize(100, 30);
  B.Font()->SetHeight(-16);
  B.RenderText(Rect(0, 0, 100, 30), DT_CENTER | DT_VCENTER | DT_SINGLELINE, L"Tip", 0x800000FF);
  uint32_t MaxAlpha = 0;
  for (int I = 0; I < 100 * 30; ++I) MaxAlpha = std::max(MaxAlpha, B.Bits()[I] >> 24);
  EXPECT_GT(MaxAlpha, 0u);
  EXPECT_LE(MaxAlpha, 0x80u);
  EXPECT_EQ(B.Font()->Quality(), fqNonAntialiased);  // this form leaves the quality set
}
