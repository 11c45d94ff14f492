#pragma once
// TQvSkinCalendar: a month grid under a header of week-day captions, 6 rows of 7 days with
// Sunday first. It shows one month (Year, Month), highlights the focus day and the cell
// under the pointer, greys the days of the neighbouring months and those outside
// [MinDate, MaxDate], and reports clicks per cell. It has no navigation of its own beyond
// the keyboard: arrows move the focus day, Page Up/Down the month, Home/End to the month's
// edges, Enter/Space pick the focus day. Assistive technology sees a table of day cells.
#include <functional>
#include <memory>

#include "controls/QvSkinCalendarModel.h"
#include "controls/QvSkinPanel.h"

namespace qv {

class TCanvas;
class TFont;

enum TQvDateTimeKind { tkDateTime, tkDate };

using TCellClickEvent = std::function<void(TObject* Sender, TDayCell& Data)>;
using TDrawCellEvent = std::function<void(TObject* Sender, TCanvas* Canvas, TDayCell& Data)>;

class TQvSkinCalendar : public TQvSkinCustomPanel, public IQvAccessibleChildren {
  QV_CLASS(TQvSkinCalendar)
 public:
  // 232 x 157, today's month, no range.
  explicit TQvSkinCalendar(TComponent* AOwner);
  ~TQvSkinCalendar() override;

  static constexpr int DefaultHeaderHeight = 24;
  static constexpr TColor DefaultHeaderColor = TColor(0xF6F6F6);
  static constexpr TColor DefaultCellColor = clWhite;
  static constexpr TColor DefaultCellFocusColor = TColor(0xE3E3E3);
  static constexpr TColor DefaultFrameColor = TColor(0xC6C6C6);
  static constexpr TColor DefaultHolidayTextColor = TColor(0);
  static constexpr int DefaultHeaderFontSize = 9, DefaultCellFontSize = 8;
  static constexpr const wchar_t* DefaultTextSu = L"\u65E5";
  static constexpr const wchar_t* DefaultTextMo = L"\u4E00";
  static constexpr const wchar_t* DefaultTextTu = L"\u4E8C";
  static constexpr const wchar_t* DefaultTextWe = L"\u4E09";
  static constexpr const wchar_t* DefaultTextTh = L"\u56DB";
  static constexpr const wchar_t* DefaultTextFr = L"\u4E94";
  static constexpr const wchar_t* DefaultTextSa = L"\u516D";

  // The shown month and the selected day in it.
  int Year() const { return FModel.Year(); }
  void SetYear(int Value);
  int Month() const { return FModel.Month(); }
  void SetMonth(int Value);
  int FocusDay() const { return FModel.FocusDay(); }
  void SetFocusDay(int Value);
  // EncodeDate(Year, Month, FocusDay); a new value is decoded into the three.
  TDate Date() const { return FModel.Date(); }
  void SetDate(TDateTime Value);
  // Today's year and month.
  void GoToday();
  // 0: no limit. A limit crossing the other one raises EConvertError.
  TDate MinDate() const { return FModel.MinDate(); }
  void SetMinDate(TDate Value);
  TDate MaxDate() const { return FModel.MaxDate(); }
  void SetMaxDate(TDate Value);
  // Both limits at once; the focus date moves into them.
  void SetRange(TDate AMin, TDate AMax);

  // Before DPI scaling; stored only.
  int HeaderHeight() const { return FHeaderHeight; }
  void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { Change(FHeaderColor, Value); }
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(TFont* Value);
  TFont* CellFont() const { return FCellFont.get(); }
  void SetCellFont(TFont* Value);
  // Stored only: seen on the next paint.
  TColor CellColor() const { return FCellColor; }
  void SetCellColor(TColor Value) { FCellColor = Value; }
  // The focus day's fill; the hot cell's at alpha 128.
  TColor CellFocusColor() const { return FCellFocusColor; }
  void SetCellFocusColor(TColor Value) { FCellFocusColor = Value; }
  TColor FrameColor() const { return FFrameColor; }
  void SetFrameColor(TColor Value) { FFrameColor = Value; }
  // Text colour of the Sunday and Saturday columns.
  TColor HolidayTextColor() const { return FHolidayTextColor; }
  void SetHolidayTextColor(TColor Value) { Change(FHolidayTextColor, Value); }
  // Left and top inset of the grid; stored only.
  int Padding() const { return FPadding; }
  void SetPadding(int Value) { FPadding = Value; }
  // Week-day captions, Sunday to Saturday.
  const String& TextSu() const { return FWeekText[0]; }
  void SetTextSu(const String& Value) { FWeekText[0] = Value; }
  const String& TextMo() const { return FWeekText[1]; }
  void SetTextMo(const String& Value) { FWeekText[1] = Value; }
  const String& TextTu() const { return FWeekText[2]; }
  void SetTextTu(const String& Value) { FWeekText[2] = Value; }
  const String& TextWe() const { return FWeekText[3]; }
  void SetTextWe(const String& Value) { FWeekText[3] = Value; }
  const String& TextTh() const { return FWeekText[4]; }
  void SetTextTh(const String& Value) { FWeekText[4] = Value; }
  const String& TextFr() const { return FWeekText[5]; }
  void SetTextFr(const String& Value) { FWeekText[5] = Value; }
  const String& TextSa() const { return FWeekText[6]; }
  void SetTextSa(const String& Value) { FWeekText[6] = Value; }

  // The cell under the pointer; nil when none.
  TDayCell* HotCell() const { return FHotCell; }
  // The cells as laid out by the last rebuild, [column 0 = Sunday][row].
  TDayCell& Cell(int Col, int Row) { return FModel.Cell(Col, Row); }
  const TQvCalendarModel& Model() const { return FModel; }
  // Rows the shown month needs (5 or 6).
  int RowCount() const { return FModel.RowCount(); }
  // Rebuilds the cells now when they are marked (a paint does it otherwise).
  void ResetCells();

  TQvAccessibleInfo AccessibleInfo() const override;
  bool DoAccessibleDefaultAction() override;
  // The 42 day cells in reading order: name the date, the focus day selected, days outside
  // the range unavailable.
  int AccessibleChildCount() const override {
    return TQvCalendarModel::Cols * TQvCalendarModel::Rows;
  }
  TQvAccessibleChild AccessibleChild(int Index) const override;
  bool DoAccessibleChildAction(int Index) override;

  void WndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

  TCellClickEvent OnCellClick;
  TDrawCellEvent OnCellDrawing;
  // After every rebuild of the cells.
  TNotifyEvent OnChanged;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  // Marks the cells for rebuilding and repaints.
  void Rebuild();
  // Rebuild, and tell assistive technology of the new value.
  void DateMoved();
  // After a focus move: rebuild when the month changed, tell assistive technology.
  void FocusMoved(bool MonthChanged);
  // Picks a cell: its date becomes the shown one, then OnCellClick.
  void PickCell(TDayCell& Cell);
  int ChildIndex(const TDayCell* Cell) const;

  TQvCalendarModel FModel;
  TDayCell* FHotCell = nullptr;
  bool FResetCells = true;
  int FHeaderHeight = DefaultHeaderHeight;
  TColor FHeaderColor = DefaultHeaderColor;
  std::unique_ptr<TFont> FHeaderFont;
  std::unique_ptr<TFont> FCellFont;
  TColor FCellColor = DefaultCellColor;
  TColor FCellFocusColor = DefaultCellFocusColor;
  TColor FFrameColor = DefaultFrameColor;
  TColor FHolidayTextColor = DefaultHolidayTextColor;
  int FPadding = 0;
  String FWeekText[7] = {DefaultTextSu, DefaultTextMo, DefaultTextTu, DefaultTextWe,
                         DefaultTextTh, DefaultTextFr, DefaultTextSa};
};

}  // namespace qv
