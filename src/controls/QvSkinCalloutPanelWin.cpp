#include "controls/QvSkinCalloutPanel.h"
#include "graphics/QvGR32LibSlicing.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "raster/Bitmap32.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinCalloutPanel>(), true);

constexpr bool DefaultCalloutDoubleBorder = false;

TColor32 WithAlpha(TColor Color, Byte A) {
  return SetAlpha(Color32(Color), A);
}

}  // namespace

TQvSkinCustomCalloutPanel::TQvSkinCustomCalloutPanel(TComponent* AOwner)
    : TQvSkinCustomPanel(AOwner) {
  SetAlpha(DefaultCalloutAlpha);
  SetDoubleBorder(DefaultCalloutDoubleBorder);
  SetBounds(Left(), Top(), 120, 120);
}

void TQvSkinCustomCalloutPanel::ShapeChanged() {
  Invalidate();
  Realign();
}

void TQvSkinCustomCalloutPanel::SetCalloutPosition(TQvCalloutPosition Value) {
  if (UpdateField(FCalloutPosition, Value)) ShapeChanged();
}
void TQvSkinCustomCalloutPanel::SetCalloutWidth(int Value) {
  Change(FCalloutWidth, Value);
}
void TQvSkinCustomCalloutPanel::SetCalloutLength(int Value) {
  if (UpdateField(FCalloutLength, Value)) ShapeChanged();
}
void TQvSkinCustomCalloutPanel::SetCalloutOffset(int Value) {
  Change(FCalloutOffset, Value);
}

void TQvSkinCustomCalloutPanel::AdjustClientRect(TRect& Rect) {
  TQvSkinCustomPanel::AdjustClientRect(Rect);
  CalloutClientRect(FCalloutPosition, FCalloutLength, Rect);
}

void TQvSkinCustomCalloutPanel::DrawBody(TBitmap32* Bitmap) {
  if (Alpha() > 0)
    Bitmap->FillRectTS(
        CalloutBodyRect(FCalloutPosition, FCalloutLength, ClientWidth(), ClientHeight()),
        WithAlpha(Color(), Alpha()));
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  if (TQvSkinImage* Image = Manager ? Manager->GetImageByName(BackgroundImage(), true) : nullptr) {
    if (BackgroundFillType() == ftNormal)
      Bitmap->Draw(BackgroundOffsetX(), BackgroundOffsetY(), Image);
    else
      DrawImage(Image, Bitmap, BackgroundFillType());
  }
  if (OnCustomDraw) OnCustomDraw(this, Bitmap);
  DrawBorder(Bitmap);
}

void TQvSkinCustomCalloutPanel::DrawBorder(TBitmap32* Bitmap) {
  const int W = Width(), H = Height();
  if (W <= 0 || H <= 0) return;
  auto Updating = UpdateScope(*Bitmap);
  PaintCalloutOutline(
      Bitmap, CalloutOutline(FCalloutPosition, W, H, FCalloutLength, FCalloutWidth, FCalloutOffset),
      WithAlpha(BorderColor(), BorderAlpha()), WithAlpha(Color(), Alpha()));
}

const TPropTable& TQvSkinCustomCalloutPanel::Properties() const {
  using C = TQvSkinCustomCalloutPanel;
  static const TPropTable Table = TQvSkinCustomPanel::Properties().With({
      Prop(L"Alpha", &C::Alpha, &C::SetAlpha, DefaultCalloutAlpha),
      Prop(L"DoubleBorder", &C::DoubleBorder, &C::SetDoubleBorder, DefaultCalloutDoubleBorder),
      Prop(L"CalloutLength", &C::CalloutLength, &C::SetCalloutLength, DefaultCalloutLength),
      Prop(L"CalloutOffset", &C::CalloutOffset, &C::SetCalloutOffset),
      EnumProp(L"CalloutPosition", &C::CalloutPosition, &C::SetCalloutPosition,
               DefaultCalloutPosition, TQvCalloutPositionNames),
      Prop(L"CalloutWidth", &C::CalloutWidth, &C::SetCalloutWidth, DefaultCalloutWidth),
  });
  return Table;
}

}  // namespace qv
