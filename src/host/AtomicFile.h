#pragma once
// Writing a file so that readers only ever see the old or the new content: the data goes
// to a temporary file in the same folder, is flushed to the disk, and then replaces the
// target in one step. Portable interface; the platform part sits in AtomicFileWin.cpp and
// AtomicFileHeadless.cpp.
#include <cstdint>
#include <vector>

#include "host/Types.h"

namespace qv {

// Creates Dir and every missing parent; raises EFCreateError "Cannot create folder \"%s\"".
void ForceDirectories(const String& Dir);

// Replaces FileName with Data. On any failure the target is left as it was, the temporary
// file is removed, and EFCreateError or EWriteError is raised.
void WriteFileAtomically(const String& FileName, const std::vector<uint8_t>& Data);

// Platform part: writes Data to the new file TempName (failing when it exists), flushes it
// and moves it over FileName. Answers false when TempName already exists; raises on other
// failures, after removing TempName.
bool WriteAndReplaceFile(const String& TempName, const String& FileName,
                         const std::vector<uint8_t>& Data);

}  // namespace qv
