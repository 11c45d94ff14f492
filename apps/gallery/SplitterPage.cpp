// The splitter and the expand box: a workbench of panes divided by splitters in all four
// orientations (drag them), and a column of expand boxes folded and unfolded, opaque and
// see-through, with and without collapsing.
#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinCtrls.h"
#include "host/Font.h"

namespace gallery {

namespace {

using namespace qv;

constexpr TColor kGround = TColor(0xF8F6F3);

class TSplitterPage : public TGalleryPage {
 public:
  String Title() const override { return L"Splitter and expand box"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->Ground = kGround;
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    // Soft diagonal stripes, so that see-through parts show what lies under them.
    FHost->OnPaintGround = [](TCanvas& C) {
      C.Pen().SetColor(TColor(0xECE4DA));
      for (int X = -1200; X < 1600; X += 14) {
        C.MoveTo(X, 0);
        C.LineTo(X + 1200, 1200);
      }
    };
    Workbench(kPad, 16);
    ExpandBoxes(kPad + 600, 16);
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
  }

  void Hide() override { FHost.reset(); }

 private:
  template <typename T>
  T* Add(TWinControl* Parent, int X, int Y, int W, int H) {
    return AddControl<T>(FHost.get(), Parent, X, Y, W, H);
  }

  TQvSkinPanel* Pane(TWinControl* Parent, TAlign Align, int Size, TColor Color,
                     const String& Caption) {
    auto* P = Add<TQvSkinPanel>(Parent, 0, 0, Size, Size);
    P->SetAlign(Align);
    P->SetColor(Color);
    P->SetAlpha(230);
    P->SetDoubleBorder(false);
    P->SetCaption(Caption);
    P->SetCaptionVisible(true);
    return P;
  }

  // A splitter after the last pane on its side.
  TQvSkinSplitter* Splitter(TWinControl* Parent, TAlign Align, int X, int Y) {
    auto* S = Add<TQvSkinSplitter>(Parent, X, Y, 6, 6);
    S->SetAlign(Align);
    // A new splitter is aligned left, so its first parent gave it a full-height bar; a
    // bar across the pane needs its thickness back.
    if (Align == alTop || Align == alBottom) S->SetHeight(6);
    S->SetTransparent(false);
    S->SetColor(TColor(0xF4EEE8));
    return S;
  }

  void Workbench(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinSplitter: drag the bars; panes stop at MinSize or snap shut");
    auto* Frame = Add<TQvSkinPanel>(FHost.get(), X, Y + 28, 560, 340);
    Frame->SetAlpha(255);
    Pane(Frame, alLeft, 130, TColor(0xF5E3C8), L"alLeft, AutoSnap");
    Splitter(Frame, alLeft, 140, 0);
    auto* Right = Pane(Frame, alRight, 120, TColor(0xD8EED8), L"alRight");
    Right->SetCaption(L"alRight, MinSize 60");
    Splitter(Frame, alRight, 400, 0)->SetMinSize(60);
    Pane(Frame, alTop, 70, TColor(0xE8DCF5), L"alTop, rtNone");
    Splitter(Frame, alTop, 150, 80)->SetResizeType(rtNone);
    Pane(Frame, alBottom, 80, TColor(0xD0E4F8), L"alBottom, no AutoSnap");
    auto* B = Splitter(Frame, alBottom, 150, 230);
    B->SetAutoSnap(false);
    B->SetDotColor(TColor(0x3050C0));
    Pane(Frame, alClient, 10, TColor(0xFFFFFF), L"alClient");
    FHost->Label(X, Y + 376, L"Grips: 10 dot pairs in DotColor ($E18C29 by default), centred.");
  }

  void ExpandBoxes(int X, int Y) {
    FHost->Heading(X, Y, L"TQvSkinExpandBox: click a title to fold or unfold");
    auto* A = Add<TQvSkinExpandBox>(FHost.get(), X, Y + 28, 300, 130);
    A->SetTitle(L"Expanded, see-through title");
    A->TitleFont()->SetColor(TColor(0x5A3A1A));
    Content(A, L"The content follows the box.");
    auto* B = Add<TQvSkinExpandBox>(FHost.get(), X, Y + 170, 300, 130);
    B->SetTitle(L"Collapsed, opaque title");
    B->SetTransparent(false);
    Content(B, L"Hidden until unfolded.");
    B->SetExpand(false);
    auto* C = Add<TQvSkinExpandBox>(FHost.get(), X, Y + 210, 300, 110);
    C->SetTitle(L"AllowCollapse off, with a title icon");
    C->SetTransparent(false);
    C->SetTitleColor(TColor(0x8C6A3A));
    C->SetTitleIcon(L"QvSkinExpand_2");
    C->SetAllowCollapse(false);
    Content(C, L"Stays open; no right icon.");
    auto* D = Add<TQvSkinExpandBox>(FHost.get(), X, Y + 334, 300, 70);
    D->SetTitle(L"TitleHeight 32, larger font");
    D->SetTitleHeight(32);
    D->SetTransparent(false);
    D->SetTitleColor(TColor(0x4C8CE0));
    D->TitleFont()->SetSize(11);
  }

  void Content(TQvSkinExpandBox* Box, const String& Text) {
    auto* P = Add<TQvSkinPanel>(Box, 0, 0, 10, 10);
    P->SetAlign(alClient);
    P->SetBorderSides({});
    P->SetColor(TColor(0xFFFFFF));
    P->SetAlpha(200);
    P->SetCaption(Text);
    P->SetCaptionVisible(true);
  }

  static constexpr int kPad = 16;
  std::unique_ptr<TControlsHost> FHost;
};

const TPageRegistration gRegistration(80, [] {
  return std::unique_ptr<TGalleryPage>(new TSplitterPage());
});

}  // namespace

}  // namespace gallery
