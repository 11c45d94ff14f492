#include <windows.h>

#include <algorithm>
#include <cstring>

#include "host/Colors.h"
#include "host/Graphics.h"
#include "host/GraphicsWin.h"
#include "host/ImageCodec.h"
#include "host/PngImage.h"

namespace qv {

// The canvas of a bitmap draws on a memory device context holding the bitmap.
class TBitmap::TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap& Owner) : FOwner(Owner) {}
  ~TBitmapCanvas() override { FreeContext(); }
  void FreeContext() {
    HDC DC = Handle_();
    if (!DC) return;
    FreeHandle();
    if (FOldBitmap) SelectObject(DC, FOldBitmap);
    FOldBitmap = nullptr;
    DeleteDC(DC);
  }

 protected:
  void CreateHandle() override {
    HDC DC = CreateCompatibleDC(nullptr);
    if (!DC) throw EOutOfResources(L"Out of system resources");
    if (FOwner.FHandle) FOldBitmap = SelectObject(DC, FOwner.FHandle);
    SetHandle(DC);
  }

 private:
  HDC Handle_() { return HandleAllocated() ? Handle() : nullptr; }
  TBitmap& FOwner;
  HGDIOBJ FOldBitmap = nullptr;
};

TBitmap::TBitmap() = default;

TBitmap::TBitmap(Integer AWidth, Integer AHeight, TPixelFormat Format) {
  FPixelFormat = Format;
  SetSize(AWidth, AHeight);
}

TBitmap::~TBitmap() {
  FCanvas.reset();
  if (FHandle) DeleteObject(FHandle);
}

void TBitmap::FreeContext() {
  if (FCanvas) FCanvas->FreeContext();
}

TCanvas& TBitmap::Canvas() {
  if (!FCanvas) FCanvas = std::make_unique<TBitmapCanvas>(*this);
  return *FCanvas;
}

HBITMAP TBitmap::Handle() {
  GdiFlush();
  return FHandle;
}

uint8_t* TBitmap::ScanLine(Integer Y) {
  if (!FBits || Y < 0 || Y >= FHeight) throw EInvalidGraphic(L"Scan line index out of range");
  GdiFlush();  // drawing through the canvas may still be queued
  return FBits + size_t(Y) * DibStride(FWidth, FPixelFormat == pf32bit ? 32 : 24);
}

void TBitmap::Replace(HBITMAP Handle, Integer W, Integer H, TPixelFormat Format, uint8_t* Bits) {
  FreeContext();
  if (FHandle) DeleteObject(FHandle);
  FHandle = Handle;
  FBits = Bits;
  FWidth = Handle ? W : 0;
  FHeight = Handle ? H : 0;
  FPixelFormat = Format;
  Changed();
}

namespace {
// A new bitmap of the format; device bitmaps match the screen.
HBITMAP CreateOfFormat(Integer W, Integer H, TPixelFormat Format, uint8_t*& Bits) {
  Bits = nullptr;
  if (Format == pfDevice) {
    HDC Screen = GetDC(nullptr);
    HBITMAP B = CreateCompatibleBitmap(Screen, W, H);
    ReleaseDC(nullptr, Screen);
    if (!B) throw EOutOfResources(L"Out of system resources");
    return B;
  }
  return CreateDib(W, H, Format == pf32bit ? 32 : 24, Bits);
}

void CopyPixels(HBITMAP Dst, HBITMAP Src, Integer W, Integer H) {
  HDC D = CreateCompatibleDC(nullptr), S = CreateCompatibleDC(nullptr);
  HGDIOBJ OD = SelectObject(D, Dst), OS = SelectObject(S, Src);
  BitBlt(D, 0, 0, W, H, S, 0, 0, SRCCOPY);
  SelectObject(D, OD);
  SelectObject(S, OS);
  DeleteDC(D);
  DeleteDC(S);
}
}  // namespace

void TBitmap::SetSize(Integer AWidth, Integer AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (AWidth == FWidth && AHeight == FHeight) return;
  // No larger than any reader accepts, so a wild size fails clearly instead of half-way.
  CheckPictureSize<EInvalidGraphic>(AWidth, AHeight);
  if (AWidth == 0 || AHeight == 0) {
    Replace(nullptr, 0, 0, FPixelFormat, nullptr);
    return;
  }
  uint8_t* Bits;
  HBITMAP B = CreateOfFormat(AWidth, AHeight, FPixelFormat, Bits);
  if (FHandle) {
    FreeContext();
    Integer W = std::min(AWidth, FWidth), H = std::min(AHeight, FHeight);
    if (Bits && FBits) {  // same DIB format: an exact copy, alpha included
      int Bpp = FPixelFormat == pf32bit ? 32 : 24;
      for (Integer Y = 0; Y < H; ++Y)
        std::memcpy(Bits + size_t(Y) * DibStride(AWidth, Bpp),
                    FBits + size_t(Y) * DibStride(FWidth, Bpp), size_t(W) * size_t(Bpp / 8));
    } else {
      CopyPixels(B, FHandle, W, H);
    }
  }
  Replace(B, AWidth, AHeight, FPixelFormat, Bits);
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value == FPixelFormat) return;
  if (!FHandle) {
    FPixelFormat = Value;
    return;
  }
  uint8_t* Bits;
  HBITMAP B = CreateOfFormat(FWidth, FHeight, Value, Bits);
  FreeContext();
  CopyPixels(B, FHandle, FWidth, FHeight);
  Replace(B, FWidth, FHeight, Value, Bits);
}

void TBitmap::SetAlphaFormat(TAlphaFormat Value) {
  if (Value == FAlphaFormat) return;
  FAlphaFormat = Value;
  Changed();
}

TColor TBitmap::TransparentColor() {
  if (FTransparentMode == tmFixed && FTransparentColor != clDefault) return FTransparentColor;
  if (Empty()) return clDefault;
  return Canvas().Pixels(0, FHeight - 1);
}

void TBitmap::SetTransparentColor(TColor Value) {
  FTransparentColor = Value;
  FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
  if (Value == FTransparentMode) return;
  if (Value == tmAuto)
    SetTransparentColor(clDefault);
  else
    SetTransparentColor(TransparentColor());
}

void TBitmap::SetHandle(HBITMAP Value) {
  if (Value == FHandle) return;
  if (!Value) {
    Replace(nullptr, 0, 0, FPixelFormat, nullptr);
    return;
  }
  DIBSECTION DS{};
  BITMAP BM{};
  if (GetObjectW(Value, sizeof(DS), &DS) == int(sizeof(DS)) && DS.dsBm.bmBits &&
      (DS.dsBmih.biBitCount == 24 || DS.dsBmih.biBitCount == 32) && DS.dsBmih.biHeight < 0) {
    Replace(Value, DS.dsBm.bmWidth, DS.dsBm.bmHeight,
            DS.dsBmih.biBitCount == 32 ? pf32bit : pf24bit, static_cast<uint8_t*>(DS.dsBm.bmBits));
  } else if (GetObjectW(Value, sizeof(BM), &BM)) {
    // Any other bitmap is kept as a device bitmap: its memory layout is not ours to address.
    Replace(Value, BM.bmWidth, BM.bmHeight, pfDevice, nullptr);
  } else {
    throw EInvalidGraphic(L"Invalid bitmap handle");
  }
}

HBITMAP TBitmap::ReleaseHandle() {
  FreeContext();
  HBITMAP H = FHandle;
  FHandle = nullptr;
  FBits = nullptr;
  FWidth = FHeight = 0;
  Changed();
  return H;
}

void TBitmap::Assign(TPersistent* Source) {
  if (auto* B = dynamic_cast<TBitmap*>(Source)) {
    if (B == this) return;
    uint8_t* Bits = nullptr;
    HBITMAP H = nullptr;
    if (!B->Empty()) {
      H = CreateOfFormat(B->FWidth, B->FHeight, B->FPixelFormat, Bits);
      B->FreeContext();
      if (Bits && B->FBits)
        std::memcpy(
            Bits, B->FBits,
            DibStride(B->FWidth, B->FPixelFormat == pf32bit ? 32 : 24) * size_t(B->FHeight));
      else
        CopyPixels(H, B->FHandle, B->FWidth, B->FHeight);
    }
    FAlphaFormat = B->FAlphaFormat;
    FTransparent = B->FTransparent;
    FTransparentColor = B->FTransparentColor;
    FTransparentMode = B->FTransparentMode;
    Replace(H, B->FWidth, B->FHeight, B->FPixelFormat, Bits);
    return;
  }
  if (auto* D = dynamic_cast<TDecodedGraphic*>(Source)) return D->AssignToBitmap(*this);
  if (auto* G = dynamic_cast<TGraphic*>(Source)) {
    // Other pictures are painted on white at their own size.
    TBitmap Tmp(G->Width(), G->Height(), pf24bit);
    if (!G->Empty()) {
      Tmp.Canvas().FillRect(Rect(0, 0, Tmp.Width(), Tmp.Height()));
      Tmp.Canvas().Draw(0, 0, G);
    }
    Tmp.FTransparent = G->Transparent();
    Assign(&Tmp);
    return;
  }
  TGraphic::Assign(Source);
}

void TBitmap::Draw(TCanvas& Canvas, const TRect& R) {
  if (Empty()) return;
  HDC Dst = Canvas.Handle();
  if (FTransparent) {
    COLORREF Key = COLORREF(ColorToRGB(TransparentColor()));
    if (FPixelFormat == pf32bit) {
      // The key is a colour, but some GDI implementations (Wine) compare the fourth byte
      // too: match against a copy without it.
      TBitmap Rgb(FWidth, FHeight, pf24bit);
      GdiFlush();
      for (Integer Y = 0; Y < FHeight; ++Y) {
        const uint8_t* S = FBits + size_t(Y) * DibStride(FWidth, 32);
        uint8_t* D = Rgb.ScanLine(Y);
        for (Integer X = 0; X < FWidth; ++X, S += 4, D += 3) std::memcpy(D, S, 3);
      }
      TransparentBlt(Dst, R.Left, R.Top, R.Width(), R.Height(), Rgb.Canvas().Handle(), 0, 0, FWidth,
                     FHeight, Key);
    } else {
      TransparentBlt(Dst, R.Left, R.Top, R.Width(), R.Height(), this->Canvas().Handle(), 0, 0,
                     FWidth, FHeight, Key);
    }
    return;
  }
  if (FPixelFormat == pf32bit && FAlphaFormat != afIgnored) {
    BLENDFUNCTION BF{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    if (FAlphaFormat == afPremultiplied) {
      AlphaBlend(Dst, R.Left, R.Top, R.Width(), R.Height(), this->Canvas().Handle(), 0, 0, FWidth,
                 FHeight, BF);
    } else {
      // Straight alpha: blend a premultiplied copy.
      TBitmap Pre(FWidth, FHeight, pf32bit);
      GdiFlush();
      for (Integer Y = 0; Y < FHeight; ++Y) PremultiplyRow(ScanLine(Y), Pre.ScanLine(Y), FWidth);
      AlphaBlend(Dst, R.Left, R.Top, R.Width(), R.Height(), Pre.Canvas().Handle(), 0, 0, FWidth,
                 FHeight, BF);
    }
    return;
  }
  int OldMode = SetStretchBltMode(Dst, COLORONCOLOR);
  StretchBlt(Dst, R.Left, R.Top, R.Width(), R.Height(), this->Canvas().Handle(), 0, 0, FWidth,
             FHeight, Canvas.CopyMode());
  SetStretchBltMode(Dst, OldMode);
}

// ---- bitmap files ------------------------------------------------------------

void TBitmap::LoadFromStream(TStream& Stream) {
  std::vector<uint8_t> Data = ReadStreamRest(Stream);
  TDibImage Img = DecodeBitmapFile(Data.data(), Data.size());
  FAlphaFormat = afIgnored;
  Replace(Img.Handle, Img.Width, Img.Height, Img.BitsPerPixel == 32 ? pf32bit : pf24bit, Img.Bits);
}

void TBitmap::SaveToStream(TStream& Stream) {
  int Bpp = FPixelFormat == pf32bit ? 32 : 24;
  size_t Stride = DibStride(FWidth, Bpp);
  std::vector<uint8_t> Pixels(Stride * size_t(FHeight));
  if (FBits) {
    GdiFlush();
    for (Integer Y = 0; Y < FHeight; ++Y)  // bottom-up rows
      std::memcpy(&Pixels[size_t(FHeight - 1 - Y) * Stride], FBits + size_t(Y) * Stride, Stride);
  } else if (FHandle) {
    BITMAPINFO BI{};
    BI.bmiHeader = DibHeader(FWidth, FHeight, WORD(Bpp), BI_RGB);
    HDC DC = CreateCompatibleDC(nullptr);
    FreeContext();
    GetDIBits(DC, FHandle, 0, UINT(FHeight), Pixels.data(), &BI, DIB_RGB_COLORS);
    DeleteDC(DC);
  }
  WriteBitmapFile(Stream, FWidth, FHeight, Bpp, Pixels);
}

}  // namespace qv
