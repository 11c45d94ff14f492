// The alpha form, edge docking and the size grip. The alpha form's frame is composed onto
// the page as Windows composes the layered window; edge docking is drawn as the work area
// sees it; a real form stands over the page with the size grip in its corner.
// windows.h first: it renames TCanvas::TextOut to TextOutW, as in the library.
#include <windows.h>

#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinSizeGrip.h"
#include "forms/QvAlphaForm.h"
#include "forms/QvEdgeDockGeometry.h"
#include "host/Canvas.h"
#include "host/Font.h"
#include "host/Form.h"
#include "raster/Bitmap32.h"

namespace gallery {

namespace {

using namespace qv;

class TAlphaFormPage : public TGalleryPage {
 public:
  String Title() const override { return L"Alpha form, docking, grip"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    FHost->Heading(16, 16, L"TQvSkinAlphaForm: the whole form is one skin picture");
    FHost->Label(16, 40, L"\"QvSkinPreview_bkg\" stretched as nine blocks over 320 x 200,");
    FHost->Label(16, 58, L"composed onto the page as the layered window shows it");
    FHost->Heading(560, 16, L"TQvQQAlign: docking to the work area");
    FHost->Label(560, 40,
                 L"A 1000 x 700 work area at a quarter of its size: left at the top edge,");
    FHost->Label(560, 58,
                 L"a form slides out but for 2 pixels (left), and back under the cursor (right)");
    FHost->Heading(16, 300, L"TQvSkinSizeGrip: drag the corner to size the form");
    FHost->OnPaintGround = [this](TCanvas& Canvas) { PaintGround(Canvas); };
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
    POINT Origin{R.left, R.top};
    ClientToScreen(Parent, &Origin);
    ShowGripForm(Origin.x + 16, Origin.y + 330);
  }

  void Hide() override {
    FForm.reset();
    FHost.reset();
  }

 private:
  void ShowGripForm(int X, int Y) {
    FForm = std::make_unique<TForm>(nullptr);
    FForm->SetBorderStyle(bsNone);
    FForm->SetBounds(X, Y, 320, 160);
    TForm* F = FForm.get();
    F->OnPaint = [F](TObject*) {
      TCanvas* C = F->Canvas();
      C->Brush().SetColor(TColor(0xFFFFFF));
      C->FillRect(Rect(0, 0, F->Width(), F->Height()));
      C->Brush().SetColor(TColor(0xB07838));
      C->FillRect(Rect(0, 0, F->Width(), 28));
      C->Font().SetHeight(-13);
      C->Font().SetColor(TColor(0xFFFFFF));
      C->TextOut(10, 6, L"A form with a size grip");
      C->Font().SetColor(TColor(0x404040));
      C->Brush().SetColor(TColor(0xFFFFFF));
      C->TextOut(10, 60, L"The grip sits in the bottom-right corner.");
    };
    auto* Grip = new TQvSkinSizeGrip(F);
    Grip->SetParent(F);
    Grip->SetBounds(F->ClientWidth() - 20, F->ClientHeight() - 20, 20, 20);
    F->Show();
  }

  void PaintGround(TCanvas& Canvas) {
    if (FAlpha.Empty()) {
      TBitmap32 Frame;
      TQvSkinAlphaForm Alpha(nullptr);
      FAlpha.SetSize(340, 220);
      FAlpha.Clear(Color32(FHost->Ground));
      if (Alpha.RenderFrame(Frame, 320, 200)) {
        Frame.SetDrawMode(dmBlend);
        FAlpha.Draw(10, 10, &Frame);
      }
      DrawDocking();
    }
    FAlpha.DrawTo(Canvas.Handle(), 16, 80);
    FDock.DrawTo(Canvas.Handle(), 560, 90);
  }

  // A 1000 x 700 work area at a quarter of its size: one form docked and hidden at the top
  // (its strip shows), one slid back while the cursor is over it.
  void DrawDocking() {
    const int S = 4, WW = 1000, WH = 700, FW = 240, FH = 160;
    FDock.SetSize(WW / S + 1, WH / S + 1);
    FDock.Clear(0xFFE8ECF0);
    FDock.FrameRectS(0, 0, WW / S + 1, WH / S + 1, 0xFF5A6470);
    TRect Moving = Bounds(120, -60, FW, FH);
    TAnchors Touched = QvDockAlign(Moving, {akTop}, FW, FH, WW, WH, 120);
    TPoint Hidden = QvDockSlide({Moving.Left, Moving.Top}, Touched, {akTop}, false, FW, FH, WW);
    TPoint Shown = QvDockSlide({600, 0}, Touched, {akTop}, true, FW, FH, WW);
    auto Form = [&](TPoint P, TColor32 Fill) {
      TRect R = Bounds(P.X / S, P.Y / S, FW / S, FH / S);
      FDock.FillRectS(R.Left, std::max(R.Top, 0), R.Right, R.Bottom, Fill);
      FDock.FrameRectS(R.Left, std::max(R.Top, 0), R.Right, R.Bottom, 0xFF385078);
    };
    // The hidden form keeps a 2-pixel strip: drawn 2 pixels high at this scale too.
    FDock.FillRectS(Hidden.X / S, 0, (Hidden.X + FW) / S, 2, 0xFF385078);
    Form(Shown, 0xFFB8D0F0);
  }

  std::unique_ptr<TControlsHost> FHost;
  std::unique_ptr<TForm> FForm;
  TBitmap32 FAlpha, FDock;
};

const TPageRegistration gRegistration(96, [] {
  return std::unique_ptr<TGalleryPage>(new TAlphaFormPage());
});

}  // namespace

}  // namespace gallery
