#pragma once
// TQvSkinMainMenu: a form's main menu shown as title-bar items. Each visible top-level
// entry becomes a TQvSkinNCMenuItem that opens a popup cloned from the entry's sub-items
// (skinned by MenuSkin when set), or runs the entry's OnClick when it has none. While a
// popup is open the user moves to a neighbouring item with the mouse or the arrow keys:
// the open popup closes and the form opens the next one shortly after (MM_MENUCLOSED).
#include <functional>
#include <memory>
#include <vector>

#include "forms/QvSkinNCButton.h"
#include "host/Menus.h"

namespace qv {

class TFont;
class TQvSkinMenu;
class TQvSkinMainMenu;
class TCustomSimpleTimer;

class TQvSkinNCMenuItem;

// One per visible top-level entry, in menu order.
struct TQvMainMenuData {
  String Caption;
  std::unique_ptr<TPopupMenu> PopupMenu;
  TQvSkinNCMenuItem* NCMenuItem = nullptr;
  bool Enabled = true;
  TNotifyEvent OnClick;
};

// A title-bar item: the entry's caption, hot and pressed backgrounds, a popup on press.
class TQvSkinNCMenuItem : public TQvSkinCustomNCButton {
  QV_CLASS(TQvSkinNCMenuItem)
 public:
  // Owner: the form; the record and its main menu stay with the item until either goes.
  TQvSkinNCMenuItem(TComponent* AOwner, TQvMainMenuData* AMenuData, TQvSkinMainMenu* AMainMenu);
  ~TQvSkinNCMenuItem() override;

  TQvMainMenuData* MenuData() const { return FMenuData; }
  TQvSkinMainMenu* QvSkinMainMenu() const { return FMainMenu; }
  // Measures the caption with the main menu's font (caption + 4 each way).
  void ResetItemSize();
  // Opens the popup (or runs the entry's OnClick when it has no sub-items).
  void Click() override;

  void MouseEnter() override;
  void LMouseDown() override;
  void LMouseUp() override;
  void Paint(TBitmap32* Canvas) override;
  void DPIChanged() override;

 private:
  friend class TQvSkinMainMenu;
  bool HasPopupItems() const;
  void OpenPopup();
  TQvMainMenuData* FMenuData;
  TQvSkinMainMenu* FMainMenu;
  // Input time of the moment the last popup closed: a press from before it (the one that
  // closed the popup) does not open it again.
  Cardinal FClosedAt = 0;
  bool FClosedOnce = false;
  bool FPressed = false;
};

class TQvSkinMainMenu : public TPersistent {
 public:
  static constexpr const wchar_t* StaticClassName = L"TQvSkinMainMenu";
  String ClassName() const override { return StaticClassName; }
  static constexpr TColor DefaultHotColor = 11463932, DefaultPressColor = 8184058;
  static constexpr int DefaultSpace = 8, DefaultPosValue = 5;
  // Interval at which the pointer is watched while a popup is open.
  static constexpr Cardinal TrackInterval = 10;

  // AForm: the skinned form's form (owner of the title-bar items); AOwner: the component
  // whose free notifications clear MainMenu and MenuSkin (the skinned-form component).
  TQvSkinMainMenu(TCustomForm* AForm, TComponent* AOwner);
  ~TQvSkinMainMenu() override;

  // ---- published ----
  TMainMenu* MainMenu() const { return FMainMenu; }
  // Holds the popup-list replacement while a menu is set (at run time).
  void SetMainMenu(TMainMenu* Value);
  TQvSkinMenu* MenuSkin() const { return FMenuSkin; }
  void SetMenuSkin(TQvSkinMenu* Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value);
  TNCCtrlPos* Pos() const { return FPos.get(); }
  void SetPos(TNCCtrlPos* Value) { FPos->Assign(Value); }
  TColor HotColor() const { return FHotColor; }
  void SetHotColor(TColor Value) { FHotColor = Value; }
  TColor PressColor() const { return FPressColor; }
  void SetPressColor(TColor Value) { FPressColor = Value; }
  int Space() const { return FSpace; }
  // Rebuilds the items.
  void SetSpace(int Value);

  // ---- public ----
  const std::vector<std::unique_ptr<TQvMainMenuData>>& MenuList() const { return FMenuList; }
  bool Done() const { return FDone; }
  void Reset() { FDone = false; }
  // Rebuilds at the next non-client paint.
  void Refresh();
  // The item whose popup is open, and the one to open once it has closed.
  TQvSkinNCMenuItem* FocusMenu() const { return FLastFocusMenu; }
  TQvSkinNCMenuItem* NextFocusMenu() const { return FNextFocusMenu; }
  // Rebuilds the records (not the title-bar items) when not Done.
  void Build();
  // Builds records and title-bar items when not Done (before a non-client paint).
  void CreateItems();
  // The popup has closed: the focused item comes up; true when a next item is pending.
  bool MenuClosed();
  // Opens the pending item (the form's timer after MM_MENUCLOSED).
  void OpenPending();
  // Closes the open popup and opens Item's instead.
  void SwitchTo(TQvSkinNCMenuItem* Item);
  // Clicks every item whose caption has Key as accelerator; true when one matched.
  bool Accelerate(uint16_t Key);
  // The visible, enabled item with a popup before (Step -1) or after (+1) From, wrapping;
  // nil if none.
  TQvSkinNCMenuItem* Neighbour(TQvSkinNCMenuItem* From, int Step) const;
  TCustomForm* Form() const { return FForm; }
  // The owner's notification: a freed menu or menu skin is forgotten.
  void ComponentRemoved(TComponent* AComponent);

  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

 private:
  friend class TQvSkinNCMenuItem;
  void ClearList();
  void ItemGone(TQvSkinNCMenuItem* Item);
  // The caption a clone shows (the platform's popups are kept on the screen by it).
  using TCaptionFit = std::function<String(const TMenuItem& Item)>;
  TMenuItem* CloneMenuItem(TMenuItem* Item, const TCaptionFit& Fit);
  // The open popup's life: pointer watching and arrow keys.
  void PopupOpening(TQvSkinNCMenuItem* Item);
  void PopupClosed();
  void Track();

  TCustomForm* FForm;
  TComponent* FOwner;
  TMainMenu* FMainMenu = nullptr;
  TQvSkinMenu* FMenuSkin = nullptr;
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TNCCtrlPos> FPos;
  TColor FHotColor = DefaultHotColor;
  TColor FPressColor = DefaultPressColor;
  int FSpace = DefaultSpace;
  std::vector<std::unique_ptr<TQvMainMenuData>> FMenuList;
  bool FDone = false;
  bool FHooked = false;
  TQvSkinNCMenuItem* FLastFocusMenu = nullptr;
  TQvSkinNCMenuItem* FNextFocusMenu = nullptr;
  std::unique_ptr<TCustomSimpleTimer> FTrackTimer;
};

}  // namespace qv
