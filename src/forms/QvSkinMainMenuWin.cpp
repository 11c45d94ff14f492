#include <windows.h>

#include <algorithm>

#include "forms/QvMessages.h"
#include "forms/QvPopupListEx.h"
#include "forms/QvSkinMainMenu.h"
#include "forms/QvSkinMenu.h"
#include "graphics/SimpleTimer.h"
#include "host/ControlsWin.h"
#include "host/Font.h"
#include "host/Form.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "raster/Bitmap32.h"

namespace qv {

namespace {

HWND WndOf(TCustomForm* F) {
  return F && F->HandleAllocated() ? HWND(F->Handle()) : nullptr;
}

// The main menu whose popup is open (one at a time on the thread) and the hook that
// watches its keys.
TQvSkinMainMenu* gOpenMenu = nullptr;
HHOOK gKeyHook = nullptr;

// How deep the highlighted path of an open popup goes (0: only the top popup has a
// highlighted item, or none) and whether its last highlighted item opens a submenu.
void HighlightPath(HMENU Menu, int& Depth, bool& LeafHasSub) {
  Depth = 0;
  LeafHasSub = false;
  for (int Level = 0; Menu && Level < 32; ++Level) {
    HMENU Next = nullptr;
    bool Found = false;
    const int Count = GetMenuItemCount(Menu);
    for (int I = 0; I < Count && !Found; ++I) {
      if (!(GetMenuState(Menu, UINT(I), MF_BYPOSITION) & MF_HILITE)) continue;
      Found = true;
      Next = GetSubMenu(Menu, I);
      LeafHasSub = Next != nullptr;
    }
    if (!Found) return;
    Depth = Level;
    Menu = Next;
  }
}

// Left and Right inside an open popup: at the edge of the popup's own levels they move
// to the neighbouring title-bar item, as on a menu bar.
LRESULT CALLBACK MenuKeyFilter(int Code, WPARAM WParam, LPARAM LParam) {
  if (Code == MSGF_MENU && gOpenMenu && LParam) {
    const MSG* M = reinterpret_cast<const MSG*>(LParam);
    if (M->message == WM_KEYDOWN && (M->wParam == VK_LEFT || M->wParam == VK_RIGHT)) {
      TQvSkinNCMenuItem* Cur = gOpenMenu->FocusMenu();
      if (Cur && Cur->MenuData() && Cur->MenuData()->PopupMenu) {
        int Depth;
        bool LeafHasSub;
        HighlightPath(Cur->MenuData()->PopupMenu->Handle(), Depth, LeafHasSub);
        const bool Right = M->wParam == VK_RIGHT;
        if (Right ? !LeafHasSub : Depth == 0) {
          if (TQvSkinNCMenuItem* N = gOpenMenu->Neighbour(Cur, Right ? 1 : -1); N && N != Cur) {
            gOpenMenu->SwitchTo(N);
            return 1;
          }
        }
      }
    }
  }
  return CallNextHookEx(gKeyHook, Code, WParam, LParam);
}

// Widths of text as the platform draws its own popup menus: in the system's menu font.
class TPlatformMenuText {
 public:
  TPlatformMenuText() = default;
  ~TPlatformMenuText() {
    SelectObject(FDC, FOld);
    ReleaseDC(nullptr, FDC);
  }
  TPlatformMenuText(const TPlatformMenuText&) = delete;
  TPlatformMenuText& operator=(const TPlatformMenuText&) = delete;
  int Width(const String& Text) const {
    const String Shown = StripHotkey(Text);
    SIZE S{};
    GetTextExtentPoint32W(FDC, Shown.c_str(), int(Shown.size()), &S);
    return S.cx;
  }

 private:
  HDC FDC = GetDC(nullptr);
  HGDIOBJ FOld = SelectObject(FDC, MenuFont());
};

// Width of the work area of the monitor that shows the form (of the primary one without).
int WorkWidth(TCustomForm* F) {
  TRect R;
  if (HWND H = WndOf(F)) {
    GetMonitorWorkArea(H, true, R);
    return R.Width();
  }
  return GetSystemMetrics(SM_CXSCREEN);
}

}  // namespace

// ---- TQvSkinNCMenuItem ----

TQvSkinNCMenuItem::TQvSkinNCMenuItem(TComponent* AOwner, TQvMainMenuData* AMenuData,
                                     TQvSkinMainMenu* AMainMenu)
    : TQvSkinCustomNCButton(AOwner), FMenuData(AMenuData), FMainMenu(AMainMenu) {
  FMenuData->NCMenuItem = this;
  SetEnabled(FMenuData->Enabled);
  SetCaption(FMenuData->Caption);
  ResetItemSize();
}

TQvSkinNCMenuItem::~TQvSkinNCMenuItem() {
  if (FMainMenu) FMainMenu->ItemGone(this);
}

void TQvSkinNCMenuItem::ResetItemSize() {
  TBitmap32 Measure;
  Measure.SetSize(1, 1);
  if (FMainMenu) Measure.Font()->Assign(FMainMenu->Font());
  // The text is drawn with its accelerator mark, which takes no room.
  TSize T = Measure.TextExtent(StripHotkey(Caption()));
  if (T.cy == 0) T.cy = Measure.TextExtent(L"Wg").cy;
  Pos()->SetWidth(T.cx + 4);
  Pos()->SetHeight(T.cy + 4);
}

bool TQvSkinNCMenuItem::HasPopupItems() const {
  return FMenuData && FMenuData->PopupMenu && FMenuData->PopupMenu->Items()->Count() > 0;
}

void TQvSkinNCMenuItem::OpenPopup() {
  TQvSkinMainMenu* MM = FMainMenu;
  HWND H = WndOf(FForm);
  if (!MM || !H) return;
  MM->FNextFocusMenu = nullptr;
  MM->FLastFocusMenu = this;
  SetDown(true);
  RECT WR;
  GetWindowRect(H, &WR);
  const TRect R = GetRect();
  int X = WR.left + R.Left, Y = WR.top + R.Bottom;
  if (MM->MenuSkin())
    X -= GetDPIScaledPixels(FForm, MM->MenuSkin()->BorderOffset());
  else
    Y += 1;
  // The popup fits on the monitor of the item.
  MONITORINFO Mi{};
  Mi.cbSize = sizeof(Mi);
  if (GetMonitorInfoW(MonitorFromWindow(H, MONITOR_DEFAULTTONEAREST), &Mi))
    X = std::max(X, int(Mi.rcWork.left));
  MM->PopupOpening(this);
  {
    TScopeExit Closed([MM] { MM->PopupClosed(); });
    FMenuData->PopupMenu->Popup(X, Y);
  }
  FClosedAt = GetTickCount();
  FClosedOnce = true;
  // Without an active form nobody hears the menu close; the form handles it once.
  SendMessageW(H, MM_MENUCLOSED, 0, 0);
}

void TQvSkinNCMenuItem::Click() {
  if (!Visible() || !Enabled() || !FMenuData) return;
  if (HasPopupItems())
    OpenPopup();
  else if (FMenuData->OnClick)
    FMenuData->OnClick(this);
  TQvSkinCustomNCButton::Click();
}

void TQvSkinNCMenuItem::MouseEnter() {
  TQvSkinCustomNCButton::MouseEnter();
  if (Visible() && Enabled() && FMainMenu && FMainMenu->FocusMenu() &&
      FMainMenu->FocusMenu() != this)
    FMainMenu->SwitchTo(this);
}

void TQvSkinNCMenuItem::LMouseDown() {
  if (!Visible() || !Enabled() || !FMenuData) return;
  if (!HasPopupItems()) {
    FPressed = true;
    TQvSkinCustomNCButton::LMouseDown();
    return;
  }
  // The press that closed this item's popup comes through after it: it leaves it closed.
  if (FClosedOnce && int32_t(Cardinal(GetMessageTime()) - FClosedAt) <= 0) {
    FClosedOnce = false;
    return;
  }
  OpenPopup();
}

void TQvSkinNCMenuItem::LMouseUp() {
  const bool WasPressed = FPressed;
  FPressed = false;
  TQvSkinNCCtrlBase::LMouseUp();
  if (!Visible() || !Enabled()) return;
  SetState(Down() ? bsPressed : CursorEnter() ? bsHot : bsNormal);
  if (WasPressed && CursorEnter()) Click();
}

void TQvSkinNCMenuItem::Paint(TBitmap32* Canvas) {
  TQvSkinNCCtrlBase::Paint(Canvas);
  if (!FMenuData || !FMenuData->PopupMenu || !FMainMenu) return;
  const int X = Pos()->X(), Y = Pos()->Y(), Two = GetDPIScaledPixels(FForm, 2);
  TRect R{X, Y - Two, X + GetWidth(), Y + GetHeight() + Two};
  if (Enabled() && State() != bsNormal)
    Canvas->FillRectTS(
        R,
        SetAlpha(Color32(State() == bsHot ? FMainMenu->HotColor() : FMainMenu->PressColor()), 128));
  Canvas->Font()->Assign(FMainMenu->Font());
  Canvas->Font()->SetSize(GetDPIScaledFontSize(FForm, FMainMenu->Font()->Size()));
  const TColor Text = Enabled() ? FMainMenu->Font()->Color() : TColor(13092292);
  Canvas->RenderText(TRect{R.Left, R.Top - 1, R.Right, R.Bottom - 1},
                     DT_CENTER | DT_VCENTER | DT_SINGLELINE, Caption(), Color32(Text));
}

void TQvSkinNCMenuItem::DPIChanged() {
  TQvSkinCustomNCButton::DPIChanged();
  ResetItemSize();
}

// ---- TQvSkinMainMenu ----

TQvSkinMainMenu::TQvSkinMainMenu(TCustomForm* AForm, TComponent* AOwner)
    : FForm(AForm),
      FOwner(AOwner),
      FFont(std::make_unique<TFont>()),
      FPos(std::make_unique<TNCCtrlPos>(AForm)) {
  FPos->SetXValue(DefaultPosValue);
  FPos->SetYValue(DefaultPosValue);
  FTrackTimer = std::make_unique<TSimpleTimer>(TrackInterval, [this](TObject*) { Track(); });
  FTrackTimer->SetEnabled(false);
}

TQvSkinMainMenu::~TQvSkinMainMenu() {
  if (gOpenMenu == this) PopupClosed();
  if (FHooked) TryUnHookPopupList();
  // The title-bar items stay with their form; they only forget their records.
  for (auto& D : FMenuList)
    if (D->NCMenuItem) {
      D->NCMenuItem->FMenuData = nullptr;
      D->NCMenuItem->FMainMenu = nullptr;
    }
  FMenuList.clear();
}

void TQvSkinMainMenu::SetMainMenu(TMainMenu* Value) {
  if (FMainMenu == Value) return;
  if (FMainMenu && FOwner) FMainMenu->RemoveFreeNotification(FOwner);
  FMainMenu = Value;
  if (FMainMenu && FOwner) FMainMenu->FreeNotification(FOwner);
  const bool Designing = FOwner && FOwner->ComponentState().Contains(csDesigning);
  if (FMainMenu && !Designing && !FHooked) {
    FHooked = true;
    HookPopupList();
  }
  Refresh();
}

void TQvSkinMainMenu::SetMenuSkin(TQvSkinMenu* Value) {
  if (FMenuSkin == Value) return;
  if (FMenuSkin && FOwner) FMenuSkin->RemoveFreeNotification(FOwner);
  FMenuSkin = Value;
  if (FMenuSkin && FOwner) FMenuSkin->FreeNotification(FOwner);
  Refresh();
}

void TQvSkinMainMenu::SetFont(TFont* Value) {
  FFont->Assign(Value);
  Refresh();
}

void TQvSkinMainMenu::SetSpace(int Value) {
  if (FSpace == Value) return;
  FSpace = Value;
  Refresh();
}

void TQvSkinMainMenu::Refresh() {
  Reset();
  if (HWND H = WndOf(FForm)) SendMessageW(H, MM_INVALIDATE, 0, 0);
}

void TQvSkinMainMenu::ComponentRemoved(TComponent* AComponent) {
  if (AComponent == FMainMenu) {
    FMainMenu = nullptr;
    Reset();
  }
  if (AComponent == FMenuSkin) {
    FMenuSkin = nullptr;
    Reset();
  }
}

void TQvSkinMainMenu::ItemGone(TQvSkinNCMenuItem* Item) {
  for (auto& D : FMenuList)
    if (D->NCMenuItem == Item) D->NCMenuItem = nullptr;
  if (FLastFocusMenu == Item) FLastFocusMenu = nullptr;
  if (FNextFocusMenu == Item) FNextFocusMenu = nullptr;
}

void TQvSkinMainMenu::ClearList() {
  FLastFocusMenu = FNextFocusMenu = nullptr;
  for (auto& D : FMenuList)
    if (TQvSkinNCMenuItem* Item = D->NCMenuItem) {
      Item->FMainMenu = nullptr;
      Item->FMenuData = nullptr;
      // Freed at once: the form forgets it through its free notification.
      delete Item;
    }
  FMenuList.clear();
}

TMenuItem* TQvSkinMainMenu::CloneMenuItem(TMenuItem* Item, const TCaptionFit& Fit) {
  auto* C = new TMenuItem(nullptr);
  C->SetRadioItem(Item->RadioItem());
  C->SetGroupIndex(Item->GroupIndex());
  C->SetCaption(Fit ? Fit(*Item) : Item->Caption());
  C->SetShortCut(Item->ShortCut());
  C->SetChecked(Item->Checked());
  C->SetEnabled(Item->Enabled());
  C->SetDefault(Item->Default());
  C->OnClick = Item->OnClick;
  C->SetHelpContext(Item->HelpContext());
  if (!Item->Name().empty()) C->SetName(Item->Name() + L"Copy");
  C->SetImageIndex(Item->ImageIndex());
  C->SetAutoCheck(Item->AutoCheck());
  C->SetVisible(Item->Visible());
  C->SetTag(Item->Tag());
  C->SetHint(Item->Hint());
  for (int I = 0; I < Item->Count(); ++I) C->Add(CloneMenuItem(Item->Items(I), Fit));
  if (FMenuSkin) FMenuSkin->DrawMenuItem(C);
  return C;
}

void TQvSkinMainMenu::Build() {
  // A popup that is open keeps its items until it closes.
  if (FDone || gOpenMenu == this) return;
  FDone = true;
  ClearList();
  if (!FMainMenu) return;
  // The platform draws the popups without a menu skin and never shortens a caption, so a
  // very long one would push its popup off the screen: the clone shows it cut.
  std::unique_ptr<TPlatformMenuText> Text;
  TCaptionFit Fit;
  if (!FMenuSkin) {
    Text = std::make_unique<TPlatformMenuText>();
    const int MaxWidth = QvMenuMaxItemWidth(WorkWidth(FForm));
    Fit = [&Text, MaxWidth](const TMenuItem& Item) {
      int Room = MaxWidth;
      if (Item.ShortCut() != scNone)
        Room -= kQvMenuShortCutGap + Text->Width(ShortCutToText(Item.ShortCut()));
      return QvFitMenuCaption(Item.Caption(), Room,
                              [&Text](const String& S) { return Text->Width(S); });
    };
  }
  TMenuItem* Root = FMainMenu->Items();
  for (int I = 0; I < Root->Count(); ++I) {
    TMenuItem* Entry = Root->Items(I);
    if (!Entry->Visible()) continue;
    auto D = std::make_unique<TQvMainMenuData>();
    D->PopupMenu = std::make_unique<TPopupMenu>(nullptr);
    D->PopupMenu->SetImages(FMainMenu->Images());
    D->PopupMenu->SetAutoHotkeys(FMainMenu->AutoHotkeys());
    D->PopupMenu->SetAutoLineReduction(FMainMenu->AutoLineReduction());
    D->PopupMenu->SetOwnerDraw(FMenuSkin != nullptr);
    // The menu opens under the item, not from a click on a window.
    D->PopupMenu->SetTrackButton(tbLeftButton);
    for (int J = 0; J < Entry->Count(); ++J)
      D->PopupMenu->Items()->Add(CloneMenuItem(Entry->Items(J), Fit));
    D->Caption = Entry->Caption();
    D->Enabled = Entry->Enabled();
    D->OnClick = Entry->OnClick;
    FMenuList.push_back(std::move(D));
  }
}

void TQvSkinMainMenu::CreateItems() {
  if (!FMainMenu || FDone || gOpenMenu == this) return;
  Build();
  int X = FPos->XValue();
  for (auto& D : FMenuList) {
    auto* Item = new TQvSkinNCMenuItem(FForm, D.get(), this);
    Item->Pos()->SetAlign(FPos->Align());
    Item->Pos()->SetXValue(X);
    Item->Pos()->SetYValue(FPos->YValue());
    Item->SetGroupIndex(99);
    const int Step = Item->Pos()->Width() + FSpace;
    X += FPos->Align() == caLeft ? Step : -Step;
  }
}

bool TQvSkinMainMenu::MenuClosed() {
  if (!FLastFocusMenu) return false;
  TQvSkinNCMenuItem* Item = FLastFocusMenu;
  FLastFocusMenu = nullptr;
  Item->SetDown(false);
  if (Item->CursorEnter() && Item->Enabled()) Item->SetState(bsHot);
  Item->Invalidate();
  return FNextFocusMenu != nullptr;
}

void TQvSkinMainMenu::OpenPending() {
  TQvSkinNCMenuItem* Item = FNextFocusMenu;
  FNextFocusMenu = nullptr;
  if (Item && !FLastFocusMenu) Item->Click();
}

void TQvSkinMainMenu::SwitchTo(TQvSkinNCMenuItem* Item) {
  if (!FLastFocusMenu || !Item || Item == FLastFocusMenu) return;
  if (!Item->Visible() || !Item->Enabled()) return;
  FNextFocusMenu = Item;
  FLastFocusMenu->SetDown(false);
  EndMenu();
}

bool TQvSkinMainMenu::Accelerate(uint16_t Key) {
  std::vector<TQvSkinNCMenuItem*> Hit;
  for (auto& D : FMenuList)
    if (TQvSkinNCMenuItem* Item = D->NCMenuItem;
        Item && Item->Visible() && Item->Enabled() && IsAccel(Key, D->Caption))
      Hit.push_back(Item);
  for (TQvSkinNCMenuItem* Item : Hit) Item->Click();
  return !Hit.empty();
}

TQvSkinNCMenuItem* TQvSkinMainMenu::Neighbour(TQvSkinNCMenuItem* From, int Step) const {
  std::vector<TQvSkinNCMenuItem*> Items;
  for (auto& D : FMenuList)
    if (TQvSkinNCMenuItem* Item = D->NCMenuItem;
        Item && Item->Visible() && Item->Enabled() && Item->HasPopupItems())
      Items.push_back(Item);
  if (Items.empty()) return nullptr;
  auto It = std::find(Items.begin(), Items.end(), From);
  if (It == Items.end()) return Items.front();
  const int N = int(Items.size());
  return Items[size_t(((It - Items.begin()) + Step + N) % N)];
}

void TQvSkinMainMenu::PopupOpening(TQvSkinNCMenuItem*) {
  gOpenMenu = this;
  FTrackTimer->SetEnabled(true);
  if (!gKeyHook)
    gKeyHook = SetWindowsHookExW(WH_MSGFILTER, MenuKeyFilter, nullptr, GetCurrentThreadId());
}

void TQvSkinMainMenu::PopupClosed() {
  FTrackTimer->SetEnabled(false);
  if (gOpenMenu != this) return;
  gOpenMenu = nullptr;
  if (gKeyHook) UnhookWindowsHookEx(gKeyHook);
  gKeyHook = nullptr;
}

void TQvSkinMainMenu::Track() {
  // The menu loop holds the mouse: the form sees no moves, so the pointer is watched here.
  HWND H = WndOf(FForm);
  POINT P;
  if (!H || !FLastFocusMenu || !GetCursorPos(&P) || WindowFromPoint(P) != H) return;
  RECT WR;
  GetWindowRect(H, &WR);
  const TPoint Local{P.x - WR.left, P.y - WR.top};
  for (auto& D : FMenuList)
    if (TQvSkinNCMenuItem* Item = D->NCMenuItem; Item && Item != FLastFocusMenu) {
      const TRect R = Item->GetRect();
      if (R.Left <= Local.X && Local.X < R.Right && R.Top <= Local.Y && Local.Y < R.Bottom) {
        SwitchTo(Item);
        return;
      }
    }
}

void TQvSkinMainMenu::Assign(TPersistent* Source) {
  if (auto* S = dynamic_cast<TQvSkinMainMenu*>(Source)) {
    AssignProperties(*this, Source);
    SetMainMenu(S->MainMenu());
    SetMenuSkin(S->MenuSkin());
    return;
  }
  TPersistent::Assign(Source);
}

const TPropTable& TQvSkinMainMenu::Properties() const {
  using C = TQvSkinMainMenu;
  static const TPropTable Table = TPersistent::Properties().With({
      RefProp(L"MainMenu", &C::MainMenu,
              [](C& M, const String& Name) {
                M.SetMainMenu(dynamic_cast<TMainMenu*>(FindReferencedComponent(M.FOwner, Name)));
              }),
      RefProp(L"MenuSkin", &C::MenuSkin,
              [](C& M, const String& Name) {
                M.SetMenuSkin(dynamic_cast<TQvSkinMenu*>(FindReferencedComponent(M.FOwner, Name)));
              }),
      ObjectProp(L"Font", &C::Font),
      ObjectProp(L"Pos", &C::Pos),
      ColorProp(L"HotColor", &C::HotColor, &C::SetHotColor, DefaultHotColor),
      ColorProp(L"PressColor", &C::PressColor, &C::SetPressColor, DefaultPressColor),
      Prop(L"Space", &C::Space, &C::SetSpace, DefaultSpace),
  });
  return Table;
}

}  // namespace qv
