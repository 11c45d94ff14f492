#include <algorithm>
#include <bitset>

#include "host/Canvas.h"
#include "host/ControlsWin.h"  // the platform's names come before ours
#include "host/HiddenWindow.h"
#include "host/ImageList.h"
#include "host/Menus.h"
#include "host/ScopeGuard.h"

namespace qv {

namespace {

// Command numbers in use; 0 is never given out.
std::bitset<0x10000>& UsedCommands() {
  static std::bitset<0x10000> Used;
  return Used;
}

uint16_t AllocateCommand() {
  static uint32_t Next = 1;
  auto& Used = UsedCommands();
  for (uint32_t Tries = 0; Tries < 0xFFFF; ++Tries) {
    uint16_t C = uint16_t(Next);
    Next = Next >= 0xFFFF ? 1 : Next + 1;
    if (C != 0 && !Used[C]) {
      Used[C] = true;
      return C;
    }
  }
  throw Exception(L"Too many menu items");
}

}  // namespace

TPopupList* PopupList = nullptr;

// ---- TMenuItem ------------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(AllocateCommand()) {}

TMenuItem::~TMenuItem() {
  if (FParent) FParent->Remove(this);
  while (!FItems.empty()) {
    TMenuItem* Child = FItems.back();
    FItems.pop_back();
    Child->FParent = nullptr;
    delete Child;
  }
  UsedCommands()[FCommand] = false;
}

void TMenuItem::Changed() {
  if (TMenu* Menu = GetParentMenu()) Menu->MenuChanged();
}

void TMenuItem::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Changed();
}

void TMenuItem::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  // A checked radio item unchecks the others of its group.
  if (Value && FRadioItem && FParent)
    for (TMenuItem* I : FParent->FItems)
      if (I != this && I->FRadioItem && I->FGroupIndex == FGroupIndex) I->FChecked = false;
  Changed();
}

void TMenuItem::SetRadioItem(bool Value) {
  if (FRadioItem == Value) return;
  FRadioItem = Value;
  Changed();
}

void TMenuItem::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Changed();
}

void TMenuItem::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  Changed();
}

void TMenuItem::SetDefault(bool Value) {
  if (FDefault == Value) return;
  FDefault = Value;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut Value) {
  if (FShortCut == Value) return;
  FShortCut = Value;
  Changed();
}

void TMenuItem::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Changed();
}

void TMenuItem::Add(TMenuItem* Item) {
  Insert(Count(), Item);
}

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (!Item) return;
  if (Item->FParent) throw Exception(L"Menu inserted twice");
  Index = std::clamp(Index, 0, Count());
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
  Changed();
}

void TMenuItem::Delete(int Index) {
  if (Index < 0 || Index >= Count()) throw EListError(L"Menu index out of range");
  TMenuItem* Item = FItems[size_t(Index)];
  FItems.erase(FItems.begin() + Index);
  Item->FParent = nullptr;
  Changed();
}

void TMenuItem::Remove(TMenuItem* Item) {
  int I = IndexOf(Item);
  if (I >= 0) Delete(I);
}

void TMenuItem::Clear() {
  while (!FItems.empty()) delete FItems.back();
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
  auto It = std::find(FItems.begin(), FItems.end(), Item);
  return It == FItems.end() ? -1 : int(It - FItems.begin());
}

TMenuItem* TMenuItem::Find(const String& ACaption) const {
  String Wanted = StripHotkey(ACaption);
  for (TMenuItem* I : FItems)
    if (SameText(StripHotkey(I->FCaption), Wanted)) return I;
  return nullptr;
}

int TMenuItem::MenuIndex() const {
  return FParent ? FParent->IndexOf(this) : -1;
}

void TMenuItem::SetMenuIndex(int Value) {
  if (!FParent) return;
  TMenuItem* P = FParent;
  int Old = P->IndexOf(this);
  Value = std::clamp(Value, 0, P->Count() - 1);
  if (Old == Value) return;
  P->FItems.erase(P->FItems.begin() + Old);
  P->FItems.insert(P->FItems.begin() + Value, this);
  Changed();
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* I = this;
  while (I->FParent) I = I->FParent;
  return I->FMenu;
}

TMenuItem* TMenuItem::FindCommand(uint16_t Command) {
  if (FCommand == Command) return this;
  for (TMenuItem* I : FItems)
    if (TMenuItem* Found = I->FindCommand(Command)) return Found;
  return nullptr;
}

void TMenuItem::Click() {
  if (!FEnabled) return;
  if (FAutoCheck) SetChecked(!FChecked);
  if (OnClick) OnClick(this);
}

void TMenuItem::MeasureItem(TCanvas* ACanvas, int& Width, int& Height) {
  if (OnMeasureItem) {
    OnMeasureItem(this, ACanvas, Width, Height);
    return;
  }
  if (IsLine()) {
    Height = 5;
    Width = 10;
    return;
  }
  String Text = StripHotkey(FCaption);
  if (FShortCut != scNone) Text += L"    " + ShortCutToText(FShortCut);
  SIZE S{0, 0};
  GetTextExtentPoint32W(ACanvas->Handle(), Text.c_str(), int(Text.size()), &S);
  Width = S.cx + 2 * GetSystemMetrics(SM_CXMENUCHECK) + 8;
  Height = std::max<int>(S.cy + 6, GetSystemMetrics(SM_CYMENUCHECK));
}

void TMenuItem::AdvancedDrawItem(TCanvas* ACanvas, const TRect& ARect, TOwnerDrawState State,
                                 bool TopLevel) {
  if (OnAdvancedDrawItem) {
    OnAdvancedDrawItem(this, ACanvas, ARect, State);
    return;
  }
  if (OnDrawItem) {
    OnDrawItem(this, ACanvas, ARect, State.Contains(odSelected));
    return;
  }
  HDC DC = ACanvas->Handle();
  RECT R{ARect.Left, ARect.Top, ARect.Right, ARect.Bottom};
  bool Selected = State.Contains(odSelected);
  FillRect(DC, &R, GetSysColorBrush(Selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (IsLine()) {
    RECT Line{R.left + 2, (R.top + R.bottom) / 2 - 1, R.right - 2, (R.top + R.bottom) / 2 + 1};
    DrawEdge(DC, &Line, EDGE_ETCHED, BF_TOP);
    return;
  }
  SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, GetSysColor(!FEnabled  ? COLOR_GRAYTEXT
                               : Selected ? COLOR_HIGHLIGHTTEXT
                                          : COLOR_MENUTEXT));
  int Check = TopLevel ? 4 : GetSystemMetrics(SM_CXMENUCHECK) + 4;
  TCustomImageList* Images = GetParentMenu() ? GetParentMenu()->Images() : nullptr;
  bool HasImage = Images && FImageIndex >= 0 && FImageIndex < Images->Count();
  if (HasImage) {
    Check = std::max(Check, Images->Width() + 6);
    Images->Draw(*ACanvas, R.left + 2, R.top + (R.bottom - R.top - Images->Height()) / 2,
                 FImageIndex, FEnabled);
  }
  RECT T{R.left + Check, R.top, R.right - 4, R.bottom};
  if (FChecked && !TopLevel && !HasImage) {
    RECT Mark{R.left + 2, R.top, R.left + Check - 2, R.bottom};
    DrawTextW(DC, FRadioItem ? L"\x25CF" : L"\x2713", -1, &Mark,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  DrawTextW(DC, FCaption.c_str(), int(FCaption.size()), &T, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  if (FShortCut != scNone) {
    String S = ShortCutToText(FShortCut);
    DrawTextW(DC, S.c_str(), int(S.size()), &T, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
  }
}

// ---- TMenu ----------------------------------------------------------------------

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(nullptr)) {
  FItems->FMenu = this;
}

TMenu::~TMenu() {
  DestroyMenuHandle();
  FItems->FMenu = nullptr;
  delete FItems;
}

void TMenu::SetImages(TCustomImageList* Value) {
  if (FImages == Value) return;
  if (auto* Old = static_cast<TComponent*>(FImages)) Old->RemoveFreeNotification(this);
  FImages = Value;
  if (auto* New = static_cast<TComponent*>(Value)) New->FreeNotification(this);
  MenuChanged();
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == static_cast<TComponent*>(FImages)) FImages = nullptr;
}

void TMenu::SetOwnerDraw(bool Value) {
  if (FOwnerDraw == Value) return;
  FOwnerDraw = Value;
  MenuChanged();
}

void TMenu::MenuChanged() {
  DestroyMenuHandle();
}

void TMenu::DestroyMenuHandle() {
  if (FHandle) DestroyMenu(static_cast<HMENU>(FHandle));
  FHandle = nullptr;
}

HMENU TMenu::CreateMenuHandle() {
  return CreatePopupMenu();
}

HMENU TMenu::Handle() {
  if (!FHandle) {
    FHandle = CreateMenuHandle();
    BuildMenu(FHandle, FItems);
  }
  return FHandle;
}

void TMenu::BuildMenu(HMENU Menu, TMenuItem* Parent) {
  UINT Position = 0;
  for (int I = 0; I < Parent->Count(); ++I) {
    TMenuItem* Item = Parent->Items(I);
    if (!Item->Visible()) continue;
    String Text = Item->Caption();
    if (Item->ShortCut() != scNone) Text += L"\t" + ShortCutToText(Item->ShortCut());
    MENUITEMINFOW Info{};
    Info.cbSize = sizeof(Info);
    Info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
    Info.wID = Item->Command();
    Info.dwItemData = ULONG_PTR(Item);
    if (Item->IsLine()) {
      Info.fType = MFT_SEPARATOR;
    } else {
      Info.fMask |= MIIM_STRING;
      Info.dwTypeData = Text.data();
      Info.cch = UINT(Text.size());
    }
    if (Item->RadioItem()) Info.fType |= MFT_RADIOCHECK;
    if (FOwnerDraw) Info.fType |= MFT_OWNERDRAW;
    if (Item->Checked()) Info.fState |= MFS_CHECKED;
    if (!Item->Enabled()) Info.fState |= MFS_GRAYED;
    if (Item->Default()) Info.fState |= MFS_DEFAULT;
    if (Item->Count() > 0) {
      Info.fMask |= MIIM_SUBMENU;
      Info.hSubMenu = CreatePopupMenu();
      BuildMenu(Info.hSubMenu, Item);
    }
    InsertMenuItemW(Menu, Position++, TRUE, &Info);
  }
}

bool TMenu::DispatchCommand(uint16_t Command) {
  TMenuItem* Item = FItems->FindCommand(Command);
  if (!Item || Item == FItems) return false;
  Item->Click();
  return true;
}

namespace {

TOwnerDrawState DrawStateOf(UINT State) {
  TOwnerDrawState S;
  if (State & ODS_SELECTED) S.Include(odSelected);
  if (State & ODS_GRAYED) S.Include(odGrayed);
  if (State & ODS_DISABLED) S.Include(odDisabled);
  if (State & ODS_CHECKED) S.Include(odChecked);
  if (State & ODS_FOCUS) S.Include(odFocused);
  if (State & ODS_DEFAULT) S.Include(odDefault);
  if (State & ODS_HOTLIGHT) S.Include(odHotLight);
  if (State & ODS_INACTIVE) S.Include(odInactive);
  if (State & ODS_NOACCEL) S.Include(odNoAccel);
  if (State & ODS_NOFOCUSRECT) S.Include(odNoFocusRect);
  return S;
}

bool ItemIsOurs(TMenu* Menu, TMenuItem* Item) {
  return Item && Item->GetParentMenu() == Menu;
}

}  // namespace

HFONT MenuFont() {
  static HFONT Font = [] {
    NONCLIENTMETRICSW M{};
    M.cbSize = sizeof(M);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(M), &M, 0);
    return CreateFontIndirectW(&M.lfMenuFont);
  }();
  return Font;
}

bool TMenu::DispatchOwnerDraw(TMessage& Message) {
  if (Message.Msg == WM_MEASUREITEM) {
    auto* M = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
    if (!M || M->CtlType != ODT_MENU) return false;
    auto* Item = reinterpret_cast<TMenuItem*>(M->itemData);
    if (!ItemIsOurs(this, Item)) return false;
    HDC DC = GetDC(nullptr);
    HGDIOBJ Old = SelectObject(DC, MenuFont());
    TScopeExit Release([&] {
      SelectObject(DC, Old);
      ReleaseDC(nullptr, DC);
    });
    TCanvas Canvas;
    Canvas.SetHandle(DC);
    TScopeExit Detach([&] { Canvas.SetHandle(nullptr); });
    int W = int(M->itemWidth), H = int(M->itemHeight);
    Item->MeasureItem(&Canvas, W, H);
    M->itemWidth = UINT(std::max(W, 0));
    M->itemHeight = UINT(std::max(H, 0));
    Message.Result = 1;
    return true;
  }
  if (Message.Msg == WM_DRAWITEM) {
    auto* D = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
    if (!D || D->CtlType != ODT_MENU) return false;
    auto* Item = reinterpret_cast<TMenuItem*>(D->itemData);
    if (!ItemIsOurs(this, Item)) return false;
    int Saved = SaveDC(D->hDC);
    TScopeExit Restore([&] { RestoreDC(D->hDC, Saved); });
    SelectObject(D->hDC, MenuFont());
    TCanvas Canvas;
    Canvas.SetHandle(D->hDC);
    TScopeExit Detach([&] { Canvas.SetHandle(nullptr); });
    TRect R = Rect(D->rcItem.left, D->rcItem.top, D->rcItem.right, D->rcItem.bottom);
    bool TopLevel = Item->Parent() == Items() && dynamic_cast<TMainMenu*>(this);
    Item->AdvancedDrawItem(&Canvas, R, DrawStateOf(D->itemState), TopLevel);
    Message.Result = 1;
    return true;
  }
  return false;
}

void TMenu::DispatchPopup(HMENU MenuHandle) {
  // Sub-menus opening: the item that opens them gets a click, so it can update them.
  if (!FHandle) return;
  struct Finder {
    static TMenuItem* Find(HMENU Menu, HMENU Wanted) {
      int N = GetMenuItemCount(Menu);
      for (int I = 0; I < N; ++I) {
        MENUITEMINFOW Info{};
        Info.cbSize = sizeof(Info);
        Info.fMask = MIIM_SUBMENU | MIIM_DATA;
        if (!GetMenuItemInfoW(Menu, UINT(I), TRUE, &Info) || !Info.hSubMenu) continue;
        if (Info.hSubMenu == Wanted) return reinterpret_cast<TMenuItem*>(Info.dwItemData);
        if (TMenuItem* Found = Find(Info.hSubMenu, Wanted)) return Found;
      }
      return nullptr;
    }
  };
  if (TMenuItem* Item = Finder::Find(FHandle, MenuHandle))
    if (Item->OnClick) Item->OnClick(Item);
}

TMenuItem* TMenu::FindShortCut(TShortCut Value) const {
  if (Value == scNone) return nullptr;
  struct Finder {
    static TMenuItem* Find(TMenuItem* Parent, TShortCut Value) {
      for (int I = 0; I < Parent->Count(); ++I) {
        TMenuItem* Item = Parent->Items(I);
        if (Item->ShortCut() == Value && Item->Visible()) return Item;
        if (TMenuItem* Found = Find(Item, Value)) return Found;
      }
      return nullptr;
    }
  };
  return Finder::Find(FItems, Value);
}

// ---- TMainMenu --------------------------------------------------------------------

HMENU TMainMenu::CreateMenuHandle() {
  return CreateMenu();
}

void TMainMenu::MenuChanged() {
  // The menu bar of the form (if shown) takes the rebuilt menu.
  HMENU Old = FHandle;
  FHandle = nullptr;
  if (!Old) return;
  HWND Owner = nullptr;
  for (HWND W = GetTopWindow(nullptr); W; W = GetWindow(W, GW_HWNDNEXT))
    if (GetMenu(W) == Old) {
      Owner = W;
      break;
    }
  if (Owner) {
    SetMenu(Owner, Handle());
    DrawMenuBar(Owner);
  }
  DestroyMenu(Old);
}

// ---- TPopupMenu -------------------------------------------------------------------

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {
  if (!PopupList) PopupList = new TPopupList();
  PopupList->Add(this);
}

TPopupMenu::~TPopupMenu() {
  if (PopupList) PopupList->Remove(this);
}

void TPopupMenu::DoPopup() {
  if (OnPopup) OnPopup(this);
}

void TPopupMenu::Popup(int X, int Y) {
  FPopupPoint = {X, Y};
  DoPopup();
  DestroyMenuHandle();  // items may have changed in OnPopup
  HMENU Menu = Handle();
  UINT Flags = TPM_LEFTALIGN;
  if (FAlignment == paRight) Flags = TPM_RIGHTALIGN;
  if (FAlignment == paCenter) Flags = TPM_CENTERALIGN;
  Flags |= FTrackButton == tbRightButton ? TPM_RIGHTBUTTON : TPM_LEFTBUTTON;
  if (!PopupList) PopupList = new TPopupList();
  PopupList->Add(this);
  HWND Owner = PopupList->Window();
  TrackPopupMenu(Menu, Flags, X, Y, 0, Owner, nullptr);
  // The command the menu posted arrives before this popup's handle goes.
  MSG Msg;
  while (PeekMessageW(&Msg, Owner, WM_COMMAND, WM_COMMAND, PM_REMOVE)) DispatchMessageW(&Msg);
  DestroyMenuHandle();
  if (OnClose) OnClose(this);
}

// ---- TPopupList -------------------------------------------------------------------

TPopupList::TPopupList() {
  FWindow = AllocateHWnd([this](TMessage& M) { WndProc(M); }, false);
}

TPopupList::~TPopupList() {
  DeallocateHWnd(FWindow);
  if (PopupList == this) PopupList = nullptr;
}

void TPopupList::Add(TPopupMenu* Menu) {
  if (std::find(FItems.begin(), FItems.end(), Menu) == FItems.end()) FItems.push_back(Menu);
}

void TPopupList::Remove(TPopupMenu* Menu) {
  std::erase(FItems, Menu);
}

void TPopupList::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_COMMAND:
      for (TPopupMenu* Menu : std::vector<TPopupMenu*>(FItems))
        if (Menu->DispatchCommand(LOWORD(Message.WParam))) return;
      break;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      for (TPopupMenu* Menu : FItems)
        if (Menu->DispatchOwnerDraw(Message)) return;
      break;
    case WM_INITMENUPOPUP:
      for (TPopupMenu* Menu : FItems) Menu->DispatchPopup(reinterpret_cast<HMENU>(Message.WParam));
      break;
  }
  if (FWindow)
    Message.Result = DefWindowProcW(FWindow, Message.Msg, Message.WParam, Message.LParam);
}

}  // namespace qv
