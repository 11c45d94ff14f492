#include <windows.h>

#include <algorithm>

#include "controls/QvGaugeGeometry.h"
#include "controls/QvSkinSpeedometer.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinSpeedometer>(), true);

// The tick font as the speedometer sets it up.
void SetUpFontTicks(TFont& Font) {
  Font.SetSize(TQvSkinCustomSpeedometer::DefaultFontTicksSize);
  Font.SetColor(TQvSkinCustomSpeedometer::DefaultFontTicksColor);
}

}  // namespace

const TPropTable& TSpeedometerColors::Properties() const {
  using C = TSpeedometerColors;
  static const TPropTable Table = TQvGaugeColors::Properties().With({
      ColorProp(L"ArrowStartColor", &C::ArrowStartColor, &C::SetArrowStartColor,
                DefaultArrowStartColor),
      ColorProp(L"ArrowEndColor", &C::ArrowEndColor, &C::SetArrowEndColor, DefaultArrowEndColor),
  });
  return Table;
}

TQvSkinCustomSpeedometer::TQvSkinCustomSpeedometer(TComponent* AOwner)
    : TQvSkinCustomGauge(AOwner, kSpeedometerSweep, DefaultCircleThickness) {
  SetBounds(Left(), Top(), 326, 326);
  SetUpFontTicks(*FFontTicks);
  FFontTicks->OnChange = [this](TObject*) { Invalidate(); };
  FColors->OnChanged = [this](TObject*) { Invalidate(); };
}

TQvSkinCustomSpeedometer::~TQvSkinCustomSpeedometer() = default;

void TQvSkinCustomSpeedometer::DrawBody(TBitmap32* Bitmap) {
  TQvSkinCustomGauge::DrawBody(Bitmap);
  const int W = Width(), H = Height();
  auto Updating = UpdateScope(*Bitmap);
  const TSpeedometerLook Look{GetDPIScaledPixels(this, CircleThickness()),
                              GetDPIScaledPixels(this, FArrowWidth),
                              Value(),
                              MinValue(),
                              MaxValue(),
                              Color32(FColors->CircleNormalColor()),
                              Color32(FColors->CircleProgressColor()),
                              Color32(FColors->ArrowStartColor()),
                              Color32(FColors->ArrowEndColor())};
  PaintSpeedometerDial(Bitmap, W, H, Look);
  DrawLabels(Bitmap, Look.T);
  PaintSpeedometerNeedle(Bitmap, W, H, Look);
}

void TQvSkinCustomSpeedometer::DrawLabels(TBitmap32* Bitmap, int T) {
  const TGaugeRing G = GaugeRing(Width(), Height(), T);
  TFont* Font = Bitmap->Font();
  Font->Assign(FFontTicks.get());
  SetDPIScaledFont(this, Font);
  const int WMax = std::max(Bitmap->TextWidth(std::to_wstring(MaxValue())),
                            Bitmap->TextWidth(std::to_wstring(MinValue())));
  for (int K = 0; K <= 10; ++K) {
    const int Label = SpeedometerLabel(MinValue(), MaxValue(), K);
    const String Text = std::to_wstring(Label);
    const TPoint P =
        SpeedometerLabelOrigin(G.Center, G.A / 2, WMax, K, Bitmap->TextExtent(Text), T);
    Font->SetColor(SpeedometerLabelReached(Value(), MinValue(), Label)
                       ? FColors->CircleProgressColor()
                       : FFontTicks->Color());
    Bitmap->Textout(P.X, P.Y, Text);
  }
}

const TPropTable& TQvSkinCustomSpeedometer::Properties() const {
  using C = TQvSkinCustomSpeedometer;
  static const auto FontReference = [] {
    auto Font = std::make_unique<TFont>();
    SetUpFontTicks(*Font);
    return Font;
  }();
  static const TPropTable Table = TQvSkinCustomGauge::Properties().With({
      Prop(L"ArrowWidth", &C::ArrowWidth, &C::SetArrowWidth, DefaultArrowWidth),
      Prop(L"CircleThickness", &C::CircleThickness, &C::SetCircleThickness, DefaultCircleThickness),
      ObjectProp(L"Colors", &C::Colors),
      ObjectProp(L"FontTicks", &C::FontTicks, FontReference.get()),
  });
  return Table;
}

}  // namespace qv
