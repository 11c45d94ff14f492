#pragma once
// A list of equally sized images drawn by index, backed by the platform image list.
// Windows only (ImageListWin.cpp).
#include <vector>

#include "host/Graphics.h"

struct _IMAGELIST;

namespace qv {

enum TColorDepth { cdDeviceDependent, cd4Bit, cd8Bit, cd16Bit, cd24Bit, cd32Bit };

class TCustomImageList;

// Tells a user of an image list of the list's changes (RegisterChanges). A link
// unregisters itself when freed; a freed list lets go of its links.
class TChangeLink {
 public:
  TChangeLink() = default;
  ~TChangeLink();
  TChangeLink(const TChangeLink&) = delete;
  TChangeLink& operator=(const TChangeLink&) = delete;
  TCustomImageList* Sender() const { return FSender; }
  TNotifyEvent OnChange;

 private:
  friend class TCustomImageList;
  TCustomImageList* FSender = nullptr;
};

class TCustomImageList : public TComponent {
  QV_CLASS(TCustomImageList)
 public:
  explicit TCustomImageList(TComponent* AOwner);
  ~TCustomImageList() override;

  // Changing the size or the colour depth empties the list.
  static constexpr Integer DefaultSize = 16;
  Integer Width() const { return FWidth; }
  void SetWidth(Integer Value) { SetSize(Value, FHeight); }
  Integer Height() const { return FHeight; }
  void SetHeight(Integer Value) { SetSize(FWidth, Value); }
  void SetSize(Integer AWidth, Integer AHeight);
  TColorDepth ColorDepth() const { return FColorDepth; }
  void SetColorDepth(TColorDepth Value);
  TColor BkColor() const { return FBkColor; }  // clNone: drawn transparently
  void SetBkColor(TColor Value);

  int Count();
  _IMAGELIST* Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }

  // Each adds as many images as fit the picture's width and answers the first index.
  int Add(TBitmap* Image, TBitmap* Mask);
  int AddMasked(TBitmap* Image, TColor MaskColor);
  int AddIcon(TIcon* Icon);
  void Delete(int Index);
  void Clear();
  // Disabled images are drawn blended half with the button face colour.
  void Draw(TCanvas& Canvas, Integer X, Integer Y, int Index, bool Enabled = true);
  // The image at Index on a 32-bit bitmap of the list's size.
  void GetBitmap(int Index, TBitmap& Image);

  const TPropTable& Properties() const override;

  // Every change then also calls Value's OnChange with the list as sender.
  void RegisterChanges(TChangeLink* Value);
  void UnRegisterChanges(TChangeLink* Value);

  TNotifyEvent OnChange;

 private:
  void FreeHandle();
  void CheckIndex(int Index);
  void Changed();
  Integer FWidth = DefaultSize, FHeight = DefaultSize;
  TColorDepth FColorDepth = cd32Bit;
  TColor FBkColor = clNone;
  _IMAGELIST* FHandle = nullptr;
  std::vector<TChangeLink*> FClients;
};

}  // namespace qv
