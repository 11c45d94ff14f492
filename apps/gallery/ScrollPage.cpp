// Scroll bars and gauges: horizontal and vertical skinned scroll bars (hover shows the
// arrows; drag the thumb, hold an arrow or the track), progress bars with and without a
// thumb, and the hue, saturation and brightness tracks.
#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinCtrls.h"

namespace gallery {

namespace {

using namespace qv;

class TScrollPage : public TGalleryPage {
 public:
  String Title() const override { return L"Scroll bars and gauges"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    ScrollBars(kPad, 16);
    Gauges(kPad + 560, 16);
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
  }

  void Hide() override { FHost.reset(); }

 private:
  template <typename T>
  T* Add(int X, int Y, int W, int H) {
    return AddControl<T>(FHost.get(), FHost.get(), X, Y, W, H);
  }

  TQvSkinScrollBar* Bar(int X, int Y, int Length, TScrollBarKind Kind) {
    auto* B = Add<TQvSkinScrollBar>(X, Y, Length, 19);
    B->SetKind(Kind);
    return B;
  }

  void ScrollBars(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinScrollBar: hover for the arrows; drag or hold");
    FHost->Label(X, Y + 30, L"Position 30, no page (the least thumb)");
    Bar(X, Y + 50, 360, sbHorizontal)->SetPosition(30);
    FHost->Label(X, Y + 80, L"Range 0..99, page 25, position 40");
    Bar(X, Y + 100, 360, sbHorizontal)->SetRange(0, 99, 25, 40);
    FHost->Label(X, Y + 130, L"Focusable: arrow keys and the wheel; large change 10");
    auto* Focusable = Bar(X, Y + 150, 360, sbHorizontal);
    Focusable->SetCanFocused(true);
    Focusable->SetLargeChange(10);
    Focusable->SetPosition(75);
    FHost->Label(X, Y + 180, L"Disabled: no thumb");
    auto* Disabled = Bar(X, Y + 200, 360, sbHorizontal);
    Disabled->SetPosition(50);
    Disabled->SetEnabled(false);
    FHost->Label(X, Y + 230, L"Vertical: no page, page of a third, page larger than the range");
    Bar(X, Y + 250, 220, sbVertical)->SetPosition(20);
    Bar(X + 40, Y + 250, 220, sbVertical)->SetRange(0, 299, 100, 150);
    Bar(X + 80, Y + 250, 220, sbVertical)->SetRange(0, 10, 50, 0);
  }

  TQvSkinProgressBar* Progress(int X, int Y, int Value) {
    auto* P = Add<TQvSkinProgressBar>(X, Y, 300, 17);
    P->SetValue(Value);
    return P;
  }

  void Gauges(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinProgressBar");
    FHost->Label(X, Y + 30, L"0, 35 and 100 %");
    Progress(X, Y + 50, 0);
    Progress(X, Y + 75, 35);
    Progress(X, Y + 100, 100);
    FHost->Label(X, Y + 130, L"With a caption");
    auto* Captioned = Progress(X, Y + 150, 62);
    Captioned->Caption()->SetText(L"62 %");
    Captioned->Caption()->SetVisible(true);
    FHost->Label(X, Y + 180, L"With a thumb (TQvPBTrackButton): drag it, or Home/End");
    auto* Thumbed = Progress(X, Y + 200, 40);
    Thumbed->TrackButton()->SetNormal(L"QvSkinSlider_dragBackground");
    Thumbed->TrackButton()->SetVisible(true);
    FHost->Heading(X, Y + 250, L"TQvHLSTrackBar");
    const std::pair<THLSKindRec, const wchar_t*> Kinds[] = {
        {hlsH, L"Hue, -180..180 at 60"},
        {hlsS, L"Saturation, -100..100 at -40"},
        {hlsB, L"Brightness, -100..100 at 80"},
    };
    const int Values[] = {60, -40, 80};
    for (int I = 0; I < 3; ++I) {
      FHost->Label(X, Y + 280 + I * 60, Kinds[I].second);
      auto* T = Add<TQvHLSTrackBar>(X, Y + 300 + I * 60, 300, 28);
      T->SetKind(Kinds[I].first);
      T->SetValue(Values[I]);
    }
  }

  static constexpr int kPad = 16;
  std::unique_ptr<TControlsHost> FHost;
};

const TPageRegistration gRegistration(105, [] {
  return std::unique_ptr<TGalleryPage>(new TScrollPage());
});

}  // namespace

}  // namespace gallery
