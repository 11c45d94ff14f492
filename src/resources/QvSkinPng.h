#pragma once
// A non-visual component with no members of its own.
#include "host/Classes.h"

namespace qv {

class TQvSkinPng : public TComponent {
 public:
  static constexpr const wchar_t* StaticClassName = L"TQvSkinPng";
  String ClassName() const override { return StaticClassName; }
  using TComponent::TComponent;
  ~TQvSkinPng() override;  // defined with the class registration
};

}  // namespace qv
