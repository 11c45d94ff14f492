#include "graphics/QvComm.h"

#include <cmath>

#include "host/Font.h"
#include "host/Streams.h"

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

// ---- DPI ----

bool AppIsHighDPIMode() {
  return false;
}

double GetDPIScaleValue(const TControl*) {
  return 1.0;
}

bool AppInHighDPIMode() {
  return GetDPIScaleValue(nullptr) > 1;
}

Integer GetDPIScaledPixels(const TControl*, Integer N) {
  if (!AppIsHighDPIMode()) return N;
  return MulDiv(N, ScreenPixelsPerInch(), 96);
}

TPoint GetDPIScaledPixels(const TControl* Control, const TPoint& P) {
  return TPoint{GetDPIScaledPixels(Control, P.X), GetDPIScaledPixels(Control, P.Y)};
}

TRect GetDPIScaledPixels(const TControl* Control, const TRect& R) {
  return TRect{GetDPIScaledPixels(Control, R.Left), GetDPIScaledPixels(Control, R.Top),
               GetDPIScaledPixels(Control, R.Right), GetDPIScaledPixels(Control, R.Bottom)};
}

Integer GetDPIScaledFontSize(const TControl* Control, Integer Size) {
  if (!AppIsHighDPIMode()) return Size;
  return Integer(std::nearbyint(GetDPIScaledPixels(Control, Size) * 0.75));
}

void SetDPIScaledFont(const TControl* Control, TFont* Font) {
  if (!AppIsHighDPIMode() || !Font) return;
  Font->SetSize(GetDPIScaledPixels(Control, Font->Size()));
}

void SetDPIScaledFont(const TFont* Source, TFont* Font) {
  if (!AppIsHighDPIMode() || !Source || !Font) return;
  const TFontStyles Style = Font->Style();
  const TColor Color = Font->Color();
  Font->Assign(const_cast<TFont*>(Source));
  Font->SetStyle(Style);
  Font->SetColor(Color);
}

// ---- files and text ----

String ReadUTF8File(const String& FileName) {
  if (!FileExists(FileName)) throw Exception(L"File does not exist: " + FileName);
  std::vector<uint8_t> Bytes = ReadFileBytes(FileName);
  size_t Skip =
      Bytes.size() >= 3 && Bytes[0] == 0xEF && Bytes[1] == 0xBB && Bytes[2] == 0xBF ? 3 : 0;
  return FromUtf8(std::string(Bytes.begin() + Skip, Bytes.end()));
}

void WriteUTF8File(const String& Text, const String& FileName) {
  TStringList Lines;
  Lines.SetText(Text);
  Lines.SaveToFile(FileName);
}

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

bool ExtractBetweenStrings(const TStringList& Lines, TStringList& Dest, const String& StartLine,
                           bool CaseSensitive, const String& EndLine) {
  auto Norm = [CaseSensitive](const String& S) {
    return CaseSensitive ? Trim(S) : UpperCase(Trim(S));
  };
  const String Start = Norm(StartLine), End = Norm(EndLine);
  int First = -1, Last = -1;
  for (int i = 0; i < Lines.Count() && Last < 0; ++i) {
    String L = Norm(Lines.Strings(i));
    if (First < 0) {
      if (L == Start) First = i;
    } else if (L == End) {
      Last = i;
    }
  }
  if (Last < 0) return false;
  Dest.BeginUpdate();
  for (int i = First; i <= Last; ++i) Dest.Add(Lines.Strings(i));
  Dest.EndUpdate();
  return true;
}

}  // namespace qv
