#pragma once
// The built-in skins' PNG files (light and dark, each with its high-DPI variants in a table of
// their own), compiled into the library at build time.
namespace qv {

struct TEmbeddedFile {
  const wchar_t* Name;  // file name without folder and extension
  const unsigned char* Data;
  unsigned long Size;
};

extern const TEmbeddedFile gDefaultSkinFiles[];
extern const int gDefaultSkinFileCount;
extern const TEmbeddedFile gDarkSkinFiles[];
extern const int gDarkSkinFileCount;
// The high-DPI variants ("<ResID>@DPI150" and so on) of each.
extern const TEmbeddedFile gDefaultSkinHiDPIFiles[];
extern const int gDefaultSkinHiDPIFileCount;
extern const TEmbeddedFile gDarkSkinHiDPIFiles[];
extern const int gDarkSkinHiDPIFileCount;

}  // namespace qv
