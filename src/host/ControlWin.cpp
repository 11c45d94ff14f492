// Controls: placement, appearance, notifications and mouse handling.
#include <algorithm>

#include "host/ControlScaleWin.h"
#include "host/ControlsWin.h"
#include "host/Font.h"
#include "host/Form.h"
#include "host/Menus.h"
#include "host/ScopeGuard.h"

namespace qv {

// ---- TSizeConstraints ------------------------------------------------------

void TSizeConstraints::Set(int& Field, int Value) {
  Value = std::max(Value, 0);
  if (Field == Value) return;
  Field = Value;
  if (OnChange) OnChange(this);
}

void TSizeConstraints::Apply(int& Width, int& Height) const {
  if (FMaxWidth > 0 && Width > FMaxWidth) Width = FMaxWidth;
  if (FMinWidth > 0 && Width < FMinWidth) Width = FMinWidth;
  if (FMaxHeight > 0 && Height > FMaxHeight) Height = FMaxHeight;
  if (FMinHeight > 0 && Height < FMinHeight) Height = FMinHeight;
}

void TSizeConstraints::Assign(TPersistent* Source) {
  if (auto* S = dynamic_cast<TSizeConstraints*>(Source)) {
    FMinWidth = S->FMinWidth;
    FMinHeight = S->FMinHeight;
    FMaxWidth = S->FMaxWidth;
    FMaxHeight = S->FMaxHeight;
    if (OnChange) OnChange(this);
    return;
  }
  TPersistent::Assign(Source);
}

// ---- TControl --------------------------------------------------------------

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
  WindowProc = [this](TMessage& M) { WndProc(M); };
  FFont = std::make_unique<TFont>();
  FFont->OnChange = [this](TObject* Sender) { FontChanged(Sender); };
  FConstraints = std::make_unique<TSizeConstraints>();
  FConstraints->OnChange = [this](TObject*) {
    TControlAccess::LimitsSetByHand(this);
    SetBounds(FLeft, FTop, FWidth, FHeight);
  };
}

TControl::~TControl() {
  MarkDestroying();
  DestroyOwnedComponents();
  AppControlDestroying(this);
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  if (FParent) FParent->RemoveControl(this);
  TControlAccess::Forget(this);
}

void TControl::MarkDestroying() {
  FComponentState.Include(csDestroying);
}

void TControl::DestroyOwnedComponents() {
  while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
}

void TControl::Loaded() {
  TComponent::Loaded();
  ResolveReferences();
  UpdateAnchorRules();
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::SetParent(TWinControl* AParent) {
  if (FParent == AParent) return;
  if (AParent == this) throw Exception(L"A control cannot be its own parent");
  if (FParent) FParent->RemoveControl(this);
  if (AParent) AParent->InsertControl(this);
}

// ---- placement --------------------------------------------------------------

bool TControl::CanResize(int& NewWidth, int& NewHeight) {
  bool Result = true;
  if (OnCanResize) OnCanResize(this, NewWidth, NewHeight, Result);
  return Result;
}

void TControl::CheckNewSize(int& NewWidth, int& NewHeight) {
  NewWidth = std::max(NewWidth, 0);
  NewHeight = std::max(NewHeight, 0);
  FConstraints->Apply(NewWidth, NewHeight);
  if ((NewWidth != FWidth || NewHeight != FHeight) && !CanResize(NewWidth, NewHeight)) {
    NewWidth = FWidth;
    NewHeight = FHeight;
  }
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  CheckNewSize(AWidth, AHeight);
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  bool Resized = AWidth != FWidth || AHeight != FHeight;
  InvalidateControl(FVisible, false);
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  UpdateAnchorRules();
  Invalidate();
  Perform(WM_WINDOWPOSCHANGED, 0, 0);
  if (FParent) FParent->AlignControl(this);
  if (Resized && !FComponentState.Contains(csLoading)) Resize();
}

void TControl::UpdateBoundsRect(const TRect& R) {
  FLeft = R.Left;
  FTop = R.Top;
  FWidth = R.Width();
  FHeight = R.Height();
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

TRect TControl::ClientRect() const {
  return Rect(0, 0, FWidth, FHeight);
}

void TControl::SetClientSize(int AWidth, int AHeight) {
  TRect C = ClientRect();
  SetBounds(FLeft, FTop, FWidth - C.Width() + AWidth, FHeight - C.Height() + AHeight);
}

TPoint TControl::ClientOrigin() const {
  if (!FParent) return {FLeft, FTop};
  TPoint P = FParent->ClientOrigin();
  return {P.X + FLeft, P.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint P) const {
  TPoint O = ClientOrigin();
  return {P.X + O.X, P.Y + O.Y};
}

TPoint TControl::ScreenToClient(TPoint P) const {
  TPoint O = ClientOrigin();
  return {P.X - O.X, P.Y - O.Y};
}

TPoint TControl::ClientToParent(TPoint P, TWinControl* AParent) const {
  if (!AParent) AParent = FParent;
  if (!AParent) throw Exception(L"Control '" + Name() + L"' has no parent window");
  TPoint S = ClientToScreen(P);
  return AParent->ScreenToClient(S);
}

TPoint TControl::ParentToClient(TPoint P, TWinControl* AParent) const {
  if (!AParent) AParent = FParent;
  if (!AParent) throw Exception(L"Control '" + Name() + L"' has no parent window");
  return ScreenToClient(AParent->ClientToScreen(P));
}

void TControl::SetAlign(TAlign Value) {
  if (FAlign == Value) return;
  TAlign Old = FAlign;
  FAlign = Value;
  FAnchors = AnchorAlign[Value];
  if (Old != alNone && Value == alNone) UpdateAnchorRules();
  if (FParent) FParent->AlignControl(this);
}

void TControl::SetAnchors(TAnchors Value) {
  if (FAnchors == Value) return;
  FAnchors = Value;
  UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
  if (FPlacedByParent) return;
  FAnchorBounds = BoundsRect();
  if (FParent) {
    TRect C = FParent->ClientRect();
    FAnchorParentSize = {C.Width(), C.Height()};
    FAnchorRulesValid = true;
  } else {
    FAnchorRulesValid = false;
  }
  TControlAccess::PlacedByHand(this);
}

void TControl::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  if (Value) AdjustSize();
}

void TControl::AdjustSize() {
  if (!FAutoSize) return;
  int W = FWidth, H = FHeight;
  if (CanAutoSize(W, H)) SetBounds(FLeft, FTop, W, H);
}

// ---- appearance ----------------------------------------------------------------

void TControl::SetVisible(bool Value) {
  if (FVisible == Value) return;
  if (!Value) InvalidateControl(true, false);
  FVisible = Value;
  Perform(CM_VISIBLECHANGED, Value ? 1 : 0, 0);
  if (FParent) FParent->AlignControl(this);
}

void TControl::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Perform(CM_ENABLEDCHANGED);
}

bool TControl::IsEnabledChain() const {
  for (const TControl* C = this; C; C = C->FParent)
    if (!C->FEnabled) return false;
  return true;
}

void TControl::SetText(const String& Value) {
  if (FText == Value) return;
  Perform(WM_SETTEXT, 0, intptr_t(Value.c_str()));
}

void TControl::SetColor(TColor Value) {
  if (FColor == Value) {
    FParentColor = false;
    return;
  }
  FColor = Value;
  FParentColor = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value) {
  if (FParentColor == Value) return;
  FParentColor = Value;
  if (Value && FParent) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::ParentColorChanged() {
  if (!FParentColor || !FParent) return;
  if (FColor != FParent->Color()) {
    FColor = FParent->Color();
    Perform(CM_COLORCHANGED);
  }
  FParentColor = true;
}

namespace {
// Set while a control copies its parent's font, so the copy keeps ParentFont.
thread_local int gTakingParentFont = 0;
}  // namespace

void TControl::SetFont(TFont* Value) {
  if (Value) FFont->Assign(Value);
}

void TControl::FontChanged(TObject*) {
  if (gTakingParentFont == 0) FParentFont = false;
  if (gTakingParentFont == 0) TControlAccess::FontSetByHand(this);
  Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool Value) {
  if (FParentFont == Value) return;
  FParentFont = Value;
  if (Value && FParent) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!FParentFont || !FParent) return;
  ++gTakingParentFont;
  TScopeExit Done([] { --gTakingParentFont; });
  FFont->Assign(FParent->Font());
}

void TControl::SetShowHint(bool Value) {
  FParentShowHint = false;
  if (FShowHint == Value) return;
  FShowHint = Value;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool Value) {
  if (FParentShowHint == Value) return;
  FParentShowHint = Value;
  if (Value) ParentShowHintChanged();
}

void TControl::ParentShowHintChanged() {
  if (!FParentShowHint || !FParent) return;
  if (FShowHint != FParent->ShowHint()) {
    FShowHint = FParent->ShowHint();
    Perform(CM_SHOWHINTCHANGED);
  }
}

void TControl::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  Perform(CM_CURSORCHANGED);
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
  if (FPopupMenu == Value) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (Value) Value->FreeNotification(this);
}

// ---- messages ------------------------------------------------------------------

intptr_t TControl::Perform(uint32_t Msg, uintptr_t WParam, intptr_t LParam) {
  TMessage M;
  M.Msg = Msg;
  M.WParam = WParam;
  M.LParam = LParam;
  WindowProc(M);
  return M.Result;
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::WndProc(TMessage& Message) {
  if (IsClientMouseMessage(Message.Msg) || Message.Msg == WM_MOUSEWHEEL ||
      Message.Msg == WM_CONTEXTMENU) {
    HandleMouseMessage(Message);
    return;
  }
  switch (Message.Msg) {
    case WM_SETTEXT:
      FText = Message.LParam ? reinterpret_cast<const wchar_t*>(Message.LParam) : L"";
      DefaultHandler(Message);
      Message.Result = 1;
      Perform(CM_TEXTCHANGED);
      return;
    case CM_MOUSEENTER:
      if (Message.LParam == 0 || Message.LParam == intptr_t(this)) {
        FMouseInClient = true;
        AppMouseEntered(this);
        if (OnMouseEnter) OnMouseEnter(this);
      }
      return;
    case CM_MOUSELEAVE:
      if (Message.LParam == 0 || Message.LParam == intptr_t(this)) {
        FMouseInClient = false;
        AppMouseLeft(this);
        if (OnMouseLeave) OnMouseLeave(this);
      }
      return;
    case CM_HITTEST:
      Message.Result = HTCLIENT;
      return;
    case CM_VISIBLECHANGED:
      if (FVisible) InvalidateControl(true, FControlStyle.Contains(csOpaque));
      return;
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
      Invalidate();
      return;
    case CM_PARENTFONTCHANGED:
      ParentFontChanged();
      return;
    case CM_PARENTCOLORCHANGED:
      ParentColorChanged();
      return;
    case CM_PARENTSHOWHINTCHANGED:
      ParentShowHintChanged();
      return;
    case CM_CANCELMODE:
      if (MouseCapture() && Message.LParam != intptr_t(this)) SetMouseCapture(false);
      return;
    default:
      DefaultHandler(Message);
  }
}

void TControl::HandleMouseMessage(TMessage& Message) {
  // Wheel and context menu: the control decides whether the platform sees them.
  if (Message.Msg == WM_MOUSEWHEEL) {
    TPoint P{Message.XPos(), Message.YPos()};
    if (DoMouseWheel(KeysToShiftState(GET_KEYSTATE_WPARAM(Message.WParam)),
                     GET_WHEEL_DELTA_WPARAM(Message.WParam), P)) {
      Message.Result = 1;
      return;
    }
    DefaultHandler(Message);
    return;
  }
  if (Message.Msg == WM_CONTEXTMENU) {
    HandleContextMenu(Message);
    return;
  }
  // The platform's handling first (a platform control underneath tracks its own state).
  DefaultHandler(Message);
  TShiftState Shift = KeysToShiftState(Message.WParam);
  int X = Message.XPos(), Y = Message.YPos();
  auto Down = [&](TMouseButton Button, bool Double) {
    if (Double) Shift.Include(ssDouble);
    MouseDown(Button, Shift, X, Y);
  };
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
      MouseMove(Shift, X, Y);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      bool Double = Message.Msg == WM_LBUTTONDBLCLK && FControlStyle.Contains(csDoubleClicks);
      if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
      if (FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
      FControlState.Include(csLButtonDown);
      Down(mbLeft, Double);
      if (Double) DblClick();
      break;
    }
    case WM_LBUTTONUP: {
      FControlState.Exclude(csLButtonDown);
      if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
      bool WasClicked = FControlState.Contains(csClicked);
      FControlState.Exclude(csClicked);
      TRect C = ClientRect();
      bool Inside = X >= C.Left && X < C.Right && Y >= C.Top && Y < C.Bottom;
      if (WasClicked && Inside) Click();
      MouseUp(mbLeft, Shift, X, Y);
      break;
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      Down(mbRight, Message.Msg == WM_RBUTTONDBLCLK);
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      Down(mbMiddle, Message.Msg == WM_MBUTTONDBLCLK);
      break;
    case WM_RBUTTONUP:
      MouseUp(mbRight, Shift, X, Y);
      if (!dynamic_cast<TWinControl*>(this)) {
        // A graphic control has no window for the platform to raise WM_CONTEXTMENU on.
        TPoint S = ClientToScreen({X, Y});
        Perform(WM_CONTEXTMENU, 0, PointToLParam(S.X, S.Y));
      }
      break;
    case WM_MBUTTONUP:
      MouseUp(mbMiddle, Shift, X, Y);
      break;
  }
}

void TControl::HandleContextMenu(TMessage& Message) {
  TPoint P{Message.XPos(), Message.YPos()};
  bool Handled = false;
  if (OnContextPopup) OnContextPopup(this, ScreenToClient(P), Handled);
  if (!Handled && FPopupMenu && FPopupMenu->AutoPopup()) {
    if (P.X == -1 && P.Y == -1) P = ClientToScreen({0, 0});  // from the keyboard
    FPopupMenu->SetPopupComponent(this);
    FPopupMenu->Popup(P.X, P.Y);
    Handled = true;
  }
  if (Handled) {
    Message.Result = 1;
    return;
  }
  if (!dynamic_cast<TWinControl*>(this)) {
    if (FParent) Message.Result = FParent->Perform(WM_CONTEXTMENU, 0, Message.LParam);
    return;
  }
  DefaultHandler(Message);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool Handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, Handled);
  return Handled;
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

bool TControl::MouseCapture() const {
  if (auto* W = dynamic_cast<const TWinControl*>(this))
    return W->FHandle && GetCapture() == W->FHandle;
  return FParent && FParent->FCaptureControl == this && FParent->FHandle &&
         GetCapture() == FParent->FHandle;
}

void TControl::SetMouseCapture(bool Value) {
  if (MouseCapture() == Value) return;
  if (auto* W = dynamic_cast<TWinControl*>(this)) {
    if (Value) {
      SetCapture(W->Handle());
    } else if (W->FHandle && GetCapture() == W->FHandle) {
      ReleaseCapture();
    }
    return;
  }
  if (!FParent) return;
  if (Value) {
    FParent->FCaptureControl = this;
    SetCapture(FParent->Handle());
  } else {
    FParent->FCaptureControl = nullptr;
    if (FParent->FHandle && GetCapture() == FParent->FHandle) ReleaseCapture();
  }
}

void TControl::SendCancelMode(TControl* Sender) {
  if (TCustomForm* Form = GetParentForm(this)) Form->Perform(CM_CANCELMODE, 0, intptr_t(Sender));
}

// ---- painting ------------------------------------------------------------------

void TControl::InvalidateControl(bool IsVisible, bool IsOpaque) {
  if (!IsVisible || !FParent || !FParent->HandleAllocated()) return;
  if (dynamic_cast<TWinControl*>(this)) return;  // windows repaint themselves
  RECT R{FLeft, FTop, FLeft + FWidth, FTop + FHeight};
  InvalidateRect(FParent->FHandle, &R, IsOpaque ? FALSE : TRUE);
}

void TControl::Invalidate() {
  InvalidateControl(FVisible, FControlStyle.Contains(csOpaque));
}

void TControl::Update() {
  if (FParent) FParent->Update();
}

void TControl::Repaint() {
  if (!FVisible || !FParent || !FParent->HandleAllocated()) return;
  Invalidate();
  FParent->Update();
}

void TControl::BringToFront() {
  if (!FParent) return;
  auto& L = FParent->FControls;
  L.erase(std::find(L.begin(), L.end(), this));
  L.push_back(this);
  FParent->SetZOrderOfWindow(this);
  Invalidate();
}

void TControl::SendToBack() {
  if (!FParent) return;
  auto& L = FParent->FControls;
  L.erase(std::find(L.begin(), L.end(), this));
  L.insert(L.begin(), this);
  FParent->SetZOrderOfWindow(this);
  if (FParent->HandleAllocated() && !dynamic_cast<TWinControl*>(this)) FParent->Invalidate();
}

TCustomForm* GetParentForm(const TControl* Control, bool TopForm) {
  if (!Control) return nullptr;
  if (!TopForm) {
    for (auto* C = const_cast<TControl*>(Control); C; C = C->Parent())
      if (auto* F = dynamic_cast<TCustomForm*>(C)) return F;
    return nullptr;
  }
  auto* Top = const_cast<TControl*>(Control);
  while (Top->Parent()) Top = Top->Parent();
  return dynamic_cast<TCustomForm*>(Top);
}

}  // namespace qv
