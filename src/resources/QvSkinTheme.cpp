#include "resources/QvSkinTheme.h"

#include <map>
#include <memory>
#include <vector>

#include "host/Colors.h"
#include "host/Streams.h"
#include "raster/Gr32Png.h"
#include "resources/DefaultSkinTable.h"
#include "resources/QvSkinResDM.h"

namespace qv {

namespace {

TQvSkinTheme gTheme = stLight;

struct TListener {
  int Key;
  std::function<void(TQvSkinTheme)> Call;
};

std::vector<TListener>& Listeners() {
  static std::vector<TListener> L;
  return L;
}

String Folded(const String& ID) {
  return UpperCase(Trim(ID));
}

// Decoded variants by folded ID; created on first request and kept, since callers hold them.
std::map<String, std::unique_ptr<TQvSkinImage>>& Variants() {
  static std::map<String, std::unique_ptr<TQvSkinImage>> V;
  return V;
}

const TDefaultSkinEntry* FindEntry(const String& FoldedID) {
  for (const TDefaultSkinEntry& E : gDefaultSkinTable)
    if (UpperCase(String(E.ResID)) == FoldedID) return &E;
  return nullptr;
}

// Decodes the embedded file into Image with the entry's draw mode; the surface keeps its
// identity, so whoever holds it sees the new pixels.
void DecodeInto(TQvSkinImage& Image, const TEmbeddedFile& File, const TDefaultSkinEntry& E) {
  TMemoryStream Stream(std::vector<uint8_t>(File.Data, File.Data + File.Size));
  bool AlphaChannelUsed = false;
  LoadPNGintoBitmap32(&Image, Stream, AlphaChannelUsed);
  Image.SetDrawMode(E.Opaque ? dmOpaque : dmBlend);
  Image.SetResamplerClassName(L"TNearestResampler");
}

// The table's ID spelling of a variant name, for finding the embedded file.
String VariantFileName(const TDefaultSkinEntry& E, const String& FoldedID) {
  return String(E.ResID) + GetDPIScaleTextFromResID(FoldedID);
}

// The dark theme's faces and text, so that controls drawing with system colours follow it.
struct TSystemColor {
  TColor System, Dark;
};
constexpr TSystemColor kDarkSystemColors[] = {
    {clWindow, 0x332F2D},   {clWindowText, 0xEDEAE8}, {clBtnFace, 0x2B2826},
    {clBtnText, 0xEDEAE8},  {clGrayText, 0x8F8680},   {clMenu, 0x332F2D},
    {clMenuText, 0xEDEAE8}, {clInfoBk, 0x423D3A},     {clInfoText, 0xEDEAE8},
};

void ApplySystemColors() {
  ClearSystemColorOverrides();
  if (gTheme == stDark)
    for (const TSystemColor& C : kDarkSystemColors) SetSystemColorOverride(C.System, C.Dark);
}

void ReloadMainList() {
  TQvSkinResDM* DM = QvSkinResDMAssigned();
  if (!DM) return;
  TQvSkinBitmapCollection* Items = DM->QvSkinImageListMain()->Bitmaps();
  for (const TDefaultSkinEntry& E : gDefaultSkinTable) {
    int Index = Items->IndexOfResID(E.ResID);
    const TEmbeddedFile* File = FindDefaultSkinFile(E.ResID, gTheme);
    if (Index < 0 || !File) continue;
    TQvSkinImage Image;
    DecodeInto(Image, *File, E);
    Items->Items(Index)->SetBitmap(&Image);
  }
}

void ReloadVariants() {
  for (auto& [ID, Image] : Variants()) {
    const TDefaultSkinEntry* E = FindEntry(TrimDPIScaleText(ID));
    const TEmbeddedFile* File = E ? FindDefaultSkinFile(VariantFileName(*E, ID), gTheme) : nullptr;
    if (File) DecodeInto(*Image, *File, *E);
  }
}

}  // namespace

TQvSkinTheme DefaultSkinTheme() {
  return gTheme;
}

void SetDefaultSkinTheme(TQvSkinTheme Theme) {
  if (Theme == gTheme) return;
  gTheme = Theme;
  ApplySystemColors();
  ReloadMainList();
  ReloadVariants();
  // A copy: a listener may add or remove listeners.
  std::vector<TListener> Current = Listeners();
  for (const TListener& L : Current) L.Call(Theme);
  RepaintAllWindows();
}

const TEmbeddedFile* FindDefaultSkinFile(const String& Name, TQvSkinTheme Theme) {
  const bool Dark = Theme == stDark;
  const bool Variant = Name.find(L"@DPI") != String::npos;
  const TEmbeddedFile* Files = Variant ? (Dark ? gDarkSkinHiDPIFiles : gDefaultSkinHiDPIFiles)
                                       : (Dark ? gDarkSkinFiles : gDefaultSkinFiles);
  int Count = Variant ? (Dark ? gDarkSkinHiDPIFileCount : gDefaultSkinHiDPIFileCount)
                      : (Dark ? gDarkSkinFileCount : gDefaultSkinFileCount);
  for (int I = 0; I < Count; ++I)
    if (Name == Files[I].Name) return &Files[I];
  return nullptr;
}

TQvSkinImage* DefaultSkinVariant(const TQvResID& VariantID) {
  String ID = Folded(VariantID);
  if (GetDPIScaleFromResID(ID) == ds100) return nullptr;
  auto& V = Variants();
  auto It = V.find(ID);
  if (It != V.end()) return It->second.get();
  const TDefaultSkinEntry* E = FindEntry(TrimDPIScaleText(ID));
  if (!E) return nullptr;
  const TEmbeddedFile* File = FindDefaultSkinFile(VariantFileName(*E, ID), gTheme);
  if (!File) return nullptr;
  auto Image = std::make_unique<TQvSkinImage>();
  DecodeInto(*Image, *File, *E);
  return V.emplace(ID, std::move(Image)).first->second.get();
}

int64_t DefaultSkinVariantBytes() {
  int64_t Bytes = 0;
  for (const auto& [ID, Image] : Variants()) Bytes += int64_t(Image->Width()) * Image->Height() * 4;
  return Bytes;
}

int AddSkinThemeListener(std::function<void(TQvSkinTheme)> Listener) {
  static int NextKey = 0;
  Listeners().push_back({++NextKey, std::move(Listener)});
  return NextKey;
}

void RemoveSkinThemeListener(int Key) {
  auto& L = Listeners();
  std::erase_if(L, [Key](const TListener& Item) { return Item.Key == Key; });
}

}  // namespace qv
