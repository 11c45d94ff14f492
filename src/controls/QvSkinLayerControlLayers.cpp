#include "controls/QvSkinLayerControlLayers.h"

#include <algorithm>
#include <cmath>

namespace qv {

int TCustomLayer::Index() const {
  return FLayerCollection ? FLayerCollection->IndexOf(this) : -1;
}

void TCustomLayer::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  Update();
}

void TCustomLayer::Changed(const TRect& Area) {
  if (FLayerCollection) FLayerCollection->AreaChanged(Area);
}

TRect TPositionedLayer::PixelRect(const TFloatRect& R) {
  return Rect(int(std::floor(R.Left)), int(std::floor(R.Top)), int(std::ceil(R.Right)),
              int(std::ceil(R.Bottom)));
}

void TPositionedLayer::SetLocation(const TFloatRect& Value) {
  if (FLocation == Value) return;
  const TRect Old = GetAdjustedRect();
  FLocation = Value;
  if (!Visible()) return;
  Changed(Old);
  Changed(GetAdjustedRect());
}

bool TPositionedLayer::HitTest(int X, int Y) const {
  return X >= FLocation.Left && X < FLocation.Right && Y >= FLocation.Top && Y < FLocation.Bottom;
}

TLayerCollection::TLayerCollection() = default;

TLayerCollection::~TLayerCollection() {
  OnAreaChanged = nullptr;
}

TCustomLayer* TLayerCollection::Items(int Index) const {
  return Index >= 0 && Index < Count() ? FItems[size_t(Index)].get() : nullptr;
}

int TLayerCollection::IndexOf(const TCustomLayer* Layer) const {
  for (int I = 0; I < Count(); ++I)
    if (FItems[size_t(I)].get() == Layer) return I;
  return -1;
}

void TLayerCollection::Insert(std::unique_ptr<TCustomLayer> Layer) {
  FItems.push_back(std::move(Layer));
  FItems.back()->Update();
}

void TLayerCollection::Delete(TCustomLayer* Layer) {
  const int I = IndexOf(Layer);
  if (I < 0) return;
  // Out of the list first: the repaint of its area must not paint it any more.
  std::unique_ptr<TCustomLayer> Gone = std::move(FItems[size_t(I)]);
  FItems.erase(FItems.begin() + I);
  if (Gone->Visible()) Gone->Update();
}

void TLayerCollection::Clear() {
  // From the top down, each repainting its area without itself.
  while (!FItems.empty()) Delete(FItems.back().get());
}

TCustomLayer* TLayerCollection::FindLayerAtPos(int X, int Y) const {
  for (auto It = FItems.rbegin(); It != FItems.rend(); ++It)
    if ((*It)->Visible() && (*It)->HitTest(X, Y)) return It->get();
  return nullptr;
}

void TLayerCollection::Paint(TBitmap32* Buffer) const {
  for (const auto& Layer : FItems)
    if (Layer->Visible()) Layer->Paint(Buffer);
}

void TLayerCollection::Paint(TBitmap32* Buffer, const TRect& Area) const {
  TRect Common;
  for (const auto& Layer : FItems)
    if (Layer->Visible() && IntersectRect(Common, Layer->Bounds(), Area)) Layer->Paint(Buffer);
}

void TLayerCollection::AreaChanged(const TRect& Area) {
  if (Area.Right > Area.Left && Area.Bottom > Area.Top && OnAreaChanged) OnAreaChanged(Area);
}

}  // namespace qv
