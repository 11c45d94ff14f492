// The skinned form's painting: backgrounds, client area and the non-client pieces.
#include <windows.h>

#include "forms/QvFormBorder.h"
#include "forms/QvFormPaint.h"
#include "forms/QvFormSkinVar.h"
#include "forms/QvSkinForm.h"
#include "graphics/BitmapHelper.h"
#include "graphics/QvGR32LibColor.h"
#include "host/Form.h"
#include "host/Platform.h"
#include "host/ScopeGuard.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

bool HasShift() {
  return gHSB.H != 0 || gHSB.S != 0 || gHSB.B != 0;
}

TSize WindowSize(HWND H) {
  RECT R;
  GetWindowRect(H, &R);
  return TSize{int(R.right - R.left), int(R.bottom - R.top)};
}

int MonitorWidth(HWND H) {
  MONITORINFO MI{};
  MI.cbSize = sizeof(MI);
  if (!GetMonitorInfoW(MonitorFromWindow(H, MONITOR_DEFAULTTONEAREST), &MI)) return 0;
  return MI.rcMonitor.right - MI.rcMonitor.left;
}

}  // namespace

void TQvSkinForm::ResetBkColor() {
  if (Designing()) return;
  if (HasShift()) {
    FNCBkColor = MakeHSBColor(FTitlerColor, gHSB.H, gHSB.S, gHSB.B);
    FClientBkColor = MakeHSBColor(FColor, gHSB.H, gHSB.S, gHSB.B);
  } else {
    FNCBkColor = FTitlerColor;
    FClientBkColor = FColor;
  }
  HWND H = FDestForm && FDestForm->HandleAllocated() ? HWND(FDestForm->Handle()) : nullptr;
  TSize Form = H ? WindowSize(H)
                 : TSize{FDestForm ? FDestForm->Width() : 0, FDestForm ? FDestForm->Height() : 0};
  const int T = ScaledTitleHeight();
  if (FActiveGradient) {
    const int G = GetDPIScaledPixels(FDestForm, FGradientHeight);
    const int Width = std::max(H ? MonitorWidth(H) : 0, Form.cx) + 10;
    BuildGradientStrip(FColorBgBitmap, Width, std::max(G, 0), FNCBkColor, FClientBkColor);
  }
  BuildColorBackground(FColorBkGraphic, Form, FClientBkColor,
                       FActiveGradient ? &FColorBgBitmap : nullptr, TPoint{0, -T});
}

void TQvSkinForm::ResetBkGraphic() {
  if (Designing() || FCustomPicture.empty()) return;
  TQvSkinImage* Image = nullptr;
  try {
    if (TQvSkinResManager* M = TQvSkinResManagerObj()) Image = M->GetImageByName(FCustomPicture);
  } catch (const std::exception&) {
    // A file that is no picture keeps the previous picture (or the colour fallback).
    Image = nullptr;
  }
  if (Image) {
    auto Updating = UpdateScope(FPictureBgBitmap);
    FPictureBgBitmap.Assign(Image);
    if (HasShift()) ApplyHSL(&FPictureBgBitmap, gHSB.H, gHSB.S, gHSB.B);
  }
  TSize Form{FDestForm ? FDestForm->Width() : 0, FDestForm ? FDestForm->Height() : 0};
  if (FPictureBgBitmap.Empty()) {
    // No usable picture at all: the colour background, in window coordinates, so that the
    // form still paints a complete frame and client.
    ResetBkColor();
    FPictureBgColor = FClientBkColor;
    BuildColorBackground(FPictureBkGraphic, Form, FClientBkColor,
                         FActiveGradient ? &FColorBgBitmap : nullptr, TPoint{0, 0});
    return;
  }
  TPoint Offset;
  if (FImageBorder && FImageBorder->StretchKind() == skTile)
    Offset = TPoint{FFramWidth - FImageBorder->Size()->Left(),
                    ScaledTitleHeight() - FImageBorder->Size()->Top()};
  BuildPictureBackground(FPictureBkGraphic, FPictureBgBitmap, FFillStyle, Form, Offset,
                         FPictureBgColor, Image != nullptr);
}

void TQvSkinForm::PaintClient(HDC DC) {
  try {
    HWND H = HWND(FDestForm->Handle());
    TSize Form = WindowSize(H);
    if (FStyle == ssColor) {
      if (FActiveGradient && FColorBgBitmap.Width() < MonitorWidth(H)) ResetBkColor();
      if (FColorBkGraphic.Width() < Form.cx || FColorBkGraphic.Height() < Form.cy)
        BuildColorBackground(FColorBkGraphic, Form, FClientBkColor,
                             FActiveGradient ? &FColorBgBitmap : nullptr,
                             TPoint{-FFramWidth, -ScaledTitleHeight()});
      FColorBkGraphic.DrawTo(DC, 0, 0);
      return;
    }
    if (FPictureBkGraphic.Empty() && FPictureBgBitmap.Empty()) ResetBkGraphic();
    if (FPictureBkGraphic.Width() < Form.cx || FPictureBkGraphic.Height() < Form.cy ||
        FFillStyle == mfsStretch || FFillStyle == mfs9Block) {
      if (FPictureBgBitmap.Empty())
        BuildColorBackground(FPictureBkGraphic, Form, FClientBkColor,
                             FActiveGradient ? &FColorBgBitmap : nullptr, TPoint{0, 0});
      else
        BuildPictureBackground(FPictureBkGraphic, FPictureBgBitmap, FFillStyle, Form, TPoint{0, 0},
                               FPictureBgColor, false);
    }
    FPictureBkGraphic.DrawTo(DC, -FFramWidth, -ScaledTitleHeight());
  } catch (const std::exception&) {
    // Nothing leaves a paint.
  }
}

void TQvSkinForm::EraseClient(HDC DC) {
  if (FStyle == ssColor)
    FColorBkGraphic.DrawTo(DC, 0, 0);
  else if (!FPictureBkGraphic.Empty())
    FPictureBkGraphic.DrawTo(DC, -FFramWidth, -ScaledTitleHeight());
}

void TQvSkinForm::DrawNCRect() {
  if (!FDestForm || !FDestForm->HandleAllocated() || FDestForm->BorderStyle() == bsNone) return;
  HWND H = HWND(FDestForm->Handle());
  if (!IsWindowVisible(H)) return;
  CreateMainMenu();
  if (FStyle == ssPicture && FPictureBkGraphic.Empty()) return;
  HDC DC = GetWindowDC(H);
  if (!DC) return;
  const int Saved = SaveDC(DC);
  TScopeExit Release([&] {
    RestoreDC(DC, Saved);
    ReleaseDC(H, DC);
  });
  try {
    if (FStyle == ssPicture && FImageBorder && !FImageBorder->Transparent()) {
      // The opaque border is the frame now: the form gives its own up for good.
      FFlatFrame = true;
      FHitTestWidth = 0;
      SetFramWidth(0);
      FRoundWindow = false;
    }
    const TSize Form = WindowSize(H);
    const int W = Form.cx, Hh = Form.cy, T = ScaledTitleHeight(), F = FFramWidth;
    TQvFrameLineStyle Lines;
    Lines.FlatFrame = FFlatFrame;
    Lines.Maximized = IsZoomed(H) != FALSE;
    Lines.FramWidth = F;
    Lines.KeepFrameColor = FKeepFrameColor;
    Lines.FrameColor = FFrameColor;
    Lines.DoubleFrame = FDoubleFrame;
    Lines.RoundWindow = FRoundWindow;
    const bool Picture = FStyle == ssPicture;
    TBitmap32& Bk = Picture ? FPictureBkGraphic : FColorBkGraphic;

    TBitmap32 Piece;
    if (T > 0) {
      Piece.SetSize(W, T);
      if (!Picture) {
        if (FActiveGradient) {
          Piece.Clear(Color32(FClientBkColor) | 0xFF000000);
          FillGradient(&Piece, FNCBkColor, FClientBkColor, false,
                       TRect{0, 0, W, GetDPIScaledPixels(FDestForm, FGradientHeight)});
        } else {
          Piece.Clear(Color32(FNCBkColor) | 0xFF000000);
        }
      } else if (FKeepTitlerColor) {
        Piece.Clear(Color32(FTitlerColor) | 0xFF000000);
      } else {
        Piece.Draw(0, 0, &Bk);
      }
      // With an opaque border the border window shows the controls.
      if (!Picture || !FImageBorder || FImageBorder->Transparent())
        for (size_t I = 0; I < FNCCtrlList.size(); ++I)
          if (TQvSkinNCCtrlBase* C = FNCCtrlList[I]; C->Visible() && C->Form() == FDestForm)
            C->Paint(&Piece);
      if (Picture || !FKeepTitlerColor) DrawNCBoderSide(Piece, skTitle, Lines);
      Piece.DrawTo(DC, 0, 0);
    }
    if (F <= 0) return;
    // Side and bottom pieces show the background beneath them.
    const int SideH = Hh - T - F;
    if (SideH > 0) {
      Piece.SetSize(F, SideH);
      Piece.Draw(0, Picture ? -T : 0, &Bk);
      DrawNCBoderSide(Piece, skLeft, Lines);
      Piece.DrawTo(DC, 0, T);
      Piece.SetSize(F, SideH);
      Piece.Draw(Picture ? F - W : F - Bk.Width(), Picture ? -T : 0, &Bk);
      DrawNCBoderSide(Piece, skRight, Lines);
      Piece.DrawTo(DC, W - F, T);
    }
    Piece.SetSize(W, F);
    Piece.Draw(0, Picture ? F - Hh : T + F - Hh, &Bk);
    DrawNCBoderSide(Piece, skBottom, Lines);
    Piece.DrawTo(DC, 0, Hh - F);
  } catch (const std::exception&) {
    // Nothing leaves a paint.
  }
}

}  // namespace qv
