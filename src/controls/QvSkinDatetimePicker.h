#pragma once
// TQvSkinDatetimePicker: the self-drawn edit (read-only by default) showing a date, or a
// date and time, with a calendar icon on its right. A press on the icon opens the popup
// (TQvDateTimePickerForm) under the edit; a second press closes it. A choice confirmed in
// the popup becomes the value and the text and fires OnChange once, then OnPickDone.
// Text typed or set from outside is read back lazily: on the next read of DateTime and
// when the edit loses the focus.
#include "controls/QvDateTimeFormat.h"
#include "controls/QvSkinCalendar.h"
#include "controls/QvSkinEdit.h"

namespace qv {

class TQvDateTimePickerForm;

inline constexpr const wchar_t* TQvDateTimeKindNames[] = {L"tkDateTime", L"tkDate"};

class TQvSkinDatetimePicker : public TQvSkinPngEdit {
  QV_CLASS(TQvSkinDatetimePicker)
 public:
  // Now as the value, a single blank as the text until the value, Kind or Format is set.
  explicit TQvSkinDatetimePicker(TComponent* AOwner);
  ~TQvSkinDatetimePicker() override;

  static constexpr int DefaultWidth = 145;
  static constexpr TQvDateTimeKind DefaultKind = tkDateTime;
  static constexpr bool DefaultAutoClose = true, DefaultReadOnly = true;
  static constexpr const wchar_t* DefaultDefineHourText = L"小时";
  static constexpr const wchar_t* DefaultDefineMinuteText = L"分钟";
  static constexpr const wchar_t* DefaultDefineSecondsText = L"秒钟";
  static constexpr const wchar_t* DefaultDefineClearText = L"清空";
  static constexpr const wchar_t* DefaultDefineTodayText = L"今天";
  static constexpr const wchar_t* DefaultDefineOKText = L"确认";
  static constexpr const wchar_t* DefaultDefineTimeText = L"时间";

  // The value: pending text is read first, then the date part of Date plus the time part
  // of Time.
  TDateTime DateTime();
  void SetDateTime(TDateTime Value);
  TDate Date() const { return FDate; }
  void SetDate(TDate Value);
  TTime Time() const { return FTime; }
  void SetTime(TTime Value);
  TQvDateTimeKind Kind() const { return FKind; }
  void SetKind(TQvDateTimeKind Value);
  // Shown text as FormatDateTime letters; empty: the short date (and long time).
  const String& Format() const { return FFormat; }
  void SetFormat(const String& Value);
  // Range handed to the popup's calendar; 0 = no limit. Kept exactly as set.
  TDate MinDate() const { return FMinDate; }
  void SetMinDate(TDate Value) { FMinDate = Value; }
  TDate MaxDate() const { return FMaxDate; }
  void SetMaxDate(TDate Value) { FMaxDate = Value; }
  // A click on a day confirms at once.
  bool AutoClose() const { return FAutoClose; }
  void SetAutoClose(bool Value) { FAutoClose = Value; }
  // Captions of the popup, read when it opens.
  String DefineHourText = DefaultDefineHourText;
  String DefineMinuteText = DefaultDefineMinuteText;
  String DefineSecondsText = DefaultDefineSecondsText;
  String DefineClearText = DefaultDefineClearText;
  String DefineTodayText = DefaultDefineTodayText;
  String DefineOKText = DefaultDefineOKText;
  String DefineTimeText = DefaultDefineTimeText;
  String DefineSuText = TQvSkinCalendar::DefaultTextSu;
  String DefineMoText = TQvSkinCalendar::DefaultTextMo;
  String DefineTuText = TQvSkinCalendar::DefaultTextTu;
  String DefineWeText = TQvSkinCalendar::DefaultTextWe;
  String DefineThText = TQvSkinCalendar::DefaultTextTh;
  String DefineFrText = TQvSkinCalendar::DefaultTextFr;
  String DefineSaText = TQvSkinCalendar::DefaultTextSa;

  // The calendar icon (the first edit item); its Tag is 1 while its popup is open.
  TQvEditItem* CalendarIcon() const;
  // This picker's open popup, nil when closed.
  TQvDateTimePickerForm* Popup() const { return FPopup; }
  bool DroppedDown() const { return FPopup != nullptr; }
  // Opens the popup (as a press on the icon does); false when it cannot open: a range
  // with MinDate after MaxDate, or the picker not on screen.
  bool DropDown();
  // Closes the popup without taking anything over.
  void CloseUp();

  void SetText(const String& Value) override;
  TQvAccessibleInfo AccessibleInfo() const override;
  bool DoAccessibleDefaultAction() override;
  const TPropTable& Properties() const override;

  // A choice in the popup was taken over.
  TNotifyEvent OnPickDone;

 protected:
  // Writes the value as text (Format, else the short forms of Kind).
  virtual void ResetDateTimeText();
  // Reads pending text back into the value.
  virtual void CheckText();
  // A text without Format that does not read as a date: the value stays and the text is
  // written again from it. The default warns in a message box.
  virtual void DoInvalidText();
  // The popup's OK: the form's choice becomes the value.
  virtual void DoDateTimePickerOnSelected(TObject* Sender);
  // The popup's capture ended (outside click, OK, second press): close it.
  virtual void DoMouseClickOutside(TObject* Sender);
  // No OnChange while the picker is read from a form file.
  void Change() override;
  void DoExit() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;

 private:
  // Runs F with the text check off, so reads of the value inside do not parse old text.
  template <class F>
  void Writing(F&& Fn);

  TDateTime FDateTime = 0;
  TDate FDate = 0;
  TTime FTime = 0;
  TQvDateTimeKind FKind = DefaultKind;
  String FFormat;
  TDate FMinDate = 0, FMaxDate = 0;
  bool FAutoClose = DefaultAutoClose;
  bool FCheckText = true;
  String FWrittenText;                      // the text ResetDateTimeText wrote last
  TQvDateTimePickerForm* FPopup = nullptr;  // owned as a component
};

}  // namespace qv
