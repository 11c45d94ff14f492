#include "controls/QvSkinImageSliderGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "graphics/QvAE.h"
#include "graphics/QvGR32LibSlicing.h"

namespace qv {

namespace {

int RoundEven(Extended V) {
  return int(std::nearbyint(V));
}

}  // namespace

TRect SliderImageIndexRect(int Index, int Count, int StripW, int StripH) {
  if (Index < 0 || Index >= Count) return {};
  const int W = StripW / Count;
  return {Index * W, 0, Index * W + W, StripH};
}

void StitchSliderStrip(TCustomBitmap32& Strip, const std::vector<TCustomBitmap32*>& Pictures, int W,
                       int H) {
  const int Count = int(Pictures.size());
  if (W <= 0 || H <= 0 || Count == 0) {
    Strip.SetSize(0, 0);
    return;
  }
  TCustomBitmap32 Frame;
  Frame.SetSize(W, H);
  Frame.Clear(0xFFFFFFFF);
  Strip.SetSize(Count * W, H);
  for (int I = 0; I < Count; ++I) {
    if (Pictures[size_t(I)]) AutoStretchBitmap(Pictures[size_t(I)], &Frame);
    Strip.Draw(I * W, 0, &Frame);
  }
}

TRect SliderDotCell(int Index, int Count, int W, int H) {
  const int X0 = (W - kSliderDotWidth * Count) / 2 + kSliderDotWidth * Index;
  const int Y = H - 30;
  return {X0, Y, X0 + kSliderDotWidth, Y + kSliderDotHeight};
}

TFloatPoint SliderDotCentre(const TRect& Cell, bool Hot) {
  const double R = Hot ? 8 : 5;
  return {Cell.Left + (kSliderDotWidth - R / 2) / 2, Cell.Top + 10.0};
}

int TQvSliderAutoOrder::Next(int Hot, int Count, TSliderType Type, bool LoopMode) {
  int N;
  if (Type == stFade || LoopMode) {
    N = Hot + 1 >= Count ? 0 : Hot + 1;
  } else if (LeftToRight) {
    N = Hot + 1;
    if (N >= Count) {
      LeftToRight = false;
      N = Hot - 1;
    }
  } else {
    N = Hot - 1;
    if (N < 0) {
      LeftToRight = true;
      N = Hot + 1;
    }
  }
  return N >= 0 && N < Count && N != Hot ? N : -1;
}

std::vector<int> SliderSlideFrames(int OldIndex, int NewIndex, int From, int To, int Width,
                                   int Speed) {
  std::vector<int> Frames;
  auto Add = [&](int X) {
    Frames.push_back(X);
    return X == To;
  };
  const int D = std::abs(OldIndex - NewIndex);
  if (D <= 1) {
    const int Sign = NewIndex > OldIndex ? 1 : -1;
    for (Extended V : TQvAnimateEasing::GenerateValues(Width, Speed, etExpoEaseOut))
      if (Add(From + Sign * RoundEven(V))) break;
  } else {
    const int K = std::max(D / 3, 1);
    const TResultArray V = TQvAnimateEasing::GenerateValues(To - From, Speed * K, etExpoEaseIn);
    for (auto It = V.rbegin(); It != V.rend(); ++It)
      if (Add(To - RoundEven(*It))) break;
  }
  return Frames;
}

std::vector<int> SliderFadeFrames(int Speed) {
  std::vector<int> Frames;
  for (Extended V : TQvAnimateEasing::GenerateValues(255, Speed, etCubicEaseIn)) {
    Frames.push_back(RoundEven(V));
    if (Frames.back() == 255) break;
  }
  return Frames;
}

}  // namespace qv
