#include <windows.h>

#include "forms/QvFormBorder.h"
#include "forms/QvMessages.h"
#include "forms/QvSkinNCCtrlBase.h"
#include "host/Application.h"
#include "host/GraphicsWin.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvFormLayerBorder>(), true);

// SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING
constexpr UINT kRaiseFlags = 0x613;
// SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW
constexpr UINT kPlaceFlags = 0x51;
constexpr WPARAM kDragCommand = 0xF011;  // SC_MOVE from the mouse
constexpr WPARAM kCaptionDrag = 0xF012;  // SC_MOVE | HTCAPTION

HWND Wnd(TWinControl* C) {
  return HWND(C->Handle());
}

}  // namespace

// The handlers chained into the form reach the border through this link; the border
// clears it when it goes, the form's earlier handlers keep running.
struct TQvFormLayerBorder::TFormLink {
  TQvFormLayerBorder* Border = nullptr;
  TCloseEvent OldClose;
  TNotifyEvent OldShow;
};

// ---- TqvFormLayerWindow ----

TqvFormLayerWindow::TqvFormLayerWindow(TQvFormLayerBorder* ABorder, TqvFormLayerBorderType AType)
    : TForm(ABorder),
      BorderType(AType),
      Drag(ABorder->DragEnabled()),
      FTransparent(ABorder->Transparent()),
      FLayerBorder(ABorder),
      FForm(ABorder->Form()) {
  SetScaled(false);
  SetBorderStyle(bsNone);
  if (FForm && FForm->FormStyle() == fsStayOnTop) SetFormStyle(fsStayOnTop);
}

void TqvFormLayerWindow::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  // No owner window: an owned window would always stay above the form it belongs to.
  Params.WndParent = nullptr;
  Params.Style = WS_POPUP;
  Params.ExStyle = (Params.ExStyle & WS_EX_TOPMOST) | WS_EX_LAYERED | WS_EX_TOOLWINDOW |
                   (FTransparent ? WS_EX_TRANSPARENT : WS_EX_NOACTIVATE);
  Params.WindowClass.Style = CS_DBLCLKS | CS_OWNDC;
}

void TqvFormLayerWindow::DrawSelf(int AFlag) {
  TBitmap32* Piece = FLayerBorder->Piece(BorderType);
  if (!Piece || Piece->Empty()) return;
  TBitmap32 Temp;
  Temp.Assign(Piece);
  if (AFlag == 0 && !FHided && !FTransparent) {
    // The opaque border hosts the title-bar controls of its side.
    const int ShiftRight = FLayerBorder->Size()->Left() + FLayerBorder->Size()->Right();
    for (TQvSkinNCCtrlBase* C : HostedControls(true)) {
      C->HostOn(this, ShiftRight);
      if (Application) Application->ProcessMessages();
      if (C->Visible()) C->Paint(&Temp);
    }
  }
  // The layered window wants premultiplied colour; the skin pictures hold straight alpha.
  for (Integer Y = 0; Y < Temp.Height(); ++Y) {
    auto* Row = reinterpret_cast<uint8_t*>(Temp.ScanLine(Y));
    PremultiplyRow(Row, Row, Temp.Width());
  }
  HWND H = Wnd(this);
  RECT R;
  GetWindowRect(H, &R);
  POINT Dst{R.left, R.top};
  SIZE Size{Temp.Width(), Temp.Height()};
  POINT Src{0, 0};
  BLENDFUNCTION Blend{AC_SRC_OVER, 0, BYTE(AFlag != 0 || FHided ? 0 : 255), AC_SRC_ALPHA};
  HDC Screen = GetDC(nullptr);
  UpdateLayeredWindow(H, Screen, &Dst, &Size, Temp.Handle(), &Src, 0, &Blend, ULW_ALPHA);
  ReleaseDC(nullptr, Screen);
}

std::vector<TQvSkinNCCtrlBase*> TqvFormLayerWindow::HostedControls(bool All) const {
  static constexpr TSideKind SideOf[] = {skdLeft, skdTop, skdRight, skdBottom};
  std::vector<TQvSkinNCCtrlBase*> List;
  for (TObject* O : FLayerBorder->NCCtrlList)
    if (auto* C = dynamic_cast<TQvSkinNCCtrlBase*>(O);
        C && C->PutSide() == SideOf[BorderType] && (All || C->Form() == this))
      List.push_back(C);
  return List;
}

bool TqvFormLayerWindow::OfferMouse(bool Down) {
  bool Taken = false;
  for (TQvSkinNCCtrlBase* C : HostedControls(false))
    if (C->CursorEnter()) {
      if (Down)
        C->LMouseDown();
      else
        C->LMouseUp();
      Taken = true;
      break;
    }
  DrawSelf(0);
  return Taken;
}

void TqvFormLayerWindow::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCHITTEST:
      TForm::WndProc(Message);
      Message.Result = HTOBJECT;  // the whole window is non-client
      return;
    case WM_MOUSEACTIVATE:
      Message.Result = MA_NOACTIVATE;
      return;
    case WM_NCLBUTTONDOWN: {
      Message.WParam = WPARAM(-1);
      bool Taken = OfferMouse(true);
      if (!Taken && Drag && FForm && FForm->HandleAllocated()) {
        ReleaseCapture();
        SendMessageW(Wnd(FForm), WM_SYSCOMMAND, kDragCommand, 0);
      }
      return;
    }
    case WM_NCLBUTTONUP:
      Message.WParam = WPARAM(-1);
      OfferMouse(false);
      return;
    case WM_SYSCOMMAND:
      if ((Message.WParam & 0xFFFF) == kCaptionDrag && FForm && FForm->HandleAllocated())
        Message.Result = SendMessageW(Wnd(FForm), WM_SYSCOMMAND, Message.WParam, Message.LParam);
      return;
    case WM_NCMOUSEMOVE: {
      TForm::WndProc(Message);
      const TPoint P{int16_t(LOWORD(Message.LParam)), int16_t(HIWORD(Message.LParam))};
      for (TQvSkinNCCtrlBase* C : HostedControls(false)) C->NCMouseMove(P);
      return;
    }
    case MM_INVALIDATE:
      DrawSelf(0);
      return;
    default:
      TForm::WndProc(Message);
  }
}

// ---- TQvFormLayerBorder ----

TQvFormLayerBorder::TQvFormLayerBorder(TComponent* AOwner) : TComponent(AOwner) {}

TQvFormLayerBorder::~TQvFormLayerBorder() {
  if (FLink) FLink->Border = nullptr;
  if (FForm) FForm->RemoveFreeNotification(this);
  FreeLayerWindow();
}

void TQvFormLayerBorder::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FForm) {
    // The form goes first: its border goes with it from the screen.
    FreeLayerWindow();
    FForm = nullptr;
    FVisible = false;
  }
  for (auto*& W : FWindows)
    if (W == AComponent) W = nullptr;
}

void TQvFormLayerBorder::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  FNeedReCreateLayerWindow = true;
}

void TQvFormLayerBorder::InitFrame(TCustomForm* AForm) {
  if (FInited || !AForm) return;
  FInited = true;
  FForm = AForm;
  FForm->FreeNotification(this);
  FLink = std::make_shared<TFormLink>();
  FLink->Border = this;
  FLink->OldClose = FForm->OnClose;
  FLink->OldShow = FForm->OnShow;
  std::weak_ptr<TFormLink> Weak = FLink;
  FForm->OnClose = [Weak](TObject* Sender, TCloseAction& Action) {
    auto L = Weak.lock();
    if (!L) return;
    if (L->OldClose) L->OldClose(Sender, Action);
    // A refused close (or one that only minimises) leaves the form up: keep following it.
    if (L->Border && (Action == caHide || Action == caFree)) L->Border->FFormClosed = true;
  };
  FForm->OnShow = [Weak](TObject* Sender) {
    auto L = Weak.lock();
    if (!L) return;
    if (L->OldShow) L->OldShow(Sender);
    if (L->Border) L->Border->FFormClosed = false;
  };
}

void TQvFormLayerBorder::ShowWithForm(const std::vector<TObject*>& NCItems) {
  if (!FForm || FFormClosed) return;
  NCCtrlList = NCItems;
  Show(FForm->Left(), FForm->Top(), FForm->Width(), FForm->Height());
}

TQvBorderLayout TQvFormLayerBorder::Layout(int ALeft, int ATop) const {
  // The thickness follows the form's DPI, as the border's pictures do (their DPI variants).
  auto Scaled = [this](const TQvBorderSize& S, TQvBorderSize& Into) {
    Into.SetAll(GetDPIScaledPixels(FForm, S.Left()), GetDPIScaledPixels(FForm, S.Top()),
                GetDPIScaledPixels(FForm, S.Right()), GetDPIScaledPixels(FForm, S.Bottom()));
  };
  TQvBorderSize Size, Inflate;
  Scaled(FSize, Size);
  Scaled(FInflateSize, Inflate);
  return QvBorderLayout(Bounds(ALeft, ATop, FWidth, FHeight), Size, Inflate, FTransparent);
}

void TQvFormLayerBorder::InitFrameImages() {
  for (auto& P : FPieces) P.reset();
  if (FTransparent && FStretchKind == skTile) FInflateSize.SetAll(0, 0, 0, 0);
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  TQvSkinImage* Img = Manager ? Manager->GetImageByName(FImage, true) : nullptr;
  QvBuildBorderPieces(Img, FStretchKind, Layout(FLeft, FTop), FPieces);
}

bool TQvFormLayerBorder::AllWindows() const {
  for (auto* W : FWindows)
    if (!W) return false;
  return true;
}

bool TQvFormLayerBorder::FormMinimized() const {
  return FForm && ((FForm->HandleAllocated() && IsIconic(Wnd(FForm))) ||
                   FForm->WindowState() == wsMinimized);
}

void TQvFormLayerBorder::DrawAll(int AFlag) {
  for (auto* W : FWindows)
    if (W) {
      W->SetHided(FHide);
      W->DrawSelf(AFlag);
    }
}

void TQvFormLayerBorder::Show(int ALeft, int ATop, int AWidth, int AHeight) {
  if (!FForm || FFormClosed) return;
  if (FVisible && !FNeedReCreateLayerWindow) return;
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  FVisible = true;
  FHide = false;
  InitFrameImages();
  FreeLayerWindow();
  static constexpr TqvFormLayerBorderType kCreateOrder[] = {mpflLeft, mpflRight, mpflTop,
                                                            mpflBottom};
  for (auto Side : kCreateOrder) FWindows[Side] = new TqvFormLayerWindow(this, Side);
  FNeedReCreateLayerWindow = false;
  for (auto Side : {mpflTop, mpflBottom, mpflLeft, mpflRight}) {
    FWindows[Side]->SetHided(false);
    FWindows[Side]->DrawSelf(0);
  }
  PlaceWindows(ALeft, ATop, false);
}

void TQvFormLayerBorder::Show() {
  if (FFormClosed) return;
  FHide = false;
  DrawAll(0);
}

void TQvFormLayerBorder::Hide() {
  FHide = true;
  DrawAll(1);
}

void TQvFormLayerBorder::Minimizing() {
  if (FMinimized) return;
  FMinimized = true;
  FHide = true;
  FVisible = false;
  DrawAll(1);
}

void TQvFormLayerBorder::Restoring() {
  if (!FMinimized || FFormClosed) return;
  FMinimized = false;
  FHide = false;
  FVisible = true;
  DrawAll(0);
}

void TQvFormLayerBorder::ReAlign() {
  if (FForm && FForm->HandleAllocated() && IsZoomed(Wnd(FForm)))
    Minimizing();
  else
    Restoring();
}

void TQvFormLayerBorder::SetBoundsWithForm() {
  if (!FForm || FFormClosed) return;
  if (FForm->WindowState() == wsMaximized || (FForm->HandleAllocated() && IsZoomed(Wnd(FForm)))) {
    Minimizing();
    return;
  }
  if (FHide && !FormMinimized()) Restoring();
  if (FVisible && FForm->Visible())
    SetBounds(FForm->Left(), FForm->Top(), FForm->Width(), FForm->Height());
}

void TQvFormLayerBorder::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (!FVisible || FFormClosed || !FForm) return;
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  InitFrameImages();
  DrawAll(0);
  if (!FormMinimized()) PlaceWindows(ALeft, ATop, true);
}

void TQvFormLayerBorder::MoveWithForm(int ALeft, int ATop) {
  if (!FVisible || FFormClosed || FHide || !AllWindows() || FormMinimized()) return;
  FLeft = ALeft;
  FTop = ATop;
  PlaceWindows(ALeft, ATop, true);
}

void TQvFormLayerBorder::CheckFormAlpha(bool AUpdate) {
  if (FVisible && AUpdate) DrawAll(0);
}

void TQvFormLayerBorder::FreeLayerWindow() {
  for (auto*& W : FWindows) {
    delete W;
    W = nullptr;
  }
  FNeedReCreateLayerWindow = true;
}

void TQvFormLayerBorder::PlaceWindows(int ALeft, int ATop, bool Deferred) {
  if (!FForm || !AllWindows()) return;
  HWND FormWnd = Wnd(FForm);
  HWND Anchor = FormWnd;
  bool TopMost = false;
  if (FForm->FormStyle() == fsStayOnTop) {
    if (GetActiveWindow() == FormWnd) SetWindowPos(FormWnd, HWND_TOP, 0, 0, 0, 0, kRaiseFlags);
    if (FormMinimized()) Anchor = GetWindow(FormWnd, GW_HWNDPREV);
  } else if (GetWindowLongPtrW(FormWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) {
    SetWindowPos(FormWnd, HWND_TOPMOST, 0, 0, 0, 0, kRaiseFlags);
    Anchor = HWND_TOPMOST;
    TopMost = true;
  }
  TQvBorderLayout L = Layout(ALeft, ATop);
  static constexpr TqvFormLayerBorderType kTransparentOrder[] = {mpflTop, mpflBottom, mpflLeft,
                                                                 mpflRight};
  static constexpr TqvFormLayerBorderType kOpaqueOrder[] = {mpflLeft, mpflRight, mpflTop,
                                                            mpflBottom};
  const auto& Order = FTransparent ? kTransparentOrder : kOpaqueOrder;
  HDWP Batch = Deferred ? BeginDeferWindowPos(4) : nullptr;
  for (auto Side : Order) {
    TqvFormLayerWindow* W = FWindows[Side];
    HWND H = Wnd(W);
    TPoint P = L.Pos[Side];
    if (TopMost && (GetWindowLongPtrW(H, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
      RECT R;
      GetWindowRect(H, &R);
      W->TForm::SetBounds(P.X, P.Y, R.right - R.left, R.bottom - R.top);
    } else if (Batch) {
      Batch = DeferWindowPos(Batch, H, Anchor, P.X, P.Y, 0, 0, kPlaceFlags);
    } else {
      SetWindowPos(H, Anchor, P.X, P.Y, 0, 0, kPlaceFlags);
    }
  }
  if (Batch) EndDeferWindowPos(Batch);
  // The form stays above its own border.
  if (TopMost) SetWindowPos(FormWnd, HWND_TOPMOST, 0, 0, 0, 0, kRaiseFlags);
}

const TPropTable& TQvFormLayerBorder::Properties() const {
  using C = TQvFormLayerBorder;
  static const TPropTable Table = TComponent::Properties().With({
      ResIDProp(L"Image", &C::Image, &C::SetImage, DefaultImage),
      ObjectProp(L"Size", &C::Size),
      ObjectProp(L"InflateSize", &C::InflateSize),
      EnumProp(L"StretchKind", &C::StretchKind, &C::SetStretchKind, TQvStretchKindNames),
      Prop(L"Transparent", &C::Transparent, &C::SetTransparent, DefaultTransparent),
      Prop(L"DragEnabled", &C::DragEnabled, &C::SetDragEnabled, DefaultDragEnabled),
  });
  return Table;
}

}  // namespace qv
