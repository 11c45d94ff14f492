#include <windows.h>

#include <algorithm>
#include <cmath>

#include "forms/QvLayeredPicture.h"
#include "forms/QvSkinMenu.h"
#include "graphics/QvGR32LibSlicing.h"
#include "host/Canvas.h"
#include "host/ImageList.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "resources/QvSkinResManager.h"

namespace qv {

int gMenuFontQuality = 0;

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinMenu>(), true);

// Set once an item was drawn, cleared by every measure: until then the popup window
// neither erases nor paints its frame, so nothing unskinned flashes.
bool gPaintingStarted = false;

constexpr wchar_t kOldProcProp[] = L"QvSkinMenuOldProc";

LRESULT CALLBACK MenuWindowProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L) {
  auto Old = reinterpret_cast<WNDPROC>(GetPropW(Wnd, kOldProcProp));
  if (!gPaintingStarted && Msg == WM_ERASEBKGND) return 1;
  if (!gPaintingStarted && Msg == WM_NCPAINT) return 0;
  if (Msg == WM_NCDESTROY) {
    SetWindowLongPtrW(Wnd, GWLP_WNDPROC, LONG_PTR(Old));
    RemovePropW(Wnd, kOldProcProp);
  }
  return Old ? CallWindowProcW(Old, Wnd, Msg, W, L) : DefWindowProcW(Wnd, Msg, W, L);
}

bool IsMenuWindowClass(HWND Wnd) {
  wchar_t Name[8] = L"";
  return GetClassNameW(Wnd, Name, 8) == 6 && lstrcmpiW(Name, L"#32768") == 0;
}

// Popup menu windows are caught as they are created: no drop shadow, and the procedure
// above in front of theirs.
LRESULT CALLBACK CallWndHook(int Code, WPARAM W, LPARAM L) {
  LRESULT Result = CallNextHookEx(nullptr, Code, W, L);
  if (Code == HC_ACTION) {
    auto* Msg = reinterpret_cast<CWPSTRUCT*>(L);
    if (Msg->message == WM_CREATE && IsMenuWindowClass(Msg->hwnd) &&
        !GetPropW(Msg->hwnd, kOldProcProp)) {
      SetClassLongPtrW(Msg->hwnd, GCL_STYLE,
                       GetClassLongPtrW(Msg->hwnd, GCL_STYLE) & ~LONG_PTR(CS_DROPSHADOW));
      auto Old = GetWindowLongPtrW(Msg->hwnd, GWLP_WNDPROC);
      SetPropW(Msg->hwnd, kOldProcProp, reinterpret_cast<HANDLE>(Old));
      SetWindowLongPtrW(Msg->hwnd, GWLP_WNDPROC, LONG_PTR(&MenuWindowProc));
    }
  }
  return Result;
}

// The hook and the system's menu effects belong to the skinned menus alive: the first one
// switches the effects off and hooks the thread, the last one puts everything back.
struct TMenuEffects {
  int Users = 0;
  HHOOK Hook = nullptr;
  BOOL SelectionFade = FALSE, MenuFade = FALSE, MenuAnimation = FALSE;
};
TMenuEffects gEffects;

void AcquireMenuEffects() {
  if (gEffects.Users++ > 0) return;
  SystemParametersInfoW(SPI_GETSELECTIONFADE, 0, &gEffects.SelectionFade, 0);
  SystemParametersInfoW(SPI_GETMENUFADE, 0, &gEffects.MenuFade, 0);
  SystemParametersInfoW(SPI_GETMENUANIMATION, 0, &gEffects.MenuAnimation, 0);
  SystemParametersInfoW(SPI_SETSELECTIONFADE, 0, nullptr, SPIF_SENDCHANGE);
  SystemParametersInfoW(SPI_SETMENUFADE, 0, nullptr, 0);
  SystemParametersInfoW(SPI_SETMENUANIMATION, 0, nullptr, 0);
  gEffects.Hook = SetWindowsHookExW(WH_CALLWNDPROC, &CallWndHook, nullptr, GetCurrentThreadId());
}

void ReleaseMenuEffects() {
  if (--gEffects.Users > 0) return;
  if (gEffects.Hook) UnhookWindowsHookEx(gEffects.Hook);
  gEffects.Hook = nullptr;
  SystemParametersInfoW(SPI_SETSELECTIONFADE, 0,
                        reinterpret_cast<void*>(intptr_t(gEffects.SelectionFade)), SPIF_SENDCHANGE);
  SystemParametersInfoW(SPI_SETMENUFADE, 0, reinterpret_cast<void*>(intptr_t(gEffects.MenuFade)),
                        0);
  SystemParametersInfoW(SPI_SETMENUANIMATION, 0,
                        reinterpret_cast<void*>(intptr_t(gEffects.MenuAnimation)), 0);
}

TQvSkinImage* SkinImage(const String& ResID) {
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  return Manager && !ResID.empty() ? Manager->GetImageByName(ResID, true) : nullptr;
}

// The size of one frame of a three-frame strip; 0 x 0 without the picture.
TSize FrameSize(const TBitmap32* Strip) {
  return Strip ? TSize{Strip->Width() / 3, Strip->Height()} : TSize{};
}

// Draws frame Index of a three-frame strip blended at (X, Y).
void DrawFrame(TBitmap32* Dst, TBitmap32* Strip, int Index, TPoint At) {
  if (!Strip) return;
  TSize F = FrameSize(Strip);
  if (F.cx <= 0 || F.cy <= 0) return;
  TDrawMode Old = Strip->DrawMode();
  Strip->SetDrawMode(dmBlend);
  Dst->Draw(At.X, At.Y, Bounds(Index * F.cx, 0, F.cx, F.cy), Strip);
  Strip->SetDrawMode(Old);
}

bool BelongsToMenuBar(const TMenuItem* Item) {
  TMenu* Menu = Item->GetParentMenu();
  return Menu && Item->Parent() == Menu->Items() && dynamic_cast<TMainMenu*>(Menu);
}

TQvMenuItemPlace PlaceOf(const TMenuItem* Item) {
  TQvMenuItemPlace P;
  const TMenuItem* Parent = Item->Parent();
  if (!Parent) return {true, true, 1};
  const TMenuItem *First = nullptr, *Last = nullptr;
  int Count = 0;
  for (int I = 0; I < Parent->Count(); ++I) {
    TMenuItem* C = Parent->Items(I);
    if (!C->Visible()) continue;
    if (!First) First = C;
    Last = C;
    ++Count;
  }
  P.First = Item == First;
  P.Last = Item == Last;
  P.VisibleCount = std::max(Count, 1);
  return P;
}

// A new composed picture of a window size and its background: Menu_bk stretched as nine
// blocks inside the popup's free edge, and drawn onto the picture.
std::unique_ptr<TBitmap32> NewComposed(int W, int H, int BorderWidth, TBitmap32* BgPicture,
                                       TBitmap32& Background) {
  auto Composed = std::make_unique<TBitmap32>();
  Composed->SetSize(W, H);
  Composed->Clear(0);
  Background.SetSize(std::max(W - 2 * BorderWidth, 0), std::max(H - 2 * BorderWidth, 0));
  Background.Clear(0);
  if (BgPicture && !Background.Empty()) StretchBitmap(BgPicture, &Background, true);
  // The whole background at once: the popup's frame lies outside every item and would
  // otherwise stay empty.
  Background.SetDrawMode(dmOpaque);
  Composed->Draw(BorderWidth, BorderWidth, &Background);
  return Composed;
}

}  // namespace

// ---- TMenuWnds ----

TMenuWnds::TMenuWndRec& TMenuWnds::Add(HWND Handle, std::unique_ptr<TBitmap32> Composed,
                                       const TBitmap32& Background) {
  TMenuWndRec Rec;
  Rec.Handle = Handle;
  Rec.hBit = std::move(Composed);
  Rec.BgBmp32 = std::make_unique<TBitmap32>();
  Rec.BgBmp32->Assign(const_cast<TBitmap32*>(&Background));
  FList.push_back(std::move(Rec));
  return FList.back();
}

TMenuWnds::TMenuWndRec* TMenuWnds::GetHBITMAP(HWND Handle) {
  std::erase_if(FList, [](const TMenuWndRec& Rec) {
    RECT R{};
    if (!IsWindow(Rec.Handle) || !IsWindowVisible(Rec.Handle) || !GetWindowRect(Rec.Handle, &R))
      return true;
    // A window handle used again for a popup of another size starts a new picture.
    return R.right - R.left != Rec.hBit->Width() || R.bottom - R.top != Rec.hBit->Height();
  });
  for (TMenuWndRec& Rec : FList)
    if (Rec.Handle == Handle) return &Rec;
  return nullptr;
}

TBitmap32* TMenuWnds::GetBgPng(HWND Handle) {
  for (TMenuWndRec& Rec : FList)
    if (Rec.Handle == Handle) return Rec.BgBmp32.get();
  return nullptr;
}

// ---- TQvSkinMenu ----

TQvSkinMenu::TQvSkinMenu(TComponent* AOwner)
    : TComponent(AOwner),
      FFont(std::make_unique<TFont>()),
      FHotFont(std::make_unique<TFont>()),
      FMenuWnds(std::make_unique<TMenuWnds>()) {
  FFont->SetSize(DefaultFontSize);
  FHotFont->SetSize(DefaultFontSize);
  FHotFont->SetColor(DefaultHotFontColor);
  if (FComponentState.Contains(csDesigning)) return;
  AcquireMenuEffects();
  FHooked = true;
  SetupMenuItems();
}

TQvSkinMenu::~TQvSkinMenu() {
  FMenuWnds.reset();
  if (!FComponentState.Contains(csDesigning)) CleanupMenuItems();
  if (FHooked) ReleaseMenuEffects();
}

TQvMenuMetrics TQvSkinMenu::Metrics() const {
  TQvMenuMetrics M;
  M.BorderOffset = FBorderOffset;
  M.BorderWidth = FBorderWidth;
  M.GlyphBarWidth = FGlyphBarWidth;
  TBitmap32* Hilight = SkinImage(FMenu_hilight);
  M.HilightHeight = Hilight ? Hilight->Height() : -1;
  return M;
}

void TQvSkinMenu::SetupMenuItems() {
  FPending.clear();
  if (TComponent* O = Owner())
    for (int I = 0; I < O->ComponentCount(); ++I)
      if (auto* Item = dynamic_cast<TMenuItem*>(O->Components(I))) SetupMenuItem(Item);
}

void TQvSkinMenu::FlushPending() {
  std::vector<TComponent*> Pending;
  Pending.swap(FPending);
  for (TComponent* C : Pending)
    if (auto* Item = dynamic_cast<TMenuItem*>(C)) SetupMenuItem(Item);
}

bool TQvSkinMenu::IsSetUp(const TMenuItem* Item) const {
  return std::find(FMenuItemList.begin(), FMenuItemList.end(), Item) != FMenuItemList.end();
}

void TQvSkinMenu::SetupMenuItem(TMenuItem* Item) {
  if (!Item || Item->OnAdvancedDrawItem) return;
  Item->OnAdvancedDrawItem = [this](TObject* Sender, TCanvas* ACanvas, const TRect& ARect,
                                    TOwnerDrawState State) {
    AdvancedDrawItemHandler(Sender, ACanvas, ARect, State);
  };
  Item->OnMeasureItem = [this, Item](TObject*, TCanvas* ACanvas, int& W, int& H) {
    MeasureMenuItem(Item, ACanvas, W, H);
  };
  Item->FreeNotification(this);
  FMenuItemList.push_back(Item);
}

void TQvSkinMenu::CleanupMenuItem(TMenuItem* Item) {
  auto It = std::find(FMenuItemList.begin(), FMenuItemList.end(), Item);
  if (It == FMenuItemList.end()) return;
  Item->OnAdvancedDrawItem = nullptr;
  Item->OnMeasureItem = nullptr;
  Item->RemoveFreeNotification(this);
  FMenuItemList.erase(It);
}

void TQvSkinMenu::CleanupMenuItems() {
  while (!FMenuItemList.empty()) CleanupMenuItem(FMenuItemList.back());
}

void TQvSkinMenu::SetupMenus() {
  if (TComponent* O = Owner())
    for (int I = 0; I < O->ComponentCount(); ++I)
      if (auto* Menu = dynamic_cast<TMenu*>(O->Components(I))) Menu->SetOwnerDraw(true);
}

void TQvSkinMenu::Loaded() {
  TComponent::Loaded();
  if (FComponentState.Contains(csDesigning))
    SetupMenus();
  else
    SetupMenuItems();
}

void TQvSkinMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opInsert) {
    if (AComponent == this) return;
    if (FComponentState.Contains(csDesigning)) {
      if (auto* Menu = dynamic_cast<TMenu*>(AComponent)) Menu->SetOwnerDraw(true);
    } else if (AComponent->Owner() == Owner()) {
      // Still being constructed: taken over on the next measure or SetupMenuItems.
      FPending.push_back(AComponent);
    }
    return;
  }
  std::erase(FPending, AComponent);
  auto It = std::find(FMenuItemList.begin(), FMenuItemList.end(), AComponent);
  if (It != FMenuItemList.end()) FMenuItemList.erase(It);
}

void TQvSkinMenu::MeasureMenuItem(TMenuItem* Item, TCanvas* ACanvas, int& Width, int& Height) {
  if (!Item || Item->ComponentState().Contains(csDestroying)) return;
  FlushPending();
  gPaintingStarted = false;
  if (BelongsToMenuBar(Item)) return;
  const TQvMenuMetrics M = Metrics();
  int CaptionW = 0, ShortCutW = 0;
  if (!Item->IsLine() && ACanvas) {
    ACanvas->Font().Assign(FFont.get());
    CaptionW = ACanvas->TextWidth(StripHotkey(Item->Caption()));
    if (Item->ShortCut() != scNone)
      ShortCutW = ACanvas->TextWidth(ShortCutToText(Item->ShortCut()));
  }
  QvMeasureMenuItem(M, Item->IsLine(), CaptionW, ShortCutW, PlaceOf(Item), Width, Height);
  // A very long caption must not push the popup off the screen: it ends in an ellipsis.
  const int MaxWidth = QvMenuMaxItemWidth(GetSystemMetrics(SM_CXSCREEN));
  if (!Item->IsLine() && MaxWidth > 0) Width = std::min(Width, MaxWidth);
}

void TQvSkinMenu::ComposeItem(TBitmap32& Composed, TBitmap32& Background, TMenuItem* Item,
                              const TRect& ARect, TOwnerDrawState State) {
  const TQvMenuMetrics M = Metrics();
  const TQvMenuItemLayout L =
      QvLayoutMenuItem(M, ARect, PlaceOf(Item), FrameSize(SkinImage(FMenu_SubArrow)),
                       FrameSize(SkinImage(FMenu_Check)));
  // The background under the item, copied as it is (the item's old look goes).
  TRect Src = L.Item;
  OffsetRect(Src, -M.BorderWidth, -M.BorderWidth);
  TRect Clipped;
  if (IntersectRect(Clipped, Src, Background.BoundsRect())) {
    Background.SetDrawMode(dmOpaque);
    Composed.Draw(Clipped.Left + M.BorderWidth, Clipped.Top + M.BorderWidth, Clipped, &Background);
  }
  PaintMenuItem(Item, &Composed, State, L);
}

void TQvSkinMenu::AdvancedDrawItemHandler(TObject* Sender, TCanvas* ACanvas, const TRect& ARect,
                                          TOwnerDrawState State) {
  auto* Item = dynamic_cast<TMenuItem*>(Sender);
  if (!Item || !ACanvas || BelongsToMenuBar(Item)) return;
  HDC DC = ACanvas->Handle();
  HWND Wnd = WindowFromDC(DC);
  if (!Wnd || !IsWindow(Wnd)) return;
  FMenuWindowHandle = Wnd;
  RECT WR;
  GetWindowRect(Wnd, &WR);
  // The item rectangle moved onto the window picture: by where the device context's origin
  // lies in the window (the popup's frame, when the platform draws items in client
  // coordinates).
  POINT Org{0, 0};
  GetDCOrgEx(DC, &Org);
  TRect R = ARect;
  OffsetRect(R, Org.x - WR.left, Org.y - WR.top);
  const int W = WR.right - WR.left, H = WR.bottom - WR.top;
  LONG_PTR Ex = GetWindowLongPtrW(Wnd, GWL_EXSTYLE);
  if (!(Ex & WS_EX_LAYERED)) SetWindowLongPtrW(Wnd, GWL_EXSTYLE, Ex | WS_EX_LAYERED);

  TMenuWnds::TMenuWndRec* Rec = FMenuWnds->GetHBITMAP(Wnd);
  if (!Rec) {
    TBitmap32 Background;
    auto Composed = NewComposed(W, H, FBorderWidth, SkinImage(FMenu_bk), Background);
    Rec = &FMenuWnds->Add(Wnd, std::move(Composed), Background);
  }
  ComposeItem(*Rec->hBit, *Rec->BgBmp32, Item, R, State);
  const bool Selected = State.Contains(odSelected);
  // Pushed when the first paint is complete, when an item becomes selected, and when the
  // selected item loses its selection (the mouse left the popup).
  const bool Push = PlaceOf(Item).Last || Selected || Rec->Selected == Item;
  if (Selected)
    Rec->Selected = Item;
  else if (Rec->Selected == Item)
    Rec->Selected = nullptr;
  if (Push) UpdateLayeredPicture(Wnd, *Rec->hBit);
  gPaintingStarted = true;
}

void TQvSkinMenu::PaintMenuItem(TMenuItem* Item, TBitmap32* Bitmap, TOwnerDrawState State,
                                const TQvMenuItemLayout& L) {
  const bool Enabled = Item->Enabled();
  const bool Selected = State.Contains(odSelected);
  const bool HasSub = Item->Count() > 0;
  TBitmap32* Arrow = SkinImage(FMenu_SubArrow);

  TFont* Source = Selected || State.Contains(odHotLight) ? FHotFont.get() : FFont.get();
  if (Source == FHotFont.get()) FHotFont->SetSize(FFont->Size());
  Bitmap->Font()->Assign(Source);
  if (!Enabled) Bitmap->Font()->SetColor(DisabledTextColor);
  if (Item->Default()) Bitmap->Font()->SetStyle(Bitmap->Font()->Style() + TFontStyles{fsBold});

  TCustomImageList* Images = Item->GetParentMenu() ? Item->GetParentMenu()->Images() : nullptr;
  const bool HasImage = Images && Item->ImageIndex() >= 0 && Item->ImageIndex() < Images->Count();
  auto DrawCheck = [&] {
    if (!Item->Checked() || HasImage) return;
    TBitmap32* Strip = SkinImage(Item->RadioItem() ? FMenu_Radio : FMenu_Check);
    DrawFrame(Bitmap, Strip, QvMenuGlyphFrame(Selected, Enabled), L.Check);
  };

  if (Selected && Enabled) {
    if (TBitmap32* Hilight = SkinImage(FMenu_hilight); Hilight && !L.Hilight.IsEmpty()) {
      auto Sized = ResizeImg(Hilight, L.Hilight.Width(), L.Hilight.Height());
      Sized->SetDrawMode(dmBlend);
      Bitmap->Draw(L.Hilight.Left, L.Hilight.Top, Sized.get());
    }
    if (HasSub)
      DrawFrame(Bitmap, Arrow, 1, L.Arrow);
    else
      DrawCheck();
  } else if (HasSub) {
    DrawFrame(Bitmap, Arrow, QvMenuGlyphFrame(false, Enabled), L.Arrow);
  } else {
    DrawCheck();
  }

  if (HasImage) {
    const int X = L.Glyph.Left + int(std::lrint((L.Glyph.Width() - Images->Width()) / 2.0));
    const int Y = L.Glyph.Top + int(std::lrint((L.Glyph.Height() - Images->Height()) / 2.0));
    if (TCanvas* C = Bitmap->Canvas()) Images->Draw(*C, X, Y, Item->ImageIndex(), true);
  }

  if (Item->IsLine()) {
    Bitmap->HorzLineS(L.LineFrom.X, L.LineFrom.Y, L.LineTo.X, Color32(FLineColor));
    return;
  }
  UINT Flags = DT_VCENTER | DT_SINGLELINE;
  const TColor32 Color = Color32(Bitmap->Font()->Color());
  Bitmap->RenderText(L.Text, Flags | DT_END_ELLIPSIS, Item->Caption(), gMenuFontQuality, Color);
  if (Item->ShortCut() != scNone)
    Bitmap->RenderText(L.ShortCut, Flags | DT_RIGHT, ShortCutToText(Item->ShortCut()),
                       gMenuFontQuality, Color);
}

void TQvSkinMenu::RenderPopup(TMenuItem* Parent, TBitmap32& Dst, int SelectedIndex, int WindowWidth,
                              std::vector<TRect>* ItemRects) {
  std::vector<TMenuItem*> Items;
  for (int I = 0; I < Parent->Count(); ++I)
    if (Parent->Items(I)->Visible()) Items.push_back(Parent->Items(I));
  std::vector<int> Widths(Items.size()), Heights(Items.size());
  std::vector<TRect> Rects(Items.size());
  {
    HDC Screen = GetDC(nullptr);
    TScopeExit Release([&] { ReleaseDC(nullptr, Screen); });
    TCanvas Canvas;
    Canvas.SetHandle(Screen);
    TScopeExit Detach([&] { Canvas.SetHandle(nullptr); });
    for (size_t I = 0; I < Items.size(); ++I) {
      Widths[I] = 10;
      Heights[I] = 16;
      MeasureMenuItem(Items[I], &Canvas, Widths[I], Heights[I]);
    }
  }
  TSize Size =
      QvLayoutMenuPopup(Metrics(), Widths.data(), Heights.data(), int(Items.size()), Rects.data());
  // The platform widens owner-drawn items by a check mark's width.
  const int Wider = WindowWidth > 0 ? WindowWidth - Size.cx : GetSystemMetrics(SM_CXMENUCHECK) - 1;
  Size.cx += Wider;
  for (TRect& R : Rects) R.Right += Wider;
  TBitmap32 Background;
  auto Composed = NewComposed(Size.cx, Size.cy, FBorderWidth, SkinImage(FMenu_bk), Background);
  for (size_t I = 0; I < Items.size(); ++I) {
    TOwnerDrawState State;
    if (int(I) == SelectedIndex) State.Include(odSelected);
    if (!Items[I]->Enabled()) State.Include(odDisabled);
    ComposeItem(*Composed, Background, Items[I], Rects[I], State);
  }
  Dst.Assign(Composed.get());
  if (ItemRects) *ItemRects = Rects;
}

const TPropTable& TQvSkinMenu::Properties() const {
  using C = TQvSkinMenu;
  static const TPropTable Table = TComponent::Properties().With({
      ObjectProp(L"Font", &C::Font),
      ObjectProp(L"HotFont", &C::HotFont),
      ColorProp(L"LineColor", &C::LineColor, &C::SetLineColor, DefaultLineColor),
      ResIDProp(L"Menu_bk", &C::Menu_bk, &C::SetMenu_bk, DefaultMenu_bk),
      ResIDProp(L"Menu_hilight", &C::Menu_hilight, &C::SetMenu_hilight, DefaultMenu_hilight),
      ResIDProp(L"Menu_Check", &C::Menu_Check, &C::SetMenu_Check, DefaultMenu_Check),
      ResIDProp(L"Menu_Radio", &C::Menu_Radio, &C::SetMenu_Radio, DefaultMenu_Radio),
      ResIDProp(L"Menu_SubArrow", &C::Menu_SubArrow, &C::SetMenu_SubArrow, DefaultMenu_SubArrow),
      Prop(L"BorderOffset", &C::BorderOffset, &C::SetBorderOffset, DefaultBorderOffset),
      Prop(L"BorderWidth", &C::BorderWidth, &C::SetBorderWidth, DefaultBorderWidth),
      Prop(L"GlyphBarWidth", &C::GlyphBarWidth, &C::SetGlyphBarWidth, DefaultGlyphBarWidth),
  });
  return Table;
}

}  // namespace qv
