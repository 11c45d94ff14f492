#include "host/GraphicsWin.h"

namespace qv {

namespace {

[[noreturn]] void Invalid() {
  throw EInvalidGraphic(L"Metafile is not valid");
}

// Every record of an enhanced metafile lies inside it and the last one ends it.
bool ValidEmf(const uint8_t* D, size_t N) {
  if (N < 88 || ReadLE32(D) != EMR_HEADER || ReadLE32(D + 40) != ENHMETA_SIGNATURE) return false;
  size_t Bytes = ReadLE32(D + 48);
  if (Bytes > N || Bytes < 88) return false;
  size_t At = 0;
  uint32_t Last = 0;
  while (At < Bytes) {
    if (Bytes - At < 8) return false;
    uint32_t Type = ReadLE32(D + At), Size = ReadLE32(D + At + 4);
    if (Size < 8 || Size % 4 || Size > Bytes - At) return false;
    Last = Type;
    At += Size;
  }
  return Last == EMR_EOF;
}

// A Windows metafile: its header, then records each inside it, the last one ending it.
bool ValidWmf(const uint8_t* D, size_t N) {
  if (N < 18 || (ReadLE16(D) != 1 && ReadLE16(D) != 2) || ReadLE16(D + 2) != 9) return false;
  size_t At = 18;
  for (;;) {
    if (N - At < 6) return false;
    size_t Size = size_t(ReadLE32(D + At)) * 2;
    if (Size < 6 || Size > N - At) return false;
    if (ReadLE16(D + At + 4) == 0) return true;  // META_EOF
    At += Size;
  }
}

}  // namespace

TMetafile::~TMetafile() {
  if (FHandle) DeleteEnhMetaFile(FHandle);
}

void TMetafile::SetHandle(HENHMETAFILE Value) {
  if (Value == FHandle) return;
  if (FHandle) DeleteEnhMetaFile(FHandle);
  FHandle = Value;
  FWidth = FHeight = 0;
  ENHMETAHEADER H{};
  if (Value && GetEnhMetaFileHeader(Value, sizeof(H), &H)) {
    // The frame is in hundredths of a millimetre.
    FWidth = MulDiv(H.rclFrame.right - H.rclFrame.left, 96, 2540);
    FHeight = MulDiv(H.rclFrame.bottom - H.rclFrame.top, 96, 2540);
  }
  Changed();
}

void TMetafile::Assign(TPersistent* Source) {
  auto* M = dynamic_cast<TMetafile*>(Source);
  if (!M) return TGraphic::Assign(Source);
  if (M != this) SetHandle(M->FHandle ? CopyEnhMetaFileW(M->FHandle, nullptr) : nullptr);
}

void TMetafile::LoadFromStream(TStream& Stream) {
  std::vector<uint8_t> D = ReadStreamRest(Stream);
  HENHMETAFILE H = nullptr;
  if (ValidEmf(D.data(), D.size())) {
    H = SetEnhMetaFileBits(ReadLE32(&D[48]), D.data());
  } else if (D.size() >= 22 && ReadLE32(D.data()) == 0x9AC6CDD7) {
    // Placeable metafile: a bounding box in units of 1/Inch before the metafile proper.
    const uint8_t* P = D.data();
    int W = int16_t(ReadLE16(P + 10)) - int16_t(ReadLE16(P + 6)),
        Ht = int16_t(ReadLE16(P + 12)) - int16_t(ReadLE16(P + 8));
    unsigned Inch = ReadLE16(P + 14);
    if (Inch == 0 || W <= 0 || Ht <= 0 || !ValidWmf(P + 22, D.size() - 22)) Invalid();
    METAFILEPICT MP{MM_ANISOTROPIC, MulDiv(W, 2540, int(Inch)), MulDiv(Ht, 2540, int(Inch)),
                    nullptr};
    H = SetWinMetaFileBits(UINT(D.size() - 22), P + 22, nullptr, &MP);
  } else if (ValidWmf(D.data(), D.size())) {
    H = SetWinMetaFileBits(UINT(D.size()), D.data(), nullptr, nullptr);
  } else {
    Invalid();
  }
  if (!H) Invalid();
  SetHandle(H);
}

void TMetafile::SaveToStream(TStream& Stream) {
  if (!FHandle) throw EInvalidGraphic(L"Cannot save an empty metafile");
  UINT N = GetEnhMetaFileBits(FHandle, 0, nullptr);
  std::vector<uint8_t> D(N);
  if (!N || GetEnhMetaFileBits(FHandle, N, D.data()) != N) Invalid();
  Stream.WriteBuffer(D.data(), int64_t(N));
}

void TMetafile::Draw(TCanvas& Canvas, const TRect& R) {
  if (!FHandle) return;
  RECT W{R.Left, R.Top, R.Right, R.Bottom};
  PlayEnhMetaFile(Canvas.Handle(), FHandle, &W);
}

}  // namespace qv
