// Gauges and the picture carousel: circle progress at several values, speedometers over
// different ranges, and image sliders (one held mid-slide between two pictures in
// screenshot mode; live they change every few seconds, or by the arrows and dots).
#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinCtrls.h"
#include "raster/Polygons.h"
#include "resources/QvSkinResManager.h"

namespace gallery {

namespace {

using namespace qv;

struct TScene {
  const wchar_t* ResID;
  const wchar_t* Description;
  TColor32 SkyTop, SkyBottom, Sun, Far, Near;
};

const TScene kScenes[] = {
    {L"GalleryGaugesDawn", L"Dawn over the hills", Color32(70, 90, 170), Color32(250, 190, 140),
     Color32(255, 236, 170), Color32(110, 90, 140), Color32(60, 50, 90)},
    {L"GalleryGaugesNoon", L"Noon by the sea", Color32(60, 140, 230), Color32(190, 225, 250),
     Color32(255, 255, 220), Color32(40, 110, 170), Color32(230, 210, 150)},
    {L"GalleryGaugesNight", L"A night in the valley", Color32(10, 15, 45), Color32(50, 60, 110),
     Color32(235, 235, 250), Color32(30, 40, 70), Color32(15, 20, 35)},
};

// A small landscape: a sky gradient, a sun or moon, a far and a near range.
void DrawScene(TBitmap32& B, const TScene& S) {
  const int W = 480, H = 270;
  B.SetSize(W, H);
  for (int Y = 0; Y < H; ++Y) {
    const double T = double(Y) / H;
    auto Mix = [T](TColor32 A, TColor32 Z, int Shift) {
      return uint8_t(((A >> Shift) & 0xFF) * (1 - T) + ((Z >> Shift) & 0xFF) * T);
    };
    B.HorzLine(0, Y, W - 1,
               Color32(Mix(S.SkyTop, S.SkyBottom, 16), Mix(S.SkyTop, S.SkyBottom, 8),
                       Mix(S.SkyTop, S.SkyBottom, 0)));
  }
  PolygonFS(&B, Circle(140, 110, 38), S.Sun);
  PolygonFS(&B,
            {FloatPoint(0, 180), FloatPoint(90, 120), FloatPoint(200, 170), FloatPoint(300, 105),
             FloatPoint(400, 165), FloatPoint(480, 140), FloatPoint(480, 270), FloatPoint(0, 270)},
            S.Far);
  PolygonFS(&B,
            {FloatPoint(0, 230), FloatPoint(150, 195), FloatPoint(280, 225), FloatPoint(480, 205),
             FloatPoint(480, 270), FloatPoint(0, 270)},
            S.Near);
}

void EnsureScenes() {
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  for (const TScene& S : kScenes)
    if (Manager->IndexOfRes(S.ResID) < 0) {
      TBitmap32 B;
      DrawScene(B, S);
      Manager->AddRes(&B, S.ResID, S.Description);
    }
}

// A slider that can be held halfway between its first two pictures.
class TStillSlider : public TQvSkinImageSlider {
 public:
  using TQvSkinImageSlider::TQvSkinImageSlider;
  void HoldMidSlide() {
    FDisplayRect = Rect(Width() / 2, 0, Width() / 2 + Width(), Height());
    Invalidate();
  }
};

class TGaugesPage : public TGalleryPage {
 public:
  String Title() const override { return L"Gauges and image slider"; }

  void Show(HWND Parent, const RECT& R) override {
    EnsureScenes();
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    Circles(kPad, 16);
    Speedometers(kPad, 260);
    Sliders(kPad + 720, 16);
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
  }

  void Hide() override { FHost.reset(); }

 private:
  template <typename T>
  T* Add(int X, int Y, int W, int H) {
    return AddControl<T>(FHost.get(), FHost.get(), X, Y, W, H);
  }

  void Circles(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinCircleProgress");
    const struct {
      int Min, Max, Value;
      const wchar_t* Text;
    } Cases[] = {{0, 100, 0, L"0..100 at 0"},
                 {0, 100, 35, L"0..100 at 35"},
                 {50, 150, 100, L"50..150 at 100"},
                 {0, 100, 100, L"0..100 at 100"}};
    for (int I = 0; I < 4; ++I) {
      auto* C = Add<TQvSkinCircleProgress>(X + I * 170, Y + 30, 160, 160);
      C->SetMinValue(Cases[I].Min);
      C->SetMaxValue(Cases[I].Max);
      C->SetValue(Cases[I].Value);
      FHost->Label(X + I * 170 + 30, Y + 196, Cases[I].Text);
    }
  }

  void Speedometers(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinSpeedometer");
    const struct {
      int Max, Value;
      const wchar_t* Text;
    } Cases[] = {{100, 50, L"0..100 at 50"}, {95, 72, L"0..95 at 72 (step 9)"}};
    for (int I = 0; I < 2; ++I) {
      auto* S = Add<TQvSkinSpeedometer>(X + I * 340, Y + 30, 326, 326);
      S->SetMaxValue(Cases[I].Max);
      S->SetValue(Cases[I].Value);
      FHost->Label(X + I * 340 + 110, Y + 356, Cases[I].Text);
    }
  }

  TStillSlider* Slider(int X, int Y, int Count) {
    auto* S = Add<TStillSlider>(X, Y, 480, 270);
    for (int I = 0; I < Count; ++I) {
      TQvSkinSliderItem* Item = S->Images()->Add();
      Item->SetImage(kScenes[I].ResID);
      Item->SetTitle(kScenes[I].Description);
      Item->SetDescription(kScenes[I].Description);
    }
    if (AnimationsFrozen()) S->SetAutoSlider(false);
    return S;
  }

  void Sliders(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinImageSlider: arrows, dots, a change every 3 s");
    FHost->Label(X, Y + 24, L"Sliding (held halfway in screenshots)");
    auto* Sliding = Slider(X, Y + 44, 3);
    if (AnimationsFrozen()) Sliding->HoldMidSlide();
    FHost->Label(X, Y + 330, L"Fading, in a cycle");
    auto* Fading = Slider(X, Y + 350, 3);
    Fading->SetSliderType(stFade);
  }

  static constexpr int kPad = 16;
  std::unique_ptr<TControlsHost> FHost;
};

const TPageRegistration gRegistration(151, [] {
  return std::unique_ptr<TGalleryPage>(new TGaugesPage());
});

}  // namespace

}  // namespace gallery
