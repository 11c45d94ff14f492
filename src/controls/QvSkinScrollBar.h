#pragma once
// TQvSkinScrollBar: a stand-alone scroll bar drawn from twenty skin pictures. Its three
// parts (thumb, far-end arrow, near-end arrow) are hit-tested and drawn separately; the
// thumb drags, arrows and track repeat on timers while held, the wheel and the arrow keys
// step a focusable bar, and the arrows show only while the pointer is over the bar.
//
// Controls that scroll their content bind one: they call SetRange when their content or
// view changes, follow OnChange (and OnLastChange at the end of a drag), may take over the
// arrow steps with OnUpButtonClick/OnDownButtonClick, and keep themselves in
// BindingWinControl.
#include "controls/QvSkinCustomControl.h"
#include "controls/QvSkinScrollBarGeometry.h"
#include "host/WinControl.h"
#include "resources/QvSkinResManager.h"

namespace qv {

enum TScrollBarKind { sbHorizontal, sbVertical };
inline constexpr const wchar_t* TScrollBarKindNames[] = {L"sbHorizontal", L"sbVertical"};

// The twenty pictures; each state triplet is normal, highlight, down.
enum TQvScrollPicture {
  spBkg,      // vertical track; its width is the vertical bar's width
  spHorzBkg,  // horizontal track; its height is the horizontal bar's height
  spBarNormal,
  spBarHighlight,
  spBarDown,
  spHorzBarNormal,
  spHorzBarHighlight,
  spHorzBarDown,
  spArrowUpNormal,  // its height is the vertical arrows' length
  spArrowUpHighlight,
  spArrowUpDown,
  spArrowDownNormal,
  spArrowDownHighlight,
  spArrowDownDown,
  spArrowLeftNormal,  // its width is the horizontal arrows' length
  spArrowLeftHighlight,
  spArrowLeftDown,
  spArrowRightNormal,
  spArrowRightHighlight,
  spArrowRightDown,
  spCount
};

class TQvSkinScrollBar : public TQvSkinCustomControl {
  QV_CLASS(TQvSkinScrollBar)
 public:
  // Window timers of the bar.
  static constexpr uintptr_t kRepeatTimer = 1;
  static constexpr uintptr_t kLayoutTimer = 2000;
  static constexpr uintptr_t kChangeTimer = 2001;
  // Part indices.
  static constexpr int kThumb = 0, kFarArrow = 1, kNearArrow = 2;

  // 200 × 19, horizontal, white, not focusable.
  explicit TQvSkinScrollBar(TComponent* AOwner);
  ~TQvSkinScrollBar() override;

  static constexpr TScrollBarKind DefaultKind = sbHorizontal;
  static constexpr int DefaultMax = 100;
  static constexpr int DefaultSmallChange = 1;
  static constexpr int DefaultLargeChange = 1;

  TScrollBarKind Kind() const { return FKind; }
  // Swaps width and height when they no longer suit the orientation.
  void SetKind(TScrollBarKind Value);
  int Min() const { return FRange.Min; }
  void SetMin(int Value);
  int Max() const { return FRange.Max; }
  void SetMax(int Value);
  int Position() const { return FRange.Position; }
  // Clamped into [Min, Max - PageSize + 1] (with a page) or [Min, Max]; fires OnChange
  // when the stored value changes.
  void SetPosition(int Value);
  // The visible part of the range; 0 gives a fixed-size thumb. Stored only while the page
  // fits after the position; a negative page counts as 0.
  int PageSize() const { return FRange.PageSize; }
  void SetPageSize(int Value);
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int Value);
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int Value);
  // Hidden while PageSize is 0 (re-evaluated by SetRange).
  bool AutoHide() const { return FAutoHide; }
  void SetAutoHide(bool Value);
  // Takes the focus on a press and answers keys and the wheel; sets TabStop.
  bool CanFocused() const { return FCanFocused; }
  void SetCanFocused(bool Value);

  // All four at once, without OnChange unless the position had to be clamped.
  void SetRange(int AMin, int AMax, int APageSize, int APosition);
  // Fires OnChange once after DelayMs (window timer 2001): owners coalesce their updates.
  void ChangeLater(unsigned DelayMs = 0);

  // The picture names, by TQvScrollPicture.
  const TQvResID& Picture(TQvScrollPicture Index) const { return FPictures[Index]; }
  void SetPicture(TQvScrollPicture Index, const TQvResID& Value);

  // The control the bar scrolls, kept for the owner (cleared when it is freed).
  TWinControl* BindingWinControl() const { return FBindingWinControl; }
  void SetBindingWinControl(TWinControl* Value);

  // The current layout (brought up to date on every paint and press).
  const TQvScrollGeometry& Geometry() const { return FGeometry; }
  // Index of the hovered part and of the pressed one; -1 when none.
  int ActiveButton() const { return FActiveButton; }
  int CaptureButton() const { return FCaptureButton; }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void WndProc(TMessage& Message) override;
  TQvAccessibleInfo AccessibleInfo() const override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnChange;           // Position changed through SetPosition
  TNotifyEvent OnLastChange;       // a thumb drag ended
  TNotifyEvent OnUpButtonClick;    // replaces the far-end arrow's step
  TNotifyEvent OnDownButtonClick;  // replaces the near-end arrow's step
  TNotifyEvent OnPageUp;           // after a track step toward the near end
  TNotifyEvent OnPageDown;         // after a track step toward the far end

 protected:
  void DrawBody(TBitmap32* Bitmap) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  struct TPart {
    bool Hot = false;
    bool Down = false;
  };
  // What the repeat timer does.
  enum TTimerMode { tmNone, tmNearArrow, tmFarArrow, tmPageNear, tmPageFar };

  bool Vertical() const { return FKind == sbVertical; }
  void CalcRects();
  TQvScrollMetrics Metrics() const;
  int Along(int X, int Y) const { return Vertical() ? Y : X; }
  void ButtonDown(int Index, int X, int Y);
  void ButtonUp(int Index);
  void ButtonEnter(int Index);
  void ButtonLeave(int Index);
  void TestActive(int X, int Y);
  void StartRepeat(TTimerMode Mode);
  void StopRepeat();
  void SetRepeatTimer(unsigned Ms);
  void RepeatTick();
  void StepArrow(int Index);
  void PageStep(bool TowardFar);
  void ForceThickness();

  TScrollBarKind FKind = DefaultKind;
  TQvScrollRange FRange{0, DefaultMax, 0, 0};
  int FSmallChange = DefaultSmallChange;
  int FLargeChange = DefaultLargeChange;
  bool FAutoHide = false;
  bool FCanFocused = false;
  TQvResID FPictures[spCount];
  TWinControl* FBindingWinControl = nullptr;

  TQvScrollGeometry FGeometry;
  TPart FButtons[3];
  bool FDown = false;  // the thumb is being dragged
  int OMPos = 0;       // drag start: pointer along the axis, thumb offset
  int OldBOffset = 0;
  bool FMouseInClientRect = false;
  int MX = 0, MY = 0;
  bool MouseD = false;  // the left button is down on the bar
  int FActiveButton = -1;
  int FCaptureButton = -1;
  TTimerMode TimerMode = tmNone;
  bool WaitMode = false;  // the next repeat tick only switches to the running interval
};

}  // namespace qv
