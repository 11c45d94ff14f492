// Native stand-ins: no registry (the install folder is not recorded) and no module
// resources.
#include "resources/QvSkinResManager.h"

namespace qv {

String GetQvSkinInstallPath() {
  return String();
}

void LoadSkinImageResource(TCustomBitmap32*, TModuleInstance, const String& ResourceName) {
  throw Exception(L"Resource " + ResourceName + L" not found");
}

}  // namespace qv
