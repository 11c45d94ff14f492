#pragma once
// TPopupListEx: stands in for the framework's popup list while skinned main menus exist,
// so that the active form learns when a menu opens, closes and ends its loop
// (MM_MENUCLOSED, MM_ENTERMENULOOP, MM_EXITMENULOOP). Reference counted: the first
// HookPopupList puts it in place, the last TryUnHookPopupList gives the framework's list
// back.
#include "host/Menus.h"

namespace qv {

class TPopupListEx : public TPopupList {
 public:
  String ClassName() const override { return L"TPopupListEx"; }
  // Performs Msg with the menu message's parameters on the active form, if there is one.
  static void PerformMessage(uint32_t Msg, uintptr_t WParam, intptr_t LParam);

 protected:
  void WndProc(TMessage& Message) override;
};

void HookPopupList();
void TryUnHookPopupList();
// The number of references held; 0 when the framework's list is in place.
int PopupListHookCount();

}  // namespace qv
