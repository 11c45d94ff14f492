#pragma once
// The vector image list of the default-skin module.
// STUB: holds no items yet; the vector image list replaces this class with the real one
// (same name and streaming name), so the module and the manager already refer to it.
#include "host/Classes.h"

namespace qv {

class TQvSkinSvgImageList : public TComponent {
  QV_CLASS(TQvSkinSvgImageList)

 public:
  using TComponent::TComponent;
  // Another vector list: nothing to copy while the list has no items.
  void Assign(TPersistent* Source) override;
};

}  // namespace qv
