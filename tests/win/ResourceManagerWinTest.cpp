#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/ScopeGuard.h"
#include "resources/QvSkinResManager.h"

using namespace qv;

namespace {

// A registry key with its values and subkeys, held in memory so that a test can change
// the key and put back what the machine had.
struct TRegSnapshot {
  struct TValue {
    std::wstring Name;
    DWORD Type;
    std::vector<BYTE> Data;
  };
  std::wstring Name;  // of the key within its parent
  bool Exists = false;
  std::vector<TValue> Values;
  std::vector<TRegSnapshot> SubKeys;

  static TRegSnapshot Take(HKEY Root, const std::wstring& Path) {
    TRegSnapshot S;
    S.Name = Path;
    HKEY Key;
    if (RegOpenKeyExW(Root, Path.c_str(), 0, KEY_READ, &Key) != ERROR_SUCCESS) return S;
    S.Exists = true;
    DWORD KeyLen = 0, NameLen = 0, DataLen = 0;  // the longest subkey name, value name, data
    RegQueryInfoKeyW(Key, nullptr, nullptr, nullptr, nullptr, &KeyLen, nullptr, nullptr, &NameLen,
                     &DataLen, nullptr, nullptr);
    std::vector<wchar_t> Name(std::max(KeyLen, NameLen) + 1);
    for (DWORD I = 0;; ++I) {
      DWORD Len = DWORD(Name.size());
      if (RegEnumKeyExW(Key, I, Name.data(), &Len, nullptr, nullptr, nullptr, nullptr) !=
          ERROR_SUCCESS)
        break;
      S.SubKeys.push_back(Take(Key, std::wstring(Name.data(), Len)));
    }
    for (DWORD I = 0;; ++I) {
      DWORD Len = DWORD(Name.size()), Size = DataLen;
      TValue V{L"", 0, std::vector<BYTE>(DataLen)};
      if (RegEnumValueW(Key, I, Name.data(), &Len, nullptr, &V.Type, V.Data.data(), &Size) !=
          ERROR_SUCCESS)
        break;
      V.Name.assign(Name.data(), Len);
      V.Data.resize(Size);
      S.Values.push_back(std::move(V));
    }
    RegCloseKey(Key);
    return S;
  }

  // Makes the key exactly what was taken (or absent, as it was).
  void Restore(HKEY Root) const {
    RegDeleteTreeW(Root, Name.c_str());
    RegDeleteKeyW(Root, Name.c_str());
    if (!Exists) return;
    HKEY Key;
    if (RegCreateKeyExW(Root, Name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &Key,
                        nullptr) != ERROR_SUCCESS)
      return;
    for (const TValue& V : Values)
      RegSetValueExW(Key, V.Name.c_str(), 0, V.Type, V.Data.data(), DWORD(V.Data.size()));
    for (const TRegSnapshot& Sub : SubKeys) Sub.Restore(Key);
    RegCloseKey(Key);
  }
};

TEST(ResourceManagerWin, BitmapResourceOfAModule) {
  HMODULE Module = LoadLibraryW(L"comctl32.dll");
  ASSERT_NE(Module, nullptr);
  // Bitmap 120 of the common controls: the small standard toolbar images.
  HBITMAP Bmp = static_cast<HBITMAP>(LoadImageW(Module, L"#120", IMAGE_BITMAP, 0, 0, 0));
  ASSERT_NE(Bmp, nullptr);
  BITMAP Info{};
  GetObjectW(Bmp, sizeof(Info), &Info);
  DeleteObject(Bmp);

  TQvSkinImageList List(nullptr);
  TQvSkinResManager Manager(&List);
  EXPECT_EQ(Manager.AddRes(Module, L"#120", L"StdSmall", L"toolbar"), 0);
  TQvSkinImage* Image = Manager.GetImageByName(L"stdsmall");
  ASSERT_NE(Image, nullptr);
  EXPECT_EQ(Image->Width(), Info.bmWidth);
  EXPECT_EQ(Image->Height(), Info.bmHeight);
  if (Info.bmBitsPixel != 32) {  // no alpha in the resource: every pixel opaque
    for (int Y = 0; Y < Image->Height(); ++Y)
      for (int X = 0; X < Image->Width(); ++X) ASSERT_EQ(Image->Pixel(X, Y) >> 24, 255u);
  }

  EXPECT_THROW(Manager.AddRes(Module, L"NoSuchBitmap", L"x", L""), Exception);
  EXPECT_EQ(List.Count(), 1);
  FreeLibrary(Module);
}

TEST(ResourceManagerWin, InstallPathFromTheRegistry) {
  // The test deletes the key: whatever this machine keeps there comes back afterwards, also
  // when an assertion ends the test early.
  const wchar_t* const Path = L"Software\\QvSkin";
  const TRegSnapshot Saved = TRegSnapshot::Take(HKEY_CURRENT_USER, Path);
  TScopeExit PutBack([&] { Saved.Restore(HKEY_CURRENT_USER); });
  HKEY Key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &Key,
                            nullptr),
            ERROR_SUCCESS);
  const wchar_t Dir[] = L"C:\\QvSkin\\Lib";
  RegSetValueExW(Key, L"Path22", 0, REG_SZ, reinterpret_cast<const BYTE*>(Dir), sizeof(Dir));
  EXPECT_EQ(GetQvSkinInstallPath(), L"C:\\QvSkin\\Lib\\");
  EXPECT_EQ(QvSkinDesignTimeResFileName(), L"C:\\QvSkin\\Lib\\QvSkinDesignTimeRes.tmp");
  RegDeleteValueW(Key, L"Path22");
  RegCloseKey(Key);
  RegDeleteKeyW(HKEY_CURRENT_USER, Path);
  EXPECT_EQ(GetQvSkinInstallPath(), L"");
}

}  // namespace
