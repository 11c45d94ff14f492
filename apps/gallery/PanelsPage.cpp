// The skinned panels: colour fills at several opacities over a busy background, skin
// pictures in every fill type, gradient bands, nested see-through panels over a picture
// and border panels that light up under the mouse. The panels are real controls on a
// host control that lives in the page's window.
#include <memory>
#include <vector>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinCtrls.h"
#include "host/Font.h"
#include "raster/Polygons.h"
#include "resources/QvSkinResManager.h"

namespace gallery {

namespace {

using namespace qv;

const wchar_t* const kBackdrop = L"GalleryPanelsBackdrop";
const wchar_t* const kTile = L"GalleryPanelsTile";
constexpr TColor kInk = TColor(0x4A423C);

// An evening landscape: sky, sun, two ranges of hills and a lake.
void DrawBackdrop(TBitmap32& B) {
  const int W = 480, H = 270;
  B.SetSize(W, H);
  for (int Y = 0; Y < H; ++Y) {
    double T = double(Y) / H;
    B.HorzLine(0, Y, W - 1,
               Color32(uint8_t(40 + 215 * T), uint8_t(60 + 110 * T), uint8_t(150 - 60 * T)));
  }
  PolygonFS(&B, Circle(330, 150, 46), Color32(255, 226, 140));
  PolygonFS(&B, Circle(330, 150, 62), Color32(255, 226, 140, 60));
  PolygonFS(&B,
            {FloatPoint(0, 190), FloatPoint(70, 130), FloatPoint(150, 175), FloatPoint(250, 110),
             FloatPoint(360, 185), FloatPoint(430, 150), FloatPoint(480, 170), FloatPoint(480, 270),
             FloatPoint(0, 270)},
            Color32(70, 60, 110));
  PolygonFS(&B,
            {FloatPoint(0, 225), FloatPoint(120, 185), FloatPoint(240, 215), FloatPoint(330, 190),
             FloatPoint(480, 225), FloatPoint(480, 270), FloatPoint(0, 270)},
            Color32(40, 40, 80));
  B.FillRectTS(0, 240, W, H, Color32(90, 140, 200, 120));
}

// A translucent pattern tile: a soft dot on a clear ground.
void DrawTile(TBitmap32& B) {
  B.SetSize(28, 28);
  B.Clear(clTransparent32);
  B.SetCombineMode(cmMerge);
  PolygonFS(&B, Circle(14, 14, 8), Color32(240, 120, 60, 200));
  PolygonFS(&B, Circle(14, 14, 4), Color32(255, 255, 255, 220));
  B.SetCombineMode(cmBlend);
  B.SetDrawMode(dmBlend);
}

void EnsurePictures() {
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  if (Manager->IndexOfRes(kBackdrop) < 0) {
    TBitmap32 B;
    DrawBackdrop(B);
    Manager->AddRes(&B, kBackdrop, L"Gallery: evening landscape");
  }
  if (Manager->IndexOfRes(kTile) < 0) {
    TBitmap32 B;
    DrawTile(B);
    Manager->AddRes(&B, kTile, L"Gallery: dotted tile");
  }
}

class TPanelsPage : public TGalleryPage {
 public:
  String Title() const override { return L"Panels"; }

  void Show(HWND Parent, const RECT& R) override {
    EnsurePictures();
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    int Y = 16;
    Y = ColourFills(Y);
    Y = PictureFills(Y);
    Y = Gradients(Y);
    NestedAndBorders(Y);
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
  }

  void Hide() override { FHost.reset(); }

 private:
  void Heading(int Y, const String& Text) { FHost->Heading(kPad, Y, Text); }
  void Label(int X, int Y, const String& Text) { FHost->Label(X, Y, Text); }

  template <typename T>
  T* Add(TWinControl* Parent, int X, int Y, int W, int H) {
    auto* P = AddControl<T>(FHost.get(), Parent, X, Y, W, H);
    P->Font()->SetName(L"Tahoma");
    P->Font()->SetHeight(-13);
    P->Font()->SetColor(kInk);
    return P;
  }

  TQvSkinPanel* Captioned(TWinControl* Parent, int X, int Y, int W, int H, const String& Text) {
    auto* P = Add<TQvSkinPanel>(Parent, X, Y, W, H);
    P->SetCaption(Text);
    P->SetCaptionVisible(true);
    return P;
  }

  int ColourFills(int Y) {
    Heading(Y, L"Colour fill at several opacities: Alpha 255, 192, 128, 64 and 0");
    Y += 24;
    FHost->OnPaintGround = [Checker = Rect(kPad, Y, kPad + 5 * kStep + 8, Y + 130)](TCanvas& C) {
      // A busy band so that the opacity of the colour fills shows.
      for (int Top = Checker.Top; Top < Checker.Bottom; Top += 14)
        for (int Left = Checker.Left; Left < Checker.Right; Left += 14) {
          bool Dark = ((Left - Checker.Left) / 14 + (Top - Checker.Top) / 14) % 2 != 0;
          C.Brush().SetColor(Dark ? TColor(0xC8C2BA) : TColor(0xEDE9E4));
          C.FillRect(Rect(Left, Top, std::min(Left + 14, Checker.Right),
                          std::min(Top + 14, Checker.Bottom)));
        }
      C.Brush().SetColor(TColor(0x3C8CF0));
      C.FillRect(Rect(Checker.Left, Checker.Top + 46, Checker.Right, Checker.Top + 62));
    };
    const Byte Alphas[] = {255, 192, 128, 64, 0};
    int X = kPad + 8;
    for (Byte A : Alphas) {
      auto* P = Captioned(FHost.get(), X, Y + 8, 185, 114, L"Alpha " + std::to_wstring(A));
      P->SetColor(TColor(0xD89A4A));
      P->SetAlpha(A);
      P->Font()->SetStyle({fsBold});
      if (A >= 128) P->Font()->SetColor(clWhite);
      X += kStep;
    }
    return Y + 130 + 18;
  }

  int PictureFills(int Y) {
    Heading(Y, L"Skin pictures in every fill type (over a white fill at Alpha 192)");
    Y += 24;
    struct {
      const wchar_t* Picture;
      TQvPngFillType Fill;
      const wchar_t* Text;
    } Cases[] = {
        {L"QvSkinMsgIcon_Info", ftNormal, L"ftNormal, offset 14, 12"},
        {kTile, ftTile, L"ftTile"},
        {kBackdrop, ftAutoStretch, L"ftAutoStretch (cover fit)"},
        {L"QvSkinMsgIcon_OK", ftCenter, L"ftCenter"},
        {kBackdrop, ftStretch, L"ftStretch"},
    };
    int X = kPad + 8;
    for (auto& C : Cases) {
      auto* P = Add<TQvSkinPanel>(FHost.get(), X, Y, 185, 114);
      P->SetBackgroundImage(C.Picture);
      P->SetBackgroundFillType(C.Fill);
      P->SetBackgroundOffsetX(14);
      P->SetBackgroundOffsetY(12);
      Label(X, Y + 118, C.Text);
      X += kStep;
    }
    return Y + 114 + 40;
  }

  int Gradients(int Y) {
    Heading(Y, L"Gradient bands (GradientSize 60): horizontal and vertical, left, centre, right");
    Y += 24;
    struct {
      TGradientDirection Direction;
      TGradientAlign Align;
      const wchar_t* Text;
    } Cases[] = {
        {gdHorizontal, gaLeft, L"horizontal, gaLeft"},
        {gdHorizontal, gaCenter, L"horizontal, gaCenter"},
        {gdHorizontal, gaRight, L"horizontal, gaRight"},
        {gdVertical, gaLeft, L"vertical, gaLeft"},
        {gdVertical, gaCenter, L"vertical, gaCenter"},
        {gdVertical, gaRight, L"vertical, gaRight"},
    };
    int X = kPad + 8;
    for (auto& C : Cases) {
      auto* P = Add<TQvSkinPanel>(FHost.get(), X, Y, 176, 100);
      P->SetBackgroundFillType(ftGradient);
      P->SetGradientDirection(C.Direction);
      P->SetGradientAlign(C.Align);
      P->SetAlpha(255);
      Label(X, Y + 104, C.Text);
      X += 196;
    }
    return Y + 100 + 40;
  }

  void NestedAndBorders(int Y) {
    Heading(Y, L"See-through panels nested over a picture");
    auto* Scene = Add<TQvSkinPanel>(FHost.get(), kPad + 8, Y + 24, 620, 310);
    Scene->SetBackgroundImage(kBackdrop);
    Scene->SetBackgroundFillType(ftStretch);
    Scene->SetAlpha(255);
    Scene->SetDoubleBorder(false);
    auto* Glass = Captioned(Scene, 24, 24, 330, 200, L"");
    Glass->SetAlpha(90);
    Glass->SetBorderColor(clWhite);
    Glass->SetBorderAlpha(160);
    auto* Inner = Captioned(Glass, 18, 18, 200, 76, L"Alpha 90 inside alpha 90");
    Inner->SetAlpha(90);
    Inner->SetDoubleBorder(false);
    Inner->SetBorderColor(clWhite);
    Inner->Font()->SetColor(clWhite);
    auto* Band = Add<TQvSkinPanel>(Glass, 18, 114, 294, 66);
    Band->SetBackgroundFillType(ftGradient);
    Band->SetGradientDirection(gdHorizontal);
    Band->SetGradientStartColor(TColor(0x40B0FF));
    Band->SetGradientEndColor(TColor(0xFFFFFF));
    Band->SetAlpha(170);
    Band->SetBorderSides({});
    auto* Frame = Add<TQvSkinBorderPanel>(Scene, 390, 170, 200, 110);
    Frame->SetAlpha(120);
    Frame->SetCaption(L"Border panel, Alpha 120");
    Frame->SetCaptionVisible(true);
    auto* Lit = Add<TQvSkinBorderPanel>(Scene, 390, 30, 200, 110);
    Lit->SetAlpha(60);
    Lit->SetCaption(L"Border panel, lit");
    Lit->SetCaptionVisible(true);
    Lit->SetInControl(true);
    Lit->Font()->SetColor(clWhite);
    Frame->Font()->SetColor(clWhite);

    const int X = kPad + 8 + 620 + 48;
    FHost->Heading(X, Y, L"Border panels: normal, lit, NCSize 5 with a client panel");
    Label(X, Y + 24 + 100 + 6, L"normal: hover to light it");
    auto* Normal = Add<TQvSkinBorderPanel>(FHost.get(), X, Y + 24, 240, 100);
    Normal->SetCaption(L"Hover me");
    Normal->SetCaptionVisible(true);
    auto* Focus = Add<TQvSkinBorderPanel>(FHost.get(), X + 260, Y + 24, 240, 100);
    Focus->SetCaption(L"InControl = true");
    Focus->SetCaptionVisible(true);
    Focus->SetInControl(true);
    Label(X + 260, Y + 24 + 100 + 6, L"lit: a descendant's inner focus");
    auto* Roomy = Add<TQvSkinBorderPanel>(FHost.get(), X, Y + 170, 500, 164);
    Roomy->SetNCSize(5);
    Roomy->SetAlpha(255);
    Roomy->SetColor(TColor(0xF4ECE2));
    auto* Client =
        Captioned(Roomy, 0, 0, 10, 10, L"alClient panel in NCSize 5: the frame stays 2 px");
    Client->SetAlign(alClient);
    Client->SetColor(TColor(0xFFF8F0));
    Client->SetAlpha(255);
    Client->SetBorderColor(TColor(0xE0C8A8));
  }

  static constexpr int kPad = 16;
  static constexpr int kStep = 235;
  std::unique_ptr<TControlsHost> FHost;
};

const TPageRegistration gRegistration(40, [] {
  return std::unique_ptr<TGalleryPage>(new TPanelsPage());
});

}  // namespace

}  // namespace gallery
