#pragma once
// The look and behaviour of the extended combo's popups (TComboBoxExOptions) and of the
// search edit's auto-complete list (TSEPopupListOptions). Every setter that changes a value
// raises OnChanged; Assign copies everything and raises it once.
#include "host/Classes.h"

namespace qv {

class TComboBoxExCustomOptions : public TPersistent {
  QV_CLASS(TComboBoxExCustomOptions)
 public:
  static constexpr TColor DefaultItemNormalFontColor = clBlack;
  static constexpr TColor DefaultFrameLineColor = TColor(0xF9B937);
  static constexpr TColor DefaultItemBackgroudColor = clWindow;
  static constexpr TColor DefaultItemSeletedColor = clHighlight;
  static constexpr TColor DefaultItemSeletedFontColor = clHighlightText;
  static constexpr const wchar_t* DefaultTextFilterHint = L"Enter keywords...";
  static constexpr const wchar_t* DefaultTextFilterCaption = L"Filter:";
  static constexpr const wchar_t* DefaultTextCheckedTips = L"Selected %d items";
  static constexpr const wchar_t* DefaultTextCheckedAllCaption = L"Select All";
  static constexpr int DefaultDropdownMenuHeight = 242, DefaultDropdownMenuWidth = 199;
  static constexpr bool DefaultActiveTextCheckedTips = true;

  TColor ItemNormalFontColor() const { return FItemNormalFontColor; }
  void SetItemNormalFontColor(TColor Value) { Set(FItemNormalFontColor, Value); }
  // The popup's frame and separator lines.
  TColor FrameLineColor() const { return FFrameLineColor; }
  void SetFrameLineColor(TColor Value) { Set(FFrameLineColor, Value); }
  TColor ItemBackgroudColor() const { return FItemBackgroudColor; }
  void SetItemBackgroudColor(TColor Value) { Set(FItemBackgroudColor, Value); }
  TColor ItemSeletedColor() const { return FItemSeletedColor; }
  void SetItemSeletedColor(TColor Value) { Set(FItemSeletedColor, Value); }
  TColor ItemSeletedFontColor() const { return FItemSeletedFontColor; }
  void SetItemSeletedFontColor(TColor Value) { Set(FItemSeletedFontColor, Value); }
  const String& TextFilterHint() const { return FTextFilterHint; }
  void SetTextFilterHint(const String& Value) { Set(FTextFilterHint, Value); }
  // Filter also by the pinyin initials of the captions.
  bool ActivePinyinFilter() const { return FActivePinyinFilter; }
  void SetActivePinyinFilter(bool Value) { Set(FActivePinyinFilter, Value); }
  const String& TextFilterCaption() const { return FTextFilterCaption; }
  void SetTextFilterCaption(const String& Value) { Set(FTextFilterCaption, Value); }
  // Popup size; 0 means automatic for the search edit's list.
  int DropdownMenuHeight() const { return FDropdownMenuHeight; }
  void SetDropdownMenuHeight(int Value) { Set(FDropdownMenuHeight, Value); }
  int DropdownMenuWidth() const { return FDropdownMenuWidth; }
  void SetDropdownMenuWidth(int Value) { Set(FDropdownMenuWidth, Value); }
  // The check-box popup instead of the single pick.
  bool CheckBoxSupport() const { return FCheckBoxSupport; }
  void SetCheckBoxSupport(bool Value) { Set(FCheckBoxSupport, Value); }
  // Shown ("%d": the count) when the checked captions do not fit the combo.
  const String& TextCheckedTips() const { return FTextCheckedTips; }
  void SetTextCheckedTips(const String& Value) { Set(FTextCheckedTips, Value); }
  const String& TextCheckedAllCaption() const { return FTextCheckedAllCaption; }
  void SetTextCheckedAllCaption(const String& Value) { Set(FTextCheckedAllCaption, Value); }
  bool ActiveTextCheckedTips() const { return FActiveTextCheckedTips; }
  void SetActiveTextCheckedTips(bool Value) { Set(FActiveTextCheckedTips, Value); }

  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnChanged;

 protected:
  template <typename T>
  void Set(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    if (OnChanged) OnChanged(this);
  }
  int FDropdownMenuHeight = DefaultDropdownMenuHeight;
  int FDropdownMenuWidth = DefaultDropdownMenuWidth;

 private:
  TColor FItemNormalFontColor = DefaultItemNormalFontColor;
  TColor FFrameLineColor = DefaultFrameLineColor;
  TColor FItemBackgroudColor = DefaultItemBackgroudColor;
  TColor FItemSeletedColor = DefaultItemSeletedColor;
  TColor FItemSeletedFontColor = DefaultItemSeletedFontColor;
  String FTextFilterHint = DefaultTextFilterHint;
  bool FActivePinyinFilter = false;
  String FTextFilterCaption = DefaultTextFilterCaption;
  bool FCheckBoxSupport = false;
  String FTextCheckedTips = DefaultTextCheckedTips;
  String FTextCheckedAllCaption = DefaultTextCheckedAllCaption;
  bool FActiveTextCheckedTips = DefaultActiveTextCheckedTips;
};

class TComboBoxExOptions : public TComboBoxExCustomOptions {
  QV_CLASS(TComboBoxExOptions)
};

// The search edit's list: automatic size (0) and a row height.
class TSEPopupListOptions : public TComboBoxExCustomOptions {
  QV_CLASS(TSEPopupListOptions)
 public:
  static constexpr int DefaultItemHeight = 25;
  TSEPopupListOptions() { FDropdownMenuHeight = FDropdownMenuWidth = 0; }
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value) { FItemHeight = Value; }
  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

 private:
  int FItemHeight = DefaultItemHeight;
};

}  // namespace qv
