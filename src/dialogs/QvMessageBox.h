#pragma once
// QvMessageBox: the skinned replacement of the system message box, modal, with up to seven
// buttons and an optional "don't show again" check box. TQvSkinMessageBoxStyle tunes every
// message box of the process: fonts, glows, button pictures, frame and captions.
#include <memory>

#include "dialogs/QvMessageBoxLayout.h"
#include "dialogs/QvSkinMessageForm.h"
#include "host/Classes.h"

namespace qv {

class TFont;
class TQvLightClass;
class TPngPictures;
class TQvFormSkinRes;

class TQvSkinMessageBoxStyle : public TComponent {
  QV_CLASS(TQvSkinMessageBoxStyle)
 public:
  // Registers itself as the message-box style (the last one made wins).
  explicit TQvSkinMessageBoxStyle(TComponent* AOwner);
  // Withdraws the registration when it is the registered style.
  ~TQvSkinMessageBoxStyle() override;

  TFont* CaptionFont() const { return FCaptionFont.get(); }
  void SetCaptionFont(TFont* Value);
  TQvLightClass* CaptionLight() const { return FCaptionLight.get(); }
  void SetCaptionLight(TQvLightClass* Value);
  TFont* MessageFont() const { return FMessageFont.get(); }
  void SetMessageFont(TFont* Value);
  TQvLightClass* MessageLight() const { return FMessageLight.get(); }
  void SetMessageLight(TQvLightClass* Value);
  TPngPictures* ButtonPictures() const { return FButtonPictures.get(); }
  void SetButtonPictures(TPngPictures* Value);
  TFont* ButtonFont() const { return FButtonFont.get(); }
  void SetButtonFont(TFont* Value);
  TFont* ButtonHotFont() const { return FButtonHotFont.get(); }
  void SetButtonHotFont(TFont* Value);
  TQvFormSkinRes* Form() const { return FForm.get(); }
  void SetForm(TQvFormSkinRes* Value);
  // No separator line above the buttons (process-wide).
  bool HideLine() const { return FHideLine; }
  void SetHideLine(bool Value);
  // The language of the built-in captions (process-wide).
  TQvMsgBoxLanguage Language() const { return FLanguage; }
  void SetLanguage(TQvMsgBoxLanguage Value);
  // Caption overrides (process-wide); empty: the built-in caption.
  const String& DefineText(TQvMsgBoxText Which) const { return FTexts[Which]; }
  void SetDefineText(TQvMsgBoxText Which, const String& Value);

  const TPropTable& Properties() const override;

 private:
  std::unique_ptr<TFont> FCaptionFont, FMessageFont, FButtonFont, FButtonHotFont;
  std::unique_ptr<TQvLightClass> FCaptionLight, FMessageLight;
  std::unique_ptr<TPngPictures> FButtonPictures;
  std::unique_ptr<TQvFormSkinRes> FForm;
  bool FHideLine = false;
  TQvMsgBoxLanguage FLanguage = mlUserDefault;
  String FTexts[MsgBoxTextCount];
};

// The registered style, or nil.
TQvSkinMessageBoxStyle* MessageBoxStyle();

// The dialog with its controls laid out, not shown (the gallery shows it as a preview).
// CheckBox: show the "don't show again" box, initially Checked.
std::unique_ptr<TQvSkinMessageForm> NewQvMessageForm(const String& Caption, const String& Text,
                                                     TQvMsgBoxIcon Icon, TQvMsgBoxButtons Buttons,
                                                     bool CheckBox, bool Checked, int X = -100000,
                                                     int Y = -100000);

// Shows the dialog modally; answers the modal result (mrOk ... mrIgnore, mrCancel when the
// dialog is closed otherwise). With a check box, Checked gives its first state and gets its
// last.
int QvMessageBox(const String& Caption, const String& Text, TQvMsgBoxIcon Icon,
                 TQvMsgBoxButtons Buttons);
int QvMessageBox(const String& Caption, const String& Text, TQvMsgBoxIcon Icon,
                 TQvMsgBoxButtons Buttons, bool ShowCheckBox, bool& Checked);
int QvMessageBox(const String& Caption, const String& Text, TQvMsgBoxIcon Icon,
                 TQvMsgBoxButtons Buttons, bool ShowCheckBox, bool& Checked, int X, int Y);

// True when the user's UI language is Chinese (the built-in captions are then Chinese).
bool UserLanguageIsChinese();

}  // namespace qv
