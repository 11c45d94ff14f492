#include <windows.h>

#include <algorithm>
#include <iterator>

#include "controls/QvSkinScrollBar.h"
#include "graphics/QvGR32LibSlicing.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinScrollBar>(), true);

// Property names by TQvScrollPicture; each default is "QvSkin" followed by the name.
constexpr const wchar_t* kPictureNames[] = {
    L"Scrollbar_bkg",
    L"Scrollbar_horz_bkg",
    L"Scrollbar_bar_normal",
    L"Scrollbar_bar_highlight",
    L"Scrollbar_bar_down",
    L"Scrollbar_horzbar_normal",
    L"Scrollbar_horzbar_highlight",
    L"Scrollbar_horzbar_down",
    L"Scrollbar_arrowup_normal",
    L"Scrollbar_arrowup_highlight",
    L"Scrollbar_arrowup_down",
    L"Scrollbar_arrowdown_normal",
    L"Scrollbar_arrowdown_highlight",
    L"Scrollbar_arrowdown_down",
    L"Scrollbar_arrowleft_normal",
    L"Scrollbar_arrowleft_highlight",
    L"Scrollbar_arrowleft_down",
    L"Scrollbar_arrowright_normal",
    L"Scrollbar_arrowright_highlight",
    L"Scrollbar_arrowright_down",
};
static_assert(std::size(kPictureNames) == spCount);
constexpr const wchar_t* kPictureDefaults[] = {
    L"QvSkinScrollbar_bkg",
    L"QvSkinScrollbar_horz_bkg",
    L"QvSkinScrollbar_bar_normal",
    L"QvSkinScrollbar_bar_highlight",
    L"QvSkinScrollbar_bar_down",
    L"QvSkinScrollbar_horzbar_normal",
    L"QvSkinScrollbar_horzbar_highlight",
    L"QvSkinScrollbar_horzbar_down",
    L"QvSkinScrollbar_arrowup_normal",
    L"QvSkinScrollbar_arrowup_highlight",
    L"QvSkinScrollbar_arrowup_down",
    L"QvSkinScrollbar_arrowdown_normal",
    L"QvSkinScrollbar_arrowdown_highlight",
    L"QvSkinScrollbar_arrowdown_down",
    L"QvSkinScrollbar_arrowleft_normal",
    L"QvSkinScrollbar_arrowleft_highlight",
    L"QvSkinScrollbar_arrowleft_down",
    L"QvSkinScrollbar_arrowright_normal",
    L"QvSkinScrollbar_arrowright_highlight",
    L"QvSkinScrollbar_arrowright_down",
};
static_assert(std::size(kPictureDefaults) == spCount);

// State offsets within a picture triplet.
constexpr int kNormal = 0, kHighlight = 1, kPressed = 2;

}  // namespace

TQvSkinScrollBar::TQvSkinScrollBar(TComponent* AOwner) : TQvSkinCustomControl(AOwner) {
  FControlStyle.Exclude(csAcceptsControls);
  std::copy(std::begin(kPictureDefaults), std::end(kPictureDefaults), FPictures);
  SetColor(clWhite);
  SetBounds(Left(), Top(), 200, 19);
}

TQvSkinScrollBar::~TQvSkinScrollBar() {
  SetBindingWinControl(nullptr);
}

// ---- properties ---------------------------------------------------------------------

void TQvSkinScrollBar::SetKind(TScrollBarKind Value) {
  if (FKind != Value) {
    FKind = Value;
    Invalidate();
  }
  const bool Swap = Vertical() ? Width() > Height() : Height() > Width();
  if (Swap) SetBounds(Left(), Top(), Height(), Width());
}

void TQvSkinScrollBar::SetPosition(int Value) {
  Value = ClampScrollPosition(FRange, Value);
  if (Value == FRange.Position) return;
  FRange.Position = Value;
  Invalidate();
  if (OnChange) OnChange(this);
  NotifyAccessible(aeValueChange);
}

void TQvSkinScrollBar::SetMax(int Value) {
  FRange.Max = Value;
  if (FRange.PageSize > 0) {
    FRange.Position = std::min(FRange.Position, ScrollUpperBound(FRange));
    FRange.Position = std::max(FRange.Position, FRange.Min);
  } else {
    FRange.Position = std::min(FRange.Position, FRange.Max);
  }
  Invalidate();
}

void TQvSkinScrollBar::SetMin(int Value) {
  FRange.Min = Value;
  FRange.Position = std::max(FRange.Position, Value);
  Invalidate();
}

void TQvSkinScrollBar::SetPageSize(int Value) {
  Value = std::max(Value, 0);
  if (FRange.Max - FRange.Min + 1 >= Value + FRange.Position) FRange.PageSize = Value;
  Invalidate();
}

void TQvSkinScrollBar::SetSmallChange(int Value) {
  FSmallChange = Value;
  Invalidate();
}

void TQvSkinScrollBar::SetLargeChange(int Value) {
  FLargeChange = Value;
  Invalidate();
}

void TQvSkinScrollBar::SetAutoHide(bool Value) {
  FAutoHide = Value;
  if (Value) SetVisible(false);
}

void TQvSkinScrollBar::SetCanFocused(bool Value) {
  FCanFocused = Value;
  SetTabStop(Value);
}

void TQvSkinScrollBar::SetRange(int AMin, int AMax, int APageSize, int APosition) {
  if (Designing()) return;
  const int OldPosition = FRange.Position;
  FRange.Min = AMin;
  FRange.Max = AMax;
  FRange.PageSize = std::max(APageSize, 0);
  const int Upper = ScrollUpperBound(FRange);
  if (APosition < AMin)
    SetPosition(AMin);
  else if (APosition > Upper)
    SetPosition(Upper);
  else
    FRange.Position = APosition;
  if (FAutoHide && (FRange.PageSize != 0) != Visible()) {
    SetVisible(FRange.PageSize != 0);
    if (Align() != alNone && HandleAllocated()) SetTimer(Handle(), kLayoutTimer, 50, nullptr);
  }
  Invalidate();
  if (FRange.Position != OldPosition) NotifyAccessible(aeValueChange);
}

void TQvSkinScrollBar::ChangeLater(unsigned DelayMs) {
  if (HandleAllocated()) SetTimer(Handle(), kChangeTimer, DelayMs, nullptr);
}

void TQvSkinScrollBar::SetPicture(TQvScrollPicture Index, const TQvResID& Value) {
  if (FPictures[Index] == Value) return;
  FPictures[Index] = Value;
  Invalidate();
}

void TQvSkinScrollBar::SetBindingWinControl(TWinControl* Value) {
  if (FBindingWinControl == Value) return;
  if (FBindingWinControl) FBindingWinControl->RemoveFreeNotification(this);
  FBindingWinControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TQvSkinScrollBar::Notification(TComponent* AComponent, TOperation Operation) {
  TQvSkinCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FBindingWinControl) FBindingWinControl = nullptr;
}

void TQvSkinScrollBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TQvSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  Invalidate();
}

TQvAccessibleInfo TQvSkinScrollBar::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinCustomControl::AccessibleInfo();
  Info.Role = arScrollBar;
  Info.Name = Vertical() ? L"Vertical" : L"Horizontal";
  Info.Value = std::to_wstring(FRange.Position);
  if (FCanFocused) Info.State.Include(asFocusable);
  if (FCanFocused && Focused()) Info.State.Include(asFocused);
  return Info;
}

// ---- geometry and drawing -----------------------------------------------------------

TQvScrollMetrics TQvSkinScrollBar::Metrics() const {
  TQvScrollMetrics M;
  M.Vertical = Vertical();
  M.Width = Width();
  M.Height = Height();
  TQvSkinImage* Arrow = SkinPicture(FPictures[Vertical() ? spArrowUpNormal : spArrowLeftNormal]);
  M.HasArrow = Arrow != nullptr;
  if (Arrow) M.NearArrow = {Arrow->Width(), Arrow->Height()};
  M.MinThumb = GetDPIScaledPixels(this, 21);
  return M;
}

void TQvSkinScrollBar::CalcRects() {
  CalcScrollRects(Metrics(), FRange, FGeometry);
}

void TQvSkinScrollBar::DrawBody(TBitmap32* Bitmap) {
  TQvSkinCustomControl::DrawBody(Bitmap);
  const int W = Width(), H = Height();
  if (W <= 0 || H <= 0) return;
  TQvSkinImage* LeftHighlight = SkinPicture(FPictures[spArrowLeftHighlight]);
  TQvSkinImage* UpHighlight = SkinPicture(FPictures[spArrowUpHighlight]);
  TQvSkinImage* HorzBkg = SkinPicture(FPictures[spHorzBkg]);
  TQvSkinImage* Bkg = SkinPicture(FPictures[spBkg]);
  if (!LeftHighlight || !UpHighlight || !HorzBkg || !Bkg) return;
  CalcRects();
  // Pictures are stretched along the axis with fixed ends.
  auto Stretched = [this](TQvSkinImage* Img, int Length) {
    return Vertical() ? ResizeVertImg(Img, Length) : ResizeHorzImg(Img, Length, 0);
  };
  if (Vertical()) {
    const int Length = H - 2 * UpHighlight->Height();
    if (Length > 0)
      Bitmap->Draw(0, UpHighlight->Height(), Stretched(Bkg, std::max(Length, Bkg->Height())).get());
  } else {
    const int Length = W - 2 * LeftHighlight->Width();
    if (Length > 0)
      Bitmap->Draw(LeftHighlight->Width(), 0,
                   Stretched(HorzBkg, std::max(Length, HorzBkg->Width())).get());
  }
  const bool FocusedBar = FCanFocused && Focused();
  const TQvScrollPicture Bases[3] = {Vertical() ? spBarNormal : spHorzBarNormal,
                                     Vertical() ? spArrowDownNormal : spArrowRightNormal,
                                     Vertical() ? spArrowUpNormal : spArrowLeftNormal};
  for (int I = 0; I < 3; ++I) {
    if (I == kThumb && !Enabled()) continue;
    const TPart& P = FButtons[I];
    int State;
    if (P.Down || FocusedBar)
      State = kPressed;
    else if (P.Hot)
      State = kHighlight;
    else if (I == kThumb || FMouseInClientRect)
      State = kNormal;
    else
      continue;  // arrows show only on hover or focus
    const TRect& R = FGeometry.Parts[I];
    const int Length = Vertical() ? R.Height() : R.Width();
    if (Length <= 0) continue;
    if (TQvSkinImage* Img = SkinPicture(FPictures[Bases[I] + State]))
      Bitmap->Draw(R.Left, R.Top, Stretched(Img, Length).get());
  }
}

void TQvSkinScrollBar::ForceThickness() {
  if (Vertical()) {
    TQvSkinImage* Bkg = SkinPicture(FPictures[spBkg]);
    const int W = Bkg ? Bkg->Width() : 0;
    if (Width() != W) SetWidth(W);
  } else {
    TQvSkinImage* Bkg = SkinPicture(FPictures[spHorzBkg]);
    const int H = Bkg ? Bkg->Height() : 0;
    if (Height() != H) SetHeight(H);
  }
}

// ---- mouse ------------------------------------------------------------------------

void TQvSkinScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TQvSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  MouseD = true;
  CalcRects();
  TimerMode = tmNone;
  WaitMode = true;
  if (const int Part = ScrollPartAt(FGeometry, X, Y); Part >= 0) {
    FCaptureButton = Part;
    ButtonDown(Part, X, Y);
    return;
  }
  const TRect& Track = FGeometry.Track;
  if (X < Track.Left || X >= Track.Right || Y < Track.Top || Y >= Track.Bottom) return;
  const TRect& Thumb = FGeometry.Parts[kThumb];
  PageStep(Along(X, Y) >= (Vertical() ? Thumb.Top : Thumb.Left));
  StartRepeat(Along(X, Y) < (Vertical() ? Thumb.Top : Thumb.Left) ? tmPageNear : tmPageFar);
}

void TQvSkinScrollBar::PageStep(bool TowardFar) {
  SetPosition(FRange.Position + (TowardFar ? FLargeChange : -FLargeChange));
  if (TowardFar) {
    if (OnPageDown) OnPageDown(this);
  } else if (OnPageUp) {
    OnPageUp(this);
  }
}

void TQvSkinScrollBar::ButtonDown(int Index, int X, int Y) {
  FButtons[Index].Down = true;
  Invalidate();
  if (Index == kThumb) {
    OMPos = Along(X, Y);
    OldBOffset = FGeometry.BOffset;
    FDown = true;
    return;
  }
  StepArrow(Index);
  StartRepeat(Index == kFarArrow ? tmFarArrow : tmNearArrow);
}

void TQvSkinScrollBar::StepArrow(int Index) {
  if (Index == kFarArrow) {
    if (OnUpButtonClick)
      OnUpButtonClick(this);
    else
      SetPosition(FRange.Position + FSmallChange);
  } else if (OnDownButtonClick) {
    OnDownButtonClick(this);
  } else {
    SetPosition(FRange.Position - FSmallChange);
  }
}

void TQvSkinScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
  MX = X;
  MY = Y;
  TestActive(X, Y);
  if (FDown)
    SetPosition(CalcScrollValue(Metrics(), FRange, FGeometry, Along(X, Y) - OMPos, OldBOffset));
  TQvSkinCustomControl::MouseMove(Shift, X, Y);
}

void TQvSkinScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TQvSkinCustomControl::MouseUp(Button, Shift, X, Y);
  MouseD = false;
  if (TimerMode >= tmPageNear) StopRepeat();
  const int Captured = FCaptureButton;
  if (Captured >= 0) ButtonUp(Captured);
  FCaptureButton = -1;
  if (Button == mbLeft && Captured == kThumb && OnLastChange) OnLastChange(this);
}

void TQvSkinScrollBar::ButtonUp(int Index) {
  FButtons[Index].Down = false;
  if (FActiveButton != Index) FButtons[Index].Hot = false;
  Invalidate();
  if (Index == kThumb)
    FDown = false;
  else
    StopRepeat();
}

void TQvSkinScrollBar::TestActive(int X, int Y) {
  int Hovered = ScrollPartAt(FGeometry, X, Y);
  if (FCaptureButton >= 0 && Hovered != FCaptureButton) Hovered = -1;
  if (Hovered == FActiveButton) return;
  if (FActiveButton >= 0) ButtonLeave(FActiveButton);
  FActiveButton = Hovered;
  if (Hovered >= 0) ButtonEnter(Hovered);
}

void TQvSkinScrollBar::ButtonEnter(int Index) {
  FButtons[Index].Hot = true;
  Invalidate();
  // A held arrow resumes its repeat.
  if (MouseD && Index == FCaptureButton && Index != kThumb) SetRepeatTimer(50);
}

void TQvSkinScrollBar::ButtonLeave(int Index) {
  FButtons[Index].Hot = false;
  Invalidate();
  // A held arrow pauses while the pointer is off it.
  if (MouseD && Index == FCaptureButton && Index != kThumb && HandleAllocated())
    KillTimer(Handle(), kRepeatTimer);
}

// ---- repeat -----------------------------------------------------------------------

void TQvSkinScrollBar::SetRepeatTimer(unsigned Ms) {
  if (HandleAllocated()) SetTimer(Handle(), kRepeatTimer, Ms, nullptr);
}

void TQvSkinScrollBar::StartRepeat(TTimerMode Mode) {
  TimerMode = Mode;
  SetRepeatTimer(11);
}

void TQvSkinScrollBar::StopRepeat() {
  if (HandleAllocated()) KillTimer(Handle(), kRepeatTimer);
  TimerMode = tmNone;
}

void TQvSkinScrollBar::RepeatTick() {
  if (WaitMode) {
    WaitMode = false;
    SetRepeatTimer(50);
    return;
  }
  switch (TimerMode) {
    case tmNearArrow:
      StepArrow(kNearArrow);
      break;
    case tmFarArrow:
      StepArrow(kFarArrow);
      break;
    case tmPageNear:
    case tmPageFar: {
      CalcRects();
      TestActive(MX, MY);
      const TRect& Thumb = FGeometry.Parts[kThumb];
      const bool Far = TimerMode == tmPageFar;
      const bool Beyond = Far ? Along(MX, MY) > (Vertical() ? Thumb.Bottom : Thumb.Right)
                              : Along(MX, MY) < (Vertical() ? Thumb.Top : Thumb.Left);
      // The page repeat ends by itself when the thumb reaches the pointer.
      if (Beyond)
        PageStep(Far);
      else
        StopRepeat();
      break;
    }
    case tmNone:
      StopRepeat();
      break;
  }
}

// ---- keys and messages ---------------------------------------------------------------

void TQvSkinScrollBar::KeyDown(uint16_t& Key, TShiftState Shift) {
  TQvSkinCustomControl::KeyDown(Key, Shift);
  if (!FCanFocused) return;
  if (Key == VK_LEFT || Key == VK_UP)
    SetPosition(FRange.Position - FSmallChange);
  else if (Key == VK_RIGHT || Key == VK_DOWN)
    SetPosition(FRange.Position + FSmallChange);
}

void TQvSkinScrollBar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE:
      TQvSkinCustomControl::WndProc(Message);
      ForceThickness();
      return;
    case CM_MOUSEENTER:
      TQvSkinCustomControl::WndProc(Message);
      if (!Designing()) {
        FMouseInClientRect = true;
        Invalidate();
      }
      return;
    case CM_MOUSELEAVE:
      TQvSkinCustomControl::WndProc(Message);
      if (Designing()) return;
      FMouseInClientRect = false;
      if (FActiveButton >= 0 && FCaptureButton < 0 && !FDown) {
        FButtons[FActiveButton].Hot = false;
        FActiveButton = -1;
      }
      // Leaving the bar ends a repeat toward the far end only.
      if (MouseD && TimerMode == tmPageFar) StopRepeat();
      Invalidate();
      return;
    case CM_WANTSPECIALKEY:
      TQvSkinCustomControl::WndProc(Message);
      if (FCanFocused && (Message.WParam == VK_LEFT || Message.WParam == VK_UP ||
                          Message.WParam == VK_RIGHT || Message.WParam == VK_DOWN))
        Message.Result = 1;
      return;
    case WM_MOUSEWHEEL:
      if (FCanFocused && Focused()) {
        const int Delta = GET_WHEEL_DELTA_WPARAM(Message.WParam);
        SetPosition(FRange.Position + (Delta <= 0 ? FSmallChange : -FSmallChange));
        Message.Result = 0;
        return;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (FCanFocused && !Designing() && !Focused()) {
        ::SetFocus(Handle());
        if (!Focused()) return;  // the focus was refused: the press is dropped
      }
      break;
    case WM_TIMER:
      TQvSkinCustomControl::WndProc(Message);
      switch (Message.WParam) {
        case kDelayRefreshTimer:
          return;
        case kChangeTimer:
          KillTimer(Handle(), kChangeTimer);
          if (OnChange) OnChange(this);
          return;
        case kLayoutTimer: {
          KillTimer(Handle(), kLayoutTimer);
          // An aligned parent lays out again after an AutoHide change.
          const int H = Height();
          SetHeight(H - 1);
          SetHeight(H);
          return;
        }
        default:
          RepeatTick();
          return;
      }
  }
  TQvSkinCustomControl::WndProc(Message);
}

// ---- object text form ---------------------------------------------------------------

namespace {

template <TQvScrollPicture P>
TPropDecl PictureProp() {
  using C = TQvSkinScrollBar;
  return ResIDProp(
      kPictureNames[P], [](const C& Bar) -> TQvResID { return Bar.Picture(P); },
      [](C& Bar, const TQvResID& Value) { Bar.SetPicture(P, Value); }, kPictureDefaults[P]);
}

}  // namespace

const TPropTable& TQvSkinScrollBar::Properties() const {
  using C = TQvSkinScrollBar;
  static const TPropTable Table = TQvSkinCustomControl::Properties().With({
      EnumProp(L"Kind", &C::Kind, &C::SetKind, DefaultKind, TScrollBarKindNames),
      Prop(L"Min", &C::Min, &C::SetMin),
      Prop(L"Max", &C::Max, &C::SetMax, DefaultMax),
      Prop(L"PageSize", &C::PageSize, &C::SetPageSize),
      Prop(L"Position", &C::Position, &C::SetPosition),
      Prop(L"SmallChange", &C::SmallChange, &C::SetSmallChange, DefaultSmallChange),
      Prop(L"LargeChange", &C::LargeChange, &C::SetLargeChange, DefaultLargeChange),
      Prop(L"AutoHide", &C::AutoHide, &C::SetAutoHide),
      Prop(L"CanFocused", &C::CanFocused, &C::SetCanFocused),
      PictureProp<spBkg>(),
      PictureProp<spHorzBkg>(),
      PictureProp<spBarNormal>(),
      PictureProp<spBarHighlight>(),
      PictureProp<spBarDown>(),
      PictureProp<spHorzBarNormal>(),
      PictureProp<spHorzBarHighlight>(),
      PictureProp<spHorzBarDown>(),
      PictureProp<spArrowUpNormal>(),
      PictureProp<spArrowUpHighlight>(),
      PictureProp<spArrowUpDown>(),
      PictureProp<spArrowDownNormal>(),
      PictureProp<spArrowDownHighlight>(),
      PictureProp<spArrowDownDown>(),
      PictureProp<spArrowLeftNormal>(),
      PictureProp<spArrowLeftHighlight>(),
      PictureProp<spArrowLeftDown>(),
      PictureProp<spArrowRightNormal>(),
      PictureProp<spArrowRightHighlight>(),
      PictureProp<spArrowRightDown>(),
  });
  return Table;
}

}  // namespace qv
