// The tray icon and the drop target. The icon goes into Wine's tray for real and the page
// says what the shell answered; the drop overlay is composed onto the page as the layered
// window shows it, once in each frame colour, and a live drop target takes real drops.
// windows.h first: it renames TCanvas::TextOut to TextOutW, as in the library.
#include <windows.h>

#include <memory>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "controls/QvSkinButton.h"
#include "controls/QvSkinLabel.h"
#include "dialogs/QvDragFilesLayerForm.h"
#include "dialogs/QvSkinDragFile.h"
#include "dialogs/QvTrayIcon.h"
#include "host/Canvas.h"
#include "host/Graphics.h"
#include "raster/Bitmap32.h"

namespace gallery {

namespace {

using namespace qv;

class TShellPage : public TGalleryPage {
 public:
  String Title() const override { return L"Tray and drop target"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    ShowTray();
    ShowDropTarget();
    FHost->OnPaintGround = [this](TCanvas& Canvas) { PaintGround(Canvas); };
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
    // The registration needs the box's window, which needs the page's.
    FDrag->SetBindingControl(FDropBox);
  }

  void Hide() override { FHost.reset(); }

  // The shell's tray window shows the icon in a process of its own: wait until it is up.
  // Wine without a desktop keeps Shell_TrayWnd hidden and shows a stand-alone tray window.
  bool Settled() const override {
    if (!FTrayAdded) return true;
    for (const wchar_t* Class : {L"Shell_TrayWnd", L"__winex11_standalone_tray"})
      if (HWND Tray = FindWindowW(Class, nullptr); Tray && IsWindowVisible(Tray)) return true;
    return false;
  }

 private:
  void ShowTray() {
    FHost->Heading(16, 16, L"TQvTrayIcon: an icon in the taskbar's notification area");
    FTray = new TQvTrayIcon(FHost.get());
    FTray->Icon()->SetHandle(CopyIcon(LoadIconW(nullptr, IDI_INFORMATION)));
    FTray->SetHint(L"QvSkin gallery: right-click for the menu, double-click to restore");
    FTrayAdded = FTray->ShowIcon();
    FHost->Label(16, 40,
                 FTrayAdded
                     ? L"Added to the tray: the shell accepted the icon and its tooltip."
                     : L"The shell refused the icon: this display has no tray to show it in.");
    FHost->Label(16, 58,
                 L"Wine 8 shows it in its own \"Wine System Tray\" window at the top left of the "
                 L"screen; on Windows it sits beside the clock.");
    auto* Balloon = AddControl<TQvSkinButton>(FHost.get(), FHost.get(), 16, 84, 140, 28);
    Balloon->SetCaption(L"Show a balloon");
    FBalloonResult = AddControl<TQvSkinLabel>(FHost.get(), FHost.get(), 170, 90, 560, 20);
    FBalloonResult->SetCaption(L"A balloon is shown from the icon when the button is pressed.");
    Balloon->OnClick = [this](TObject*) {
      const bool Ok =
          FTray->ShowBalloonHint(L"QvSkin", L"A balloon from the tray icon", bitInfo, 5);
      FBalloonResult->SetCaption(Ok ? L"The shell took the balloon; Wine draws it by its tray."
                                    : L"The shell refused the balloon (no tray on this display).");
    };
  }

  void ShowDropTarget() {
    FHost->Heading(16, 140,
                   L"TQvSkinDragFile: the overlay over its control while files are dragged");
    FHost->Label(16, 164, L"Dragged from elsewhere (normal colour)");
    FHost->Label(400, 164, L"Over the control (hot colour)");
    FHost->Label(16, 370, L"A live drop target: drop files from a file manager onto the box.");
    FDropBox = AddControl<TQvSkinLabel>(FHost.get(), FHost.get(), 16, 394, 600, 60);
    FDropBox->SetCaption(L"Nothing dropped yet.");
    FDrag = new TQvSkinDragFile(FHost.get());
    FDrag->OnDragFiles = [this](TObject*, const String& Names) { FDropBox->SetCaption(Names); };
  }

  // The control under the overlay: a list of files, as a drop target often is.
  void DrawTarget(TBitmap32& B, TColor FrameColor) {
    B.SetSize(360, 180);
    B.Clear(0xFFFFFFFF);
    B.FrameRectS(0, 0, 360, 180, 0xFFB8C0CC);
    B.Font()->SetSize(9);
    B.Font()->SetColor(TColor(0x404040));
    const wchar_t* Files[] = {L"report.docx", L"photo.png", L"notes.txt"};
    for (int I = 0; I < 3; ++I) B.Textout(12, 10 + 20 * I, Files[I]);
    // The overlay composed over it as the platform composes a layered window.
    TBitmap32 Layer;
    Layer.SetSize(360, 180);
    TDragFilesLayerForm Form(FDrag);
    Form.DrawTo(Layer, FrameColor);
    Layer.SetDrawMode(dmBlend);
    B.Draw(0, 0, &Layer);
  }

  void PaintGround(TCanvas& Canvas) {
    if (FNormal.Empty()) {
      DrawTarget(FNormal, FDrag->HighLightDotLineNormalColor());
      DrawTarget(FHot, FDrag->HighLightDotLineHotColor());
    }
    FNormal.DrawTo(Canvas.Handle(), 16, 184);
    FHot.DrawTo(Canvas.Handle(), 400, 184);
  }

  std::unique_ptr<TControlsHost> FHost;
  TQvTrayIcon* FTray = nullptr;
  bool FTrayAdded = false;
  TQvSkinLabel* FBalloonResult = nullptr;
  TQvSkinDragFile* FDrag = nullptr;
  TQvSkinLabel* FDropBox = nullptr;
  TBitmap32 FNormal, FHot;
};

const TPageRegistration gRegistration(142, [] {
  return std::unique_ptr<TGalleryPage>(new TShellPage());
});

}  // namespace

}  // namespace gallery
