#include "resources/QvSkinSvgImageList.h"

#include "resources/QvSkinImageList.h"

namespace qv {

namespace {
const bool kRegistered = (RegisterComponentClass<TQvSkinSvgImageList>(), true);
}

void TQvSkinSvgImageList::Assign(TPersistent* Source) {
  if (dynamic_cast<TQvSkinSvgImageList*>(Source)) return;
  TComponent::Assign(Source);
}

void TQvSkinSvgImageList::WriteProperties(TPropertyWriter& Writer) const {
  WriteDesignPosition(Writer, FDesignLeft, FDesignTop);
}

bool TQvSkinSvgImageList::ReadProperty(const String& Name, const TPropValue& Value) {
  return ReadDesignPosition(Name, Value, FDesignLeft, FDesignTop) ||
         TComponent::ReadProperty(Name, Value);
}

}  // namespace qv
