#include <windows.h>

#include <algorithm>

#include "host/Canvas.h"
#include "host/Colors.h"
#include "host/Graphics.h"

namespace qv {

// ---- TPen ------------------------------------------------------------------

void TPen::SetColor(TColor Value) {
  Update(FColor, Value);
}
void TPen::SetWidth(Integer Value) {
  Update(FWidth, std::max(Value, 1));
}
void TPen::SetStyle(TPenStyle Value) {
  Update(FStyle, Value);
}

void TPen::Assign(TPersistent* Source) {
  auto* P = dynamic_cast<TPen*>(Source);
  if (!P) return TPersistent::Assign(Source);
  if (P == this || (P->FColor == FColor && P->FWidth == FWidth && P->FStyle == FStyle)) return;
  FColor = P->FColor;
  FWidth = P->FWidth;
  FStyle = P->FStyle;
  Changed();
}

HPEN TPen::Handle() {
  if (!FHandle) {
    static const int Styles[] = {PS_SOLID,      PS_DASH, PS_DOT,        PS_DASHDOT,
                                 PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    FHandle = CreatePen(Styles[FStyle], FWidth, COLORREF(ColorToRGB(FColor)));
    if (!FHandle) throw EOutOfResources(L"Out of system resources");
  }
  return HPEN(FHandle);
}

// ---- TBrush ----------------------------------------------------------------

void TBrush::SetColor(TColor Value) {
  if (FStyle == bsClear) {  // a colour makes a clear brush solid
    FColor = Value;
    FStyle = bsSolid;
    Changed();
  } else {
    Update(FColor, Value);
  }
}

void TBrush::SetStyle(TBrushStyle Value) {
  Update(FStyle, Value);
}

void TBrush::Assign(TPersistent* Source) {
  auto* B = dynamic_cast<TBrush*>(Source);
  if (!B) return TPersistent::Assign(Source);
  if (B == this || (B->FColor == FColor && B->FStyle == FStyle)) return;
  FColor = B->FColor;
  FStyle = B->FStyle;
  Changed();
}

HBRUSH TBrush::Handle() {
  if (!FHandle) {
    COLORREF C = COLORREF(ColorToRGB(FColor));
    static const int Hatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL,
                                  HS_BDIAGONAL,  HS_CROSS,    HS_DIAGCROSS};
    if (FStyle == bsSolid)
      FHandle = CreateSolidBrush(C);
    else if (FStyle == bsClear) {
      LOGBRUSH Hollow{BS_NULL, 0, 0};
      FHandle = CreateBrushIndirect(&Hollow);
    } else
      FHandle = CreateHatchBrush(Hatches[FStyle - bsHorizontal], C);
    if (!FHandle) throw EOutOfResources(L"Out of system resources");
  }
  return HBRUSH(FHandle);
}

// ---- TCanvas ---------------------------------------------------------------

TCanvas::TCanvas() {
  // A changed object is deselected before its old handle is deleted.
  FFont.OnChange = [this](TObject*) {
    if (FState.Contains(csFontValid)) {
      SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
      FState.Exclude(csFontValid);
    }
  };
  FPen.OnChange = [this](TObject*) {
    if (FState.Contains(csPenValid)) {
      SelectObject(FHandle, GetStockObject(BLACK_PEN));
      FState.Exclude(csPenValid);
    }
  };
  FBrush.OnChange = [this](TObject*) {
    if (FState.Contains(csBrushValid)) {
      SelectObject(FHandle, GetStockObject(HOLLOW_BRUSH));
      FState.Exclude(csBrushValid);
    }
  };
}

TCanvas::~TCanvas() {
  DeselectObjects();
}

HDC TCanvas::Handle() {
  if (!FHandle) CreateHandle();
  if (!FHandle) throw EInvalidOperation(L"Canvas does not allow drawing");
  return FHandle;
}

void TCanvas::SetHandle(HDC Value) {
  if (Value == FHandle) return;
  DeselectObjects();
  FHandle = Value;
  FState = {};
  if (Value) {
    FState.Include(csHandleValid);
    MoveToEx(Value, FPenPos.X, FPenPos.Y, nullptr);
  }
}

void TCanvas::FreeHandle() {
  SetHandle(nullptr);
}

void TCanvas::DeselectObjects() {
  if (!FHandle) return;
  if (FOldFont) SelectObject(FHandle, FOldFont);
  if (FOldPen) SelectObject(FHandle, FOldPen);
  if (FOldBrush) SelectObject(FHandle, FOldBrush);
  FOldFont = FOldPen = FOldBrush = nullptr;
  FState = {};
}

void TCanvas::SelectFont() {
  HGDIOBJ Old = SelectObject(FHandle, FFont.Handle());
  if (!FOldFont) FOldFont = Old;
  SetTextColor(FHandle, COLORREF(ColorToRGB(FFont.Color())));
  FState.Include(csFontValid);
}

void TCanvas::SelectPen() {
  HGDIOBJ Old = SelectObject(FHandle, FPen.Handle());
  if (!FOldPen) FOldPen = Old;
  FState.Include(csPenValid);
}

void TCanvas::SelectBrush() {
  UnrealizeObject(FBrush.Handle());
  HGDIOBJ Old = SelectObject(FHandle, FBrush.Handle());
  if (!FOldBrush) FOldBrush = Old;
  if (FBrush.Style() == bsSolid) {
    SetBkColor(FHandle, COLORREF(ColorToRGB(FBrush.Color())));
    SetBkMode(FHandle, OPAQUE);
  } else {
    SetBkColor(FHandle, ~COLORREF(ColorToRGB(FBrush.Color())) & 0xFFFFFF);
    SetBkMode(FHandle, TRANSPARENT);
  }
  FState.Include(csBrushValid);
}

void TCanvas::RequiredState(TSet<TState> Required) {
  Handle();
  if (Required.Contains(csFontValid) && !FState.Contains(csFontValid)) SelectFont();
  if (Required.Contains(csPenValid) && !FState.Contains(csPenValid)) SelectPen();
  if (Required.Contains(csBrushValid) && !FState.Contains(csBrushValid)) SelectBrush();
  // The text colour can change without a new font handle.
  if (FState.Contains(csFontValid)) SetTextColor(FHandle, COLORREF(ColorToRGB(FFont.Color())));
}

void TCanvas::Changed() {
  if (OnChange) OnChange(this);
}

void TCanvas::MoveTo(Integer X, Integer Y) {
  FPenPos = {X, Y};
  if (FHandle) MoveToEx(FHandle, X, Y, nullptr);
}

void TCanvas::LineTo(Integer X, Integer Y) {
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::LineTo(FHandle, X, Y);
  FPenPos = {X, Y};
  Changed();
}

void TCanvas::FillRect(const TRect& R) {
  RequiredState({csHandleValid, csBrushValid});
  RECT W{R.Left, R.Top, R.Right, R.Bottom};
  ::FillRect(FHandle, &W, FBrush.Handle());
  Changed();
}

void TCanvas::FrameRect(const TRect& R) {
  RequiredState({csHandleValid, csBrushValid});
  RECT W{R.Left, R.Top, R.Right, R.Bottom};
  ::FrameRect(FHandle, &W, FBrush.Handle());
  Changed();
}

void TCanvas::Rectangle(Integer X1, Integer Y1, Integer X2, Integer Y2) {
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Rectangle(FHandle, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::Ellipse(Integer X1, Integer Y1, Integer X2, Integer Y2) {
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Ellipse(FHandle, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::RoundRect(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer W, Integer H) {
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::RoundRect(FHandle, X1, Y1, X2, Y2, W, H);
  Changed();
}

TColor TCanvas::Pixels(Integer X, Integer Y) {
  RequiredState({csHandleValid});
  COLORREF C = GetPixel(FHandle, X, Y);
  return C == CLR_INVALID ? clNone : TColor(C);
}

void TCanvas::SetPixels(Integer X, Integer Y, TColor Value) {
  RequiredState({csHandleValid});
  SetPixelV(FHandle, X, Y, COLORREF(ColorToRGB(Value)));
  Changed();
}

void TCanvas::TextOut(Integer X, Integer Y, const String& Text) {
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  ExtTextOutW(FHandle, X, Y, 0, nullptr, Text.c_str(), UINT(Text.size()), nullptr);
  MoveTo(X + TextWidth(Text), Y);
  Changed();
}

void TCanvas::TextRect(const TRect& R, Integer X, Integer Y, const String& Text) {
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  RECT W{R.Left, R.Top, R.Right, R.Bottom};
  UINT Options = ETO_CLIPPED | (FBrush.Style() != bsClear ? ETO_OPAQUE : 0);
  ExtTextOutW(FHandle, X, Y, Options, &W, Text.c_str(), UINT(Text.size()), nullptr);
  Changed();
}

void TCanvas::TextRect(TRect& R, String& Text, TTextFormat Format) {
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  static const UINT Flags[] = {DT_BOTTOM,     DT_CALCRECT, DT_CENTER,    DT_END_ELLIPSIS,
                               DT_LEFT,       DT_NOCLIP,   DT_NOPREFIX,  DT_RIGHT,
                               DT_SINGLELINE, DT_VCENTER,  DT_WORDBREAK, DT_PATH_ELLIPSIS};
  UINT F = 0;
  for (int I = 0; I <= tfPathEllipsis; ++I)
    if (Format.Contains(TTextFormats(I))) F |= Flags[I];
  // The ellipsis flags may shorten the text in place: give DrawText room for that.
  if (F & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS)) F |= DT_MODIFYSTRING;
  String Buffer = Text;
  Buffer.resize(Text.size() + 4);
  RECT W{R.Left, R.Top, R.Right, R.Bottom};
  int OldMode = FBrush.Style() == bsClear ? SetBkMode(FHandle, TRANSPARENT) : 0;
  DrawTextW(FHandle, Buffer.data(), int(Text.size()), &W, F);
  if (OldMode) SetBkMode(FHandle, OldMode);
  if (F & DT_MODIFYSTRING) Text = Buffer.c_str();
  if (F & DT_CALCRECT) R = {W.left, W.top, W.right, W.bottom};
  Changed();
}

TSize TCanvas::TextExtent(const String& Text) {
  RequiredState({csHandleValid, csFontValid});
  SIZE S{0, 0};
  GetTextExtentPoint32W(FHandle, Text.c_str(), int(Text.size()), &S);
  return {S.cx, S.cy};
}

void TCanvas::Draw(Integer X, Integer Y, TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  StretchDraw(Bounds(X, Y, Graphic->Width(), Graphic->Height()), Graphic);
}

void TCanvas::StretchDraw(const TRect& R, TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  RequiredState({csHandleValid});
  Graphic->Draw(*this, R);
  Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas& Source, const TRect& SourceRect) {
  RequiredState({csHandleValid, csBrushValid});
  HDC Src = Source.Handle();
  StretchBlt(FHandle, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Src, SourceRect.Left,
             SourceRect.Top, SourceRect.Width(), SourceRect.Height(), FCopyMode);
  Changed();
}

}  // namespace qv
