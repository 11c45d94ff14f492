// Win32 side of the atomic file replacement.
#include <windows.h>

#include <algorithm>

#include "host/AtomicFile.h"

namespace qv {

bool WriteAndReplaceFile(const String& TempName, const String& FileName,
                         const std::vector<uint8_t>& Data) {
  HANDLE File = CreateFileW(TempName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (File == INVALID_HANDLE_VALUE) {
    const DWORD Error = GetLastError();
    if (Error == ERROR_FILE_EXISTS || Error == ERROR_ALREADY_EXISTS) return false;
    throw EFCreateError(L"Cannot create file \"" + TempName + L"\"");
  }
  bool Ok = true;
  for (size_t Done = 0; Ok && Done < Data.size();) {
    const DWORD Chunk = DWORD(std::min<size_t>(Data.size() - Done, 1u << 30));
    DWORD Written = 0;
    Ok = WriteFile(File, Data.data() + Done, Chunk, &Written, nullptr) && Written > 0;
    Done += Written;
  }
  // The data must be on the disk before the name points at it.
  Ok = Ok && FlushFileBuffers(File);
  CloseHandle(File);
  if (!Ok) {
    DeleteFileW(TempName.c_str());
    throw EWriteError(L"Cannot write file \"" + TempName + L"\"");
  }
  if (!MoveFileExW(TempName.c_str(), FileName.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(TempName.c_str());
    throw EFCreateError(L"Cannot create file \"" + FileName + L"\"");
  }
  return true;
}

}  // namespace qv
