#include <algorithm>

#include "host/ControlsWin.h"
#include "host/Font.h"
#include "host/HintWindow.h"
#include "host/Screen.h"

namespace qv {

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle.Include(csOpaque);
  SetColor(int32_t(0xFF000018));  // clInfoBk
  // The platform's status font is the hint font.
  NONCLIENTMETRICSW M{};
  M.cbSize = sizeof(M);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(M), &M, 0)) {
    TFont* F = &Canvas()->Font();
    F->SetName(M.lfStatusFont.lfFaceName);
    F->SetHeight(M.lfStatusFont.lfHeight);
  }
  Canvas()->Font().SetColor(int32_t(0xFF000017));  // clInfoText
}

void THintWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  Params.WndParent = nullptr;
  Params.WindowClass.Style |= CS_SAVEBITS | CS_DROPSHADOW;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const String& AHint, void*) {
  HDC DC = GetDC(nullptr);
  HGDIOBJ Old = SelectObject(DC, Canvas()->Font().Handle());
  RECT R{0, 0, std::max(MaxWidth, 1), 0};
  DrawTextW(DC, AHint.c_str(), int(AHint.size()), &R,
            DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(DC, Old);
  ReleaseDC(nullptr, DC);
  return Rect(0, 0, R.right + 8, R.bottom + 4);
}

void THintWindow::ActivateHintData(const TRect& Rect, const String& AHint, void*) {
  ActivateHint(Rect, AHint);
}

void THintWindow::ActivateHint(const TRect& ARect, const String& AHint) {
  SetCaption(AHint);
  // Keep the hint on the monitor it belongs to.
  TRect R = ARect;
  if (Screen)
    if (TMonitor* M = Screen->MonitorFromPoint({R.Left, R.Top})) {
      TRect Area = M->WorkareaRect();
      if (R.Right > Area.Right) OffsetRect(R, Area.Right - R.Right, 0);
      if (R.Bottom > Area.Bottom) OffsetRect(R, 0, Area.Bottom - R.Bottom);
      if (R.Left < Area.Left) OffsetRect(R, Area.Left - R.Left, 0);
      if (R.Top < Area.Top) OffsetRect(R, 0, Area.Top - R.Top);
    }
  SetBounds(R.Left, R.Top, R.Width(), R.Height());
  SetWindowPos(Handle(), HWND_TOPMOST, R.Left, R.Top, R.Width(), R.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
}

void THintWindow::ReleaseHandle() {
  DestroyHandle();
}

bool THintWindow::IsHintMsg(const TMessage& Msg) const {
  switch (Msg.Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
    case WM_MOUSEWHEEL:
      return true;
  }
  return false;
}

void THintWindow::Paint() {
  HDC DC = Canvas()->Handle();
  RECT R;
  GetClientRect(FHandle, &R);
  InflateRect(&R, -2, -2);
  int Saved = SaveDC(DC);
  SelectObject(DC, Canvas()->Font().Handle());
  SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, ColorToPlatform(Canvas()->Font().Color()));
  String Text = Caption();
  DrawTextW(DC, Text.c_str(), int(Text.size()), &R, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
  RestoreDC(DC, Saved);
}

void THintWindow::WndProc(TMessage& Message) {
  if (Message.Msg == WM_NCHITTEST) {
    Message.Result = HTTRANSPARENT;  // the mouse goes to what lies under the hint
    return;
  }
  TCustomControl::WndProc(Message);
}

}  // namespace qv
