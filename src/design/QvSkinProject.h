#pragma once
// The skin editor's project: the rules that need no window, kept apart so they are tested
// natively.
#include <functional>

#include "host/Classes.h"
#include "resources/QvSkinResManager.h"

namespace qv {

// The ID a new picture gets: the ID box trimmed, else the file name without its extension;
// "_1" is appended while Exists (case-insensitive lookups are the caller's) says taken.
// With HighDPI the scale's suffix is added when the ID carries none. The "_1" goes before
// any suffix, so the result still reads as a variant of its base ID and is always free.
TQvResID NewPictureID(const String& IDBox, const String& FileName,
                      const std::function<bool(const TQvResID&)>& Exists, bool HighDPI = false,
                      TQvResDPIScale Scale = ds100);

// The design-time resource lines out of the module's lines: the main image list's block up
// to its items' closing "end>", then the lines closing it, appended to Dest; nothing when
// either line is missing.
void DesignTimeLines(const TStringList& ModuleLines, TStringList& Dest);

}  // namespace qv
