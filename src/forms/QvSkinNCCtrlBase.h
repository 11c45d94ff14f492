#pragma once
// Title-bar controls: objects without a window of their own that live in the non-client
// area of a skinned form. The form keeps them in its control list, paints them onto its
// title piece and feeds them the non-client mouse; an opaque layered border window can host
// them instead. This header has their placement (TNCCtrlPos) and common base (registration
// with the form, mouse tracking, hint).
#include <memory>
#include <vector>

#include "host/Classes.h"
#include "host/Control.h"

namespace qv {

class TBitmap32;
class TCustomForm;
class TSimpleTimer;
class THintWindow;
class TQvSkinNCCtrlBase;

// True while a title-bar control under the mouse has set its own cursor; the skinned
// form then leaves WM_SETCURSOR alone.
extern bool gHookedCursor;

enum TNCCtrlAlign { caLeft, caRight };
inline constexpr const wchar_t* TNCCtrlAlignNames[] = {L"caLeft", L"caRight"};
// The side of the layered border that hosts a control.
enum TSideKind { skdTop, skdBottom, skdLeft, skdRight };
inline constexpr const wchar_t* TSideKindNames[] = {L"skdTop", L"skdBottom", L"skdLeft",
                                                    L"skdRight"};

// What hosts title-bar controls (the skinned form): its list, in registration order.
class IQvNCCtrlHost {
 public:
  virtual const std::vector<TQvSkinNCCtrlBase*>& NCCtrlList() const = 0;
  // The frame width the form had before maximising took it away.
  virtual int RealFrameWidth() const = 0;

 protected:
  ~IQvNCCtrlHost() = default;
};

// Placement of a control: XValue from the left edge (caLeft) or from the right edge to the
// control's left edge (caRight); unscaled pixels.
class TNCCtrlPos : public TPersistent {
 public:
  static constexpr const wchar_t* StaticClassName = L"TNCCtrlPos";
  String ClassName() const override { return StaticClassName; }
  explicit TNCCtrlPos(TControl* AForm) : FForm(AForm) {}

  TNCCtrlAlign Align() const { return FAlign; }
  void SetAlign(TNCCtrlAlign Value);
  int XValue() const { return FXValue; }
  void SetXValue(int Value);
  int YValue() const { return FYValue; }
  void SetYValue(int Value);
  // System buttons: position and image follow the kind.
  bool UseDefault() const { return FUseDefault; }
  void SetUseDefault(bool Value) { FUseDefault = Value; }
  // Size in unscaled pixels, set by the owning control.
  int Width() const { return FWidth; }
  void SetWidth(int Value) { FWidth = Value; }
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }

  // Position on the form (DPI-scaled; caRight counts from the form's width).
  virtual int GetX() const;
  virtual int GetY() const;
  int X() const { return GetX(); }
  int Y() const { return GetY(); }
  int DisplayWidth() const;
  int DisplayHeight() const;

  // The form the position refers to (a border window while the control is hosted there).
  TControl* Form() const { return FForm; }
  void SetForm(TControl* Value) { FForm = Value; }
  // While locked, changes do not fire OnChanged.
  void Lock() { FLocked = true; }
  void UnLock() { FLocked = false; }

  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnChanged;

 protected:
  virtual void DoChanged();

 private:
  TControl* FForm;
  TNCCtrlAlign FAlign = caLeft;
  int FXValue = 0;
  int FYValue = 0;
  bool FUseDefault = false;
  int FWidth = 0;
  int FHeight = 0;
  bool FLocked = false;
};

class TQvSkinNCCtrlBase : public TComponent {
  QV_CLASS(TQvSkinNCCtrlBase)
 public:
  // Tracking interval: leaving through the window edge is noticed within this time. The
  // timer runs until the form has taken the control on, and while the mouse is over it.
  static constexpr Cardinal TrackInterval = 100;
  static constexpr bool DefaultVisible = true;

  // At run time the control asks its owner form to take it on (MM_ADDNCCTRL).
  explicit TQvSkinNCCtrlBase(TComponent* AOwner);
  ~TQvSkinNCCtrlBase() override;

  // ---- published ----
  TNCCtrlPos* Pos() const { return FPos.get(); }
  void SetPos(TNCCtrlPos* Value) { FPos->Assign(Value); }
  TSideKind PutSide() const { return FPutSide; }
  void SetPutSide(TSideKind Value) { FPutSide = Value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }

  // ---- public ----
  // Window-relative rectangle the control covers.
  TRect ClientRect() const { return GetRect(); }
  TPoint ClientRectOffset;
  bool Hooked() const { return FHooked; }
  void SetHooked(bool Value) { FHooked = Value; }
  bool CursorEnter() const { return FCursorEnter; }
  // The skinned-form component that registered the control.
  TObject* ParentObject() const { return FParentObject; }
  void SetParentObject(TObject* Value) { FParentObject = Value; }
  int Data = 0;
  // The window the control is drawn on (the owner form, or a border window hosting it),
  // and the form it belongs to while hosted elsewhere (nil otherwise).
  TCustomForm* Form() const { return FForm; }
  TCustomForm* SourceForm() const { return FSourceForm; }
  // The form system commands go to.
  TCustomForm* CommandForm() const { return FSourceForm ? FSourceForm : FForm; }
  // Moves the control onto another window (a border window); the first move of a caRight
  // control shifts XValue by ShiftRight.
  void HostOn(TCustomForm* AWindow, int ShiftRight);

  // Repaints the whole non-client area of the form.
  void Invalidate();
  // Leaves the form: it frees the control (synchronously).
  void RemoveSelf();

  // ---- the form's calls ----
  virtual void DoTimer(TObject* Sender);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void MouseMove() {}
  virtual int GetWidth() const;
  virtual int GetHeight() const;
  virtual TRect GetRect() const;
  virtual void LMouseDown();
  virtual void LMouseUp();
  // Paints onto the title piece (window coordinates). The base steps the position for a
  // maximised form.
  virtual void Paint(TBitmap32* Canvas);
  // CursorPos in screen coordinates.
  virtual void NCMouseMove(const TPoint& CursorPos);
  virtual void DPIChanged();
  // Images and labels may refuse presses (their CaptureMouse).
  virtual bool TakesMouse() const { return true; }
  // Labels and images let a double click on the caption through.
  virtual bool BlocksCaptionDoubleClick() const { return true; }

  const TPropTable& Properties() const override;

  TNotifyEvent OnLMouseDown;
  TNotifyEvent OnLMouseUp;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  std::function<void(TObject* Sender, int NewPPI)> OnDPIChanged;

 protected:
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  bool FormMaximized() const;
  // The hosting skinned form (from ParentObject), or nil.
  IQvNCCtrlHost* Host() const;
  // Sets Value as the screen cursor while the control holds it (gHookedCursor).
  void HookCursor(TCursor Value);
  void UnhookCursor();
  void PostAdd();
  // The control's rectangle contains the window-relative point P.
  bool Contains(const TPoint& P) const;

  TCustomForm* FForm = nullptr;
  TCustomForm* FSourceForm = nullptr;

 private:
  void ShowHint();
  void HideHint();
  std::unique_ptr<TNCCtrlPos> FPos;
  TSideKind FPutSide = skdTop;
  bool FVisible = DefaultVisible;
  String FHint;
  bool FHooked = false;
  bool FCursorEnter = false;
  TObject* FParentObject = nullptr;
  TPoint FOldPos;
  // The tracking timer: the library's light timer, so that controls share one hidden window.
  std::unique_ptr<TSimpleTimer> FTimer;
  std::unique_ptr<THintWindow> FHintWindow;
  bool FRightShifted = false;
};

// Shared by the hosts of title-bar controls (the skinned form, the alpha form).
// Takes Ctrl into List when Form owns it and it is not listed yet: Host, which gets told
// when the control is freed, becomes its parent object. A control posts its request until
// it is hooked, so a request may come twice, or after the control's death (then it is no
// component of Form any more). True when Ctrl was added.
bool TakeOnNCCtrl(std::vector<TQvSkinNCCtrlBase*>& List, TComponent* Form, TQvSkinNCCtrlBase* Ctrl,
                  TComponent* Host);
// Offers a press (Down) or release to the visible control of Form under the mouse; true
// when one took it. The list is walked by index: a handler may add or remove controls.
bool OfferNCMouse(const std::vector<TQvSkinNCCtrlBase*>& List, const TCustomForm* Form, bool Down);

}  // namespace qv
