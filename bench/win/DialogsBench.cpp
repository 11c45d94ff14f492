// Dialogs: a message box built, shown and freed, and a toast shown and closed, each against
// a plain Win32 popup window created, shown and destroyed in the same run.
#include <windows.h>

#include "WinBench.h"
#include "dialogs/QvMessageBox.h"
#include "dialogs/QvSkinPopupMessage.h"
#include "host/Application.h"

namespace {

const winbench::TRegistration gDialogs("Dialogs", [](winbench::TReport& R) {
  const double Plain = R.TimeMs([&] {
    HWND H = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_CAPTION, 100, 100, 290,
                             130, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(H, SW_SHOWNOACTIVATE);
    DestroyWindow(H);
    winbench::DrainMessages();
  });
  const double Build = R.TimeMs([&] {
    auto Box = qv::NewQvMessageForm(L"Title", L"A message of one line.", qv::biConfirmation,
                                    {qv::mbYes, qv::mbNo, qv::mbCancel}, false, false, 100, 100);
    winbench::DrainMessages();
  });
  const double Shown = R.TimeMs([&] {
    auto Box = qv::NewQvMessageForm(L"Title", L"A message of one line.", qv::biConfirmation,
                                    {qv::mbYes, qv::mbNo, qv::mbCancel}, false, false, 100, 100);
    Box->Show();
    winbench::DrainMessages();
    Box->Hide();
    winbench::DrainMessages();
  });
  qv::TQvSkinPopupMessage Popups(nullptr);
  Popups.SetActiveAnimate(false);
  const double Toast = R.TimeMs([&] {
    Popups.Popup(L"Title", L"A toast with a line of text.", qv::miSuccess)->Close();
    winbench::DrainMessages();
  });
  R.Result("plain popup shown and destroyed", Plain, "ms");
  R.Result("message box built and freed", Build, "ms");
  R.Result("message box shown, hidden and freed", Shown, "ms");
  R.Result("toast shown, closed and freed", Toast, "ms");
  R.Result("message box shown / plain popup", Shown / Plain, "x");
  R.Result("toast / plain popup", Toast / Plain, "x");
});

}  // namespace
