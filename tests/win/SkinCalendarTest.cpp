// The calendar on a real form: clicks on days (inside, outside the range, of a
// neighbouring month), one OnChanged per rebuild, the keyboard, and the painted fills and
// greyed text.
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinCalendar.h"
#include "host/ObjectText.h"

using namespace qv;
using qvtest::Click;
using qvtest::CountColor;
using qvtest::MoveMouse;
using qvtest::PressKey;
using qvtest::Rgb;

namespace {

class SkinCalendar : public qvtest::SkinFormTest {
 protected:
  TQvSkinCalendar* NewCalendar(TDate Date) {
    auto* C = Add<TQvSkinCalendar>(Form.get(), 5, 5, 232, 157);
    C->SetDate(Date);
    C->OnChanged = [this](TObject*) { ++Changed; };
    C->OnCellClick = [this](TObject*, TDayCell& Cell) { Picked.push_back(int(Cell.Date)); };
    return C;
  }
  // The cell of a date on the grid as last built.
  static TDayCell& CellOf(TQvSkinCalendar* C, TDate Date) {
    for (int Col = 0; Col < 7; ++Col)
      for (int Row = 0; Row < 6; ++Row)
        if (int(C->Cell(Col, Row).Date) == int(Date)) return C->Cell(Col, Row);
    ADD_FAILURE() << "not on the grid";
    return C->Cell(0, 0);
  }
  static void ClickDate(TQvSkinCalendar* C, TDate Date) {
    const TRect R = CellOf(C, Date).Rect;
    const TPoint P = C->ClientToScreen(TPoint(R.Left + R.Width() / 2, R.Top + R.Height() / 2));
    Click(P.X, P.Y);
  }
  static int Ymd(const TQvSkinCalendar* C) {
    return C->Year() * 10000 + C->Month() * 100 + C->FocusDay();
  }
  int Changed = 0;
  std::vector<int> Picked;
};

TEST_F(SkinCalendar, ClicksPickDaysInsideTheRange) {
  auto* C = NewCalendar(EncodeDate(2015, 6, 10));
  C->SetRange(EncodeDate(2015, 6, 5), EncodeDate(2015, 7, 5));
  ShowForm();
  ASSERT_EQ(Changed, 1) << "the first paint builds the cells";
  ClickDate(C, EncodeDate(2015, 6, 15));
  EXPECT_EQ(Ymd(C), 20150615);
  EXPECT_EQ(Picked, (std::vector<int>{int(EncodeDate(2015, 6, 15))}));
  // Before the minimum: neither hot nor picked.
  ClickDate(C, EncodeDate(2015, 6, 3));
  EXPECT_EQ(Ymd(C), 20150615);
  EXPECT_EQ(Picked.size(), 1u);
  // A day of the next month is picked on the old grid, which stays until the month moves.
  ClickDate(C, EncodeDate(2015, 7, 1));
  EXPECT_EQ(Ymd(C), 20150701);
  EXPECT_EQ(Picked.size(), 2u);
  Redraw(C);
  EXPECT_EQ(Changed, 1);
  EXPECT_EQ(C->Cell(1, 0).Date, EncodeDate(2015, 6, 1));
  // The picked cell is drawn as the focus day; the hot one (under the pointer) likewise.
  const TRect Day = CellOf(C, EncodeDate(2015, 7, 1)).Rect;
  EXPECT_EQ(Rgb(*C->Buffer(), Day.Left + 1, Day.Top + 1), Rgb(C->CellFocusColor()));
  // Leaving clears the hot cell.
  MoveMouse(5, 5);
  EXPECT_TRUE(qvtest::PumpUntil([C] { return C->HotCell() == nullptr; }));
}

TEST_F(SkinCalendar, OneOnChangedPerRebuild) {
  auto* C = NewCalendar(EncodeDate(2015, 12, 31));
  ShowForm();
  ASSERT_EQ(Changed, 1);
  C->SetMonth(13);
  EXPECT_EQ(Changed, 1) << "rebuilt on the next paint";
  Redraw(C);
  EXPECT_EQ(Changed, 2);
  EXPECT_EQ(Ymd(C), 20160131);
  C->SetFocusDay(3);
  Redraw(C);
  EXPECT_EQ(Changed, 2) << "a new focus day only repaints";
  C->SetMonth(2);
  C->SetYear(2017);
  Redraw(C);
  EXPECT_EQ(Changed, 3) << "two changes before a paint: one rebuild";
  C->SetBounds(5, 5, 240, 160);
  Redraw(C);
  EXPECT_EQ(Changed, 4) << "resizing rebuilds";
  C->SetMonth(2);
  C->SetFocusDay(40);  // no such day: the 1st
  Redraw(C);
  EXPECT_EQ(Changed, 4);
  EXPECT_EQ(Ymd(C), 20170201);
}

TEST_F(SkinCalendar, KeysMoveAndPickTheFocusDay) {
  auto* C = NewCalendar(EncodeDate(2015, 6, 10));
  C->SetMaxDate(EncodeDate(2015, 7, 20));
  ShowForm();
  C->SetFocus();
  ASSERT_TRUE(qvtest::PumpUntil([C] { return C->Focused(); }));
  const struct {
    WORD Key;
    int Expected;
  } Steps[] = {
      {VK_RIGHT, 20150611}, {VK_DOWN, 20150618},  {VK_UP, 20150611},
      {VK_LEFT, 20150610},  {VK_END, 20150630},   {VK_RIGHT, 20150701},  // into July
      {VK_HOME, 20150701},  {VK_NEXT, 20150720},   // August clamps to the maximum
      {VK_DOWN, 20150720},  {VK_PRIOR, 20150620},  // back to June
  };
  for (const auto& S : Steps) {
    PressKey(S.Key);
    EXPECT_EQ(Ymd(C), S.Expected) << "key " << S.Key;
  }
  EXPECT_EQ(Changed, 3) << "the month moved twice, each a rebuild at once";
  EXPECT_TRUE(Picked.empty());
  // After keyboard use the focus day carries the dotted cue (inverted pixels) on its edge.
  Redraw(C);
  const TRect Focus = CellOf(C, EncodeDate(2015, 6, 20)).Rect;
  ASSERT_TRUE(C->ShowsFocusCues());
  EXPECT_EQ(Rgb(*C->Buffer(), Focus.Left, Focus.Top), 0x1C1C1Cu);
  EXPECT_EQ(Rgb(*C->Buffer(), Focus.Left + 1, Focus.Top), 0xE3E3E3u);
  EXPECT_EQ(Rgb(*C->Buffer(), Focus.Left + 1, Focus.Top + 1), 0xE3E3E3u);
  PressKey(VK_RETURN);
  PressKey(VK_SPACE);
  EXPECT_EQ(Picked, (std::vector<int>(2, int(EncodeDate(2015, 6, 20)))));
}

TEST_F(SkinCalendar, PaintsHeaderFrameFocusAndGreyedDays) {
  // April 2026 starts on a Wednesday: March 29 .. 31 lead the grid.
  auto* C = NewCalendar(EncodeDate(2026, 4, 15));
  C->SetMinDate(EncodeDate(2026, 4, 10));
  C->CellFont()->SetQuality(fqNonAntialiased);
  C->CellFont()->SetColor(clBlack);
  ShowForm();
  Redraw(C);
  const TBitmap32& B = *C->Buffer();
  EXPECT_EQ(Rgb(B, 0, 0), 0xC6C6C6u) << "frame";
  EXPECT_EQ(Rgb(B, 100, 2), 0xF6F6F6u) << "header";
  EXPECT_EQ(Rgb(B, 100, 23), 0xC6C6C6u) << "header separator";
  const TRect Focus = CellOf(C, EncodeDate(2026, 4, 15)).Rect;
  EXPECT_EQ(Rgb(B, Focus.Left + 1, Focus.Top + 1), 0xE3E3E3u);
  const TRect Plain = CellOf(C, EncodeDate(2026, 4, 16)).Rect;
  EXPECT_EQ(Rgb(B, Plain.Left + 1, Plain.Top + 1), 0xFFFFFFu);
  const struct {
    TDate Date;
    uint32_t Ink;
  } Texts[] = {
      {EncodeDate(2026, 3, 31), 0xC4C4C4},  // before the minimum wins over grey
      {EncodeDate(2026, 4, 9), 0xC4C4C4},
      {EncodeDate(2026, 4, 16), 0x000000},
      {EncodeDate(2026, 5, 2), 0x999999},
  };
  for (const auto& T : Texts) {
    const TRect R = CellOf(C, T.Date).Rect;
    EXPECT_GT(CountColor(B, T.Ink, R), 0) << IsoDateText(T.Date).size();
    for (uint32_t Other : {0x000000u, 0x999999u, 0xC4C4C4u})
      if (Other != T.Ink) EXPECT_EQ(CountColor(B, Other, R), 0);
  }
  // OnCellDrawing sees every cell once per paint with a canvas; the application's Tag
  // survives rebuilds.
  int Drawn = 0;
  C->OnCellDrawing = [&](TObject*, TCanvas* Canvas, TDayCell& Cell) {
    EXPECT_NE(Canvas, nullptr);
    ++Drawn;
    if (Cell.Text == L"15") Cell.Tag = 7;
  };
  C->Invalidate();
  Redraw(C);
  EXPECT_EQ(Drawn, 42);
  C->OnCellDrawing = nullptr;
  C->SetMonth(5);
  Redraw(C);
  EXPECT_EQ(C->Cell(3, 2).Tag, 7);
  EXPECT_EQ(C->Cell(3, 2).Date, EncodeDate(2026, 5, 13));
  C->SetMonth(4);
  Redraw(C);
  // Hovering a day fills it with the focus colour at half strength; a disabled day stays.
  const TRect Hot = CellOf(C, EncodeDate(2026, 4, 22)).Rect;
  const TPoint P = C->ClientToScreen(TPoint(Hot.Left + 2, Hot.Top + 2));
  MoveMouse(P.X, P.Y);
  Redraw(C);
  const uint32_t Half = Rgb(B, Hot.Left + 1, Hot.Top + 1);
  EXPECT_GT(Half & 0xFF, 0xE3u);
  EXPECT_LT(Half & 0xFF, 0xFFu);
  const TRect Off = CellOf(C, EncodeDate(2026, 4, 8)).Rect;
  const TPoint Q = C->ClientToScreen(TPoint(Off.Left + 2, Off.Top + 2));
  MoveMouse(Q.X, Q.Y);
  EXPECT_EQ(C->HotCell(), &CellOf(C, EncodeDate(2026, 4, 22)));
}

TEST_F(SkinCalendar, RangeAndMonthRoundTripThroughTheFormText) {
  auto* C = NewCalendar(EncodeDate(2015, 6, 10));
  C->SetName(L"Cal");
  C->SetRange(EncodeDate(2015, 6, 5), EncodeDate(2015, 6, 24));
  C->SetTextSu(L"Su");
  auto* Plain = NewCalendar(EncodeDate(2016, 2, 29));
  Plain->SetName(L"Plain");
  const String Text = ComponentToText(*Form);
  TForm Copy(nullptr);
  TextToComponent(Text, Copy);
  auto* A = dynamic_cast<TQvSkinCalendar*>(Copy.FindComponent(L"Cal"));
  auto* B = dynamic_cast<TQvSkinCalendar*>(Copy.FindComponent(L"Plain"));
  ASSERT_TRUE(A && B);
  EXPECT_EQ(Ymd(A), 20150610);
  EXPECT_EQ(A->MinDate(), EncodeDate(2015, 6, 5));
  EXPECT_EQ(A->MaxDate(), EncodeDate(2015, 6, 24));
  EXPECT_EQ(A->TextSu(), L"Su");
  EXPECT_EQ(A->TextMo(), TQvSkinCalendar::DefaultTextMo);
  EXPECT_EQ(Ymd(B), 20160229);
  EXPECT_EQ(B->MinDate(), 0);
  // Limits of 0 are not written; the shown month always is.
  const String PlainText = Text.substr(Text.find(L"object Plain"));
  EXPECT_EQ(PlainText.find(L"MinDate"), String::npos);
  EXPECT_NE(PlainText.find(L"Year = 2016"), String::npos);
}

}  // namespace
