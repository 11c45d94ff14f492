#pragma once
// TWinControl: a control with its own platform window, created on demand from
// CreateParams; it holds child controls in z-order, aligns and anchors them, paints its
// graphic children, takes the keyboard focus and routes the mouse to graphic children.
#include <vector>

#include "host/Control.h"
#include "host/PlatformTypes.h"

namespace qv {

using TKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, wchar_t& Key)>;

// What CreateWindowEx is called with, and how the window class is registered.
struct TCreateParams {
  String Caption;
  uint32_t Style = 0;
  uint32_t ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  struct {
    uint32_t Style = 0;      // class style (CS_*)
    HICON Cursor = nullptr;  // null: the arrow
    HBRUSH Background = nullptr;
    HICON Icon = nullptr;
  } WindowClass;
  String WinClassName;   // registered on first use; defaults to the control's class name
  String BaseClassName;  // non-empty: a platform class (e.g. "LISTBOX") this class extends
};

class TWinControl : public TControl {
  QV_CLASS(TWinControl)
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  // The platform window, created on first use (with the parent's).
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  // Destroys and creates the window again (after a change of its creation parameters).
  void RecreateWnd();
  // Window a parentless windowed control lives in (for controls hosted in foreign windows).
  HWND ParentWindow() const { return FParentWindow; }
  void SetParentWindow(HWND Value);
  // Visible, with every parent visible: the window is on screen.
  bool Showing() const { return FShowing; }

  // Children, bottom of the z-order first.
  int ControlCount() const { return int(FControls.size()); }
  TControl* Controls(int Index) const { return FControls.at(size_t(Index)); }
  bool ContainsControl(const TControl* Control) const;
  // The child under the client point (graphic children only unless AllowWinControls).
  TControl* ControlAtPos(TPoint P, bool AllowDisabled, bool AllowWinControls = false) const;
  // Sends the message to every child until one answers a non-zero result.
  void Broadcast(TMessage& Message);
  // Tells every child (no answer expected).
  void NotifyControls(uint32_t Msg);

  // Focus and tab order.
  int TabOrder() const;
  void SetTabOrder(int Value);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value);
  virtual bool CanFocus() const;
  virtual bool Focused() const;
  virtual void SetFocus();
  // Focuses the next (or previous) control in tab order after CurControl.
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                               bool CheckParent);
  // Windowed descendants in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& List) const;

  // Alignment of the children.
  void DisableAlign() { ++FAlignLevel; }
  void EnableAlign();
  bool AlignDisabled() const { return FAlignLevel > 0; }
  void Realign();
  // Moves every child by (DeltaX, DeltaY): the contents scroll.
  void ScrollBy(int DeltaX, int DeltaY);
  // Client area less what the control keeps for itself (borders); children align in it.
  virtual void AdjustClientRect(TRect& Rect);

  TRect ClientRect() const override;
  TPoint ClientOrigin() const override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void Invalidate() override;
  void Update() override;
  void Repaint() override;
  void DefaultHandler(TMessage& Message) override;
  void WndProc(TMessage& Message) override;
  void Loaded() override;
  const TPropTable& Properties() const override;
  // The child controls this root owns (written nested in their parents).
  void GetChildren(std::vector<TComponent*>& Children, const TComponent* Root) const override;

  // Entry of the platform's messages: WindowProc, with exceptions reported to the
  // application instead of crossing the platform's frames.
  void MainWndProc(TMessage& Message);
  // Paints the window into DC: the control's own painting. Public for background capture.
  virtual void PaintWindow(HDC DC);
  // Paints the visible graphic children into DC, from First (or the bottom) upwards.
  void PaintControls(HDC DC, TControl* First);
  // Paints the control and its children into DC at (X, Y) (a copy of what it shows).
  void PaintTo(HDC DC, int X, int Y);

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

 protected:
  friend class TControl;
  friend struct TWinControlAccess;
  virtual void CreateParams(TCreateParams& Params);
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& Params);
  virtual void CreateHandle();
  virtual void DestroyWnd();
  virtual void DestroyHandle();
  // Children are placed in Rect (the adjusted client rectangle).
  virtual void AlignControls(TControl* AControl, TRect& Rect);
  // A child's align or bounds changed: realigns when it matters.
  void AlignControl(TControl* AControl);
  virtual void InsertControl(TControl* AControl);
  virtual void RemoveControl(TControl* AControl);
  virtual void DoEnter();
  virtual void DoExit();
  virtual void KeyDown(uint16_t& Key, TShiftState Shift);
  virtual void KeyUp(uint16_t& Key, TShiftState Shift);
  virtual void KeyPress(wchar_t& Key);
  // Platform colour brush for WM_ERASEBKGND and child colour messages.
  HBRUSH Brush();
  void UpdateBoundsRect(const TRect& R) override;
  // Reads the window's position and size into the bounds (after the platform moved it).
  void UpdateBounds();
  // Re-evaluates Showing; creates, shows or hides the window.
  void UpdateShowing();
  void UpdateControlState();
  // The window procedure a superclassed platform class had (DefWindowProc otherwise).
  void* DefWndProc() const { return FDefWndProc; }
  HWND FHandle = nullptr;

 private:
  void SetZOrderOfWindow(TControl* AControl);
  bool DoKeyMessage(TMessage& Message);
  void HandleDialogKey(TMessage& Message);
  void HandleChar(TMessage& Message);
  void ReflectToChild(TMessage& Message, HWND Child);
  void HandlePaint(TMessage& Message);
  void HandleMouseRouting(TMessage& Message, bool& Handled);
  void TrackMouse(TControl* Target);
  void EndMouseTracking();
  void ApplyAnchors();
  void ChildRemoved(TControl* AControl);
  std::vector<TControl*> FControls;  // z-order, bottom first
  std::vector<TWinControl*> FTabList;
  HWND FParentWindow = nullptr;
  void* FDefWndProc = nullptr;
  HBRUSH FBrush = nullptr;
  TColor FBrushColor = clNone;
  bool FShowing = false;
  bool FTabStop = false;
  int FAlignLevel = 0;
  TControl* FCaptureControl = nullptr;  // graphic child holding the mouse
  TControl* FHoverControl = nullptr;    // this control or the graphic child under the mouse
  bool FTrackingMouse = false;
  bool FAligning = false;
  uint16_t FControlId = 0;
  int FPendingTabOrder = -1;
};

// Fills Params.WindowClass from a platform window class (e.g. "LISTBOX") that the
// control's own class then extends; the original procedure answers unhandled messages.
void CreateSubClass(TCreateParams& Params, const String& BaseClassName);

// The control that owns the platform window (nil for foreign windows).
TWinControl* FindControl(HWND Handle);
// The control owning the window or its nearest ancestor window that has one.
TWinControl* FindVCLWindowFromHandle(HWND Handle);
// The control under a screen point: the deepest windowed control, or a graphic child.
TControl* FindDragTarget(TPoint ScreenPos, bool AllowDisabled);

}  // namespace qv
