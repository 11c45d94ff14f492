#include "raster/Image32.h"

namespace qv {

TCustomImage32_qv::TCustomImage32_qv(TComponent* AOwner)
    : TCustomPaintBox32_qv(AOwner), FBitmap(std::make_unique<TBitmap32>()) {
  FBitmap->OnChange = [this](TObject*) { BitmapChanged(); };
  FBitmap->OnResize = [this](TObject*) { BitmapChanged(); };
}

TCustomImage32_qv::~TCustomImage32_qv() {
  FBitmap->OnChange = nullptr;
  FBitmap->OnResize = nullptr;
}

void TCustomImage32_qv::SetBitmap(TBitmap32* Value) {
  if (Value)
    FBitmap->Assign(Value);
  else
    FBitmap->SetSize(0, 0);
}

void TCustomImage32_qv::BitmapChanged() {
  Invalidate();
  if (OnBitmapChanged) OnBitmapChanged(this);
}

void TCustomImage32_qv::DoPaintBuffer() {
  Buffer()->Clear(Color32(Color()));
  if (!FBitmap->Empty()) Buffer()->Draw(0, 0, FBitmap.get());
  TCustomPaintBox32_qv::DoPaintBuffer();
}

}  // namespace qv
