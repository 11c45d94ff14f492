#include <windows.h>
// after windows.h, whose types it uses
#include <commctrl.h>

#include <algorithm>

#include "host/Colors.h"
#include "host/ImageList.h"
#include "host/Properties.h"

namespace qv {

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::~TCustomImageList() {
  for (TChangeLink* Link : FClients) Link->FSender = nullptr;
  FreeHandle();
}

TChangeLink::~TChangeLink() {
  if (FSender) FSender->UnRegisterChanges(this);
}

void TCustomImageList::RegisterChanges(TChangeLink* Value) {
  if (!Value || Value->FSender == this) return;
  if (Value->FSender) Value->FSender->UnRegisterChanges(Value);
  Value->FSender = this;
  FClients.push_back(Value);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* Value) {
  auto It = std::find(FClients.begin(), FClients.end(), Value);
  if (It == FClients.end()) return;
  FClients.erase(It);
  Value->FSender = nullptr;
}

void TCustomImageList::FreeHandle() {
  if (FHandle) ImageList_Destroy(FHandle);
  FHandle = nullptr;
}

void TCustomImageList::Changed() {
  if (OnChange) OnChange(this);
  // A handler may unregister (or free) links: each is called only while still registered.
  const std::vector<TChangeLink*> Clients = FClients;
  for (TChangeLink* Link : Clients)
    if (std::find(FClients.begin(), FClients.end(), Link) != FClients.end() && Link->OnChange)
      Link->OnChange(this);
}

HIMAGELIST TCustomImageList::Handle() {
  if (!FHandle) {
    static const UINT Depth[] = {ILC_COLORDDB, ILC_COLOR4,  ILC_COLOR8,
                                 ILC_COLOR16,  ILC_COLOR24, ILC_COLOR32};
    FHandle = ImageList_Create(FWidth, FHeight, Depth[FColorDepth] | ILC_MASK, 0, 4);
    if (!FHandle) throw EOutOfResources(L"Out of system resources");
    ImageList_SetBkColor(FHandle, FBkColor == clNone ? CLR_NONE : COLORREF(ColorToRGB(FBkColor)));
  }
  return FHandle;
}

void TCustomImageList::SetSize(Integer AWidth, Integer AHeight) {
  AWidth = std::max(AWidth, 1);
  AHeight = std::max(AHeight, 1);
  if (AWidth == FWidth && AHeight == FHeight) return;
  FWidth = AWidth;
  FHeight = AHeight;
  FreeHandle();
  Changed();
}

void TCustomImageList::SetColorDepth(TColorDepth Value) {
  if (Value == FColorDepth) return;
  FColorDepth = Value;
  FreeHandle();
  Changed();
}

void TCustomImageList::SetBkColor(TColor Value) {
  if (Value == FBkColor) return;
  FBkColor = Value;
  if (FHandle)
    ImageList_SetBkColor(FHandle, Value == clNone ? CLR_NONE : COLORREF(ColorToRGB(Value)));
  Changed();
}

int TCustomImageList::Count() {
  return FHandle ? ImageList_GetImageCount(FHandle) : 0;
}

void TCustomImageList::CheckIndex(int Index) {
  if (Index < 0 || Index >= Count())
    throw EInvalidOperation(L"Invalid image list index (" + std::to_wstring(Index) + L")");
}

int TCustomImageList::Add(TBitmap* Image, TBitmap* Mask) {
  if (!Image || Image->Empty()) return -1;
  Image->FreeContext();
  if (Mask) Mask->FreeContext();
  int I =
      ImageList_Add(Handle(), Image->Handle(), Mask && !Mask->Empty() ? Mask->Handle() : nullptr);
  if (I < 0) throw EInvalidOperation(L"Failed to add the image");
  Changed();
  return I;
}

int TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
  if (!Image || Image->Empty()) return -1;
  TBitmap Copy;  // the platform blackens the masked pixels of the bitmap it is given
  Copy.Assign(Image);
  Copy.FreeContext();
  int I = ImageList_AddMasked(Handle(), Copy.Handle(), COLORREF(ColorToRGB(MaskColor)));
  if (I < 0) throw EInvalidOperation(L"Failed to add the image");
  Changed();
  return I;
}

int TCustomImageList::AddIcon(TIcon* Icon) {
  if (!Icon || Icon->Empty()) return -1;
  int I = ImageList_ReplaceIcon(Handle(), -1, Icon->Handle());
  if (I < 0) throw EInvalidOperation(L"Failed to add the image");
  Changed();
  return I;
}

void TCustomImageList::Delete(int Index) {
  CheckIndex(Index);
  ImageList_Remove(FHandle, Index);
  Changed();
}

void TCustomImageList::Clear() {
  if (!FHandle) return;
  ImageList_Remove(FHandle, -1);
  Changed();
}

void TCustomImageList::Draw(TCanvas& Canvas, Integer X, Integer Y, int Index, bool Enabled) {
  if (Index < 0 || Index >= Count()) return;
  UINT Style = FBkColor == clNone ? ILD_TRANSPARENT : ILD_NORMAL;
  COLORREF Fg = CLR_DEFAULT;
  if (!Enabled) {
    Style |= ILD_BLEND50;
    Fg = GetSysColor(COLOR_BTNFACE);
  }
  ImageList_DrawEx(FHandle, Index, Canvas.Handle(), X, Y, 0, 0, CLR_DEFAULT, Fg, Style);
}

void TCustomImageList::GetBitmap(int Index, TBitmap& Image) {
  CheckIndex(Index);
  Image.SetPixelFormat(pf32bit);
  Image.SetSize(FWidth, FHeight);
  Image.Canvas().Brush().SetColor(FBkColor == clNone ? clWhite : FBkColor);
  Image.Canvas().FillRect(Rect(0, 0, FWidth, FHeight));
  ImageList_Draw(FHandle, Index, Image.Canvas().Handle(), 0, 0, ILD_NORMAL);
}

const TPropTable& TCustomImageList::Properties() const {
  using C = TCustomImageList;
  static const TPropTable Table = TComponent::Properties().With({
      Prop(L"Height", &C::Height, &C::SetHeight, DefaultSize),
      Prop(L"Width", &C::Width, &C::SetWidth, DefaultSize),
  });
  return Table;
}

}  // namespace qv
