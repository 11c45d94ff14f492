#pragma once
// The default skin's PNG files, compiled into the library at build time.
namespace qv {

struct TEmbeddedFile {
  const wchar_t* Name;  // file name without folder and extension
  const unsigned char* Data;
  unsigned long Size;
};

extern const TEmbeddedFile gDefaultSkinFiles[];
extern const int gDefaultSkinFileCount;

}  // namespace qv
