#pragma once
// A non-visual component with no members of its own.
#include "host/Classes.h"

namespace qv {

class TQvSkinPng : public TComponent {
  QV_CLASS(TQvSkinPng)

 public:
  using TComponent::TComponent;
};

}  // namespace qv
