// The date-time picker with real input: the icon opens the popup under the edit without
// taking the activation, a day and a time picked there become the value with one OnChange,
// a second press on the icon closes it, the inline year editor applies on Escape like on
// Enter, and bad input (an upside-down range, unknown format letters, years outside
// 1..9999) changes nothing the application set.
#include "SkinEditTestSupport.h"
#include "controls/QvDateMath.h"
#include "controls/QvDateTimePickerForm.h"
#include "controls/QvLikeMenuDlg.h"
#include "controls/QvSkinDatetimePicker.h"
#include "controls/QvSkinLabel.h"
#include "controls/QvSkinTimeBox.h"
#include "host/ObjectText.h"

using namespace qv;
using qvtest::Click;
using qvtest::MoveMouse;
using qvtest::PressKey;
using qvtest::PumpIdle;
using qvtest::PumpUntil;

namespace {

// Counts the warnings instead of showing the message box.
class TQuietPicker : public TQvSkinDatetimePicker {
 public:
  using TQvSkinDatetimePicker::TQvSkinDatetimePicker;
  int Warnings = 0;

 protected:
  void DoInvalidText() override { ++Warnings; }
};

class DatetimePicker : public qvtest::SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Picker = Add<TQvSkinDatetimePicker>(Form.get(), 20, 20, 145, 26);
    Picker->SetDateTime(EncodeDateTime(2015, 6, 18, 10, 20, 30, 0));
    Picker->OnChange = [this](TObject*) { ++Changes; };
    Picker->OnPickDone = [this](TObject*) { ++PickDones; };
    ShowForm();
  }
  void TearDown() override {
    ReleaseCapture();
    SkinFormTest::TearDown();
  }
  // Clicks the middle of a rectangle of a control's client area.
  static void ClickIn(TControl* C, const TRect& R) {
    const TPoint P = C->ClientToScreen({(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2});
    MoveMouse(P.X, P.Y);
    Click(P.X, P.Y);
  }
  void ClickIcon() { ClickIn(Picker, Picker->CalendarIcon()->Rect()); }
  TQvDateTimePickerForm* OpenPopup() {
    ClickIcon();
    EXPECT_TRUE(PumpUntil([&] { return Picker->Popup() != nullptr; }));
    if (Picker->Popup()) PumpIdle();  // painted: the calendar's cells are laid out
    return Picker->Popup();
  }
  static void ClickControl(TControl* C) { ClickIn(C, Rect(0, 0, C->Width(), C->Height())); }
  static TDayCell* DayCell(TQvSkinCalendar* Cal, TDateTime Date) {
    for (int C = 0; C < 7; ++C)
      for (int R = 0; R < 6; ++R)
        if (Cal->Cell(C, R).Date == Date) return &Cal->Cell(C, R);
    return nullptr;
  }
  // Opens a time box from its label and clicks Num in it.
  void PickTime(TQvDateTimePickerForm* F, TQvSkinLabel* Label, int Num) {
    ClickControl(Label);
    ASSERT_TRUE(PumpUntil([&] { return F->TimeBox() && F->TimeBox()->Visible(); }));
    PumpIdle();
    TQvSkinTimeBox* Box = F->TimeBox();
    const TQvNumCell* Cell = Box->Grid().CellOfNum(Num);
    ASSERT_NE(Cell, nullptr);
    ClickIn(Box, Cell->Rect);
    ASSERT_TRUE(PumpUntil([&] { return !Box->Visible(); }));
  }

  TQvSkinDatetimePicker* Picker = nullptr;
  int Changes = 0, PickDones = 0;
};

TEST_F(DatetimePicker, TextFollowsKindAndFormat) {
  struct {
    TQvDateTimeKind Kind;
    const wchar_t* Format;
    const wchar_t* Text;
  } Cases[] = {
      {tkDateTime, L"", L"2015/6/18 10:20:30"},
      {tkDate, L"", L"2015/6/18"},
      {tkDate, L"yyyy-mm-dd hh:nn", L"2015-06-18 10:20"},
      {tkDateTime, L"qq yyyy 'y' [b]", L"qq 2015 y [b]"},  // unknown letters stay
  };
  for (auto& C : Cases) {
    Picker->SetKind(C.Kind);
    Picker->SetFormat(C.Format);
    EXPECT_EQ(Picker->Text(), C.Text);
    EXPECT_DOUBLE_EQ(Picker->DateTime(), EncodeDateTime(2015, 6, 18, 10, 20, 30, 0));
  }
  // Text from outside is read back on the next read of the value.
  Picker->SetFormat(L"");
  Picker->SetText(L"2001/2/3 4:05:06");
  EXPECT_DOUBLE_EQ(Picker->DateTime(), EncodeDateTime(2001, 2, 3, 4, 5, 6, 0));
  // A text in a custom format does not read back: the value stays.
  Picker->SetFormat(L"dd.mm.yyyy");
  Picker->SetText(L"03.02.2001 x");
  EXPECT_DOUBLE_EQ(Picker->DateTime(), EncodeDateTime(2001, 2, 3, 4, 5, 6, 0));
}

TEST_F(DatetimePicker, ReadFromAFormFileShowsItsStoredValue) {
  Picker->SetName(L"Picker1");
  Picker->SetKind(tkDate);
  Picker->SetFormat(L"yyyy-mm-dd");
  Picker->SetMinDate(EncodeDate(2015, 1, 1));
  Picker->DefineOKText = L"OK";
  const String Text = ComponentToText(*Form);
  EXPECT_EQ(Text.find(L"MaxDate"), String::npos);  // 0 is not stored

  TForm Copy(nullptr);
  TextToComponent(Text, Copy);
  auto* P = dynamic_cast<TQvSkinDatetimePicker*>(Copy.FindComponent(L"Picker1"));
  ASSERT_NE(P, nullptr);
  EXPECT_EQ(P->Text(), L"2015-06-18");
  EXPECT_DOUBLE_EQ(P->DateTime(), EncodeDateTime(2015, 6, 18, 10, 20, 30, 0));
  EXPECT_EQ(P->Kind(), tkDate);
  EXPECT_DOUBLE_EQ(P->MinDate(), EncodeDate(2015, 1, 1));
  EXPECT_DOUBLE_EQ(P->MaxDate(), 0);
  EXPECT_TRUE(P->ReadOnly());
  EXPECT_EQ(P->DefineOKText, L"OK");
  EXPECT_EQ(P->DefineTodayText, TQvSkinDatetimePicker::DefaultDefineTodayText);
}

TEST_F(DatetimePicker, UnreadableTextKeepsTheValue) {
  auto* P = Add<TQuietPicker>(Form.get(), 20, 60, 145, 26);
  const TDateTime Set = EncodeDateTime(2015, 6, 18, 10, 20, 30, 5);
  P->SetDateTime(Set);
  struct {
    const wchar_t* Format;
    const wchar_t* Typed;
    int Warnings;
  } Cases[] = {
      {L"", L"not a date", 1},
      {L"", L"2015/2/30", 1},
      {L"", L"10000/1/1", 1},
      {L"yyyy", L"garbage", 0},  // a formatted text is not read back, and not reported
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::PrintToString(String(C.Typed)));
    P->Warnings = 0;
    P->SetFormat(C.Format);
    P->SetText(C.Typed);
    EXPECT_DOUBLE_EQ(P->DateTime(), Set);
    EXPECT_DOUBLE_EQ(P->DateTime(), Set);  // read twice: one warning
    EXPECT_EQ(P->Warnings, C.Warnings);
  }
  P->SetFormat(L"");
  EXPECT_EQ(P->Text(), L"2015/6/18 10:20:30");  // the text shows the kept value again
  // A value outside years 1..9999 shows no text and still reads back as set.
  P->SetDateTime(2958466.5);
  EXPECT_EQ(P->Text(), L"");
  EXPECT_DOUBLE_EQ(P->DateTime(), 2958466.5);
}

TEST_F(DatetimePicker, KeysOpenAndClose) {
  Picker->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return Picker->Focused(); }));
  struct {
    WORD Key;
    std::vector<WORD> Modifiers;
    bool Open;
  } Steps[] = {
      {VK_F4, {}, true}, {VK_ESCAPE, {}, false}, {VK_DOWN, {VK_MENU}, true}, {VK_F4, {}, false}};
  for (auto& S : Steps) {
    PressKey(S.Key, S.Modifiers);
    ASSERT_TRUE(PumpUntil([&] { return Picker->DroppedDown() == S.Open; })) << S.Key;
    EXPECT_EQ(GetFocus(), Picker->Handle());
  }
}

TEST_F(DatetimePicker, PickingADayAndATimeSetsTheValueOnce) {
  TQvDateTimePickerForm* F = OpenPopup();
  ASSERT_NE(F, nullptr);
  EXPECT_EQ(QvDateTimePickerForm, F);
  EXPECT_TRUE(IsWindowVisible(F->Handle()));
  EXPECT_EQ(GetForegroundWindow(), Form->Handle());
  EXPECT_TRUE(GetWindowLongW(F->Handle(), GWL_EXSTYLE) & WS_EX_NOACTIVATE);
  const TPoint Corner = Picker->ClientToScreen({0, Picker->Height()});
  EXPECT_EQ(F->BoundsRect(), Bounds(Corner.X + 1, Corner.Y + 1, 248, 232));
  EXPECT_EQ(F->lblYear()->Caption(), L"2015");
  EXPECT_EQ(F->lblMonth()->Caption(), L"6");
  EXPECT_EQ(F->lblHour()->Caption(), L"10");
  EXPECT_EQ(F->qvsknclndr1()->FocusDay(), 18);
  EXPECT_EQ(Picker->CalendarIcon()->Tag(), 1);

  PickTime(F, F->lblHour(), 7);
  EXPECT_EQ(F->lblHour()->Caption(), L"07");
  EXPECT_EQ(F->TimeBox()->BoundsRect(), Rect(8, 77, 135, 202));
  PickTime(F, F->lblMinute(), 45);
  EXPECT_EQ(F->lblMinute()->Caption(), L"45");
  EXPECT_EQ(F->TimeBox()->BoundsRect(), Rect(8, 38, 240, 202));
  EXPECT_EQ(Changes, 0);  // nothing taken over yet

  TDayCell* Day = DayCell(F->qvsknclndr1(), EncodeDate(2015, 6, 20));
  ASSERT_NE(Day, nullptr);
  ClickIn(F->qvsknclndr1(), Day->Rect);  // AutoClose: the day confirms
  ASSERT_TRUE(PumpUntil([&] { return Picker->Popup() == nullptr; }));
  // The choice carries its one millisecond.
  EXPECT_DOUBLE_EQ(Picker->DateTime(), EncodeDateTime(2015, 6, 20, 7, 45, 30, 1));
  EXPECT_EQ(Picker->Text(), L"2015/6/20 7:45:30");
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(PickDones, 1);
  EXPECT_EQ(Picker->CalendarIcon()->Tag(), 0);
  EXPECT_EQ(QvDateTimePickerForm, nullptr);
}

TEST_F(DatetimePicker, ChoicesCarryOneMillisecond) {
  struct {
    TQvDateTimeKind Kind;
    TDateTime Expected;
  } Cases[] = {
      {tkDateTime, EncodeDateTime(2015, 6, 18, 10, 20, 30, 1)},
      {tkDate, EncodeDateTime(2015, 6, 18, 0, 0, 0, 1)},  // the time row is hidden
  };
  for (auto& C : Cases) {
    Picker->SetKind(C.Kind);
    TQvDateTimePickerForm* F = OpenPopup();
    ASSERT_NE(F, nullptr);
    EXPECT_EQ(F->pnlTime()->Visible(), C.Kind == tkDateTime);
    ClickControl(F->btnOK());
    ASSERT_TRUE(PumpUntil([&] { return Picker->Popup() == nullptr; }));
    EXPECT_DOUBLE_EQ(Picker->DateTime(), C.Expected);
    EXPECT_NE(Picker->Time(), 0);
  }
}

TEST_F(DatetimePicker, ASecondPressOnTheIconCloses) {
  for (int Round = 0; Round < 2; ++Round) {
    SCOPED_TRACE(Round);
    ASSERT_NE(OpenPopup(), nullptr);
    // Whether the press arrives as the popup's outside click (capture taken) or at the
    // picker itself, it closes and opens nothing.
    if (Round == 0)
      ASSERT_TRUE(PumpUntil([&] { return GetCapture() == Picker->Popup()->Handle(); }));
    ClickIcon();
    ASSERT_TRUE(PumpUntil([&] { return Picker->Popup() == nullptr; }));
    PumpIdle();
    EXPECT_EQ(Picker->Popup(), nullptr);
    EXPECT_EQ(Picker->CalendarIcon()->Tag(), 0);
  }
  // The next press opens again; the value never changed.
  EXPECT_NE(OpenPopup(), nullptr);
  EXPECT_EQ(Changes, 0);
  EXPECT_DOUBLE_EQ(Picker->DateTime(), EncodeDateTime(2015, 6, 18, 10, 20, 30, 0));
}

TEST_F(DatetimePicker, YearEditorAppliesOnEscapeLikeEnter) {
  TQvDateTimePickerForm* F = OpenPopup();
  ASSERT_NE(F, nullptr);
  struct {
    TQvSkinLabel* Label;
    const wchar_t* Typed;
    WORD Key;
    int Year, Month;
  } Cases[] = {
      {F->lblYear(), L"2020", VK_ESCAPE, 2020, 6},  {F->lblYear(), L"1999", VK_RETURN, 1999, 6},
      {F->lblYear(), L"0", VK_RETURN, 1999, 6},      // no year 0
      {F->lblYear(), L"10000", VK_ESCAPE, 1999, 6},  // nor 10000
      {F->lblYear(), L"2x0-1", VK_RETURN, 201, 6},   // other keys are swallowed
      {F->lblMonth(), L"13", VK_RETURN, 201, 6},    {F->lblMonth(), L"2", VK_ESCAPE, 201, 2},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::PrintToString(String(C.Typed)));
    ClickControl(C.Label);
    ASSERT_TRUE(PumpUntil([&] { return F->YearMonthEdit()->Focused(); }));
    qvtest::TypeText(C.Typed);
    PressKey(C.Key);
    ASSERT_TRUE(PumpUntil([&] { return !F->YearMonthEdit()->Visible(); }));
    EXPECT_EQ(F->qvsknclndr1()->Year(), C.Year);
    EXPECT_EQ(F->qvsknclndr1()->Month(), C.Month);
    EXPECT_EQ(F->lblYear()->Caption(), std::to_wstring(C.Year));
    EXPECT_NE(Picker->Popup(), nullptr);  // still open
  }
  EXPECT_EQ(Changes, 0);
}

TEST_F(DatetimePicker, AnUpsideDownRangeOpensNothingAndIsKept) {
  const TDate Min = EncodeDate(2015, 7, 1), Max = EncodeDate(2015, 6, 1);
  Picker->SetMinDate(Min);
  Picker->SetMaxDate(Max);
  EXPECT_FALSE(Picker->DropDown());
  ClickIcon();
  PumpIdle();
  EXPECT_EQ(Picker->Popup(), nullptr);
  EXPECT_EQ(Picker->MinDate(), Min);
  EXPECT_EQ(Picker->MaxDate(), Max);
  EXPECT_DOUBLE_EQ(Picker->DateTime(), EncodeDateTime(2015, 6, 18, 10, 20, 30, 0));
  // A sound range opens; the value outside it stays until a choice is confirmed.
  Picker->SetMinDate(EncodeDate(2016, 1, 1));
  Picker->SetMaxDate(EncodeDate(2016, 12, 31));
  TQvDateTimePickerForm* F = OpenPopup();
  ASSERT_NE(F, nullptr);
  EXPECT_EQ(F->qvsknclndr1()->Year(), 2016);
  const TPoint Outside = Form->ClientToScreen({300, 250});
  MoveMouse(Outside.X, Outside.Y);
  ASSERT_TRUE(PumpUntil([&] { return GetCapture() == F->Handle(); }));
  Click(Outside.X, Outside.Y);
  ASSERT_TRUE(PumpUntil([&] { return Picker->Popup() == nullptr; }));
  EXPECT_DOUBLE_EQ(Picker->DateTime(), EncodeDateTime(2015, 6, 18, 10, 20, 30, 0));
  EXPECT_EQ(Changes, 0);
}

}  // namespace
