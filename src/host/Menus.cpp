#include "host/Menus.h"

#include <cwctype>

namespace qv {

namespace {

struct TKeyName {
  uint16_t Key;
  const wchar_t* Name;
};

// Virtual keys with a name of their own (the platform's VK_ numbers).
constexpr TKeyName kKeyNames[] = {
    {0x08, L"BkSp"},  {0x09, L"Tab"},   {0x0D, L"Enter"}, {0x1B, L"Esc"},   {0x20, L"Space"},
    {0x21, L"PgUp"},  {0x22, L"PgDn"},  {0x23, L"End"},   {0x24, L"Home"},  {0x25, L"Left"},
    {0x26, L"Up"},    {0x27, L"Right"}, {0x28, L"Down"},  {0x2D, L"Ins"},   {0x2E, L"Del"},
    {0x6A, L"Num *"}, {0x6B, L"Num +"}, {0x6D, L"Num -"}, {0x6F, L"Num /"}, {0xBA, L";"},
    {0xBB, L"="},     {0xBC, L","},     {0xBD, L"-"},     {0xBE, L"."},     {0xBF, L"/"},
    {0xC0, L"`"},     {0xDB, L"["},     {0xDC, L"\\"},    {0xDD, L"]"},     {0xDE, L"'"},
};

String KeyName(uint16_t Key) {
  if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z')) return String(1, wchar_t(Key));
  if (Key >= 0x70 && Key <= 0x87) return L"F" + std::to_wstring(Key - 0x70 + 1);
  if (Key >= 0x60 && Key <= 0x69) return L"Num " + std::to_wstring(Key - 0x60);
  for (const TKeyName& K : kKeyNames)
    if (K.Key == Key) return K.Name;
  return L"";
}

}  // namespace

TShortCut ShortCut(uint16_t Key, TShiftState Shift) {
  if (Key & 0xFF00) return scNone;
  TShortCut Result = Key;
  if (Shift.Contains(ssShift)) Result |= scShift;
  if (Shift.Contains(ssCtrl)) Result |= scCtrl;
  if (Shift.Contains(ssAlt)) Result |= scAlt;
  return Result;
}

String ShortCutToText(TShortCut Value) {
  String Name = KeyName(uint16_t(Value & 0xFF));
  if (Name.empty()) return L"";
  String Result;
  if (Value & scShift) Result += L"Shift+";
  if (Value & scCtrl) Result += L"Ctrl+";
  if (Value & scAlt) Result += L"Alt+";
  return Result + Name;
}

TShortCut TextToShortCut(const String& Text) {
  String Rest = Text;
  TShortCut Modifiers = 0;
  for (;;) {
    bool Found = false;
    for (auto [Prefix, Flag] :
         {std::pair{L"Shift+", scShift}, std::pair{L"Ctrl+", scCtrl}, std::pair{L"Alt+", scAlt}}) {
      String P = Prefix;
      if (Rest.size() > P.size() && SameText(Rest.substr(0, P.size()), P)) {
        Modifiers |= Flag;
        Rest.erase(0, P.size());
        Found = true;
      }
    }
    if (!Found) break;
  }
  for (uint16_t Key = 1; Key < 0x100; ++Key) {
    String Name = KeyName(Key);
    if (!Name.empty() && SameText(Name, Rest)) return TShortCut(Key | Modifiers);
  }
  return scNone;
}

String StripHotkey(const String& Text) {
  String Result;
  for (size_t I = 0; I < Text.size(); ++I) {
    if (Text[I] == L'&') {
      if (I + 1 < Text.size() && Text[I + 1] == L'&') {
        Result += L'&';
        ++I;
      }
      continue;
    }
    Result += Text[I];
  }
  return Result;
}

wchar_t GetHotkey(const String& Text) {
  for (size_t I = 0; I + 1 < Text.size(); ++I) {
    if (Text[I] != L'&') continue;
    if (Text[I + 1] == L'&') {
      ++I;
      continue;
    }
    return Text[I + 1];
  }
  return 0;
}

bool IsAccel(uint16_t VK, const String& Str) {
  wchar_t H = GetHotkey(Str);
  return H != 0 && std::towupper(H) == std::towupper(wchar_t(VK));
}

}  // namespace qv
