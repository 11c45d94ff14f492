#include <windows.h>

#include <algorithm>

#include "host/Font.h"

namespace qv {

HFONT TFont::Handle() {
  if (!FHandle) {
    LOGFONTW LF{};
    LF.lfHeight = FHeight;
    LF.lfEscapement = FOrientation;
    LF.lfOrientation = FOrientation;
    LF.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    LF.lfItalic = FStyle.Contains(fsItalic);
    LF.lfUnderline = FStyle.Contains(fsUnderline);
    LF.lfStrikeOut = FStyle.Contains(fsStrikeOut);
    LF.lfCharSet = FCharset;
    LF.lfOutPrecision = OUT_DEFAULT_PRECIS;
    LF.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    LF.lfQuality = BYTE(FQuality);
    LF.lfPitchAndFamily = FPitch == fpFixed      ? FIXED_PITCH
                          : FPitch == fpVariable ? VARIABLE_PITCH
                                                 : DEFAULT_PITCH;
    // The face name field holds 31 characters and the terminator.
    size_t N = std::min<size_t>(FName.size(), LF_FACESIZE - 1);
    FName.copy(LF.lfFaceName, N);
    LF.lfFaceName[N] = 0;
    FHandle = CreateFontIndirectW(&LF);
    if (!FHandle) throw EOutOfResources(L"Out of system resources");
  }
  return HFONT(FHandle);
}

}  // namespace qv
