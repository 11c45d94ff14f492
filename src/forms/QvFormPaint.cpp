#include "forms/QvFormPaint.h"

#include "graphics/BitmapHelper.h"
#include "graphics/QvGR32LibSlicing.h"
#include "host/ScopeGuard.h"

namespace qv {

void DrawNCBoderSide(TBitmap32& P, TNCBoderSideKind Side, const TQvFrameLineStyle& S) {
  if (S.FlatFrame || S.Maximized || S.FramWidth <= 0) return;
  const int w = P.Width(), h = P.Height();
  const TColor32 Outer = S.KeepFrameColor ? (Color32(S.FrameColor) | 0xFF000000) : FrameOuterLine;
  const TColor32 Inner = FrameInnerLine;
  auto Line = [&](int X1, int Y1, int X2, int Y2, TColor32 C) {
    P.LineAS(X1, Y1, X2, Y2, C, true);
  };
  switch (Side) {
    case skTitle:
      Line(0, 0, w - 1, 0, Outer);
      Line(0, 0, 0, h, Outer);
      Line(w - 1, 0, w - 1, h, Outer);
      if (S.DoubleFrame) {
        Line(1, 1, w - 2, 1, Inner);
        Line(1, 1, 1, h, Inner);
        Line(w - 2, 1, w - 2, h, Inner);
      }
      if (S.RoundWindow) {
        P.SetPixelTS(1, 1, Outer);
        P.SetPixelTS(w - 2, 1, Outer);
        if (S.FramWidth > 1 && S.DoubleFrame) {
          P.SetPixelTS(2, 2, Inner);
          P.SetPixelTS(w - 3, 2, Inner);
        }
      }
      break;
    case skLeft:
      Line(0, 0, 0, h - 1, Outer);
      if (S.DoubleFrame) Line(1, 0, 1, h - 1, Inner);
      break;
    case skRight:
      Line(w - 1, 0, w - 1, h - 1, Outer);
      if (S.DoubleFrame) Line(w - 2, 0, w - 2, h - 1, Inner);
      break;
    case skBottom:
      Line(0, h - 1, w - 1, h - 1, Outer);
      Line(0, h - 2, 0, 2, Outer);
      Line(w - 1, h - 2, w - 1, 2, Outer);
      if (S.DoubleFrame) Line(1, h - 2, w - 2, h - 2, Inner);
      if (S.RoundWindow) {
        P.SetPixelTS(1, h - 2, Outer);
        P.SetPixelTS(w - 2, h - 2, Outer);
      }
      break;
  }
}

void BuildGradientStrip(TBitmap32& Strip, int Width, int Height, TColor Top, TColor Bottom) {
  auto Updating = UpdateScope(Strip);
  Strip.SetSize(Width, Height);
  if (Height <= 0 || Width <= 0) return;
  TBitmap32 Column;
  Column.SetSize(1, Height);
  FillGradient(&Column, Top, Bottom, false, TRect{0, 0, 1, Height});
  Strip.Draw(TRect{0, 0, Width, Height}, TRect{0, 0, 1, Height}, &Column);
}

void BuildColorBackground(TBitmap32& Dst, TSize Form, TColor Client, TBitmap32* Strip,
                          TPoint StripAt) {
  auto Updating = UpdateScope(Dst);
  Dst.SetSize(Form.cx + 10, Form.cy + 10);
  Dst.Clear(Color32(Client) | 0xFF000000);
  if (Strip && !Strip->Empty()) Dst.Draw(StripAt.X, StripAt.Y, Strip);
}

void BuildPictureBackground(TBitmap32& Dst, TBitmap32& Picture, TQvFillStyle FillStyle, TSize Form,
                            TPoint Offset, TColor& BgColor, bool FadePicture) {
  auto Updating = UpdateScope(Dst);
  constexpr TColor White = 16777215;
  if (FillStyle == mfs9Block)
    Dst.SetSize(Form.cx, Form.cy);
  else
    Dst.SetSize(Form.cx + 10, Form.cy + 10);
  switch (FillStyle) {
    case mfsBlur: {
      if (FadePicture && !Picture.Empty()) {
        TBitmap32 Opaque;
        Opaque.Assign(&Picture);
        for (int Y = 0; Y < Opaque.Height(); ++Y) {
          TColor32* Row = Opaque.ScanLine(Y);
          for (int X = 0; X < Opaque.Width(); ++X) Row[X] |= 0xFF000000;
        }
        MakeBmp(&Opaque, BgColor, {TSmoothSide::ssRight, TSmoothSide::ssBottom});
        Picture.Assign(&Opaque);
      }
      Dst.Clear(Color32(BgColor) | 0xFF000000);
      if (!Picture.Empty()) Dst.Draw(Offset.X, Offset.Y, &Picture);
      break;
    }
    case mfsTile:
      BgColor = White;
      Dst.Clear(0xFFFFFFFF);
      if (!Picture.Empty()) TileBitmap(&Picture, &Dst, Offset.X, Offset.Y);
      break;
    case mfsStretch:
      BgColor = White;
      Dst.Clear(0xFFFFFFFF);
      if (!Picture.Empty()) AutoStretchBitmap(&Picture, &Dst, true, false);
      break;
    case mfs9Block:
      BgColor = White;
      Dst.Clear(0xFFFFFFFF);
      if (!Picture.Empty()) StretchBitmap(&Picture, &Dst, false);
      break;
  }
}

}  // namespace qv
