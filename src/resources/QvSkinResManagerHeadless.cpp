// Native stand-in: there is no registry, so the install folder is not recorded.
#include "resources/QvSkinResManager.h"

namespace qv {

String GetQvSkinInstallPath() {
  return String();
}

}  // namespace qv
