#include <windows.h>

#include <algorithm>

#include "controls/QvAccessibleWin.h"
#include "controls/QvSkinPageControl.h"
#include "forms/QvMessages.h"
#include "graphics/BitmapHelperDC.h"
#include "graphics/QvComm.h"
#include "graphics/QvGR32LibSlicing.h"
#include "host/Canvas.h"
#include "host/Font.h"
#include "host/Menus.h"
#include "host/Messages.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "resources/QvSkinIntf.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered =
    (RegisterComponentClass<TQvSkinPageControl>(), RegisterComponentClass<TQvSkinTabSheet>(), true);

// Flat tab colours at design time.
constexpr TColor kDesignActiveTab = TColor(0xC7F9), kDesignTab = TColor(0xD4CEC1);

}  // namespace

// ---- sheet --------------------------------------------------------------------------

TQvSkinCustomTabSheet::TQvSkinCustomTabSheet(TComponent* AOwner) : TQvSkinCustomControl(AOwner) {
  SetAlign(alClient);
  FControlStyle.Include(csAcceptsControls);
  SetVisible(false);
}

TQvSkinCustomTabSheet::~TQvSkinCustomTabSheet() {
  if (FPageControl) FPageControl->RemovePage(this);
}

void TQvSkinCustomTabSheet::SetPageControl(TQvSkinPageControl* Value) {
  if (FPageControl == Value) return;
  SetParent(Value);
}

int TQvSkinCustomTabSheet::PageIndex() const {
  if (!FPageControl) return -1;
  const auto& P = FPageControl->FPages;
  return int(std::find(P.begin(), P.end(), this) - P.begin());
}

void TQvSkinCustomTabSheet::SetPageIndex(int Value) {
  if (!FPageControl) return;
  auto& P = FPageControl->FPages;
  const int From = PageIndex();
  Value = std::clamp(Value, 0, int(P.size()) - 1);
  if (From == Value) return;
  P.erase(P.begin() + From);
  P.insert(P.begin() + Value, this);
  FPageControl->TabsChanged();
}

void TQvSkinCustomTabSheet::SetTabVisible(bool Value) {
  if (FTabVisible == Value) return;
  FTabVisible = Value;
  if (FPageControl) FPageControl->TabsChanged();
}

void TQvSkinCustomTabSheet::SetTabNormalImage(const TQvResID& Value) {
  if (UpdateField(FTabNormalImage, Value) && FPageControl) FPageControl->Invalidate();
}
void TQvSkinCustomTabSheet::SetTabHotImage(const TQvResID& Value) {
  if (UpdateField(FTabHotImage, Value) && FPageControl) FPageControl->Invalidate();
}
void TQvSkinCustomTabSheet::SetTabDownImage(const TQvResID& Value) {
  if (UpdateField(FTabDownImage, Value) && FPageControl) FPageControl->Invalidate();
}

void TQvSkinCustomTabSheet::DrawBody(TBitmap32* Bitmap) {
  const int W = Width(), H = Height();
  // Behind the sheet lies the page control's picture: washed with Color at Alpha over a
  // transparent page control, plain Color otherwise.
  const bool Wash = !Designing() && FAlpha != 255 && FPageControl && FPageControl->Transparent();
  Bitmap->FillRectTS(0, 0, W, H, qv::SetAlpha(Color32(Color()), Wash ? FAlpha : 255));
  if (!FFrameVisible) return;
  const TColor32 Frame = qv::SetAlpha(Color32(FFrameColor), 255);
  Bitmap->VertLineS(0, 0, H, Frame);
  Bitmap->HorzLineS(0, 0, W, Frame);
  Bitmap->VertLineS(W - 1, 0, H, Frame);
  Bitmap->HorzLineS(0, H - 1, W, Frame);
}

void TQvSkinCustomTabSheet::WndProc(TMessage& Message) {
  TQvSkinCustomControl::WndProc(Message);
  if (Message.Msg == CM_TEXTCHANGED && FPageControl) FPageControl->TabsChanged();
}

TQvAccessibleInfo TQvSkinCustomTabSheet::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinCustomControl::AccessibleInfo();
  Info.Role = arGrouping;
  SetAccessibleCaption(Info, Caption());
  Info.KeyboardShortcut.clear();
  return Info;
}

const TPropTable& TQvSkinCustomTabSheet::Properties() const {
  using C = TQvSkinCustomTabSheet;
  static const TPropTable Table = TQvSkinCustomControl::Properties().With({
      Prop(L"Alpha", &C::Alpha, &C::SetAlpha, DefaultAlpha),
      ColorProp(L"FrameColor", &C::FrameColor, &C::SetFrameColor, DefaultFrameColor),
      Prop(L"FrameVisible", &C::FrameVisible, &C::SetFrameVisible, true),
      ResIDProp(L"TabDownImage", &C::TabDownImage, &C::SetTabDownImage),
      ResIDProp(L"TabHotImage", &C::TabHotImage, &C::SetTabHotImage),
      ResIDProp(L"TabNormalImage", &C::TabNormalImage, &C::SetTabNormalImage),
      Prop(L"TabVisible", &C::TabVisible, &C::SetTabVisible, true),
  });
  return Table;
}

// ---- page control -------------------------------------------------------------------

TQvSkinPageControl::TQvSkinPageControl(TComponent* AOwner)
    : TQvSkinCustomControl(AOwner),
      FTabCaptionOffset(std::make_unique<TQvBtnItemOffset>()),
      FTabImageOffset(std::make_unique<TQvBtnItemOffset>()),
      FTabsOffset(std::make_unique<TQvBtnItemOffset>()),
      FFontActive(std::make_unique<TFont>()),
      FFontHot(std::make_unique<TFont>()),
      FCaptionLight(std::make_unique<TQvLightClass>()) {
  FControlStyle.Include(csAcceptsControls);
  SetColor(clBtnFace);
  FTabCaptionOffset->SetX(5);
  FTabCaptionOffset->SetY(5);
  FTabsOffset->OnChanged = [this](TObject*) { Invalidate(); };
  FTabCaptionOffset->OnChanged = FTabsOffset->OnChanged;
  FTabImageOffset->OnChanged = FTabsOffset->OnChanged;
  SetWidth(289);
  SetHeight(193);
}

TQvSkinPageControl::~TQvSkinPageControl() {
  // Pages outliving the control (owned elsewhere) forget it.
  for (TQvSkinCustomTabSheet* P : FPages) P->FPageControl = nullptr;
}

void TQvSkinPageControl::InsertControl(TControl* AControl) {
  TQvSkinCustomControl::InsertControl(AControl);
  if (auto* Page = dynamic_cast<TQvSkinCustomTabSheet*>(AControl)) AddPage(Page);
}

void TQvSkinPageControl::RemoveControl(TControl* AControl) {
  for (TQvSkinCustomTabSheet* P : FPages)
    if (static_cast<TControl*>(P) == AControl) {
      RemovePage(P);
      break;
    }
  TQvSkinCustomControl::RemoveControl(AControl);
}

void TQvSkinPageControl::AddPage(TQvSkinCustomTabSheet* Page) {
  if (std::find(FPages.begin(), FPages.end(), Page) != FPages.end()) return;
  FPages.push_back(Page);
  Page->FPageControl = this;
  if (!FActivePage) SetActivePage(Page);
  TabsChanged();
}

void TQvSkinPageControl::RemovePage(TQvSkinCustomTabSheet* Page) {
  auto It = std::find(FPages.begin(), FPages.end(), Page);
  if (It == FPages.end()) return;
  const bool WasActive = Page == FActivePage;
  TQvSkinCustomTabSheet* Next = WasActive ? FindNextPage(Page, true) : nullptr;
  FPages.erase(It);
  Page->FPageControl = nullptr;
  if (FNewTabSheet == Page) FNewTabSheet = nullptr;
  FActiveTab = FActiveTabIndex = -1;
  if (WasActive) {
    FActivePage = nullptr;
    if (Next != Page) ShowPage(Next);
  }
  TabsChanged();
}

void TQvSkinPageControl::TabsChanged() {
  if (Destroying()) return;
  if (HandleAllocated()) Realign();
  Invalidate();
}

int TQvSkinPageControl::ActivePageIndex() const {
  return FActivePage ? FActivePage->PageIndex() : -1;
}

void TQvSkinPageControl::SetActivePageIndex(int Value) {
  SetActivePage(Value >= 0 && Value < PageCount() ? FPages[size_t(Value)] : nullptr);
}

void TQvSkinPageControl::SetActivePage(TQvSkinCustomTabSheet* Value) {
  if (Value && Value->FPageControl != this) return;
  if (Value == FActivePage) return;
  ShowPage(Value);
}

void TQvSkinPageControl::ShowPage(TQvSkinCustomTabSheet* Page) {
  TQvSkinCustomTabSheet* Old = FActivePage;
  FActivePage = Page;
  if (Page) {
    Page->SetVisible(true);
    Page->BringToFront();
  }
  if (Old && Old != Page) Old->SetVisible(false);
  Invalidate();
  const int Tab = TabIndex();
  if (Tab >= 0) NotifyAccessibleChild(this, aeStateChange, Tab);
}

int TQvSkinPageControl::TabIndex() const {
  int Visible = 0;
  for (TQvSkinCustomTabSheet* P : FPages) {
    if (!P->TabVisible()) continue;
    if (P == FActivePage) return Visible;
    ++Visible;
  }
  return -1;
}

TQvSkinCustomTabSheet* TQvSkinPageControl::VisiblePage(int Index) const {
  for (TQvSkinCustomTabSheet* P : FPages)
    if (P->TabVisible() && Index-- == 0) return P;
  return nullptr;
}

TQvSkinCustomTabSheet* TQvSkinPageControl::FindNextPage(TQvSkinCustomTabSheet* CurPage,
                                                        bool GoForward) const {
  const int N = PageCount();
  if (N == 0) return nullptr;
  int Start = CurPage ? CurPage->PageIndex() : -1;
  if (Start < 0 || Start >= N) Start = GoForward ? N - 1 : 0;
  int I = Start;
  for (int Step = 0; Step < N; ++Step) {
    I = GoForward ? (I + 1) % N : (I + N - 1) % N;
    if (FPages[size_t(I)]->TabVisible()) return FPages[size_t(I)];
  }
  return nullptr;
}

void TQvSkinPageControl::SelectNextPage(bool GoForward) {
  TQvSkinCustomTabSheet* Next = FindNextPage(FActivePage, GoForward);
  if (!Next || Next == FActivePage) return;
  FNewTabSheet = Next;
  SetActivePage(Next);
  Change();
}

bool TQvSkinPageControl::CanChange() {
  bool Allow = true;
  if (OnQvTabChanging)
    OnQvTabChanging(this, static_cast<TQvSkinTabSheet*>(FNewTabSheet), Allow);
  else if (OnChanging)
    OnChanging(this, Allow);
  return Allow;
}

void TQvSkinPageControl::Change() {
  if (OnChange) OnChange(this);
  if (FActivePage) FActivePage->Invalidate();
}

// ---- tab strip ----------------------------------------------------------------------

void TQvSkinPageControl::SetTabWidthAutoSize(bool Value) {
  Change(FTabWidthAutoSize, Value);
}

void TQvSkinPageControl::SetDefaultItemHeight(int Value) {
  if (FDefaultItemHeight == Value) return;
  FDefaultItemHeight = Value;
  UpDateTabs();
}

void TQvSkinPageControl::SetTabHeight(int Value) {
  if (FTabHeight == Value) return;
  FTabHeight = Value;
  UpDateTabs();
}

void TQvSkinPageControl::SetTabWidth(int Value) {
  if (FTabWidth == Value) return;
  FTabWidth = Value;
  UpDateTabs();
}

void TQvSkinPageControl::SetTabPosition(TTabPosition Value) {
  if (FTabPosition == Value) return;
  FTabPosition = Value;
  UpDateTabs();
}

void TQvSkinPageControl::UpDateTabs() {
  TabsChanged();
}

TTabStripLayout TQvSkinPageControl::StripLayout() const {
  TTabStripLayout L;
  L.Position = FTabPosition;
  L.ClientWidth = ClientWidth();
  L.ClientHeight = ClientHeight();
  L.TabHeight = GetDPIScaledPixels(this, FTabHeight > 0 ? FTabHeight : FDefaultItemHeight);
  L.TabWidth = GetDPIScaledPixels(this, FTabWidth);
  L.Hidden = FHideTabs;
  int Visible = 0;
  TBitmap32 Measure;
  for (TQvSkinCustomTabSheet* P : FPages) {
    if (!P->TabVisible()) continue;
    ++Visible;
    Measure.Font()->Assign(P->Font());
    L.OwnWidths.push_back(Measure.TextWidth(P->Caption()) + GetDPIScaledPixels(this, TabPadding));
  }
  if (FTabWidthAutoSize) {
    L.AutoSize = true;
    L.TabWidth = AutoTabWidth(ClientWidth(), std::max(PageCount(), 1));
  }
  if (!Designing()) L.Offset = {FTabsOffset->X(), FTabsOffset->Y()};
  return L;
}

std::vector<TRect> TQvSkinPageControl::TabRectsNow() const {
  return TabRects(StripLayout());
}

TRect TQvSkinPageControl::GetItemRect(int Index) const {
  const std::vector<TRect> R = TabRectsNow();
  return Index >= 0 && Index < int(R.size()) ? R[size_t(Index)] : TRect{};
}

int TQvSkinPageControl::IndexOfTabAt(TPoint P) const {
  return TabAt(TabRectsNow(), P);
}

void TQvSkinPageControl::AdjustClientRect(TRect& Rect) {
  TQvSkinCustomControl::AdjustClientRect(Rect);
  Rect = PageRect(StripLayout());
}

void TQvSkinPageControl::Resize() {
  TQvSkinCustomControl::Resize();
  Invalidate();
}

void TQvSkinPageControl::HideTabs() {
  if (FHideTabs || !FindNextPage(nullptr, true)) return;
  FHideTabs = true;
  FOldTabPosition = FTabPosition;
  if (FTabPosition == tpLeft || FTabPosition == tpRight) FTabPosition = tpTop;
  FOldTabHeight = FTabHeight;
  FTabHeight = 1;
  FActiveTab = FActiveTabIndex = -1;
  TabsChanged();
}

void TQvSkinPageControl::ShowTabs() {
  if (!FHideTabs) return;
  FTabPosition = FOldTabPosition;
  FHideTabs = false;
  FTabHeight = std::max(FOldTabHeight, 0);  // 0 takes DefaultItemHeight again
  FOldTabHeight = -1;
  TabsChanged();
}

void TQvSkinPageControl::RefreshSheets() {
  if (FActivePage && FActivePage->HandleAllocated())
    PostMessageW(FActivePage->Handle(), CWM_CHECKPARENTBG, 0, 0);
}

// ---- painting -----------------------------------------------------------------------

void TQvSkinPageControl::DrawBody(TBitmap32* Bitmap) {
  if (FHideTabs || FPages.empty()) return;
  const std::vector<TRect> Rects = TabRectsNow();
  const int Active = TabIndex();
  int Visible = 0;
  for (size_t P = 0; P < FPages.size(); ++P) {
    if (!FPages[P]->TabVisible()) continue;
    DrawTab(Bitmap, int(P), Rects[size_t(Visible)], Visible == Active, Visible == FActiveTabIndex);
    ++Visible;
  }
  if (Focused() && ShowsFocusCues() && Active >= 0) DrawFocusCue(*Bitmap, Rects[size_t(Active)]);
}

void TQvSkinPageControl::DrawTab(TBitmap32* Bitmap, int PageIndex, const TRect& R, bool Active,
                                 bool Hot) {
  if (FHideTabs || PageIndex < 0 || PageIndex >= PageCount() || R.IsEmpty()) return;
  TQvSkinCustomTabSheet* Page = FPages[size_t(PageIndex)];
  const int W = R.Width(), H = R.Height();
  TBitmap32 Tab;
  Tab.SetSize(W, H);
  // What lies under the tab: the captured background (or Color) drawn by the base.
  Tab.Draw(0, 0, R, Bitmap);
  if (Designing()) {
    Tab.Clear(qv::SetAlpha(Color32(Active ? kDesignActiveTab : kDesignTab), 255));
  } else {
    const TQvResID& Icon = Active ? Page->TabDownImage()
                           : Hot  ? Page->TabHotImage()
                                  : Page->TabNormalImage();
    const TQvResID& Back = Active ? FTabDownPicture : Hot ? FTabHotPicture : FTabNormalPicture;
    if (TQvSkinImage* Picture = SkinPicture(Back)) StretchBitmap(Picture, &Tab, false);
    if (TQvSkinImage* Image = SkinPicture(Icon)) {
      int X = 0, Y = 0;
      if (FTabWidthAutoSize) {
        X = (W - Image->Width()) / 2;
        Y = (H - Image->Height()) / 2;
      }
      Tab.Draw(X + FTabImageOffset->X(), Y + FTabImageOffset->Y(), Image);
    }
  }
  int CX = 0, CY = 0;
  if (FTabWidthAutoSize) {
    // Measured with the surface's first font: the caption starts near the middle.
    const TSize A = Tab.TextExtent(L"A");
    CX = (W - A.cx) / 2;
    CY = (H - A.cy) / 2;
  }
  TFont* F = Active ? FFontActive.get() : Hot ? FFontHot.get() : Page->Font();
  Tab.Font()->Assign(F);
  const int TX = CX + GetDPIScaledPixels(this, FTabCaptionOffset->X());
  const int TY = CY + GetDPIScaledPixels(this, FTabCaptionOffset->Y());
  const String& Caption = Page->Caption();
  if (FCaptionLight->Active() && !Caption.empty() && !Designing()) {
    // The glow covers the caption's own rectangle, under the caption.
    const TSize T = Tab.TextExtent(Caption);
    TRect G = Rect(TX, TY, TX + T.cx, TY + T.cy);
    auto Updating = UpdateScope(Tab);
    if (TCanvas* Canvas = Tab.Canvas()) {
      Canvas->Font().Assign(F);
      DrawEffectText(*Canvas, G, Caption, DT_SINGLELINE | DT_VCENTER, 0, FCaptionLight->Color(),
                     FCaptionLight->BlurRadius());
    }
  }
  Tab.RenderText(TX, TY, Caption, 0, qv::SetAlpha(Color32(F->Color()), 255));
  if (OnQvDrawTab) OnQvDrawTab(PageIndex, R, Active, Hot, &Tab);
  Bitmap->Draw(R.Left, R.Top, &Tab);
}

// ---- mouse and keys -----------------------------------------------------------------

void TQvSkinPageControl::TestActive(int X, int Y, bool FromClick) {
  if (FHideTabs || Designing()) return;
  const int OldIndex = FActiveTabIndex;
  FActiveTabIndex = IndexOfTabAt({X, Y});
  TQvSkinCustomTabSheet* P = VisiblePage(FActiveTabIndex);
  FActiveTab = P ? P->PageIndex() : -1;
  if (FromClick && TabIndex() == OldIndex) return;
  if (FActiveTabIndex == OldIndex) return;
  const int Selected = TabIndex();
  if ((OldIndex >= 0 && OldIndex != Selected) ||
      (FActiveTabIndex >= 0 && FActiveTabIndex != Selected))
    Invalidate();
}

void TQvSkinPageControl::MouseMove(TShiftState Shift, int X, int Y) {
  TQvSkinCustomControl::MouseMove(Shift, X, Y);
  TestActive(X, Y, false);
}

void TQvSkinPageControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TQvSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || FHideTabs) return;
  TestActive(X, Y, true);
  TQvSkinCustomTabSheet* Page = VisiblePage(IndexOfTabAt({X, Y}));
  if (!Page) return;
  if (CanFocus()) SetFocus();
  if (Page == FActivePage) return;
  FNewTabSheet = Page;
  if (!CanChange()) return;
  SetActivePage(Page);
  Change();
}

void TQvSkinPageControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TQvSkinCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft) TestActive(X, Y, true);
}

void TQvSkinPageControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_CHILDKEY:
      // Ctrl+Tab and Ctrl+Shift+Tab while the control or one of its children has the focus.
      if (Message.WParam == VK_TAB && (GetKeyState(VK_CONTROL) & 0x8000) != 0) {
        SelectNextPage((GetKeyState(VK_SHIFT) & 0x8000) == 0);
        Message.Result = 1;
        return;
      }
      break;
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS;
      return;
    case WM_KEYDOWN:
      if (Message.WParam == VK_LEFT || Message.WParam == VK_RIGHT || Message.WParam == VK_UP ||
          Message.WParam == VK_DOWN) {
        SelectNextPage(Message.WParam == VK_RIGHT || Message.WParam == VK_DOWN);
        return;
      }
      break;
    case CM_MOUSELEAVE:
      TQvSkinCustomControl::WndProc(Message);
      if (!FHideTabs) {
        const int Old = FActiveTabIndex;
        FActiveTab = FActiveTabIndex = -1;
        if (Old >= 0) Invalidate();
      }
      return;
    case CWM_CHECKPARENTBG:
      TQvSkinCustomControl::WndProc(Message);
      RefreshSheets();
      return;
  }
  TQvSkinCustomControl::WndProc(Message);
}

// ---- accessibility ------------------------------------------------------------------

TQvAccessibleInfo TQvSkinPageControl::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinCustomControl::AccessibleInfo();
  Info.Role = arPageTabList;
  Info.State.Include(asFocusable);
  if (FActivePage) Info.Value = StripHotkey(FActivePage->Caption());
  return Info;
}

int TQvSkinPageControl::AccessibleChildCount() const {
  return int(std::count_if(FPages.begin(), FPages.end(), [](auto* P) { return P->TabVisible(); }));
}

TQvAccessibleChild TQvSkinPageControl::AccessibleChild(int Index) const {
  TQvAccessibleChild C;
  C.Bounds = GetItemRect(Index);
  C.Info.Role = arPageTab;
  C.Info.State.Include(asSelectable);
  if (TQvSkinCustomTabSheet* P = VisiblePage(Index)) {
    SetAccessibleCaption(C.Info, P->Caption());
    if (P == FActivePage) C.Info.State.Include(asSelected);
    if (!P->Enabled()) C.Info.State.Include(asDisabled);
  }
  if (Index == FActiveTabIndex) C.Info.State.Include(asHot);
  if (FHideTabs) C.Info.State.Include(asInvisible);
  C.Info.DefaultAction = L"Switch";
  return C;
}

bool TQvSkinPageControl::DoAccessibleChildAction(int Index) {
  TQvSkinCustomTabSheet* P = VisiblePage(Index);
  if (!P) return false;
  if (P != FActivePage) {
    FNewTabSheet = P;
    if (!CanChange()) return true;
    SetActivePage(P);
    Change();
  }
  return true;
}

// ---- object text form ---------------------------------------------------------------

const TPropTable& TQvSkinPageControl::Properties() const {
  using C = TQvSkinPageControl;
  static const auto CaptionOffset = [] {
    auto O = std::make_unique<TQvBtnItemOffset>();
    O->SetX(5);
    O->SetY(5);
    return O;
  }();
  static const TPropTable Table = TQvSkinCustomControl::Properties().With({
      ObjectProp(L"CaptionLight", &C::CaptionLight),
      Prop(L"DefaultItemHeight", &C::DefaultItemHeight, &C::SetDefaultItemHeight,
           DefaultDefaultItemHeight),
      ObjectProp(L"FontActive", &C::FontActive),
      ObjectProp(L"FontHot", &C::FontHot),
      ObjectProp(L"TabCaptionOffset", &C::TabCaptionOffset, CaptionOffset.get()),
      ResIDProp(L"TabDownPicture", &C::TabDownPicture, &C::SetTabDownPicture,
                L"QvSkinTab_button_down"),
      Prop(L"TabHeight", &C::TabHeight, &C::SetTabHeight),
      ResIDProp(L"TabHotPicture", &C::TabHotPicture, &C::SetTabHotPicture, L"QvSkinTab_button_hot"),
      ObjectProp(L"TabImageOffset", &C::TabImageOffset),
      ResIDProp(L"TabNormalPicture", &C::TabNormalPicture, &C::SetTabNormalPicture,
                L"QvSkinTab_button_normal"),
      EnumProp(L"TabPosition", &C::TabPosition, &C::SetTabPosition, TTabPositionNames),
      ObjectProp(L"TabsOffset", &C::TabsOffset),
      Prop(L"TabWidth", &C::TabWidth, &C::SetTabWidth),
      Prop(L"TabWidthAutoSize", &C::TabWidthAutoSize, &C::SetTabWidthAutoSize),
      Prop(L"TextInHorizontal", &C::TextInHorizontal, &C::SetTextInHorizontal),
  });
  return Table;
}

}  // namespace qv
