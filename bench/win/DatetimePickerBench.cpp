// Opening the date-time picker's popup: building it, showing and painting it, and closing
// it again, against a plain Win32 popup of the same size with as many child windows
// created, shown and destroyed in the same run. Building the popup's parts without windows
// is reported on its own.
#include <windows.h>

#include <memory>
#include <vector>

#include "WinBench.h"
#include "controls/QvDateMath.h"
#include "controls/QvDateTimePickerForm.h"
#include "controls/QvSkinDatetimePicker.h"
#include "host/Application.h"
#include "host/Form.h"

namespace {

using namespace qv;

// Shows all windows of a popup at once, so the figures include the paint.
void PaintNow(HWND H) {
  RedrawWindow(H, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

const winbench::TRegistration gPopup("DatetimePickerPopup", [](winbench::TReport& R) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBorderStyle(bsNone);
  Form->SetBounds(100, 100, 300, 60);
  auto* Picker = new TQvSkinDatetimePicker(Form.get());
  Picker->SetBounds(10, 10, 145, 26);
  Picker->SetParent(Form.get());
  Picker->SetDateTime(EncodeDateTime(2015, 6, 18, 10, 20, 30, 0));
  Form->Show();
  Application->ProcessMessages();

  R.Result("build the popup's parts (no windows)",
           R.TimeMs([&] { delete new TQvDateTimePickerForm(Picker); }), "ms");
  R.Result("open, paint and close the popup", R.TimeMs([&] {
    Picker->DropDown();
    PaintNow(Picker->Popup()->Handle());
    Picker->CloseUp();
    Application->ProcessMessages();
  }),
           "ms");
  // The popup holds 20 windows: the form, panels, buttons, labels and the calendar.
  R.Result("reference: plain popup with 20 child windows", R.TimeMs([&] {
    HWND P = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"STATIC", L"",
                             WS_POPUP | WS_CLIPCHILDREN, 101, 137, 248, 232, nullptr, nullptr,
                             nullptr, nullptr);
    for (int I = 0; I < 19; ++I)
      CreateWindowExW(0, L"BUTTON", L"00", WS_CHILD | WS_VISIBLE, 8 + I % 5 * 40, 8 + I / 5 * 40,
                      36, 23, P, nullptr, nullptr, nullptr);
    ShowWindow(P, SW_SHOWNOACTIVATE);
    PaintNow(P);
    DestroyWindow(P);
    Application->ProcessMessages();
  }),
           "ms");
});

}  // namespace
