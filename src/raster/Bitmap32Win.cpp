// The platform backend of TBitmap32: a 32-bit top-down DIB section selected into its
// own memory device context, and the device-context operations on it.
#include "raster/Bitmap32Win.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "host/Font.h"
#include "host/ScopeGuard.h"
#include "raster/Bitmap32.h"

namespace qv {

BITMAPINFO TopDownInfo(Integer W, Integer H) {
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  Info.bmiHeader.biWidth = W;
  Info.bmiHeader.biHeight = -H;
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 32;
  Info.bmiHeader.biCompression = BI_RGB;
  return Info;
}

bool ReadBitmapPixels(HBITMAP Bitmap, Integer W, Integer H, std::vector<TColor32>& Out) {
  Out.assign(size_t(W) * size_t(H), 0);
  BITMAPINFO Info = TopDownInfo(W, H);
  HDC DC = CreateCompatibleDC(nullptr);
  int Rows = GetDIBits(DC, Bitmap, 0, UINT(H), Out.data(), &Info, DIB_RGB_COLORS);
  DeleteDC(DC);
  return Rows == H;
}

namespace {

class TGDIBackend : public TCustomBackend {
 public:
  ~TGDIBackend() override { Release(); }
  String ClassName() const override { return L"TGDIBackend"; }
  HDC Handle() const override { return FDC; }
  HBITMAP BitmapHandle() const override { return FBitmap; }

  void ChangeSize(Integer NewWidth, Integer NewHeight) override {
    if (NewWidth <= 0 || NewHeight <= 0) {
      Release();
      return;
    }
    // Build the new store completely before giving up the old one.
    if (uint64_t(NewWidth) * uint64_t(NewHeight) > SIZE_MAX / 4)
      throw EBitmapError(L"Can't allocate the DIB handle");
    BITMAPINFO Info = TopDownInfo(NewWidth, NewHeight);
    void* Bits = nullptr;
    HBITMAP Bitmap = CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    if (!Bitmap || !Bits) {
      if (Bitmap) DeleteObject(Bitmap);
      throw EBitmapError(L"Can't allocate the DIB handle");
    }
    HDC DC = CreateCompatibleDC(nullptr);
    if (!DC) {
      DeleteObject(Bitmap);
      throw EBitmapError(L"Can't create compatible DC");
    }
    HGDIOBJ Old = SelectObject(DC, Bitmap);
    if (!Old || Old == HGDI_ERROR) {
      DeleteDC(DC);
      DeleteObject(Bitmap);
      throw EBitmapError(L"Can't select an object into DC");
    }
    std::memset(Bits, 0, size_t(NewWidth) * size_t(NewHeight) * 4);
    Release();
    FDC = DC;
    FBitmap = Bitmap;
    FOldBitmap = Old;
    FBits = static_cast<TColor32*>(Bits);
  }

 private:
  void Release() {
    if (FDC) {
      SelectObject(FDC, FOldBitmap);
      DeleteDC(FDC);
    }
    if (FBitmap) DeleteObject(FBitmap);
    FDC = nullptr;
    FBitmap = nullptr;
    FOldBitmap = nullptr;
    FBits = nullptr;
  }

  HDC FDC = nullptr;
  HBITMAP FBitmap = nullptr;
  HGDIOBJ FOldBitmap = nullptr;
};

// Takes over the pixels of a platform bitmap; fewer than 32 bits per pixel means opaque.
void AssignBitmapHandle(TBitmap32& Dst, HBITMAP Bitmap) {
  BITMAP Info{};
  if (!GetObjectW(Bitmap, sizeof(Info), &Info) || Info.bmWidth <= 0 || Info.bmHeight <= 0)
    throw EInvalidGraphic(L"Invalid bitmap");
  Integer W = Info.bmWidth, H = Info.bmHeight;
  std::vector<TColor32> Pixels;
  if (!ReadBitmapPixels(Bitmap, W, H, Pixels)) throw EInvalidGraphic(L"Invalid bitmap");
  if (Info.bmBitsPixel != 32)
    for (TColor32& C : Pixels) C |= 0xFF000000;
  Dst.AssignPixels(W, H, Pixels.data());
}

void LoadResourceBitmap(TBitmap32& Dst, HINSTANCE Instance, const wchar_t* Name,
                        const String& Shown) {
  HANDLE Bitmap =
      LoadImageW(Instance, Name, IMAGE_BITMAP, 0, 0, Instance ? LR_CREATEDIBSECTION : 0);
  if (!Bitmap) throw EInvalidGraphic(L"Resource " + Shown + L" not found");
  TScopeExit Free([&] { DeleteObject(Bitmap); });
  AssignBitmapHandle(Dst, HBITMAP(Bitmap));
}

}  // namespace

namespace {

// The font, text colour and transparent background of one text operation, undone at the
// end so that the font handle is never left selected.
class TTextContext {
 public:
  TTextContext(HDC DC, TFont& Font) : FDC(DC) {
    FOld = SelectObject(DC, Font.Handle());
    SetTextColor(DC, COLORREF(WinColor(Color32(Font.Color()))));
    SetBkMode(DC, TRANSPARENT);
  }
  ~TTextContext() {
    SelectObject(FDC, FOld);
    GdiFlush();
  }
  TTextContext(const TTextContext&) = delete;
  TTextContext& operator=(const TTextContext&) = delete;

 private:
  HDC FDC;
  HGDIOBJ FOld;
};

// Measures for surfaces without a device context of their own (GUI thread only).
HDC ScratchDC() {
  static HDC DC = CreateCompatibleDC(nullptr);
  return DC;
}

}  // namespace

void TBitmap32::Textout(Integer X, Integer Y, const String& Text) {
  if (Clipping())
    Textout(X, Y, ClipRect(), Text);
  else if (HDC DC = Handle(); DC && !Text.empty()) {
    {
      TTextContext T(DC, *FFont);
      ExtTextOutW(DC, X, Y, 0, nullptr, Text.c_str(), UINT(Text.size()), nullptr);
    }
    TSize Sz = TextExtent(Text);
    TRect R;
    if (IntersectRect(R, Bounds(X, Y, Sz.cx, Sz.cy), BoundsRect())) Changed(R);
  }
}

void TBitmap32::Textout(Integer X, Integer Y, const TRect& ClipRect, const String& Text) {
  HDC DC = Handle();
  if (!DC || Text.empty()) return;
  RECT R{ClipRect.Left, ClipRect.Top, ClipRect.Right, ClipRect.Bottom};
  {
    TTextContext T(DC, *FFont);
    ExtTextOutW(DC, X, Y, ETO_CLIPPED, &R, Text.c_str(), UINT(Text.size()), nullptr);
  }
  TRect Area;
  if (IntersectRect(Area, ClipRect, BoundsRect())) Changed(Area);
}

void TBitmap32::Textout(const TRect& DstRect, uint32_t Flags, const String& Text) {
  HDC DC = Handle();
  if (!DC || Text.empty()) return;
  RECT R{DstRect.Left, DstRect.Top, DstRect.Right, DstRect.Bottom};
  {
    TTextContext T(DC, *FFont);
    DrawTextW(DC, Text.c_str(), int(Text.size()), &R, Flags);
  }
  TRect Area;
  if (IntersectRect(Area, DstRect, BoundsRect())) Changed(Area);
}

TSize TBitmap32::TextExtent(const String& Text) const {
  HDC DC = Handle() ? Handle() : ScratchDC();
  SIZE Sz{};
  HGDIOBJ Old = SelectObject(DC, FFont->Handle());
  GetTextExtentPoint32W(DC, Text.c_str(), int(Text.size()), &Sz);
  SelectObject(DC, Old);
  return {Sz.cx, Sz.cy};
}

void TBitmap32::LoadFromResourceName(HINSTANCE Instance, const String& Name) {
  LoadResourceBitmap(*this, Instance, Name.c_str(), Name);
}

void TBitmap32::LoadFromResourceID(HINSTANCE Instance, int ResID) {
  LoadResourceBitmap(*this, Instance, MAKEINTRESOURCEW(ResID), std::to_wstring(ResID));
}

std::unique_ptr<TCustomBackend> NewPlatformBackend() {
  return std::make_unique<TGDIBackend>();
}

void TBitmap32::DrawTo(HDC hDst, Integer DstX, Integer DstY) const {
  if (Empty() || !hDst) return;
  BITMAPINFO Info = TopDownInfo(FWidth, FHeight);
  StretchDIBits(hDst, DstX, DstY, FWidth, FHeight, 0, 0, FWidth, FHeight, FBits, &Info,
                DIB_RGB_COLORS, SRCCOPY);
}

void TBitmap32::DrawTo(HDC hDst, const TRect& DstRect, const TRect& SrcRect) const {
  if (Empty() || !hDst) return;
  StretchBlt(hDst, DstRect.Left, DstRect.Top, DstRect.Width(), DstRect.Height(), Handle(),
             SrcRect.Left, SrcRect.Top, SrcRect.Width(), SrcRect.Height(), SRCCOPY);
}

void TBitmap32::Draw(const TRect& DstRect, const TRect& SrcRect, HDC hSrc) {
  if (Empty() || !hSrc) return;
  StretchBlt(Handle(), DstRect.Left, DstRect.Top, DstRect.Width(), DstRect.Height(), hSrc,
             SrcRect.Left, SrcRect.Top, SrcRect.Width(), SrcRect.Height(), SRCCOPY);
  GdiFlush();
  Changed(DstRect);
}

}  // namespace qv
