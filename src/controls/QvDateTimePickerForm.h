#pragma once
// TQvDateTimePickerForm: the borderless popup of the date-time picker. Year and month
// arrows with the year and month as labels (a click edits them inline), the calendar, a
// time row whose hour, minute and second open a time box, and Clear, Today and OK. It
// never takes the activation: the picker's form stays active, and the popup's
// TQvLikeMenuDlg closes it on a click outside.
//
// A confirmed choice (DateTime) always carries one millisecond: 2015-06-18 00:00:00.001,
// never midnight exactly. Values stored by applications rely on it (a choice reads apart
// from a date set in code, and its time part is never 0), so it stays.
#include "controls/QvDateTimeFormat.h"
#include "controls/QvSkinCalendar.h"
#include "host/Form.h"

namespace qv {

class TQvLikeMenuDlg;
class TQvSkinColorButton;
class TQvSkinEdit;
class TQvSkinLabel;
class TQvSkinPanel;
class TQvSkinTimeBox;
struct TQvNumCell;

class TQvDateTimePickerForm : public TForm {
  QV_CLASS(TQvDateTimePickerForm)
 public:
  explicit TQvDateTimePickerForm(TComponent* AOwner);
  ~TQvDateTimePickerForm() override;

  static constexpr int FormWidth = 248, FormHeight = 232;
  // The confirmed choice's millisecond.
  static constexpr int ChoiceMSec = 1;

  bool AutoClose() const { return FAutoClose; }
  void SetAutoClose(bool Value) { FAutoClose = Value; }
  TQvDateTimeKind Kind() const { return FKind; }
  void SetKind(TQvDateTimeKind Value);
  // The shown year, month, focus day and (for tkDateTime) time, with ChoiceMSec.
  TDateTime GetDateTime();
  void SetDateTime(TDateTime Value);
  TDate MinDate() const { return FMinDate; }
  void SetMinDate(TDate Value);
  TDate MaxDate() const { return FMaxDate; }
  void SetMaxDate(TDate Value);
  // Time box titles; stored only.
  String TextHour, TextMinute, TextSecond;
  const String& TextClear() const;
  void SetTextClear(const String& Value);
  const String& TextToday() const;
  void SetTextToday(const String& Value);
  const String& TextOK() const;
  void SetTextOK(const String& Value);
  const String& TextTime() const;
  void SetTextTime(const String& Value);
  // Week-day captions, Sunday first; the calendar takes them when the popup shows.
  String TextSu, TextMo, TextTu, TextWe, TextTh, TextFr, TextSa;

  // Shows the popup under a control at ControlScreen (screen coordinates), flush with the
  // work area of that control's monitor, without activating it.
  void Popup(const TRect& ControlScreen);

  // The parts, by their names in the form's layout.
  TQvSkinPanel* pnl5() const { return Fpnl5; }
  TQvSkinColorButton* btnDecYear() const { return FbtnDecYear; }
  TQvSkinColorButton* btnAddYear() const { return FbtnAddYear; }
  TQvSkinColorButton* btnDecMonth() const { return FbtnDecMonth; }
  TQvSkinColorButton* btnAddMonth() const { return FbtnAddMonth; }
  TQvSkinLabel* lblYear() const { return FlblYear; }
  TQvSkinLabel* lblMonth() const { return FlblMonth; }
  TQvSkinCalendar* qvsknclndr1() const { return Fqvsknclndr1; }
  TQvSkinPanel* pnl4() const { return Fpnl4; }
  TQvSkinPanel* pnlTime() const { return FpnlTime; }
  TQvSkinLabel* lblHour() const { return FlblHour; }
  TQvSkinLabel* lblMinute() const { return FlblMinute; }
  TQvSkinLabel* lblSecond() const { return FlblSecond; }
  TQvSkinColorButton* btnClear() const { return FbtnClear; }
  TQvSkinColorButton* btnGoToday() const { return FbtnGoToday; }
  TQvSkinColorButton* btnOK() const { return FbtnOK; }
  TQvLikeMenuDlg* QvLikeMenuDlg1() const { return FQvLikeMenuDlg1; }
  // The inline year and month editor (hidden while not editing).
  TQvSkinEdit* YearMonthEdit() const { return FEdit; }
  // The open time box, nil before the first click on a time label.
  TQvSkinTimeBox* TimeBox() const { return FQvSkinTimeBox; }

  // The handlers of the layout, callable as a click would.
  void btnDecYearClick(TObject* Sender);
  void btnAddYearClick(TObject* Sender);
  void btnDecMonthClick(TObject* Sender);
  void btnAddMonthClick(TObject* Sender);
  void btnGoTodayClick(TObject* Sender);
  void btnClearClick(TObject* Sender);
  void btnOKClick(TObject* Sender);
  void lblYearClick(TObject* Sender);
  void lblMonthClick(TObject* Sender);
  void lblHourClick(TObject* Sender);

  void WndProc(TMessage& Message) override;

  // The choice was confirmed (OK, or a day with AutoClose).
  TNotifyEvent OnSelected;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void DoShow() override;
  void DoClose(TCloseAction& Action) override;

 private:
  void qvsknclndr1CellClick(TObject* Sender, TDayCell& Data);
  void qvsknclndr1Changed(TObject* Sender);
  void DoEditOnKeyDown(TObject* Sender, wchar_t& Key);
  void DoEditOnExit(TObject* Sender);
  void DoTimeBoxOnCellClick(TObject* Sender, TQvNumCell& Cell);
  void OpenEditor(TQvSkinPanel* Panel, int Value, int Tag);
  TQvSkinLabel* TimeLabel(int Index) const;

  bool FAutoClose = true;
  TQvDateTimeKind FKind = tkDateTime;
  // The last value given to SetDateTime; not a number until the first.
  TDateTime FDateTime;
  TDate FMinDate = 0, FMaxDate = 0;
  // The editor's target: 1 year, 2 month, 0 none.
  int FEditTag = 0;
  bool FNoActivate = false;

  TQvSkinPanel* Fpnl5 = nullptr;
  TQvSkinColorButton *FbtnDecYear = nullptr, *FbtnAddYear = nullptr;
  TQvSkinColorButton *FbtnDecMonth = nullptr, *FbtnAddMonth = nullptr;
  TQvSkinPanel *Fpnl1 = nullptr, *Fpnl2 = nullptr;
  TQvSkinLabel *FlblYear = nullptr, *FlblMonth = nullptr;
  TQvSkinCalendar* Fqvsknclndr1 = nullptr;
  TQvSkinPanel *Fpnl4 = nullptr, *FpnlTime = nullptr;
  TQvSkinLabel* FlblTime = nullptr;
  TQvSkinLabel *FlblHour = nullptr, *FlblMinute = nullptr, *FlblSecond = nullptr;
  TQvSkinColorButton *FbtnClear = nullptr, *FbtnGoToday = nullptr, *FbtnOK = nullptr;
  TQvLikeMenuDlg* FQvLikeMenuDlg1 = nullptr;
  TQvSkinEdit* FEdit = nullptr;
  TQvSkinTimeBox* FQvSkinTimeBox = nullptr;
};

// The open popup of the application, nil when none is open.
extern TQvDateTimePickerForm* QvDateTimePickerForm;

}  // namespace qv
