#pragma once
// The property streaming helpers live with the shared value types, so that the form-level
// settings below the controls can use them too.
#include "resources/QvSkinIntfStreaming.h"
