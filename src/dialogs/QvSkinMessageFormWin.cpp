#include <windows.h>

#include "controls/QvAccessibleWin.h"
#include "controls/QvSkinPanel.h"
#include "dialogs/QvMessageBox.h"
#include "forms/QvSkinForm.h"
#include "forms/QvSkinNCButton.h"
#include "forms/QvSkinNCCtrls.h"
#include "forms/QvSkinRes.h"
#include "host/Application.h"
#include "host/Font.h"
#include "host/Messages.h"
#include "host/ScopeGuard.h"

namespace qv {

TQvAccessibleInfo TQvSkinMessageLabel::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinLabel::AccessibleInfo();
  Info.Role = arStaticText;
  Info.Name = Caption();
  Info.State.Include(asReadOnly);
  return Info;
}

void SetUpSkinDialog(TForm* Form, int X, int Y, TQvSkinForm*& Skin, TQvSkinSystemButton*& Close) {
  Form->SetKeyPreview(true);
  Form->SetBorderIcons({});
  Form->SetBorderStyle(bsDialog);
  Form->Font()->SetSize(9);
  if (X < -9999) {
    Form->SetPosition(poScreenCenter);
  } else {
    Form->SetPosition(poDesigned);
    Form->SetLeft(X);
    Form->SetTop(Y);
  }
  Skin = new TQvSkinForm(Form);
  Skin->SetTag(TQvSkinForm::kPrivateStyleTag);  // never writes the shared style
  Skin->SetActiveGradient(false);
  Skin->SetRoundWindow(false);
  Close = new TQvSkinSystemButton(Form);
  Close->SetKind(bkClose);
  Close->Pos()->SetUseDefault(false);
  Close->SetCloseImage(L"QvSkinTips_close");
  Close->Pos()->SetXValue(22);
  Close->Pos()->SetYValue(4);
}

TQvSkinMessageForm::TQvSkinMessageForm(TComponent* AOwner, int X, int Y) : TForm(AOwner) {
  SetUpSkinDialog(this, X, Y, FQvSkinForm, FCloseNCButton);
  if (const TQvFormSkinRes* S = gQvFormStyle) {
    FQvSkinForm->SetColor(S->Color());
    FQvSkinForm->SetCustomPicture(S->CustomPicture());
    FQvSkinForm->SetFramWidth(S->FramWidth());
    FQvSkinForm->SetHitTestWidth(S->HitTestWidth());
    FQvSkinForm->SetStyle(S->Style());
    FQvSkinForm->SetTitlerColor(S->TitlerColor());
  }
  FQvSkinForm->Options()->SetMinimizeToTaskbar(false);

  FCaption = new TQvSkinNCLabel(this);
  FCaption->Font()->SetSize(9);
  FCaption->Font()->SetStyle({fsBold});
  FCaption->SetEllipsisPosition(epEndEllipsis);

  FBottomPanel = new TQvSkinPanel(this);
  FBottomPanel->SetParent(this);
  FBottomPanel->SetAlign(alBottom);
  FBottomPanel->SetHeight(35);
  FBottomPanel->SetDoubleBorder(false);
  if (MessageBoxStyle() && MessageBoxStyle()->HideLine()) {
    FBottomPanel->SetAlpha(0);
    FBottomPanel->SetBorderSides({});
  } else {
    FBottomPanel->SetBorderSides({sdTop});
  }

  FMsg = new TQvSkinMessageLabel(this);
  FMsg->SetParent(this);

  if (TQvSkinMessageBoxStyle* Style = MessageBoxStyle()) {
    FMsg->Font()->Assign(Style->MessageFont());
    FMsg->SetLight(Style->MessageLight());
    FCaption->SetFont(Style->CaptionFont());
    FCaption->SetLight(Style->CaptionLight());
    const TQvFormSkinRes* F = Style->Form();
    FQvSkinForm->SetActiveGradient(F->ActiveGradient());
    FQvSkinForm->SetDoubleFrame(F->DoubleFrame());
    FQvSkinForm->SetFillStyle(F->FillStyle());
    FQvSkinForm->SetFlatFrame(F->FlatFrame());
    FQvSkinForm->SetRoundWindow(F->RoundWindow());
    FQvSkinForm->SetImageBorder(F->ImageBorder());
    FQvSkinForm->SetTitleHeight(F->TitleHeight());
    FQvSkinForm->SetTitlerColor(F->TitlerColor());
    FQvSkinForm->SetColor(F->Color());
    FQvSkinForm->SetFramWidth(F->FramWidth());
    FQvSkinForm->SetHitTestWidth(F->HitTestWidth());
    FQvSkinForm->SetGradientHeight(F->GradientHeight());
    FQvSkinForm->SetStyle(F->Style());
    FQvSkinForm->SetCustomPicture(F->CustomPicture());
  }
}

TQvSkinMessageForm::~TQvSkinMessageForm() = default;

void TQvSkinMessageForm::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  // Above the application's main window, whatever window is active.
  if (TCustomForm* Main = Application ? Application->MainForm() : nullptr;
      Main && Main != this && Main->HandleAllocated())
    Params.WndParent = Main->Handle();
}

void TQvSkinMessageForm::WndProc(TMessage& Message) {
  if (Message.Msg == WM_GETOBJECT)
    if ((Message.Result = AccessibleObjectResult(this, Message.WParam, Message.LParam))) return;
  TForm::WndProc(Message);
  if (Message.Msg == CM_SHOWINGCHANGED && HandleAllocated())
    SendMessageW(Handle(), WM_NCPAINT, 0, 0);
}

TQvAccessibleInfo TQvSkinMessageForm::AccessibleInfo() const {
  TQvAccessibleInfo Info;
  Info.Role = arDialog;
  Info.Name = FCaption->Caption();
  return Info;
}

String TQvSkinMessageForm::CopyText() const {
  return FCaption->Caption() + L"\r\n" + FMsg->Caption() + L"\r\n";
}

void TQvSkinMessageForm::CopyToClipboard() {
  const String Text = CopyText();
  if (!OpenClipboard(HandleAllocated() ? Handle() : nullptr)) return;
  TScopeExit Close([] { CloseClipboard(); });
  EmptyClipboard();
  const size_t Bytes = (Text.size() + 1) * sizeof(wchar_t);
  HGLOBAL Mem = GlobalAlloc(GMEM_MOVEABLE, Bytes);
  if (!Mem) return;
  if (void* P = GlobalLock(Mem)) {
    memcpy(P, Text.c_str(), Bytes);
    GlobalUnlock(Mem);
    if (SetClipboardData(CF_UNICODETEXT, Mem)) return;
  }
  GlobalFree(Mem);
}

void TQvSkinMessageForm::KeyDown(uint16_t& Key, TShiftState Shift) {
  TForm::KeyDown(Key, Shift);
  if ((Key == 67 || Key == 99) && Shift.Contains(ssCtrl)) {
    CopyToClipboard();
    Key = 0;
  }
}

}  // namespace qv
