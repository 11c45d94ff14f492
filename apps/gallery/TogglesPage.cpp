// Check boxes, radio boxes and switches in their states, the group box with and without
// its check box in both frame styles, and the grid of radio or check items.
#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinCtrls.h"
#include "host/Font.h"

namespace gallery {

namespace {

using namespace qv;

constexpr TColor kGround = TColor(0xF8F6F3);

class TTogglesPage : public TGalleryPage {
 public:
  String Title() const override { return L"Toggles and groups"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->Ground = kGround;
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    Toggles(kPad, 16);
    GroupBoxes(kPad + 480, 30);
    Grids(kPad, 330);
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
  }

  void Hide() override { FHost.reset(); }

 private:
  template <typename T>
  T* Add(TWinControl* Parent, int X, int Y, int W, int H, const String& Caption = L"") {
    auto* C = AddControl<T>(FHost.get(), Parent, X, Y, W, H);
    C->SetCaption(Caption);
    return C;
  }

  void Toggles(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinCheckBox");
    Add<TQvSkinCheckBox>(FHost.get(), X, Y + 26, 180, 17, L"&Unchecked");
    Add<TQvSkinCheckBox>(FHost.get(), X, Y + 48, 180, 17, L"Checked")->SetChecked(true);
    Add<TQvSkinCheckBox>(FHost.get(), X, Y + 70, 180, 17, L"Disabled")->SetEnabled(false);
    auto* Glow = Add<TQvSkinCheckBox>(FHost.get(), X, Y + 92, 180, 17, L"Glowing caption");
    Glow->Light()->SetActive(true);
    Glow->Light()->SetColor(TColor(0x40C0FF));
    Glow->SetChecked(true);

    FHost->Heading(X + 200, Y, L"TQvSkinRadioBox (two groups)");
    const wchar_t* Sizes[] = {L"&Small", L"Medium", L"Large"};
    for (int I = 0; I < 3; ++I)
      Add<TQvSkinRadioBox>(FHost.get(), X + 200, Y + 26 + I * 22, 180, 17, Sizes[I])
          ->SetChecked(I == 1);
    const wchar_t* Colours[] = {L"Red", L"Green"};
    for (int I = 0; I < 2; ++I) {
      auto* R = Add<TQvSkinRadioBox>(FHost.get(), X + 200, Y + 100 + I * 22, 180, 17, Colours[I]);
      R->SetGroupIndex(1);
      R->SetChecked(I == 0);
    }

    FHost->Heading(X, Y + 160, L"TQvSkinSwitchButton");
    Add<TQvSkinSwitchButton>(FHost.get(), X, Y + 186, 34, 18);
    Add<TQvSkinSwitchButton>(FHost.get(), X + 50, Y + 186, 34, 18)->SetChecked(true);
    auto* Left = Add<TQvSkinSwitchButton>(FHost.get(), X, Y + 216, 120, 18);
    Left->SetCaptionVisible(true);
    Left->SetChecked(true);
    auto* Right = Add<TQvSkinSwitchButton>(FHost.get(), X + 140, Y + 216, 120, 18);
    Right->SetCaptionVisible(true);
    Right->SetCaptionAlign(sbcaRigth);
    Right->SetCaptionOFF(L"Wi-Fi off");
    Add<TQvSkinSwitchButton>(FHost.get(), X + 100, Y + 186, 34, 18)->SetEnabled(false);
  }

  void GroupBoxes(int X, int Y) {
    auto* Line = Add<TQvSkinGroupBox>(FHost.get(), X, Y, 300, 90, L"fsLine, caption left");
    Add<TQvSkinCheckBox>(Line, 10, 25, 200, 17, L"Inside the group");
    auto* Centre = Add<TQvSkinGroupBox>(FHost.get(), X + 320, Y, 300, 90, L"Centred, with glow");
    Centre->SetCaptionAlignment(taCenter);
    Centre->SetLight(true);
    Centre->CaptionLight()->SetActive(true);
    auto* Box = Add<TQvSkinGroupBox>(FHost.get(), X, Y + 110, 300, 120, L"fsBox with a check box");
    Box->SetFrameStyle(fsBox);
    Box->CheckBox()->SetVisible(true);
    Add<TQvSkinCheckBox>(Box, 10, 25, 200, 17, L"Enabled by the box");
    Add<TQvSkinSwitchButton>(Box, 10, 50, 34, 18)->SetChecked(true);
    auto* Off = Add<TQvSkinGroupBox>(FHost.get(), X + 320, Y + 110, 300, 120,
                                     L"Unchecked: children disabled");
    Off->SetCaptionAlignment(taRightJustify);
    Off->CheckBox()->SetVisible(true);
    Off->CheckBox()->SetChecked(false);
    Add<TQvSkinCheckBox>(Off, 10, 25, 200, 17, L"Disabled child");
    Add<TQvSkinButton>(Off, 10, 50, 80, 27, L"Button");
  }

  void Grids(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinGroupControls: radio items in three columns, check items in two");
    auto* Radio = Add<TQvSkinGroupControls>(FHost.get(), X, Y + 26, 380, 90);
    Radio->SetColumns(3);
    for (const wchar_t* S :
         {L"Beijing", L"Shanghai", L"Guangzhou", L"Shenzhen", L"Hangzhou", L"Chengdu", L"Wuhan"})
      Radio->Items()->Add(S);
    Radio->SetItemIndex(1);
    auto* Check = Add<TQvSkinGroupControls>(FHost.get(), X + 400, Y + 26, 300, 90);
    Check->SetKind(gckCheckBox);
    Check->SetColumns(2);
    Check->SetAlpha(255);
    Check->SetColor(TColor(0xFFF8F0));
    for (const wchar_t* S : {L"Bold", L"Italic", L"Underline", L"Strike out", L"Small caps"})
      Check->Items()->Add(S);
    Check->SetItemChecked(0, true);
    Check->SetItemChecked(3, true);
  }

  static constexpr int kPad = 16;
  std::unique_ptr<TControlsHost> FHost;
};

const TPageRegistration gRegistration(101, [] {
  return std::unique_ptr<TGalleryPage>(new TTogglesPage());
});

}  // namespace

}  // namespace gallery
