// The self-drawn edits: plain, read-only and disabled edits, every TextKind, hint text, items
// on both sides and the built-in check box, a password edit, a spin edit, and Chinese text
// with a selection. The right third holds the hint bubble, tip windows with and without a
// title (click a panel to show its tip again) and an edit's own tip; in screenshot mode
// they are opened once the page has painted, and held still.
#include <windows.h>

#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinCtrls.h"
#include "controls/QvSkinHint.h"
#include "controls/QvSkinTips.h"
#include "host/Application.h"
#include "host/Timer.h"

namespace gallery {

namespace {

using namespace qv;

class TEditsPage : public TGalleryPage {
 public:
  String Title() const override { return L"Edits and bubbles"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    PlainEdits(kPad, 16);
    Kinds(kPad + 320, 16);
    Items(kPad, 250);
    Variants(kPad + 320, 322);
    Bubbles(kBubblesX, 16);
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
    OpenBubbles();
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
  template <typename T>
  T* Add(int X, int Y, int W = 220) {
    auto* C = new T(FHost.get());
    C->SetBounds(X, Y, W, C->Height());
    C->SetParent(FHost.get());
    return C;
  }

  void PlainEdits(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinEdit");
    Y += 28;
    FHost->Label(X, Y, L"Plain, with a hint text while empty");
    Add<TQvSkinEdit>(X, Y + 18)->SetTextHint(L"Type your name");
    Y += 54;
    FHost->Label(X, Y, L"Filled");
    Add<TQvSkinEdit>(X, Y + 18)->SetText(L"Hello, skinned world");
    Y += 54;
    FHost->Label(X, Y, L"Read-only");
    auto* RO = Add<TQvSkinEdit>(X, Y + 18);
    RO->SetText(L"Can be selected, not changed");
    RO->SetReadOnly(true);
    Y += 54;
    FHost->Label(X, Y, L"Disabled");
    auto* Off = Add<TQvSkinEdit>(X, Y + 18);
    Off->SetText(L"Not available");
    Off->SetEnabled(false);
  }

  void Kinds(int X, int Y) {
    FHost->Heading(X, Y, L"TextKind and CharCase");
    Y += 28;
    struct {
      TQvTextKind Kind;
      const wchar_t *Label, *Text;
    } const Rows[] = {
        {tkAll, L"tkAll: anything", L"Anything at all 123 !?"},
        {tkEN, L"tkEN: ASCII letters", L"OnlyLetters"},
        {tkNumInt, L"tkNumInt: an integer", L"-12345"},
        {tkNumReal, L"tkNumReal: a decimal number", L"3.14159"},
        {tkENandNum, L"tkENandNum: letters, digits, - and .", L"v1.2-beta"},
    };
    for (const auto& Row : Rows) {
      FHost->Label(X, Y, Row.Label);
      auto* E = Add<TQvSkinEdit>(X, Y + 18);
      E->SetTextKind(Row.Kind);
      E->SetText(Row.Text);
      Y += 50;
    }
    FHost->Label(X, Y, L"ecUpperCase");
    auto* Upper = Add<TQvSkinEdit>(X, Y + 18);
    Upper->SetCharCase(ecUpperCase);
    Upper->SetText(L"typed in lower case");
  }

  void Items(int X, int Y) {
    FHost->Heading(X, Y + 40, L"Items inside the edit");
    Y += 68;
    FHost->Label(X, Y, L"Built-in check box, label on the right");
    auto* Check = Add<TQvSkinEdit>(X, Y + 18, 260);
    Check->SetShowCheckBox(true);
    Check->SetChecked(true);
    Check->SetText(L"Remember me");
    TQvEditItem* Unit = Check->EdItems()->AddItem();
    Unit->SetKind(ikText);
    Unit->SetText(L"kg");
    Unit->Pos()->SetAlign(agRight);
    Unit->Pos()->SetX(26);
    Unit->Pos()->SetY(6);
    Y += 54;
    FHost->Label(X, Y, L"Picture on the left, button on the right");
    auto* Both = Add<TQvSkinEdit>(X, Y + 18, 260);
    TQvEditItem* Icon = Both->EdItems()->AddItem();
    Icon->SetKind(ikImage);
    Icon->SetImage(L"QvSkinKeyboard");
    Icon->Pos()->SetX(4);
    Icon->Pos()->SetY(2);
    TQvEditItem* Button = Both->EdItems()->AddItem();
    Button->SetImage(L"QvSkinSpin_normal_down");
    Button->SetImageHot(L"QvSkinSpin_highlight_down");
    Button->SetImagePress(L"QvSkinSpin_pushed_down");
    Button->Pos()->SetAlign(agRight);
    Button->Pos()->SetX(22);
    Button->Pos()->SetY(8);
    Both->SetText(L"Text between two items");
  }

  void Variants(int X, int Y) {
    FHost->Heading(X, Y + 40, L"Password, spin and Chinese text");
    Y += 68;
    FHost->Label(X, Y, L"TQvSkinPasswordEdit");
    Add<TQvSkinPasswordEdit>(X, Y + 18)->SetText(L"secret");
    Y += 54;
    FHost->Label(X, Y, L"TQvSkinSpinEdit (0 to 100)");
    Add<TQvSkinSpinEdit>(X, Y + 18, 120)->SetValue(42);
    Y += 54;
    FHost->Label(X, Y, L"Chinese text with a selection");
    auto* Zh = Add<TQvSkinEdit>(X, Y + 18);
    Zh->SetText(L"自绘编辑框支持中文输入");
    Zh->SetSelStart(2);
    Zh->SetSelLength(3);
  }

  void Bubbles(int X, int Y) {
    FHint = std::make_unique<TQvSkinHint>(nullptr);
    FTips = std::make_unique<TQvSkinTips>(nullptr);
    FTips->SetPauseTime(0);
    FHost->Heading(X, Y, L"TQvSkinHint: rest the mouse on the panel");
    FHintTarget = Block(X, Y + 34, 180, 34, L"Bubble below");
    FHintTarget->SetHint(L"Placed beside the control,\r\npointer towards it");
    FHintTarget->SetShowHint(true);
    Y += 160;
    FHost->Heading(X, Y, L"TQvSkinTips: click a panel to show its tip again");
    FWithTitle = Block(X, Y + 34, 400, 90, L"");
    FWithTitle->OnClick = [this](TObject*) { ShowWithTitle(); };
    FHost->Label(X, Y + 130, L"With a title and close button, on the top edge");
    FNoTitle = Block(X, Y + 164, 400, 90, L"");
    FNoTitle->OnClick = [this](TObject*) { ShowNoTitle(); };
    FHost->Label(X, Y + 260, L"Without a title, on the bottom edge");
    Y += 310;
    FHost->Heading(X, Y, L"TQvSkinEditTips: the edit's own tip");
    FTipEdit = Add<TQvSkinEdit>(X, Y + 34, 200);
    FTipEdit->SetTextKind(tkNumInt);
    FTipEdit->SetTextHint(L"A number");
    // The page is no form of its own, and the tip stays until a key is typed.
    FTipEdit->Tips()->SetHideOfParentDeactivate(false);
    FTipEdit->Tips()->SetPauseTime(0);
  }

  TQvSkinPanel* Block(int X, int Y, int W, int H, const String& Caption) {
    auto* P = new TQvSkinPanel(FHost.get());
    P->SetBounds(X, Y, W, H);
    P->SetParent(FHost.get());
    P->SetColor(TColor(0xF0E2C8));
    P->SetAlpha(230);
    P->SetCaption(Caption);
    P->SetCaptionVisible(!Caption.empty());
    return P;
  }

  void ShowWithTitle() {
    FTips->Show(L"Tip title", L"A tip window with a title, on the top edge of this panel.",
                FWithTitle, nullptr, hdTop);
  }
  void ShowNoTitle() {
    FTips->Show(L"", L"No title: the text alone, on the bottom edge.", FNoTitle, nullptr, hdBottom);
  }

  void OpenBubbles() {
    ShowWithTitle();
    ShowNoTitle();
    FTipEdit->Tips()->Show(L"Please enter a number");
    if (!AnimationsFrozen()) return;
    FHint->SetHintHidePauseTime(0);
    // Once the page has painted: the bubble over it, everything held still.
    FTimer = std::make_unique<TTimer>(nullptr);
    FTimer->SetInterval(60);
    FTimer->OnTimer = [this](TObject*) {
      FTimer->SetEnabled(false);
      FTips->HoldWindowsStill();
      FTipEdit->Tips()->HoldWindowsStill();
      RedrawWindow(FHost->Handle(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
      const TPoint C = FHintTarget->ClientToScreen({20, 17});
      SetCursorPos(C.X, C.Y);
      Application->ActivateHint(C);
    };
    FTimer->SetEnabled(true);
  }

  static constexpr int kPad = 16;
  static constexpr int kBubblesX = 940;
  std::unique_ptr<TControlsHost> FHost;
  std::unique_ptr<TQvSkinHint> FHint;
  std::unique_ptr<TQvSkinTips> FTips;
  std::unique_ptr<TTimer> FTimer;
  TQvSkinPanel* FHintTarget = nullptr;
  TQvSkinPanel* FWithTitle = nullptr;
  TQvSkinPanel* FNoTitle = nullptr;
  TQvSkinEdit* FTipEdit = nullptr;
};

const TPageRegistration gRegistration(110, [] {
  return std::unique_ptr<TGalleryPage>(new TEditsPage());
});

}  // namespace

}  // namespace gallery
