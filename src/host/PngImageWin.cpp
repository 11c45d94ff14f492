#include <algorithm>
#include <cstring>

#include "host/GraphicsWin.h"
#include "host/PngImage.h"

namespace qv {

TDecodedGraphic::~TDecodedGraphic() {
  FreeDib();
}

void TDecodedGraphic::FreeDib() {
  if (FDib) DeleteObject(FDib);
  FDib = nullptr;
}

void TDecodedGraphic::SetImage(TDecodedImage Image, std::vector<uint8_t> FileData) {
  FreeDib();
  FImage = std::move(Image);
  FData = std::move(FileData);
  FHasAlpha = false;
  for (size_t I = 3; I < FImage.RGBA.size(); I += 4)
    if (FImage.RGBA[I] != 255) {
      FHasAlpha = true;
      break;
    }
  Changed();
}

void TDecodedGraphic::CopyFrom(const TDecodedGraphic& Source) {
  if (&Source != this) SetImage(Source.FImage, Source.FData);
}

void TDecodedGraphic::LoadFromStream(TStream& Stream) {
  std::vector<uint8_t> Data = ReadStreamRest(Stream);
  if (DetectImageFormat(Data.data(), Data.size()) != Format())
    throw EInvalidGraphic(InvalidMessage());
  TDecodedImage Img;
  try {
    Img = DecodeImage(Data.data(), Data.size());
  } catch (const EInvalidGraphic& E) {
    throw EInvalidGraphic(String(InvalidMessage()) + L": " + E.Message());
  }
  SetImage(std::move(Img), std::move(Data));
}

void TDecodedGraphic::Draw(TCanvas& Canvas, const TRect& R) {
  if (Empty()) return;
  Integer W = FImage.Width, H = FImage.Height;
  if (!FDib) {
    uint8_t* Bits;
    FDib = CreateDib(W, H, 32, Bits);
    const uint8_t* S = FImage.RGBA.data();
    for (size_t I = 0, N = size_t(W) * size_t(H); I < N; ++I, S += 4, Bits += 4) {
      uint8_t BGRA[4] = {S[2], S[1], S[0], S[3]};
      PremultiplyRow(BGRA, Bits, 1);
    }
  }
  HDC Dst = Canvas.Handle();
  HDC Src = CreateCompatibleDC(Dst);
  HGDIOBJ Old = SelectObject(Src, FDib);
  if (FHasAlpha) {
    BLENDFUNCTION BF{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(Dst, R.Left, R.Top, R.Width(), R.Height(), Src, 0, 0, W, H, BF);
  } else {
    int OldMode = SetStretchBltMode(Dst, COLORONCOLOR);
    StretchBlt(Dst, R.Left, R.Top, R.Width(), R.Height(), Src, 0, 0, W, H, SRCCOPY);
    SetStretchBltMode(Dst, OldMode);
  }
  SelectObject(Src, Old);
  DeleteDC(Src);
}

void TDecodedGraphic::AssignToBitmap(TBitmap& Dest) const {
  TBitmap Tmp(FImage.Width, FImage.Height, FHasAlpha ? pf32bit : pf24bit);
  if (!Empty()) {
    int Bpp = FHasAlpha ? 4 : 3;
    for (Integer Y = 0; Y < FImage.Height; ++Y) {
      uint8_t* D = Tmp.ScanLine(Y);
      const uint8_t* S = &FImage.RGBA[size_t(Y) * size_t(FImage.Width) * 4];
      for (Integer X = 0; X < FImage.Width; ++X, S += 4, D += Bpp) {
        D[0] = S[2];
        D[1] = S[1];
        D[2] = S[0];
        if (FHasAlpha) D[3] = S[3];
      }
    }
  }
  Tmp.SetAlphaFormat(FHasAlpha ? afDefined : afIgnored);
  Dest.Assign(&Tmp);
}

void TDecodedGraphic::SetFromBitmap(TBitmap& Source) {
  TDecodedImage Img;
  Img.Format = Format();
  if (!Source.Empty()) {
    TBitmap Copy;
    Copy.Assign(&Source);
    Copy.SetPixelFormat(pf32bit);  // device bitmaps become addressable
    bool Alpha = Source.PixelFormat() == pf32bit && Source.AlphaFormat() != afIgnored;
    bool Pre = Source.AlphaFormat() == afPremultiplied;
    Img.Width = Copy.Width();
    Img.Height = Copy.Height();
    Img.RGBA.resize(size_t(Img.Width) * size_t(Img.Height) * 4);
    uint8_t* D = Img.RGBA.data();
    for (Integer Y = 0; Y < Img.Height; ++Y) {
      const uint8_t* S = Copy.ScanLine(Y);
      for (Integer X = 0; X < Img.Width; ++X, S += 4, D += 4) {
        unsigned A = Alpha ? S[3] : 255;
        for (int C = 0; C < 3; ++C) {
          unsigned V = S[2 - C];
          D[C] = uint8_t(Pre ? (A ? std::min(255u, (V * 255 + A / 2) / A) : 0) : V);
        }
        D[3] = uint8_t(A);
      }
    }
  }
  SetImage(std::move(Img), {});
}

// ---- TPngImage -----------------------------------------------------------------

TPNGTransparencyMode TPngImage::TransparencyMode() const {
  const TPngInfo& P = FImage.Png;
  if (P.ColorType == pngGreyAlpha || P.ColorType == pngRGBAlpha) return ptmPartial;
  if (!P.HasTransparency) return ptmNone;
  if (P.ColorType == pngPalette)
    for (uint8_t A : P.PaletteAlpha)
      if (A != 0 && A != 255) return ptmPartial;
  return ptmBit;
}

TColor TPngImage::TransparentColor() const {
  if (TransparencyMode() != ptmBit) return clNone;
  const TPngInfo& P = FImage.Png;
  if (P.ColorType != pngPalette)
    return TColor(P.TransparentRGB[0] | (P.TransparentRGB[1] << 8) | (P.TransparentRGB[2] << 16));
  for (size_t I = 0; I + 3 < FImage.RGBA.size(); I += 4)  // the colour of a transparent entry
    if (FImage.RGBA[I + 3] == 0)
      return TColor(FImage.RGBA[I] | (FImage.RGBA[I + 1] << 8) | (FImage.RGBA[I + 2] << 16));
  return clNone;
}

void TPngImage::Assign(TPersistent* Source) {
  if (auto* P = dynamic_cast<TPngImage*>(Source)) return CopyFrom(*P);
  if (auto* B = dynamic_cast<TBitmap*>(Source)) return SetFromBitmap(*B);
  TGraphic::Assign(Source);
}

void TPngImage::SaveToStream(TStream& Stream) {
  if (FData.empty() && !Empty())
    FData = EncodePng(FImage.RGBA.data(), FImage.Width, FImage.Height, 4);
  if (Empty()) throw EInvalidGraphic(L"Cannot save an empty PNG image");
  Stream.WriteBuffer(FData.data(), int64_t(FData.size()));
}

// ---- TJPEGImage ----------------------------------------------------------------

void TJPEGImage::Assign(TPersistent* Source) {
  if (auto* J = dynamic_cast<TJPEGImage*>(Source)) return CopyFrom(*J);
  if (auto* B = dynamic_cast<TBitmap*>(Source)) return SetFromBitmap(*B);
  TGraphic::Assign(Source);
}

void TJPEGImage::SaveToStream(TStream& Stream) {
  if (Empty()) throw EInvalidGraphic(L"Cannot save an empty JPEG image");
  if (FData.empty()) FData = EncodeJpeg(FImage.RGBA.data(), FImage.Width, FImage.Height, 4);
  Stream.WriteBuffer(FData.data(), int64_t(FData.size()));
}

}  // namespace qv
