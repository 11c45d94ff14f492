#include <map>

#include "host/GraphicsWin.h"
#include "host/PngImage.h"

namespace qv {

// ---- TGraphic ------------------------------------------------------------------

void TGraphic::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  Changed();
}

void TGraphic::Changed() {
  if (OnChange) OnChange(this);
}

void TGraphic::LoadFromFile(const String& FileName) {
  TFileStream S(FileName, fmOpenRead);
  LoadFromStream(S);
}

void TGraphic::SaveToFile(const String& FileName) {
  // Encode first, so that a failure does not leave a truncated file behind.
  TMemoryStream M;
  SaveToStream(M);
  WriteFileBytes(FileName, M.Bytes());
}

// ---- TPicture ------------------------------------------------------------------

namespace {

template <typename T>
TPicture::TGraphicFactory Make() {
  return [] { return std::make_unique<T>(); };
}

std::map<String, TPicture::TGraphicFactory>& Formats() {
  static std::map<String, TPicture::TGraphicFactory> F = {
      {L"BMP", Make<TBitmap>()},     {L"DIB", Make<TBitmap>()},     {L"PNG", Make<TPngImage>()},
      {L"JPG", Make<TJPEGImage>()},  {L"JPEG", Make<TJPEGImage>()}, {L"JPE", Make<TJPEGImage>()},
      {L"JFIF", Make<TJPEGImage>()}, {L"ICO", Make<TIcon>()},       {L"EMF", Make<TMetafile>()},
      {L"WMF", Make<TMetafile>()},
  };
  return F;
}

// The class of a picture by its first bytes; nullptr when none matches.
std::unique_ptr<TGraphic> GraphicForData(const std::vector<uint8_t>& D) {
  auto At32 = [&](size_t I) {
    return I + 4 <= D.size()
               ? uint32_t(D[I] | D[I + 1] << 8 | D[I + 2] << 16 | uint32_t(D[I + 3]) << 24)
               : 0u;
  };
  switch (DetectImageFormat(D.data(), D.size())) {
    case ifPNG:
      return std::make_unique<TPngImage>();
    case ifJPEG:
      return std::make_unique<TJPEGImage>();
    case ifBMP:
      return std::make_unique<TBitmap>();
    default:
      break;
  }
  if (D.size() >= 6 && D[0] == 0 && D[1] == 0 && D[2] == 1 && D[3] == 0)
    return std::make_unique<TIcon>();
  if (At32(0) == 1 && At32(40) == 0x464D4520 /* " EMF" */) return std::make_unique<TMetafile>();
  if (At32(0) == 0x9AC6CDD7) return std::make_unique<TMetafile>();  // placeable metafile
  return nullptr;
}

}  // namespace

void TPicture::RegisterFileFormat(const String& Ext, TGraphicFactory Factory) {
  Formats()[UpperCase(Ext)] = std::move(Factory);
}

void TPicture::Take(std::unique_ptr<TGraphic> Graphic) {
  FGraphic = std::move(Graphic);
  if (FGraphic)
    FGraphic->OnChange = [this](TObject*) {
      if (OnChange) OnChange(this);
    };
  if (OnChange) OnChange(this);
}

void TPicture::LoadFromFile(const String& FileName) {
  String Ext = ExtractFileExt(FileName);
  auto It = Formats().find(UpperCase(Ext.size() > 1 ? Ext.substr(1) : L""));
  if (It == Formats().end())
    throw EInvalidGraphic(L"Unknown picture file extension (" + Ext + L")");
  std::unique_ptr<TGraphic> G = It->second();
  G->LoadFromFile(FileName);  // raises before anything here changes
  Take(std::move(G));
}

void TPicture::LoadFromStream(TStream& Stream) {
  int64_t Start = Stream.Position();
  std::vector<uint8_t> Data = ReadStreamRest(Stream);
  std::unique_ptr<TGraphic> G = GraphicForData(Data);
  if (!G) {
    Stream.SetPosition(Start);
    throw EInvalidGraphic(L"Unknown picture format");
  }
  TMemoryStream M(std::move(Data));
  G->LoadFromStream(M);
  Take(std::move(G));
}

void TPicture::SaveToFile(const String& FileName) {
  if (FGraphic) FGraphic->SaveToFile(FileName);
}

void TPicture::SaveToStream(TStream& Stream) {
  if (FGraphic) FGraphic->SaveToStream(Stream);
}

void TPicture::SetGraphic(TGraphic* Value) {
  if (Value == FGraphic.get()) return;
  if (!Value) return Take(nullptr);
  std::unique_ptr<TGraphic> G = Value->NewGraphic();
  G->Assign(Value);
  Take(std::move(G));
}

TBitmap& TPicture::Bitmap() {
  if (!dynamic_cast<TBitmap*>(FGraphic.get())) Take(std::make_unique<TBitmap>());
  return static_cast<TBitmap&>(*FGraphic);
}

TIcon& TPicture::Icon() {
  if (!dynamic_cast<TIcon*>(FGraphic.get())) Take(std::make_unique<TIcon>());
  return static_cast<TIcon&>(*FGraphic);
}

void TPicture::Assign(TPersistent* Source) {
  if (!Source) return SetGraphic(nullptr);
  if (auto* P = dynamic_cast<TPicture*>(Source)) return SetGraphic(P->Graphic());
  if (auto* G = dynamic_cast<TGraphic*>(Source)) return SetGraphic(G);
  TPersistent::Assign(Source);
}

}  // namespace qv
