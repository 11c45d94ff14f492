// Easing curves and vector paths: the 28 curves of TQvAnimateEasing plotted from
// GenerateValues, with a marker that a TSimpleTimer moves along each; SVG path data drawn
// with fill and stroke brushes; and an item of the vector image list rendered at several sizes.
#include <algorithm>
#include <memory>
#include <string>

#include "BufferedPage.h"
#include "graphics/QvAE.h"
#include "graphics/QvSkinGraphics.h"
#include "graphics/SimpleTimer.h"
#include "graphics/SvgImageRender.h"
#include "raster/Polygons.h"

namespace gallery {

namespace {

using namespace qv;

constexpr int kPad = 12;
constexpr int kColumns = 7;
constexpr int kCurveCellH = 112;
constexpr int kSvgCell = 180;
constexpr int kPeriodMs = 2400;

const TColor32 kInk = Color32(60, 66, 74);
const TColor32 kGrid = Color32(214, 219, 226);
const TColor32 kCurve = Color32(38, 110, 214);
const TColor32 kMarker = Color32(232, 84, 48);

void FillChecker(TBitmap32& B, const TRect& R) {
  constexpr int kSquare = 8;
  for (int Y = R.Top; Y < R.Bottom; Y += kSquare)
    for (int X = R.Left; X < R.Right; X += kSquare) {
      bool Dark = ((X - R.Left) / kSquare + (Y - R.Top) / kSquare) % 2 != 0;
      B.FillRectS(X, Y, std::min(X + kSquare, R.Right), std::min(Y + kSquare, R.Bottom),
                  Dark ? Color32(226, 229, 233) : Color32(246, 247, 249));
    }
}

struct TSvgSample {
  const char* Path;
  TColor Fill;  // clNone: outline only
  TColor Stroke;
  int StrokeWidth;
  Byte Alpha;
  const wchar_t* Caption;
};

// Coordinates for a 180 × 180 box.
const TSvgSample kSamples[] = {
    {"M20 20 L150 20 L85 150 Z", 0x3CB4F0, clBlue, 3, 255, L"lines, fill and stroke"},
    {"M88 160 C20 112 8 60 42 38 C66 24 88 40 88 62 C88 40 108 24 132 38 C166 60 156 112 88 160 Z",
     0x5A3CE6, 0x2A1A80, 2, 255, L"cubic curves"},
    {"M10 90 Q40 10 70 90 T130 90 T170 90", clNone, 0x8C5A1E, 5, 255,
     L"quadratic, smooth, stroke only"},
    {"m88 12 l20 52 l55 0 l-45 34 l18 56 l-48 -34 l-48 34 l18 -56 l-45 -34 l55 0 z", 0x00C8FF,
     0x0060A0, 2, 150, L"relative lines, fill alpha 150"},
    {"M20 30 h130 v50 h-60 v60 h-70 z M40 50 h40 v20 h-40 z", 0x50B450, 0x206020, 2, 255,
     L"H and V, two subpaths"},
};

class TVectorPage : public TBufferedPage {
 public:
  TVectorPage() {
    // A play-button icon in a 24 × 24 box for the vector image list.
    TSkSvgBrush Play;
    Play.SetPath(L"M4 3 L18 12 L4 21 Z");
    Play.SetFillColor(0x2AA02A);
    Play.SetStrokeColor(0x106010);
    Play.SetViewWidth(24);
    Play.SetViewHeight(24);
    FIcons.AddSvg(L"Icon_Play", &Play, L"play");
  }

  String Title() const override { return L"Easing and vectors"; }

 private:
  void Shown() override {
    if (AnimationsFrozen()) return;
    FStart = GetTickCount();
    FTimer = std::make_unique<TSimpleTimer>(40, [this](TObject*) {
      if (Window()) InvalidateRect(Window(), nullptr, FALSE);
    });
    FTimer->SetEnabled(true);
  }
  void Hiding() override { FTimer.reset(); }

  void Text(const TRect& R, const std::wstring& S, UINT Flags = DT_LEFT) {
    GdiFlush();
    RECT WR{R.Left, R.Top, R.Right, R.Bottom};
    DrawTextW(HDC(FBuffer.Handle()), S.c_str(), -1, &WR,
              Flags | DT_NOPREFIX | DT_END_ELLIPSIS | DT_SINGLELINE);
    GdiFlush();
  }

  void Compose(int Width, int Height) override {
    if (FStatic.Width() != Width || FStatic.Height() != Height) {
      FStatic.SetSize(Width, Height);
      FStaticValid = false;
    }
    if (!FStaticValid) ComposeStatic();
    FStaticValid = true;
    FStatic.DrawTo(&FBuffer);
    // The markers: every curve at the same moment of a repeating run.
    double T = AnimationsFrozen() ? 0.4 : double((GetTickCount() - FStart) % kPeriodMs) / kPeriodMs;
    for (int I = 0; I < EasingTypeCount; ++I) {
      TFloatRect P = PlotRect(I);
      double V = double(TQvAnimateEasing::GetEasingFunc(TEasingType(I))(T, 0, 1));
      PolygonFS(&FBuffer, Circle(ToX(P, T), ToY(P, V), 3.5), kMarker, pfNonZero);
    }
  }

  // The plot of curve I: values -0.5 .. 1.5 over its height.
  TFloatRect PlotRect(int I) const {
    int CellW = (FBuffer.Width() - 2 * kPad) / kColumns;
    double L = kPad + (I % kColumns) * CellW + 10, Tp = 44 + (I / kColumns) * kCurveCellH + 18;
    return {L, Tp, L + CellW - 28, Tp + kCurveCellH - 30};
  }
  static double ToX(const TFloatRect& P, double T) { return P.Left + T * (P.Right - P.Left); }
  static double ToY(const TFloatRect& P, double V) {
    return P.Bottom - (V + 0.5) / 2 * (P.Bottom - P.Top);
  }

  void ComposeStatic() {
    FBuffer.Clear(clWhite32);  // text goes through the buffer's device context
    HDC DC = HDC(FBuffer.Handle());
    HFONT Font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                             ANTIALIASED_QUALITY, 0, L"Tahoma");
    HFONT Bold = CreateFontW(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                             ANTIALIASED_QUALITY, 0, L"Tahoma");
    HGDIOBJ Old = SelectObject(DC, Bold);
    SetBkMode(DC, TRANSPARENT);
    SetTextColor(DC, RGB(60, 66, 74));
    Text(Bounds(kPad, 14, 900, 20),
         L"Easing curves: GenerateValues(1000, 96, curve), the marker runs on a TSimpleTimer");

    SelectObject(DC, Font);
    for (int I = 0; I < EasingTypeCount; ++I) {
      TFloatRect P = PlotRect(I);
      Text(Rect(int(P.Left), int(P.Top) - 16, int(P.Right), int(P.Top)),
           EasingTypeName(TEasingType(I)));
      for (double V : {0.0, 1.0})
        PolylineFS(&FBuffer, Line(P.Left, ToY(P, V), P.Right, ToY(P, V)), kGrid, false, 1);
      PolylineFS(&FBuffer, Line(P.Left, P.Top, P.Left, P.Bottom), kGrid, false, 1);
      TResultArray Values = TQvAnimateEasing::GenerateValues(1000, 96, TEasingType(I));
      TArrayOfFloatPoint Pts;
      for (size_t J = 0; J < Values.size(); ++J)
        Pts.push_back({ToX(P, double(J) / Values.size()), ToY(P, double(Values[J]) / 1000)});
      Pts.push_back(
          {ToX(P, 1),
           ToY(P, double(TQvAnimateEasing::GetEasingFunc(TEasingType(I))(1, 0, 1000)) / 1000)});
      PolylineFS(&FBuffer, Pts, kCurve, false, 1.6, jsRound, esRound);
    }

    int Top = 44 + 4 * kCurveCellH + 12;
    SelectObject(DC, Bold);
    Text(Bounds(kPad, Top, 900, 20),
         L"SVG path data: TQvSVGPathRenderer with fill and stroke brushes");
    SelectObject(DC, Font);
    Top += 26;
    int X = kPad;
    for (const TSvgSample& S : kSamples) {
      DrawSample(X, Top, S);
      X += kSvgCell + kPad;
    }
    DrawGradientSample(X, Top);
    X += kSvgCell + kPad;
    DrawIcons(X, Top);

    SelectObject(DC, Old);
    DeleteObject(Font);
    DeleteObject(Bold);
    FBuffer.DrawTo(&FStatic);
  }

  void Cell(int X, int Y, const std::wstring& Caption, const std::wstring& Detail) {
    FillChecker(FBuffer, Bounds(X, Y, kSvgCell, kSvgCell));
    Text(Bounds(X, Y + kSvgCell + 4, kSvgCell, 16), Caption);
    SetTextColor(HDC(FBuffer.Handle()), RGB(120, 128, 138));
    Text(Bounds(X, Y + kSvgCell + 20, kSvgCell, 16), Detail);
    SetTextColor(HDC(FBuffer.Handle()), RGB(60, 66, 74));
  }

  void DrawSample(int X, int Y, const TSvgSample& S) {
    Cell(X, Y, S.Caption, std::wstring(S.Path, S.Path + std::char_traits<char>::length(S.Path)));
    TBitmap32 Layer;
    Layer.SetSize(kSvgCell - 4, kSvgCell - 4);
    Layer.SetDrawMode(dmBlend);
    TQvSVGPathRenderer R(&Layer);
    TQvSVGPathColors Colors;
    if (S.Fill != clNone) Colors.Include(pcFill);
    if (S.Stroke != clNone) Colors.Include(pcStroke);
    R.SetColors(Colors);
    R.SetFillColor(S.Fill);
    R.SetStrokeColor(S.Stroke);
    R.SetStrokeWidth(S.StrokeWidth);
    R.SetAlpha(S.Alpha);
    R.SetPath(S.Path);
    FBuffer.Draw(X + 2, Y + 2, &Layer);
  }

  // A path canvas of our own: the fill brush takes its colours from a linear gradient.
  void DrawGradientSample(int X, int Y) {
    const char* Path = "M20 60 C20 20 160 20 160 60 L160 130 C160 170 20 170 20 130 Z";
    Cell(X, Y, L"gradient fill brush", L"TCanvas32 + TLinearGradientPolygonFiller");
    TBitmap32 Layer;
    Layer.SetSize(kSvgCell - 4, kSvgCell - 4);
    Layer.SetDrawMode(dmBlend);
    TLinearGradientPolygonFiller Filler(
        TColor32Gradient(Color32(255, 196, 64), Color32(214, 48, 96)));
    Filler.SetPoints({0, 20}, {0, 160});
    TCanvas32 Canvas(&Layer);
    Canvas.Brushes().Add<TSolidBrush>()->SetFiller(&Filler);
    auto* Stroke = Canvas.Brushes().Add<TStrokeBrush>();
    Stroke->SetFillColor(Color32(120, 30, 60));
    Stroke->SetStrokeWidth(3);
    Stroke->SetFillMode(pfNonZero);
    RenderSVGPath(Canvas, Path);
    FBuffer.Draw(X + 2, Y + 2, &Layer);
  }

  // One item of the vector image list rendered into skin images of four sizes.
  void DrawIcons(int X, int Y) {
    Cell(X, Y, L"vector image list item", L"Icon_Play at 16, 24, 40, 72 px (IsFromSVG)");
    int IX = X + 4;
    for (int Size : {16, 24, 40, 72}) {
      TQvSkinImage Image;
      if (RenderSvgImage(FIcons, L"Icon_Play", Image, Size, Size) && Image.IsFromSVG())
        FBuffer.Draw(IX, Y + (kSvgCell - Size) / 2, &Image);
      IX += Size + 6;
    }
  }

  TBitmap32& FBuffer = Buffer();
  TBitmap32 FStatic;  // everything but the markers
  bool FStaticValid = false;
  DWORD FStart = 0;
  std::unique_ptr<TSimpleTimer> FTimer;
  TQvSkinSvgImageList FIcons{nullptr};
};

const TPageRegistration gRegistration(30, [] {
  return std::unique_ptr<TGalleryPage>(new TVectorPage());
});

}  // namespace

}  // namespace gallery
