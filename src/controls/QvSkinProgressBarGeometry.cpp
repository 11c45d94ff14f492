#include "controls/QvSkinProgressBarGeometry.h"

#include <algorithm>
#include <cmath>

#include "graphics/BitmapHelper.h"

namespace qv {

int ProgressFillWidth(int Value, int Min, int Max, int Width) {
  const double Range = Max != Min ? double(Max) - Min : 1;
  const int L = int(std::trunc((double(Value) - Min) / Range * Width));
  return std::clamp(L, 0, std::max(Width, 0));
}

TRect ProgressThumbRect(int Value, int Min, int Max, int Width, int Height, TSize Thumb, int Offset,
                        bool KeepInside) {
  const double Range = Max != Min ? double(Max) - Min : 1;
  const int X = int(std::trunc((double(Value) - Min) / Range * Width));
  const int Top = (Height - Thumb.cy) / 2;
  TRect R = Rect(X + Offset - Thumb.cx, Top, X + Offset, Top + Thumb.cy);
  if (KeepInside) {
    if (R.Left < 0) {
      R.Left = 0;
      R.Right = Thumb.cx;
    } else if (R.Right > Width) {
      R.Left = Width - Thumb.cx;
      R.Right = Width;
    }
  }
  return R;
}

int ProgressPagingPoint(int Value, int Min, int Max, int Width, int ThumbWidth) {
  if (Max == Min) return 0;
  return int(
      std::trunc((double(Value) - Min) * (double(Width - ThumbWidth) / (double(Max) - Min))));
}

int SliderValueAt(int X, const TRect& Track, int GrabOffset, int Min, int Max) {
  const int W = Track.Width();
  if (W <= 0) return Min;
  const double V = double(X - Track.Left - GrabOffset) / W * (double(Max) - Min) + Min;
  const int Rounded = int(std::clamp(std::nearbyint(V), -2147483648.0, 2147483647.0));
  return std::clamp(Rounded, std::min(Min, Max), std::max(Min, Max));
}

int HLSThumbLeft(int Value, int Min, int Max, int Width, int ThumbWidth) {
  if (Max == Min) return 0;
  return int(std::trunc(double(Width - ThumbWidth) * (double(Value) - Min) / (double(Max) - Min)));
}

void PaintHLSTrack(TCustomBitmap32* Bitmap, THLSKindRec Kind, const TRect& Track) {
  Bitmap->FillRectS(Track.Left, Track.Top, Track.Right, Track.Bottom, Color32(TColor(0x909090)));
  const TRect Inner = Rect(Track.Left + 1, Track.Top + 1, Track.Right - 1, Track.Bottom - 1);
  if (Inner.IsEmpty()) return;
  switch (Kind) {
    case hlsH: {
      // Red, yellow, a yellow-green, cyan, blue, magenta and back to red (host colours).
      static constexpr TColor Stops[] = {TColor(0x0000FF), TColor(0x00FFFF), TColor(0x00FC7C),
                                         TColor(0xFFFF00), TColor(0xFF0000), TColor(0xFF00FF),
                                         TColor(0x0000FF)};
      const int S = Inner.Width() / 6;
      for (int I = 0; I < 6; ++I) {
        const int L = Inner.Left + I * S;
        const int R = I == 5 ? Inner.Right : L + S;
        if (R > L)
          FillGradient(Bitmap, Stops[I], Stops[I + 1], true, Rect(L, Inner.Top, R, Inner.Bottom));
      }
      break;
    }
    case hlsS:
      FillGradient(Bitmap, TColor(0x7F7F7F), TColor(0x0000FF), true, Inner);
      break;
    case hlsB:
      FillGradient(Bitmap, TColor(0x000000), TColor(0xFFFFFF), true, Inner);
      break;
  }
}

}  // namespace qv
