#pragma once
// Menus: a tree of TMenuItem under a TMainMenu (a form's menu bar) or a TPopupMenu
// (shown with TrackPopupMenu). The platform menu is built from the tree when needed;
// commands, owner drawing and measuring come back to the items through the popup
// list's hidden window (popups) or the form (menu bar).
#include <vector>

#include "host/Control.h"
#include "host/PlatformTypes.h"

namespace qv {

class TCanvas;
class TCustomImageList;
class TMenu;

// A key and its modifiers: the virtual key in the low byte.
using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;
TShortCut ShortCut(uint16_t Key, TShiftState Shift);
// "Ctrl+S", "Shift+Ctrl+F5", "Alt+Enter"; empty for scNone.
String ShortCutToText(TShortCut ShortCut);
// The reverse of ShortCutToText (case-insensitive); scNone when not understood.
TShortCut TextToShortCut(const String& Text);
// The caption without its accelerator marks ("&File" -> "File", "&&" -> "&").
String StripHotkey(const String& Text);
// The accelerator character of a caption (the one after a single '&'), or 0.
wchar_t GetHotkey(const String& Text);
// Whether the key (a character or a virtual key) is the caption's accelerator.
bool IsAccel(uint16_t VK, const String& Str);

enum TOwnerDrawStateItem {
  odSelected,
  odGrayed,
  odDisabled,
  odChecked,
  odFocused,
  odDefault,
  odHotLight,
  odInactive,
  odNoAccel,
  odNoFocusRect,
  odReserved1,
  odReserved2,
  odComboBoxEdit
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;
enum TMenuAutoFlag { maAutomatic, maManual, maParent };
enum TPopupAlignment { paLeft, paRight, paCenter };
enum TTrackButton { tbRightButton, tbLeftButton };

using TMenuMeasureItemEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;
using TMenuDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, const TRect& ARect, bool Selected)>;
using TAdvancedMenuDrawItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas,
                                                      const TRect& ARect, TOwnerDrawState State)>;

class TMenuItem : public TComponent {
  QV_CLASS(TMenuItem)
 public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  static constexpr bool DefaultEnabled = true, DefaultVisible = true;
  static constexpr int DefaultImageIndex = -1;
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value);
  Byte GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(Byte Value) { FGroupIndex = Value; }
  bool AutoCheck() const { return FAutoCheck; }
  void SetAutoCheck(bool Value) { FAutoCheck = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int Value) { FHelpContext = Value; }
  // A separator: the caption "-".
  bool IsLine() const { return FCaption == L"-"; }

  // Sub-items; the item owns none of them (their owner does) but frees those still
  // attached when it is freed.
  int Count() const { return int(FItems.size()); }
  TMenuItem* Items(int Index) const { return FItems.at(size_t(Index)); }
  void Add(TMenuItem* Item);
  void Insert(int Index, TMenuItem* Item);
  void Delete(int Index);
  void Remove(TMenuItem* Item);
  void Clear();
  int IndexOf(const TMenuItem* Item) const;
  TMenuItem* Find(const String& ACaption) const;
  TMenuItem* Parent() const { return FParent; }
  int MenuIndex() const;
  void SetMenuIndex(int Value);
  // The menu the item belongs to (through its parents).
  TMenu* GetParentMenu() const;
  // The platform command number of the item.
  uint16_t Command() const { return FCommand; }
  // Finds the item with the command among this item and its descendants.
  TMenuItem* FindCommand(uint16_t Command);

  virtual void Click();
  // Owner drawing: OnMeasureItem / OnAdvancedDrawItem / OnDrawItem, else the default look.
  virtual void MeasureItem(TCanvas* ACanvas, int& Width, int& Height);
  virtual void AdvancedDrawItem(TCanvas* ACanvas, const TRect& ARect, TOwnerDrawState State,
                                bool TopLevel);

  const TPropTable& Properties() const override;
  // Sub-items are written nested in their item; read back, they join it.
  void GetChildren(std::vector<TComponent*>& Children, const TComponent* Root) const override;
  TComponent* GetChildOwner(TComponent* Root) override;
  void SetParentComponent(TComponent* Value) override;

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

 private:
  friend class TMenu;
  void Changed();
  String FCaption;
  bool FChecked = false;
  bool FRadioItem = false;
  Byte FGroupIndex = 0;
  bool FAutoCheck = false;
  bool FEnabled = DefaultEnabled;
  bool FVisible = DefaultVisible;
  bool FDefault = false;
  TShortCut FShortCut = scNone;
  int FImageIndex = DefaultImageIndex;
  String FHint;
  int FHelpContext = 0;
  std::vector<TMenuItem*> FItems;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;  // set on a menu's root item
  uint16_t FCommand = 0;
};

class TMenu : public TComponent {
  QV_CLASS(TMenu)
 public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;

  // The root item; its sub-items are the menu's entries.
  TMenuItem* Items() const { return FItems; }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool Value);
  TMenuAutoFlag AutoHotkeys() const { return FAutoHotkeys; }
  void SetAutoHotkeys(TMenuAutoFlag Value) { FAutoHotkeys = Value; }
  TMenuAutoFlag AutoLineReduction() const { return FAutoLineReduction; }
  void SetAutoLineReduction(TMenuAutoFlag Value) { FAutoLineReduction = Value; }

  // The platform menu built from the items (rebuilt after a change).
  virtual HMENU Handle();
  // Runs the item with the command; false when no item has it.
  bool DispatchCommand(uint16_t Command);
  // WM_MEASUREITEM / WM_DRAWITEM of one of this menu's items; false for others.
  bool DispatchOwnerDraw(TMessage& Message);
  // WM_INITMENUPOPUP of a sub-menu of this menu.
  void DispatchPopup(HMENU MenuHandle);
  // Finds the item that carries the shortcut; nil when none.
  TMenuItem* FindShortCut(TShortCut Value) const;

  const TPropTable& Properties() const override;
  void GetChildren(std::vector<TComponent*>& Children, const TComponent* Root) const override;
  TComponent* GetChildOwner(TComponent* Root) override;
  void Loaded() override;

 protected:
  friend class TMenuItem;
  virtual void MenuChanged();
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Fills Menu with the visible items of Parent.
  void BuildMenu(HMENU Menu, TMenuItem* Parent);
  void DestroyMenuHandle();
  virtual HMENU CreateMenuHandle();
  HMENU FHandle = nullptr;

 private:
  TMenuItem* FItems;
  TCustomImageList* FImages = nullptr;
  bool FOwnerDraw = false;
  TMenuAutoFlag FAutoHotkeys = maAutomatic;
  TMenuAutoFlag FAutoLineReduction = maAutomatic;
  String FPendingImages;
};

// A form's menu bar.
class TMainMenu : public TMenu {
  QV_CLASS(TMainMenu)
 public:
  explicit TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

 protected:
  void MenuChanged() override;
  HMENU CreateMenuHandle() override;
};

class TPopupMenu : public TMenu {
  QV_CLASS(TPopupMenu)
 public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;

  // Shows the menu at the screen point and returns when it closed (the chosen item's
  // OnClick runs from the command message that follows).
  virtual void Popup(int X, int Y);
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value) { FPopupComponent = Value; }
  TPoint PopupPoint() const { return FPopupPoint; }
  static constexpr bool DefaultAutoPopup = true;
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }
  TPopupAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
  TTrackButton TrackButton() const { return FTrackButton; }
  void SetTrackButton(TTrackButton Value) { FTrackButton = Value; }
  const TPropTable& Properties() const override;

  TNotifyEvent OnPopup;
  TNotifyEvent OnClose;

 protected:
  virtual void DoPopup();

 private:
  TComponent* FPopupComponent = nullptr;
  TPoint FPopupPoint;
  bool FAutoPopup = DefaultAutoPopup;
  TPopupAlignment FAlignment = paLeft;
  TTrackButton FTrackButton = tbRightButton;
};

// The hidden window that owns shown popup menus and receives their messages: commands,
// owner drawing, menu selection and the menu loop. The global PopupList may be
// replaced by a descendant that handles these messages first.
class TPopupList : public TObject {
 public:
  TPopupList();
  ~TPopupList() override;
  String ClassName() const override { return L"TPopupList"; }
  HWND Window() const { return FWindow; }
  int Count() const { return int(FItems.size()); }
  TPopupMenu* Items(int Index) const { return FItems.at(size_t(Index)); }
  void Add(TPopupMenu* Menu);
  void Remove(TPopupMenu* Menu);

 protected:
  virtual void WndProc(TMessage& Message);

 private:
  std::vector<TPopupMenu*> FItems;
  HWND FWindow = nullptr;
};

// The popup list every TPopupMenu registers with and shows through.
extern TPopupList* PopupList;

}  // namespace qv
