// The self-drawn edits: plain, read-only and disabled edits, every TextKind, hint text, items
// on both sides and the built-in check box, a password edit, a spin edit, and Chinese text
// with a selection. The right third stays free for the hint bubble and the tips.
#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinCtrls.h"

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
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
  }

  void Hide() override { FHost.reset(); }

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

  static constexpr int kPad = 16;
  std::unique_ptr<TControlsHost> FHost;
};

const TPageRegistration gRegistration(110, [] {
  return std::unique_ptr<TGalleryPage>(new TEditsPage());
});

}  // namespace

}  // namespace gallery
