#include <windows.h>

#include "controls/QvHLSTrackBar.h"
#include "graphics/QvComm.h"
#include "host/Platform.h"
#include "host/Properties.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvHLSTrackBar>(), true);

}  // namespace

TQvHLSTrackBar::TQvHLSTrackBar(TComponent* AOwner) : TQvCustomSliderBar(AOwner) {
  SetBounds(Left(), Top(), 230, 28);
  SetTabStop(true);
}

void TQvHLSTrackBar::SetValue(int Value) {
  FValue = std::max(std::min(Value, FMax), FMin);
  CalcThumb();
  if (!FLock && OnChange) OnChange(this);
  Invalidate();
  NotifyAccessible(aeValueChange);
}

void TQvHLSTrackBar::SetMax(int Value) {
  if (Value == FMax) return;
  FMax = Value;
  if (FMin >= FMax) FMax = FMin + 1;
  if (FValue > FMax) SetValue(FMax);
  Invalidate();
}

void TQvHLSTrackBar::SetMin(int Value) {
  if (Value == FMin) return;
  FMin = Value;
  if (FMin >= FMax) FMin = FMax - 1;
  if (FValue < FMin) SetValue(FMin);
  Invalidate();
}

void TQvHLSTrackBar::SetKind(THLSKindRec Value) {
  FKind = Value;
  const int Limit = Value == hlsH ? 180 : 100;
  FMin = -Limit;
  FMax = Limit;
  Invalidate();
}

void TQvHLSTrackBar::SetThumb(const TQvResID& Value) {
  if (FThumb == Value) return;
  FThumb = Value;
  Invalidate();
}

void TQvHLSTrackBar::CalcThumb() {
  TSize Size{FThumbRct.Width(), FThumbRct.Height()};
  if (TQvSkinImage* Pic = SkinPicture(FThumb)) Size = {Pic->Width(), Pic->Height()};
  const int L = HLSThumbLeft(FValue, FMin, FMax, Width(), Size.cx);
  const int Top = GetDPIScaledPixels(this, 4);
  FThumbRct = Rect(L, Top, L + Size.cx, Top + Size.cy);
}

void TQvHLSTrackBar::PagingStep(int X, bool Inc) {
  // One step toward the press, kept within the range.
  FValue = std::max(std::min(FValue + (Inc ? 1 : -1), FMax), FMin);
  CalcThumb();
}

void TQvHLSTrackBar::SlideTo(int Value) {
  FValue = Value;
  CalcThumb();
}

void TQvHLSTrackBar::DrawBody(TBitmap32* Bitmap) {
  TQvCustomSliderBar::DrawBody(Bitmap);
  const int W = Width();
  if (Designing()) Bitmap->Clear(Color32(Color()));
  FTrackRct = Rect(5, 0, W - 5, GetDPIScaledPixels(this, 8));
  PaintHLSTrack(Bitmap, FKind, FTrackRct);
  TQvSkinImage* Pic = SkinPicture(FThumb);
  if (!Pic) return;
  CalcThumb();
  Bitmap->Draw(FThumbRct.Left, FThumbRct.Top, Pic);
  // The Part draws no focus for the track: the platform's focus rectangle shows it.
  if (Focused() && ShowsFocusCues()) DrawFocusCue(*Bitmap, Rect(0, 0, W, Height()));
}

TQvAccessibleInfo TQvHLSTrackBar::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvCustomSliderBar::AccessibleInfo();
  static constexpr const wchar_t* Names[] = {L"Hue", L"Saturation", L"Brightness"};
  Info.Role = arSlider;
  Info.Name = Names[FKind];
  Info.Value = std::to_wstring(FValue);
  Info.State.Include(asFocusable);
  if (Focused()) Info.State.Include(asFocused);
  return Info;
}

const TPropTable& TQvHLSTrackBar::Properties() const {
  using C = TQvHLSTrackBar;
  static const TPropTable Table = TQvCustomSliderBar::Properties().With({
      EnumProp(L"Kind", &C::Kind, &C::SetKind, DefaultKind, THLSKindRecNames),
      Prop(L"Min", &C::Min, &C::SetMin),
      Prop(L"Max", &C::Max, &C::SetMax, DefaultMax),
      Prop(L"Value", &C::Value, &C::SetValue),
      ResIDProp(L"Thumb", &C::Thumb, &C::SetThumb, DefaultThumb),
  });
  return Table;
}

}  // namespace qv
