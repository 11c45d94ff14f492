// Win32 side of the resource manager: the install folder from the registry and bitmap
// resources of a module.
#include <windows.h>

#include <algorithm>
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

void LoadSkinImageResource(TCustomBitmap32* Image, TModuleInstance Instance,
                           const String& ResourceName) {
  HBITMAP Bmp =
      static_cast<HBITMAP>(LoadImageW(static_cast<HINSTANCE>(Instance), ResourceName.c_str(),
                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!Bmp) throw Exception(L"Resource " + ResourceName + L" not found");
  BITMAP Info{};
  GetObjectW(Bmp, sizeof(Info), &Info);
  const int W = Info.bmWidth, H = Info.bmHeight < 0 ? -Info.bmHeight : Info.bmHeight;
  std::vector<TColor32> Pixels(size_t(W) * size_t(H));
  BITMAPINFO BI{};
  BI.bmiHeader.biSize = sizeof(BI.bmiHeader);
  BI.bmiHeader.biWidth = W;
  BI.bmiHeader.biHeight = -H;  // top-down
  BI.bmiHeader.biPlanes = 1;
  BI.bmiHeader.biBitCount = 32;
  BI.bmiHeader.biCompression = BI_RGB;
  HDC DC = GetDC(nullptr);
  int Lines = H ? GetDIBits(DC, Bmp, 0, UINT(H), Pixels.data(), &BI, DIB_RGB_COLORS) : 0;
  ReleaseDC(nullptr, DC);
  const bool Has32Bits = Info.bmBitsPixel == 32;
  DeleteObject(Bmp);
  if (Lines != H) throw EInvalidGraphic(L"Cannot read bitmap resource " + ResourceName);
  // Only a 32-bit bitmap carries alpha; the others are opaque.
  if (!Has32Bits)
    for (TColor32& P : Pixels) P |= 0xFF000000;
  Image->SetSize(W, H);
  if (!Image->Empty()) std::copy(Pixels.begin(), Pixels.end(), Image->Bits());
  Image->Changed();
}

}  // namespace qv
