#include <windows.h>

#include "design/QvInstallFolder.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {
class TQvWinInstallRegistry : public IQvInstallRegistry {
 public:
  String ReadPath() override { return GetQvSkinInstallPath(); }
  bool WritePath(const String& Folder) override {
    HKEY Key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\QvSkin", 0, nullptr, 0, KEY_WRITE, nullptr,
                        &Key, nullptr) != ERROR_SUCCESS)
      return false;
    const LONG R =
        RegSetValueExW(Key, L"Path22", 0, REG_SZ, reinterpret_cast<const BYTE*>(Folder.c_str()),
                       DWORD((Folder.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(Key);
    return R == ERROR_SUCCESS;
  }
};
}  // namespace

IQvInstallRegistry& QvInstallRegistry() {
  static TQvWinInstallRegistry Registry;
  return Registry;
}

}  // namespace qv
