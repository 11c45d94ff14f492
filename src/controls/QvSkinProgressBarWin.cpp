#include <windows.h>

#include "controls/QvSkinProgressBar.h"
#include "graphics/BitmapHelperDC.h"
#include "graphics/QvComm.h"
#include "graphics/QvGR32LibSlicing.h"
#include "host/Canvas.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinProgressBar>(), true);

constexpr Cardinal kFirstRepeat = 200, kNextRepeat = 100;

bool Inside(const TRect& R, int X, int Y) {
  return R.Left <= X && X < R.Right && R.Top <= Y && Y < R.Bottom;
}

}  // namespace

// ---- TQvCustomSliderBar -------------------------------------------------------------

TQvCustomSliderBar::TQvCustomSliderBar(TComponent* AOwner)
    : TQvSkinCustomControl(AOwner), FRepeatTimer(std::make_unique<TTimer>(nullptr)) {
  FControlStyle.Exclude(csAcceptsControls);
  FRepeatTimer->SetEnabled(false);
  FRepeatTimer->SetInterval(kFirstRepeat);
  FRepeatTimer->OnTimer = [this](TObject*) { RepeatTick(); };
}

TQvCustomSliderBar::~TQvCustomSliderBar() = default;

void TQvCustomSliderBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!SliderActive()) return;
  TQvSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (!Designing() && CanFocus() && !Focused()) SetFocus();
  if (Button == mbLeft) {
    if (Inside(FThumbRct, X, Y)) {
      if (FPaging) EndPaging();
      FSliding = true;
      FThumbCenterOffsetX = X - (FThumbRct.Left + FThumbRct.Width() / 2);
      FThumbCenterOffsetY = Y - (FThumbRct.Top + FThumbRct.Height() / 2);
    } else if (Inside(FTrackRct, X, Y)) {
      FRepeatTimer->SetEnabled(true);
      FLastX = X;
      FLastY = Y;
      const bool Inc =
          X >= ProgressPagingPoint(SliderValue(), SliderMin(), SliderMax(), Width(), ThumbWidth());
      if (!FPaging) {
        FPagingDirInc = Inc;
        FPaging = true;
      }
      if (Inc == FPagingDirInc)
        PagingStep(X, Inc);
      else
        EndPaging();
    }
  }
  Invalidate();
}

void TQvCustomSliderBar::MouseMove(TShiftState Shift, int X, int Y) {
  if (!SliderActive()) return;
  TQvSkinCustomControl::MouseMove(Shift, X, Y);
  if (FSliding) {
    const int V = SliderValueAt(X, FTrackRct, FThumbCenterOffsetX, SliderMin(), SliderMax());
    if (V != SliderValue()) SlideTo(V);
  }
  CalcThumb();
  Invalidate();
}

void TQvCustomSliderBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!SliderActive()) return;
  TQvSkinCustomControl::MouseUp(Button, Shift, X, Y);
  EndPaging();
  if (FSliding && Button == mbLeft) {
    FSliding = false;
    CalcThumb();
  }
  Invalidate();
}

void TQvCustomSliderBar::EndPaging() {
  Released();
  FRepeatTimer->SetEnabled(false);
  FRepeatTimer->SetInterval(kFirstRepeat);
  FPaging = false;
}

void TQvCustomSliderBar::RepeatTick() {
  FRepeatTimer->SetInterval(kNextRepeat);
  if (!HandleAllocated() || GetCapture() != Handle()) return;
  // A failing step stops the repeat before the exception goes on.
  TScopeFail Stop([this] {
    FRepeatTimer->SetEnabled(false);
    FRepeatTimer->SetInterval(kFirstRepeat);
  });
  MouseDown(mbLeft, {}, FLastX, FLastY);
}

void TQvCustomSliderBar::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (!SliderActive()) return;
  TQvSkinCustomControl::KeyDown(Key, Shift);
  const int Min = SliderMin(), Max = SliderMax();
  int V = SliderValue();
  switch (Key) {
    case VK_PRIOR:
      ++V;
      break;
    case VK_NEXT:
      --V;
      break;
    case VK_END:
      V = Max;
      break;
    case VK_HOME:
      V = Min;
      break;
    case VK_LEFT:
    case VK_DOWN:
    case VK_SUBTRACT:
      if (V > Min) --V;
      break;
    case VK_UP:
    case VK_RIGHT:
    case VK_ADD:
      if (V < Max) ++V;
      break;
    default:
      return;
  }
  SetSliderValue(V);
}

void TQvCustomSliderBar::WndProc(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    Message.Result = DLGC_WANTARROWS;
    return;
  }
  TQvSkinCustomControl::WndProc(Message);
}

// ---- TQvPBTrackButton ---------------------------------------------------------------

void TQvPBTrackButton::SetVisible(bool Value) {
  FVisible = Value;
  Changed();
}

void TQvPBTrackButton::SetNormal(const TQvResID& Value) {
  if (FNormal == Value) return;
  FNormal = Value;
  Changed();
}

void TQvPBTrackButton::SetHot(const TQvResID& Value) {
  if (FHot == Value) return;
  FHot = Value;
  Changed();
}

void TQvPBTrackButton::Assign(TPersistent* Source) {
  if (!AssignProperties(*this, Source)) TPersistent::Assign(Source);
}

const TPropTable& TQvPBTrackButton::Properties() const {
  using C = TQvPBTrackButton;
  static const TPropTable Table = TPersistent::Properties().With({
      Prop(L"Visible", &C::Visible, &C::SetVisible),
      ResIDProp(L"Normal", &C::Normal, &C::SetNormal),
      ResIDProp(L"Hot", &C::Hot, &C::SetHot),
      Prop(L"Offset", &C::Offset, &C::SetOffset),
      Prop(L"AlwaysShow", &C::AlwaysShow, &C::SetAlwaysShow, DefaultAlwaysShow),
  });
  return Table;
}

// ---- TQvSkinProgressBar -------------------------------------------------------------

TQvSkinProgressBar::TQvSkinProgressBar(TComponent* AOwner) : TQvCustomSliderBar(AOwner) {
  FCaption->SetVisible(false);
  FCaption->OnChanged = [this](TObject*) { Invalidate(); };
  SetBounds(Left(), Top(), 150, 17);
}

TQvSkinProgressBar::~TQvSkinProgressBar() = default;

void TQvSkinProgressBar::SetValue(int Value) {
  if (Value > FMaxValue) Value = FMaxValue;
  if (Value < FMinValue) Value = FMinValue;
  if (Value == FValue) return;
  FValue = Value;
  Invalidate();
  Changed();
}

void TQvSkinProgressBar::Changed() {
  if (FUpdateCount == 0 && OnChanged) OnChanged(this);
  NotifyAccessible(aeValueChange);
}

void TQvSkinProgressBar::SetMinValue(int Value) {
  FMinValue = Value;
  FValue = std::max(std::min(FValue, FMaxValue), FMinValue);
  Invalidate();
}

void TQvSkinProgressBar::SetMaxValue(int Value) {
  FMaxValue = Value;
  FValue = std::max(std::min(FValue, FMaxValue), FMinValue);
  Invalidate();
}

void TQvSkinProgressBar::SetBar_Background(const TQvResID& Value) {
  if (FBar_Background == Value) return;
  FBar_Background = Value;
  Invalidate();
}

void TQvSkinProgressBar::SetBar_Progress(const TQvResID& Value) {
  if (FBar_Progress == Value) return;
  FBar_Progress = Value;
  Invalidate();
}

void TQvSkinProgressBar::SetBarLeftRightSize(int Value) {
  FBarLeftRightSize = Value;
  Invalidate();
}

TQvSkinImage* TQvSkinProgressBar::ThumbPicture() const {
  if (FMouseIn)
    if (TQvSkinImage* Hot = SkinPicture(FTrackButton->Hot())) return Hot;
  return SkinPicture(FTrackButton->Normal());
}

void TQvSkinProgressBar::CalcThumb() {
  if (TQvSkinImage* Pic = ThumbPicture()) FThumbSize = {Pic->Width(), Pic->Height()};
  const bool HotShown = FMouseIn && SkinPicture(FTrackButton->Hot());
  FThumbRct = ProgressThumbRect(FValue, FMinValue, FMaxValue, Width(), Height(), FThumbSize,
                                FTrackButton->Offset(), FTrackButton->AlwaysShow() || HotShown);
}

void TQvSkinProgressBar::PagingStep(int X, bool Inc) {
  const int V = SliderValueAt(X, FTrackRct, 0, FMinValue, FMaxValue);
  if (V == FValue) return;
  FValue = V;
  CalcThumb();
  Changed();
}

void TQvSkinProgressBar::SlideTo(int Value) {
  FValue = Value;
  CalcThumb();
  Changed();
}

void TQvSkinProgressBar::DrawBody(TBitmap32* Bitmap) {
  TQvCustomSliderBar::DrawBody(Bitmap);
  const int W = Width(), H = Height();
  if (W < 30) return;
  TQvSkinImage* Background = SkinPicture(FBar_Background);
  if (!Background) return;
  Bitmap->Draw(0, (H - Background->Height()) / 2,
               ResizeImg(Background, W, Background->Height()).get());
  const int L = ProgressFillWidth(FValue, FMinValue, FMaxValue, W);
  if (TQvSkinImage* Progress = SkinPicture(FBar_Progress); Progress && L > 0)
    Bitmap->Draw(0, (H - Progress->Height()) / 2,
                 ResizeHorzImg(Progress, L, FBarLeftRightSize).get());
  if (FTrackButton->Visible()) {
    FTrackRct = Rect(1, 1, W - 1, H - 1);
    DrawThumb(Bitmap);
  }
  if (FCaption->Visible() && !FCaption->Text().empty()) {
    TRect R = Rect(FCaption->OffsetX(), FCaption->OffsetY(), W + FCaption->OffsetX(),
                   H + FCaption->OffsetY());
    Bitmap->Font()->Assign(FCaption->Font());
    SetDPIScaledFont(this, Bitmap->Font());
    constexpr Cardinal Format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (TCanvas* Canvas = Bitmap->Canvas(); Canvas && FCaption->Light()->Active()) {
      Canvas->Font().Assign(Bitmap->Font());
      DrawEffectText(*Canvas, R, FCaption->Text(), Format, 0, FCaption->Light()->Color(),
                     FCaption->Light()->BlurRadius());
    }
    Bitmap->Textout(R, Format, FCaption->Text());
  }
  // The Part draws no focus for a slider: the platform's focus rectangle shows it.
  if (FTrackButton->Visible() && Focused() && ShowsFocusCues())
    DrawFocusCue(*Bitmap, Rect(0, 0, W, H));
}

void TQvSkinProgressBar::DrawThumb(TBitmap32* Dst) {
  CalcThumb();
  if (TQvSkinImage* Pic = ThumbPicture()) Dst->Draw(FThumbRct.Left, FThumbRct.Top, Pic);
}

void TQvSkinProgressBar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TQvCustomSliderBar::WndProc(Message);
      FMouseIn = Message.Msg == CM_MOUSEENTER;
      Invalidate();
      return;
  }
  TQvCustomSliderBar::WndProc(Message);
}

TQvAccessibleInfo TQvSkinProgressBar::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvCustomSliderBar::AccessibleInfo();
  const bool Slider = FTrackButton->Visible();
  Info.Role = Slider ? arSlider : arProgressBar;
  if (FCaption->Visible()) SetAccessibleCaption(Info, FCaption->Text());
  Info.Value = std::to_wstring(FValue);
  if (Slider) Info.State.Include(asFocusable);
  if (Slider && Focused()) Info.State.Include(asFocused);
  return Info;
}

const TPropTable& TQvSkinProgressBar::Properties() const {
  using C = TQvSkinProgressBar;
  static const TPropTable Table = TQvCustomSliderBar::Properties().With({
      Prop(L"MinValue", &C::MinValue, &C::SetMinValue),
      Prop(L"MaxValue", &C::MaxValue, &C::SetMaxValue, DefaultMaxValue),
      Prop(L"Value", &C::Value, &C::SetValue, DefaultValue),
      ResIDProp(L"Bar_Background", &C::Bar_Background, &C::SetBar_Background,
                DefaultBar_Background),
      ResIDProp(L"Bar_Progress", &C::Bar_Progress, &C::SetBar_Progress, DefaultBar_Progress),
      Prop(L"BarLeftRightSize", &C::BarLeftRightSize, &C::SetBarLeftRightSize,
           DefaultBarLeftRightSize),
      ObjectProp(L"TrackButton", &C::TrackButton),
      ObjectProp(L"Caption", &C::Caption),
  });
  return Table;
}

}  // namespace qv
