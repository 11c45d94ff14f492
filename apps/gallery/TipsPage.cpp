// Hints and tips: panels whose hints show as the skinned bubble beside them, tip windows
// with and without a title on panels and at a rectangle (click a panel to show its tip
// again), and the edit's message tip to the right of an input field. In screenshot mode
// the bubble and the tips are opened once the page has painted, and held still.
#include <windows.h>

#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinCtrls.h"
#include "controls/QvSkinEditTips.h"
#include "controls/QvSkinHint.h"
#include "controls/QvSkinTips.h"
#include "host/Application.h"
#include "host/Timer.h"

namespace gallery {

namespace {

using namespace qv;

class TTipsPage : public TGalleryPage {
 public:
  String Title() const override { return L"Hints and tips"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    FHint = std::make_unique<TQvSkinHint>(nullptr);
    FTips = std::make_unique<TQvSkinTips>(nullptr);
    FTips->SetPauseTime(0);

    FHost->Heading(kPad, 16, L"TQvSkinHint: rest the mouse on a panel");
    FHintTarget = Block(kPad, 50, 180, 34, L"Bubble below",
                        L"Placed beside the control,\r\n"
                        L"pointer towards it");
    Block(kPad + 220, 50, 180, 34, L"Another hint", L"A second hint text");
    FHost->Label(kPad, 170,
                 L"Near the bottom or right edge of the screen the bubble goes above or left.");

    FHost->Heading(kPad, 210, L"TQvSkinTips: click a panel to show its tip again");
    FWithTitle = Block(kPad, 244, 300, 110, L"", L"");
    FWithTitle->OnClick = [this](TObject*) { ShowWithTitle(); };
    FBottom = Block(kPad + 330, 244, 300, 110, L"", L"");
    FBottom->OnClick = [this](TObject*) { ShowAtBottom(); };
    FHost->Label(kPad, 364, L"With a title and close button, on top");
    FHost->Label(kPad + 330, 364, L"Without a title, on the bottom edge");

    FHost->Heading(kPad, 410, L"TQvSkinEditTips: a message to the right of its edit");
    FEdit = Block(kPad, 444, 200, 26, L"", L"");
    FEdit->SetColor(clWhite);
    FEdit->SetAlpha(255);
    FEditTips = new TQvSkinEditTips(FEdit);  // the edit owns its tips
    FEdit->OnClick = [this](TObject*) { ShowEditTip(); };

    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
    ShowWithTitle();
    ShowAtBottom();
    ShowEditTip();
    if (AnimationsFrozen()) {
      FHint->SetHintHidePauseTime(0);
      // Once the page has painted: the bubble over it, everything held still.
      FTimer = std::make_unique<TTimer>(nullptr);
      FTimer->SetInterval(60);
      FTimer->OnTimer = [this](TObject*) {
        FTimer->SetEnabled(false);
        FTips->HoldWindowsStill();
        FEditTips->HoldWindowsStill();
        RedrawWindow(FHost->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        const TPoint C = FHintTarget->ClientToScreen({20, 17});
        SetCursorPos(C.X, C.Y);
        Application->ActivateHint(C);
      };
      FTimer->SetEnabled(true);
    }
  }

  bool Settled() const override { return !FTimer || !FTimer->Enabled(); }

  void Hide() override {
    FTimer.reset();
    if (Application) Application->CancelHint();
    FTips.reset();
    FHint.reset();
    FHost.reset();
  }

 private:
  TQvSkinPanel* Block(int X, int Y, int W, int H, const String& Caption, const String& Hint) {
    auto* P = new TQvSkinPanel(FHost.get());
    P->SetBounds(X, Y, W, H);
    P->SetParent(FHost.get());
    P->SetColor(TColor(0xF0E2C8));
    P->SetAlpha(230);
    P->SetCaption(Caption);
    P->SetCaptionVisible(!Caption.empty());
    if (!Hint.empty()) {
      P->SetHint(Hint);
      P->SetShowHint(true);
    }
    return P;
  }

  void ShowWithTitle() {
    FTips->Show(L"Tip title", L"A tip window with a title, attached to the top of this panel.",
                FWithTitle, nullptr, hdTop);
  }
  void ShowAtBottom() {
    FTips->Show(L"", L"No title: the text alone, on the bottom edge.", FBottom, nullptr, hdBottom);
  }
  void ShowEditTip() {
    FEditTips->SetHideOfParentDeactivate(false);  // the page is no form of its own
    FEditTips->SetPauseTime(0);
    FEditTips->Show(L"Please enter a number");
  }

  static constexpr int kPad = 16;
  std::unique_ptr<TControlsHost> FHost;
  std::unique_ptr<TQvSkinHint> FHint;
  std::unique_ptr<TQvSkinTips> FTips;
  TQvSkinEditTips* FEditTips = nullptr;
  std::unique_ptr<TTimer> FTimer;
  TQvSkinPanel* FHintTarget = nullptr;
  TQvSkinPanel* FWithTitle = nullptr;
  TQvSkinPanel* FBottom = nullptr;
  TQvSkinPanel* FEdit = nullptr;
};

const TPageRegistration gRegistration(113, [] {
  return std::unique_ptr<TGalleryPage>(new TTipsPage());
});

}  // namespace

}  // namespace gallery
