#pragma once
// TQvSkinCustomComboBoxEx: a combo box on the self-drawn edit. The edit shows the chosen
// text and a drop arrow; opening shows a popup (QvComboExPopup.h) with a filter edit and
// a list, for one pick or, with Options.CheckBoxSupport, for checking several items. The
// combo keeps the focus while the popup is open and routes the keys to it: typing
// filters, Up/Down/Page keys move, Enter accepts, Escape keeps the old item, Space checks.
#include "controls/QvComboExPopup.h"
#include "controls/QvSkinEdit.h"
#include "resources/QvSkinIntfTypes.h"

namespace qv {

using TItemCheckStateChangedEvent =
    std::function<void(TObject* Sender, const String& Text, const TItemIndexs& ItemIndexs)>;

class TQvSkinCustomComboBoxEx : public TQvSkinPngEdit {
  QV_CLASS(TQvSkinCustomComboBoxEx)
 public:
  explicit TQvSkinCustomComboBoxEx(TComponent* AOwner);
  ~TQvSkinCustomComboBoxEx() override;

  static constexpr int DefaultItemHeight = 23;
  static constexpr int DefaultWidth = 140, DefaultHeight = 26;

  // Any change of the items clears the checked items.
  TStringList* Items() const { return FItems.get(); }
  void SetItems(TStringList* Value) { FItems->Assign(Value); }
  TStringList* CheckedItems() const { return FCheckedItems.get(); }
  void SetCheckedItems(TStringList* Value) { FCheckedItems->Assign(Value); }
  TStringList* Values() const { return FValues.get(); }
  void SetValues(TStringList* Value) { FValues->Assign(Value); }
  TQvSkinCustomComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TQvSkinCustomComboBoxStyle Value);
  // The text becomes Items[Value] (empty outside the items), then OnChange.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  // Row height of the popup list.
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value) { FItemHeight = Value; }
  TComboBoxExOptions* Options() const { return FOptions.get(); }
  void SetOptions(TComboBoxExOptions* Value) { FOptions->Assign(Value); }

  bool DroppedDown() const { return FDropDown; }
  // The open popups (nil when closed).
  TPopupList_NormalForm* PopupList_NormalForm() const { return FPopupList_NormalForm; }
  TPopupList_CheckBoxForm* PopupList_CheckBoxForm() const { return FPopupList_CheckBoxForm; }
  TPopupList_NormalForm* Popup() const {
    return FPopupList_CheckBoxForm ? FPopupList_CheckBoxForm : FPopupList_NormalForm;
  }
  // The drop arrow item.
  TQvEditItem* DropArrow() const { return FDropArrow; }

  // Opens the popup when closed, closes it when open.
  virtual void DoDropArrowBtnClick(TObject* Sender);

  void WndProc(TMessage& Message) override;
  TQvAccessibleInfo AccessibleInfo() const override;
  bool DoAccessibleDefaultAction() override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnCloseUp;
  TNotifyEvent OnDropDown;
  TItemCheckStateChangedEvent OnCheckStateChanged;

 protected:
  virtual void DoMouseClickOutside_CheckBoxForm(TObject* Sender);
  virtual void DoMouseClickOutside_NormalForm(TObject* Sender);
  virtual void DoCheckedChanged(TObject* Sender);
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void CreateWnd() override;

 private:
  void OpenPopup();
  // The popup's end after its outside-click handler: hidden now, freed once its own
  // message has returned.
  void ClosePopup(TQvComboExPopupForm* Popup);
  void UpdateCheckedText(const std::vector<String>& Checked);
  void SetTextAndChange(const String& Value);

  std::unique_ptr<TStringList> FItems, FCheckedItems, FValues;
  std::unique_ptr<TComboBoxExOptions> FOptions;
  TQvSkinCustomComboBoxStyle FStyle = csDropDown;
  int FItemIndex = -1;
  int FItemHeight = DefaultItemHeight;
  bool FDropDown = false;
  TQvEditItem* FDropArrow = nullptr;
  TPopupList_NormalForm* FPopupList_NormalForm = nullptr;
  TPopupList_CheckBoxForm* FPopupList_CheckBoxForm = nullptr;
  std::vector<TQvComboExPopupForm*> FClosing;  // hidden, freed on the posted message
};

class TQvSkinComboBoxEx : public TQvSkinCustomComboBoxEx {
  QV_CLASS(TQvSkinComboBoxEx)
 public:
  using TQvSkinCustomComboBoxEx::TQvSkinCustomComboBoxEx;
};

}  // namespace qv
