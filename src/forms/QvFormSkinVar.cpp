#include "forms/QvFormSkinVar.h"

namespace qv {

THSBRec gHSB;

}  // namespace qv
