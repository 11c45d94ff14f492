#pragma once
// The rows of the extended combo's and the search edit's popup lists, without windows:
// captions in item order, each visible or filtered out, checked or not, and one focused
// row. The filter keeps a row whose caption contains the typed text (ASCII case ignored)
// or, with the pinyin filter, whose pinyin initials contain it. Portable: the popup forms
// and their list view read and change it.
#include <vector>

#include "host/Types.h"

namespace qv {

class TQvPopupRows {
 public:
  // Replaces the rows (all visible, unchecked, none focused); a row is checked when
  // Checked holds its caption.
  void Load(const std::vector<String>& Captions, const std::vector<String>& Checked = {});
  void Clear() { Load({}); }

  int Count() const { return int(FRows.size()); }
  const String& Caption(int Row) const { return FRows.at(size_t(Row)).Caption; }
  bool Visible(int Row) const { return FRows.at(size_t(Row)).Visible; }
  bool Checked(int Row) const { return FRows.at(size_t(Row)).Checked; }
  void SetChecked(int Row, bool Value) { FRows.at(size_t(Row)).Checked = Value; }

  // Shows the rows the filter keeps and hides the others; an empty filter shows all.
  // Answers the number of visible rows.
  int Refresh(const String& Filter, bool PinyinFilter);
  // Whether Caption passes Filter (both compared with ASCII letters upper-cased).
  static bool Matches(const String& Caption, const String& Filter, bool PinyinFilter);
  const String& Filter() const { return FFilter; }

  int VisibleCount() const { return FVisibleCount; }
  // Visible rows by position: the N-th visible row (0-based), and a row's place among them.
  int VisibleRow(int N) const;
  int VisiblePlace(int Row) const;
  int FirstVisible() const;
  int LastVisible() const;
  // The next / previous visible row after Row, -1 at the end.
  int NextVisible(int Row) const;
  int PrevVisible(int Row) const;

  // The focused row, -1 for none; a hidden or missing row cannot be focused.
  int Focused() const { return FFocused; }
  void SetFocused(int Row);

  // The check-box list's select-all: only visible rows change. With AChecked each becomes
  // checked; without, each visible row flips.
  void CheckAll(bool AChecked);
  bool AllChecked() const;
  int CheckedCount() const;
  // The checked rows in row order.
  std::vector<int> CheckedIndexes() const;
  // Folds the rows' check state into List: an empty filter starts from an empty list;
  // checked captions are added when missing, unchecked ones removed, but only while a
  // filter hides rows (rows the filter hides keep their place in List).
  void CollectChecked(std::vector<String>& List) const;

 private:
  struct TRow {
    String Caption;
    String Upper;   // caption with ASCII letters upper-cased
    String Pinyin;  // pinyin initials, made on first use
    bool PinyinMade = false;
    bool Visible = true;
    bool Checked = false;
  };
  std::vector<TRow> FRows;
  std::vector<int> FVisible;  // visible rows in order
  int FVisibleCount = 0;
  int FFocused = -1;
  String FFilter;
};

// ASCII letters upper-cased, everything else kept.
String UpperAscii(const String& S);
// Height of the search edit's popup for VisibleRows rows of ItemHeight: the rows plus the
// frame while they need no more than 200 pixels, else 202; one empty row when nothing is
// visible, so the popup never collapses.
int SEPopupHeight(int VisibleRows, int ItemHeight);
// The extended combo's text for its checked captions: the captions joined with commas, or
// Tips (its "%d" the count) when ActiveTips and the joined text (JoinedWidth pixels) with
// the drop arrow (ArrowWidth) is wider than the combo (Width).
String JoinChecked(const std::vector<String>& Checked);
String CheckedText(const std::vector<String>& Checked, int JoinedWidth, int ArrowWidth, int Width,
                   bool ActiveTips, const String& Tips);
// Where a popup of PopupHeight opens for a control whose bottom-left corner is at
// (Left, Bottom) on screen and whose top is at Top: below, or above (Top - PopupHeight - 1)
// when the popup would reach the bottom of the work area WorkBottom.
TPoint PopupPlace(int Left, int Top, int Bottom, int PopupHeight, int WorkBottom);

}  // namespace qv
