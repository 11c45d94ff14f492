#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "forms/QvFormBorder.h"
#include "forms/QvFormGeometry.h"
#include "forms/QvFormSkinVar.h"
#include "forms/QvMessages.h"
#include "forms/QvSkinForm.h"
#include "forms/QvSkinFormDpi.h"
#include "forms/QvSkinHelper.h"
#include "forms/QvSkinMainMenu.h"
#include "forms/QvSkinNCButton.h"
#include "forms/QvSkinRes.h"
#include "forms/QvSystemMenu.h"
#include "host/Application.h"
#include "host/Form.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

// Newer than the systems the headers are set for; older systems never send it.
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinForm>(), true);

HWND Wnd(TWinControl* C) {
  return C && C->HandleAllocated() ? HWND(C->Handle()) : nullptr;
}

bool Sizeable(TFormBorderStyle S) {
  return S == bsSizeable || S == bsSizeToolWin;
}

// The desktop composition would draw its own caption buttons over a window that keeps
// WS_CAPTION (kept for snapping and the minimise animation): the skin paints the frame.
void DisableCompositionFrame(HWND H) {
  static auto Set = [] {
    HMODULE M = LoadLibraryW(L"dwmapi.dll");
    return M ? reinterpret_cast<HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD)>(
                   reinterpret_cast<void*>(GetProcAddress(M, "DwmSetWindowAttribute")))
             : nullptr;
  }();
  if (!Set) return;
  constexpr DWORD DWMWA_NCRENDERING_POLICY = 2, DWMNCRP_DISABLED = 1;
  DWORD Policy = DWMNCRP_DISABLED;
  Set(H, DWMWA_NCRENDERING_POLICY, &Policy, sizeof(Policy));
}

// Edges of the monitor holding an auto-hidden taskbar (per monitor, Windows 8 and later).
constexpr DWORD kGetAutoHideBarEx = 0x0B;  // ABM_GETAUTOHIDEBAREX
TSides AutoHideEdges(const RECT& Monitor) {
  TSides Edges;
  static const std::pair<UINT, TSide> Map[] = {
      {ABE_LEFT, sdLeft}, {ABE_TOP, sdTop}, {ABE_RIGHT, sdRight}, {ABE_BOTTOM, sdBottom}};
  for (auto [Edge, Side] : Map) {
    APPBARDATA D{};
    D.cbSize = sizeof(D);
    D.uEdge = Edge;
    D.rc = Monitor;
    if (SHAppBarMessage(kGetAutoHideBarEx, &D)) Edges.Include(Side);
  }
  return Edges;
}

}  // namespace

// ---- TQvSkinFormOptions ----

void TQvSkinFormOptions::Assign(TPersistent* Source) {
  if (!AssignProperties(*this, Source)) TPersistent::Assign(Source);
}

const TPropTable& TQvSkinFormOptions::Properties() const {
  using C = TQvSkinFormOptions;
  static const TPropTable Table = TPersistent::Properties().With({
      Prop(L"MinimizeToTaskbar", &C::MinimizeToTaskbar, &C::SetMinimizeToTaskbar),
      Prop(L"HideInTaskbar", &C::HideInTaskbar, &C::SetHideInTaskbar),
      EnumProp(L"DragFullWindows", &C::DragFullWindows, &C::SetDragFullWindows,
               TDragFullWindowsKindNames),
      Prop(L"SnapLayouts", &C::SnapLayouts, &C::SetSnapLayouts, DefaultSnapLayouts),
  });
  return Table;
}

// ---- the form lookup of parent-background capture ----

void InstallFormSkinLookup() {
  SetFormSkinLookup([](TCustomForm* Form) -> IQvFormBackgroundSource* {
    TQvFormSkinHelper* Registry = TQvFormSkinHelperObj();
    TQvFormSkinPair* Pair = Registry ? Registry->Get(Form) : nullptr;
    return Pair ? Pair->SkinForm : nullptr;
  });
}

// ---- TQvSkinForm: life ----

TQvSkinForm::TQvSkinForm(TComponent* AOwner)
    : TQvHookWindowProc(AOwner),
      FOptions(std::make_unique<TQvSkinFormOptions>()),
      FMainMenu(std::make_unique<TQvSkinMainMenu>(FDestForm, this)) {
  if (TQvFormSkinHelper* Registry = TQvFormSkinHelperObj(); Registry && FDestForm)
    Registry->Add(FDestForm, this);
  InstallFormSkinLookup();
  if (Designing() || !FDestForm) return;
  FCanMaximize = FDestForm->BorderIcons().Contains(biMaximize);
  FCreatedMaximized = FDestForm->WindowState() == wsMaximized;
  FActive = true;
  FDestForm->SetAutoScroll(false);
  if (!AppInHighDPIMode()) FDestForm->SetScaled(false);
  FMainWindowHookId =
      Application
          ? Application->HookMainWindow([this](TMessage& M) { return MainWindowHook(M) != 0; })
          : -1;
  ResetBkColor();
}

TQvSkinForm::~TQvSkinForm() {
  if (FMainWindowHookId >= 0 && Application) Application->UnhookMainWindow(FMainWindowHookId);
  if (TQvFormSkinHelper* Registry = TQvFormSkinHelperObj(); Registry && FDestForm)
    Registry->Remove(FDestForm);
  if (FDestForm && FDestForm->HandleAllocated())
    for (uintptr_t Id : {kNCPaintTimer, kShowTimer, kMenuTimer, kMinimizedTimer})
      KillTimer(Wnd(FDestForm), Id);
  ForgetControls();
}

void TQvSkinForm::ForgetControls() {
  // The controls belong to their owner; they only forget who registered them.
  for (TQvSkinNCCtrlBase* C : FNCCtrlList) C->SetParentObject(nullptr);
  FNCCtrlList.clear();
}

void TQvSkinForm::Notification(TComponent* AComponent, TOperation Operation) {
  TQvHookWindowProc::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinRes) FSkinRes = nullptr;
  if (AComponent == FImageBorder) FImageBorder = nullptr;
  if (FMainMenu) FMainMenu->ComponentRemoved(AComponent);
  // By address: a control being destroyed is only a TComponent by now.
  std::erase_if(FNCCtrlList,
                [&](TQvSkinNCCtrlBase* C) { return static_cast<TComponent*>(C) == AComponent; });
}

bool TQvSkinForm::IsMainForm() const {
  return Application && Application->MainForm() == FDestForm;
}

// ---- properties ----

void TQvSkinForm::SetFramWidth(Integer Value) {
  if (Value < 0 || Value == FFramWidth) return;
  FFramWidth = Value;
  FRealFrameWidth = Value;
  if (Value == 0) FFlatFrame = true;
}

void TQvSkinForm::SetTitlerColor(TColor Value) {
  FTitlerColor = Value;
  FNCBkColor = Value;
}

void TQvSkinForm::SetCustomPicture(const String& Value) {
  if (FCustomPicture == Value) return;
  FCustomPicture = Value;
  PictureChanged();
}

void TQvSkinForm::PictureChanged() {
  if (gQvFormStyle && Tag() != kPrivateStyleTag) gQvFormStyle->SetCustomPicture(FCustomPicture);
}

void TQvSkinForm::SetSkinRes(TQvSkinRes* Value) {
  if (FSkinRes == Value) return;
  if (FSkinRes) FSkinRes->RemoveFreeNotification(this);
  FSkinRes = Value;
  if (FSkinRes) {
    FSkinRes->FreeNotification(this);
    UseMainSkin();
  }
}

void TQvSkinForm::SetImageBorder(TQvFormLayerBorder* Value) {
  if (FImageBorder == Value) return;
  if (FImageBorder) FImageBorder->RemoveFreeNotification(this);
  FImageBorder = Value;
  if (!FImageBorder) return;
  FImageBorder->FreeNotification(this);
  FImageBorder->QvSkinForm = this;
  if (!Designing() && FDestForm && FDestForm->Visible()) {
    FImageBorder->InitFrame(FDestForm);
    FImageBorder->CheckFormAlpha(false);
    FImageBorder->ShowWithForm({FNCCtrlList.begin(), FNCCtrlList.end()});
  }
}

int TQvSkinForm::ScaledTitleHeight() const {
  return GetDPIScaledPixels(FDestForm, FTitleHeight);
}

void TQvSkinForm::ApplyFrameWidth(Integer Value) {
  if (FFramWidth == Value) return;
  FFramWidth = Value;
  // The client area follows the new frame at once.
  if (HWND H = Wnd(FDestForm))
    SetWindowPos(H, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- changes and skin sharing ----

void TQvSkinForm::EndChange() {
  --FChangeCount;
  if (FChangeCount == 0) DoChanged();
}

void TQvSkinForm::DoChanged() {
  if (Designing() || FChangeCount > 0 || FDoChanging) return;
  TScopedValue Running(FDoChanging, true);
  TScopeExit Fire([this] {
    if (Changed) Changed(this);
  });
  if (HWND H = Wnd(FDestForm)) {
    DrawNCRect();
    RedrawWindow(H, nullptr, nullptr, RDW_INVALIDATE);
  }
  if (Tag() != kPrivateStyleTag) ResetGQvFormStyle();
  if (TQvWinControlHelper* Controls = TQvWinControlHelperObj()) {
    std::vector<TWinControl*> List;
    for (int I = 0; I < Controls->Count(); ++I) List.push_back(Controls->Items(I));
    for (TWinControl* C : List) {
      if (HWND H = Wnd(C); H && HasNonClientArea(H)) SendMessageW(H, WM_NCPAINT, 0, 0);
      C->Invalidate();
    }
  }
}

void TQvSkinForm::ResetGQvFormStyle() {
  if (!gQvFormStyle) return;
  auto Updating = UpdateScope(*gQvFormStyle);
  gQvFormStyle->SetColor(FColor);
  gQvFormStyle->SetCustomPicture(FCustomPicture);
  gQvFormStyle->SetFramWidth(FFramWidth);
  gQvFormStyle->SetHitTestWidth(FHitTestWidth);
  gQvFormStyle->SetStyle(FStyle);
  gQvFormStyle->SetTitlerColor(FTitlerColor);
}

void TQvSkinForm::InvalidateNC() {
  if (HWND H = Wnd(FDestForm)) SendMessageW(H, MM_INVALIDATE, 0, 0);
}

void TQvSkinForm::RefreshSkin() {
  if (HWND H = Wnd(FDestForm)) SendMessageW(H, MM_REFRESHSKIN, 0, 0);
}

void TQvSkinForm::UseMainSkin() {
  if (Designing() || !FSkinRes) return;
  TQvFormSkinRes* S = FSkinRes->Form();
  FColor = S->Color();
  FCustomPicture = S->CustomPicture();
  FGradientHeight = S->GradientHeight();
  FStyle = S->Style();
  SetTitlerColor(S->TitlerColor());
  if (FStyle == ssColor)
    ResetBkColor();
  else
    ResetBkGraphic();
  ResetGQvFormStyle();
  // The title-bar menu items are rebuilt for the new skin at the next paint.
  FMainMenu->Reset();
  DoChanged();
}

void TQvSkinForm::SetMainMenu(TQvSkinMainMenu* Value) {
  FMainMenu->Assign(Value);
}

void TQvSkinForm::CreateMainMenu() {
  if (!Designing()) FMainMenu->CreateItems();
}

void TQvSkinForm::DialogKey(TMessage& Message) {
  // Alt is answered and still passed on, so the system's menu mode keeps working.
  if (Message.WParam == VK_MENU) {
    Message.Result = 1;
    return PassOn(Message);
  }
  // Only Alt+key: a plain character typed into the form opens no menu.
  const bool Alt = (Message.LParam & (1 << 29)) != 0 || GetKeyState(VK_MENU) < 0;
  if (Message.Msg == CM_DIALOGKEY && Alt && FMainMenu->Accelerate(uint16_t(Message.WParam))) {
    Message.Result = 1;
    return;
  }
  PassOn(Message);
}

void TQvSkinForm::RemoveNCCtrl(TQvSkinNCCtrlBase* Ctrl) {
  for (auto It = FNCCtrlList.rbegin(); It != FNCCtrlList.rend(); ++It)
    if (*It == Ctrl) {
      FNCCtrlList.erase(std::next(It).base());
      delete Ctrl;
      return;
    }
}

void TQvSkinForm::AddNCCtrl(TQvSkinNCCtrlBase* Ctrl) {
  if (!TakeOnNCCtrl(FNCCtrlList, FDestForm, Ctrl, this)) return;
  if (FImageBorder) FImageBorder->NCCtrlList = {FNCCtrlList.begin(), FNCCtrlList.end()};
  InvalidateNC();
}

void TQvSkinForm::DoDPICHANGED() {
  for (TQvSkinNCCtrlBase* C : std::vector<TQvSkinNCCtrlBase*>(FNCCtrlList)) C->DPIChanged();
}

void TQvSkinForm::BroadcastMsg(uint32_t Msg) {
  if (!FDestForm) return;
  for (int I = 0; I < FDestForm->ControlCount(); ++I)
    if (HWND H = Wnd(dynamic_cast<TWinControl*>(FDestForm->Controls(I))))
      PostMessageW(H, Msg, 0, 0);
}

int TQvSkinForm::GetMaxWidth() const {
  TRect R;
  GetMonitorWorkArea(Wnd(FDestForm), true, R);
  return R.Width();
}

int TQvSkinForm::GetMaxHeight() const {
  TRect R;
  GetMonitorWorkArea(Wnd(FDestForm), true, R);
  return R.Height();
}

// ---- region ----

void TQvSkinForm::CreateNewRegion() {
  if (Designing() || FRgnChanging || !FRgnChanged) return;
  HWND H = Wnd(FDestForm);
  if (!H) return;
  TScopedValue Running(FRgnChanging, true);
  FRgnChanged = false;
  RECT WR;
  GetWindowRect(H, &WR);
  const int W = WR.right - WR.left + 1, Hh = WR.bottom - WR.top + 1;
  HRGN Rgn;
  if (!FRoundWindow || IsZoomed(H)) {
    Rgn = CreateRectRgn(0, 0, W, Hh);
  } else {
    Rgn = CreateRoundRectRgn(0, 0, W, Hh, 4, 4);
    if (FFramWidth <= 1 && !FFlatFrame) {
      // Only the top corners are round.
      HRGN Bottom = CreateRectRgn(0, Hh - 11, W, Hh);
      CombineRgn(Rgn, Rgn, Bottom, RGN_OR);
      DeleteObject(Bottom);
    }
  }
  SetWindowRgn(H, Rgn, TRUE);  // the system owns the region now
}

// ---- minimise and restore ----

void TQvSkinForm::StartMinimizing() {
  if (Application) Application->ProcessMessages();
  FFormState = (FFormState & ~(fsMinimizing | fsRestoring)) | fsMinimizing;
  if (BlockUIFlash && FDestForm) {
    FOldAlphaEnabled = FDestForm->AlphaBlend();
    FOldAlphaValue = FDestForm->AlphaBlendValue();
    FDestForm->SetAlphaBlend(true);
    FDestForm->SetAlphaBlendValue(0);
  }
  if (FImageBorder) FImageBorder->Minimizing();
}

void TQvSkinForm::StartRestoring() {
  if (FFormState & fsRestoring) return;
  if (Application) Application->ProcessMessages();
  FFormState = (FFormState & ~fsMinimizing) | fsRestoring;
  if (BlockUIFlash && FDestForm) {
    FDestForm->SetAlphaBlendValue(FOldAlphaValue ? FOldAlphaValue : 255);
    FDestForm->SetAlphaBlend(FOldAlphaEnabled);
  }
  if (FDestForm && FDestForm->CanFocus()) FDestForm->SetFocus();
  if (FImageBorder) FImageBorder->Restoring();
}

void TQvSkinForm::BorderRestoreFollow() {
  if (!FImageBorder || !FDestForm) return;
  FImageBorder->ReAlign();
  FImageBorder->MoveWithForm(FDestForm->Left(), FDestForm->Top());
}

int TQvSkinForm::MainWindowHook(TMessage& M) {
  // The application window stands for the main form on the taskbar only when it owns the
  // button; its minimise and restore requests then reach the main form's skin.
  if (!FActive || !IsMainForm()) return 0;
  if (M.Msg == WM_WINDOWPOSCHANGING) {
    auto* Pos = reinterpret_cast<WINDOWPOS*>(M.LParam);
    if (Pos && Pos->flags == (SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER)) StartRestoring();
    return 0;
  }
  if (M.Msg != WM_SYSCOMMAND) return 0;
  switch (M.WParam & 0xFFF0) {
    case SC_MINIMIZE:
      if (!IsIconic(Application->Handle()) && FDestForm->Visible()) {
        StartMinimizing();
        Application->Minimize();
        return 1;
      }
      return 0;
    case SC_RESTORE:
      Application->Restore();
      StartRestoring();
      BorderRestoreFollow();
      return 1;
  }
  return 0;
}

void TQvSkinForm::WindowPosChanging(TMessage& Message) {
  auto* Pos = reinterpret_cast<WINDOWPOS*>(Message.LParam);
  const UINT Flags = Pos->flags;
  bool Visible = FDestForm->Visible();
  if (((Flags & 0x170) == 0x170 || ((Flags & 0x97) == 0x97 && IsMainForm())) && Visible) {
    if (!(FFormState & fsMinimizing)) StartMinimizing();
  } else if (!IsMainForm() && FImageBorder) {
    if (Flags & SWP_HIDEWINDOW)
      FImageBorder->Minimizing();
    else if ((Flags & SWP_SHOWWINDOW) && !IsIconic(Wnd(FDestForm)))
      FImageBorder->Restoring();
  }
}

// ---- showing ----

void TQvSkinForm::ShowingChanged(TMessage& Message) {
  HWND H = Wnd(FDestForm);
  if (!FDestForm->Showing()) {
    PassOn(Message);
    if (FImageBorder) FImageBorder->Hide();
    return;
  }
  TCustomForm* Main = Application ? Application->MainForm() : nullptr;
  if (H) {
    LONG_PTR Ex = GetWindowLongPtrW(H, GWL_EXSTYLE);
    if (FOptions->MinimizeToTaskbar() && Main && Main != FDestForm) {
      Ex |= WS_EX_APPWINDOW;
      SetWindowLongPtrW(H, GWLP_HWNDPARENT, 0);
    }
    if (FOptions->HideInTaskbar() && Main) Ex = (Ex & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW;
    SetWindowLongPtrW(H, GWL_EXSTYLE, Ex);
    // WS_SYSMENU stays: it carries the system menu (Alt+Space, a right click on the title)
    // and the taskbar's window menu.
    DisableCompositionFrame(H);
  }
  if (FImageBorder) {
    FImageBorder->InitFrame(FDestForm);
    FImageBorder->Show(FDestForm->Left(), FDestForm->Top(), FDestForm->Width(),
                       FDestForm->Height());
  }
  if (!FSkinRes) {
    if (FStyle == ssColor)
      ResetBkColor();
    else
      ResetBkGraphic();
  }
  if (!FFixedStartFlash) {
    // Shown fully transparent first, so the first frame the user sees is skinned.
    FFixedStartFlash = true;
    FStartAlphaArmed = true;
    FStartAlphaEnabled = FDestForm->AlphaBlend();
    FStartAlphaValue = FDestForm->AlphaBlendValue();
    FDestForm->SetAlphaBlend(true);
    FDestForm->SetAlphaBlendValue(0);
    if (FImageBorder && H) SetTimer(H, kMinimizedTimer, 500, nullptr);
  }
  PassOn(Message);
  if (FDestForm->Visible() && H) {
    SetTimer(H, kShowTimer, 30, nullptr);
    if (FCreatedMaximized && IsZoomed(H)) {
      FCreatedMaximized = false;
      ApplyFrameWidth(0);
    }
  }
}

void TQvSkinForm::Timer(TMessage& Message) {
  HWND H = Wnd(FDestForm);
  switch (Message.WParam) {
    case kNCPaintTimer:
      KillTimer(H, kNCPaintTimer);
      SendMessageW(H, WM_NCPAINT, 0, 0);
      return;
    case kShowTimer:
      KillTimer(H, kShowTimer);
      if (FImageBorder) {
        FImageBorder->CheckFormAlpha(false);
        FImageBorder->ShowWithForm({FNCCtrlList.begin(), FNCCtrlList.end()});
      }
      if (FStartAlphaArmed) {
        FStartAlphaArmed = false;
        FDestForm->SetAlphaBlendValue(FStartAlphaValue);
        FDestForm->SetAlphaBlend(FStartAlphaEnabled);
      }
      if (IsZoomed(H)) {
        RECT R;
        GetWindowRect(H, &R);
        SetWindowPos(H, nullptr, 0, 0, R.right - R.left, R.bottom - R.top + 1,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      return;
    case kMenuTimer:
      KillTimer(H, kMenuTimer);
      FMainMenu->OpenPending();
      return;
    case kMinimizedTimer:
      if (IsIconic(H) && FImageBorder) FImageBorder->Minimizing();
      return;
    default:
      PassOn(Message);
  }
}

// ---- geometry ----

void TQvSkinForm::HitTest(TMessage& Message) {
  HWND H = Wnd(FDestForm);
  RECT WR;
  GetWindowRect(H, &WR);
  TPoint P{int16_t(LOWORD(Message.LParam)) - WR.left, int16_t(HIWORD(Message.LParam)) - WR.top};
  if (FDestForm->Parent()) {
    // A parented form: the point in the parent's client coordinates, less the form's place.
    TPoint C = FDestForm->Parent()->ScreenToClient(
        TPoint{int16_t(LOWORD(Message.LParam)), int16_t(HIWORD(Message.LParam))});
    P = TPoint{C.X - FDestForm->Left(), C.Y - FDestForm->Top()};
  }
  RECT CR;
  GetClientRect(H, &CR);
  MapWindowPoints(H, nullptr, reinterpret_cast<POINT*>(&CR), 2);
  TQvFormHitTest In;
  In.Window = TSize{int(WR.right - WR.left), int(WR.bottom - WR.top)};
  In.HitTestWidth = FHitTestWidth;
  In.TitleHeight = ScaledTitleHeight();
  In.Client = TRect{int(CR.left - WR.left), int(CR.top - WR.top), int(CR.right - WR.left),
                    int(CR.bottom - WR.top)};
  In.SizingZones = Sizeable(FDestForm->BorderStyle()) && !IsZoomed(H);
  In.MaxButton = MaxButtonRect();
  int Hit = FormHitTest(In, P);
  FIgnoreNCHit = IsSizingHit(Hit);
  Message.Result = Hit;
}

TRect TQvSkinForm::MaxButtonRect() const {
  if (!FOptions->SnapLayouts()) return {};
  for (TQvSkinNCCtrlBase* C : FNCCtrlList)
    if (auto* B = dynamic_cast<TQvSkinSystemButton*>(C);
        B && B->Kind() == bkMaximize && B->Visible() && B->Enabled() && B->Form() == FDestForm)
      return B->GetRect();
  return {};
}

void TQvSkinForm::MinMaxInfo(TMessage& Message) {
  // The framework first applies the constraints; the skin's limits then keep the maximised
  // form inside its monitor.
  PassOn(Message);
  HWND H = Wnd(FDestForm);
  HMONITOR Mon = MonitorFromWindow(H, MONITOR_DEFAULTTONEAREST);
  MONITORINFO MI{};
  MI.cbSize = sizeof(MI);
  if (!GetMonitorInfoW(Mon, &MI)) return;
  TQvMaxInfoInput In;
  In.Monitor = TRect{MI.rcMonitor.left, MI.rcMonitor.top, MI.rcMonitor.right, MI.rcMonitor.bottom};
  In.WorkArea = TRect{MI.rcWork.left, MI.rcWork.top, MI.rcWork.right, MI.rcWork.bottom};
  if (In.WorkArea == In.Monitor) In.AutoHideEdges = AutoHideEdges(MI.rcMonitor);
  In.CreatedMaximized = FCreatedMaximized;
  In.TitleHeight = ScaledTitleHeight();
  In.FlatFrame = FFlatFrame;
  TSizeConstraints* C = FDestForm->Constraints();
  In.MinSize = TSize{C->MinWidth(), C->MinHeight()};
  In.MaxSize = TSize{C->MaxWidth(), C->MaxHeight()};
  TQvMaxInfo Out = FormMaxInfo(In);
  auto* Info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
  Info->ptMaxPosition = POINT{Out.MaxPosition.X, Out.MaxPosition.Y};
  Info->ptMaxSize = POINT{Out.MaxSize.cx, Out.MaxSize.cy};
  Info->ptMinTrackSize = POINT{Out.MinTrack.cx, Out.MinTrack.cy};
  if (Out.MaxTrack.cx) Info->ptMaxTrackSize.x = Out.MaxTrack.cx;
  if (Out.MaxTrack.cy) Info->ptMaxTrackSize.y = Out.MaxTrack.cy;
  Message.Result = 0;
}

// ---- title-bar mouse ----

TQvSkinNCCtrlBase* TQvSkinForm::ControlUnderMouse() const {
  for (TQvSkinNCCtrlBase* C : FNCCtrlList)
    if (C->Visible() && C->CursorEnter() && C->Form() == FDestForm) return C;
  return nullptr;
}

bool TQvSkinForm::OfferMouse(bool Down) {
  return !FIgnoreNCHit && OfferNCMouse(FNCCtrlList, FDestForm, Down);
}

void TQvSkinForm::NCButtonDown(TMessage& Message) {
  const int Hit = int(Message.WParam);
  BOOL OldDrag = FALSE;
  bool DragChanged = false;
  if (FOptions->DragFullWindows() != wkSystem && (Hit == HTCAPTION || IsSizingHit(Hit))) {
    SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &OldDrag, 0);
    DragChanged =
        SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS,
                              FOptions->DragFullWindows() == wkActive ? 1 : 0, nullptr, 0) != FALSE;
  }
  TScopeExit Restore([&] {
    if (DragChanged) SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, OldDrag, nullptr, 0);
  });
  if (FActive && OfferMouse(true)) return;
  PassOn(Message);
  if (FImageBorder) FImageBorder->MoveWithForm(FDestForm->Left(), FDestForm->Top());
}

void TQvSkinForm::NCButtonUp(TMessage& Message) {
  if (FActive && OfferMouse(false)) return;
  PassOn(Message);
}

void TQvSkinForm::NCDoubleClick(TMessage& Message) {
  if (TQvSkinNCCtrlBase* C = ControlUnderMouse(); C && C->BlocksCaptionDoubleClick()) return;
  if (!FCanMaximize) return;
  TFormBorderStyle B = FDestForm->BorderStyle();
  if (B != bsSingle && B != bsSizeable) return;
  HWND H = Wnd(FDestForm);
  RECT WR;
  GetWindowRect(H, &WR);
  int X = int16_t(LOWORD(Message.LParam)) - WR.left, Y = int16_t(HIWORD(Message.LParam)) - WR.top;
  if (X >= 0 && X < WR.right - WR.left && Y >= 0 && Y < ScaledTitleHeight())
    SendMessageW(H, WM_SYSCOMMAND, IsZoomed(H) ? SC_RESTORE : SC_MAXIMIZE, 0);
}

// ---- the window procedure ----

void TQvSkinForm::NewWndProc(TMessage& Message) {
  if (!FDestForm) return PassOn(Message);
  const bool Framed = FActive && FDestForm->BorderStyle() != bsNone;
  HWND H = Wnd(FDestForm);
  switch (Message.Msg) {
    case WM_SIZE:
      PassOn(Message);
      FRgnChanged = true;
      if (!Designing() && H) SetTimer(H, kNCPaintTimer, 50, nullptr);
      if (FImageBorder) FImageBorder->SetBoundsWithForm();
      if (FStyle == ssPicture && (FFillStyle == mfsStretch || FFillStyle == mfs9Block)) DoChanged();
      return;
    case WM_PAINT: {
      if (Message.WParam) {
        PaintClient(HDC(Message.WParam));
      } else {
        PAINTSTRUCT PS;
        HDC DC = BeginPaint(H, &PS);
        PaintClient(DC);
        EndPaint(H, &PS);
      }
      Message.Result = 1;
      return;
    }
    case WM_ERASEBKGND:
      Message.Result = 1;
      if (FEraseBackGround && Message.WParam) EraseClient(HDC(Message.WParam));
      return;
    case WM_SETCURSOR:
      if (HWND(Message.WParam) == H && gHookedCursor) {
        Message.Result = 1;
        return;
      }
      return PassOn(Message);
    case WM_GETMINMAXINFO:
      if (Framed) return MinMaxInfo(Message);
      return PassOn(Message);
    case WM_WINDOWPOSCHANGING:
      WindowPosChanging(Message);
      return PassOn(Message);
    case WM_WINDOWPOSCHANGED:
      if (H && IsZoomed(H)) {
        ApplyFrameWidth(0);
        if (FImageBorder) FImageBorder->Minimizing();
      } else if (H && IsIconic(H)) {
        if (FImageBorder) FImageBorder->Minimizing();
      } else {
        ApplyFrameWidth(FRealFrameWidth);
        auto* Pos = reinterpret_cast<WINDOWPOS*>(Message.LParam);
        if (FImageBorder) FImageBorder->MoveWithForm(Pos->x, Pos->y);
      }
      return PassOn(Message);
    case WM_NCCALCSIZE:
      if (Framed) {
        RECT* R = reinterpret_cast<RECT*>(Message.LParam);
        R->left += FFramWidth;
        R->right -= FFramWidth;
        R->bottom -= FFramWidth;
        R->top += ScaledTitleHeight();
        if (R->right < R->left) R->right = R->left;
        if (R->bottom < R->top) R->bottom = R->top;
        Message.Result = 0;
        return;
      }
      return PassOn(Message);
    case WM_NCHITTEST:
      if (Framed) return HitTest(Message);
      return PassOn(Message);
    case WM_NCPAINT:
      Message.Result = 1;
      if (FActive) {
        CreateNewRegion();
        DrawNCRect();
      }
      return;
    case WM_NCACTIVATE:
      // Nothing painted: the skin's title looks the same active or not.
      Message.Result = 1;
      return;
    case WM_SETTEXT:
    case WM_SETICON:
      // The system paints its own caption on these; the skin paints over it at once.
      PassOn(Message);
      if (Framed) DrawNCRect();
      return;
    case WM_NCMOUSEMOVE: {
      PassOn(Message);
      TPoint P{int16_t(LOWORD(Message.LParam)), int16_t(HIWORD(Message.LParam))};
      for (size_t I = 0; I < FNCCtrlList.size(); ++I) FNCCtrlList[I]->NCMouseMove(P);
      return;
    }
    case WM_NCLBUTTONDOWN:
      return NCButtonDown(Message);
    case WM_NCLBUTTONUP:
      return NCButtonUp(Message);
    case WM_NCLBUTTONDBLCLK:
      if (FActive) NCDoubleClick(Message);
      return;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
      // A right click on the skinned title opens the system menu on release. The platform
      // would test the point against its own, smaller caption and show nothing below it.
      if (Framed && Message.WParam == HTCAPTION) {
        if (Message.Msg == WM_NCRBUTTONUP)
          TrackSystemMenu(FDestForm, TPoint{Message.XPos(), Message.YPos()});
        return;
      }
      return PassOn(Message);
    case WM_EXITMENULOOP:
      // The platform's menu mode draws its system button into the caption; the skin's
      // title comes back.
      PassOn(Message);
      if (Framed) DrawNCRect();
      return;
    case WM_SYSCOMMAND:
      switch (Message.WParam & 0xFFF0) {
        case SC_MINIMIZE:
          // With BlockUIFlash the form goes transparent before it shrinks to the taskbar.
          if (BlockUIFlash) StartMinimizing();
          PassOn(Message);
          if (!BlockUIFlash) StartMinimizing();
          return;
        case SC_MAXIMIZE:
          ApplyFrameWidth(0);
          PassOn(Message);
          if (FImageBorder) FImageBorder->ReAlign();
          return;
        case SC_RESTORE:
          PassOn(Message);
          if (FRealFrameWidth != 0 && H && !IsIconic(H)) ApplyFrameWidth(FRealFrameWidth);
          StartRestoring();
          BorderRestoreFollow();
          return;
      }
      return PassOn(Message);
    case WM_TIMER:
      return Timer(Message);
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
      return DialogKey(Message);
    case CM_VISIBLECHANGED:
      PassOn(Message);
      if (FImageBorder) {
        if (Message.WParam)
          FImageBorder->Restoring();
        else
          FImageBorder->Minimizing();
      }
      return;
    case CM_SHOWINGCHANGED:
      return ShowingChanged(Message);
    case MM_INVALIDATE:
      if (H && !IsIconic(H)) {
        CreateNewRegion();
        DrawNCRect();
      }
      if (FImageBorder && !FImageBorder->Transparent())
        if (auto* Top = FImageBorder->Window(mpflTop); Top && Top->HandleAllocated())
          SendMessageW(HWND(Top->Handle()), MM_INVALIDATE, Message.WParam, Message.LParam);
      return;
    case MM_REFRESHSKIN:
      if (FStyle == ssColor)
        ResetBkColor();
      else
        ResetBkGraphic();
      DoChanged();
      return;
    case MM_SKINRESCHANGED:
      UseMainSkin();
      return;
    case MM_ADDNCCTRL:
      AddNCCtrl(reinterpret_cast<TQvSkinNCCtrlBase*>(Message.WParam));
      return;
    case MM_REMOVENCCTRL:
      RemoveNCCtrl(reinterpret_cast<TQvSkinNCCtrlBase*>(Message.WParam));
      return;
    case WM_DPICHANGED:
    case WM_GETDPISCALEDSIZE:
      if (!SkinFormDpiMessage(*this, Message)) PassOn(Message);
      return;
    case MM_MENUCLOSED:
      // A next item waits for the closing menu loop to end before it opens.
      if (FMainMenu->MenuClosed() && H) SetTimer(H, kMenuTimer, 20, nullptr);
      return;
    default:
      return PassOn(Message);
  }
}

const TPropTable& TQvSkinForm::Properties() const {
  using C = TQvSkinForm;
  static const TPropTable Table = TQvHookWindowProc::Properties().With({
      Prop(L"TitleHeight", &C::TitleHeight, &C::SetTitleHeight, DefaultTitleHeight),
      Prop(L"FramWidth", &C::FramWidth, &C::SetFramWidth, DefaultFramWidth),
      Prop(L"HitTestWidth", &C::HitTestWidth, &C::SetHitTestWidth, DefaultHitTestWidth),
      Prop(L"FlatFrame", &C::FlatFrame, &C::SetFlatFrame),
      Prop(L"RoundWindow", &C::RoundWindow, &C::SetRoundWindow, DefaultRoundWindow),
      Prop(L"DoubleFrame", &C::DoubleFrame, &C::SetDoubleFrame, DefaultDoubleFrame),
      ColorProp(L"Color", &C::Color, &C::SetColor, DefaultColor),
      ColorProp(L"TitlerColor", &C::TitlerColor, &C::SetTitlerColor, DefaultTitlerColor),
      ColorProp(L"FrameColor", &C::FrameColor, &C::SetFrameColor),
      Prop(L"KeepFrameColor", &C::KeepFrameColor, &C::SetKeepFrameColor),
      Prop(L"KeepTitlerColor", &C::KeepTitlerColor, &C::SetKeepTitlerColor),
      Prop(L"ActiveGradient", &C::ActiveGradient, &C::SetActiveGradient, DefaultActiveGradient),
      Prop(L"GradientHeight", &C::GradientHeight, &C::SetGradientHeight, DefaultGradientHeight),
      EnumProp(L"Style", &C::Style, &C::SetStyle, TQvSkinStyleNames),
      ResIDProp(L"CustomPicture", &C::CustomPicture, &C::SetCustomPicture),
      EnumProp(L"FillStyle", &C::FillStyle, &C::SetFillStyle, TQvFillStyleNames),
      Prop(L"EraseBackGround", &C::EraseBackGround, &C::SetEraseBackGround),
      ObjectProp(L"Options", &C::Options),
      ObjectProp(L"MainMenu", &C::MainMenu),
      RefProp(L"SkinRes", &C::SkinRes,
              [](C& F, const String& Name) {
                F.SetSkinRes(dynamic_cast<TQvSkinRes*>(FindReferencedComponent(&F, Name)));
              }),
      RefProp(L"ImageBorder", &C::ImageBorder,
              [](C& F, const String& Name) {
                F.SetImageBorder(
                    dynamic_cast<TQvFormLayerBorder*>(FindReferencedComponent(&F, Name)));
              }),
  });
  return Table;
}

}  // namespace qv
