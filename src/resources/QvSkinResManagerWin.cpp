// Win32 side of the resource manager: the install folder from the registry.
#include <windows.h>

#include <vector>

#include "host/Streams.h"
#include "resources/QvSkinResManager.h"

namespace qv {

String GetQvSkinInstallPath() {
  HKEY Key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\QvSkin", 0, KEY_READ, &Key) != ERROR_SUCCESS)
    return String();
  // The value's name is "Path%.0f" of the version number 22.
  const wchar_t* ValueName = L"Path22";
  DWORD Type = 0, Size = 0;
  String Path;
  if (RegQueryValueExW(Key, ValueName, nullptr, &Type, nullptr, &Size) == ERROR_SUCCESS &&
      (Type == REG_SZ || Type == REG_EXPAND_SZ) && Size > 0) {
    std::vector<wchar_t> Buffer(Size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(Key, ValueName, nullptr, &Type, reinterpret_cast<BYTE*>(Buffer.data()),
                         &Size) == ERROR_SUCCESS)
      Path = Buffer.data();
  }
  RegCloseKey(Key);
  return Path.empty() ? Path : IncludeTrailingPathDelimiter(Path);
}

}  // namespace qv
