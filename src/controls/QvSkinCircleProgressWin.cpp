#include <windows.h>

#include <cmath>

#include "controls/QvGaugeGeometry.h"
#include "controls/QvSkinCircleProgress.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinCircleProgress>(), true);

// The caption as the circle progress sets it up.
void SetUpCaption(TQvCaption& Caption) {
  Caption.Font()->SetSize(TQvSkinCustomCircleProgress::DefaultCaptionSize);
  Caption.Font()->SetColor(TQvSkinCustomCircleProgress::DefaultCaptionColor);
  Caption.SetText(TQvSkinCustomCircleProgress::DefaultCaptionText);
}

}  // namespace

// ---- TQvGaugeColors -----------------------------------------------------------------

void TQvGaugeColors::Assign(TPersistent* Source) {
  if (!AssignProperties(*this, Source)) TPersistent::Assign(Source);
}

const TPropTable& TQvGaugeColors::Properties() const {
  using C = TQvGaugeColors;
  static const TPropTable Table = TPersistent::Properties().With({
      ColorProp(L"CircleNormalColor", &C::CircleNormalColor, &C::SetCircleNormalColor,
                DefaultCircleNormalColor),
      ColorProp(L"CircleProgressColor", &C::CircleProgressColor, &C::SetCircleProgressColor,
                DefaultCircleProgressColor),
  });
  return Table;
}

const TPropTable& TCircleProgressColors::Properties() const {
  using C = TCircleProgressColors;
  static const TPropTable Table = TQvGaugeColors::Properties().With({
      ColorProp(L"PointColor", &C::PointColor, &C::SetPointColor, DefaultPointColor),
  });
  return Table;
}

// ---- TQvSkinCustomGauge -------------------------------------------------------------

TQvSkinCustomGauge::TQvSkinCustomGauge(TComponent* AOwner, double Sweep, int Thickness)
    : TQvSkinCustomControl(AOwner), FSweep(Sweep), FCircleThickness(Thickness) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks});
}

void TQvSkinCustomGauge::SetValue(int Value) {
  if (Value > FMaxValue)
    Value = FMaxValue;
  else if (Value < FMinValue)
    Value = FMinValue;
  if (Value == FValue) return;
  FValue = Value;
  Invalidate();
  if (!ChangesHeld() && OnChanged) OnChanged(this);
  NotifyAccessible(aeValueChange);
}

void TQvSkinCustomGauge::SetMinValue(int Value) {
  FMinValue = Value;
  if (FValue < FMinValue) FValue = FMinValue;
  Invalidate();
}

void TQvSkinCustomGauge::SetMaxValue(int Value) {
  FMaxValue = Value;
  if (FValue > FMaxValue) FValue = FMaxValue;
  Invalidate();
}

double TQvSkinCustomGauge::StartAngle() const {
  return GaugeStartAngle(FValue, FMinValue, FMaxValue, FSweep);
}

TQvAccessibleInfo TQvSkinCustomGauge::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinCustomControl::AccessibleInfo();
  Info.Role = arProgressBar;
  Info.Value = std::to_wstring(FValue);
  return Info;
}

const TPropTable& TQvSkinCustomGauge::Properties() const {
  using C = TQvSkinCustomGauge;
  static const TPropTable Table = TQvSkinCustomControl::Properties().With({
      Prop(L"MaxValue", &C::MaxValue, &C::SetMaxValue, DefaultMaxValue),
      Prop(L"MinValue", &C::MinValue, &C::SetMinValue),
      Prop(L"Value", &C::Value, &C::SetValue, DefaultValue),
  });
  return Table;
}

// ---- TQvSkinCustomCircleProgress ----------------------------------------------------

TQvSkinCustomCircleProgress::TQvSkinCustomCircleProgress(TComponent* AOwner)
    : TQvSkinCustomGauge(AOwner, kCircleProgressSweep, DefaultCircleThickness) {
  SetBounds(Left(), Top(), 180, 180);
  SetUpCaption(*FCaption);
  FCaption->OnChanged = [this](TObject*) { Invalidate(); };
  FColors->OnChanged = [this](TObject*) { Invalidate(); };
}

TQvSkinCustomCircleProgress::~TQvSkinCustomCircleProgress() = default;

void TQvSkinCustomCircleProgress::DrawBody(TBitmap32* Bitmap) {
  TQvSkinCustomGauge::DrawBody(Bitmap);
  const int W = Width(), H = Height();
  auto Updating = UpdateScope(*Bitmap);
  const TCircleProgressLook Look{GetDPIScaledPixels(this, CircleThickness()),
                                 Value(),
                                 MinValue(),
                                 MaxValue(),
                                 Color32(FColors->CircleNormalColor()),
                                 Color32(FColors->CircleProgressColor()),
                                 Color32(FColors->PointColor())};
  if (!PaintCircleProgressShapes(Bitmap, W, H, Look) || !FCaption->Visible()) return;
  // The number in the caption's font, the suffix at 0.4 of its size on the same top edge.
  const String Number = CircleProgressText(Value(), MinValue(), MaxValue());
  TFont* Font = Bitmap->Font();
  Font->Assign(FCaption->Font());
  SetDPIScaledFont(this, Font);
  const TSize NumberSize = Bitmap->TextExtent(Number);
  const int F = Font->Size();
  const int Small = int(std::nearbyint(F * 0.4));
  Font->SetSize(Small);
  const int SuffixWidth = Bitmap->TextWidth(FCaption->Text());
  const int X = (W - NumberSize.cx - SuffixWidth) / 2, Y = (H - NumberSize.cy) / 2;
  Font->SetSize(FCaption->Font()->Size());
  SetDPIScaledFont(this, Font);
  Bitmap->Textout(X, Y, Number);
  Font->SetSize(Small);
  Bitmap->Textout(X + NumberSize.cx + 1, Y, FCaption->Text());
}

TQvAccessibleInfo TQvSkinCustomCircleProgress::AccessibleInfo() const {
  // The value as shown: the percentage and its suffix.
  TQvAccessibleInfo Info = TQvSkinCustomGauge::AccessibleInfo();
  Info.Value = CircleProgressText(Value(), MinValue(), MaxValue()) + FCaption->Text();
  return Info;
}

const TPropTable& TQvSkinCustomCircleProgress::Properties() const {
  using C = TQvSkinCustomCircleProgress;
  static const auto CaptionReference = [] {
    auto Caption = std::make_unique<TQvCaption>();
    SetUpCaption(*Caption);
    return Caption;
  }();
  static const TPropTable Table = TQvSkinCustomGauge::Properties().With({
      ObjectProp(L"Caption", &C::Caption, CaptionReference.get()),
      Prop(L"CircleThickness", &C::CircleThickness, &C::SetCircleThickness, DefaultCircleThickness),
      ObjectProp(L"Colors", &C::Colors),
  });
  return Table;
}

}  // namespace qv
