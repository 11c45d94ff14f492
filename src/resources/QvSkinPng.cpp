#include "resources/QvSkinPng.h"

namespace qv {

namespace {
const bool kRegistered = (RegisterComponentClass<TQvSkinPng>(), true);
}

TQvSkinPng::~TQvSkinPng() = default;

}  // namespace qv
