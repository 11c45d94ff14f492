#include <gtest/gtest.h>
#include <windows.h>

#include "resources/QvSkinResManager.h"

using namespace qv;

namespace {

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
  HKEY Key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\QvSkin", 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &Key, nullptr),
            ERROR_SUCCESS);
  const wchar_t Path[] = L"C:\\QvSkin\\Lib";
  RegSetValueExW(Key, L"Path22", 0, REG_SZ, reinterpret_cast<const BYTE*>(Path), sizeof(Path));
  EXPECT_EQ(GetQvSkinInstallPath(), L"C:\\QvSkin\\Lib\\");
  EXPECT_EQ(QvSkinDesignTimeResFileName(), L"C:\\QvSkin\\Lib\\QvSkinDesignTimeRes.tmp");
  RegDeleteValueW(Key, L"Path22");
  RegCloseKey(Key);
  RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\QvSkin");
  EXPECT_EQ(GetQvSkinInstallPath(), L"");
}

}  // namespace
