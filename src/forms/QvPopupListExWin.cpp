#include <windows.h>

#include "forms/QvMessages.h"
#include "forms/QvPopupListEx.h"
#include "host/Form.h"
#include "host/Screen.h"

namespace qv {

namespace {

int gHookCount = 0;
TPopupList* gSavedList = nullptr;  // the framework's list while the replacement is in place

// Moves the registered popup menus from one list to the other.
void MoveMenus(TPopupList* From, TPopupList* To) {
  if (!From || !To) return;
  while (From->Count() > 0) {
    TPopupMenu* Menu = From->Items(0);
    To->Add(Menu);
    From->Remove(Menu);
  }
}

}  // namespace

void TPopupListEx::PerformMessage(uint32_t Msg, uintptr_t WParam, intptr_t LParam) {
  if (Screen)
    if (TCustomForm* Form = Screen->ActiveForm()) Form->Perform(Msg, WParam, LParam);
}

void TPopupListEx::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MENUSELECT:
      if (Message.LParam == 0 && Message.WParamHi() == 0xFFFF)
        PerformMessage(MM_MENUCLOSED, Message.WParam, Message.LParam);
      break;
    case WM_ENTERMENULOOP:
      PerformMessage(MM_ENTERMENULOOP, Message.WParam, Message.LParam);
      break;
    case WM_EXITMENULOOP:
      PerformMessage(MM_EXITMENULOOP, Message.WParam, Message.LParam);
      break;
  }
  TPopupList::WndProc(Message);
}

void HookPopupList() {
  if (gHookCount++ > 0) return;
  gSavedList = PopupList;
  auto* Ex = new TPopupListEx();
  // The menus registered with the framework's list show through the replacement now.
  MoveMenus(gSavedList, Ex);
  PopupList = Ex;
}

void TryUnHookPopupList() {
  if (gHookCount <= 0) return;
  if (--gHookCount > 0) return;
  TPopupList* Ex = PopupList;
  // Menus created meanwhile registered with the replacement: they go back with the others.
  PopupList = gSavedList ? gSavedList : new TPopupList();
  gSavedList = nullptr;
  if (Ex && Ex != PopupList) {
    MoveMenus(Ex, PopupList);
    delete Ex;
  }
}

int PopupListHookCount() {
  return gHookCount;
}

}  // namespace qv
