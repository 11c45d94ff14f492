#pragma once
// TControl: a rectangle on a parent window with visibility, enabling, text, colour,
// font, hint, alignment and anchors, mouse handling and the replaceable message entry
// WindowProc. Windowed controls (TWinControl) add a platform window; graphic controls
// paint on their parent's window. Portable header: platform handles are opaque.
#include <functional>
#include <memory>

#include "host/Classes.h"
#include "host/Messages.h"
#include "host/PlatformTypes.h"

namespace qv {

class TFont;
class TWinControl;
class TCustomForm;
class TPopupMenu;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
inline constexpr const wchar_t* TAlignNames[] = {L"alNone",  L"alTop",    L"alBottom", L"alLeft",
                                                 L"alRight", L"alClient", L"alCustom"};
// Horizontal and vertical placement of text in a rectangle.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };
inline constexpr const wchar_t* TAlignmentNames[] = {L"taLeftJustify", L"taRightJustify",
                                                     L"taCenter"};
inline constexpr const wchar_t* TVerticalAlignmentNames[] = {L"taAlignTop", L"taAlignBottom",
                                                             L"taVerticalCenter"};
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
inline constexpr const wchar_t* TAnchorKindNames[] = {L"akLeft", L"akTop", L"akRight", L"akBottom"};
using TAnchors = TSet<TAnchorKind>;
inline const TAnchors AnchorAlign[7] = {{akLeft, akTop},
                                        {akLeft, akTop, akRight},
                                        {akLeft, akRight, akBottom},
                                        {akLeft, akTop, akBottom},
                                        {akRight, akTop, akBottom},
                                        {akLeft, akTop, akRight, akBottom},
                                        {akLeft, akTop}};

// Transient state of a control.
enum TControlStateItem {
  csLButtonDown,
  csClicked,
  csPalette,
  csReadingState,
  csAlignmentNeeded,
  csFocusing,
  csCreating,
  csPaintCopy,  // the control paints a copy of itself (a background capture)
  csCustomPaint,
  csDestroyingHandle,
  csDocking,
};
using TControlState = TSet<TControlStateItem>;

// What a control class is and does.
enum TControlStyleItem {
  csAcceptsControls,
  csCaptureMouse,  // the control captures the mouse while a button is down
  csDesignInteractive,
  csClickEvents,  // button up over a pressed control is a click
  csFramed,
  csSetCaption,
  csOpaque,        // the control covers its whole rectangle: nothing under it is erased
  csDoubleClicks,  // double clicks arrive as such, not as a second press
  csFixedWidth,
  csFixedHeight,
  csNoDesignVisible,
  csReplicatable,
  csNoStdEvents,
  csDisplayDragImage,
  csReflector,
  csActionClient,
  csMenuEvents,
  csNeedsBorderPaint,
  csParentBackground,
  csPannable,
  csOverrideStylePaint,
};
using TControlStyle = TSet<TControlStyleItem>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

// Cursor identities: 0 is "the default", negative values the standard cursors.
using TCursor = int16_t;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                  crSize = -22, crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9,
                  crUpArrow = -10, crHourGlass = -11, crDrag = -12, crNoDrop = -13, crHSplit = -14,
                  crVSplit = -15, crMultiDrag = -16, crSQLWait = -17, crNo = -18, crAppStart = -19,
                  crHelp = -20, crHandPoint = -21, crSizeAll = -22;

using TWndMethod = std::function<void(TMessage& Message)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent = std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta,
                                            TPoint MousePos, bool& Handled)>;
using TCanResizeEvent =
    std::function<void(TObject* Sender, int& NewWidth, int& NewHeight, bool& Resize)>;
using TContextPopupEvent = std::function<void(TObject* Sender, TPoint MousePos, bool& Handled)>;

// Size limits of a control; 0 means no limit.
class TSizeConstraints : public TPersistent {
 public:
  String ClassName() const override { return L"TSizeConstraints"; }
  int MinWidth() const { return FMinWidth; }
  int MinHeight() const { return FMinHeight; }
  int MaxWidth() const { return FMaxWidth; }
  int MaxHeight() const { return FMaxHeight; }
  void SetMinWidth(int Value) { Set(FMinWidth, Value); }
  void SetMinHeight(int Value) { Set(FMinHeight, Value); }
  void SetMaxWidth(int Value) { Set(FMaxWidth, Value); }
  void SetMaxHeight(int Value) { Set(FMaxHeight, Value); }
  // Limits a proposed size.
  void Apply(int& Width, int& Height) const;
  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;
  TNotifyEvent OnChange;

 private:
  void Set(int& Field, int Value);
  int FMinWidth = 0, FMinHeight = 0, FMaxWidth = 0, FMaxHeight = 0;
};

class TControl : public TComponent {
  QV_CLASS(TControl)
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  // Placement. Left/Top are in the parent's client coordinates.
  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* AParent);
  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
  virtual TRect ClientRect() const;
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  void SetClientWidth(int Value) { SetClientSize(Value, ClientHeight()); }
  void SetClientHeight(int Value) { SetClientSize(ClientWidth(), Value); }
  virtual void SetClientSize(int AWidth, int AHeight);
  // Screen position of the client area's top-left corner.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint P) const;
  TPoint ScreenToClient(TPoint P) const;
  TPoint ClientToParent(TPoint P, TWinControl* AParent = nullptr) const;
  TPoint ParentToClient(TPoint P, TWinControl* AParent = nullptr) const;
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign Value);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors Value);
  TSizeConstraints* Constraints() const { return FConstraints.get(); }
  bool AutoSize() const { return FAutoSize; }
  virtual void SetAutoSize(bool Value);

  // Appearance and state.
  static constexpr bool DefaultEnabled = true, DefaultParentFont = true;
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);
  // Enabled and every parent enabled.
  bool IsEnabledChain() const;
  const String& Caption() const { return FText; }
  void SetCaption(const String& Value) { SetText(Value); }
  virtual String Text() const { return FText; }
  virtual void SetText(const String& Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value);
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool Value);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* Value);
  bool DoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }
  TControlState ControlState() const { return FControlState; }
  void SetControlState(TControlState Value) { FControlState = Value; }
  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
  // The mouse is over this control (kept by the mouse enter/leave tracking).
  bool MouseInClient() const { return FMouseInClient; }
  bool MouseCapture() const;
  void SetMouseCapture(bool Value);

  // Messages. WindowProc is the entry of every message; it starts as WndProc and may be
  // replaced by a hook that saves the previous value and chains to it.
  TWndMethod WindowProc;
  virtual void WndProc(TMessage& Message);
  // What happens to a message nobody handled.
  virtual void DefaultHandler(TMessage& Message);
  // Sends a message straight to WindowProc and answers its result.
  intptr_t Perform(uint32_t Msg, uintptr_t WParam = 0, intptr_t LParam = 0);

  // Painting.
  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();
  void Refresh() { Repaint(); }
  // Z-order among the parent's children.
  void BringToFront();
  void SendToBack();
  virtual bool HasParent() const { return FParent != nullptr; }

  void Loaded() override;
  // Object text form: the published properties; a control read back inside a windowed
  // control becomes its child, owned by the root being read.
  const TPropTable& Properties() const override;
  void SetParentComponent(TComponent* Value) override;
  TComponent* GetChildOwner(TComponent* Root) override;
  virtual void Click();
  virtual void DblClick();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TMouseWheelEvent OnMouseWheel;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;
  TCanResizeEvent OnCanResize;
  TContextPopupEvent OnContextPopup;

 protected:
  friend class TWinControl;
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  virtual void Resize();
  virtual bool CanResize(int& NewWidth, int& NewHeight);
  virtual bool CanAutoSize(int& NewWidth, int& NewHeight) { return false; }
  // Limits a proposed size: not negative, within Constraints, and OnCanResize may veto.
  void CheckNewSize(int& NewWidth, int& NewHeight);
  // Runs the auto-size rule when AutoSize is on.
  virtual void AdjustSize();
  virtual void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void ChangeScale(int M, int D) {}
  // Bounds changed by SetBounds: stores them without the checks (the platform window
  // follows in TWinControl).
  virtual void UpdateBoundsRect(const TRect& R);
  // Repaints the rectangle on the parent (graphic controls) or the window.
  void InvalidateControl(bool IsVisible, bool IsOpaque);
  void SendCancelMode(TControl* Sender);
  // Remembers the anchor rules from the current bounds and parent size.
  void UpdateAnchorRules();
  // Destroys owned components now, in reverse order, while this object is whole.
  void DestroyOwnedComponents();
  void MarkDestroying();
  bool Destroying() const { return FComponentState.Contains(csDestroying); }
  bool Designing() const { return FComponentState.Contains(csDesigning); }

  TControlState FControlState;
  TControlStyle FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  String FText;
  bool FMouseInClient = false;

 private:
  friend struct TControlAccess;
  void FontChanged(TObject* Sender);
  void ResolveReferences();
  void HandleMouseMessage(TMessage& Message);
  void HandleContextMenu(TMessage& Message);
  void ParentFontChanged();
  void ParentColorChanged();
  void ParentShowHintChanged();
  TWinControl* FParent = nullptr;
  bool FVisible = true;
  bool FEnabled = DefaultEnabled;
  TColor FColor = clWindow;
  bool FParentColor = true;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = DefaultParentFont;
  String FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TCursor FCursor = crDefault;
  TPopupMenu* FPopupMenu = nullptr;
  bool FDoubleBuffered = false;
  bool FAutoSize = false;
  TAlign FAlign = alNone;
  TAnchors FAnchors = {akLeft, akTop};
  std::unique_ptr<TSizeConstraints> FConstraints;
  // Anchor rules: the bounds and the parent's client size when they were last set by hand.
  TRect FAnchorBounds;
  TSize FAnchorParentSize;
  bool FAnchorRulesValid = false;
  bool FPlacedByParent = false;  // bounds set by the parent's alignment: keep the anchor rules
  String FPendingPopupMenu;      // read by name, found once everything is read
};

// The form a control lies on (nil for a control not on a form).
TCustomForm* GetParentForm(const TControl* Control, bool TopForm = true);

}  // namespace qv
