// Dates and gauges, the last part: message bars (a news ticker of messages that slide up
// in turn; pointing at one holds it), speech-bubble callout panels pointing four ways and
// marker badges painted into the page.
#include <memory>
#include <vector>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinCtrls.h"
#include "raster/Polygons.h"

namespace gallery {

namespace {

using namespace qv;

constexpr TColor kGround = TColor(0xF8F6F3);

// A 16 × 16 round badge of one colour with a white mark in the middle.
void Badge(TBitmap32& B, TColor32 Color) {
  B.SetSize(16, 16);
  B.Clear(0);
  PolygonFS(&B, Circle(8, 8, 7.5), Color);
  B.FillRectS(7, 4, 9, 10, Color32(255, 255, 255));
  B.FillRectS(7, 11, 9, 13, Color32(255, 255, 255));
}

class TMsgBarPage : public TGalleryPage {
 public:
  String Title() const override { return L"Message bar and callouts"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->Ground = kGround;
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    MessageBars(16);
    Callouts(200);
    Markers(470);
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
  }

  void Hide() override {
    FHost.reset();
    FMarkers.clear();
  }

 private:
  void MessageBars(int Y) {
    FHost->Heading(kPad, Y,
                   L"Message bars: every 3 s the next message slides up; pointing at one holds it");
    struct Bar {
      TAlignment Alignment;
      const wchar_t* Label;
      bool Icons;
      std::vector<const wchar_t*> Titles;
    } Bars[] = {
        {taLeftJustify,
         L"Left, with icons",
         true,
         {L"Build 1.4.2 is ready to install", L"Three files were synchronised",
          L"Your trial ends in 5 days"}},
        {taCenter,
         L"Centred",
         false,
         {L"Welcome back! The weekly report is waiting for you.",
          L"Server maintenance tonight at 23:00"}},
        {taRightJustify, L"Right, with icons", true, {L"Disk almost full", L"Backup finished"}},
    };
    const TColor32 Colors[] = {Color32(40, 130, 230), Color32(60, 170, 90), Color32(230, 120, 40)};
    Y += 30;
    for (const Bar& B : Bars) {
      FHost->Label(kPad, Y + 10, B.Label);
      auto* M = AddControl<TQvSkinScrollMsgBar>(FHost.get(), FHost.get(), 150, Y, 420, 36);
      M->SetAlignment(B.Alignment);
      for (size_t I = 0; I < B.Titles.size(); ++I) {
        TScrollMsgBarItem* Item = M->AddItem();
        Item->Text()->SetTitle(B.Titles[I]);
        if (B.Icons) {
          TBitmap32 Icon;
          Badge(Icon, Colors[I % 3]);
          Item->SetIcon(&Icon);
        }
      }
      // The first message at once; then the bar's own timer (held still for screenshots).
      M->SetAnimateStep(0);
      M->Next(false);
      M->SetAnimateStep(TQvSkinScrollMsgBar::DefaultAnimateStep);
      if (AnimationsFrozen()) M->SetAutoScroll(false);
      Y += 46;
    }
  }

  void Callouts(int Y) {
    FHost->Heading(kPad, Y, L"Callout panels: the pointer on each side, children beside it");
    Y += 30;
    struct Callout {
      TQvCalloutPosition Position;
      const wchar_t* Text;
      TColor Color, Border;
      int Offset;
    } Callouts[] = {
        {cpTop, L"Pointer on top", clWhite, TColor(0xD9CBBA), 0},
        {cpLeft, L"Pointer on the left, offset 20", TColor(0xF2FBFF), TColor(0x3CA0E0), 20},
        {cpBottom, L"Pointer below", TColor(0xF0FFF0), TColor(0x60B060), 0},
        {cpRight, L"Pointer on the right", TColor(0xFFF4EC), TColor(0xC08040), 0},
    };
    int X = kPad;
    for (const Callout& C : Callouts) {
      auto* P = AddControl<TQvSkinCalloutPanel>(FHost.get(), FHost.get(), X, Y, 160, 120);
      P->SetCalloutPosition(C.Position);
      P->SetCalloutOffset(C.Offset);
      P->SetColor(C.Color);
      P->SetBorderColor(C.Border);
      auto* L = AddControl<TQvSkinLabel>(FHost.get(), P, 0, 0, 10, 10);
      L->SetAutoSize(false);
      L->SetAlign(alClient);
      L->SetAlpha(0);
      L->SetBorderSides({});
      L->SetWordWap(true);
      L->SetAlignmentHorizontal(taCenter);
      L->SetAlignmentVertical(taVerticalCenter);
      L->SetCaption(C.Text);
      X += 180;
    }
    auto* Clear = AddControl<TQvSkinCalloutPanel>(FHost.get(), FHost.get(), X, Y, 120, 120);
    Clear->SetAlpha(0);
    Clear->SetCalloutPosition(cpBottom);
    FHost->Label(X + 8, Y + 40, L"Alpha 0:");
    FHost->Label(X + 8, Y + 58, L"outline only");
  }

  void Markers(int Y) {
    FHost->Heading(kPad, Y, L"Markers: badges painted where the application likes");
    Y += 34;
    struct Marker {
      int W, H, Round;
      const wchar_t* Text;
      TColor Brush;
      Byte Alpha;
      bool Pen;
    } Markers[] = {
        {19, 19, 0, L"0", TColor(0xFB7E1C), 255, true},
        {19, 19, 0, L"3", TColor(0x3C3CE0), 255, false},
        {24, 24, 0, L"12", TColor(0x40A040), 255, false},
        {34, 19, 12, L"99+", TColor(0x3C3CE0), 255, false},
        {19, 19, 0, L"7", TColor(0xFB7E1C), 140, false},
        {44, 22, 8, L"New", TColor(0x8040C0), 255, false},
    };
    int X = kPad;
    for (const Marker& M : Markers) {
      auto Badge = std::make_unique<TQvSkinCircleMarker>(nullptr);
      Badge->SetX(X);
      Badge->SetY(Y);
      Badge->SetWidth(M.W);
      Badge->SetHeight(M.H);
      Badge->SetRoundSize(M.Round);
      Badge->SetText(M.Text);
      Badge->Brush()->SetColor(M.Brush);
      Badge->SetAlpha(M.Alpha);
      if (!M.Pen) Badge->Pen()->SetStyle(psClear);
      FMarkers.push_back(std::move(Badge));
      X += M.W + 24;
    }
    FHost->Label(kPad, Y + 34,
                 L"Circle with outline, circles, a wider circle, rounded counters, 55 % opacity");
    FHost->OnPaintGround = [this](TCanvas& C) {
      for (const auto& M : FMarkers) M->Draw(C.Handle());
    };
  }

  static constexpr int kPad = 16;
  std::unique_ptr<TControlsHost> FHost;
  std::vector<std::unique_ptr<TQvSkinCircleMarker>> FMarkers;
};

const TPageRegistration gRegistration(152, [] {
  return std::unique_ptr<TGalleryPage>(new TMsgBarPage());
});

}  // namespace

}  // namespace gallery
