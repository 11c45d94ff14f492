#include "host/Colors.h"

#include <array>
#include <cwchar>
#include <iterator>

#include "host/Classes.h"

namespace qv {

namespace {
const TIdentMapEntry ColorNames[] = {
    {clBlack, L"clBlack"},
    {clMaroon, L"clMaroon"},
    {clGreen, L"clGreen"},
    {clOlive, L"clOlive"},
    {clNavy, L"clNavy"},
    {clPurple, L"clPurple"},
    {clTeal, L"clTeal"},
    {clGray, L"clGray"},
    {clSilver, L"clSilver"},
    {clRed, L"clRed"},
    {clLime, L"clLime"},
    {clYellow, L"clYellow"},
    {clBlue, L"clBlue"},
    {clFuchsia, L"clFuchsia"},
    {clAqua, L"clAqua"},
    {clWhite, L"clWhite"},
    {clMoneyGreen, L"clMoneyGreen"},
    {clSkyBlue, L"clSkyBlue"},
    {clCream, L"clCream"},
    {clMedGray, L"clMedGray"},
    {clActiveBorder, L"clActiveBorder"},
    {clActiveCaption, L"clActiveCaption"},
    {clAppWorkSpace, L"clAppWorkSpace"},
    {clBackground, L"clBackground"},
    {clBtnFace, L"clBtnFace"},
    {clBtnHighlight, L"clBtnHighlight"},
    {clBtnShadow, L"clBtnShadow"},
    {clBtnText, L"clBtnText"},
    {clCaptionText, L"clCaptionText"},
    {clDefault, L"clDefault"},
    {clGradientActiveCaption, L"clGradientActiveCaption"},
    {clGradientInactiveCaption, L"clGradientInactiveCaption"},
    {clGrayText, L"clGrayText"},
    {clHighlight, L"clHighlight"},
    {clHighlightText, L"clHighlightText"},
    {clHotLight, L"clHotLight"},
    {clInactiveBorder, L"clInactiveBorder"},
    {clInactiveCaption, L"clInactiveCaption"},
    {clInactiveCaptionText, L"clInactiveCaptionText"},
    {clInfoBk, L"clInfoBk"},
    {clInfoText, L"clInfoText"},
    {clMenu, L"clMenu"},
    {clMenuBar, L"clMenuBar"},
    {clMenuHighlight, L"clMenuHighlight"},
    {clMenuText, L"clMenuText"},
    {clNone, L"clNone"},
    {clScrollBar, L"clScrollBar"},
    {cl3DDkShadow, L"cl3DDkShadow"},
    {cl3DLight, L"cl3DLight"},
    {clWindow, L"clWindow"},
    {clWindowFrame, L"clWindowFrame"},
    {clWindowText, L"clWindowText"},
};
}  // namespace

void GetColorValues(const std::function<void(const String& Name)>& Proc) {
  for (const TIdentMapEntry& E : ColorNames) Proc(E.Name);
}

bool ColorToIdent(TColor Color, String& Ident) {
  return IntToIdent(Color, Ident, ColorNames);
}

bool IdentToColor(const String& Ident, TColor& Color) {
  return IdentToInt(Ident, Color, ColorNames);
}

String ColorToString(TColor Color) {
  String S;
  if (ColorToIdent(Color, S)) return S;
  wchar_t Buf[16];
  std::swprintf(Buf, std::size(Buf), L"$%08X", unsigned(Color));
  return Buf;
}

TColor StringToColor(const String& S) {
  TColor C;
  if (IdentToColor(S, C)) return C;
  String T = Trim(S);
  bool Hex = !T.empty() && T[0] == L'$';
  size_t I = Hex ? 1 : 0;
  bool Neg = !Hex && I < T.size() && T[I] == L'-';
  if (Neg) ++I;
  if (I >= T.size() || T.size() - I > (Hex ? 8u : 10u))
    throw EConvertError(L"'" + S + L"' is not a valid integer value");
  int64_t V = 0;
  for (; I < T.size(); ++I) {
    wchar_t Ch = T[I];
    int D = Ch >= L'0' && Ch <= L'9'          ? Ch - L'0'
            : Hex && Ch >= L'a' && Ch <= L'f' ? Ch - L'a' + 10
            : Hex && Ch >= L'A' && Ch <= L'F' ? Ch - L'A' + 10
                                              : -1;
    if (D < 0) throw EConvertError(L"'" + S + L"' is not a valid integer value");
    V = V * (Hex ? 16 : 10) + D;
  }
  if (Neg) V = -V;
  if (!Hex && (V > INT32_MAX || V < INT32_MIN))
    throw EConvertError(L"'" + S + L"' is not a valid integer value");
  return TColor(uint32_t(V));
}

namespace {

// Replacements by system colour index (the low byte); -1 where the system's colour holds.
std::array<TColor, 32>& Overrides() {
  static std::array<TColor, 32> A = [] {
    std::array<TColor, 32> Init;
    Init.fill(-1);
    return Init;
  }();
  return A;
}

bool OverrideIndex(TColor SystemColor, unsigned& Index) {
  Index = unsigned(SystemColor) & 0xFF;
  return SystemColor < 0 && (unsigned(SystemColor) & 0xFFFFFF00u) == 0xFF000000u &&
         Index < Overrides().size();
}

}  // namespace

void SetSystemColorOverride(TColor SystemColor, TColor Value) {
  unsigned Index;
  if (OverrideIndex(SystemColor, Index) && Value >= 0) Overrides()[Index] = Value;
}

void ClearSystemColorOverrides() {
  Overrides().fill(-1);
}

bool SystemColorOverride(TColor SystemColor, TColor& Value) {
  unsigned Index;
  if (!OverrideIndex(SystemColor, Index) || Overrides()[Index] < 0) return false;
  Value = Overrides()[Index];
  return true;
}

}  // namespace qv
