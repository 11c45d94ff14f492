#pragma once
// The message box without windows: its icons, buttons, captions (in the user's language,
// with the application's overrides), default and cancel buttons, and where everything
// goes. The dialog places its controls from TMsgBoxLayout.
#include <functional>
#include <optional>
#include <vector>

#include "host/Types.h"

namespace qv {

class TPngPictures;

// The dialogs' button strip: "QvSkinButton", five states (normal, hot, pressed, disabled 3),
// active.
void UseDialogButtonPictures(TPngPictures& P);

enum TQvMsgBoxIcon { biNone, biWarning, biError, biInformation, biConfirmation };
enum TQvMsgBoxButton { mbOK, mbYes, mbNo, mbCancel, mbAbort, mbRetry, mbIgnore };
using TQvMsgBoxButtons = TSet<TQvMsgBoxButton>;
inline constexpr TQvMsgBoxButton AllMsgBoxButtons[] = {mbOK,    mbYes,   mbNo,    mbCancel,
                                                       mbAbort, mbRetry, mbIgnore};

// The texts the dialog shows besides the message: one per button, then the check box.
enum TQvMsgBoxText { mtOK, mtYes, mtNo, mtCancel, mtAbort, mtRetry, mtIgnore, mtDonotShowAgain };
inline constexpr int MsgBoxTextCount = 8;

// Which language the default captions follow: the user's (Chinese for a Chinese UI
// language, English otherwise) or one forced.
enum TQvMsgBoxLanguage { mlUserDefault, mlChinese, mlEnglish };
inline constexpr const wchar_t* TQvMsgBoxLanguageNames[] = {L"mlUserDefault", L"mlChinese",
                                                            L"mlEnglish"};

// Resource ID of the 40 x 40 icon picture; empty for biNone.
const wchar_t* MsgBoxIconID(TQvMsgBoxIcon Icon);
int MsgBoxModalResult(TQvMsgBoxButton Button);
// The built-in caption in Chinese or English.
const wchar_t* MsgBoxDefaultText(TQvMsgBoxText Text, bool Chinese);

// Process-wide caption overrides and language (the message-box style sets them). An empty
// override falls back to the built-in caption.
void SetMsgBoxTextOverride(TQvMsgBoxText Text, const String& Value);
void SetMsgBoxLanguage(TQvMsgBoxLanguage Value);
TQvMsgBoxLanguage MsgBoxLanguage();
void ClearMsgBoxOverrides();
// The caption shown: the override, else the built-in one in the language that applies
// (UserChinese: the user's UI language is Chinese).
String MsgBoxText(TQvMsgBoxText Text, bool UserChinese);

// mbOK when present, else mbYes when present, else mbRetry (which may be absent).
TQvMsgBoxButton MsgBoxDefaultButton(TQvMsgBoxButtons Buttons);
// mbCancel when present, else mbNo when present, else mbOK (which may be absent).
TQvMsgBoxButton MsgBoxCancelButton(TQvMsgBoxButtons Buttons);
// An empty set means OK alone.
TQvMsgBoxButtons MsgBoxEffectiveButtons(TQvMsgBoxButtons Buttons);

struct TMsgBoxLayoutInput {
  TQvMsgBoxButtons Buttons;
  bool HasIcon = false;
  bool TextHasLineBreak = false;
  // The message label's bounds before it takes the text (the icon centres on it).
  TRect InitialLabel;
  // Size of the message laid out no wider than MaxWidth (0: no limit).
  std::function<TSize(int MaxWidth)> MeasureText;
  bool CheckBox = false;
  int CheckTextWidth = 0;
  int CheckBoxHeight = 17;
  // The largest client area that stays on the screen (work area less frame and title).
  int MaxClientWidth = 1 << 20;
  int MaxClientHeight = 1 << 20;
};

struct TMsgBoxButtonPlace {
  TQvMsgBoxButton Button;
  TRect Bounds;  // on the bottom panel
  bool Default = false;
  bool Cancel = false;
};

struct TMsgBoxLayout {
  static constexpr int ButtonWidth = 70, ButtonHeight = 27, Gap = 10, PanelHeight = 35;
  std::optional<TRect> Icon;
  TRect Message;
  // The message was wrapped to fit the screen's width, or cut to fit its height.
  bool Wrapped = false, Clipped = false;
  int ClientWidth = 0, ClientHeight = 0;
  std::optional<TRect> CheckBox;  // on the bottom panel
  std::vector<TMsgBoxButtonPlace> Buttons;
};

TMsgBoxLayout LayoutMessageBox(const TMsgBoxLayoutInput& In);

}  // namespace qv
