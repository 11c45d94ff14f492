#pragma once
// Checking a dropped file list before it is read: the shell's DROPFILES block (a 20-byte
// header whose first field is the offset of the names; each name ends with a zero, the
// list with one more; characters of 2 bytes when the fifth field is non-zero, else of 1).
#include <cstddef>
#include <vector>

#include "host/Types.h"

namespace qv {

constexpr size_t DropFilesHeaderSize = 20;

// The number of names in the block of Size bytes, or -1 when the block is malformed (too
// short, the names' offset outside it, or the list not ended inside it).
int QvDropFilesCount(const void* Block, size_t Size);
// The names of a well-formed block of 2-byte characters, in order, read in one pass (the
// platform's query per index walks the list from its start each time). False for a
// malformed block or one of 1-byte characters.
bool QvDropFilesWideNames(const void* Block, size_t Size, std::vector<String>& Names);

}  // namespace qv
