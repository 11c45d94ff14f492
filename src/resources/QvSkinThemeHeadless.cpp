// Native stand-in: no windows to repaint and no user theme setting.
#include "resources/QvSkinTheme.h"

namespace qv {

bool SystemAppsUseLightTheme() {
  return true;
}

void RepaintAllWindows() {}

}  // namespace qv
