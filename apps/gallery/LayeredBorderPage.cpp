// The layered border: plain forms standing over the page, one with the soft click-through
// shadow of the default skin, one with the opaque frame mode that takes the mouse and
// drags its form. The border windows are real layered windows, so the screen (and the
// screenshot) shows them composed over the page.
// windows.h first: it renames TCanvas::TextOut to TextOutW, as in the library.
#include <windows.h>

#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "forms/QvFormBorder.h"
#include "forms/QvFormBorderGeometry.h"
#include "host/Canvas.h"
#include "host/Font.h"
#include "host/Timer.h"
#include "raster/Bitmap32.h"
#include "resources/QvSkinResManager.h"

namespace gallery {

namespace {

using namespace qv;

class TLayeredBorderPage : public TGalleryPage {
 public:
  String Title() const override { return L"Layered border"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    FHost->Heading(16, 16, L"Layered border around a plain form");
    FHost->Label(16, 44, L"Four per-pixel-alpha windows drawn from \"QvSkinSlider_Aio_light_bkg\"");
    FHost->Label(60, 330, L"Transparent (default): a click-through shadow");
    FHost->Label(460, 330, L"Opaque, Size 12: takes the mouse, drags the form");
    FHost->Label(16, 370,
                 L"The shadow is translucent (alpha up to 51). An X server without a compositor "
                 L"shows every pixel that is not fully transparent solid, so here it looks dark.");
    FHost->Heading(16, 410, L"The same shadow composed by the library's own blend");
    FHost->Label(60, 650, L"The four pieces blended onto the page, as Windows composes them");
    FHost->OnPaintGround = [this](TCanvas& Canvas) { PaintComposedShadow(Canvas, 60, 440); };
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
    POINT Origin{R.left, R.top};
    ClientToScreen(Parent, &Origin);
    AddForm(0, Origin.x + 60, Origin.y + 100, L"Shadow", true, 8);
    AddForm(1, Origin.x + 460, Origin.y + 100, L"Frame", false, 12);
    // Wine maps new windows above the others when it handles their map events; placing
    // the borders again once that happened keeps them below their forms.
    FTimer = std::make_unique<TTimer>(nullptr);
    FTimer->SetInterval(60);
    FTimer->OnTimer = [this](TObject*) {
      FTimer->SetEnabled(false);
      for (int I = 0; I < 2; ++I) FBorders[I]->MoveWithForm(FForms[I]->Left(), FForms[I]->Top());
    };
    FTimer->SetEnabled(true);
  }

  bool Settled() const override { return !FTimer || !FTimer->Enabled(); }

  void Hide() override {
    FTimer.reset();
    for (int I = 0; I < 2; ++I) {
      FBorders[I].reset();
      FForms[I].reset();
    }
    FHost.reset();
  }

 private:
  // What the desktop shows on Windows: the border pieces blended over the page, the form
  // drawn on top. Composed once; each paint only copies it.
  void PaintComposedShadow(TCanvas& Canvas, int X, int Y) {
    if (FComposed.Empty()) ComposeShadow();
    FComposed.DrawTo(Canvas.Handle(), X, Y);
  }

  void ComposeShadow() {
    const int FormW = 320, FormH = 180, Margin = 16;
    FComposed.SetSize(FormW + 2 * Margin, FormH + 2 * Margin);
    FComposed.Clear(Color32(FHost->Ground));
    const TQvBorderSize Size;
    const TQvBorderSize Inflate(5, 5, -5, -5);
    const TQvBorderLayout Layout =
        QvBorderLayout(Bounds(Margin, Margin, FormW, FormH), Size, Inflate, true);
    TQvBorderPieces Pieces;
    TQvSkinResManager* Manager = TQvSkinResManagerObj();
    QvBuildBorderPieces(Manager ? Manager->GetImageByName(TQvFormLayerBorder::DefaultImage)
                                : nullptr,
                        skAuto, Layout, Pieces);
    for (size_t Side = 0; Side < Pieces.size(); ++Side)
      if (Pieces[Side]) {
        Pieces[Side]->SetDrawMode(dmBlend);
        Pieces[Side]->DrawTo(&FComposed, Layout.Pos[Side].X, Layout.Pos[Side].Y);
      }
    FComposed.FillRectS(Margin, Margin, Margin + FormW, Margin + FormH, 0xFFFFFFFF);
    FComposed.FillRectS(Margin, Margin, Margin + FormW, Margin + 32, Color32(TColor(0xB07838)));
  }

  void AddForm(int I, int X, int Y, const String& Caption, bool Transparent, int Size) {
    auto Form = std::make_unique<TForm>(nullptr);
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(X, Y, 320, 200);
    TForm* F = Form.get();
    Form->OnPaint = [F, Caption](TObject*) {
      TCanvas* C = F->Canvas();
      C->Brush().SetColor(TColor(0xFFFFFF));
      C->FillRect(Rect(0, 0, F->Width(), F->Height()));
      C->Brush().SetColor(TColor(0xB07838));
      C->FillRect(Rect(0, 0, F->Width(), 32));
      C->Font().SetHeight(-14);
      C->Font().SetColor(TColor(0xFFFFFF));
      C->TextOut(12, 8, Caption);
      C->Font().SetColor(TColor(0x404040));
      C->Brush().SetColor(TColor(0xFFFFFF));
      C->TextOut(12, 60, L"A plain form; the border follows it.");
    };
    Form->Show();
    auto Border = std::make_unique<TQvFormLayerBorder>(nullptr);
    Border->SetTransparent(Transparent);
    Border->Size()->SetAll(Size, Size, Size, Size);
    Border->InitFrame(F);
    Border->ShowWithForm({});
    FForms[I] = std::move(Form);
    FBorders[I] = std::move(Border);
  }

  std::unique_ptr<TControlsHost> FHost;
  std::unique_ptr<TForm> FForms[2];
  std::unique_ptr<TQvFormLayerBorder> FBorders[2];
  std::unique_ptr<TTimer> FTimer;
  TBitmap32 FComposed;
};

const TPageRegistration gRegistration(70, [] {
  return std::unique_ptr<TGalleryPage>(new TLayeredBorderPage());
});

}  // namespace

}  // namespace gallery
