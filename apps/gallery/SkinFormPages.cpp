// Skinned forms: colour style beside picture style, the global HSB shift applied through
// the skin configuration, and the title-bar controls. The forms are real skinned windows
// standing over the page.
// windows.h first: it renames TCanvas::TextOut to TextOutW, as in the library.
#include <windows.h>

#include <memory>
#include <vector>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "forms/QvFormSkinVar.h"
#include "forms/QvSkinForm.h"
#include "forms/QvSkinNCButton.h"
#include "forms/QvSkinNCCtrls.h"
#include "forms/QvSkinRes.h"
#include "host/Font.h"
#include "host/Form.h"
#include "raster/Polygons.h"
#include "raster/VectorUtils.h"
#include "resources/QvSkinResManager.h"

namespace gallery {

namespace {

using namespace qv;

const wchar_t* const kFormPicture = L"GalleryFormPicture";

// A cool morning: a sky gradient, a pale sun and two soft hills.
void EnsurePicture() {
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  if (Manager->IndexOfRes(kFormPicture) >= 0) return;
  TBitmap32 B;
  const int W = 360, H = 240;
  B.SetSize(W, H);
  for (int Y = 0; Y < H; ++Y) {
    double T = double(Y) / H;
    B.HorzLine(0, Y, W - 1,
               Color32(uint8_t(120 + 110 * T), uint8_t(170 + 60 * T), uint8_t(220 - 20 * T)));
  }
  PolygonFS(&B, Circle(90, 70, 30), Color32(255, 250, 220));
  PolygonFS(&B,
            {FloatPoint(0, 170), FloatPoint(110, 120), FloatPoint(220, 165), FloatPoint(360, 110),
             FloatPoint(360, 240), FloatPoint(0, 240)},
            Color32(90, 150, 110));
  PolygonFS(&B,
            {FloatPoint(0, 210), FloatPoint(160, 180), FloatPoint(360, 205), FloatPoint(360, 240),
             FloatPoint(0, 240)},
            Color32(60, 110, 80));
  Manager->AddRes(&B, kFormPicture, L"Gallery: skinned form background");
}

// A page with a ground for captions and skinned forms placed over it.
class TSkinFormsPage : public TGalleryPage {
 public:
  void Show(HWND Parent, const RECT& R) override {
    EnsurePicture();
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    FParent = Parent;
    FOrigin = POINT{R.left, R.top};
    ClientToScreen(Parent, &FOrigin);
    Build();
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
    for (auto& F : FForms) {
      // Owned by the gallery window, so the forms stay above it.
      SetWindowLongPtrW(HWND(F->Handle()), GWLP_HWNDPARENT, LONG_PTR(GetAncestor(Parent, GA_ROOT)));
      F->Show();
    }
  }

  // Each form is shown transparent first and made opaque by its skin a moment later.
  bool Settled() const override {
    for (auto& F : FForms)
      if (F->AlphaBlend()) return false;
    return true;
  }

  void Hide() override {
    Leaving();
    FForms.clear();
    FHost.reset();
  }

 protected:
  virtual void Build() = 0;
  virtual void Leaving() {}

  // A skinned form at page position (X, Y) with the system buttons and its caption.
  TQvSkinForm* AddForm(int X, int Y, int W, int H, const String& Caption) {
    auto Form = std::make_unique<TForm>(nullptr);
    Form->SetBounds(FOrigin.x + X, FOrigin.y + Y, W, H);
    Form->SetCaption(Caption);
    auto* Skin = new TQvSkinForm(Form.get());
    Skin->SetTag(TQvSkinForm::kPrivateStyleTag);  // the page's looks stay its own
    for (TSystemButtonKind K : {bkClose, bkMaximize, bkMinimize})
      (new TQvSkinSystemButton(Form.get()))->SetKind(K);
    auto* Label = new TQvSkinNCLabel(Form.get());
    Label->Font()->SetColor(clWhite);
    Label->SetRenderText(true);
    Form->HandleNeeded();
    FForms.push_back(std::move(Form));
    return Skin;
  }
  TForm* LastForm() const { return FForms.back().get(); }

  std::unique_ptr<TControlsHost> FHost;
  std::vector<std::unique_ptr<TForm>> FForms;
  HWND FParent = nullptr;
  POINT FOrigin{};
};

class TFormStylesPage : public TSkinFormsPage {
 public:
  String Title() const override { return L"Skinned forms"; }

 protected:
  void Build() override {
    FHost->Heading(16, 16, L"Colour style (ssColor) beside picture style (ssPicture)");
    FHost->Label(16, 300, L"Colour: title colour into the client colour over 168 px");
    FHost->Label(400, 300, L"Colour, KeepTitlerColor, own colours, square corners");
    FHost->Label(16, 620, L"Picture, mfsStretch: the picture covers title, frame and client");
    FHost->Label(400, 620, L"Picture, mfsTile, KeepTitlerColor");
    AddForm(16, 50, 340, 240, L"Colour style");
    TQvSkinForm* S = AddForm(400, 50, 340, 240, L"Own colours");
    S->SetTitlerColor(TColor(0x6B4A2F));
    S->SetColor(TColor(0xE8F0F4));
    S->SetKeepTitlerColor(true);
    S->SetRoundWindow(false);
    S->SetActiveGradient(false);
    S = AddForm(16, 370, 340, 240, L"Picture style");
    S->SetStyle(ssPicture);
    S->SetFillStyle(mfsStretch);
    S->SetCustomPicture(kFormPicture);
    S = AddForm(400, 370, 340, 240, L"Tiled picture");
    S->SetStyle(ssPicture);
    S->SetFillStyle(mfsTile);
    S->SetKeepTitlerColor(true);
    S->SetTitlerColor(TColor(0x507030));
    S->SetCustomPicture(kFormPicture);
  }
};

class THSBShiftPage : public TSkinFormsPage {
 public:
  String Title() const override { return L"Global HSB shift"; }

 protected:
  void Build() override {
    FHost->Heading(16, 16,
                   L"The skin configuration's HSB shift (H +150, S +10) applied to every "
                   L"open skinned form");
    FHost->Label(16, 44,
                 L"TQvSkinRes.Apply sends the change to each registered form; forms "
                 L"that share the configuration take it over.");
    FHost->Label(16, 330, L"Colour style, shifted");
    FHost->Label(400, 330, L"Picture style, the picture shifted");
    wchar_t Temp[MAX_PATH];
    GetTempPathW(MAX_PATH, Temp);
    FRes = std::make_unique<TQvSkinRes>(nullptr, String(Temp) + L"QvSkinGallery\\");
    AddForm(16, 80, 340, 240, L"Colour style")->SetSkinRes(FRes.get());
    TQvSkinForm* S = AddForm(400, 80, 340, 240, L"Picture style");
    S->SetStyle(ssPicture);
    S->SetFillStyle(mfsStretch);
    S->SetCustomPicture(kFormPicture);
    gHSB = THSBRec{150, 10, 0};
    FRes->Apply();
    // The picture form keeps its own style; it rebuilds its picture with the shift.
    S->RefreshSkin();
  }
  void Leaving() override {
    gHSB = THSBRec{};
    if (FRes) FRes->Apply();
    FRes.reset();
  }

 private:
  std::unique_ptr<TQvSkinRes> FRes;
};

class TTitleBarControlsPage : public TSkinFormsPage {
 public:
  String Title() const override { return L"Title-bar controls"; }

 protected:
  void Build() override {
    FHost->Heading(16, 16, L"Title-bar controls: no windows, painted into the skinned title");
    FHost->Label(16, 290, L"Buttons with captions in one group (the second is down), an image");
    FHost->Label(16, 610,
                 L"A label cut with an end ellipsis (MaxWidth 150), and the scrolling "
                 L"message");
    AddForm(16, 50, 620, 230, L"Buttons");
    TForm* F = LastForm();
    const wchar_t* Captions[] = {L"Home", L"Mail", L"Tasks"};
    for (int I = 0; I < 3; ++I) {
      auto* B = new TQvSkinNCButton(F);
      B->SetCaption(Captions[I]);
      B->Font()->SetColor(clWhite);
      B->HotFont()->SetColor(TColor(0x00FFFF));
      B->SetGroupIndex(1);
      B->Pos()->SetXValue(140 + 60 * I);
      B->Pos()->SetYValue(6);
      if (I == 1) B->SetDown(true);
    }
    auto* Image = new TQvSkinNCImage(F);
    Image->SetPicture(L"QvSkinMsgIcon_Info");
    Image->Pos()->SetAlign(caRight);
    Image->Pos()->SetXValue(140);
    Image->Pos()->SetYValue(2);
    AddForm(16, 370, 620, 230, L"A caption far too long to fit into the space the label has");
    F = LastForm();
    for (int I = 0; I < F->ComponentCount(); ++I)
      if (auto* L = dynamic_cast<TQvSkinNCLabel*>(F->Components(I))) {
        L->SetMaxWidth(150);
        L->SetEllipsisPosition(epEndEllipsis);
      }
    auto* Message = new TQvSkinNCMessage(F);
    Message->SetText(L"Scrolling message: news from the title bar");
    Message->Font()->SetColor(clWhite);
    Message->SetWidth(260);
    Message->Pos()->SetXValue(110);
    if (AnimationsFrozen()) Message->SetActiveScroll(false);
  }
};

const TPageRegistration gStyles(90, [] {
  return std::unique_ptr<TGalleryPage>(new TFormStylesPage());
});
const TPageRegistration gShift(91,
                               [] { return std::unique_ptr<TGalleryPage>(new THSBShiftPage()); });
const TPageRegistration gTitleBar(92, [] {
  return std::unique_ptr<TGalleryPage>(new TTitleBarControlsPage());
});

}  // namespace

}  // namespace gallery
