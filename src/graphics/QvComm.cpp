#include "graphics/QvComm.h"

#include <cmath>

#include "raster/Bitmap32.h"

namespace qv {

// ---- rectangles ----

void IncRect(TRect& R, Integer DX, Integer DY) {
  OffsetRect(R, DX, DY);
}

bool IsNullRect(const TRect& R) {
  return R.Right - R.Left < 1 || R.Bottom - R.Top < 1;
}

bool PointInRect(const TRect& R, const TPoint& P) {
  return P.X >= R.Left && P.X <= R.Right && P.Y >= R.Top && P.Y <= R.Bottom;
}

static bool InHalfOpen(const TRect& Outer, Integer X, Integer Y) {
  return X >= Outer.Left && X < Outer.Right && Y >= Outer.Top && Y < Outer.Bottom;
}

bool RectInRect(const TRect& R, const TRect& Outer) {
  return InHalfOpen(Outer, R.Left, R.Top) && InHalfOpen(Outer, R.Right, R.Bottom);
}

TRect IntRect(const TFloatRect& R) {
  // nearbyint rounds halves to even under the default rounding mode, as the framework's Round.
  auto Rnd = [](double V) { return Integer(std::nearbyint(V)); };
  return TRect{Rnd(R.Left), Rnd(R.Top), Rnd(R.Right), Rnd(R.Bottom)};
}

// ---- text ----

bool TryStrToInt(const String& S, Integer& Value) {
  size_t i = 0, n = S.size();
  while (i < n && S[i] == L' ') ++i;
  bool Negative = false;
  if (i < n && (S[i] == L'+' || S[i] == L'-')) Negative = S[i++] == L'-';
  int Base = 10;
  if (i < n && (S[i] == L'$' || S[i] == L'x' || S[i] == L'X')) {
    Base = 16;
    ++i;
  } else if (i + 1 < n && S[i] == L'0' && (S[i + 1] == L'x' || S[i + 1] == L'X')) {
    Base = 16;
    i += 2;
  }
  if (i >= n) return false;
  int64_t V = 0;
  for (; i < n; ++i) {
    wchar_t C = S[i];
    int D;
    if (C >= L'0' && C <= L'9')
      D = C - L'0';
    else if (Base == 16 && C >= L'a' && C <= L'f')
      D = C - L'a' + 10;
    else if (Base == 16 && C >= L'A' && C <= L'F')
      D = C - L'A' + 10;
    else
      return false;
    V = V * Base + D;
    // Hex texts may spell the full 32-bit pattern; decimal ones must fit the signed range.
    if (V > (Base == 16 ? int64_t(0xFFFFFFFF) : int64_t(0x80000000))) return false;
  }
  if (Negative) V = -V;
  if (Base == 10 && V > 0x7FFFFFFF) return false;
  Value = Integer(uint32_t(V));
  return true;
}

bool IsIntString(const String& Text) {
  if (Text.empty()) return false;
  for (size_t i = 0; i < Text.size(); i += 5) {
    Integer V;
    if (!TryStrToInt(Text.substr(i, 5), V)) return false;
  }
  return true;
}

void DrawFocusCue(TBitmap32& Bitmap, const TRect& R) {
  auto Invert = [&](Integer X, Integer Y) {
    if (X < 0 || Y < 0 || X >= Bitmap.Width() || Y >= Bitmap.Height()) return;
    TColor32& P = *Bitmap.PixelPtr(X, Y);
    P ^= 0x00FFFFFFu;
  };
  if (R.Right <= R.Left || R.Bottom <= R.Top) return;
  // One walk round the outline, so the dots keep their rhythm at the corners and no pixel
  // is inverted twice.
  Integer Step = 0;
  auto Dot = [&](Integer X, Integer Y) {
    if ((Step++ & 1) == 0) Invert(X, Y);
  };
  for (Integer X = R.Left; X < R.Right; ++X) Dot(X, R.Top);
  for (Integer Y = R.Top + 1; Y < R.Bottom; ++Y) Dot(R.Right - 1, Y);
  if (R.Bottom - 1 > R.Top)
    for (Integer X = R.Right - 2; X >= R.Left; --X) Dot(X, R.Bottom - 1);
  if (R.Right - 1 > R.Left)
    for (Integer Y = R.Bottom - 2; Y > R.Top; --Y) Dot(R.Left, Y);
}

}  // namespace qv
