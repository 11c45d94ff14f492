#include <windows.h>

#include "forms/QvEdgeDock.h"
#include "forms/QvEdgeDockGeometry.h"
#include "host/Form.h"
#include "host/Properties.h"
#include "host/Screen.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvQQAlign>(), true);

// Width and height of the work area of the form's monitor.
TSize WorkAreaSize(TCustomForm* Form) {
  TMonitor* M =
      Screen && Form->HandleAllocated() ? Screen->MonitorFromWindow(Form->Handle()) : nullptr;
  TRect W = M ? M->WorkareaRect() : (Screen ? Screen->WorkAreaRect() : TRect{});
  return {W.Width(), W.Height()};
}

}  // namespace

TQvQQAlign::TQvQQAlign(TComponent* AOwner) : TComponent(AOwner) {
  FTimer = new TTimer(this);
  FTimer->SetInterval(kSlideInterval);
  FTimer->OnTimer = [this](TObject* Sender) { fOnTimer(Sender); };
  FTimer->SetEnabled(false);  // runs once an edge is touched
  FForm = dynamic_cast<TCustomForm*>(AOwner);
  if (!FForm || FComponentState.Contains(csDesigning)) {
    FForm = nullptr;
    return;
  }
  FOldWndMethod = FForm->WindowProc;
  FForm->WindowProc = [this](TMessage& Message) { WndProc(Message); };
}

TQvQQAlign::~TQvQQAlign() {
  if (FForm) FForm->WindowProc = std::move(FOldWndMethod);
}

void TQvQQAlign::SetActive(bool Value) {
  FActive = Value;
  FTimer->SetEnabled(Value && !FCurAnchors.Empty());
}

void TQvQQAlign::DoAlign(TRect& R) {
  if (!FForm) return;
  const TSize Work = WorkAreaSize(FForm);
  FCurAnchors =
      QvDockAlign(R, FAnchors, FForm->Width(), FForm->Height(), Work.cx, Work.cy, FForm->Left());
  FTimer->SetEnabled(FActive && !FCurAnchors.Empty());
}

HWND TQvQQAlign::FindCurHWMD(TPoint Pos) const {
  if (!FForm || !FForm->HandleAllocated()) return nullptr;
  HWND Form = FForm->Handle();
  TPoint C = FForm->ScreenToClient(Pos);
  TRect R = FForm->ClientRect();
  if (C.X >= R.Left && C.X < R.Right && C.Y >= R.Top && C.Y < R.Bottom) return Form;
  HWND Under = WindowFromPoint({Pos.X, Pos.Y});
  // A control of the form counts as the form.
  if (Under && GetAncestor(Under, GA_ROOT) == Form) return Form;
  return Under;
}

void TQvQQAlign::WndProc(TMessage& Message) {
  if (!FActive || FForm->WindowState() != wsNormal || FComponentState.Contains(csDesigning)) {
    FOldWndMethod(Message);
    return;
  }
  switch (Message.Msg) {
    case WM_SHOWWINDOW: {
      RECT R{FForm->Left(), FForm->Top(), FForm->Left() + FForm->Width(),
             FForm->Top() + FForm->Height()};
      FForm->Perform(WM_MOVING, 0, reinterpret_cast<intptr_t>(&R));
      FOldWndMethod(Message);
      return;
    }
    case WM_MOVING: {
      auto* Moving = reinterpret_cast<RECT*>(Message.LParam);
      TRect R{Moving->left, Moving->top, Moving->right, Moving->bottom};
      DoAlign(R);
      *Moving = RECT{R.Left, R.Top, R.Right, R.Bottom};
      Message.Result = TRUE;
      return;
    }
    default:
      FOldWndMethod(Message);
  }
}

void TQvQQAlign::fOnTimer(TObject*) {
  if (!FForm || FComponentState.Contains(csDesigning)) return;
  POINT Cursor;
  if (!GetCursorPos(&Cursor)) return;
  const bool Over = FindCurHWMD({Cursor.x, Cursor.y}) == FForm->Handle();
  const TSize Work = WorkAreaSize(FForm);
  TPoint P = QvDockSlide({FForm->Left(), FForm->Top()}, FCurAnchors, FAnchors, Over, FForm->Width(),
                         FForm->Height(), Work.cx);
  if (P.X != FForm->Left() || P.Y != FForm->Top())
    FForm->SetBounds(P.X, P.Y, FForm->Width(), FForm->Height());
}

const TPropTable& TQvQQAlign::Properties() const {
  using C = TQvQQAlign;
  static const TPropTable Table = TComponent::Properties().With({
      Prop(L"Active", &C::Active, &C::SetActive, DefaultActive),
      SetProp(L"Anchors", &C::Anchors, &C::SetAnchors, DefaultAnchors, TAnchorKindNames),
  });
  return Table;
}

}  // namespace qv
