// The component registry: every registered component with its palette place and the
// resource-ID properties the picker edits.
#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinBorderPanel.h"
#include "controls/QvSkinListView.h"
#include "controls/QvSkinScrollBar.h"
#include "design/QvComponentRegistry.h"
#include "host/Form.h"

namespace gallery {

namespace {

using namespace qv;

class TRegistryPage : public TGalleryPage {
 public:
  String Title() const override { return L"Component registry"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    const TQvComponentRegistry& Reg = QvComponentRegistry();
    FHost->Heading(kPad, 16, L"Palette page \"QvSkin\"");
    FHost->Label(kPad, 42,
                 std::to_wstring(Reg.PaletteClasses().size()) + L" of " +
                     std::to_wstring(QvSkinPalette().size()) +
                     L" palette components registered; row and index of each registration");
    auto* Panel =
        AddControl<TQvSkinBorderPanel>(FHost.get(), FHost.get(), kPad, 66,
                                       R.right - R.left - 2 * kPad, R.bottom - R.top - 66 - kPad);
    auto* VBar = AddControl<TQvSkinScrollBar>(FHost.get(), Panel, 0, 0, 10, 10);
    VBar->SetKind(sbVertical);
    VBar->SetAlign(alRight);
    auto* View = AddControl<TQvSkinListView>(FHost.get(), Panel, 0, 0, 10, 10);
    View->SetAlign(alClient);
    View->SetViewStyle(vsReport);
    View->SetRowSelect(true);
    View->AddColumn(L"#", 40, taRightJustify);
    View->AddColumn(L"Row", 50, taRightJustify);
    View->AddColumn(L"Index", 50, taRightJustify);
    View->AddColumn(L"Class", 200);
    View->AddColumn(L"Resource-ID properties", 900);
    TForm Owner(nullptr);  // a scratch designer form for one instance of each class
    for (const TQvComponentClass& C : Reg.Classes()) {
      String IDs;
      if (TComponent* Made = C.Create(&Owner))
        for (const TQvResIDProperty& P : ResIDProperties(*Made))
          IDs += (IDs.empty() ? L"" : L", ") + P.Path;
      const bool On = C.OnPalette();
      View->AddItem(On ? std::to_wstring(C.Position + 1) : L"-",
                    {On ? std::to_wstring(C.Row) : L"-", On ? std::to_wstring(C.Index) : L"-",
                     C.ClassName, IDs});
    }
    View->SetVScrollBar(VBar);
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
  }

  void Hide() override { FHost.reset(); }

 private:
  static constexpr int kPad = 16;
  std::unique_ptr<TControlsHost> FHost;
};

const TPageRegistration gRegistration(160, [] {
  return std::unique_ptr<TGalleryPage>(new TRegistryPage());
});

}  // namespace

}  // namespace gallery
