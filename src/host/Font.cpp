#include "host/Font.h"

#include <iterator>
#include <utility>

#include "host/Colors.h"
#include "host/ObjectText.h"

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

template <size_t N>
int IndexOfName(const wchar_t* const (&Names)[N], const String& Name) {
  for (size_t I = 0; I < N; ++I)
    if (SameText(Name, Names[I])) return int(I);
  return -1;
}

[[noreturn]] void BadValue(const String& Prop, const String& Value) {
  throw EReadError(L"Invalid property value " + Value + L" for " + Prop);
}
}  // namespace

bool CharsetToIdent(TFontCharset Charset, String& Ident) {
  return IntToIdent(Charset, Ident, CharsetNames);
}

bool IdentToCharset(const String& Ident, TFontCharset& Charset) {
  int32_t V;
  if (!IdentToInt(Ident, V, CharsetNames)) return false;
  Charset = TFontCharset(V);
  return true;
}

void TFont::WriteProperties(TPropertyWriter& Writer) const {
  String Ident;
  if (CharsetToIdent(FCharset, Ident))
    Writer.WriteIdent(L"Charset", Ident);
  else
    Writer.WriteInteger(L"Charset", FCharset);
  if (ColorToIdent(FColor, Ident))
    Writer.WriteIdent(L"Color", Ident);
  else
    Writer.WriteInteger(L"Color", FColor);
  Writer.WriteInteger(L"Height", FHeight);
  Writer.WriteString(L"Name", FName);
  if (FOrientation != 0) Writer.WriteInteger(L"Orientation", FOrientation);
  if (FPitch != fpDefault) Writer.WriteIdent(L"Pitch", PitchNames[FPitch]);
  std::vector<String> Styles;
  for (int I = 0; I < int(std::size(StyleNames)); ++I)
    if (FStyle.Contains(TFontStyle(I))) Styles.push_back(StyleNames[I]);
  Writer.WriteSet(L"Style", Styles);
  if (FQuality != fqDefault) Writer.WriteIdent(L"Quality", QualityNames[FQuality]);
}

bool TFont::ReadProperty(const String& Name, const TPropValue& Value) {
  if (SameText(Name, L"Charset")) {
    TFontCharset C;
    if (Value.Type == vaIdent) {
      if (!IdentToCharset(Value.Str, C)) BadValue(Name, Value.Str);
    } else {
      int64_t V = Value.AsInteger();
      if (V < 0 || V > 255) BadValue(Name, std::to_wstring(V));
      C = TFontCharset(V);
    }
    SetCharset(C);
  } else if (SameText(Name, L"Color")) {
    TColor C;
    if (Value.Type == vaIdent) {
      if (!IdentToColor(Value.Str, C)) BadValue(Name, Value.Str);
    } else {
      C = TColor(uint32_t(Value.AsInteger()));
    }
    SetColor(C);
  } else if (SameText(Name, L"Height")) {
    SetHeight(Integer(Value.AsInteger()));
  } else if (SameText(Name, L"Size")) {
    SetSize(Integer(Value.AsInteger()));
  } else if (SameText(Name, L"Name")) {
    SetName(Value.AsString());
  } else if (SameText(Name, L"Orientation")) {
    SetOrientation(Integer(Value.AsInteger()));
  } else if (SameText(Name, L"Pitch")) {
    int I = IndexOfName(PitchNames, Value.AsString());
    if (I < 0) BadValue(Name, Value.Str);
    SetPitch(TFontPitch(I));
  } else if (SameText(Name, L"Quality")) {
    int I = IndexOfName(QualityNames, Value.AsString());
    if (I < 0) BadValue(Name, Value.Str);
    SetQuality(TFontQuality(I));
  } else if (SameText(Name, L"Style")) {
    if (Value.Type != vaSet)
      throw EReadError(L"Invalid property value for " + Name + L": set expected");
    TFontStyles S;
    for (const auto& M : Value.SetItems) {
      int I = IndexOfName(StyleNames, M);
      if (I < 0) BadValue(Name, M);
      S.Include(TFontStyle(I));
    }
    SetStyle(S);
  } else {
    return false;
  }
  return true;
}

}  // namespace qv
