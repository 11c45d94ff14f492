// The title-bar buttons apart: their state names clash with the controls' ones.
#include "design/QvComponentRegistryNC.h"
#include "forms/QvSkinNCButton.h"

namespace qv {

TComponent* NewQvSkinNCButton(TComponent* Owner) {
  return new TQvSkinNCButton(Owner);
}
TComponent* NewQvSkinSystemButton(TComponent* Owner) {
  return new TQvSkinSystemButton(Owner);
}

}  // namespace qv
