// The decorative controls: separator lines (solid, gradient bands, dashed, dotted; across
// and down), every shape kind filled and outlined, shapes from SVG path data, skin pictures
// in rings, and image-list animations running on their timers. The controls are real
// controls on a host control that lives in the page's window.
#include <algorithm>
#include <cmath>
#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinCtrls.h"
#include "raster/Polygons.h"
#include "resources/QvSkinResManager.h"

namespace gallery {

namespace {

using namespace qv;

constexpr TColor kGround = TColor(0xF8F6F3);
constexpr double kPi = 3.14159265358979323846;

// ---- pictures for the rings ----

void Sunset(TBitmap32& B) {
  B.SetSize(160, 160);
  for (int Y = 0; Y < 160; ++Y) {
    double T = Y / 160.0;
    B.HorzLine(0, Y, 159,
               Color32(uint8_t(250 - 60 * T), uint8_t(150 - 70 * T), uint8_t(90 + 60 * T)));
  }
  PolygonFS(&B, Circle(80, 96, 30), Color32(255, 236, 170));
  PolygonFS(&B,
            {FloatPoint(0, 112), FloatPoint(40, 92), FloatPoint(90, 118), FloatPoint(130, 96),
             FloatPoint(160, 108), FloatPoint(160, 160), FloatPoint(0, 160)},
            Color32(60, 40, 80));
  B.FillRectTS(0, 130, 160, 160, Color32(40, 90, 150, 150));
}

void Portrait(TBitmap32& B) {
  B.SetSize(160, 160);
  for (int Y = 0; Y < 160; ++Y)
    B.HorzLine(0, Y, 159, Color32(uint8_t(120 + Y / 3), uint8_t(180 + Y / 6), uint8_t(230)));
  PolygonFS(&B, Ellipse(80, 170, 62, 58), Color32(52, 73, 110));  // shoulders
  PolygonFS(&B, Circle(80, 70, 34), Color32(246, 208, 180));      // face
  PolygonFS(&B,
            {FloatPoint(44, 66), FloatPoint(52, 38), FloatPoint(80, 28), FloatPoint(108, 38),
             FloatPoint(116, 66), FloatPoint(104, 50), FloatPoint(60, 48)},
            Color32(90, 60, 40));  // hair
  PolygonFS(&B, Circle(68, 72, 3.5), Color32(50, 40, 40));
  PolygonFS(&B, Circle(92, 72, 3.5), Color32(50, 40, 40));
  PolylineFS(&B, GetArcPoints(TFloatRect{66, 70, 94, 94}, 200, 340), Color32(170, 80, 80), false,
             2.5);
}

void Petals(TBitmap32& B) {
  B.SetSize(160, 160);
  B.Clear(Color32(236, 246, 226));
  for (int I = 0; I < 8; ++I) {
    TArrayOfFloatPoint Petal = Ellipse(80, 44, 16, 38);
    RotatePoints(Petal, FloatPoint(80, 80), I * 45);
    PolygonFS(&B, Petal, I % 2 ? Color32(240, 110, 140, 220) : Color32(250, 170, 60, 220));
  }
  PolygonFS(&B, Circle(80, 80, 18), Color32(120, 70, 30));
}

void EnsurePictures() {
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  const struct {
    const wchar_t* ID;
    void (*Draw)(TBitmap32&);
  } Pictures[] = {{L"GalleryDecorSunset", Sunset},
                  {L"GalleryDecorPortrait", Portrait},
                  {L"GalleryDecorPetals", Petals}};
  for (auto& P : Pictures)
    if (Manager->IndexOfRes(P.ID) < 0) {
      TBitmap32 B;
      P.Draw(B);
      Manager->AddRes(&B, P.ID, L"Gallery: decorative picture");
    }
}

// ---- animation frames ----

// Adds Count frames of W × H, each drawn by Draw(Frame, Index) over the page's ground.
template <typename F>
void AddFrames(TCustomImageList* List, int Count, int W, int H, F Draw) {
  List->SetSize(W, H);
  TBitmap Strip(W * Count, H, pf24bit);
  for (int I = 0; I < Count; ++I) {
    TBitmap32 Frame;
    Frame.SetSize(W, H);
    Frame.Clear(Color32(kGround));
    Draw(Frame, I);
    Frame.DrawTo(Strip.Canvas().Handle(), I * W, 0);
  }
  List->Add(&Strip, nullptr);
}

// Twelve dots in a ring, the lead dot darkest and its tail fading.
void Spinner(TBitmap32& B, int Frame) {
  for (int K = 0; K < 12; ++K) {
    double A = (K * 30 - 90) * kPi / 180;
    int Age = (Frame - K + 12) % 12;
    uint8_t Alpha = uint8_t(std::max(40, 255 - Age * 30));
    PolygonFS(&B, Circle(24 + 16 * std::cos(A), 24 + 16 * std::sin(A), 4.2),
              Color32(40, 110, 210, Alpha));
  }
}

// A ball dropping onto a floor, squashed at the bottom; swung back and forth it bounces.
void Ball(TBitmap32& B, int Frame) {
  const double T = Frame / 9.0;
  const double Y = 12 + 42 * T * T;
  const double Squash = Frame == 9 ? 3 : 0;
  B.FillRectS(4, 66, 44, 68, Color32(190, 180, 170));
  PolygonFS(&B, Ellipse(24, 66 - 2, 10 + 4 * T, 2.5), Color32(120, 110, 100, uint8_t(40 + 80 * T)));
  PolygonFS(&B, Ellipse(24, Y, 11 + Squash, 11 - Squash), Color32(235, 90, 60));
  PolygonFS(&B, Circle(20, Y - 4, 3), Color32(255, 200, 180, 200));
}

// Equaliser bars rising and falling.
void Bars(TBitmap32& B, int Frame) {
  for (int K = 0; K < 5; ++K) {
    double Level = 0.5 + 0.45 * std::sin((Frame * 45 + K * 70) * kPi / 180);
    int H = int(8 + 40 * Level);
    B.FillRectS(4 + K * 10, 52 - H, 11 + K * 10, 52, Color32(70, 160 + K * 15, 120));
  }
}

class TDecorativePage : public TGalleryPage {
 public:
  String Title() const override { return L"Decorative"; }

  void Show(HWND Parent, const RECT& R) override {
    EnsurePictures();
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->Ground = kGround;
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    int Y = Lines(16);
    Y = Shapes(Y);
    Y = PicturesAndAnimations(Y);
    OpacityAndPens(Y);
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
  }

  void Hide() override { FHost.reset(); }

 private:
  template <typename T>
  T* Add(int X, int Y, int W, int H) {
    return AddControl<T>(FHost.get(), FHost.get(), X, Y, W, H);
  }

  int Lines(int Y) {
    FHost->Heading(kPad, Y, L"Lines: gradient bands, solid, dashed and dotted; across and down");
    Y += 30;
    struct {
      const wchar_t* Text;
      TQvPenStyle Style;
      bool Gradient;
      TGradientAlign Align;
      TColor Color, Start;
    } Cases[] = {
        {L"default: the band centred over the line", TQvPenStyle::psSolid, true, gaCenter,
         TColor(0xFDF8F3), TColor(0xBCAA8C)},
        {L"gaLeft, GradientSize 80", TQvPenStyle::psSolid, true, gaLeft, TColor(0xFDF8F3),
         TColor(0xD08030)},
        {L"gaRight, GradientSize 80", TQvPenStyle::psSolid, true, gaRight, TColor(0xFDF8F3),
         TColor(0x4060E0)},
        {L"solid, no gradient", TQvPenStyle::psSolid, false, gaCenter, TColor(0xB0A090), 0},
        {L"psDash: 21 on, 7 off", TQvPenStyle::psDash, false, gaCenter, TColor(0xC07828), 0},
        {L"psDot: 4 on, 2 off", TQvPenStyle::psDot, false, gaCenter, TColor(0x5050D0), 0},
    };
    for (int I = 0; I < 6; ++I) {
      auto& C = Cases[I];
      const int X = kPad + (I % 3) * 340, Top = Y + (I / 3) * 50;
      FHost->Label(X, Top, C.Text);
      auto* L = Add<TQvSkinLine>(X, Top + 22, 310, 3);
      L->SetStyle(C.Style);
      L->SetActiveGradient(C.Gradient);
      L->SetGradientAlign(C.Align);
      L->SetColor(C.Color);
      if (C.Gradient) L->SetGradientStartColor(C.Start);
      if (C.Align != gaCenter) L->SetGradientSize(80);
    }
    // Vertical lines to the right.
    const int X = kPad + 3 * 340 + 10;
    FHost->Label(X - 10, Y, L"lkVertical: band, dashed, dotted, thick");
    const struct {
      TQvPenStyle Style;
      bool Gradient;
      TColor Color;
      int Thickness;
    } Downs[] = {{TQvPenStyle::psSolid, true, TColor(0xFDF8F3), 3},
                 {TQvPenStyle::psDash, false, TColor(0xC07828), 3},
                 {TQvPenStyle::psDot, false, TColor(0x5050D0), 3},
                 {TQvPenStyle::psSolid, true, TColor(0xFDF8F3), 8}};
    for (int I = 0; I < 4; ++I) {
      auto* L = Add<TQvSkinLine>(X + I * 50, Y + 22, 255, 3);
      L->SetKind(lkVertical);
      L->SetBounds(L->Left(), L->Top(), Downs[I].Thickness, 70);
      L->SetStyle(Downs[I].Style);
      L->SetActiveGradient(Downs[I].Gradient);
      L->SetColor(Downs[I].Color);
      if (Downs[I].Thickness > 3) L->SetGradientStartColor(TColor(0x30A060));
    }
    return Y + 112;
  }

  int Shapes(int Y) {
    FHost->Heading(
        kPad, Y, L"Shapes: filled, filled and outlined (solid, dotted, dashed pens), outline only");
    Y += 26;
    const TQvShapeKind Kinds[] = {skCircle,    skEllipse,     skRectangle,
                                  skRoundRect, skRoundSquare, skSquare};
    const wchar_t* Names[] = {L"skCircle",    L"skEllipse",     L"skRectangle",
                              L"skRoundRect", L"skRoundSquare", L"skSquare"};
    const TQvPenStyle Styles[] = {TQvPenStyle::psSolid, TQvPenStyle::psDot, TQvPenStyle::psDash};
    for (int K = 0; K < 6; ++K) {
      const int X = kPad + K * 128;
      const int W = Kinds[K] == skEllipse || Kinds[K] == skRoundRect ? 116 : 86;
      FHost->Label(X, Y, Names[K]);
      for (int Row = 0; Row < 3; ++Row) {
        auto* S = Add<TQvSkinShape>(X, Y + 20 + Row * 96, W, 86);
        S->SetShape(Kinds[K]);
        S->SetRoundRadius(14);
        if (Row == 0) continue;  // the default violet fill
        S->Pen()->SetVisible(true);
        S->Pen()->SetStyle(Styles[(K + Row) % 3]);
        if (Row == 1) {
          S->Brush()->SetColor(TColor(0x9AD4F5));
          S->Pen()->SetColor(TColor(0x2070D0));
          S->SetAlpha(200);
        } else {
          S->Brush()->SetVisible(false);
          S->Pen()->SetWidth(3);
          S->Pen()->SetColor(TColor(0x8B6366));
        }
      }
    }
    // Shapes from SVG path data.
    const int X = kPad + 6 * 128 + 24;
    FHost->Label(X, Y, L"skSVG: path data (lines, cubic and quadratic curves, relative moves)");
    const struct {
      const wchar_t* Path;
      TColor Fill, Stroke;
      bool Stroke_;
      const wchar_t* Text;
    } Paths[] = {
        {L"M60 8 L73 44 L112 44 L80 67 L92 104 L60 82 L28 104 L40 67 L8 44 L47 44 Z",
         TColor(0x30C8F8), TColor(0x1070C0), true, L"star"},
        {L"M60 104 C20 76 4 52 18 30 C30 10 54 14 60 34 C66 14 90 10 102 30 C116 52 100 76 60 104 "
         L"Z",
         TColor(0x5050E8), TColor(0x202090), true, L"heart"},
        {L"M6 70 Q30 20 58 70 T110 70 L110 110 L6 110 Z", TColor(0xD8A040), TColor(0x805010), false,
         L"waves"},
        {L"m10 50 l60 0 0 -24 40 38 -40 38 0 -24 -60 0 z", TColor(0x60B060), TColor(0x206020), true,
         L"arrow"},
    };
    for (int I = 0; I < 4; ++I) {
      auto& P = Paths[I];
      const int PX = X + (I % 2) * 150, PY = Y + 24 + (I / 2) * 140;
      auto* S = Add<TQvSkinShape>(PX, PY, 120, 118);
      S->SetShape(skSVG);
      S->SetSvgPath(P.Path);
      S->Brush()->SetColor(P.Fill);
      S->Pen()->SetColor(P.Stroke);
      S->Pen()->SetVisible(P.Stroke_);
      FHost->Label(PX + 40, PY + 118, P.Text);
    }
    return Y + 20 + 3 * 96 + 12;
  }

  int PicturesAndAnimations(int Y) {
    FHost->Heading(kPad, Y, L"Skin pictures in rings (TQvSkinCircleShape)");
    const struct {
      const wchar_t* Picture;
      TColor Ring;
      const wchar_t* Text;
    } Circles[] = {
        {L"GalleryDecorPortrait", TColor(0xEBB71C), L"default ring colour"},
        {L"GalleryDecorSunset", TColor(0x3C8CF0), L"orange ring"},
        {L"GalleryDecorPetals", TColor(0x50B050), L"green ring"},
        {L"QvSkinMsgIcon_Info", TColor(0xB07090), L"a see-through skin icon"},
    };
    for (int I = 0; I < 4; ++I) {
      const int X = kPad + I * 150;
      auto* C = Add<TQvSkinCircleShape>(X, Y + 30, 120, 120);
      C->SetPicture(Circles[I].Picture);
      C->SetColor(Circles[I].Ring);
      FHost->Label(X, Y + 156, Circles[I].Text);
    }

    const int X = kPad + 4 * 150 + 40;
    FHost->Heading(X, Y, L"Animations: image lists played on a timer");
    auto* SpinnerFrames = new TCustomImageList(FHost.get());
    AddFrames(SpinnerFrames, 12, 48, 48, Spinner);
    auto* BallFrames = new TCustomImageList(FHost.get());
    AddFrames(BallFrames, 10, 48, 72, Ball);
    auto* BarFrames = new TCustomImageList(FHost.get());
    AddFrames(BarFrames, 8, 56, 56, Bars);
    const struct {
      TCustomImageList* Frames;
      int Delay;
      bool Reverse;
      const wchar_t* Text;
      int StillFrame;  // shown in screenshot mode
    } Anims[] = {{SpinnerFrames, 80, false, L"loop, 12 frames", 4},
                 {BallFrames, 45, true, L"Reverse + Loop: swings", 6},
                 {BarFrames, 110, false, L"loop, 8 frames", 2}};
    for (int I = 0; I < 3; ++I) {
      const int AX = X + I * 170;
      auto* A = Add<TQvSkinAnimation>(AX, Y + 40, 10, 10);
      A->SetAutoSize(false);
      A->SetImages(Anims[I].Frames);
      A->SetBounds(AX, Y + 30, 120, 110);
      A->SetDelay(Anims[I].Delay);
      A->SetReverse(Anims[I].Reverse);
      if (AnimationsFrozen())
        A->SetCurrentFrame(Anims[I].StillFrame);
      else
        A->Start();
      FHost->Label(AX, Y + 156, Anims[I].Text);
    }
    return Y + 190;
  }

  void OpacityAndPens(int Y) {
    FHost->Heading(kPad, Y,
                   L"Fill opacity over a busy ground (Alpha 255, 192, 128, 64, 0) and pen widths");
    Y += 30;
    // Stripes behind the shapes, so that their opacity shows.
    FHost->OnPaintGround = [Band = Rect(kPad, Y + 18, kPad + 5 * 110 - 20, Y + 62)](TCanvas& C) {
      for (int X = Band.Left, I = 0; X < Band.Right; X += 12, ++I) {
        C.Brush().SetColor(I % 2 ? TColor(0x40A0F0) : TColor(0x705030));
        C.FillRect(Rect(X, Band.Top, std::min(X + 12, Band.Right), Band.Bottom));
      }
    };
    const Byte Alphas[] = {255, 192, 128, 64, 0};
    for (int I = 0; I < 5; ++I) {
      auto* S = Add<TQvSkinShape>(kPad + I * 110, Y, 80, 80);
      S->SetAlpha(Alphas[I]);
      S->Brush()->SetColor(TColor(0x4040E0));
      S->Pen()->SetVisible(true);
      S->Pen()->SetColor(TColor(0x202080));
      S->Pen()->SetWidth(2);
      FHost->Label(kPad + I * 110 + 14, Y + 84, L"Alpha " + std::to_wstring(Alphas[I]));
    }
    const int Widths[] = {1, 2, 4, 6, 8};
    for (int I = 0; I < 5; ++I) {
      const int X = kPad + 5 * 110 + 40 + I * 110;
      auto* S = Add<TQvSkinShape>(X, Y, 90, 80);
      S->SetShape(skRoundRect);
      S->SetRoundRadius(18);
      S->Brush()->SetColor(TColor(0xE8F4E0));
      S->Pen()->SetVisible(true);
      S->Pen()->SetColor(TColor(0x40A040));
      S->Pen()->SetWidth(Widths[I]);
      FHost->Label(X + 12, Y + 84, L"Pen.Width " + std::to_wstring(Widths[I]));
    }
  }

  static constexpr int kPad = 16;
  std::unique_ptr<TControlsHost> FHost;
};

const TPageRegistration gRegistration(60, [] {
  return std::unique_ptr<TGalleryPage>(new TDecorativePage());
});

}  // namespace

}  // namespace gallery
