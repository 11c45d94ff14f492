#include "forms/QvSkinNCCtrlBase.h"

namespace qv {

bool gHookedCursor = false;

}  // namespace qv
