#include <windows.h>

#include <algorithm>

#include "controls/QvMeasureCanvas.h"
#include "controls/QvSkinButton.h"
#include "controls/QvSkinCheckBox.h"
#include "controls/QvSkinPanel.h"
#include "dialogs/QvMessageBox.h"
#include "forms/QvSkinForm.h"
#include "forms/QvSkinNCButton.h"
#include "forms/QvSkinNCCtrls.h"
#include "forms/QvSkinRes.h"
#include "host/Application.h"
#include "host/Font.h"
#include "host/Properties.h"
#include "host/Screen.h"
#include "resources/QvSkinIntfPictures.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinMessageBoxStyle>(), true);

TQvSkinMessageBoxStyle* gStyle = nullptr;

// The overrides outlive the style components, until the library unloads.
struct TOverridesCleanup {
  ~TOverridesCleanup() { ClearMsgBoxOverrides(); }
} gOverridesCleanup;

}  // namespace

bool UserLanguageIsChinese() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE;
}

TQvSkinMessageBoxStyle* MessageBoxStyle() {
  return gStyle;
}

// ---- TQvSkinMessageBoxStyle ----------------------------------------------------------

TQvSkinMessageBoxStyle::TQvSkinMessageBoxStyle(TComponent* AOwner)
    : TComponent(AOwner),
      FCaptionFont(std::make_unique<TFont>()),
      FMessageFont(std::make_unique<TFont>()),
      FButtonFont(std::make_unique<TFont>()),
      FButtonHotFont(std::make_unique<TFont>()),
      FCaptionLight(std::make_unique<TQvLightClass>()),
      FMessageLight(std::make_unique<TQvLightClass>()),
      FButtonPictures(std::make_unique<TPngPictures>()),
      FForm(std::make_unique<TQvFormSkinRes>()) {
  FCaptionFont->SetSize(9);
  FCaptionFont->SetStyle({fsBold});
  FButtonFont->SetSize(9);
  FButtonHotFont->SetSize(9);
  UseDialogButtonPictures(*FButtonPictures);
  gStyle = this;
}

TQvSkinMessageBoxStyle::~TQvSkinMessageBoxStyle() {
  if (gStyle == this) gStyle = nullptr;
}

void TQvSkinMessageBoxStyle::SetCaptionFont(TFont* Value) {
  FCaptionFont->Assign(Value);
}
void TQvSkinMessageBoxStyle::SetCaptionLight(TQvLightClass* Value) {
  FCaptionLight->Assign(Value);
}
void TQvSkinMessageBoxStyle::SetMessageFont(TFont* Value) {
  FMessageFont->Assign(Value);
}
void TQvSkinMessageBoxStyle::SetMessageLight(TQvLightClass* Value) {
  FMessageLight->Assign(Value);
}
void TQvSkinMessageBoxStyle::SetButtonPictures(TPngPictures* Value) {
  FButtonPictures->Assign(Value);
}
void TQvSkinMessageBoxStyle::SetButtonFont(TFont* Value) {
  FButtonFont->Assign(Value);
}
void TQvSkinMessageBoxStyle::SetButtonHotFont(TFont* Value) {
  FButtonHotFont->Assign(Value);
}
void TQvSkinMessageBoxStyle::SetForm(TQvFormSkinRes* Value) {
  FForm->Assign(Value);
}
void TQvSkinMessageBoxStyle::SetHideLine(bool Value) {
  FHideLine = Value;
}

void TQvSkinMessageBoxStyle::SetLanguage(TQvMsgBoxLanguage Value) {
  FLanguage = Value;
  SetMsgBoxLanguage(Value);
}

void TQvSkinMessageBoxStyle::SetDefineText(TQvMsgBoxText Which, const String& Value) {
  FTexts[Which] = Value;
  SetMsgBoxTextOverride(Which, Value);
}

const TPropTable& TQvSkinMessageBoxStyle::Properties() const {
  using C = TQvSkinMessageBoxStyle;
  auto Text = [](const wchar_t* Name, TQvMsgBoxText Which) {
    return Prop(
        Name, [Which](const C& S) { return S.DefineText(Which); },
        [Which](C& S, const String& V) { S.SetDefineText(Which, V); });
  };
  static const TPropTable Table = TComponent::Properties().With({
      ObjectProp(L"ButtonFont", &C::ButtonFont),
      ObjectProp(L"ButtonHotFont", &C::ButtonHotFont),
      ObjectProp(L"ButtonPictures", &C::ButtonPictures),
      ObjectProp(L"CaptionFont", &C::CaptionFont),
      ObjectProp(L"CaptionLight", &C::CaptionLight),
      Text(L"DefineAbortButtonText", mtAbort),
      Text(L"DefineCancelButtonText", mtCancel),
      Text(L"DefineDonotShowAgainText", mtDonotShowAgain),
      Text(L"DefineIgnoreButtonText", mtIgnore),
      Text(L"DefineNoButtonText", mtNo),
      Text(L"DefineOKButtonText", mtOK),
      Text(L"DefineRetryButtonText", mtRetry),
      Text(L"DefineYesButtonText", mtYes),
      ObjectProp(L"Form", &C::Form),
      Prop(L"HideLine", &C::HideLine, &C::SetHideLine),
      EnumProp(L"Language", &C::Language, &C::SetLanguage, TQvMsgBoxLanguageNames),
      ObjectProp(L"MessageFont", &C::MessageFont),
      ObjectProp(L"MessageLight", &C::MessageLight),
  });
  return Table;
}

// ---- building and showing the dialog ---------------------------------------------------

std::unique_ptr<TQvSkinMessageForm> NewQvMessageForm(const String& Caption, const String& Text,
                                                     TQvMsgBoxIcon Icon, TQvMsgBoxButtons Buttons,
                                                     bool CheckBox, bool Checked, int X, int Y) {
  auto Form = std::make_unique<TQvSkinMessageForm>(nullptr, X, Y);
  Form->SetScaled(true);
  Form->SetCaption(Caption);
  Form->FCaption->SetCaption(Caption);
  const bool Chinese = UserLanguageIsChinese();
  TQvSkinMessageLabel* Msg = Form->FMsg;

  auto Canvas = NewMeasureCanvas();
  Canvas->Font().Assign(Msg->Font());
  TMsgBoxLayoutInput In;
  In.Buttons = Buttons;
  const String IconID = MsgBoxIconID(Icon);
  In.HasIcon = !IconID.empty();
  In.TextHasLineBreak = Text.find(L'\r') != String::npos;
  In.InitialLabel =
      Rect(Msg->Left(), Msg->Top(), Msg->Left() + Msg->Width(), Msg->Top() + Msg->Height());
  In.MeasureText = [&](int MaxWidth) {
    const String& T = Text.empty() ? String(L" ") : Text;
    return MaxWidth > 0 ? CalcTextSize(*Canvas, T, DT_WORDBREAK, MaxWidth)
                        : CalcTextSize(*Canvas, T);
  };
  // Room on the work area for the client: less the frame, the title and a margin.
  const TRect Work = Screen->WorkAreaRect();
  const int Chrome = 2 * Form->FQvSkinForm->FramWidth() + 20;
  In.MaxClientWidth = Work.Width() - Chrome;
  In.MaxClientHeight = Work.Height() - Chrome - Form->FQvSkinForm->ScaledTitleHeight();
  In.CheckBox = CheckBox;
  const String CheckText = MsgBoxText(mtDonotShowAgain, Chinese);
  if (CheckBox) {
    Canvas->Font().Assign(Form->Font());
    In.CheckTextWidth = CalcTextSize(*Canvas, CheckText).cx;
  }
  const TMsgBoxLayout L = LayoutMessageBox(In);

  if (L.Icon) {
    auto* IconPanel = new TQvSkinPanel(Form.get());
    IconPanel->SetParent(Form.get());
    IconPanel->SetAlpha(0);
    IconPanel->SetBorderSides({});
    IconPanel->SetBackgroundImage(IconID);
    IconPanel->SetBounds(L.Icon->Left, L.Icon->Top, L.Icon->Width(), L.Icon->Height());
  }
  if (L.Wrapped || L.Clipped) {
    Msg->SetAutoSize(false);
    Msg->SetWordWap(true);
  }
  Msg->SetCaption(Text);
  Msg->SetBounds(L.Message.Left, L.Message.Top, L.Message.Width(), L.Message.Height());
  Form->SetClientWidth(L.ClientWidth);
  Form->SetClientHeight(L.ClientHeight);

  TQvSkinPanel* Panel = Form->FBottomPanel;
  if (L.CheckBox) {
    auto* Box = new TQvSkinCheckBox(Form.get());
    Box->SetParent(Panel);
    Box->SetChecked(Checked);
    Box->SetCaption(CheckText);
    Box->SetBounds(L.CheckBox->Left, L.CheckBox->Top, L.CheckBox->Width(), L.CheckBox->Height());
    Form->FCheckBox = Box;
  }
  Form->FCaption->SetMaxWidth(L.ClientWidth - Form->FCaption->Pos()->XValue() -
                              Form->FCloseNCButton->Pos()->XValue() - 5);

  TQvSkinMessageBoxStyle* Style = MessageBoxStyle();
  for (const TMsgBoxButtonPlace& Place : L.Buttons) {
    auto* B = new TQvSkinButton(Form.get());
    B->SetParent(Panel);
    if (Style) {
      B->SetPictures(Style->ButtonPictures());
      B->Font()->Assign(Style->ButtonFont());
      B->SetHotFont(Style->ButtonHotFont());
    }
    B->SetCaption(MsgBoxText(TQvMsgBoxText(Place.Button), Chinese));
    B->SetModalResult(MsgBoxModalResult(Place.Button));
    if (Place.Default) B->SetDefault(true);
    if (Place.Cancel) B->SetCancel(true);
    B->SetBounds(Place.Bounds.Left, Place.Bounds.Top, Place.Bounds.Width(), Place.Bounds.Height());
  }
  return Form;
}

int QvMessageBox(const String& Caption, const String& Text, TQvMsgBoxIcon Icon,
                 TQvMsgBoxButtons Buttons) {
  bool Checked = false;
  return QvMessageBox(Caption, Text, Icon, Buttons, false, Checked, -100000, -100000);
}

int QvMessageBox(const String& Caption, const String& Text, TQvMsgBoxIcon Icon,
                 TQvMsgBoxButtons Buttons, bool ShowCheckBox, bool& Checked) {
  return QvMessageBox(Caption, Text, Icon, Buttons, ShowCheckBox, Checked, -100000, -100000);
}

int QvMessageBox(const String& Caption, const String& Text, TQvMsgBoxIcon Icon,
                 TQvMsgBoxButtons Buttons, bool ShowCheckBox, bool& Checked, int X, int Y) {
  std::unique_ptr<TQvSkinMessageForm> Form =
      NewQvMessageForm(Caption, Text, Icon, Buttons, ShowCheckBox, Checked, X, Y);
  if (Application) Application->BringToFront();
  Form->SetFormStyle(fsStayOnTop);
  const int Result = Form->ShowModal();
  if (Form->FCheckBox) Checked = Form->FCheckBox->Checked();
  return Result;
}

}  // namespace qv
