// Pages and toolbars: page controls with tabs on top (one tab hot) and on the left, a
// toolbar overflowing into its scroll arrows, a vertical toolbar with radio items, and a
// tab set with close buttons (drag a tab to reorder).
#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinCtrls.h"
#include "host/Actions.h"
#include "host/Menus.h"

namespace gallery {

namespace {

using namespace qv;

class TPagesPage : public TGalleryPage {
 public:
  String Title() const override { return L"Pages and toolbars"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    PageControls(kPad, 16);
    Toolbars(kPad + 600, 16);
    Tabset(kPad, 330);
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
    // The top control's second tab shows hot, as under the mouse.
    const TRect Hot = FTopPages->GetItemRect(1);
    FTopPages->Perform(WM_MOUSEMOVE, 0, PointToLParam(Hot.Left + 5, Hot.Top + 5));
  }

  void Hide() override { FHost.reset(); }

 private:
  template <typename T>
  T* Add(int X, int Y, int W, int H) {
    return AddControl<T>(FHost.get(), FHost.get(), X, Y, W, H);
  }

  // Toolbars align to the top by default; here they sit where they are put.
  template <typename T>
  T* Placed(int X, int Y, int W, int H) {
    T* C = Add<T>(X, Y, W, H);
    C->SetAlign(alNone);
    C->SetBounds(X, Y, W, H);
    return C;
  }

  TQvSkinTabSheet* Sheet(TQvSkinPageControl* Pages, const String& Caption) {
    auto* S = new TQvSkinTabSheet(FHost.get());
    S->SetCaption(Caption);
    S->SetPageControl(Pages);
    return S;
  }

  void PageControls(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinPageControl: click a tab, Ctrl+Tab cycles");
    FHost->Label(X, Y + 30, L"Auto-sized tabs on top; sheets washed white at 192");
    FTopPages = Add<TQvSkinPageControl>(X, Y + 50, 280, 220);
    FTopPages->SetTabWidthAutoSize(true);
    for (const wchar_t* C : {L"General", L"Colours", L"About"}) Sheet(FTopPages, C);
    AddControl<TQvSkinCheckBox>(FHost.get(), FTopPages->Pages(0), 16, 20, 200, 22)
        ->SetCaption(L"A control on the first page");
    FHost->Label(X + 300, Y + 30, L"Tabs on the left, tab width 80, glowing captions");
    auto* Left = Add<TQvSkinPageControl>(X + 300, Y + 50, 270, 220);
    Left->SetTabPosition(tpLeft);
    Left->CaptionLight()->SetColor(TColor(0x00D7FF));
    Left->CaptionLight()->SetBlurRadius(3);
    Left->CaptionLight()->SetActive(true);
    Left->SetTabWidth(80);
    for (const wchar_t* C : {L"Files", L"Search", L"History", L"Hidden"}) Sheet(Left, C);
    Left->Pages(3)->SetTabVisible(false);
    Left->SetActivePageIndex(1);
  }

  TQvSkinToolbarItem* Item(TQvSkinToolbar* Bar, const String& Caption, int Group = 0) {
    TQvSkinToolbarItem* I = Bar->Items()->Add();
    I->Text()->SetText(Caption);
    I->SetGroupIndex(Group);
    I->SetHint(Caption);
    return I;
  }

  void Toolbars(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinToolbar: hold an arrow to scroll");
    FHost->Label(X, Y + 30, L"Nine items in 300 pixels; a drop-down part; a spacer");
    auto* Bar = Placed<TQvSkinToolbar>(X, Y + 50, 300, 52);
    Bar->SetShowHint(true);
    for (const wchar_t* C : {L"New", L"Open", L"Save"}) Item(Bar, C);
    Item(Bar, L"")->SetKind(tkSpacer);
    auto* Menu = new TPopupMenu(FHost.get());
    for (const wchar_t* C : {L"Recent", L"Templates"}) {
      auto* M = new TMenuItem(FHost.get());
      M->SetCaption(C);
      Menu->Items()->Add(M);
    }
    Item(Bar, L"More")->SetDropdownMenu(Menu);
    for (const wchar_t* C : {L"Cut", L"Copy", L"Paste", L"Undo"}) Item(Bar, C);
    Bar->Items()->Items(5)->SetAllowAllUp(true);
    Bar->Items()->Items(5)->SetDown(false);
    // Copy and Paste run actions of a list; nothing to paste disables Paste's item.
    auto* Actions = new TActionList(FHost.get());
    for (int I : {6, 7}) {
      auto* A = new TAction(FHost.get());
      A->SetCaption(Bar->Items()->Items(I)->Text()->Text());
      A->SetActionList(Actions);
      A->OnExecute = [](TObject*) {};
      Bar->Items()->Items(I)->SetAction(A);
      if (I == 7) A->SetEnabled(false);
    }

    FHost->Label(X, Y + 120, L"A column: radio items (group 1)");
    auto* Column = Placed<TQvSkinToolbar>(X, Y + 140, 70, 200);
    Column->SetMultiLine(true);
    Column->SetButtonWidth(60);
    Column->SetButtonHeight(40);
    for (const wchar_t* C : {L"Left", L"Centre", L"Right"}) Item(Column, C, 1);
    Column->Items()->Items(1)->SetDown(true);
  }

  void Tabset(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinTabset: close buttons; drag a tab to move it");
    auto* Tabs = Placed<TQvSkinTabset>(X, Y + 30, 560, 38);
    Tabs->SetCloseButtonVisible(true);
    Tabs->SetAllowDragTab(true);
    for (const wchar_t* C : {L"readme.md", L"main.cpp", L"build.log", L"notes.txt"}) {
      TQvSkinToolbarItem* I = Tabs->Items()->Add();
      I->Text()->SetText(C);
      I->SetGroupIndex(1);
    }
    Tabs->Items()->Items(0)->SetDown(true);
    Tabs->OnCloseButtonClick = [Tabs](TObject*, int Index) { Tabs->Items()->Delete(Index); };
  }

  static constexpr int kPad = 16;
  std::unique_ptr<TControlsHost> FHost;
  TQvSkinPageControl* FTopPages = nullptr;
};

const TPageRegistration gRegistration(130, [] {
  return std::unique_ptr<TGalleryPage>(new TPagesPage());
});

}  // namespace

}  // namespace gallery
