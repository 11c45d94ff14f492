// A change of monitor density of a skinned 960 x 600 form holding 100 skinned controls
// (buttons, check boxes, edits and progress bars)
// (in the high-DPI mode, WM_DPICHANGED as the system sends it, alternating 144 and 96 DPI)
// against a full repaint of the same form in the same run.
#include <windows.h>

#include <memory>
#include <string>

#include "WinBench.h"
#include "controls/QvSkinButton.h"
#include "controls/QvSkinCheckBox.h"
#include "controls/QvSkinEdit.h"
#include "controls/QvSkinProgressBar.h"
#include "forms/QvSkinForm.h"
#include "forms/QvSkinNCButton.h"
#include "host/Form.h"
#include "host/Platform.h"
#include "host/ScopeGuard.h"

namespace {

using namespace qv;

const winbench::TRegistration gDpiChange("SkinForm.DpiChange", [](winbench::TReport& R) {
  SetAppHighDPIMode(true);
  TScopeExit Off([] { SetAppHighDPIMode(false); });
  constexpr int L = 40, T = 40, W = 960, H = 600;
  auto F = std::make_unique<TForm>(nullptr);
  F->SetBounds(L, T, W, H);
  auto* Skin = new TQvSkinForm(F.get());
  for (TSystemButtonKind K : {bkClose, bkMaximize, bkMinimize})
    (new TQvSkinSystemButton(F.get()))->SetKind(K);
  // Buttons, check boxes, edits and progress bars: captions, fonts and kept metrics.
  for (int I = 0; I < 100; ++I) {
    TControl* C;
    if (I % 4 == 0)
      C = new TQvSkinButton(F.get());
    else if (I % 4 == 1)
      C = new TQvSkinCheckBox(F.get());
    else if (I % 4 == 2)
      C = new TQvSkinEdit(F.get());
    else
      C = new TQvSkinProgressBar(F.get());
    C->SetCaption(L"Item " + std::to_wstring(I));
    C->SetBounds(8 + (I % 10) * 94, 8 + (I / 10) * 55, 87, 31);
    C->SetParent(F.get());
  }
  F->Show();
  const DWORD Start = GetTickCount();
  while (F->AlphaBlend() && GetTickCount() - Start < 2000) winbench::DrainMessages();
  winbench::DrainMessages();
  HWND Wnd = HWND(F->Handle());

  const double Repaint = R.TimeMs(
      [&] {
        Skin->DoChanged();
        RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      },
      15);
  bool Big = false;
  auto Change = [&] {
    Big = !Big;
    const RECT To = Big ? RECT{L, T, L + W * 3 / 2, T + H * 3 / 2} : RECT{L, T, L + W, T + H};
    SendMessageW(Wnd, WM_DPICHANGED, MAKEWPARAM(Big ? 144 : 96, Big ? 144 : 96), LPARAM(&To));
  };
  // The change itself: every bound, font and title metric, without the repaint it asks for.
  const double Scale = R.TimeMs(Change, 16);
  winbench::DrainMessages();
  // The change as the user sees it: scaled and painted.
  const double Seen = R.TimeMs(
      [&] {
        Change();
        RedrawWindow(Wnd, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
        winbench::DrainMessages();
      },
      16);
  R.Result("full repaint 960x600, 100 controls", Repaint, "ms");
  R.Result("DPI change 96 <-> 144, scaling only", Scale, "ms");
  R.Result("DPI change 96 <-> 144, scaled and repainted", Seen, "ms");
  R.Result("DPI change / full repaint", Seen / Repaint, "x");
});

}  // namespace
