#include "resources/QvSkinNamedItem.h"

#include "host/ObjectText.h"

namespace qv {

bool TQvSkinNamedItem::ReadNameProperty(const String& Name, const TPropValue& Value) {
  String* Field = SameText(Name, L"ResID")         ? &FResID
                  : SameText(Name, L"Description") ? &FDescription
                                                   : nullptr;
  if (Field) *Field = Value.AsString();
  return Field != nullptr;
}

}  // namespace qv
