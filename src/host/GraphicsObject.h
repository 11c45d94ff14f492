#pragma once
// The common part of fonts, pens and brushes: a change event and a platform object
// created on demand. A change that affects the platform object drops it; the old one is
// deleted only after the listeners ran, so that a canvas can deselect it first.
#include "host/Classes.h"
#include "host/PlatformTypes.h"

namespace qv {

class TGraphicsObject : public TPersistent {
 public:
  TGraphicsObject() = default;
  ~TGraphicsObject() override { DeleteHandle(FHandle); }
  TGraphicsObject(const TGraphicsObject&) = delete;
  TGraphicsObject& operator=(const TGraphicsObject&) = delete;
  bool HandleAllocated() const { return FHandle != nullptr; }
  TNotifyEvent OnChange;

 protected:
  void Changed(bool DropHandle = true) {
    HGDIOBJ Old = nullptr;
    if (DropHandle) std::swap(Old, FHandle);
    if (OnChange) OnChange(this);
    DeleteHandle(Old);
  }
  template <typename T>
  void Update(T& Field, const T& Value, bool DropHandle = true) {
    if (Field == Value) return;
    Field = Value;
    Changed(DropHandle);
  }
  HGDIOBJ FHandle = nullptr;

 private:
  static void DeleteHandle(HGDIOBJ Handle);  // platform glue
};

}  // namespace qv
