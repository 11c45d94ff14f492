#pragma once
// Typing and clipboard helpers of the edit tests.
#include <vector>

#include "SkinControlsTestSupport.h"

namespace qvtest {

// Types Text as an input method or on-screen keyboard would: one KEYEVENTF_UNICODE press
// per UTF-16 unit (a pair arrives as two characters).
inline void TypeText(const std::wstring& Text) {
  std::vector<INPUT> In;
  for (wchar_t C : Text)
    for (DWORD Up : {DWORD(0), DWORD(KEYEVENTF_KEYUP)}) {
      INPUT I{};
      I.type = INPUT_KEYBOARD;
      I.ki.wScan = C;
      I.ki.dwFlags = KEYEVENTF_UNICODE | Up;
      In.push_back(I);
    }
  SendInput(UINT(In.size()), In.data(), sizeof(INPUT));
  PumpInput();
}

// Puts Text on the real clipboard (nothing for an empty clipboard when Empty is set).
inline void SetClipboardText(const std::wstring& Text, bool Empty = false) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  if (!Empty) {
    HGLOBAL Mem = GlobalAlloc(GMEM_MOVEABLE, (Text.size() + 1) * sizeof(wchar_t));
    auto* P = static_cast<wchar_t*>(GlobalLock(Mem));
    std::copy_n(Text.c_str(), Text.size() + 1, P);
    GlobalUnlock(Mem);
    SetClipboardData(CF_UNICODETEXT, Mem);
  }
  CloseClipboard();
}

// The clipboard's text, empty when it holds none.
inline std::wstring ClipboardText() {
  std::wstring S;
  if (!OpenClipboard(nullptr)) return S;
  if (HANDLE H = GetClipboardData(CF_UNICODETEXT)) {
    S = static_cast<const wchar_t*>(GlobalLock(H));
    GlobalUnlock(H);
  }
  CloseClipboard();
  return S;
}

// A character outside the basic plane as its two UTF-16 units.
inline const std::wstring kEmoji = L"\U0001F600";

}  // namespace qvtest
