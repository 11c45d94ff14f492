// Without a platform there is no font handle to release.
#include "host/Font.h"

namespace qv {

void TFont::DeleteHandle(HFONT__*) {}

}  // namespace qv
