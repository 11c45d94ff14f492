#include <windows.h>

#include "dialogs/QvDragFilesLayerForm.h"
#include "dialogs/QvDragFilesLayerFormPaint.h"
#include "dialogs/QvSkinDragFile.h"
#include "forms/QvLayeredPicture.h"
#include "graphics/SimpleTimer.h"
#include "host/Font.h"

namespace qv {

TDragFilesLayerForm::TDragFilesLayerForm(TQvSkinDragFile* AOwner)
    : TCustomForm(AOwner),
      FDragFile(AOwner),
      tmr1(std::make_unique<TSimpleTimer>(WatchInterval, [this](TObject*) { tmr1Timer(); })) {
  SetBorderStyle(bsNone);
  SetScaled(false);
  tmr1->SetEnabled(true);
}

TDragFilesLayerForm::~TDragFilesLayerForm() {
  TQvSkinDragFile::LayerClosed(this);
  tmr1.reset();
}

void TDragFilesLayerForm::CreateParams(TCreateParams& Params) {
  TCustomForm::CreateParams(Params);
  Params.Style = (Params.Style & ~DWORD(WS_SYSMENU)) | WS_POPUP;
  Params.ExStyle |= WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  if (FLayerTransparent) Params.ExStyle |= WS_EX_TRANSPARENT;
  Params.WndParent = nullptr;
}

void TDragFilesLayerForm::SetLayerTransparent(bool Value) {
  if (FLayerTransparent == Value) return;
  FLayerTransparent = Value;
  DoChanged();
}

void TDragFilesLayerForm::SetLayerColor(TColor Value) {
  if (FLayerColor == Value) return;
  FLayerColor = Value;
  DoChanged();
}

void TDragFilesLayerForm::SetLayerAlpha(Byte Value) {
  if (FLayerAlpha == Value) return;
  FLayerAlpha = Value;
  DoChanged();
}

void TDragFilesLayerForm::DoChanged() {
  if (HandleAllocated()) {
    LONG_PTR Ex = GetWindowLongPtrW(FHandle, GWL_EXSTYLE);
    Ex = FLayerTransparent ? Ex | WS_EX_TRANSPARENT : Ex & ~LONG_PTR(WS_EX_TRANSPARENT);
    SetWindowLongPtrW(FHandle, GWL_EXSTYLE, Ex);
  }
  ReDraw();
}

void TDragFilesLayerForm::ShowLayer() {
  ReDraw();
  SetWindowPos(Handle(), HWND_TOPMOST, Left(), Top(), Width(), Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void TDragFilesLayerForm::ReDraw() {
  if (Designing() || !HandleAllocated() || Width() <= 0 || Height() <= 0) return;
  FPicture.SetSize(Width(), Height());
  DrawTo(FPicture, FDragFile ? FDragFile->HighLightDotLineColor() : clNone);
  UpdateLayeredPicture(FHandle, FPicture);
}

void TDragFilesLayerForm::DrawTo(TBitmap32& Picture, TColor FrameColor) const {
  const int W = Picture.Width(), H = Picture.Height();
  Picture.Clear(SetAlpha(Color32(FLayerColor), FLayerAlpha));
  if (!FDragFile) return;
  Picture.Font()->Assign(FDragFile->TipFont());
  Picture.RenderText(Rect(0, 0, W, H), DT_CENTER | DT_VCENTER | DT_SINGLELINE, FDragFile->TipText(),
                     10, Color32(FDragFile->TipFont()->Color()));
  DrawDragFilesFrame(Picture, Color32(FrameColor));
}

void TDragFilesLayerForm::Resize() {
  TCustomForm::Resize();
  ReDraw();
}

void TDragFilesLayerForm::WndProc(TMessage& Message) {
  TCustomForm::WndProc(Message);
  if (Message.Msg == WM_PRINTCLIENT) ReDraw();
}

void TDragFilesLayerForm::DoClose(TCloseAction& Action) {
  TCustomForm::DoClose(Action);
  Action = caFree;
  tmr1->SetEnabled(false);
  TQvSkinDragFile::LayerClosed(this);
  // Gone from the screen and from the search for a control's overlay at once; the object
  // follows when the queued release arrives.
  if (HandleAllocated()) {
    ShowWindow(FHandle, SW_HIDE);
    SetWindowTextW(FHandle, L"");
  }
}

void TDragFilesLayerForm::tmr1Timer() {
  const bool ImageAlive = FSysDragImageHandle && IsWindow(FSysDragImageHandle);
  TWinControl* Bound = FDragFile ? FDragFile->BindingControl() : nullptr;
  POINT P{};
  const bool Known = GetCursorPos(&P) != FALSE;
  RECT FormRect{};
  TCustomForm* Form = Bound ? GetParentForm(Bound) : nullptr;
  if (Form && Form->HandleAllocated()) GetWindowRect(Form->Handle(), &FormRect);
  const bool LeftDown = GetKeyState(VK_LBUTTON) < 0;
  if (QvDragLayerStays(ImageAlive, Form != nullptr, Known, {P.x, P.y},
                       Rect(FormRect.left, FormRect.top, FormRect.right, FormRect.bottom),
                       LeftDown))
    return;
  tmr1->SetEnabled(false);
  Close();
}

}  // namespace qv
