#include <windows.h>
// after <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

#include "controls/QvAccessibleWin.h"
#include "controls/QvSkinBarLinks.h"
#include "controls/QvSkinListView.h"
#include "host/Font.h"
#include "host/ImageList.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "raster/Bitmap32.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinListView>(), true);

constexpr const wchar_t* kHeaderProp = L"QvSkinListViewHeader";

constexpr DWORD kViewStyleBits[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};

// Posted to lay the parent out again after a bar's visibility changed while the parent was
// in the middle of its own layout (which a nested one cannot redo).
UINT RealignMessage() {
  static const UINT Msg = RegisterWindowMessageW(L"QvSkinListViewRealign");
  return Msg;
}

}  // namespace

// The subclassed header's window procedure: back to the list view that owns it.
struct TQvListViewHeaderHook {
  static LRESULT CALLBACK Proc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    auto* View = static_cast<TQvSkinCustomListView*>(GetPropW(Wnd, kHeaderProp));
    if (!View) return DefWindowProcW(Wnd, Msg, WParam, LParam);
    TMessage M{Msg, WParam, LParam, 0};
    View->HeaderWndProc(M);
    return M.Result;
  }
};

TQvSkinCustomListView::TQvSkinCustomListView(TComponent* AOwner) : TWinControl(AOwner) {
  SetTabStop(true);
  SetColor(clWindow);
  SetParentColor(false);
  SetBounds(Left(), Top(), 250, 150);
}

TQvSkinCustomListView::~TQvSkinCustomListView() {
  ReleaseBars(this, {FVScrollBar, FHScrollBar});
}

// ---- the framework list view's parts ---------------------------------------------

void TQvSkinCustomListView::SetViewStyle(TViewStyle Value) {
  if (FViewStyle == Value) return;
  FViewStyle = Value;
  if (!HandleAllocated()) return;
  const LONG_PTR Style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  SetWindowLongPtrW(Handle(), GWL_STYLE, (Style & ~LONG_PTR(LVS_TYPEMASK)) | kViewStyleBits[Value]);
  if (Value == vsReport && !FHeaderHandle && FShowColumnHeaders)
    SubclassHeader(HWND(SendMessageW(Handle(), LVM_GETHEADER, 0, 0)));
  UpDateScrollBars();
}

void TQvSkinCustomListView::SetShowColumnHeaders(bool Value) {
  if (FShowColumnHeaders == Value) return;
  FShowColumnHeaders = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TQvSkinCustomListView::SetFullDrag(bool Value) {
  FFullDrag = Value;
  ApplyExStyle();
}

void TQvSkinCustomListView::SetRowSelect(bool Value) {
  FRowSelect = Value;
  ApplyExStyle();
}

void TQvSkinCustomListView::SetGridLines(bool Value) {
  FGridLines = Value;
  ApplyExStyle();
}

void TQvSkinCustomListView::SetSmallImages(TCustomImageList* Value) {
  if (FSmallImages) FSmallImages->RemoveFreeNotification(this);
  FSmallImages = Value;
  if (Value) Value->FreeNotification(this);
  if (HandleAllocated())
    SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL,
                 LPARAM(Value ? Value->Handle() : nullptr));
}

void TQvSkinCustomListView::ApplyExStyle() {
  if (!HandleAllocated()) return;
  DWORD Ex = 0;
  if (FRowSelect) Ex |= LVS_EX_FULLROWSELECT;
  if (FGridLines) Ex |= LVS_EX_GRIDLINES;
  if (FFullDrag) Ex |= LVS_EX_HEADERDRAGDROP;
  const DWORD Mask = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP;
  SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, Mask, Ex);
}

const TQvListColumn& TQvSkinCustomListView::Columns(int Index) const {
  if (Index < 0 || Index >= ColumnCount())
    throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
  return FColumns[size_t(Index)];
}

void TQvSkinCustomListView::AddColumn(const String& Caption, int Width, TAlignment Alignment,
                                      int ImageIndex) {
  FColumns.push_back({Caption, Width, Alignment, ImageIndex});
  if (HandleAllocated()) InsertColumnWnd(ColumnCount() - 1);
}

void TQvSkinCustomListView::InsertColumnWnd(int Index) {
  const TQvListColumn& C = FColumns[size_t(Index)];
  static constexpr int Formats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};
  LVCOLUMNW Col{};
  Col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  Col.fmt = Formats[C.Alignment];
  Col.cx = C.Width;
  Col.pszText = const_cast<wchar_t*>(C.Caption.c_str());
  if (C.ImageIndex >= 0) {
    Col.mask |= LVCF_IMAGE;
    Col.iImage = C.ImageIndex;
  }
  SendMessageW(Handle(), LVM_INSERTCOLUMNW, WPARAM(Index), LPARAM(&Col));
}

int TQvSkinCustomListView::AddItem(const String& Caption, const std::vector<String>& SubItems) {
  FItems.push_back({Caption, SubItems});
  const int Index = ItemCount() - 1;
  if (HandleAllocated()) {
    InsertItemWnd(Index);
    UpDateScrollBars();
  }
  return Index;
}

void TQvSkinCustomListView::InsertItemWnd(int Index) {
  const TItem& I = FItems[size_t(Index)];
  LVITEMW Item{};
  Item.mask = LVIF_TEXT;
  Item.iItem = Index;
  Item.pszText = const_cast<wchar_t*>(I.Caption.c_str());
  SendMessageW(Handle(), LVM_INSERTITEMW, 0, LPARAM(&Item));
  for (size_t S = 0; S < I.SubItems.size(); ++S) {
    LVITEMW Sub{};
    Sub.iSubItem = int(S) + 1;
    Sub.pszText = const_cast<wchar_t*>(I.SubItems[S].c_str());
    SendMessageW(Handle(), LVM_SETITEMTEXTW, WPARAM(Index), LPARAM(&Sub));
  }
}

String TQvSkinCustomListView::ItemCaption(int Index) const {
  if (Index < 0 || Index >= ItemCount())
    throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
  return FItems[size_t(Index)].Caption;
}

void TQvSkinCustomListView::DeleteItem(int Index) {
  if (Index < 0 || Index >= ItemCount())
    throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
  FItems.erase(FItems.begin() + Index);
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), LVM_DELETEITEM, WPARAM(Index), 0);
  UpDateScrollBars();
}

void TQvSkinCustomListView::Clear() {
  FItems.clear();
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), LVM_DELETEALLITEMS, 0, 0);
  UpDateScrollBars();
}

// ---- window ------------------------------------------------------------------------

void TQvSkinCustomListView::CreateParams(TCreateParams& Params) {
  static const bool Ready = [] {
    INITCOMMONCONTROLSEX Icc{sizeof(Icc), ICC_LISTVIEW_CLASSES};
    return InitCommonControlsEx(&Icc) != FALSE;
  }();
  (void)Ready;
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, WC_LISTVIEWW);
  Params.Style |= LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS | kViewStyleBits[FViewStyle];
  if (!FShowColumnHeaders) Params.Style |= LVS_NOCOLUMNHEADER;
  // No border and no native bars: the skinned ones stand in for them.
  Params.Style &= ~uint32_t(WS_HSCROLL | WS_VSCROLL | WS_BORDER);
  Params.ExStyle &= ~uint32_t(WS_EX_CLIENTEDGE);
}

void TQvSkinCustomListView::CreateWnd() {
  TWinControl::CreateWnd();
  ApplyExStyle();
  if (FSmallImages)
    SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, LPARAM(FSmallImages->Handle()));
  for (int I = 0; I < ColumnCount(); ++I) InsertColumnWnd(I);
  for (int I = 0; I < ItemCount(); ++I) InsertItemWnd(I);
  if (!FHeaderHandle && FShowColumnHeaders)
    SubclassHeader(HWND(SendMessageW(Handle(), LVM_GETHEADER, 0, 0)));
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  UpDateScrollBars();
}

void TQvSkinCustomListView::DestroyWnd() {
  ReleaseHeader();
  TWinControl::DestroyWnd();
}

void TQvSkinCustomListView::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FVScrollBar) FVScrollBar = nullptr;
  if (AComponent == FHScrollBar) FHScrollBar = nullptr;
  if (AComponent == FSmallImages) FSmallImages = nullptr;
}

// ---- accessibility ----------------------------------------------------------------

TQvAccessibleInfo TQvSkinCustomListView::AccessibleInfo() const {
  TQvAccessibleInfo Info;
  Info.Role = arList;
  Info.State.Include(asFocusable);
  if (!Enabled()) Info.State.Include(asDisabled);
  if (!Visible()) Info.State.Include(asInvisible);
  return Info;
}

TQvAccessibleChild TQvSkinCustomListView::AccessibleChild(int Index) const {
  TQvAccessibleChild Item;
  TQvAccessibleInfo& I = Item.Info;
  I.Role = arListItem;
  I.Name = FItems[size_t(Index)].Caption;
  I.State = {asFocusable, asSelectable};
  if (!HandleAllocated()) return Item;
  // Selection, focus and place are the window's.
  const HWND Wnd = const_cast<TQvSkinCustomListView*>(this)->Handle();
  const UINT State = UINT(
      SendMessageW(Wnd, LVM_GETITEMSTATE, WPARAM(Index), LPARAM(LVIS_SELECTED | LVIS_FOCUSED)));
  if (State & LVIS_SELECTED) I.State.Include(asSelected);
  if ((State & LVIS_FOCUSED) && GetFocus() == Wnd) I.State.Include(asFocused);
  RECT R{LVIR_BOUNDS, 0, 0, 0};
  if (SendMessageW(Wnd, LVM_GETITEMRECT, WPARAM(Index), LPARAM(&R)))
    Item.Bounds = Rect(R.left, R.top, R.right, R.bottom);
  RECT Client;
  GetClientRect(Wnd, &Client);
  if (Item.Bounds.Bottom <= Client.top || Item.Bounds.Top >= Client.bottom)
    I.State.Include(asInvisible);
  return Item;
}

void TQvSkinCustomListView::WndProc(TMessage& Message) {
  if (Message.Msg == RealignMessage()) {
    if (Parent() && Align() != alNone) {
      TScopedValue<bool> Guard(FInCheckScrollBars, true);
      Parent()->Realign();
    }
    return;
  }
  switch (Message.Msg) {
    case WM_GETOBJECT:
      if ((Message.Result = AccessibleObjectResult(this, Message.WParam, Message.LParam))) return;
      break;
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
      // No non-client area: neither a border nor native bars show; the list keeps its
      // scroll state all the same.
      Message.Result = 0;
      return;
    case WM_PARENTNOTIFY:
      if (Message.WParamLo() == WM_CREATE && FShowColumnHeaders) {
        wchar_t Name[50] = {};
        HWND Child = HWND(Message.LParam);
        GetClassNameW(Child, Name, 50);
        if (lstrcmpiW(Name, WC_HEADERW) == 0) {
          ReleaseHeader();
          SubclassHeader(Child);
        }
      }
      break;
    case CN_NOTIFY:
      TWinControl::WndProc(Message);
      if (reinterpret_cast<NMHDR*>(Message.LParam)->code == LVN_ITEMCHANGED && !FInCheckScrollBars)
        UpDateScrollBars();
      return;
  }
  TWinControl::WndProc(Message);
  switch (Message.Msg) {
    case WM_SIZE:
      if (!FInCheckScrollBars && ItemCount() > 0) UpDateScrollBars();
      if (FViewStyle == vsReport && FHeaderHandle) InvalidateRect(FHeaderHandle, nullptr, FALSE);
      break;
    case WM_PAINT:
      if (!FInCheckScrollBars) UpDateScrollBars();
      break;
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEWHEEL:
    case WM_VSCROLL:
    case WM_HSCROLL:
      UpDateScrollBars();
      break;
  }
}

// ---- header ------------------------------------------------------------------------

void TQvSkinCustomListView::SubclassHeader(HWND Header) {
  if (!Header || FHeaderHandle) return;
  FHeaderHandle = Header;
  SetPropW(Header, kHeaderProp, this);
  FDefHeaderProc = reinterpret_cast<void*>(
      SetWindowLongPtrW(Header, GWLP_WNDPROC, LONG_PTR(&TQvListViewHeaderHook::Proc)));
  // The new layout (our height) takes effect now.
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TQvSkinCustomListView::ReleaseHeader() {
  if (!FHeaderHandle) return;
  if (IsWindow(FHeaderHandle)) {
    SetWindowLongPtrW(FHeaderHandle, GWLP_WNDPROC, LONG_PTR(FDefHeaderProc));
    RemovePropW(FHeaderHandle, kHeaderProp);
  }
  FHeaderHandle = nullptr;
  FDefHeaderProc = nullptr;
}

void TQvSkinCustomListView::HeaderWndProc(TMessage& Message) {
  HWND H = FHeaderHandle;
  auto Default = [&] {
    Message.Result = CallWindowProcW(reinterpret_cast<WNDPROC>(FDefHeaderProc), H, Message.Msg,
                                     Message.WParam, Message.LParam);
  };
  switch (Message.Msg) {
    case WM_WINDOWPOSCHANGING:
      // A little wider than the list: no gap at the right while the list scrolls.
      reinterpret_cast<WINDOWPOS*>(Message.LParam)->cx += 25;
      Message.Result = 0;
      return;
    case WM_PAINT:
      PaintHeader(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 0;
      return;
    case HDM_LAYOUT: {
      Default();
      auto* L = reinterpret_cast<HDLAYOUT*>(Message.LParam);
      L->pwpos->cy = FHeaderHeight;
      L->prc->top = FHeaderHeight + 2;  // the rows start 2 pixels below the header
      return;
    }
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    case WM_NCDESTROY: {
      const void* Proc = FDefHeaderProc;
      ReleaseHeader();
      Message.Result = CallWindowProcW(reinterpret_cast<WNDPROC>(const_cast<void*>(Proc)), H,
                                       Message.Msg, Message.WParam, Message.LParam);
      return;
    }
  }
  Default();
}

TRect TQvSkinCustomListView::GetHeaderSectionRect(int Index) {
  RECT R{};
  if (!FHeaderHandle) return TRect();
  int Item = Index;
  if (FFullDrag) {
    std::vector<int> Order(size_t(std::max(ColumnCount(), 1)));
    if (SendMessageW(FHeaderHandle, HDM_GETORDERARRAY, WPARAM(ColumnCount()),
                     LPARAM(Order.data())) &&
        Index < ColumnCount())
      Item = Order[size_t(Index)];
  }
  SendMessageW(FHeaderHandle, HDM_GETITEMRECT, WPARAM(Item), LPARAM(&R));
  return Rect(R.left, R.top, R.right, R.bottom);
}

void TQvSkinCustomListView::PaintHeader(HDC DC) {
  PAINTSTRUCT PS;
  HDC D = DC ? DC : BeginPaint(FHeaderHandle, &PS);
  TScopeExit Done([&] {
    if (!DC) EndPaint(FHeaderHandle, &PS);
  });
  const int Count = int(SendMessageW(FHeaderHandle, HDM_GETITEMCOUNT, 0, 0));
  std::vector<int> Order(size_t(std::max(Count, 1)));
  for (int I = 0; I < Count; ++I) Order[size_t(I)] = I;
  if (FFullDrag && Count > 0)
    SendMessageW(FHeaderHandle, HDM_GETORDERARRAY, WPARAM(Count), LPARAM(Order.data()));
  int Right = 0;
  for (int I = 0; I < Count; ++I) {
    const TRect R = GetHeaderSectionRect(I);
    // The column shown at this place (its order differs from its index after a drag).
    const int Col = Order[size_t(I)];
    if (Col < ColumnCount()) DrawHeaderSection(D, FColumns[size_t(Col)], R);
    Right = std::max(Right, R.Right);
  }
  RECT W;
  GetWindowRect(FHeaderHandle, &W);
  const int FW = W.right - W.left + 1, FH = W.bottom - W.top;
  if (Right < FW && FH > 0) {
    TBitmap32 B;
    B.SetSize(FW - Right, FH);
    B.Clear(Color32(FHeaderBgColor));
    B.HorzLineS(0, FH - 1, B.Width() - 1, Color32(FHeaderPenColor));
    B.DrawTo(D, Right, 0);
  }
}

void TQvSkinCustomListView::DrawHeaderSection(HDC DC, const TQvListColumn& Column, const TRect& R) {
  const int W = R.Width(), H = R.Height();
  if (W <= 0 || H <= 0) return;
  TBitmap32 B;
  B.SetSize(W, H);
  B.Clear(Color32(FHeaderBgColor));
  const TColor32 Pen = Color32(FHeaderPenColor);
  B.VertLineS(W - 1, 0, H - 1, Pen);  // separator
  B.HorzLineS(0, H - 1, W - 1, Pen);  // bottom line
  B.Font()->Assign(Font());
  const bool Image =
      FSmallImages && Column.ImageIndex >= 0 && Column.ImageIndex < FSmallImages->Count();
  const TQvHeaderPlacement P =
      PlaceHeaderSection(W, H, Column.Caption, Column.Alignment, Image ? FSmallImages->Width() : 0,
                         Image ? FSmallImages->Height() : 0, Font()->Height(),
                         [&B](const String& S) { return B.TextExtent(S); });
  if (P.HasImage) FSmallImages->Draw(*B.Canvas(), P.ImageX, P.ImageY, Column.ImageIndex);
  B.Textout(P.TextX, P.TextY, Rect(5, 0, std::max(W - 5, 5), H), P.Text);
  B.DrawTo(DC, R.Left, R.Top);
}

// ---- scroll bars -------------------------------------------------------------------

void TQvSkinCustomListView::SetBar(TQvSkinScrollBar*& Field, TQvSkinScrollBar* Value,
                                   bool Vertical) {
  if (Field == Value) return;
  if (Field) {
    Field->OnChange = nullptr;
    Field->RemoveFreeNotification(this);
  }
  Field = Value;
  if (Value) {
    Value->FreeNotification(this);
    Value->SetEnabled(true);
    Value->SetVisible(false);
    Value->OnChange = [this](TObject* Sender) { BarChanged(Sender); };
  }
  UpDateScrollBars();
}

TQvListScrollState TQvSkinCustomListView::ScrollState(bool Vertical) {
  TQvListScrollState S;
  S.Style = FViewStyle;
  const int Kind = Vertical ? SB_VERT : SB_HORZ;
  GetScrollRange(Handle(), Kind, &S.Min, &S.Max);
  S.Position = GetScrollPos(Handle(), Kind);
  S.Width = Width();
  S.Height = Height();
  S.CountPerPage = int(SendMessageW(Handle(), LVM_GETCOUNTPERPAGE, 0, 0));
  S.ItemCount = int(SendMessageW(Handle(), LVM_GETITEMCOUNT, 0, 0));
  if (S.ItemCount > 0) {
    RECT R{LVIR_BOUNDS, 0, 0, 0};
    if (SendMessageW(Handle(), LVM_GETITEMRECT, 0, LPARAM(&R))) {
      S.ItemWidth = R.right - R.left;
      S.ItemHeight = R.bottom - R.top;
    }
  }
  return S;
}

void TQvSkinCustomListView::ApplyPlan(TQvSkinScrollBar* Bar, const TQvListBarPlan& Plan,
                                      int& OldPos, bool& Changed) {
  if (!Bar) return;
  const bool Show = Plan.Visible && Visible();
  if (Show) {
    // The bar is set from the list: its OnChange must not scroll the list back.
    TScopedValue<bool> Lock(FLockUpdate, true);
    Bar->SetRange(Plan.Min, Plan.Max, Plan.Page, Plan.Position);
    if (Plan.SmallChange > 0) Bar->SetSmallChange(Plan.SmallChange);
    if (Plan.LargeChange > 0) Bar->SetLargeChange(Plan.LargeChange);
    OldPos = Plan.Position;
  }
  if (Bar->Visible() != Show) {
    TScopedValue<bool> Guard(FInCheckScrollBars, true);
    Bar->SetVisible(Show);
    Changed = true;
  }
}

void TQvSkinCustomListView::UpDateScrollBars() {
  if (!HandleAllocated() || FLockUpdate || Width() <= 5 || Height() <= 5 || FInCheckScrollBars)
    return;
  bool Changed = false;
  ApplyPlan(FVScrollBar, PlanListViewBar(ScrollState(true), true), FOldVScrollBarPos, Changed);
  ApplyPlan(FHScrollBar, PlanListViewBar(ScrollState(false), false), FOldHScrollBarPos, Changed);
  if (Changed && Align() != alNone && Parent()) {
    TScopedValue<bool> Guard(FInCheckScrollBars, true);
    Parent()->Realign();
    PostMessageW(Handle(), RealignMessage(), 0, 0);
  }
}

void TQvSkinCustomListView::BarChanged(TObject* Sender) {
  if (FLockUpdate || !HandleAllocated()) return;
  TScopedValue<bool> Lock(FLockUpdate, true);
  SendMessageW(Handle(), LVM_CANCELEDITLABEL, 0, 0);
  auto* Bar = static_cast<TQvSkinScrollBar*>(Sender);
  const bool Icons = FViewStyle == vsIcon || FViewStyle == vsSmallIcon;
  if (Bar == FVScrollBar) {
    const int D = Bar->Position() - FOldVScrollBarPos;
    int H = 1;
    if (!Icons) {
      RECT R{LVIR_BOUNDS, 0, 0, 0};
      if (SendMessageW(Handle(), LVM_GETITEMRECT, 0, LPARAM(&R))) H = R.bottom - R.top;
    }
    SendMessageW(Handle(), LVM_SCROLL, 0, LPARAM(D * H));
    FOldVScrollBarPos = Bar->Position();
  } else if (Bar == FHScrollBar) {
    const int D = Bar->Position() - FOldHScrollBarPos;
    if (FViewStyle == vsList) {
      for (int I = 0; I < std::abs(D); ++I)
        SendMessageW(Handle(), WM_HSCROLL, D < 0 ? SB_LINELEFT : SB_LINERIGHT, 0);
    } else {
      SendMessageW(Handle(), LVM_SCROLL, WPARAM(D), 0);
    }
    FOldHScrollBarPos = Bar->Position();
  }
  if (OnScrollBarChange) OnScrollBarChange(Bar);
}

const TPropTable& TQvSkinCustomListView::Properties() const {
  using C = TQvSkinCustomListView;
  static const TPropTable Table = TWinControl::Properties().With({
      Prop(L"HeaderHeight", &C::HeaderHeight, &C::SetHeaderHeight, DefaultHeaderHeight),
      ColorProp(L"HeaderBgColor", &C::HeaderBgColor, &C::SetHeaderBgColor, DefaultHeaderBgColor),
      ColorProp(L"HeaderPenColor", &C::HeaderPenColor, &C::SetHeaderPenColor,
                DefaultHeaderPenColor),
      EnumProp(L"ViewStyle", &C::ViewStyle, &C::SetViewStyle, DefaultViewStyle, TViewStyleNames),
      Prop(L"ShowColumnHeaders", &C::ShowColumnHeaders, &C::SetShowColumnHeaders,
           DefaultShowColumnHeaders),
      Prop(L"FullDrag", &C::FullDrag, &C::SetFullDrag),
      Prop(L"RowSelect", &C::RowSelect, &C::SetRowSelect),
      Prop(L"GridLines", &C::GridLines, &C::SetGridLines),
  });
  return Table;
}

}  // namespace qv
