#pragma once
// Image lists of tagged skin pictures. An item can keep its pixels as one plain memory
// block (cache mode) and build its surface only when it is first read.
#include <memory>

#include "host/Classes.h"
#include "resources/QvSkinIntf.h"
#include "resources/QvSkinNamedItem.h"

namespace qv {

class TQvSkinImageList;

// The compact copy of an item's image.
struct TBitmapCache {
  Cardinal Width = 0, Height = 0;
  Cardinal DataSize = 0;  // bytes: Width * Height * 4
  std::unique_ptr<uint8_t[]> Data;
  bool HasAlpha = false;
  TDrawMode DrawMode = dmOpaque;
  TCombineMode CombineMode = cmBlend;
  uint8_t MasterAlpha = 0;
  TColor32 OuterColor = 0;
};

class TQvSkinBitmapItem : public TQvSkinNamedItem {
 public:
  explicit TQvSkinBitmapItem(TCollection* ACollection);
  ~TQvSkinBitmapItem() override;
  String ClassName() const override { return L"TQvSkinBitmapItem"; }

  void SetResID(const String& Value) { StoreResID(Value); }
  void SetDescription(const String& Value) { FDescription = Value; }

  // The image; in cache mode the first read rebuilds it from the cache. Once read, the
  // surface stays alive for the item's life, so callers may keep the pointer.
  TQvSkinImage* Bitmap();
  // Copies Value (pixels, size, surface properties) into the image; the item returns to
  // cache mode afterwards when its list caches automatically.
  void SetBitmap(TCustomBitmap32* Value);

  bool CacheMode() const { return FCacheMode; }
  void EnableCacheMode();
  void DisableCacheMode();
  // True while the item holds a surface (false in cache mode before the first read).
  bool HasBitmap() const { return FBitmap != nullptr; }
  const TBitmapCache& BitmapCache() const { return FBitmapCache; }

  const TPropTable& Properties() const override;

 protected:
  void AssignTo(TPersistent* Dest) override;

 private:
  TQvSkinImageList* OwnerList() const;
  bool ListDesigning() const;
  TQvSkinImage* EnsureBitmap();  // the surface, restored or created; not a hand-out
  void CacheBitmap();
  void RestoreInto(TCustomBitmap32& Target) const;

  TBitmapCache FBitmapCache;
  std::unique_ptr<TQvSkinImage> FBitmap;
  bool FCacheMode = false;
  bool FHandedOut = false;  // Bitmap() was called: someone may hold the surface
};

class TQvSkinBitmapCollection : public TOwnedCollection<TQvSkinBitmapItem, TQvSkinNamedCollection> {
 public:
  explicit TQvSkinBitmapCollection(TPersistent* AOwner) : TOwnedCollection(AOwner) {}
  String ClassName() const override { return L"TQvSkinBitmapCollection"; }
  void EnableAllCacheMode();
  void DisableAllCacheMode();
};

class TQvSkinImageList : public TComponent {
  QV_CLASS(TQvSkinImageList)

 public:
  explicit TQvSkinImageList(TComponent* AOwner);
  ~TQvSkinImageList() override;

  TQvSkinBitmapCollection* Bitmaps() const { return FBitmaps.get(); }
  void SetBitmaps(TQvSkinBitmapCollection* Value) { FBitmaps->Assign(Value); }
  int Count() const { return FBitmaps->Count(); }

  // Whether items put into the list go to cache mode. Default true.
  static constexpr bool DefAutoCacheMode = true;
  bool AutoCacheMode() const { return FAutoCacheMode; }
  void SetAutoCacheMode(bool Value);

  TQvSkinImage* Bitmap(int Index) const { return FBitmaps->Items(Index)->Bitmap(); }
  void SetBitmap(int Index, TCustomBitmap32* Value) { FBitmaps->Items(Index)->SetBitmap(Value); }

  void EnableCacheMode() { FBitmaps->EnableAllCacheMode(); }
  void DisableCacheMode() { FBitmaps->DisableAllCacheMode(); }
  void EnableItemCacheMode(int Index) { FBitmaps->Items(Index)->EnableCacheMode(); }
  void DisableItemCacheMode(int Index) { FBitmaps->Items(Index)->DisableCacheMode(); }

  // Another image list: its items are copied (this list keeps its own AutoCacheMode).
  void Assign(TPersistent* Source) override;

  const TPropTable& Properties() const override;

 private:
  std::unique_ptr<TQvSkinBitmapCollection> FBitmaps;
  bool FAutoCacheMode = DefAutoCacheMode;
};

// Normalises pixels that cannot be straight alpha: A = 0 becomes 0x00000000; on a dmBlend
// surface a pixel with 0 < A < 255 and a channel above A has each channel scaled by
// 255 / A (capped at 255). Changed once at the end; nothing for nil or empty surfaces.
void FixPixelFormat(TCustomBitmap32* Bitmap);

}  // namespace qv
