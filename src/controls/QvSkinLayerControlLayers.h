#pragma once
// The layers of the layered image control: a collection of layers painted in order over
// the control's picture, the last one on top. A positioned layer covers a floating
// rectangle, its Location; moving it reports the area it left and the area it now covers,
// so that the control repaints only those. Layers are never scaled and take no mouse
// events of their own: the control asks FindLayerAtPos. Portable.
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "host/Classes.h"
#include "host/Types.h"

namespace qv {

class TBitmap32;
class TLayerCollection;

class TCustomLayer : public TPersistent {
 public:
  explicit TCustomLayer(TLayerCollection* ALayerCollection) : FLayerCollection(ALayerCollection) {}
  String ClassName() const override { return L"TCustomLayer"; }

  TLayerCollection* LayerCollection() const { return FLayerCollection; }
  // Position in the collection's painting order; -1 once taken out.
  int Index() const;
  // A hidden layer neither paints nor answers hit tests.
  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool Value);

  // The pixels the layer may paint; everything by default.
  virtual TRect Bounds() const {
    return Rect(INT32_MIN / 2, INT32_MIN / 2, INT32_MAX / 2, INT32_MAX / 2);
  }
  // Whether the point (control coordinates) hits the layer; nothing by default.
  virtual bool HitTest(int X, int Y) const { return false; }
  // Draws the layer into the control's buffer.
  virtual void Paint(TBitmap32* Buffer) {}
  // Reports the layer's area for repainting.
  virtual void Update() {}

 protected:
  // Tells the collection that Area of the control must be painted again.
  void Changed(const TRect& Area);

 private:
  TLayerCollection* FLayerCollection;
  bool FVisible = true;
};

class TPositionedLayer : public TCustomLayer {
 public:
  using TCustomLayer::TCustomLayer;
  String ClassName() const override { return L"TPositionedLayer"; }

  // The covered rectangle in control coordinates. Setting a different one repaints the
  // old and the new area.
  const TFloatRect& Location() const { return FLocation; }
  void SetLocation(const TFloatRect& Value);
  // The whole pixels the location touches.
  TRect GetAdjustedRect() const { return PixelRect(FLocation); }
  static TRect PixelRect(const TFloatRect& R);

  TRect Bounds() const override { return GetAdjustedRect(); }
  // Left and top inclusive.
  bool HitTest(int X, int Y) const override;
  void Update() override { Changed(GetAdjustedRect()); }

 private:
  TFloatRect FLocation;
};

class TLayerCollection : public TPersistent {
 public:
  TLayerCollection();
  ~TLayerCollection() override;
  String ClassName() const override { return L"TLayerCollection"; }

  int Count() const { return int(FItems.size()); }
  // Nil outside [0, Count).
  TCustomLayer* Items(int Index) const;
  int IndexOf(const TCustomLayer* Layer) const;

  // A new layer of type T at the top, made with this collection and Args.
  template <typename T, typename... A>
  T* Add(A&&... Args) {
    auto Layer = std::make_unique<T>(this, std::forward<A>(Args)...);
    T* Result = Layer.get();
    Insert(std::move(Layer));
    return Result;
  }
  // Frees the layer (nothing for one not in the collection) and repaints its area.
  void Delete(TCustomLayer* Layer);
  void Clear();

  // The topmost visible layer whose hit test accepts the point, or nil.
  TCustomLayer* FindLayerAtPos(int X, int Y) const;
  // Every visible layer in order; with Area only those reaching into it.
  void Paint(TBitmap32* Buffer) const;
  void Paint(TBitmap32* Buffer, const TRect& Area) const;

  // Area (control coordinates) to paint again.
  std::function<void(const TRect& Area)> OnAreaChanged;

 private:
  friend class TCustomLayer;
  void Insert(std::unique_ptr<TCustomLayer> Layer);
  void AreaChanged(const TRect& Area);
  std::vector<std::unique_ptr<TCustomLayer>> FItems;
};

}  // namespace qv
