// Lists and combos: a list box with its skinned bar, combo boxes in edit and list style
// (the list-style popup is open), and a colour combo with its swatches.
#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinColorComboBox.h"
#include "controls/QvSkinComboBox.h"
#include "controls/QvSkinListBox.h"

namespace gallery {

namespace {

using namespace qv;

const wchar_t* const kFruits[] = {L"Apple",  L"Apricot", L"Banana", L"Blueberry",
                                  L"Cherry", L"Grape",   L"Lemon",  L"Mango",
                                  L"Orange", L"Peach",   L"Pear",   L"Plum"};

class TListsPage : public TGalleryPage {
 public:
  String Title() const override { return L"Lists and combos"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    ListBoxes(16, 16);
    Combos(360, 16);
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
    // One popup open, so that the drop-down shows; held still for a screenshot.
    FOpen->SetCloseOnClickOutside(!AnimationsFrozen());
    FOpen->DropDown();
  }

  void Hide() override {
    if (FOpen) FOpen->CloseUp(false);
    FOpen = nullptr;
    FHost.reset();
  }

 private:
  template <typename T>
  T* Add(int X, int Y, int W, int H) {
    return AddControl<T>(FHost.get(), FHost.get(), X, Y, W, H);
  }

  void ListBoxes(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinListBox");
    FHost->Label(X, Y + 30, L"30 items: a mirrored skinned bar");
    auto* L = Add<TQvSkinListBox>(X, Y + 50, 160, 180);
    L->Items()->BeginUpdate();
    for (int I = 1; I <= 30; ++I) L->Items()->Add(L"Row " + std::to_wstring(I));
    L->Items()->EndUpdate();
    L->SetItemIndex(2);
    FHost->Label(X + 190, Y + 30, L"RowCount 4 of 12 items");
    auto* R = Add<TQvSkinListBox>(X + 190, Y + 50, 140, 100);
    for (const wchar_t* S : kFruits) R->Items()->Add(S);
    R->SetRowCount(4);
    FHost->Label(X, Y + 250, L"A long caption ends in an ellipsis");
    auto* Long = Add<TQvSkinListBox>(X, Y + 270, 160, 64);
    Long->Items()->Add(L"A caption far too long for the width of its list box");
    Long->Items()->Add(L"Short");
  }

  void Combos(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinComboBox");
    FHost->Label(X, Y + 30, L"Edit style: type to complete");
    auto* E = Add<TQvSkinComboBox>(X, Y + 50, 180, 26);
    for (const wchar_t* S : kFruits) E->Items()->Add(S);
    E->SetItemIndex(2);
    FHost->Label(X + 200, Y + 30, L"List style: open");
    FOpen = Add<TQvSkinComboBox>(X + 200, Y + 50, 180, 26);
    FOpen->SetStyle(csDropDownList);
    for (const wchar_t* S : kFruits) FOpen->Items()->Add(S);
    FOpen->SetItemIndex(4);
    FHost->Heading(X, Y + 250, L"TQvSkinColorComboBox");
    FHost->Label(X, Y + 280, L"Standard colours and Custom...");
    auto* C = Add<TQvSkinColorComboBox>(X, Y + 300, 180, 26);
    C->SetExStyle({qvcbStandardColors, qvcbCustomColor, qvcbPrettyNames});
    C->SetSelected(clTeal);
  }

  std::unique_ptr<TControlsHost> FHost;
  TQvSkinComboBox* FOpen = nullptr;
};

const TPageRegistration kRegistration(120,
                                      [] { return std::unique_ptr<TGalleryPage>(new TListsPage); });

}  // namespace

}  // namespace gallery
