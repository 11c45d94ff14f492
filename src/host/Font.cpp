#include "host/Font.h"

#include <utility>

#include "host/Colors.h"
#include "host/Properties.h"

namespace qv {

void TFont::SetName(const String& Value) {
  if (!Value.empty()) Update(FName, Value);  // an empty name would select an arbitrary face
}

void TFont::SetHeight(Integer Value) {
  Update(FHeight, Value);
}

Integer TFont::Size() const {
  return -MulDiv(FHeight, 72, FPixelsPerInch);
}

void TFont::SetSize(Integer Value) {
  SetHeight(-MulDiv(Value, FPixelsPerInch, 72));
}

void TFont::SetColor(TColor Value) {
  Update(FColor, Value, false);
}

void TFont::SetStyle(TFontStyles Value) {
  Update(FStyle, Value);
}

void TFont::SetCharset(TFontCharset Value) {
  Update(FCharset, Value);
}

void TFont::SetQuality(TFontQuality Value) {
  Update(FQuality, Value);
}

void TFont::SetPitch(TFontPitch Value) {
  Update(FPitch, Value);
}

void TFont::SetOrientation(Integer Value) {
  Update(FOrientation, Value);
}

void TFont::Assign(TPersistent* Source) {
  auto* F = dynamic_cast<TFont*>(Source);
  if (!F) return TPersistent::Assign(Source);
  if (F == this) return;
  bool Same = FName == F->FName && FHeight == F->FHeight && FStyle == F->FStyle &&
              FCharset == F->FCharset && FQuality == F->FQuality && FPitch == F->FPitch &&
              FOrientation == F->FOrientation;
  bool SameColor = FColor == F->FColor;
  if (Same && SameColor && FPixelsPerInch == F->FPixelsPerInch) return;
  FName = F->FName;
  // Keep the point size when the two fonts are scaled differently.
  FHeight = FPixelsPerInch == F->FPixelsPerInch
                ? F->FHeight
                : MulDiv(F->FHeight, FPixelsPerInch, F->FPixelsPerInch);
  FColor = F->FColor;
  FStyle = F->FStyle;
  FCharset = F->FCharset;
  FQuality = F->FQuality;
  FPitch = F->FPitch;
  FOrientation = F->FOrientation;
  Changed(true);
}

namespace {
const wchar_t* const StyleNames[] = {L"fsBold", L"fsItalic", L"fsUnderline", L"fsStrikeOut"};
const wchar_t* const QualityNames[] = {L"fqDefault",         L"fqDraft",       L"fqProof",
                                       L"fqNonAntialiased",  L"fqAntialiased", L"fqClearType",
                                       L"fqClearTypeNatural"};
const wchar_t* const PitchNames[] = {L"fpDefault", L"fpVariable", L"fpFixed"};

const TIdentMapEntry CharsetNames[] = {
    {0, L"ANSI_CHARSET"},      {1, L"DEFAULT_CHARSET"},    {2, L"SYMBOL_CHARSET"},
    {77, L"MAC_CHARSET"},      {128, L"SHIFTJIS_CHARSET"}, {129, L"HANGEUL_CHARSET"},
    {130, L"JOHAB_CHARSET"},   {134, L"GB2312_CHARSET"},   {136, L"CHINESEBIG5_CHARSET"},
    {161, L"GREEK_CHARSET"},   {162, L"TURKISH_CHARSET"},  {163, L"VIETNAMESE_CHARSET"},
    {177, L"HEBREW_CHARSET"},  {178, L"ARABIC_CHARSET"},   {186, L"BALTIC_CHARSET"},
    {204, L"RUSSIAN_CHARSET"}, {222, L"THAI_CHARSET"},     {238, L"EASTEUROPE_CHARSET"},
    {255, L"OEM_CHARSET"},
};
const TIdentIntMap CharsetIdents = {
    [](int32_t V, String& Ident) { return IntToIdent(V, Ident, CharsetNames); },
    [](const String& Ident, int32_t& V) { return IdentToInt(Ident, V, CharsetNames); }};
}  // namespace

bool CharsetToIdent(TFontCharset Charset, String& Ident) {
  return CharsetIdents.ToIdent(Charset, Ident);
}

bool IdentToCharset(const String& Ident, TFontCharset& Charset) {
  int32_t V;
  if (!CharsetIdents.FromIdent(Ident, V)) return false;
  Charset = TFontCharset(V);
  return true;
}

// The designer writes the charset, colour, height, name and style of every font.
const TPropTable& TFont::Properties() const {
  using C = TFont;
  static const TPropTable Table = TGraphicsObject::Properties().With({
      IdentIntProp(L"Charset", &C::Charset, &C::SetCharset, DefaultCharset, CharsetIdents)
          .Stored(Always),
      ColorProp(L"Color", &C::Color, &C::SetColor, DefaultColor).Stored(Always),
      Prop(L"Height", &C::Height, &C::SetHeight, DefaultHeight).Stored(Always),
      Prop(L"Name", &C::Name, &C::SetName, DefaultName).Stored(Always),
      Prop(L"Orientation", &C::Orientation, &C::SetOrientation),
      EnumProp(L"Pitch", &C::Pitch, &C::SetPitch, PitchNames),
      SetProp(L"Style", &C::Style, &C::SetStyle, StyleNames).Stored(Always),
      EnumProp(L"Quality", &C::Quality, &C::SetQuality, QualityNames),
      Prop(L"Size", &C::Size, &C::SetSize).Stored(Never),
  });
  return Table;
}

}  // namespace qv
