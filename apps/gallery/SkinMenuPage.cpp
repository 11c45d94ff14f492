// Skinned popup menus: a popup with shortcuts, a checked item, radio items, a disabled item
// and a submenu, shown open with its submenu, composed as Windows composes the layered
// popups. A right click on the page opens the same menu for real.
// windows.h first: it renames TCanvas::TextOut to TextOutW, as in the library.
#include <windows.h>

#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "forms/QvSkinMenu.h"
#include "host/Canvas.h"
#include "raster/Bitmap32.h"

namespace gallery {

namespace {

using namespace qv;

class TSkinMenuPage : public TGalleryPage {
 public:
  String Title() const override { return L"Skinned menus"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    FHost->Heading(16, 16, L"TQvSkinMenu: popup items measured and painted from the skin");
    FHost->Label(16, 44,
                 L"Each popup is one per-pixel-alpha window: the nine-block \"QvSkinMenu_bk\" "
                 L"with the items on it. Shown here composed onto the page.");
    FHost->Label(16, 64, L"Right-click anywhere on the page to open the same menu.");
    BuildMenu();
    FHost->SetPopupMenu(FPopup);
    FHost->OnPaintGround = [this](TCanvas& Canvas) { PaintComposed(Canvas); };
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
  }

  void Hide() override { FHost.reset(); }

 private:
  TMenuItem* Add(TMenuItem* Parent, const String& Caption, TShortCut Key = scNone) {
    auto* I = new TMenuItem(FHost.get());
    I->SetCaption(Caption);
    I->SetShortCut(Key);
    Parent->Add(I);
    return I;
  }

  void BuildMenu() {
    FPopup = new TPopupMenu(FHost.get());
    FPopup->SetOwnerDraw(true);
    TMenuItem* Root = FPopup->Items();
    Add(Root, L"&Open...", ShortCut('O', {ssCtrl}));
    Add(Root, L"&Save", ShortCut('S', {ssCtrl}));
    Add(Root, L"Save &as...", ShortCut('S', {ssCtrl, ssShift}));
    Add(Root, L"-");
    Add(Root, L"&Word wrap")->SetChecked(true);
    for (const wchar_t* C : {L"Align &left", L"Align &right"}) {
      TMenuItem* I = Add(Root, C);
      I->SetRadioItem(true);
      I->SetGroupIndex(1);
      I->SetAutoCheck(true);
    }
    Root->Items(5)->SetChecked(true);
    Add(Root, L"-");
    Add(Root, L"&Print", ShortCut('P', {ssCtrl}))->SetEnabled(false);
    FMore = Add(Root, L"&Recent files");
    Add(FMore, L"report.txt");
    Add(FMore, L"notes.md");
    Add(FMore, L"skin.qvskin")->SetChecked(true);
    TMenuItem* Off = Add(Root, L"Export");
    Add(Off, L"PDF");
    Off->SetEnabled(false);
    FSkin = new TQvSkinMenu(FHost.get());
  }

  // The popup with "Recent files" selected and its submenu beside it, blended over the page.
  void PaintComposed(TCanvas& Canvas) {
    if (FComposed.Empty()) {
      TBitmap32 Main, Sub;
      std::vector<TRect> Items;
      const int More = FPopup->Items()->IndexOf(FMore);
      FSkin->RenderPopup(FPopup->Items(), Main, More, 0, &Items);
      FSkin->RenderPopup(FMore, Sub, 1);
      FComposed.SetSize(Main.Width() + Sub.Width() + 20, std::max(Main.Height(), 300));
      FComposed.Clear(Color32(FHost->Ground));
      Main.SetDrawMode(dmBlend);
      Sub.SetDrawMode(dmBlend);
      FComposed.Draw(0, 0, &Main);
      // The submenu opens beside its item, its first item level with it.
      FComposed.Draw(Main.Width() - 4, Items[size_t(More)].Top - 3, &Sub);
    }
    FComposed.DrawTo(Canvas.Handle(), 40, 100);
  }

  std::unique_ptr<TControlsHost> FHost;
  TPopupMenu* FPopup = nullptr;
  TMenuItem* FMore = nullptr;
  TQvSkinMenu* FSkin = nullptr;
  TBitmap32 FComposed;
};

const TPageRegistration gRegistration(95, [] {
  return std::unique_ptr<TGalleryPage>(new TSkinMenuPage());
});

}  // namespace

}  // namespace gallery
