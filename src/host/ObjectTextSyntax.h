#pragma once
// Lexical rules shared by the object text writer and parser.
#include "host/Types.h"

namespace qv {

inline bool IsIdentStart(wchar_t C) {
  return (C >= L'A' && C <= L'Z') || (C >= L'a' && C <= L'z') || C == L'_' || C >= 0x80;
}
inline bool IsIdentChar(wchar_t C) {
  return IsIdentStart(C) || (C >= L'0' && C <= L'9');
}

// A name, possibly dotted ("Bitmap.Data"): every segment starts with a letter or underscore.
bool IsObjectTextIdent(const String& S);

}  // namespace qv
