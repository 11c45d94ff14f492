// Without a platform no object is ever created.
#include "host/GraphicsObject.h"

namespace qv {

void TGraphicsObject::DeleteHandle(HGDIOBJ) {}

}  // namespace qv
