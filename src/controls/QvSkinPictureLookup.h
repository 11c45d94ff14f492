#pragma once
// The skin picture a control names by resource ID, with its high-DPI variant allowed; nil
// for an empty ID, a missing picture or no resource manager.
#include "resources/QvSkinResManager.h"

namespace qv {

inline TQvSkinImage* SkinPicture(const TQvResID& ID) {
  if (ID.empty()) return nullptr;
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  return Manager ? Manager->GetImageByName(ID, true) : nullptr;
}

}  // namespace qv
