#pragma once
// TQvSkinComboBox: a lit border panel with a drop arrow and, in list style, the selected
// item's face; in edit style an embedded skinned edit takes the typing. The items live in
// a TQvPopupListBox that drops down below (or above, when the monitor's work area ends)
// and never takes the focus. The combo box drives it: the mouse is tracked while the
// button is held (press, drag into the list, release selects), the list scrolls on a timer
// at its edges, the keyboard moves the selection, and a click outside closes it.
// A parallel Values list lets an item stand for another string.
#include <memory>

#include "controls/QvSkinComboBoxGeometry.h"
#include "controls/QvSkinListBox.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

class TQvSkinEdit;
class TQvLikeMenuDlg;

struct TQvCBButtonX {
  TRect R;
  bool MouseIn = false;
  bool Down = false;
};
struct TQvCBItem {
  TRect R;
  TOwnerDrawState State;
};

class TQvSkinCustomComboBox : public TQvSkinBorderPanel {
  QV_CLASS(TQvSkinCustomComboBox)
 public:
  // The auto-scroll window timer.
  static constexpr uintptr_t kScrollTimer = 1;
  static constexpr unsigned ScrollInterval = 25;
  static constexpr unsigned CompleteInterval = 200;  // edit completion at most this often

  explicit TQvSkinCustomComboBox(TComponent* AOwner);
  ~TQvSkinCustomComboBox() override;

  static constexpr TQvSkinCustomComboBoxStyle DefaultStyle = csDropDown;
  static constexpr int DefaultDropDownCount = 8;
  static constexpr bool DefaultAutoComplete = true;
  static constexpr const wchar_t* DefaultDropArrowHot = L"QvSkinDrop_arrow_hot";
  static constexpr const wchar_t* DefaultDropArrowNormal = L"QvSkinDrop_arrow_normal";
  static constexpr TColor DefaultMenuFrameColor = TColor(0xF9B937);
  static constexpr TColor DefaultMenuItemSeletedColor = TColor(0xFF00000D);
  static constexpr TColor DefaultMenuItemSeletedFontColor = TColor(0xFF00000E);
  static constexpr TColor DefaultMenuItemBackgroudColor = TColor(0xFF000005);
  static constexpr TColor DefaultMenuItemNormalFontColor = 0;

  TStringList* Items() const { return FListBox->Items(); }
  void SetItems(TStringList* Value) { FListBox->SetItems(Value); }
  // The popup list's index; setting it sets Text (and fires OnChange through it).
  int ItemIndex() const;
  virtual void SetItemIndex(int Value);
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value);
  // At most this many rows show; values <= 0 are ignored.
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value);
  // A click outside the open popup closes it (a light watch timer runs while it is open).
  // Without it the popup closes by keys, focus loss and clicks on the combo box only.
  bool CloseOnClickOutside() const { return FCloseOnClickOutside; }
  void SetCloseOnClickOutside(bool Value) { FCloseOnClickOutside = Value; }
  bool AutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(bool Value) { FAutoComplete = Value; }
  TQvSkinCustomComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TQvSkinCustomComboBoxStyle Value);
  const TQvResID& DropArrowHot() const { return FDropArrowHot; }
  void SetDropArrowHot(const TQvResID& Value);
  const TQvResID& DropArrowNormal() const { return FDropArrowNormal; }
  void SetDropArrowNormal(const TQvResID& Value);
  TStringList* Values() const { return FValues.get(); }
  void SetValues(TStringList* Value) { FValues->Assign(Value); }
  // The selected item's value (or the text when it has none); setting it selects the item.
  String Value();
  void SetValue(const String& V);
  // Popup width; 0 means the combo box's.
  int ListBoxWidth() const { return FListBoxWidth; }
  void SetListBoxWidth(int Value) { FListBoxWidth = Value; }
  TColor MenuFrameColor() const { return FMenuFrameColor; }
  void SetMenuFrameColor(TColor Value) { FMenuFrameColor = Value; }
  TColor MenuItemSeletedColor() const { return FMenuItemSeletedColor; }
  void SetMenuItemSeletedColor(TColor Value) { FMenuItemSeletedColor = Value; }
  TColor MenuItemSeletedFontColor() const { return FMenuItemSeletedFontColor; }
  void SetMenuItemSeletedFontColor(TColor Value) { FMenuItemSeletedFontColor = Value; }
  TColor MenuItemBackgroudColor() const { return FMenuItemBackgroudColor; }
  void SetMenuItemBackgroudColor(TColor Value) { FMenuItemBackgroudColor = Value; }
  TColor MenuItemNormalFontColor() const { return FMenuItemNormalFontColor; }
  void SetMenuItemNormalFontColor(TColor Value) { FMenuItemNormalFontColor = Value; }
  // The edit's selection (0 without an edit).
  int SelStart() const;
  void SetSelStart(int Value);
  int SelLength() const;
  void SetSelLength(int Value);

  TQvSkinEdit* Edit() const { return FEdit; }
  TQvPopupListBox* ListBox() const { return FListBox; }

  void AddItemValue(const String& Item, const String& Value);
  void InsertItemValue(int Index, const String& Item, const String& Value);
  void DeleteItemValue(int Index);
  void ClearItemsValues();
  // Values[Index] when not empty, else the item, else empty.
  String GetItemValue(int Index) const;
  void CloseUp(bool Accept);
  virtual void DropDown();
  bool IsPopupVisible() const { return FListBox->Visible(); }
  bool CanCancelDropDown() const { return IsPopupVisible() && !FMouseIn; }
  // Incremental search in the items; selects a match.
  void FindLBItem(const String& S);

  void WndProc(TMessage& Message) override;
  TQvAccessibleInfo AccessibleInfo() const override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnChange;
  TNotifyEvent OnClick;
  TNotifyEvent OnCloseUp;  // Sender: the combo box when accepted, nil when cancelled
  TNotifyEvent OnDropDown;
  TQvDrawSkinItemEvent OnComboBoxDrawItem;
  // The popup items' drawing; handed on to the popup.
  const TQvDrawSkinItemEvent& OnListBoxDrawItem() const { return FListBox->OnDrawItem; }
  void SetOnListBoxDrawItem(TQvDrawSkinItemEvent Value) { FListBox->OnDrawItem = std::move(Value); }

 protected:
  virtual void ShowEditor();
  // Called after an accepted selection; empty here. The look setters' Change stays usable.
  virtual void Change() {}
  using TQvSkinBorderPanel::Change;
  void CalcRects();
  void DrawBody(TBitmap32* Bitmap) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  // One step of the navigation keys; true when the key was used.
  bool MoveBy(TQvComboMove Move, bool Commit);
  bool Loading() const;

  TQvPopupListBox* FListBox = nullptr;
  TQvSkinEdit* FEdit = nullptr;
  TQvCBButtonX Button;
  TQvCBItem FCBItem;
  int FOldItemIndex = -1;

 private:
  void HideEditor();
  void ListWndProc(TMessage& Message);
  void EditWndProc(TMessage& Message);
  void EditChange();
  void EditUp(bool Commit);
  void EditDown(bool Commit);
  void FindLBItemFromEdit();
  void ProcessListBox();
  void SetTimerMode(int Mode);
  void TimerTick();
  void HighlightAt(int Y);
  void ArmOutsideClick();
  void DisarmOutsideClick();
  void TextChanged();
  void FireClickOrNothing();

  TQvSkinCustomComboBoxStyle FStyle = DefaultStyle;
  int FItemHeight = TQvSkinCustomListBox::DefaultDefaultItemHeight;
  int FDropDownCount = DefaultDropDownCount;
  int FListBoxWidth = 0;
  bool FAutoComplete = DefaultAutoComplete;
  bool FCloseOnClickOutside = true;
  TQvComboSearch FSearch;
  unsigned FLastCompleteTime = 0;
  std::unique_ptr<TStringList> FValues;
  String FValue;
  bool FInSetValue = false;
  bool FForceSetValue = false;
  bool FDropDown = false;
  bool FLBDown = false;
  bool WasInLB = false;
  int TimerMode = 0;
  bool FSetCapture = false;
  bool FMouseIn = false;
  bool FMouseInEdit = false;
  bool FromEdit = false;
  TQvResID FDropArrowHot = DefaultDropArrowHot;
  TQvResID FDropArrowNormal = DefaultDropArrowNormal;
  TColor FMenuFrameColor = DefaultMenuFrameColor;
  TColor FMenuItemSeletedColor = DefaultMenuItemSeletedColor;
  TColor FMenuItemSeletedFontColor = DefaultMenuItemSeletedFontColor;
  TColor FMenuItemBackgroudColor = DefaultMenuItemBackgroudColor;
  TColor FMenuItemNormalFontColor = DefaultMenuItemNormalFontColor;
  TColor FOldFontColor = 0;
  TWndMethod FListBoxWindowProc;
  TWndMethod FEditWindowProc;
  TQvLikeMenuDlg* FLikeMenu = nullptr;  // closes the popup on a click outside
};

class TQvSkinComboBox : public TQvSkinCustomComboBox {
  QV_CLASS(TQvSkinComboBox)
 public:
  using TQvSkinCustomComboBox::TQvSkinCustomComboBox;
};

}  // namespace qv
