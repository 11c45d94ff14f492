#pragma once
// TQvSkinListBox: a lit border panel around an owner-drawn platform list (TQvListBox) that
// keeps the selection, the keyboard and the native scrolling. The list's own scroll bar is
// never shown: while the items overflow, a skinned bar stands beside the list and mirrors
// its range both ways. TQvPopupListBox is the same composite as a top-most popup that never
// takes the focus: the drop-down of the combo boxes.
//
// The items live in Items (a string list); the platform list only knows their count, so a
// list of any length costs the visible rows only.
#include <memory>

#include "controls/QvNativeScrollMirror.h"
#include "controls/QvSkinBorderPanel.h"
#include "host/Canvas.h"
#include "host/Classes.h"
#include "host/Menus.h"
#include "raster/Bitmap32.h"

namespace qv {

class TBitmap;
class TQvSkinCustomListBox;

// Sender, Cnvs: the item's off-screen canvas, Index, ItemWidth, ItemHeight, TxtRect, State.
using TQvDrawSkinItemEvent =
    std::function<void(TObject* Sender, TCanvas* Cnvs, int Index, int ItemWidth, int ItemHeight,
                       const TRect& TxtRect, TOwnerDrawState State)>;

// The inner list: a borderless owner-drawn platform list box.
class TQvListBox : public TWinControl {
  QV_CLASS(TQvListBox)
 public:
  explicit TQvListBox(TComponent* AOwner);
  ~TQvListBox() override;

  static constexpr TColor DefaultItemSelectedColor = TColor(0xFF00000D);      // clHighlight
  static constexpr TColor DefaultItemSelectedFontColor = TColor(0xFF00000E);  // clHighlightText
  static constexpr TColor DefaultItemBackgroundColor = TColor(0xFF000005);    // clWindow
  static constexpr int DefaultItemHeight = 20;

  TStringList* Items() const { return FItems.get(); }
  int Count() const { return FItems->Count(); }
  // -1 for none; an index outside the items raises EListError and changes nothing.
  int ItemIndex() const;
  void SetItemIndex(int Value);
  int TopIndex() const;
  void SetTopIndex(int Value);
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  int SelCount() const;
  bool Selected(int Index) const;
  void SetSelected(int Index, bool Value);
  // The item under a client point; -1 (or the nearest with Existing false) when none.
  int ItemAtPos(TPoint Pos, bool Existing) const;
  TRect ItemRect(int Index) const;

  TColor ItemSelectedColor() const { return FItemSelectedColor; }
  void SetItemSelectedColor(TColor Value) { FItemSelectedColor = Value; }
  TColor ItemSelectedFontColor() const { return FItemSelectedFontColor; }
  void SetItemSelectedFontColor(TColor Value) { FItemSelectedFontColor = Value; }
  TColor ItemBackgroundColor() const { return FItemBackgroundColor; }
  void SetItemBackgroundColor(TColor Value) { FItemBackgroundColor = Value; }
  // Follows the list's own Font colour.
  TColor ItemNormalFontColor() const { return FItemNormalFontColor; }
  void SetItemNormalFontColor(TColor Value) { FItemNormalFontColor = Value; }
  // Item text moves left by this many pixels.
  int HorizontalExtentValue() const { return FHorizontalExtentValue; }
  void SetHorizontalExtentValue(int Value) { FHorizontalExtentValue = Value; }
  bool PopupListBox() const { return FPopupListBox; }
  void SetPopupListBox(bool Value) { FPopupListBox = Value; }

  // The owning composite; nil for a stand-alone list.
  TQvSkinCustomListBox* SkinListBox = nullptr;

  void WndProc(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Click() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;

 private:
  friend class TQvSkinCustomListBox;
  void ItemsChanged();
  void DrawItem(void* DrawItemStruct);
  void CheckIndex(int Index) const;

  std::unique_ptr<TStringList> FItems;
  std::unique_ptr<TBitmap> FItemBitmap;  // reused for every item
  int FItemHeight = DefaultItemHeight;
  int FItemIndex = -1;  // kept while there is no window
  int FTopIndex = 0;
  bool FMultiSelect = false;
  int FColumns = 0;
  TColor FItemSelectedColor = DefaultItemSelectedColor;
  TColor FItemSelectedFontColor = DefaultItemSelectedFontColor;
  TColor FItemBackgroundColor = DefaultItemBackgroundColor;
  TColor FItemNormalFontColor = 0;
  int FHorizontalExtentValue = 0;
  bool FPopupListBox = false;
};

class TQvSkinCustomListBox : public TQvSkinBorderPanel {
  QV_CLASS(TQvSkinCustomListBox)
 public:
  explicit TQvSkinCustomListBox(TComponent* AOwner);
  ~TQvSkinCustomListBox() override;

  static constexpr int DefaultDefaultItemHeight = 20;

  TQvListBox* ListBox = nullptr;           // the inner list
  TQvSkinScrollBar* ScrollBar = nullptr;   // while the items overflow
  TQvSkinScrollBar* HScrollBar = nullptr;  // attached by an application; never created here

  TStringList* Items() const { return ListBox->Items(); }
  // Assigns the strings, then brings the bar up to date.
  void SetItems(TStringList* Value);
  void Clear();
  int ItemIndex() const { return ListBox->ItemIndex(); }
  void SetItemIndex(int Value);
  int TopIndex() const { return ListBox->TopIndex(); }
  void SetTopIndex(int Value) { ListBox->SetTopIndex(Value); }
  bool MultiSelect() const { return ListBox->MultiSelect(); }
  void SetMultiSelect(bool Value) { ListBox->SetMultiSelect(Value); }
  int Columns() const { return ListBox->Columns(); }
  void SetColumns(int Value);
  int SelCount() const { return ListBox->SelCount(); }
  bool Selected(int Index) const { return ListBox->Selected(Index); }
  void SetSelected(int Index, bool Value) { ListBox->SetSelected(Index, Value); }
  int ItemAtPos(TPoint Pos, bool Existing) const { return ListBox->ItemAtPos(Pos, Existing); }
  TRect ItemRect(int Index) const { return ListBox->ItemRect(Index); }
  TFont* ListBoxFont() const { return ListBox->Font(); }
  void SetListBoxFont(TFont* Value) { ListBox->SetFont(Value); }
  int ListBoxTabOrder() const { return ListBox->TabOrder(); }
  void SetListBoxTabOrder(int Value) { ListBox->SetTabOrder(Value); }
  bool ListBoxTabStop() const { return ListBox->TabStop(); }
  void SetListBoxTabStop(bool Value) { ListBox->SetTabStop(Value); }

  // When not 0 the composite is exactly this many rows high.
  int RowCount() const { return FRowCount; }
  void SetRowCount(int Value);
  int DefaultItemHeight() const { return FDefaultItemHeight; }
  void SetDefaultItemHeight(int Value);
  // Stored only; drawing ignores it.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value) { FAlignment = Value; }

  // Places the inner list and the bar.
  virtual void CalcRects();
  // Creates, updates or removes the skinned bar after the items or the size changed.
  void UpDateScrollBar();

  void ScaleControlsForDpi(int NewPPI) override;
  void WndProc(TMessage& Message) override;
  TQvAccessibleInfo AccessibleInfo() const override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnListBoxClick;
  TNotifyEvent OnListBoxDblClick;
  TMouseEvent OnListBoxMouseDown;
  TMouseMoveEvent OnListBoxMouseMove;
  TMouseEvent OnListBoxMouseUp;
  TKeyEvent OnListBoxKeyDown;
  TKeyPressEvent OnListBoxKeyPress;
  TKeyEvent OnListBoxKeyUp;
  TQvDrawSkinItemEvent OnDrawItem;  // replaces the item text
  // Stored; the list box never raises them.
  TNotifyEvent OnUpButtonClick;
  TNotifyEvent OnDownButtonClick;
  TNotifyEvent OnCheckButtonClick;

 protected:
  friend class TQvListBox;
  virtual void ListBoxMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void ListBoxMouseMove(TShiftState Shift, int X, int Y);
  virtual void ListBoxMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void ListBoxClick();
  virtual void ListBoxDblClick();
  virtual void ListBoxKeyDown(uint16_t& Key, TShiftState Shift);
  virtual void ListBoxKeyUp(uint16_t& Key, TShiftState Shift);
  virtual void ListBoxKeyPress(wchar_t& Key);
  virtual void ListBoxEnter();
  virtual void ListBoxExit();
  virtual void ListBoxMouseEnter();
  virtual void ListBoxMouseLeave();
  virtual void ListBoxCreateWnd() {}
  // Every message of the inner list first; Continue false swallows it.
  virtual void ListBoxWProc(TMessage& Message, bool& Continue) { Continue = true; }
  // The item painting of the inner list.
  virtual void DrawDefaultItem(TCanvas* Cnvs, int Index, int W, int H, TOwnerDrawState State);
  // After a wheel step of the inner list: one more line.
  void ListBoxWheel(int Delta);
  // Moves the thumb after the list scrolled by itself.
  void SyncThumb();
  void Notification(TComponent* AComponent, TOperation Operation) override;

  bool FResizeing = false;

 private:
  void ShowScrollBar();
  void RemoveScrollBar();
  void SBChange();
  TScrollBarKind BarKind() const { return Columns() > 0 ? sbHorizontal : sbVertical; }

  TQvNativeScrollMirror FMirror;
  bool FSyncing = false;  // the bar takes the list's numbers: its OnChange stays quiet
  int FRowCount = 0;
  int FDefaultItemHeight = DefaultDefaultItemHeight;
  TAlignment FAlignment = taLeftJustify;
};

class TQvSkinListBox : public TQvSkinCustomListBox {
  QV_CLASS(TQvSkinListBox)
 public:
  using TQvSkinCustomListBox::TQvSkinCustomListBox;
};

class TQvSkinCustomComboBox;

// The drop-down list: top-most, never activated, framed by a thin band in the owning
// combo box's colours.
class TQvPopupListBox : public TQvSkinListBox {
  QV_CLASS(TQvPopupListBox)
 public:
  explicit TQvPopupListBox(TComponent* AOwner);

  // Moves to the screen point and shows without sizing or activating.
  void Show(TPoint Origin);
  void Hide();

  TQvSkinCustomComboBox* FCustomComboBox = nullptr;  // supplies the colours

 protected:
  void CreateParams(TCreateParams& Params) override;
  void DrawBody(TBitmap32* Bitmap) override;
  // A window of its own without a parent control: renders its buffer on every paint.
  void Paint() override;
  void WndProc(TMessage& Message) override;
  // Presses select without the platform list taking the focus.
  void ListBoxWProc(TMessage& Message, bool& Continue) override;

 private:
  TBitmap32 FUnder;  // the screen under the popup when it was shown
};

}  // namespace qv
