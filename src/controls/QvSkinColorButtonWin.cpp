// The flat colour and corner buttons: their faces come from QvSkinColorButtonFace; here
// the state's colour, the icon, the caption, the focus frame and the rounded region.
#include <windows.h>

#include "controls/QvSkinColorButton.h"
#include "controls/QvSkinColorButtonFace.h"
#include "controls/QvSkinCornerButton.h"
#include "graphics/QvComm.h"
#include "host/Font.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinColorButton>(),
                          RegisterComponentClass<TQvSkinCornerButton>(), true);

constexpr TColor kCornerNormal = clWhite, kCornerHot = TColor(0xCF9354),
                 kCornerAccent = TColor(0xFF7A0A);
constexpr TSides kAllSides = {sdLeft, sdTop, sdRight, sdBottom};
constexpr int kCornerRoundSize = 10;

}  // namespace

// ---- colour button ------------------------------------------------------------------------

TQvSkinCustomColorButton::TQvSkinCustomColorButton(TComponent* AOwner)
    : TQvSkinCustomButton(AOwner) {
  SetCaptionVisible(true);
  SetBounds(Left(), Top(), 80, 30);
  Font()->SetColor(clWhite);
  HotFont()->SetColor(clWhite);
}

TColor TQvSkinCustomColorButton::FaceColor() const {
  if (!Enabled()) return DisabledColor;
  if (State().Hot()) return FHotColor;
  if (State().Pressed()) return FPressedColor;
  return FNormalColor;
}

void TQvSkinCustomColorButton::CreateHandle() {
  TQvSkinCustomButton::CreateHandle();
  // Made once, at creation: a later resize or radius keeps this region.
  if (FRoundFrame && !FSmoothRound && HandleAllocated())
    SetWindowRgn(Handle(), CreateRoundRectRgn(0, 0, Width(), Height(), FRoundSize, FRoundSize),
                 TRUE);
}

void TQvSkinCustomColorButton::WndProc(TMessage& Message) {
  TQvSkinCustomButton::WndProc(Message);
  if (Message.Msg == CM_FOCUSCHANGED && ShowFocusFrame()) Invalidate();
}

void TQvSkinCustomColorButton::DrawFocusFrame(TBitmap32* Bitmap) {
  if (ShowFocusFrame() && Focused())
    DrawFocusCue(*Bitmap, Rect(1, 1, Bitmap->Width() - 1, Bitmap->Height() - 1));
}

void TQvSkinCustomColorButton::DrawIconAndCaption(TBitmap32& Dst) {
  const bool Hot = State().Hot(), Pressed = !Hot && State().Pressed();
  TRect C = ScaledOffsetRect(ClientRect(), *CaptionOffset());
  TPoint Icon = GetDPIScaledPixels(this, TPoint(ImageOffset()->X(), ImageOffset()->Y()));
  if (Pressed) {
    C = Rect(C.Left + PressedOffset(), C.Top + PressedOffset(), C.Right + PressedOffset(),
             C.Bottom + PressedOffset());
    Icon = TPoint(Icon.X + PressedOffset(), Icon.Y + PressedOffset());
  }
  // A set but missing HotImage does not fall back to Image.
  const TQvResID& IconID = (Hot || Pressed) && !FHotImage.empty() ? FHotImage : FImage;
  if (TQvSkinImage* Picture = SkinPicture(IconID)) Dst.Draw(Icon.X, Icon.Y, Picture);
  if (!CaptionVisible()) return;
  Dst.Font()->Assign(Hot || Pressed ? HotFont() : Font());
  if (AppIsHighDPIMode()) Dst.Font()->Assign(CaptionFont());
  if (!Enabled()) Dst.Font()->SetColor(DisabledTextColor);
  C.Right -= DropdownWidth();
  DrawCaptionText(Dst, C);
}

void TQvSkinCustomColorButton::DrawBody(TBitmap32* Bitmap) {
  TBitmap32 Dst;
  Dst.SetSize(Bitmap->Width(), Bitmap->Height());
  auto Updating = UpdateScope(Dst);
  Dst.Draw(0, 0, Bitmap);
  DrawColorFace(Dst, qv::SetAlpha(Color32(FaceColor()), FAlpha), FRoundFrame, FSmoothRound,
                FRoundSize, FBorderSides, Color32(FBorderColor));
  DrawDropdownMenu(&Dst);
  DrawIconAndCaption(Dst);
  DrawDesignFrame(&Dst);
  DrawFocusFrame(&Dst);
  // Without its own frame the platform's cue shows keyboard focus.
  if (!ShowFocusFrame()) DrawFocusCueIfShown(&Dst);
  if (OnCustomPaint) OnCustomPaint(this, &Dst);
  Bitmap->Draw(0, 0, &Dst);
}

const TPropTable& TQvSkinCustomColorButton::Properties() const {
  using C = TQvSkinCustomColorButton;
  static const TPropTable Table = TQvSkinCustomButton::Properties().With({
      Prop(L"Alpha", &C::Alpha, &C::SetAlpha, DefaultAlpha),
      ColorProp(L"BorderColor", &C::BorderColor, &C::SetBorderColor, DefaultBorderColor),
      SetProp(L"BorderSides", &C::BorderSides, &C::SetBorderSides, TSideNames),
      Prop(L"CaptionVisible", &C::CaptionVisible, &C::SetCaptionVisible, true),
      ColorProp(L"HotColor", &C::HotColor, &C::SetHotColor, DefaultHotColor),
      ResIDProp(L"HotImage", &C::HotImage, &C::SetHotImage),
      ResIDProp(L"Image", &C::Image, &C::SetImage),
      ColorProp(L"NormalColor", &C::NormalColor, &C::SetNormalColor, DefaultNormalColor),
      ColorProp(L"PressedColor", &C::PressedColor, &C::SetPressedColor, DefaultPressedColor),
      Prop(L"RoundFrame", &C::RoundFrame, &C::SetRoundFrame),
      Prop(L"RoundSize", &C::RoundSize, &C::SetRoundSize, DefaultRoundSize),
      Prop(L"SmoothRound", &C::SmoothRound, &C::SetSmoothRound, true),
  });
  return Table;
}

// ---- corner button ------------------------------------------------------------------------

TQvSkinCustomCornerButton::TQvSkinCustomCornerButton(TComponent* AOwner)
    : TQvSkinCustomColorButton(AOwner) {
  SetBorderSides(kAllSides);
  SetNormalColor(kCornerNormal);
  SetHotColor(kCornerHot);
  SetPressedColor(kCornerAccent);
  SetBorderColor(kCornerAccent);
  Font()->SetColor(kCornerAccent);
  HotFont()->SetColor(clWhite);
  SetRoundSize(kCornerRoundSize);
  SetPressedOffset(0);
  SetSmoothRound(true);
  SetRoundFrame(true);
}

void TQvSkinCustomCornerButton::DrawBody(TBitmap32* Bitmap) {
  TBitmap32 Dst;
  Dst.SetSize(Bitmap->Width(), Bitmap->Height());
  auto Updating = UpdateScope(Dst);
  Dst.Draw(0, 0, Bitmap);
  TQvCornerFace F;
  F.RoundSize = RoundSize();
  F.BorderWidth = FBorderWidth;
  F.Corners = FCorners;
  F.BorderSides = BorderSides();
  F.Solid = Color32(FaceColor());
  F.Fill = qv::SetAlpha(F.Solid, Alpha());
  F.Border = Color32(BorderColor());
  DrawCornerFace(Dst, *Bitmap, F);
  DrawIconAndCaption(Dst);
  DrawDesignFrame(&Dst);
  DrawFocusCueIfShown(&Dst);
  Bitmap->Draw(0, 0, &Dst);
}

const TPropTable& TQvSkinCustomCornerButton::Properties() const {
  using C = TQvSkinCustomCornerButton;
  static const TPropTable Table = TQvSkinCustomColorButton::Properties().With({
      ColorProp(L"BorderColor", &C::BorderColor, &C::SetBorderColor, kCornerAccent),
      SetProp(L"BorderSides", &C::BorderSides, &C::SetBorderSides, kAllSides, TSideNames),
      Prop(L"BorderWidth", &C::BorderWidth, &C::SetBorderWidth, DefaultBorderWidth),
      SetProp(L"Corners", &C::Corners, &C::SetCorners, DefaultCorners, TQvCornerNames),
      ColorProp(L"HotColor", &C::HotColor, &C::SetHotColor, kCornerHot),
      ColorProp(L"NormalColor", &C::NormalColor, &C::SetNormalColor, kCornerNormal),
      ColorProp(L"PressedColor", &C::PressedColor, &C::SetPressedColor, kCornerAccent),
      Prop(L"PressedOffset", &C::PressedOffset, &C::SetPressedOffset, 0),
      Prop(L"RoundFrame", &C::RoundFrame, &C::SetRoundFrame, true),
      Prop(L"RoundSize", &C::RoundSize, &C::SetRoundSize, kCornerRoundSize),
  });
  return Table;
}

}  // namespace qv
