#pragma once
// TQvSkinTimeBox: a small panel showing the numbers of one time unit (24 hours, 60
// minutes or seconds) under a title bar with a close cross. A click on a number (or Enter
// and Space on the selected one, moved by the arrows) reports it and hides the box; the
// cross and Escape hide it without a choice.
#include <functional>

#include "controls/QvSkinPanel.h"
#include "controls/QvSkinTimeBoxGeometry.h"

namespace qv {

// A number was picked (distinct from the calendar's event of the same name).
using TQvNumCellClickEvent = std::function<void(TObject* Sender, TQvNumCell& Data)>;

class TQvSkinTimeBox : public TQvSkinCustomPanel, public IQvAccessibleChildren {
  QV_CLASS(TQvSkinTimeBox)
 public:
  // 128 x 128, opaque.
  explicit TQvSkinTimeBox(TComponent* AOwner);

  static constexpr TColor DefaultFrameColor = TColor(0xC6C6C6);
  static constexpr TColor DefaultHeaderColor = TColor(0xF6F6F6);
  static constexpr TColor DefaultCellFocusColor = TColor(0xE3E3E3);
  static constexpr const wchar_t* DefaultTextHour = L"\u5C0F\u65F6";
  static constexpr const wchar_t* DefaultTextMinute = L"\u5206\u949F";
  static constexpr const wchar_t* DefaultTextSecond = L"\u79D2\u949F";

  TQvBoxKind Kind() const { return FKind; }
  void SetKind(TQvBoxKind Value);
  // The selected number; one beyond the kind's range shows as 0.
  int FocusNum() const { return FFocusNum; }
  void SetFocusNum(int Value);
  TColor FrameColor() const { return FFrameColor; }
  void SetFrameColor(TColor Value) { Change(FFrameColor, Value); }
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { Change(FHeaderColor, Value); }
  // The selected cell's fill; the hot cell's at alpha 128.
  TColor CellFocusColor() const { return FCellFocusColor; }
  void SetCellFocusColor(TColor Value) { Change(FCellFocusColor, Value); }
  // Titles of the three kinds; stored only.
  const String& TextHour() const { return FTextHour; }
  void SetTextHour(const String& Value) { FTextHour = Value; }
  const String& TextMinute() const { return FTextMinute; }
  void SetTextMinute(const String& Value) { FTextMinute = Value; }
  const String& TextSecond() const { return FTextSecond; }
  void SetTextSecond(const String& Value) { FTextSecond = Value; }

  TRect GetTitleRect() const { return TimeBoxTitleRect(Width()); }
  TRect GetCloseBtnRect() const { return TimeBoxCloseRect(Width()); }
  // Hides the box.
  void DoClose();
  // Rebuilds the cells now when they are marked (a paint does it otherwise).
  void ResetCells();
  // The cells of the current kind, as laid out by the last rebuild.
  const TQvTimeBoxGrid& Grid() const { return FGrid; }
  PQvNumCell HotCell() const { return FHotCell; }
  bool HotCloseBtn() const { return FHotCloseBtn; }

  TQvAccessibleInfo AccessibleInfo() const override;
  bool DoAccessibleDefaultAction() override;
  // The numbers as list items, the selected one selected.
  int AccessibleChildCount() const override { return FGrid.Count; }
  TQvAccessibleChild AccessibleChild(int Index) const override;
  bool DoAccessibleChildAction(int Index) override;

  void WndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

  TQvNumCellClickEvent OnCellClick;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;

 private:
  const String& Title() const;
  // Sets FocusNum, reports the cell and hides the box.
  void Pick(int Num);

  TQvBoxKind FKind = bkHour;
  int FFocusNum = 0;
  TColor FFrameColor = DefaultFrameColor;
  TColor FHeaderColor = DefaultHeaderColor;
  TColor FCellFocusColor = DefaultCellFocusColor;
  String FTextHour = DefaultTextHour;
  String FTextMinute = DefaultTextMinute;
  String FTextSecond = DefaultTextSecond;
  TQvTimeBoxGrid FGrid;
  PQvNumCell FHotCell = nullptr;
  bool FHotCloseBtn = false;
  bool FResetCells = true;
};

}  // namespace qv
