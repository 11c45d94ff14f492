#include "dialogs/QvMessageBoxLayout.h"

#include <algorithm>

#include "resources/QvSkinIntfPictures.h"

namespace qv {

namespace {

struct TTextRow {
  const wchar_t *Zh, *En;
};
constexpr TTextRow kTexts[MsgBoxTextCount] = {
    {L"确定", L"OK"},     {L"是", L"Yes"},
    {L"否", L"No"},       {L"取消", L"Cancel"},
    {L"中止", L"Abort"},  {L"重试", L"Retry"},
    {L"忽略", L"Ignore"}, {L"下次不再显示", L"Don't show this again"}};

String gOverrides[MsgBoxTextCount];
TQvMsgBoxLanguage gLanguage = mlUserDefault;

}  // namespace

void UseDialogButtonPictures(TPngPictures& P) {
  P.Lock();
  P.SetImage(L"QvSkinButton");
  P.SetCount(5);
  P.SetNormal(0);
  P.SetHot(1);
  P.SetPressed(2);
  P.SetDisable(3);
  P.SetActive(true);
  P.UnLock();
}

const wchar_t* MsgBoxIconID(TQvMsgBoxIcon Icon) {
  switch (Icon) {
    case biWarning:
      // The skin's warning triangle: an "i" would tell the user there is nothing to heed.
      return L"QvSkinMsgIcon_Warn";
    case biError:
      return L"QvSkinMsgIcon_Error";
    case biInformation:
      return L"QvSkinMsgIcon_OK";
    case biConfirmation:
      return L"QvSkinMsgIcon_Question";
    case biNone:
      break;
  }
  return L"";
}

int MsgBoxModalResult(TQvMsgBoxButton Button) {
  // mrOk, mrYes, mrNo, mrCancel, mrAbort, mrRetry, mrIgnore
  static constexpr int Results[] = {1, 6, 7, 2, 3, 4, 5};
  return Results[Button];
}

const wchar_t* MsgBoxDefaultText(TQvMsgBoxText Text, bool Chinese) {
  return Chinese ? kTexts[Text].Zh : kTexts[Text].En;
}

void SetMsgBoxTextOverride(TQvMsgBoxText Text, const String& Value) {
  gOverrides[Text] = Value;
}
void SetMsgBoxLanguage(TQvMsgBoxLanguage Value) {
  gLanguage = Value;
}
TQvMsgBoxLanguage MsgBoxLanguage() {
  return gLanguage;
}

void ClearMsgBoxOverrides() {
  for (String& S : gOverrides) S.clear();
  gLanguage = mlUserDefault;
}

String MsgBoxText(TQvMsgBoxText Text, bool UserChinese) {
  if (!gOverrides[Text].empty()) return gOverrides[Text];
  const bool Chinese = gLanguage == mlChinese || (gLanguage == mlUserDefault && UserChinese);
  return MsgBoxDefaultText(Text, Chinese);
}

TQvMsgBoxButtons MsgBoxEffectiveButtons(TQvMsgBoxButtons Buttons) {
  return Buttons.Empty() ? TQvMsgBoxButtons{mbOK} : Buttons;
}

TQvMsgBoxButton MsgBoxDefaultButton(TQvMsgBoxButtons Buttons) {
  if (Buttons.Contains(mbOK)) return mbOK;
  return Buttons.Contains(mbYes) ? mbYes : mbRetry;
}

TQvMsgBoxButton MsgBoxCancelButton(TQvMsgBoxButtons Buttons) {
  if (Buttons.Contains(mbCancel)) return mbCancel;
  return Buttons.Contains(mbNo) ? mbNo : mbOK;
}

TMsgBoxLayout LayoutMessageBox(const TMsgBoxLayoutInput& In) {
  using L = TMsgBoxLayout;
  TMsgBoxLayout Out;
  const TQvMsgBoxButtons Buttons = MsgBoxEffectiveButtons(In.Buttons);
  int N = 0;
  for (TQvMsgBoxButton B : AllMsgBoxButtons) N += Buttons.Contains(B);
  const int E = N * L::ButtonWidth + (N - 1) * L::Gap;

  // The icon centres on the label as it is before the text, never above y = 15.
  int MsgLeft = 10, MsgTop = 25;
  if (In.HasIcon) {
    const int T0 = std::max(15, In.InitialLabel.Top + In.InitialLabel.Height() / 2 - 20);
    Out.Icon = Rect(10, T0, 50, T0 + 40);
    MsgLeft = 65;
    if (In.TextHasLineBreak) MsgTop = T0;
  }

  // A message too wide for the screen wraps; one too tall is cut (the dialog stays on it).
  TSize Text = In.MeasureText ? In.MeasureText(0) : TSize{};
  const int MaxTextWidth = std::max(1, In.MaxClientWidth - 60 - MsgLeft);
  if (Text.cx > MaxTextWidth) {
    Text = In.MeasureText(MaxTextWidth);
    Text.cx = std::min(Text.cx, MaxTextWidth);
    Out.Wrapped = true;
  }
  const int MaxTextHeight = std::max(1, In.MaxClientHeight - 60 - L::ButtonHeight);
  if (Text.cy > MaxTextHeight) {
    Text.cy = MaxTextHeight;
    Out.Clipped = true;
  }
  Out.Message = Rect(MsgLeft, MsgTop, MsgLeft + Text.cx, MsgTop + Text.cy);

  Out.ClientHeight = 60 + L::ButtonHeight + Text.cy;
  Out.ClientWidth = 60 + std::max(E, Out.Message.Right);

  int X = (Out.ClientWidth - E) / 2;
  if (In.CheckBox) {
    const int W = In.CheckTextWidth + 30;
    const int Top = (L::PanelHeight - In.CheckBoxHeight) / 2;
    Out.CheckBox = Rect(5, Top, 5 + W, Top + In.CheckBoxHeight);
    if (Out.ClientWidth < W) Out.ClientWidth = W + 30;
    if (Out.ClientWidth - E - 40 < Out.CheckBox->Right) Out.ClientWidth = W + 40 + E;
    X = Out.ClientWidth - E - 8;
  }

  const TQvMsgBoxButton Default = MsgBoxDefaultButton(Buttons);
  const TQvMsgBoxButton Cancel = MsgBoxCancelButton(Buttons);
  const int Y = (L::PanelHeight - L::ButtonHeight) / 2 + 1;
  for (TQvMsgBoxButton B : AllMsgBoxButtons) {
    if (!Buttons.Contains(B)) continue;
    Out.Buttons.push_back(
        {B, Rect(X, Y, X + L::ButtonWidth, Y + L::ButtonHeight), B == Default, B == Cancel});
    X += L::ButtonWidth + L::Gap;
  }
  return Out;
}

}  // namespace qv
