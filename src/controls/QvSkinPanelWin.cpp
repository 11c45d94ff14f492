#include "controls/QvSkinPanel.h"
#include "controls/QvSkinPanelGradient.h"
#include "graphics/QvComm.h"
#include "graphics/QvGR32LibSlicing.h"
#include "host/Font.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinPanel>(), true);

// Red, green and blue of a framework colour (system colours resolved) with alpha A.
TColor32 WithAlpha(TColor Color, Byte A) {
  return SetAlpha(Color32(Color), A);
}

}  // namespace

TQvSkinCustomPanel::TQvSkinCustomPanel(TComponent* AOwner) : TQvSkinCustomControl(AOwner) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks});
  SetWidth(185);
  SetHeight(int(185 * 0.618));
}

void TQvSkinCustomPanel::SetAlpha(Byte Value) {
  Change(FAlpha, Value);
}
void TQvSkinCustomPanel::SetBorderSides(TSides Value) {
  Change(FBorderSides, Value);
}
void TQvSkinCustomPanel::SetBorderColor(TColor Value) {
  Change(FBorderColor, Value);
}
void TQvSkinCustomPanel::SetBorderAlpha(Byte Value) {
  Change(FBorderAlpha, Value);
}
void TQvSkinCustomPanel::SetDoubleBorder(bool Value) {
  Change(FDoubleBorder, Value);
}
void TQvSkinCustomPanel::SetCaptionVisible(bool Value) {
  Change(FCaptionVisible, Value);
}
void TQvSkinCustomPanel::SetBackgroundImage(const TQvResID& Value) {
  Change(FBackgroundImage, Value);
}
void TQvSkinCustomPanel::SetBackgroundFillType(TQvPngFillType Value) {
  Change(FBackgroundFillType, Value);
}
void TQvSkinCustomPanel::SetGradientDirection(TGradientDirection Value) {
  Change(FGradientDirection, Value);
}
void TQvSkinCustomPanel::SetGradientAlign(TGradientAlign Value) {
  Change(FGradientAlign, Value);
}
void TQvSkinCustomPanel::SetGradientSize(int Value) {
  Change(FGradientSize, Value);
}
void TQvSkinCustomPanel::SetGradientStartColor(TColor Value) {
  Change(FGradientStartColor, Value);
}
void TQvSkinCustomPanel::SetGradientEndColor(TColor Value) {
  Change(FGradientEndColor, Value);
}

void TQvSkinCustomPanel::AdjustClientRect(TRect& Rect) {
  TQvSkinCustomControl::AdjustClientRect(Rect);
  const int Inset = FDoubleBorder ? 2 : 1;
  if (FBorderSides.Contains(sdLeft)) Rect.Left += Inset;
  if (FBorderSides.Contains(sdTop)) Rect.Top += Inset;
  if (FBorderSides.Contains(sdRight)) Rect.Right -= Inset;
  if (FBorderSides.Contains(sdBottom)) Rect.Bottom -= Inset;
}

void TQvSkinCustomPanel::WndProc(TMessage& Message) {
  TQvSkinCustomControl::WndProc(Message);
  if (Message.Msg == CM_FONTCHANGED) Invalidate();
}

// ---- body ----------------------------------------------------------------------------

void TQvSkinCustomPanel::DrawBody(TBitmap32* Bitmap) {
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  TQvSkinImage* Image = Manager ? Manager->GetImageByName(FBackgroundImage, true) : nullptr;
  // At design time and when opaque the colour is drawn at full opacity and the
  // application gets no custom-draw call.
  const bool Opaque = Designing() || FAlpha == 255;
  if (FBackgroundFillType == ftGradient) {
    DoFillGradientColor(Bitmap);
  } else {
    if (FAlpha > 0)
      Bitmap->FillRectTS(0, 0, ClientWidth(), ClientHeight(),
                         Opaque ? Color32(Color()) : WithAlpha(Color(), FAlpha));
    if (Image) {
      if (FBackgroundFillType == ftNormal)
        Bitmap->Draw(GetDPIScaledPixels(this, FBackgroundOffsetX),
                     GetDPIScaledPixels(this, FBackgroundOffsetY), Image);
      else
        DrawImage(Image, Bitmap, FBackgroundFillType);
    }
  }
  DrawCaption(Bitmap);
  if (!Opaque && OnCustomDraw) OnCustomDraw(this, Bitmap);
  DrawBorder(Bitmap);
}

void TQvSkinCustomPanel::DoFillGradientColor(TBitmap32* Bitmap) {
  FillGradientBands(Bitmap, FGradientDirection, FGradientAlign, FGradientSize,
                    WithAlpha(FGradientStartColor, FAlpha), WithAlpha(FGradientEndColor, FAlpha));
}

void TQvSkinCustomPanel::DrawCaption(TBitmap32* Bitmap) {
  if (!FCaptionVisible) return;
  Bitmap->Font()->Assign(Font());
  SetDPIScaledFont(this, Bitmap->Font());
  const String& Text = Caption();
  const TSize Extent = Bitmap->TextExtent(Text);
  Bitmap->Textout((Width() - Extent.cx) / 2, (Height() - Extent.cy) / 2, Text);
}

void TQvSkinCustomPanel::DrawBorder(TBitmap32* Bitmap) {
  const int W = Width(), H = Height();
  const TSides& Sides = FBorderSides;
  auto Updating = UpdateScope(*Bitmap);
  if (Designing()) {
    const TColor32 C = Color32(23, 180, 187, 176);
    if (Sides.Contains(sdLeft)) Bitmap->LineAS(0, 0, 0, H, C);
    if (Sides.Contains(sdTop)) Bitmap->LineAS(0, 0, W, 0, C);
    if (Sides.Contains(sdRight)) Bitmap->LineAS(W - 1, 0, W - 1, H, C);
    if (Sides.Contains(sdBottom)) Bitmap->LineAS(0, H - 1, W, H - 1, C);
  } else {
    // Side by side, outer line then inner line: each side's outer line covers the
    // corner pixels the previous side's inner line reached.
    const TColor32 Outer = WithAlpha(FBorderColor, FBorderAlpha);
    const TColor32 Inner = Color32(255, 255, 255, FBorderAlpha);
    const bool Double = FDoubleBorder;
    if (Sides.Contains(sdLeft)) {
      Bitmap->LineAS(0, 0, 0, H, Outer);
      if (Double) Bitmap->LineAS(1, 1, 1, H, Inner);
    }
    if (Sides.Contains(sdTop)) {
      Bitmap->LineAS(0, 0, W, 0, Outer);
      if (Double) Bitmap->LineAS(1, 1, W, 1, Inner);
    }
    if (Sides.Contains(sdRight)) {
      if (W > 1) Bitmap->LineAS(W - 1, 0, W - 1, H, Outer);
      if (Double && W > 2 && H > 1) Bitmap->LineAS(W - 2, 1, W - 2, H - 1, Inner);
    }
    if (Sides.Contains(sdBottom)) {
      if (W > 1 && H > 1) Bitmap->LineAS(0, H - 1, W, H - 1, Outer);
      if (Double && W > 2 && H > 2) Bitmap->LineAS(1, H - 2, W - 1, H - 2, Inner);
    }
  }
}

// ---- object text form ---------------------------------------------------------------

const TPropTable& TQvSkinCustomPanel::Properties() const {
  using C = TQvSkinCustomPanel;
  static const TPropTable Table = TQvSkinCustomControl::Properties().With({
      Prop(L"Alpha", &C::Alpha, &C::SetAlpha, DefaultAlpha),
      EnumProp(L"BackgroundFillType", &C::BackgroundFillType, &C::SetBackgroundFillType,
               TQvPngFillTypeNames),
      ResIDProp(L"BackgroundImage", &C::BackgroundImage, &C::SetBackgroundImage),
      Prop(L"BackgroundOffsetX", &C::BackgroundOffsetX, &C::SetBackgroundOffsetX),
      Prop(L"BackgroundOffsetY", &C::BackgroundOffsetY, &C::SetBackgroundOffsetY),
      Prop(L"BorderAlpha", &C::BorderAlpha, &C::SetBorderAlpha, DefaultBorderAlpha),
      ColorProp(L"BorderColor", &C::BorderColor, &C::SetBorderColor, DefaultBorderColor),
      SetProp(L"BorderSides", &C::BorderSides, &C::SetBorderSides, DefaultBorderSides, TSideNames),
      Prop(L"CaptionVisible", &C::CaptionVisible, &C::SetCaptionVisible),
      ColorProp(L"Color", &C::Color, &C::SetColor, DefaultColor),
      Prop(L"DoubleBorder", &C::DoubleBorder, &C::SetDoubleBorder, DefaultDoubleBorder),
      EnumProp(L"GradientAlign", &C::GradientAlign, &C::SetGradientAlign, TGradientAlignNames),
      EnumProp(L"GradientDirection", &C::GradientDirection, &C::SetGradientDirection,
               DefaultGradientDirection, TGradientDirectionNames),
      ColorProp(L"GradientEndColor", &C::GradientEndColor, &C::SetGradientEndColor,
                DefaultGradientEndColor),
      Prop(L"GradientSize", &C::GradientSize, &C::SetGradientSize, DefaultGradientSize),
      ColorProp(L"GradientStartColor", &C::GradientStartColor, &C::SetGradientStartColor,
                DefaultGradientStartColor),
  });
  return Table;
}

}  // namespace qv
