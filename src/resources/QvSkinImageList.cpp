#include "resources/QvSkinImageList.h"

#include <algorithm>
#include <cstring>

#include "host/Properties.h"
#include "resources/QvSkinPng.h"
#include "resources/QvSkinSvgImageList.h"

namespace qv {

namespace {
// The resource components, registered together for reading from the object text form
// (this unit is linked by everything that uses skin image lists).
const bool kRegistered =
    (RegisterComponentClass<TQvSkinImageList>(), RegisterComponentClass<TQvSkinSvgImageList>(),
     RegisterComponentClass<TQvSkinPng>(), true);
}  // namespace

// ---- TQvSkinBitmapItem -----------------------------------------------------

TQvSkinBitmapItem::TQvSkinBitmapItem(TCollection* ACollection)
    : TQvSkinNamedItem(ACollection), FBitmap(std::make_unique<TQvSkinImage>()) {}

TQvSkinBitmapItem::~TQvSkinBitmapItem() {
  FBitmapCache.Data.reset();
  FBitmap.reset();
}

TQvSkinImageList* TQvSkinBitmapItem::OwnerList() const {
  return Collection() ? dynamic_cast<TQvSkinImageList*>(Collection()->Owner()) : nullptr;
}

bool TQvSkinBitmapItem::ListDesigning() const {
  TQvSkinImageList* List = OwnerList();
  return List && List->ComponentState().Contains(csDesigning);
}

TQvSkinImage* TQvSkinBitmapItem::EnsureBitmap() {
  if (!FBitmap) {
    FBitmap = std::make_unique<TQvSkinImage>();
    RestoreInto(*FBitmap);
  }
  return FBitmap.get();
}

TQvSkinImage* TQvSkinBitmapItem::Bitmap() {
  TQvSkinImage* Result = EnsureBitmap();
  FHandedOut = true;
  return Result;
}

void TQvSkinBitmapItem::SetBitmap(TCustomBitmap32* Value) {
  if (FCacheMode) DisableCacheMode();
  EnsureBitmap()->Assign(Value);
  TQvSkinImageList* List = OwnerList();
  if (List && !ListDesigning() && List->AutoCacheMode()) EnableCacheMode();
}

void TQvSkinBitmapItem::EnableCacheMode() {
  if (ListDesigning() || FCacheMode) return;
  CacheBitmap();
  // A surface that was handed out may still be drawn from: it stays, and the block
  // serves only when there is no surface.
  if (!FHandedOut) FBitmap.reset();
  FCacheMode = true;
}

void TQvSkinBitmapItem::DisableCacheMode() {
  if (!FCacheMode) return;
  // An existing surface is the current image (it may have been drawn on since it was
  // rebuilt), so it is kept rather than overwritten from the older block.
  EnsureBitmap();
  FCacheMode = false;
}

void TQvSkinBitmapItem::CacheBitmap() {
  TBitmapCache& C = FBitmapCache;
  C.Data.reset();
  C.Width = C.Height = C.DataSize = 0;
  if (!FBitmap) return;
  C.HasAlpha = true;
  C.DrawMode = FBitmap->DrawMode();
  C.CombineMode = FBitmap->CombineMode();
  C.MasterAlpha = FBitmap->MasterAlpha();
  C.OuterColor = FBitmap->OuterColor();
  // An empty image caches as an empty record, so a restore does not bring back an
  // older picture.
  if (FBitmap->Empty()) return;
  C.Width = Cardinal(FBitmap->Width());
  C.Height = Cardinal(FBitmap->Height());
  C.DataSize = C.Width * C.Height * 4;
  C.Data = std::make_unique<uint8_t[]>(C.DataSize);
  std::memcpy(C.Data.get(), FBitmap->Bits(), C.DataSize);
}

void TQvSkinBitmapItem::RestoreInto(TCustomBitmap32& Target) const {
  const TBitmapCache& C = FBitmapCache;
  if (!C.HasAlpha) return;  // nothing was ever cached
  Target.BeginUpdate();
  Target.SetSize(Integer(C.Width), Integer(C.Height));
  Target.SetDrawMode(C.DrawMode);
  Target.SetCombineMode(C.CombineMode);
  Target.SetMasterAlpha(C.MasterAlpha);
  Target.SetOuterColor(C.OuterColor);
  if (C.Data && !Target.Empty()) std::memcpy(Target.Bits(), C.Data.get(), C.DataSize);
  Target.EndUpdate();
  Target.Changed();
}

void TQvSkinBitmapItem::AssignTo(TPersistent* Dest) {
  auto* D = dynamic_cast<TQvSkinBitmapItem*>(Dest);
  if (!D) {
    TCollectionItem::AssignTo(Dest);
    return;
  }
  D->AssignNames(*this);
  if (FBitmap) {
    D->SetBitmap(FBitmap.get());
  } else {
    // Copy from the block without building this item's own surface.
    TQvSkinImage Temp;
    RestoreInto(Temp);
    D->SetBitmap(&Temp);
  }
}

// A cached item writes its surface restored into a temporary; reading leaves cache mode.
const TPropTable& TQvSkinBitmapItem::Properties() const {
  using C = TQvSkinBitmapItem;
  static const TPropTable Table = TCollectionItem::Properties().With({
      ResIDProp(L"ResID", &C::ResID, &C::SetResID),
      ObjectProp(L"Bitmap",
                 [](C& Item) {
                   if (Item.FCacheMode) Item.DisableCacheMode();
                   return Item.EnsureBitmap();
                 })
          .WriteWith([](const C& Item, TPropertyWriter& W) {
            if (Item.FBitmap) return W.WriteNested(L"Bitmap", *Item.FBitmap);
            TQvSkinImage Temp;
            Item.RestoreInto(Temp);
            W.WriteNested(L"Bitmap", Temp);
          })
          .NoAssign(),
      Prop(L"Description", &C::Description, &C::SetDescription),
  });
  return Table;
}

// ---- TQvSkinBitmapCollection -----------------------------------------------

void TQvSkinBitmapCollection::EnableAllCacheMode() {
  for (int I = 0; I < Count(); ++I) Items(I)->EnableCacheMode();
}

void TQvSkinBitmapCollection::DisableAllCacheMode() {
  for (int I = 0; I < Count(); ++I) Items(I)->DisableCacheMode();
}

// ---- TQvSkinImageList ------------------------------------------------------

TQvSkinImageList::TQvSkinImageList(TComponent* AOwner)
    : TComponent(AOwner), FBitmaps(std::make_unique<TQvSkinBitmapCollection>(this)) {}

TQvSkinImageList::~TQvSkinImageList() = default;

void TQvSkinImageList::SetAutoCacheMode(bool Value) {
  FAutoCacheMode = Value;
  if (ComponentState().Contains(csDesigning)) return;
  if (Value)
    EnableCacheMode();
  else
    DisableCacheMode();
}

void TQvSkinImageList::Assign(TPersistent* Source) {
  if (auto* Src = dynamic_cast<TQvSkinImageList*>(Source)) {
    FBitmaps->Assign(Src->FBitmaps.get());
    return;
  }
  TComponent::Assign(Source);
}

const TPropTable& TQvSkinImageList::Properties() const {
  using C = TQvSkinImageList;
  static const TPropTable Table = TComponent::Properties().With({
      Prop(
          L"AutoCacheMode", &C::AutoCacheMode, [](C& List, bool V) { List.FAutoCacheMode = V; },
          DefAutoCacheMode),
      CollectionProp(L"Bitmaps", &C::Bitmaps),
  });
  return Table;
}

// ---- FixPixelFormat --------------------------------------------------------

void FixPixelFormat(TCustomBitmap32* Bitmap) {
  if (!Bitmap || Bitmap->Empty()) return;
  const bool Blend = Bitmap->DrawMode() == dmBlend;
  TColor32* P = Bitmap->Bits();
  TColor32* End = P + size_t(Bitmap->Width()) * size_t(Bitmap->Height());
  for (; P != End; ++P) {
    const uint32_t A = *P >> 24;
    if (A == 0) {
      *P = 0;
      continue;
    }
    if (A == 255 || !Blend) continue;
    uint32_t R = (*P >> 16) & 0xFF, G = (*P >> 8) & 0xFF, B = *P & 0xFF;
    if (R <= A && G <= A && B <= A) continue;
    R = std::min<uint32_t>(255, R * 255 / A);
    G = std::min<uint32_t>(255, G * 255 / A);
    B = std::min<uint32_t>(255, B * 255 / A);
    *P = A << 24 | R << 16 | G << 8 | B;
  }
  Bitmap->Changed();
}

}  // namespace qv
