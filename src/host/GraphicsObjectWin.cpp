#include <windows.h>

#include "host/GraphicsObject.h"

namespace qv {

void TGraphicsObject::DeleteHandle(HGDIOBJ Handle) {
  if (Handle) DeleteObject(HGDIOBJ(Handle));
}

}  // namespace qv
