#include "controls/QvComboExPopupOptions.h"

#include "host/Properties.h"
#include "host/ScopeGuard.h"

namespace qv {

void TComboBoxExCustomOptions::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TComboBoxExCustomOptions*>(Source);
  if (!S) return TPersistent::Assign(Source);
  {
    // One OnChanged for the whole copy.
    TScopedValue<TNotifyEvent> Quiet(OnChanged, nullptr);
    FItemNormalFontColor = S->FItemNormalFontColor;
    FFrameLineColor = S->FFrameLineColor;
    FItemBackgroudColor = S->FItemBackgroudColor;
    FItemSeletedColor = S->FItemSeletedColor;
    FItemSeletedFontColor = S->FItemSeletedFontColor;
    FTextFilterHint = S->FTextFilterHint;
    FActivePinyinFilter = S->FActivePinyinFilter;
    FTextFilterCaption = S->FTextFilterCaption;
    FDropdownMenuHeight = S->FDropdownMenuHeight;
    FDropdownMenuWidth = S->FDropdownMenuWidth;
    FCheckBoxSupport = S->FCheckBoxSupport;
    FTextCheckedTips = S->FTextCheckedTips;
    FTextCheckedAllCaption = S->FTextCheckedAllCaption;
    FActiveTextCheckedTips = S->FActiveTextCheckedTips;
  }
  if (OnChanged) OnChanged(this);
}

const TPropTable& TComboBoxExCustomOptions::Properties() const {
  using C = TComboBoxExCustomOptions;
  static const TPropTable Table = TPersistent::Properties().With({
      Prop(L"ActivePinyinFilter", &C::ActivePinyinFilter, &C::SetActivePinyinFilter, false),
      Prop(L"ActiveTextCheckedTips", &C::ActiveTextCheckedTips, &C::SetActiveTextCheckedTips,
           DefaultActiveTextCheckedTips),
      Prop(L"CheckBoxSupport", &C::CheckBoxSupport, &C::SetCheckBoxSupport, false),
      Prop(L"DropdownMenuHeight", &C::DropdownMenuHeight, &C::SetDropdownMenuHeight,
           DefaultDropdownMenuHeight),
      Prop(L"DropdownMenuWidth", &C::DropdownMenuWidth, &C::SetDropdownMenuWidth,
           DefaultDropdownMenuWidth),
      ColorProp(L"FrameLineColor", &C::FrameLineColor, &C::SetFrameLineColor,
                DefaultFrameLineColor),
      ColorProp(L"ItemBackgroudColor", &C::ItemBackgroudColor, &C::SetItemBackgroudColor,
                DefaultItemBackgroudColor),
      ColorProp(L"ItemNormalFontColor", &C::ItemNormalFontColor, &C::SetItemNormalFontColor,
                DefaultItemNormalFontColor),
      ColorProp(L"ItemSeletedColor", &C::ItemSeletedColor, &C::SetItemSeletedColor,
                DefaultItemSeletedColor),
      ColorProp(L"ItemSeletedFontColor", &C::ItemSeletedFontColor, &C::SetItemSeletedFontColor,
                DefaultItemSeletedFontColor),
      Prop(L"TextCheckedAllCaption", &C::TextCheckedAllCaption, &C::SetTextCheckedAllCaption,
           DefaultTextCheckedAllCaption),
      Prop(L"TextCheckedTips", &C::TextCheckedTips, &C::SetTextCheckedTips, DefaultTextCheckedTips),
      Prop(L"TextFilterCaption", &C::TextFilterCaption, &C::SetTextFilterCaption,
           DefaultTextFilterCaption),
      Prop(L"TextFilterHint", &C::TextFilterHint, &C::SetTextFilterHint, DefaultTextFilterHint),
  });
  return Table;
}

void TSEPopupListOptions::Assign(TPersistent* Source) {
  if (auto* S = dynamic_cast<TSEPopupListOptions*>(Source)) FItemHeight = S->FItemHeight;
  TComboBoxExCustomOptions::Assign(Source);
}

const TPropTable& TSEPopupListOptions::Properties() const {
  using C = TSEPopupListOptions;
  static const TPropTable Table = TPersistent::Properties().With({
      Prop(L"ActivePinyinFilter", &C::ActivePinyinFilter, &C::SetActivePinyinFilter, false),
      Prop(L"DropdownMenuHeight", &C::DropdownMenuHeight, &C::SetDropdownMenuHeight, 0),
      Prop(L"DropdownMenuWidth", &C::DropdownMenuWidth, &C::SetDropdownMenuWidth, 0),
      ColorProp(L"FrameLineColor", &C::FrameLineColor, &C::SetFrameLineColor,
                DefaultFrameLineColor),
      ColorProp(L"ItemBackgroudColor", &C::ItemBackgroudColor, &C::SetItemBackgroudColor,
                DefaultItemBackgroudColor),
      Prop(L"ItemHeight", &C::ItemHeight, &C::SetItemHeight, DefaultItemHeight),
      ColorProp(L"ItemNormalFontColor", &C::ItemNormalFontColor, &C::SetItemNormalFontColor,
                DefaultItemNormalFontColor),
      ColorProp(L"ItemSeletedColor", &C::ItemSeletedColor, &C::SetItemSeletedColor,
                DefaultItemSeletedColor),
      ColorProp(L"ItemSeletedFontColor", &C::ItemSeletedFontColor, &C::SetItemSeletedFontColor,
                DefaultItemSeletedFontColor),
  });
  return Table;
}

}  // namespace qv
