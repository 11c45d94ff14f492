// The push buttons: every kind in every state side by side (normal, hot, pressed, down,
// disabled), a latched group, drop-down parts, animate buttons running (held on fixed
// frames in screenshot mode), links, and the flat colour and corner buttons.
#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinCtrls.h"
#include "host/Font.h"
#include "host/Menus.h"
#include "host/Timer.h"

namespace gallery {

namespace {

using namespace qv;

constexpr TColor kGround = TColor(0xF8F6F3);

// Shows a button as if the pointer were over it, for the states row.
template <typename T>
class TShowcase : public T {
 public:
  using T::T;
  void ShowHot() {
    this->FState.MouseIn = true;
    this->Invalidate();
  }
};

class TButtonsPage : public TGalleryPage {
 public:
  String Title() const override { return L"Buttons"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->Ground = kGround;
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    States(kPad, 16);
    Groups(kPad, 200);
    Animated(kPad, 330);
    Flat(kPad + 640, 16);
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
  }

  void Hide() override {
    FTimer.reset();
    FHost.reset();
  }

 private:
  template <typename T>
  T* Add(TWinControl* Parent, int X, int Y, int W, int H, const String& Caption = L"") {
    auto* C = AddControl<T>(FHost.get(), Parent, X, Y, W, H);
    C->SetCaption(Caption);
    return C;
  }

  // One row of a kind: normal, hot, pressed (down), disabled.
  template <typename T>
  void Row(int X, int Y, int W, int H, const String& Caption) {
    const wchar_t* Labels[] = {L"normal", L"hot", L"pressed", L"disabled"};
    for (int I = 0; I < 4; ++I) {
      auto* B = Add<TShowcase<T>>(FHost.get(), X + I * (W + 14), Y, W, H, Caption);
      if (I == 1) B->ShowHot();
      if (I == 2) {
        B->SetGroupIndex(90 + I);  // down on its own: pressed look
        B->SetDown(true);
      }
      if (I == 3) B->SetEnabled(false);
      if (Y < 40) FHost->Label(X + I * (W + 14), Y - 16, Labels[I]);
    }
  }

  void States(int X, int Y) {
    Row<TQvSkinButton>(X + 110, Y + 20, 80, 27, L"&Save");
    FHost->Label(X, Y + 26, L"TQvSkinButton");
    Row<TQvSkinToolButton>(X + 110, Y + 58, 22, 22, L"");
    FHost->Label(X, Y + 61, L"TQvSkinToolButton");
    Row<TQvSkinImageButton>(X + 110, Y + 90, 39, 19, L"");
    FHost->Label(X, Y + 92, L"TQvSkinImageButton");
    for (int I = 0; I < FHost->ControlCount(); ++I) {
      if (auto* T = dynamic_cast<TQvSkinToolButton*>(FHost->Controls(I))) {
        T->SetImage(L"QvSkinSearch_icon");
        T->ImageOffset()->SetX(3);
        T->ImageOffset()->SetY(4);
      }
      if (auto* B = dynamic_cast<TQvSkinImageButton*>(FHost->Controls(I))) {
        B->Pictures()->SetImage(L"QvSkinBtn_close");
        B->Pictures()->SetActive(true);
      }
    }
    // A tool button with a glowing caption, and a link.
    auto* Glow = Add<TQvSkinToolButton>(FHost.get(), X + 110, Y + 122, 120, 26, L"Glowing caption");
    Glow->SetCaptionVisible(true);
    Glow->Light()->SetActive(true);
    Glow->Light()->SetColor(TColor(0x40C0FF));
    auto* Link = Add<TQvURLButton>(FHost.get(), X + 250, Y + 126, 160, 20, L"TQvURLButton: a link");
    Link->SetTransparent(true);
    FHost->Label(X, Y + 128, L"Glow and link");
  }

  void Groups(int X, int Y) {
    FHost->Heading(X, Y, L"Latched group (GroupIndex 1) and AllowAllUp group (GroupIndex 2)");
    const wchar_t* Names[] = {L"Left", L"Centre", L"Right"};
    for (int I = 0; I < 3; ++I) {
      auto* B = Add<TQvSkinButton>(FHost.get(), X + I * 84, Y + 26, 80, 27, Names[I]);
      B->SetGroupIndex(1);
      if (I == 1) B->SetDown(true);
      auto* T = Add<TQvSkinButton>(FHost.get(), X + 290 + I * 84, Y + 26, 80, 27, Names[I]);
      T->SetGroupIndex(2);
      T->SetAllowAllUp(true);
    }
    FHost->Heading(X, Y + 66,
                   L"Drop-down parts: the whole button without OnClick; the arrow with it");
    FMenu = new TPopupMenu(FHost.get());
    for (const wchar_t* Item : {L"Open", L"Save as...", L"Close"}) {
      auto* M = new TMenuItem(FMenu);
      M->SetCaption(Item);
      FMenu->Items()->Add(M);
    }
    auto* A = Add<TQvSkinButton>(FHost.get(), X, Y + 92, 110, 27, L"Menu only");
    A->SetDropdownMenu(FMenu);
    auto* B = Add<TQvSkinButton>(FHost.get(), X + 124, Y + 92, 110, 27, L"Click or arrow");
    B->SetDropdownMenu(FMenu);
    B->OnClick = [](TObject*) {};
    auto* C = Add<TQvSkinColorButton>(FHost.get(), X + 248, Y + 92, 120, 27, L"Colour + menu");
    C->SetDropdownMenu(FMenu);
    C->OnClick = [](TObject*) {};
  }

  void Animated(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinAnimateButton: frames forward on hover, backward after");
    for (int I = 0; I < 3; ++I) {
      auto* A = Add<TQvSkinAnimateButton>(FHost.get(), X + I * 60, Y + 26, 40, 40);
      A->Animate()->SetPicture(L"QvSkinColor_tabs");
      A->Animate()->SetCount(9);
      A->SetAnimateSpeed(400);
      FAnimated.push_back(A);
    }
    if (AnimationsFrozen()) {
      FAnimated[1]->ShowFrame(4);
      FAnimated[2]->ShowFrame(8);
      return;
    }
    // Running by themselves: each plays forward, then back, in turn.
    FTimer = std::make_unique<TTimer>(nullptr);
    FTimer->SetInterval(700);
    FTimer->OnTimer = [this](TObject*) {
      TQvSkinAnimateButton* A = FAnimated[size_t(FStep / 2 % FAnimated.size())];
      A->Perform(FStep % 2 == 0 ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, intptr_t(A));
      ++FStep;
    };
    FTimer->SetEnabled(true);
  }

  void Flat(int X, int Y) {
    FHost->Heading(X, Y - 4, L"TQvSkinColorButton");
    const wchar_t* Labels[] = {L"normal", L"hot", L"pressed", L"disabled"};
    for (int I = 0; I < 4; ++I) {
      auto* B =
          Add<TShowcase<TQvSkinColorButton>>(FHost.get(), X + I * 88, Y + 34, 80, 30, Labels[I]);
      if (I == 1) B->ShowHot();
      if (I == 2) {
        B->SetGroupIndex(95);
        B->SetDown(true);
      }
      if (I == 3) B->SetEnabled(false);
    }
    auto* Round = Add<TQvSkinColorButton>(FHost.get(), X, Y + 76, 110, 30, L"RoundFrame");
    Round->SetRoundFrame(true);
    Round->SetRoundSize(8);
    auto* Region = Add<TQvSkinColorButton>(FHost.get(), X + 120, Y + 76, 110, 30, L"Region");
    Region->SetRoundFrame(true);
    Region->SetSmoothRound(false);
    Region->SetRoundSize(12);
    auto* Sides = Add<TQvSkinColorButton>(FHost.get(), X + 240, Y + 76, 110, 30, L"Borders");
    Sides->SetNormalColor(TColor(0xF4EEE8));
    Sides->Font()->SetColor(TColor(0x5A3A1A));
    Sides->SetBorderSides({sdLeft, sdBottom});
    Sides->SetBorderColor(TColor(0x2060E0));
    auto* Icon = Add<TQvSkinColorButton>(FHost.get(), X, Y + 116, 110, 30, L"   Search");
    Icon->SetImage(L"QvSkinSearch_icon");
    Icon->ImageOffset()->SetX(12);
    Icon->ImageOffset()->SetY(8);
    auto* Focus = Add<TQvSkinColorButton>(FHost.get(), X + 120, Y + 116, 110, 30, L"Focus frame");
    Focus->SetShowFocusFrame(true);
    auto* Wrap = Add<TQvSkinColorButton>(FHost.get(), X + 240, Y + 116, 110, 40,
                                         L"Word wrap on a longer caption");
    Wrap->SetWordWrap(true);

    FHost->Heading(X, Y + 170, L"TQvSkinCornerButton: per-corner rounding");
    struct TCase {
      const wchar_t* Caption;
      TQvCorners Corners;
      TSides Sides;
      int Width;
    };
    const TCase Cases[] = {
        {L"all four",
         {TopLeft, TopRight, BottomLeft, BottomRight},
         {sdLeft, sdTop, sdRight, sdBottom},
         1},
        {L"top only", {TopLeft, TopRight}, {sdLeft, sdTop, sdRight, sdBottom}, 1},
        {L"left only", {TopLeft, BottomLeft}, {sdLeft, sdTop, sdRight, sdBottom}, 1},
        {L"none", {}, {sdLeft, sdTop, sdRight, sdBottom}, 1},
        {L"width 3", {TopRight, BottomLeft}, {sdLeft, sdTop, sdRight, sdBottom}, 3},
        {L"no left", {TopRight, BottomRight}, {sdTop, sdRight, sdBottom}, 1},
    };
    for (int I = 0; I < 6; ++I) {
      auto* K = Add<TQvSkinCornerButton>(FHost.get(), X + (I % 3) * 120, Y + 196 + (I / 3) * 44,
                                         110, 34, Cases[I].Caption);
      K->SetCorners(Cases[I].Corners);
      K->SetBorderSides(Cases[I].Sides);
      K->SetBorderWidth(Cases[I].Width);
    }
    // A group of corner buttons that reads as one segmented control.
    const wchar_t* Segments[] = {L"Day", L"Week", L"Month"};
    for (int I = 0; I < 3; ++I) {
      auto* K = Add<TQvSkinCornerButton>(FHost.get(), X + I * 80, Y + 300, 80, 30, Segments[I]);
      K->SetCorners(I == 0   ? TQvCorners{TopLeft, BottomLeft}
                    : I == 2 ? TQvCorners{TopRight, BottomRight}
                             : TQvCorners{});
      K->SetGroupIndex(7);
      if (I == 1) K->SetDown(true);
    }
  }

  static constexpr int kPad = 16;
  std::unique_ptr<TControlsHost> FHost;
  std::unique_ptr<TTimer> FTimer;
  std::vector<TQvSkinAnimateButton*> FAnimated;
  TPopupMenu* FMenu = nullptr;
  int FStep = 0;
};

const TPageRegistration gRegistration(100, [] {
  return std::unique_ptr<TGalleryPage>(new TButtonsPage());
});

}  // namespace

}  // namespace gallery
