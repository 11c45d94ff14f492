#pragma once
// The drop-down lists of the extended combo and the search edit. Each popup is a
// borderless top-most window that never takes the focus: the combo or the edit keeps it
// and routes the keys here. Closing always goes through the popup's TQvLikeMenuDlg
// (qvkmndlg1): an accepted row, Escape and an outside click all end in its
// OnMouseClickOutside, which the owning control answers.
//   TPopupList_NormalForm   filter edit and a list to pick one item
//   TPopupList_CheckBoxForm filter edit, a select-all link and a list with check boxes
//   TSEPopupListForm        the search edit's auto-complete list, sized to its rows
#include <memory>

#include "controls/QvAccessibleWin.h"
#include "controls/QvComboExPopupList.h"
#include "controls/QvComboExPopupOptions.h"
#include "controls/QvSkinCustomControl.h"
#include "controls/QvSkinVirtualTree.h"
#include "host/CustomControl.h"

namespace qv {

class TQvSkinEdit;
class TQvSkinPngEdit;
class TQvSkinScrollBar;
class TQvLikeMenuDlg;
using TItemIndexs = std::vector<int>;
using TRowEvent = std::function<void(TObject* Sender, int Row)>;

// The one-column list of the popups: a skinned virtual string tree whose rows are the
// visible rows of a TQvPopupRows (the filter model stays the source of truth). Captions
// are asked for on paint, so long lists cost what the visible rows cost. It never takes
// the focus: the owning combo or edit keeps it.
class TQvPopupTree : public TQvSkinVirtualStringTree {
  QV_CLASS(TQvPopupTree)
 public:
  explicit TQvPopupTree(TComponent* AOwner);

  static constexpr int DefaultItemHeight = 25;
  static constexpr TColor DefaultSelectionColor = TColor(0xEAC291);
  static constexpr TColor DefaultGridColor = TColor(0xF3F3F3);

  TQvPopupRows& Rows() { return FRows; }
  const TQvPopupRows& Rows() const { return FRows; }
  int ItemHeight() const { return DefaultNodeHeight(); }
  void SetItemHeight(int Value);
  bool CheckBoxes() const { return TreeOptions().Contains(toCheckSupport); }
  void SetCheckBoxes(bool Value);
  void SetSelectionColor(TColor Value);
  TColor SelectionFontColor() const { return FSelectionFontColor; }
  void SetSelectionFontColor(TColor Value);

  // The rows changed (loaded, filtered, checked): the tree's rows follow.
  void RowsChanged();
  // Focuses and selects Row (-1: none), scrolling it into view; raises OnRowFocused.
  void FocusRow(int Row);
  int PageRows() const;
  // The row a node shows, -1 for none.
  int RowOf(const TVirtualNode* Node) const;
  // A row's rectangle in the client area (empty when it is filtered out).
  TRect RowRect(int Row);
  // Flips a row's check box and raises OnRowChecked.
  void ToggleCheck(int Row);
  bool CanFocus() const override { return false; }
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  TQvAccessibleInfo AccessibleInfo() const override;
  void WndProc(TMessage& Message) override;

  TRowEvent OnRowFocused;
  TRowEvent OnRowClick;
  TRowEvent OnRowChecked;

 protected:
  // A press picks at once (the popup's capture may keep the release); the box checks.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // No horizontal range: long captions end in an ellipsis.
  int DoMeasureNode(TBitmap32* Canvas, TVirtualNode* Node) override { return 0; }

 private:
  TQvPopupRows FRows;
  TColor FSelectionFontColor = clBlack;
};

// What the three popups share: the window, the frame, the list and its bar, the outside-
// click capture, the items and the accepted index.
class TQvComboExPopupForm : public TCustomControl {
  QV_CLASS(TQvComboExPopupForm)
 public:
  explicit TQvComboExPopupForm(TComponent* AOwner);
  ~TQvComboExPopupForm() override;

  TStringList* Items() const { return FItems.get(); }
  void SetItems(TStringList* Value) { FItems->Assign(Value); }
  // The accepted index (-1: none).
  int ItemIndex() const { return FItemIndex; }
  TComboBoxExCustomOptions* Options() const { return FOptions.get(); }
  void SetOptions(TComboBoxExCustomOptions* Value) { FOptions->Assign(Value); }
  TQvPopupTree* vstList() const { return FList; }
  TQvSkinScrollBar* sb1() const { return FBar; }
  TQvLikeMenuDlg* qvkmndlg1() const { return FMenuDlg; }
  TColor FrameColor() const { return FFrameColor; }

  // Shows the popup at the screen point without activating it, and arms the capture.
  void Popup(TPoint At);
  virtual void ApplyOptions();
  virtual void LoadItems();
  virtual void RefreshList(const String& Filter);
  // Accepts the focused row (or keeps the old index with Cancel), then closes through
  // qvkmndlg1.Stop.
  virtual void DoSelected(bool Cancel);
  // Keys routed here by the owning control; answers whether the popup used the key.
  virtual bool RouteKeyDown(uint16_t Key);
  virtual bool RouteKeyPress(wchar_t Key) { return false; }
  void SelectNext();
  void SelectPrev();
  void WndProc(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  // Where the list sits in the popup.
  virtual TRect ListRect() const;
  void PlaceList();
  virtual void DoFocusChanged(int Row);
  virtual void DoRowClick(int Row);
  void Resize() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  std::unique_ptr<TStringList> FItems;
  std::unique_ptr<TComboBoxExCustomOptions> FOptions;
  int FItemIndex = -1;
  int FNewItemIndex = -1;
  TColor FFrameColor = TComboBoxExCustomOptions::DefaultFrameLineColor;
  TQvPopupTree* FList = nullptr;  // owned as components
  TQvSkinScrollBar* FBar = nullptr;
  TQvLikeMenuDlg* FMenuDlg = nullptr;
};

// The single pick: a filter edit over the list.
class TPopupList_NormalForm : public TQvComboExPopupForm {
  QV_CLASS(TPopupList_NormalForm)
 public:
  explicit TPopupList_NormalForm(TComponent* AOwner);
  static constexpr int DefaultItemHeight = 25;

  void SetItemIndex(int Value);
  int ItemHeight() const;
  void SetItemHeight(int Value);
  TQvSkinEdit* edtKeyFilter() const { return FFilter; }

  void ApplyOptions() override;
  void LoadItems() override;
  void RefreshList(const String& Filter) override;
  bool RouteKeyDown(uint16_t Key) override;
  bool RouteKeyPress(wchar_t Key) override;

 protected:
  TRect ListRect() const override;
  void Resize() override;
  TQvSkinEdit* FFilter = nullptr;
};

// Several picks: check boxes, and a select-all link beside the filter.
class TPopupList_CheckBoxForm : public TPopupList_NormalForm {
  QV_CLASS(TPopupList_CheckBoxForm)
 public:
  explicit TPopupList_CheckBoxForm(TComponent* AOwner);

  TStringList* CheckedItems() const { return FCheckedItems.get(); }
  void SetCheckedItems(TStringList* Value) { FCheckedItems->Assign(Value); }
  // Only the visible rows change: AChecked checks them, otherwise each flips.
  void CheckedAllItems(bool AChecked);
  void DoChecked();
  TItemIndexs GetCheckedItemIndex() const { return FList->Rows().CheckedIndexes(); }
  // The select-all link's rectangle in the popup.
  TRect LinkRect() const;
  // The link clicked: all visible rows checked, or unchecked when all were.
  void ClickSelectAll();

  void ApplyOptions() override;
  void LoadItems() override;
  bool RouteKeyDown(uint16_t Key) override;

  TNotifyEvent OnCheckedChanged;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DoRowClick(int Row) override;
  void Resize() override;

 private:
  std::unique_ptr<TStringList> FCheckedItems;
  bool FCheckedAll = false;
};

// The search edit's auto-complete list; the edit keeps the focus and the caret.
class TSEPopupListForm : public TQvComboExPopupForm {
  QV_CLASS(TSEPopupListForm)
 public:
  // The owner is the search edit (FParentEdit).
  explicit TSEPopupListForm(TComponent* AOwner);
  ~TSEPopupListForm() override;

  const String& Filter() const { return FFilterText; }
  // Stores the filter and refreshes the list with it (which also sizes the popup).
  void SetFilter(const String& Value);
  void Done() { DoSelected(false); }
  TSEPopupListOptions* SEOptions() const { return static_cast<TSEPopupListOptions*>(Options()); }

  void ApplyOptions() override;
  void RefreshList(const String& Filter) override;

 protected:
  void DoFocusChanged(int Row) override;
  void Resize() override;

 private:
  TQvSkinPngEdit* FParentEdit = nullptr;
  String FFilterText;
};

// The open search popup, nil when none is open.
extern TSEPopupListForm* SEPopupListForm;

// Placement of a popup of the given height under (or above) Control, in screen coordinates.
TPoint PopupPointFor(TControl* Control, int PopupHeight);

}  // namespace qv
