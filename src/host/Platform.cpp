#include "host/Platform.h"

#include <atomic>

#include "host/Classes.h"
#include "host/DpiScale.h"
#include "host/Font.h"
#include "host/Streams.h"

namespace qv {

// ---- DPI ----

namespace {
std::atomic<bool> GHighDPIMode{false};
}  // namespace

void SetAppHighDPIMode(bool On) {
  if (On) DeclareProcessDpiAwareness();
  GHighDPIMode = On;
}

bool AppIsHighDPIMode() {
  return GHighDPIMode;
}

double GetDPIScaleValue(const TControl* Control) {
  if (!AppIsHighDPIMode()) return 1.0;
  return DpiToScale(GetControlPixelsPerInch(Control));
}

bool AppInHighDPIMode() {
  return GetDPIScaleValue(nullptr) > 1;
}

Integer GetDPIScaledPixels(const TControl* Control, Integer N) {
  if (!AppIsHighDPIMode()) return N;
  return DpiScaledPixels(N, GetControlPixelsPerInch(Control));
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
  return DpiScaledFontSize(Size, GetControlPixelsPerInch(Control));
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

// ---- text files ----

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
