// The extended combos and the search edit: a combo whose check-box popup is open on a
// Chinese list filtered by the pinyin initials "zw", a single-pick combo, a pick-only
// combo, and a search edit showing its suggestions. In screenshot mode the popups open
// once the page has painted.
#include <windows.h>

#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvLikeMenuDlg.h"
#include "controls/QvSkinComboBoxEx.h"
#include "controls/QvSkinSearchEdit.h"
#include "host/Timer.h"

namespace gallery {

namespace {

using namespace qv;

const wchar_t* const kCities[] = {L"中文", L"北京", L"上海", L"张伟",   L"中国",  L"周五",
                                  L"文章", L"广州", L"深圳", L"Zwolle", L"Zürich"};
const wchar_t* const kFruits[] = {L"Apple",  L"Apricot", L"Avocado", L"Banana",
                                  L"Cherry", L"Grape",   L"Papaya",  L"Pear"};

template <size_t N>
void Fill(TStringList* List, const wchar_t* const (&Items)[N]) {
  for (const wchar_t* S : Items) List->Add(S);
}

class TComboExPage : public TGalleryPage {
 public:
  String Title() const override { return L"Extended combos and search"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    constexpr int X = 24, X2 = 380, X3 = 660;

    FHost->Heading(X, 16, L"TQvSkinComboBoxEx: check boxes, pinyin filter");
    FHost->Label(X, 44, L"Type \"zw\": 中文, 张伟, 周五 stay");
    FChecks = AddControl<TQvSkinComboBoxEx>(FHost.get(), FHost.get(), X, 64, 220, 26);
    Fill(FChecks->Items(), kCities);
    FChecks->Options()->SetCheckBoxSupport(true);
    FChecks->Options()->SetActivePinyinFilter(true);
    FChecks->CheckedItems()->Add(L"中文");
    FChecks->SetText(L"中文");

    FHost->Heading(X2, 16, L"Single pick");
    FHost->Label(X2, 44, L"Editable, with a filter in the popup");
    auto* Pick = AddControl<TQvSkinComboBoxEx>(FHost.get(), FHost.get(), X2, 64, 220, 26);
    Fill(Pick->Items(), kFruits);
    Pick->SetItemIndex(2);
    FHost->Label(X2, 110, L"Pick only (csDropDownList)");
    auto* List = AddControl<TQvSkinComboBoxEx>(FHost.get(), FHost.get(), X2, 130, 220, 26);
    Fill(List->Items(), kCities);
    List->SetStyle(csDropDownList);
    List->Options()->SetActivePinyinFilter(true);
    List->SetItemIndex(1);

    FHost->Heading(X3, 16, L"TQvSkinSearchEdit");
    FHost->Label(X3, 44, L"Suggestions while typing");
    FSearch = AddControl<TQvSkinSearchEdit>(FHost.get(), FHost.get(), X3, 64, 220, 26);
    Fill(FSearch->Items(), kFruits);

    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
    if (!AnimationsFrozen()) return;
    // Opened after the first paint, so the popups sit over a finished page.
    FTimer = std::make_unique<TTimer>(nullptr);
    FTimer->SetInterval(60);
    FTimer->OnTimer = [this](TObject*) {
      FTimer->SetEnabled(false);
      FChecks->DoDropArrowBtnClick(FChecks);
      if (TPopupList_NormalForm* P = FChecks->Popup()) P->edtKeyFilter()->SetText(L"zw");
      FSearch->SetText(L"ap");
      FSearch->DoPupupList();
      // An armed popup watches the cursor every 20 ms: the still picture keeps both
      // popups shown, disarmed.
      for (TQvComboExPopupForm* P : {static_cast<TQvComboExPopupForm*>(FChecks->Popup()),
                                     static_cast<TQvComboExPopupForm*>(FSearch->PopupList())})
        if (P) {
          P->qvkmndlg1()->OnMouseClickOutside = nullptr;
          P->qvkmndlg1()->Stop();
        }
    };
    FTimer->SetEnabled(true);
  }

  bool Settled() const override { return !FTimer || !FTimer->Enabled(); }

  void Hide() override {
    FTimer.reset();
    FHost.reset();
  }

 private:
  std::unique_ptr<TControlsHost> FHost;
  std::unique_ptr<TTimer> FTimer;
  TQvSkinComboBoxEx* FChecks = nullptr;
  TQvSkinSearchEdit* FSearch = nullptr;
};

const TPageRegistration gRegistration(122, [] {
  return std::unique_ptr<TGalleryPage>(std::make_unique<TComboExPage>());
});

}  // namespace

}  // namespace gallery
