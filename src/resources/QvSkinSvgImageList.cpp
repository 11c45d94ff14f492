#include "resources/QvSkinSvgImageList.h"

namespace qv {

void TQvSkinSvgImageList::Assign(TPersistent* Source) {
  if (dynamic_cast<TQvSkinSvgImageList*>(Source)) return;
  TComponent::Assign(Source);
}

}  // namespace qv
