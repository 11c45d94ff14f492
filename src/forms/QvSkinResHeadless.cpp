// Native stand-in: there are no windows to tell and no designer to warn.
#include "forms/QvSkinRes.h"

namespace qv {

void SendSkinResChanged() {}

void ShowSkinResSaveWarning() {}

}  // namespace qv
