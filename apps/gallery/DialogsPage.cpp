// Dialogs: the message box for each icon, with three buttons, with the check box and with
// all seven buttons, shown as the real dialogs (built by the same code, not modal here),
// and two columns of toasts, one with a button, stacked on a corner of the page.
// windows.h first: it renames TCanvas::TextOut to TextOutW, as in the library.
#include <windows.h>

#include <memory>
#include <vector>

#include "ControlsHost.h"
#include "GalleryPage.h"
#include "dialogs/QvMessageBox.h"
#include "dialogs/QvSkinPopupMessage.h"

namespace gallery {

namespace {

using namespace qv;

class TDialogsPage : public TGalleryPage {
 public:
  String Title() const override { return L"Dialogs"; }

  void Show(HWND Parent, const RECT& R) override {
    FHost = std::make_unique<TControlsHost>(nullptr);
    FHost->SetVisible(false);
    FHost->SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top);
    FOrigin = POINT{R.left, R.top};
    ClientToScreen(Parent, &FOrigin);
    FHost->SetParentWindow(Parent);
    FHost->SetVisible(true);
    MessageBoxes();
    Toasts();
    HWND Root = GetAncestor(Parent, GA_ROOT);
    for (auto& F : FForms) {
      // Owned by the gallery window, so the previews stay above it.
      SetWindowLongPtrW(HWND(F->Handle()), GWLP_HWNDPARENT, LONG_PTR(Root));
      F->Show();
    }
  }

  bool Settled() const override {
    for (auto& F : FForms)
      if (F->AlphaBlend()) return false;
    if (FPopups)
      for (TQvSkinPopupForm* T : FPopups->List())
        if (T->AlphaBlend()) return false;
    return true;
  }

  void Hide() override {
    std::vector<TQvSkinPopupForm*> Toasts;
    if (FPopups) Toasts = FPopups->List();
    FPopups.reset();
    for (TQvSkinPopupForm* T : Toasts) delete T;
    FForms.clear();
    FHost.reset();
  }

 private:
  void Add(int X, int Y, const String& Caption, const String& Text, TQvMsgBoxIcon Icon,
           TQvMsgBoxButtons Buttons, bool CheckBox = false) {
    FForms.push_back(NewQvMessageForm(Caption, Text, Icon, Buttons, CheckBox, true, FOrigin.x + X,
                                      FOrigin.y + Y));
  }

  void MessageBoxes() {
    FHost->Heading(16, 16,
                   L"QvMessageBox: one per icon (biWarning, biError, biInformation, "
                   L"biConfirmation)");
    Add(16, 44, L"Warning", L"The disk is almost full.", biWarning, {mbOK});
    Add(300, 44, L"Error", L"The file could not be saved.", biError, {mbRetry, mbCancel});
    Add(620, 44, L"Information", L"All files are saved.", biInformation, {mbOK});
    Add(900, 44, L"Question", L"Replace the old version?", biConfirmation, {mbYes, mbNo});

    FHost->Heading(16, 226, L"Three buttons (E = 230), the check box, captions forced to Chinese");
    Add(16, 254, L"Save changes", L"Save the changes to\r\n\"report.txt\" before closing?",
        biConfirmation, {mbYes, mbNo, mbCancel});
    {
      // A style forcing the built-in captions into Chinese, for this one dialog.
      TQvSkinMessageBoxStyle Style(nullptr);
      Style.SetLanguage(mlChinese);
      Add(420, 254, L"提示", L"已有新版本可供下载。", biInformation, {mbOK, mbCancel}, true);
      Style.SetLanguage(mlUserDefault);
    }

    FHost->Heading(16, 420, L"All seven buttons; an empty set gives OK alone");
    Add(16, 448, L"Seven buttons", L"Every button of the set, in table order.", biNone,
        {mbOK, mbYes, mbNo, mbCancel, mbAbort, mbRetry, mbIgnore});
    Add(720, 448, L"No buttons given", L"Shows OK.", biNone, {});
  }

  void Toasts() {
    FHost->Heading(500, 612, L"TQvSkinPopupMessage: toasts stacked upwards from the corner");
    FHost->Label(500, 640, L"The page's lower left stands in for the work area here:");
    FHost->Label(500, 660, L"two toasts fill the first column, the third starts a second");
    FHost->Label(500, 680, L"column W + 1 px to the left, the fourth has a button (35 px");
    FHost->Label(500, 700, L"taller). They stay until the mouse has passed over them.");
    FPopups = std::make_unique<TQvSkinPopupMessage>(nullptr);
    FPopups->SetActiveAnimate(false);
    FPopups->SetClosePause(0);
    FPopups->WorkArea =
        Rect(FOrigin.x + 16, FOrigin.y + 600, FOrigin.x + 16 + 2 * 229 + 1, FOrigin.y + 945);
    FPopups->Popup(L"Download finished", L"report.pdf was saved in Downloads.", miSuccess);
    FPopups->Popup(L"Sync failed", L"The server did not answer; retrying in a minute.", miFailue);
    FPopups->Popup(L"Reminder", L"Team meeting at three o'clock.", miInformation);
    FPopups->Button()->SetVisible(true);
    FPopups->Button()->SetCaption(L"Install");
    FPopups->Popup(L"Update ready", L"Version 2.1 is ready to install.");
  }

  std::unique_ptr<TControlsHost> FHost;
  std::vector<std::unique_ptr<TQvSkinMessageForm>> FForms;
  std::unique_ptr<TQvSkinPopupMessage> FPopups;
  POINT FOrigin{};
};

const TPageRegistration gDialogs(140, [] {
  return std::unique_ptr<TGalleryPage>(std::make_unique<TDialogsPage>());
});

}  // namespace

}  // namespace gallery
