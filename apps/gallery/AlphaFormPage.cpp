// The alpha form, edge docking and the size grip. The alpha form is a real layered window
// hosting title-bar controls; its frame is also composed onto the page as Windows composes
// the layered window. Edge docking is drawn as the work area sees it; a real form stands
// over the page with the size grip in its corner.
// windows.h first: it renames TCanvas::TextOut to TextOutW, as in the library.
#include <windows.h>

#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinSizeGrip.h"
#include "forms/QvAlphaForm.h"
#include "forms/QvEdgeDockGeometry.h"
#include "forms/QvSkinNCButton.h"
#include "forms/QvSkinNCCtrls.h"
#include "host/Canvas.h"
#include "host/Font.h"
#include "host/Form.h"
#include "host/Timer.h"
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
    FHost->Label(16, 40, L"A real layered window, \"QvSkinPreview_bkg\" as nine blocks, hosting");
    FHost->Label(16, 58,
                 L"title-bar controls: a label, buttons in one group, an image, a scrolling "
                 L"message");
    FHost->Label(16, 298, L"An X server without a compositor shows its soft edge solid.");
    FHost->Heading(16, 330, L"The same frame composed onto the page, as Windows shows it");
    FHost->Heading(560, 16, L"TQvQQAlign: docking to the work area");
    FHost->Label(560, 40,
                 L"A 1000 x 700 work area at a quarter of its size: left at the top edge,");
    FHost->Label(560, 58,
                 L"a form slides out but for 2 pixels (left), and back under the cursor (right)");
    FHost->Heading(16, 600, L"TQvSkinSizeGrip: drag the corner to size the form");
    FHost->OnPaintGround = [this](TCanvas& Canvas) { PaintGround(Canvas); };
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
    POINT Origin{R.left, R.top};
    ClientToScreen(Parent, &Origin);
    HWND Owner = GetAncestor(Parent, GA_ROOT);
    ShowAlphaForm(Owner, Origin.x + 16, Origin.y + 84);
    ShowGripForm(Owner, Origin.x + 16, Origin.y + 630);
  }

  // The title-bar controls register with the alpha form through posted messages; the
  // still picture waits for the message to be stepped into view.
  bool Settled() const override {
    return FAlpha && FAlpha->NCCtrlList().size() == kAlphaCtrls && (!FTimer || !FTimer->Enabled());
  }

  void Hide() override {
    FTimer.reset();
    FAlpha = nullptr;
    FAlphaForm.reset();
    FForm.reset();
    FHost.reset();
  }

 private:
  static constexpr size_t kAlphaCtrls = 6;
  static constexpr int kAlphaW = 420, kAlphaH = 200;

  void ShowAlphaForm(HWND Owner, int X, int Y) {
    FAlphaForm = std::make_unique<TForm>(nullptr);
    TForm* F = FAlphaForm.get();
    F->SetBounds(X, Y, kAlphaW, kAlphaH);
    F->SetCaption(L"Alpha form");
    FAlpha = new TQvSkinAlphaForm(F);
    // Every frame the form draws is composed onto the page again.
    FFrame.OnChange = [this](TObject*) {
      if (FHost) FHost->Invalidate();
    };
    FAlpha->SaveBitmap = &FFrame;
    auto* Label = new TQvSkinNCLabel(F);
    // Text with its own alpha: the plain text output would leave the layer transparent.
    Label->SetRenderText(true);
    Label->Font()->SetColor(TColor(0x383838));
    Label->Pos()->SetXValue(14);
    Label->Pos()->SetYValue(8);
    const wchar_t* Captions[] = {L"Home", L"Mail", L"Tasks"};
    for (int I = 0; I < 3; ++I) {
      auto* B = new TQvSkinNCButton(F);
      B->SetCaption(Captions[I]);
      B->HotFont()->SetColor(TColor(0xB07838));
      B->SetGroupIndex(1);
      B->Pos()->SetXValue(110 + 56 * I);
      B->Pos()->SetYValue(8);
      if (I == 1) B->SetDown(true);
    }
    auto* Image = new TQvSkinNCImage(F);
    Image->SetPicture(L"QvSkinMsgIcon_Info");
    Image->Pos()->SetAlign(caRight);
    Image->Pos()->SetXValue(52);
    Image->Pos()->SetYValue(4);
    auto* Message = new TQvSkinNCMessage(F);
    Message->SetText(L"Scrolling message: news from the alpha form's title");
    // Its area ends at X: 260 pixels from the left edge's 14.
    Message->SetWidth(260);
    Message->Pos()->SetAlign(caLeft);
    Message->Pos()->SetXValue(14 + 260);
    Message->Pos()->SetYValue(40);
    if (AnimationsFrozen()) {
      // Held still with the text at the start of its area: it enters from the right end,
      // so two steps of 130 pixels bring it there once the form has drawn it.
      Message->SetActiveScroll(false);
      Message->SetStep(130);
      FTimer = std::make_unique<TTimer>(nullptr);
      FTimer->SetInterval(60);
      FTimer->OnTimer = [this, Message](TObject*) {
        if (FAlpha->NCCtrlList().size() != kAlphaCtrls) return;
        FTimer->SetEnabled(false);
        Message->ScrollStep();
        Message->ScrollStep();
      };
      FTimer->SetEnabled(true);
    }
    F->HandleNeeded();
    SetWindowLongPtrW(HWND(F->Handle()), GWLP_HWNDPARENT, LONG_PTR(Owner));
    F->Show();
  }

  void ShowGripForm(HWND Owner, int X, int Y) {
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
    F->HandleNeeded();
    SetWindowLongPtrW(HWND(F->Handle()), GWLP_HWNDPARENT, LONG_PTR(Owner));
    F->Show();
  }

  void PaintGround(TCanvas& Canvas) {
    if (FDock.Empty()) DrawDocking();
    // The alpha form's last frame over the page's ground.
    TBitmap32 Composed;
    Composed.SetSize(kAlphaW + 20, kAlphaH + 20);
    Composed.Clear(Color32(FHost->Ground));
    if (!FFrame.Empty()) {
      FFrame.SetDrawMode(dmBlend);
      Composed.Draw(10, 10, &FFrame);
    }
    Composed.DrawTo(Canvas.Handle(), 6, 354);
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

  // Declared before the forms, which use them up to their end.
  std::unique_ptr<TControlsHost> FHost;
  // The alpha form's last frame (it copies each frame here).
  TBitmap32 FFrame;
  TBitmap32 FDock;
  std::unique_ptr<TForm> FAlphaForm, FForm;
  TQvSkinAlphaForm* FAlpha = nullptr;
  std::unique_ptr<TTimer> FTimer;
};

const TPageRegistration gRegistration(96, [] {
  return std::unique_ptr<TGalleryPage>(new TAlphaFormPage());
});

}  // namespace

}  // namespace gallery
