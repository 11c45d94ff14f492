#pragma once
// Pens, brushes and the canvas: drawing on a device context with the current font, pen
// and brush. The GDI objects are created on demand, selected only while the canvas draws
// and released when a property changes. Windows only (CanvasWin.cpp); the header names
// the platform handles by their opaque types.
#include <memory>

#include "host/Font.h"
#include "host/PlatformTypes.h"

namespace qv {

class TGraphic;

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TBrushStyle {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};

class TPen : public TGraphicsObject {
  QV_CLASS(TPen)
 public:
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  Integer Width() const { return FWidth; }
  void SetWidth(Integer Value);  // at least 1
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle Value);
  void Assign(TPersistent* Source) override;
  HPEN Handle();

 private:
  TColor FColor = clBlack;
  Integer FWidth = 1;
  TPenStyle FStyle = psSolid;
};

class TBrush : public TGraphicsObject {
  QV_CLASS(TBrush)
 public:
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);  // a colour makes a clear brush solid again
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle Value);
  void Assign(TPersistent* Source) override;
  HBRUSH Handle();

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
};

// Text layout flags of TextRect.
enum TTextFormats {
  tfBottom,
  tfCalcRect,
  tfCenter,
  tfEndEllipsis,
  tfLeft,
  tfNoClip,
  tfNoPrefix,
  tfRight,
  tfSingleLine,
  tfVerticalCenter,
  tfWordBreak,
  tfPathEllipsis
};
using TTextFormat = TSet<TTextFormats>;

class TCanvas : public TPersistent {
  QV_CLASS(TCanvas)
 public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The device context. SetHandle attaches one the canvas does not own (nullptr detaches);
  // a descendant may create its own on demand.
  HDC Handle();
  void SetHandle(HDC Value);
  bool HandleAllocated() const { return FHandle != nullptr; }

  TFont& Font() { return FFont; }
  TPen& Pen() { return FPen; }
  TBrush& Brush() { return FBrush; }
  TPoint PenPos() const { return FPenPos; }
  void SetPenPos(TPoint Value) { MoveTo(Value.X, Value.Y); }
  Cardinal CopyMode() const { return FCopyMode; }  // raster operation of CopyRect
  void SetCopyMode(Cardinal Value) { FCopyMode = Value; }

  void MoveTo(Integer X, Integer Y);
  void LineTo(Integer X, Integer Y);
  void FillRect(const TRect& R);
  void FrameRect(const TRect& R);
  void Rectangle(Integer X1, Integer Y1, Integer X2, Integer Y2);
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  void Ellipse(Integer X1, Integer Y1, Integer X2, Integer Y2);
  void RoundRect(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer W, Integer H);
  TColor Pixels(Integer X, Integer Y);
  void SetPixels(Integer X, Integer Y, TColor Value);

  // TextOut leaves the pen after the text. TextRect clips to R; with a format it lays
  // the text out in R as the platform's DrawText does.
  void TextOut(Integer X, Integer Y, const String& Text);
  void TextRect(const TRect& R, Integer X, Integer Y, const String& Text);
  void TextRect(TRect& R, String& Text, TTextFormat Format);
  TSize TextExtent(const String& Text);
  Integer TextWidth(const String& Text) { return TextExtent(Text).cx; }
  Integer TextHeight(const String& Text) { return TextExtent(Text).cy; }

  // Draw paints Graphic at its own size; StretchDraw into R. Empty or null graphics draw nothing.
  void Draw(Integer X, Integer Y, TGraphic* Graphic);
  void StretchDraw(const TRect& R, TGraphic* Graphic);
  void CopyRect(const TRect& Dest, TCanvas& Source, const TRect& SourceRect);

  TNotifyEvent OnChange;

 protected:
  virtual void CreateHandle() {}
  // Puts the device context's original objects back and forgets it.
  void FreeHandle();
  void Changed();

 private:
  enum TState { csHandleValid, csFontValid, csPenValid, csBrushValid };
  void RequiredState(TSet<TState> Required);
  void DeselectObjects();
  void SelectFont();
  void SelectPen();
  void SelectBrush();
  TFont FFont;
  TPen FPen;
  TBrush FBrush;
  TPoint FPenPos;
  Cardinal FCopyMode = 0x00CC0020;  // SRCCOPY
  HDC FHandle = nullptr;
  TSet<TState> FState;
  HGDIOBJ FOldFont = nullptr;  // the device context's own objects, put back on release
  HGDIOBJ FOldPen = nullptr;
  HGDIOBJ FOldBrush = nullptr;
};

}  // namespace qv
