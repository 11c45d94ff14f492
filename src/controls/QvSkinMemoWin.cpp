#include <windows.h>

#include <algorithm>

#include "controls/QvAccessibleWin.h"
#include "controls/QvSkinBarLinks.h"
#include "controls/QvSkinMemo.h"
#include "forms/QvMessages.h"
#include "graphics/QvCommParentImage.h"
#include "host/Colors.h"
#include "host/Font.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "raster/Bitmap32.h"

namespace qv {

namespace {

const bool kRegistered =
    (RegisterComponentClass<TQvSkinMemo>(), RegisterComponentClass<TQvSkinMemoEx>(), true);

}  // namespace

TQvSkinCustomMemo::TQvSkinCustomMemo(TComponent* AOwner) : TWinControl(AOwner) {
  SetTabStop(true);
  SetColor(clWindow);
  SetParentColor(false);
  SetBounds(Left(), Top(), 185, 89);
}

TQvSkinCustomMemo::~TQvSkinCustomMemo() {
  ReleaseBars(this, {FVScrollBar, FHScrollBar});
  if (FQvSkinBorderPanel) FQvSkinBorderPanel->RemoveFreeNotification(this);
}

void TQvSkinCustomMemo::SetQvSkinBorderPanel(TQvSkinBorderPanel* Value) {
  if (FQvSkinBorderPanel == Value) return;
  if (FQvSkinBorderPanel) FQvSkinBorderPanel->RemoveFreeNotification(this);
  FQvSkinBorderPanel = Value;
  if (Value) Value->FreeNotification(this);
}

void TQvSkinCustomMemo::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  if (HandleAllocated()) DoPaint();
}

void TQvSkinCustomMemo::SetReadOnly(bool Value) {
  FReadOnly = Value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, Value, 0);
}

void TQvSkinCustomMemo::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TQvSkinCustomMemo::SetBar(TQvSkinScrollBar*& Field, TQvSkinScrollBar* Value) {
  if (Field == Value) return;
  if (Field) {
    Field->OnChange = nullptr;
    Field->RemoveFreeNotification(this);
  }
  Field = Value;
  if (Value) {
    Value->FreeNotification(this);
    Value->SetRange(0, 0, 0, 0);
    Value->SetBindingWinControl(this);
    Value->OnChange = [this](TObject* Sender) { BarChanged(Sender); };
  }
  // The platform keeps a scroll state only for the directions whose style is on.
  if (HandleAllocated()) RecreateWnd();
}

TQvAccessibleInfo TQvSkinCustomMemo::AccessibleInfo() const {
  TQvAccessibleInfo Info;
  Info.Role = arEditableText;
  Info.Value = Text();
  Info.State.Include(asFocusable);
  if (FReadOnly) Info.State.Include(asReadOnly);
  if (!Enabled()) Info.State.Include(asDisabled);
  if (!Visible()) Info.State.Include(asInvisible);
  return Info;
}

String TQvSkinCustomMemo::Text() const {
  if (!FHandle) return TWinControl::Text();
  String S(size_t(GetWindowTextLengthW(FHandle)), L'\0');
  if (!S.empty()) S.resize(size_t(GetWindowTextW(FHandle, S.data(), int(S.size()) + 1)));
  return S;
}

int TQvSkinCustomMemo::LineCount() {
  return HandleAllocated() ? int(SendMessageW(Handle(), EM_GETLINECOUNT, 0, 0)) : 0;
}

void TQvSkinCustomMemo::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, L"EDIT");
  Params.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (!FWordWrap || FHScrollBar) Params.Style |= ES_AUTOHSCROLL;
  if (FVScrollBar) Params.Style |= WS_VSCROLL;
  if (FHScrollBar) Params.Style |= WS_HSCROLL;
  if (FReadOnly) Params.Style |= ES_READONLY;
  Params.Style &= ~uint32_t(WS_BORDER);
  Params.ExStyle &= ~uint32_t(WS_EX_CLIENTEDGE);
  Params.WindowClass.Style &= ~uint32_t(CS_HREDRAW | CS_VREDRAW);
}

void TQvSkinCustomMemo::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
  // The frame is ours: the window has no non-client area.
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  UpDateScrollRange();
}

void TQvSkinCustomMemo::DestroyWnd() {
  // The text lives in the window: keep it for the next one.
  FText = Text();
  TWinControl::DestroyWnd();
}

void TQvSkinCustomMemo::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FVScrollBar) FVScrollBar = nullptr;
  if (AComponent == FHScrollBar) FHScrollBar = nullptr;
  if (AComponent == FQvSkinBorderPanel) FQvSkinBorderPanel = nullptr;
}

// ---- scroll bars -------------------------------------------------------------------

void TQvSkinCustomMemo::MirrorBar(TQvSkinScrollBar* Bar, TQvNativeScrollMirror& Mirror,
                                  bool Vertical) {
  if (!Bar) return;
  if (!Enabled()) {
    Bar->SetEnabled(false);
    return;
  }
  const TQvNativeScroll S = Mirror.Read(HandleAllocated() ? Handle() : nullptr);
  // Vertically the bar is used while the page is shorter than the lines; horizontally
  // while it is shorter than the maximum itself.
  const bool Used = S.Page > 0 && (Vertical ? S.Page < S.Max + 1 : S.Page < S.Max);
  if (Used) {
    Mirror.FromNative(Handle(), Bar);
    Bar->SetEnabled(true);
  } else {
    Bar->SetRange(0, 0, 0, 0);
    Bar->SetEnabled(false);
  }
}

void TQvSkinCustomMemo::UpDateScrollRange() {
  MirrorBar(FVScrollBar, FVMirror, true);
  MirrorBar(FHScrollBar, FHMirror, false);
}

void TQvSkinCustomMemo::BarChanged(TObject* Sender) {
  auto* Bar = static_cast<TQvSkinScrollBar*>(Sender);
  if (!HandleAllocated()) return;
  (Bar == FVScrollBar ? FVMirror : FHMirror).ToNative(Handle(), Bar);
  if (OnScrollBarChange) OnScrollBarChange(Bar);
}

// ---- painting ----------------------------------------------------------------------

void TQvSkinCustomMemo::DrawMemoBackGround(HDC DC) {
  const TRect R = ClientRect();
  if (R.IsEmpty()) return;
  TBitmap32 B;
  B.SetSize(R.Width(), R.Height());
  if (FTransparent)
    DrawParentImage(this, &B, BoundsRect());
  else
    B.Clear(Color32(Color()));
  B.DrawTo(DC, 0, 0);
}

// The background and the platform's text into a memory copy, then one copy to DC: no
// flicker between the two.
void TQvSkinCustomMemo::PaintTo(HDC DC) {
  const int W = Width() + 1, H = Height() + 1;
  HDC Mem = CreateCompatibleDC(DC);
  HBITMAP Bmp = CreateCompatibleBitmap(DC, W, H);
  HGDIOBJ Old = SelectObject(Mem, Bmp);
  TScopeExit Free([&] {
    SelectObject(Mem, Old);
    DeleteObject(Bmp);
    DeleteDC(Mem);
  });
  {
    TScopedValue<bool> Stop(FStopDraw, true);
    SendMessageW(Handle(), WM_ERASEBKGND, WPARAM(Mem), 0);
    SendMessageW(Handle(), WM_PAINT, WPARAM(Mem), 0);
  }
  BitBlt(DC, 0, 0, Width(), Height(), Mem, 0, 0, SRCCOPY);
}

void TQvSkinCustomMemo::DoPaint() {
  if (!HandleAllocated() || FStopDraw) return;
  HideCaret(Handle());
  HDC DC = GetDC(Handle());
  PaintTo(DC);
  ReleaseDC(Handle(), DC);
  ShowCaret(Handle());
}

bool TQvSkinCustomMemo::RefusedWhileReadOnly(const TMessage& Message) const {
  if (!FReadOnly) return false;
  switch (Message.Msg) {
    case WM_KEYDOWN:
      return Message.WParam == VK_DELETE;
    case WM_CHAR:
      return Message.WParam != 3;  // Ctrl+C
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
      return true;
  }
  return false;
}

void TQvSkinCustomMemo::WndProc(TMessage& Message) {
  if (RefusedWhileReadOnly(Message)) {
    Message.Result = 0;
    return;
  }
  switch (Message.Msg) {
    case WM_GETOBJECT:
      if ((Message.Result = AccessibleObjectResult(this, Message.WParam, Message.LParam))) return;
      break;
    case WM_NCCALCSIZE:
      Message.Result = 0;  // the client area is the whole window
      return;
    case WM_NCHITTEST:
      Message.Result = HTCLIENT;
      return;
    case WM_NCPAINT:
      Message.Result = 0;
      return;
    case WM_PAINT:
      if (FStopDraw) break;
      {
        PAINTSTRUCT PS;
        HDC DC = Message.WParam ? reinterpret_cast<HDC>(Message.WParam) : BeginPaint(Handle(), &PS);
        PaintTo(DC);
        if (!Message.WParam) EndPaint(Handle(), &PS);
      }
      Message.Result = 0;
      return;
    case WM_ERASEBKGND:
      if (Message.WParam == 0) break;
      if (FStopDraw)
        DrawMemoBackGround(reinterpret_cast<HDC>(Message.WParam));
      else
        DoPaint();
      Message.Result = 1;
      return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
      if (!FTransparent) break;
      SetBkMode(reinterpret_cast<HDC>(Message.WParam), TRANSPARENT);
      SetTextColor(reinterpret_cast<HDC>(Message.WParam), ColorToRGB(Font()->Color()));
      Message.Result = intptr_t(GetStockObject(NULL_BRUSH));
      return;
    case WM_MOUSEWHEEL:
      // One line per notch, like the arrows of the bar.
      SendMessageW(Handle(), WM_VSCROLL,
                   short(HIWORD(Message.WParam)) <= 0 ? SB_LINEDOWN : SB_LINEUP, 0);
      Message.Result = 0;
      return;
    case WM_VSCROLL:
    case WM_HSCROLL:
      // The platform repaints line by line while scrolling; one copy paint instead.
      SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
      TWinControl::WndProc(Message);
      SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
      UpDateScrollRange();
      DoPaint();
      return;
    case CN_COMMAND:
      switch (Message.WParamHi()) {
        case EN_CHANGE:
          UpDateScrollRange();
          DoPaint();
          if (OnChange) OnChange(this);
          break;
        case EN_VSCROLL:
        case EN_HSCROLL:
          UpDateScrollRange();
          break;
      }
      TWinControl::WndProc(Message);
      return;
    case CM_ENABLEDCHANGED:
      TWinControl::WndProc(Message);
      if (HandleAllocated()) SendMessageW(Handle(), WM_HSCROLL, SB_THUMBPOSITION, 0);
      UpDateScrollRange();
      return;
    case CM_ENTER:
    case CM_EXIT:
      TWinControl::WndProc(Message);
      if (FQvSkinBorderPanel) FQvSkinBorderPanel->UpdateFrame(false, Message.Msg == CM_ENTER);
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TWinControl::WndProc(Message);
      if (FQvSkinBorderPanel) FQvSkinBorderPanel->UpdateFrame(true, Message.Msg == CM_MOUSEENTER);
      return;
    case CWM_CHECKPARENTBG:
    case CM_PARENTCOLORCHANGED:
      TWinControl::WndProc(Message);
      if (FTransparent || Message.Msg == CWM_CHECKPARENTBG) Invalidate();
      return;
  }
  TWinControl::WndProc(Message);
  switch (Message.Msg) {
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case WM_SETTEXT:
    case WM_SIZE:
    case WM_LBUTTONUP:
      UpDateScrollRange();
      break;
    case WM_MOVE:
      Invalidate();
      break;
  }
}

void TQvSkinCustomMemo::Loaded() {
  TWinControl::Loaded();
  if (auto* P = TakeReference<TQvSkinBorderPanel>(this, FPendingPanel)) SetQvSkinBorderPanel(P);
  if (auto* V = TakeReference<TQvSkinScrollBar>(this, FPendingVBar)) SetVScrollBar(V);
  if (auto* H = TakeReference<TQvSkinScrollBar>(this, FPendingHBar)) SetHScrollBar(H);
}

const TPropTable& TQvSkinCustomMemo::Properties() const {
  using C = TQvSkinCustomMemo;
  static const TPropTable Table = TWinControl::Properties().With({
      RefProp(L"QvSkinBorderPanel", &C::QvSkinBorderPanel,
              [](C& M, const String& Name) { M.FPendingPanel = Name; }),
      RefProp(L"VScrollBar", &C::VScrollBar,
              [](C& M, const String& Name) { M.FPendingVBar = Name; }),
      RefProp(L"HScrollBar", &C::HScrollBar,
              [](C& M, const String& Name) { M.FPendingHBar = Name; }),
      Prop(L"Transparent", &C::Transparent, &C::SetTransparent),
      Prop(L"ReadOnly", &C::ReadOnly, &C::SetReadOnly),
      Prop(L"WordWrap", &C::WordWrap, &C::SetWordWrap, DefaultWordWrap),
  });
  return Table;
}

// ---- memo with its bars ------------------------------------------------------------

TQvSkinMemoEx::TQvSkinMemoEx(TComponent* AOwner) : TQvSkinBorderPanel(AOwner) {
  SetCMMouse(false);
  SetAlpha(255);
  SetTransparent(false);
  FVScrollBar = new TQvSkinScrollBar(this);
  FVScrollBar->SetKind(sbVertical);
  FVScrollBar->SetAlign(alRight);
  FVScrollBar->SetAutoHide(true);
  FVScrollBar->SetTransparent(false);
  FVScrollBar->SetParent(this);
  FHScrollBar = new TQvSkinScrollBar(this);
  FHScrollBar->SetAlign(alBottom);
  FHScrollBar->SetAutoHide(true);
  FHScrollBar->SetTransparent(false);
  FHScrollBar->SetParent(this);
  FMemo = new TQvSkinMemo(this);
  FMemo->SetAlign(alClient);
  FMemo->SetParent(this);
  FMemo->SetVScrollBar(FVScrollBar);
  FMemo->SetHScrollBar(FHScrollBar);
  FMemo->SetQvSkinBorderPanel(this);
}

}  // namespace qv
