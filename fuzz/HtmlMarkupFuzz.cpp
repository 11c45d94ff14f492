// HTML label mark-up: any text lays out, answers hit tests and draws without crashing or
// hanging, its geometry stays bounded, and the canvas font comes back as it was.
#include <cstdlib>

#include "../tests/core/HtmlTestCanvas.h"
#include "controls/QvHtmlText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  using namespace qv;
  if (Size == 0) return 0;
  // The first byte picks the state; the rest is the text, one character per byte (the
  // mark-up's syntax is ASCII) with a high byte now and then.
  TOwnerDrawState State;
  if (Data[0] & 1) State.Include(odSelected);
  if (Data[0] & 2) State.Include(odDisabled);
  if (Data[0] & 4) State.Include(odReserved1);
  String Text;
  for (size_t I = 1; I < Size; ++I)
    Text.push_back(Data[I] == 0xFF && I + 1 < Size ? wchar_t(0x2000 + Data[++I])
                                                   : wchar_t(Data[I]));
  qvtest::THtmlTestCanvas C;
  const TQvHtmlLayout L =
      HTMLLayout(C, TRect{3, 4, 200, 50}, State, Text, DefaultSuperSubScriptRatio, Data[0] * 3);
  if (L.Width < 0 || L.Height < 4) std::abort();
  for (const TQvHtmlRun& R : L.Runs)
    if (R.FontHeight > -1 || R.FontHeight < -267 || R.Link >= int(L.Links.size())) std::abort();
  const int Hot =
      L.Runs.empty() ? -1 : HTMLLinkAt(L, L.Runs.back().Bounds.Left, L.Runs.back().Bounds.Top);
  HTMLRender(C, L, Hot, clRed);
  if (C.Font().Height() != -12 || C.Font().Color() != clBlack || !C.Font().Style().Empty())
    std::abort();
  return 0;
}
