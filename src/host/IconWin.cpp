#include <cstring>

#include "host/GraphicsWin.h"

namespace qv {

namespace {

[[noreturn]] void Invalid() {
  throw EInvalidGraphic(L"Icon image is not valid");
}

uint32_t Be32(const uint8_t* P) {
  return (uint32_t(P[0]) << 24) | (uint32_t(P[1]) << 16) | (uint32_t(P[2]) << 8) | P[3];
}

struct TIconImage {
  const uint8_t* Data;
  size_t Size;
  Integer Width, Height, Bpp;
};

// Checks one directory entry's image (a DIB with its mask, or a PNG) against its size.
bool ReadIconImage(const uint8_t* P, size_t N, TIconImage& Out) {
  static const uint8_t Png[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  Out.Data = P;
  Out.Size = N;
  if (N >= 24 && std::memcmp(P, Png, 8) == 0) {
    Out.Width = Integer(Be32(P + 16));
    Out.Height = Integer(Be32(P + 20));
    Out.Bpp = 32;
    return Out.Width > 0 && Out.Width <= 1024 && Out.Height > 0 && Out.Height <= 1024;
  }
  if (N < 40 || ReadLE32(P) < 40 || ReadLE32(P) > N) return false;
  int32_t W = int32_t(ReadLE32(P + 4)), H2 = int32_t(ReadLE32(P + 8));
  unsigned Bpp = ReadLE16(P + 14), ClrUsed = ReadLE32(P + 32);
  if (W <= 0 || W > 1024 || H2 <= 0 || H2 > 2048 || H2 % 2 || ReadLE16(P + 12) != 1) return false;
  if (Bpp != 1 && Bpp != 4 && Bpp != 8 && Bpp != 16 && Bpp != 24 && Bpp != 32) return false;
  if (ReadLE32(P + 16) != BI_RGB) return false;
  size_t Colors = Bpp <= 8 ? (ClrUsed && ClrUsed <= (1u << Bpp) ? ClrUsed : (1u << Bpp)) : 0;
  Integer H = H2 / 2;
  size_t Need =
      ReadLE32(P) + Colors * 4 + DibStride(W, int(Bpp)) * size_t(H) + DibStride(W, 1) * size_t(H);
  if (Need > N) return false;
  Out.Width = W;
  Out.Height = H;
  Out.Bpp = Integer(Bpp);
  return true;
}

void IconSize(HICON Icon, Integer& W, Integer& H) {
  ICONINFO II{};
  W = H = 0;
  if (!GetIconInfo(Icon, &II)) return;
  BITMAP BM{};
  if (II.hbmColor && GetObjectW(II.hbmColor, sizeof(BM), &BM)) {
    W = BM.bmWidth;
    H = BM.bmHeight;
  } else if (II.hbmMask && GetObjectW(II.hbmMask, sizeof(BM), &BM)) {
    W = BM.bmWidth;
    H = BM.bmHeight / 2;  // a monochrome icon's mask holds both halves
  }
  if (II.hbmColor) DeleteObject(II.hbmColor);
  if (II.hbmMask) DeleteObject(II.hbmMask);
}

}  // namespace

TIcon::~TIcon() {
  if (FHandle) DestroyIcon(FHandle);
}

void TIcon::SetHandle(HICON Value) {
  if (Value == FHandle) return;
  if (FHandle) DestroyIcon(FHandle);
  FHandle = Value;
  FData.clear();
  IconSize(Value, FWidth, FHeight);
  Changed();
}

HICON TIcon::ReleaseHandle() {
  HICON H = FHandle;
  FHandle = nullptr;
  FData.clear();
  FWidth = FHeight = 0;
  Changed();
  return H;
}

void TIcon::Assign(TPersistent* Source) {
  auto* I = dynamic_cast<TIcon*>(Source);
  if (!I) return TGraphic::Assign(Source);
  if (I == this) return;
  HICON Copy = I->FHandle ? CopyIcon(I->FHandle) : nullptr;
  std::vector<uint8_t> Data = I->FData;
  SetHandle(Copy);
  FData = std::move(Data);
}

// Keeps the largest image of the file, and of those the deepest.
void TIcon::LoadFromStream(TStream& Stream) {
  std::vector<uint8_t> D = ReadStreamRest(Stream);
  if (D.size() < 6 || ReadLE16(&D[0]) != 0 || ReadLE16(&D[2]) != 1) Invalid();
  size_t Count = ReadLE16(&D[4]);
  if (Count == 0 || 6 + 16 * Count > D.size()) Invalid();
  TIconImage Best{};
  bool Found = false;
  for (size_t I = 0; I < Count; ++I) {
    const uint8_t* E = &D[6 + 16 * I];
    size_t Bytes = ReadLE32(E + 8), Offset = ReadLE32(E + 12);
    if (Offset > D.size() || Bytes > D.size() - Offset) Invalid();
    TIconImage Img;
    if (!ReadIconImage(&D[Offset], Bytes, Img)) Invalid();
    int64_t Area = int64_t(Img.Width) * Img.Height, BestArea = int64_t(Best.Width) * Best.Height;
    if (!Found || Area > BestArea || (Area == BestArea && Img.Bpp > Best.Bpp)) {
      Best = Img;
      Found = true;
    }
  }
  HICON H = CreateIconFromResourceEx(const_cast<uint8_t*>(Best.Data), DWORD(Best.Size), TRUE,
                                     0x00030000, Best.Width, Best.Height, LR_DEFAULTCOLOR);
  if (!H) Invalid();
  SetHandle(H);
  FWidth = Best.Width;
  FHeight = Best.Height;
  FData = std::move(D);
}

void TIcon::SaveToStream(TStream& Stream) {
  if (!FHandle) throw EInvalidGraphic(L"Cannot save an empty icon");
  if (FData.empty()) {
    // One 32-bit image with its mask, taken from the handle.
    Integer W = FWidth, H = FHeight;
    ICONINFO II{};
    if (!GetIconInfo(FHandle, &II)) Invalid();
    std::vector<uint8_t> Color(DibStride(W, 32) * size_t(H)), Mask(DibStride(W, 1) * size_t(H));
    HDC DC = CreateCompatibleDC(nullptr);
    struct {
      BITMAPINFOHEADER H;
      RGBQUAD Colors[2];
    } BI{};
    BI.H = DibHeader(W, H, 32, BI_RGB);
    bool Ok = II.hbmColor ? GetDIBits(DC, II.hbmColor, 0, UINT(H), Color.data(),
                                      reinterpret_cast<BITMAPINFO*>(&BI), DIB_RGB_COLORS) != 0
                          : true;
    BI.H = DibHeader(W, H, 1, BI_RGB);
    Ok = Ok && GetDIBits(DC, II.hbmMask, 0, UINT(H), Mask.data(),
                         reinterpret_cast<BITMAPINFO*>(&BI), DIB_RGB_COLORS) != 0;
    DeleteDC(DC);
    if (II.hbmColor) DeleteObject(II.hbmColor);
    if (II.hbmMask) DeleteObject(II.hbmMask);
    if (!Ok) Invalid();
    BITMAPINFOHEADER Hdr = DibHeader(W, H * 2, 32, BI_RGB);
    Hdr.biSizeImage = DWORD(Color.size() + Mask.size());
    size_t ImageSize = sizeof(Hdr) + Color.size() + Mask.size();
    uint8_t Dir[22] = {0, 0, 1, 0, 1,  0, uint8_t(W >= 256 ? 0 : W), uint8_t(H >= 256 ? 0 : H),
                       0, 0, 1, 0, 32, 0};
    for (int I = 0; I < 4; ++I) {
      Dir[14 + I] = uint8_t(ImageSize >> (8 * I));
      Dir[18 + I] = uint8_t(22 >> (8 * I));
    }
    FData.assign(Dir, Dir + 22);
    auto* P = reinterpret_cast<const uint8_t*>(&Hdr);
    FData.insert(FData.end(), P, P + sizeof(Hdr));
    FData.insert(FData.end(), Color.begin(), Color.end());
    FData.insert(FData.end(), Mask.begin(), Mask.end());
  }
  Stream.WriteBuffer(FData.data(), int64_t(FData.size()));
}

void TIcon::Draw(TCanvas& Canvas, const TRect& R) {
  if (FHandle)
    DrawIconEx(Canvas.Handle(), R.Left, R.Top, FHandle, R.Width(), R.Height(), 0, nullptr,
               DI_NORMAL);
}

}  // namespace qv
