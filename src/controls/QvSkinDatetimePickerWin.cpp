#include <windows.h>

#include "controls/QvDateMath.h"
#include "controls/QvDateTimePickerForm.h"
#include "controls/QvLikeMenuDlg.h"
#include "controls/QvSkinDatetimePicker.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {
const bool kRegistered = (RegisterComponentClass<TQvSkinDatetimePicker>(), true);
}  // namespace

TQvSkinDatetimePicker::TQvSkinDatetimePicker(TComponent* AOwner) : TQvSkinPngEdit(AOwner) {
  TQvEditItem* Icon = EdItems()->AddItem();
  Icon->Pos()->SetAlign(agRight);
  Icon->Pos()->SetY(5);
  Icon->Pos()->SetX(28);
  Icon->SetKind(ikButton);
  Icon->SetImage(L"QvSkinCalendar_18_N");
  Icon->SetImageHot(L"QvSkinCalendar_18_H");
  FDateTime = FDate = FTime = Now();
  Writing([this] { ResetDateTimeText(); });
  SetReadOnly(DefaultReadOnly);
  SetBounds(Left(), Top(), DefaultWidth, Height());
}

TQvSkinDatetimePicker::~TQvSkinDatetimePicker() {
  if (FPopup) FPopup->QvLikeMenuDlg1()->OnMouseClickOutside = nullptr;
}

template <class F>
void TQvSkinDatetimePicker::Writing(F&& Fn) {
  TScopedValue<bool> Off(FCheckText, false);
  Fn();
}

TQvEditItem* TQvSkinDatetimePicker::CalendarIcon() const {
  return EdItems()->Count() > 0 ? EdItems()->Item(0) : nullptr;
}

// ---- value ------------------------------------------------------------------------------

TDateTime TQvSkinDatetimePicker::DateTime() {
  CheckText();
  FDateTime = ComposeDateTime(DateOf(FDate), TimeOf(FTime));
  return FDateTime;
}

void TQvSkinDatetimePicker::SetDateTime(TDateTime Value) {
  Writing([&] {
    FDateTime = Value;
    FDate = DateOf(Value);
    FTime = TimeOf(Value);
    ResetDateTimeText();
  });
}

void TQvSkinDatetimePicker::SetDate(TDate Value) {
  if (Value == FDate) return;
  Writing([&] {
    FDate = Value;
    ResetDateTimeText();
  });
}

void TQvSkinDatetimePicker::SetTime(TTime Value) {
  if (Value == FTime) return;
  Writing([&] {
    FTime = Value;
    ResetDateTimeText();
  });
}

void TQvSkinDatetimePicker::SetKind(TQvDateTimeKind Value) {
  if (Value == FKind) return;
  Writing([&] {
    FKind = Value;
    ResetDateTimeText();
  });
}

void TQvSkinDatetimePicker::SetFormat(const String& Value) {
  if (Value == FFormat) return;
  Writing([&] {
    FFormat = Value;
    ResetDateTimeText();
  });
}

void TQvSkinDatetimePicker::ResetDateTimeText() {
  String S;
  if (!FFormat.empty())
    S = FormatDateTime(FFormat, DateTime());
  else if (FKind == tkDateTime)
    S = DateTimeToStr(DateTime());
  else
    S = DateToStr(FDate);
  FWrittenText = S;
  SetText(S);
}

void TQvSkinDatetimePicker::CheckText() {
  // Only text from outside is read: the control's own text would drop what it does not
  // show (the time of a tkDate picker, the milliseconds of a choice).
  if (!FCheckText || Text() == FWrittenText) return;
  const String S = Trim(Text());
  if (S.empty()) return;
  TDateTime V = 0;
  if (TryStrToDateTime(S, V)) {
    FDateTime = V;
    FDate = DateOf(V);
    FTime = TimeOf(V);
    return;
  }
  if (!Trim(FFormat).empty()) return;  // a formatted text is not read back
  // The value stays as it was and the text shows it again, so the next read is quiet.
  Writing([this] { ResetDateTimeText(); });
  DoInvalidText();
}

void TQvSkinDatetimePicker::DoInvalidText() {
  MessageBoxW(nullptr, L"设置日期或时间失败。", L"Warning", MB_ICONWARNING);
}

void TQvSkinDatetimePicker::SetText(const String& Value) {
  TQvSkinPngEdit::SetText(Value);
  if (Text() != Value) CheckText();
}

void TQvSkinDatetimePicker::Change() {
  if (ComponentState().Contains(csLoading) || ComponentState().Contains(csReading)) {
    Invalidate();
    return;
  }
  TQvSkinPngEdit::Change();
}

void TQvSkinDatetimePicker::DoExit() {
  TQvSkinPngEdit::DoExit();
  CheckText();
}

// ---- the popup ----------------------------------------------------------------------------

void TQvSkinDatetimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TQvSkinPngEdit::MouseDown(Button, Shift, X, Y);
  TQvEditItem* Icon = CalendarIcon();
  if (!Icon || !Icon->Visible() || !Icon->Enabled()) return;
  const TRect R = Icon->Rect();
  if (X < R.Left || X >= R.Right || Y < R.Top || Y >= R.Bottom) return;
  if (Icon->Tag() != 0) {
    CloseUp();
    return;
  }
  DropDown();
}

void TQvSkinDatetimePicker::KeyDown(uint16_t& Key, TShiftState Shift) {
  TQvSkinPngEdit::KeyDown(Key, Shift);
  // The keyboard way to the popup: F4 or Alt+Down toggles it, Escape closes it.
  if (Key == VK_F4 || (Key == VK_DOWN && Shift.Contains(ssAlt))) {
    if (DroppedDown())
      CloseUp();
    else
      DropDown();
  } else if (Key == VK_ESCAPE && DroppedDown()) {
    CloseUp();
  }
}

bool TQvSkinDatetimePicker::DropDown() {
  if (FPopup || !HandleAllocated() || !IsWindowVisible(Handle())) return false;
  // An inconsistent range would make the calendar refuse it: nothing opens.
  if (FMinDate != 0 && FMaxDate != 0 && DateOf(FMinDate) > DateOf(FMaxDate)) {
    MessageBeep(MB_ICONWARNING);
    return false;
  }
  auto* F = new TQvDateTimePickerForm(this);
  FPopup = F;
  QvDateTimePickerForm = F;
  F->SetFormStyle(fsStayOnTop);
  F->OnSelected = [this](TObject* S) { DoDateTimePickerOnSelected(S); };
  F->SetAutoClose(FAutoClose);
  F->SetKind(FKind);
  F->SetMaxDate(FMaxDate);
  F->SetMinDate(FMinDate);
  F->SetDateTime(DateTime());
  F->TextHour = DefineHourText;
  F->TextMinute = DefineMinuteText;
  F->TextSecond = DefineSecondsText;
  F->SetTextClear(DefineClearText);
  F->SetTextToday(DefineTodayText);
  F->SetTextOK(DefineOKText);
  F->SetTextTime(DefineTimeText);
  F->TextSu = DefineSuText;
  F->TextMo = DefineMoText;
  F->TextTu = DefineTuText;
  F->TextWe = DefineWeText;
  F->TextTh = DefineThText;
  F->TextFr = DefineFrText;
  F->TextSa = DefineSaText;
  TRect R = BoundsRect();
  if (Parent()) {
    const TPoint P = Parent()->ClientToScreen({R.Left, R.Top});
    R = Bounds(P.X, P.Y, R.Width(), R.Height());
  }
  F->Popup(R);
  if (TQvEditItem* Icon = CalendarIcon()) Icon->SetTag(1);
  F->QvLikeMenuDlg1()->OnMouseClickOutside = [this](TObject* S) { DoMouseClickOutside(S); };
  F->QvLikeMenuDlg1()->Capture(F);
  NotifyAccessible(aeStateChange);
  return true;
}

void TQvSkinDatetimePicker::CloseUp() {
  if (TQvEditItem* Icon = CalendarIcon()) Icon->SetTag(0);
  if (FPopup) FPopup->QvLikeMenuDlg1()->Stop();
}

void TQvSkinDatetimePicker::DoDateTimePickerOnSelected(TObject* Sender) {
  auto* F = dynamic_cast<TQvDateTimePickerForm*>(Sender);
  if (!F) return;
  SetDateTime(F->GetDateTime());
  if (OnPickDone) OnPickDone(this);
}

void TQvSkinDatetimePicker::DoMouseClickOutside(TObject*) {
  // The popup is gone after this, so the icon's next press opens a new one, also when
  // this press on the icon was taken as the outside click.
  if (TQvEditItem* Icon = CalendarIcon()) Icon->SetTag(0);
  TQvDateTimePickerForm* F = FPopup;
  FPopup = nullptr;
  if (!F) return;
  F->QvLikeMenuDlg1()->OnMouseClickOutside = nullptr;
  F->Close();
  NotifyAccessible(aeStateChange);
}

// ---- accessibility and properties ----------------------------------------------------------

TQvAccessibleInfo TQvSkinDatetimePicker::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinPngEdit::AccessibleInfo();
  Info.Role = arComboBox;
  Info.State.Include(asHasPopup);
  Info.State.Include(FPopup ? asExpanded : asCollapsed);
  Info.DefaultAction = FPopup ? L"Close" : L"Open";
  return Info;
}

bool TQvSkinDatetimePicker::DoAccessibleDefaultAction() {
  if (FPopup)
    CloseUp();
  else
    DropDown();
  return true;
}

const TPropTable& TQvSkinDatetimePicker::Properties() const {
  using C = TQvSkinDatetimePicker;
  auto Caption = [](const wchar_t* Name, String C::*Field, const wchar_t* Default) {
    return Prop(
        Name, [Field](const C& O) { return O.*Field; },
        [Field](C& O, const String& V) { O.*Field = V; }, Default);
  };
  static const TPropTable Table = TQvSkinPngEdit::Properties().With({
      Prop(L"ReadOnly", &C::ReadOnly, &C::SetReadOnly, DefaultReadOnly),
      // The text shows Date and Time by Kind and Format, which are written instead.
      Prop(
          L"Text", [](const C& O) { return O.Text(); }, [](C& O, const String& V) { O.SetText(V); })
          .Stored(Never),
      Prop(L"Date", &C::Date, &C::SetDate).Stored(Always),
      Prop(L"Time", &C::Time, &C::SetTime).Stored(Always),
      EnumProp(L"Kind", &C::Kind, &C::SetKind, DefaultKind, TQvDateTimeKindNames),
      Prop(L"Format", &C::Format, &C::SetFormat, L""),
      Prop(L"MinDate", &C::MinDate, &C::SetMinDate, 0.0),
      Prop(L"MaxDate", &C::MaxDate, &C::SetMaxDate, 0.0),
      Prop(L"AutoClose", &C::AutoClose, &C::SetAutoClose, DefaultAutoClose),
      Caption(L"DefineHourText", &C::DefineHourText, DefaultDefineHourText),
      Caption(L"DefineMinuteText", &C::DefineMinuteText, DefaultDefineMinuteText),
      Caption(L"DefineSecondsText", &C::DefineSecondsText, DefaultDefineSecondsText),
      Caption(L"DefineClearText", &C::DefineClearText, DefaultDefineClearText),
      Caption(L"DefineTodayText", &C::DefineTodayText, DefaultDefineTodayText),
      Caption(L"DefineOKText", &C::DefineOKText, DefaultDefineOKText),
      Caption(L"DefineTimeText", &C::DefineTimeText, DefaultDefineTimeText),
      Caption(L"DefineSuText", &C::DefineSuText, TQvSkinCalendar::DefaultTextSu),
      Caption(L"DefineMoText", &C::DefineMoText, TQvSkinCalendar::DefaultTextMo),
      Caption(L"DefineTuText", &C::DefineTuText, TQvSkinCalendar::DefaultTextTu),
      Caption(L"DefineWeText", &C::DefineWeText, TQvSkinCalendar::DefaultTextWe),
      Caption(L"DefineThText", &C::DefineThText, TQvSkinCalendar::DefaultTextTh),
      Caption(L"DefineFrText", &C::DefineFrText, TQvSkinCalendar::DefaultTextFr),
      Caption(L"DefineSaText", &C::DefineSaText, TQvSkinCalendar::DefaultTextSa),
  });
  return Table;
}

}  // namespace qv
