#pragma once
// The skin image: a 32-bit surface held by an image list, with two caller tags.
#include "raster/Bitmap32.h"

namespace qv {

class TQvSkinImage : public TBitmap32 {
  QV_CLASS(TQvSkinImage)

 public:
  // Free for the caller; 0 after construction.
  Integer Tag() const { return FTag; }
  void SetTag(Integer Value) { FTag = Value; }
  // Marks an image rendered from vector data.
  bool IsFromSVG() const { return FIsFromSVG; }
  void SetIsFromSVG(bool Value) { FIsFromSVG = Value; }

 private:
  Integer FTag = 0;
  bool FIsFromSVG = false;
};

}  // namespace qv
