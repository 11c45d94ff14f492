#pragma once
// Factories of the title-bar buttons, whose header cannot share a unit with the controls'.
#include "host/Classes.h"

namespace qv {

TComponent* NewQvSkinNCButton(TComponent* Owner);
TComponent* NewQvSkinSystemButton(TComponent* Owner);

}  // namespace qv
