#include "raster/Bitmap32.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

#include "host/Font.h"
#include "host/ImageCodec.h"
#include "host/ScopeGuard.h"
#include "raster/Resamplers.h"

namespace qv {

void TNotifiablePersistent::Changed() {
  if (FUpdateCount == 0 && OnChange) OnChange(this);
}

void TNotifiablePersistent::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
}

bool TCustomMap::SetSize(Integer NewWidth, Integer NewHeight) {
  NewWidth = std::max(NewWidth, 0);
  NewHeight = std::max(NewHeight, 0);
  if (NewWidth == FWidth && NewHeight == FHeight) return false;
  ChangeSize(FWidth, FHeight, NewWidth, NewHeight);
  Changed();
  Resized();
  return true;
}

void TCustomMap::ChangeSize(Integer& Width, Integer& Height, Integer NewWidth, Integer NewHeight) {
  Width = NewWidth;
  Height = NewHeight;
}

void TCustomMap::Resized() {
  if (OnResize) OnResize(this);
}

void TMemoryBackend::ChangeSize(Integer NewWidth, Integer NewHeight) {
  std::unique_ptr<TColor32[]> Store;
  if (NewWidth > 0 && NewHeight > 0) {
    try {
      Store.reset(new TColor32[size_t(NewWidth) * size_t(NewHeight)]());
    } catch (const std::bad_alloc&) {
      throw EBitmapError(L"Can't allocate the DIB handle");
    }
  }
  FStore = std::move(Store);
  FBits = FStore.get();
}

std::unique_ptr<TCustomBackend> NewMemoryBackend() {
  return std::make_unique<TMemoryBackend>();
}

TCustomBitmap32::TCustomBitmap32() : TCustomBitmap32(NewMemoryBackend) {}

TCustomBitmap32::TCustomBitmap32(TBackendClass Backend) {
  InitializeBackend(Backend);
  SetResampler(std::make_unique<TNearestResampler>(this));
}

TCustomBitmap32::~TCustomBitmap32() {
  Lock();
  FResampler.reset();
  FBackend.reset();
  FBits = nullptr;
  Unlock();
}

void TCustomBitmap32::InitializeBackend(TBackendClass Backend) {
  FBackend = Backend();
  FBits = nullptr;
}

bool TCustomBitmap32::SetSize(Integer NewWidth, Integer NewHeight) {
  // No backend is asked for more than any reader accepts.
  if (!PictureSizeAllowed(NewWidth, NewHeight))
    throw EBitmapError(L"Can't allocate the DIB handle");
  return TCustomMap::SetSize(NewWidth, NewHeight);
}

void TCustomBitmap32::ChangeSize(Integer& Width, Integer& Height, Integer NewWidth,
                                 Integer NewHeight) {
  auto Locked = LockScope(*this);
  {
    // The pixels are the backend's, also when it failed half-way.
    TScopeExit Bits([&] { FBits = FBackend->Bits(); });
    FBackend->ChangeSize(NewWidth, NewHeight);
  }
  Width = NewWidth;
  Height = NewHeight;
  FClipRect = BoundsRect();
  FClipping = false;
  BackendChanged();
}

bool TCustomBitmap32::Empty() const {
  return FWidth == 0 || FHeight == 0 || FBits == nullptr;
}

void TCustomBitmap32::Assign(TPersistent* Source) {
  {
    auto Updating = UpdateScope(*this);
    if (!Source) {
      SetSize(0, 0);
    } else if (auto* Src = dynamic_cast<TCustomBitmap32*>(Source)) {
      if (Src != this) {
        Src->CopyMapTo(this);
        Src->CopyPropertiesTo(this);
      }
    } else if (!AssignFromGraphic(*this, Source)) {
      TCustomMap::Assign(Source);
    }
  }
  Changed();
}

void TCustomBitmap32::AssignPixels(Integer Width, Integer Height, const void* Pixels) {
  {
    auto Updating = UpdateScope(*this);
    SetSize(Width, Height);
    if (!Empty()) std::memcpy(FBits, Pixels, size_t(FWidth) * size_t(FHeight) * sizeof(TColor32));
  }
  Changed(BoundsRect());
}

void TCustomBitmap32::CopyMapTo(TCustomBitmap32* Dst) const {
  if (Dst == this) return;
  Dst->SetSize(FWidth, FHeight);
  if (!Empty()) std::memcpy(Dst->FBits, FBits, size_t(FWidth) * size_t(FHeight) * sizeof(TColor32));
}

void TCustomBitmap32::CopyPropertiesTo(TCustomBitmap32* Dst) const {
  Dst->FDrawMode = FDrawMode;
  Dst->FCombineMode = FCombineMode;
  Dst->FWrapMode = FWrapMode;
  Dst->FMasterAlpha = FMasterAlpha;
  Dst->FOuterColor = FOuterColor;
  Dst->SetResamplerClassName(ResamplerClassName());
  Dst->FResampler->Assign(FResampler.get());
}

void TCustomBitmap32::Clear(TColor32 FillColor) {
  if (Empty()) return;
  if (FClipping) {
    FillRectS(FClipRect, FillColor);
    return;
  }
  FillLine(FBits, FWidth * FHeight, FillColor);
  Changed(BoundsRect());
}

void TCustomBitmap32::ResetAlpha(uint8_t AlphaValue) {
  if (Empty()) return;
  TColor32 A = TColor32(AlphaValue) << 24;
  TColor32* P = FBits;
  for (size_t I = 0, N = size_t(FWidth) * size_t(FHeight); I < N; ++I)
    P[I] = (P[I] & 0x00FFFFFF) | A;
  Changed(BoundsRect());
}

TColor32 TCustomBitmap32::PixelS(Integer X, Integer Y) const {
  if (X < 0 || Y < 0 || X >= FWidth || Y >= FHeight || !FBits) return FOuterColor;
  return Pixel(X, Y);
}

void TCustomBitmap32::SetPixelS(Integer X, Integer Y, TColor32 C) {
  if (X < FClipRect.Left || X >= FClipRect.Right || Y < FClipRect.Top || Y >= FClipRect.Bottom)
    return;
  SetPixel(X, Y, C);
  Changed(Rect(X, Y, X + 1, Y + 1));
}

void TCustomBitmap32::SetPixelT(Integer X, Integer Y, TColor32 C) {
  TColor32* P = PixelPtr(X, Y);
  *P = FCombineMode == cmBlend ? BlendReg(C, *P) : MergeReg(C, *P);
}

void TCustomBitmap32::SetPixelTS(Integer X, Integer Y, TColor32 C) {
  if (X < FClipRect.Left || X >= FClipRect.Right || Y < FClipRect.Top || Y >= FClipRect.Bottom)
    return;
  SetPixelT(X, Y, C);
  Changed(Rect(X, Y, X + 1, Y + 1));
}

void TCustomBitmap32::SetClipRect(const TRect& Value) {
  IntersectRect(FClipRect, Value, BoundsRect());
  FClipping = !(FClipRect == BoundsRect());
}

void TCustomBitmap32::SetDrawMode(TDrawMode Value) {
  if (FDrawMode == Value) return;
  FDrawMode = Value;
  PropertyChanged();
}

void TCustomBitmap32::SetCombineMode(TCombineMode Value) {
  if (FCombineMode == Value) return;
  FCombineMode = Value;
  PropertyChanged();
}

void TCustomBitmap32::SetWrapMode(TWrapMode Value) {
  if (FWrapMode == Value) return;
  FWrapMode = Value;
  PropertyChanged();
}

void TCustomBitmap32::SetMasterAlpha(uint8_t Value) {
  if (FMasterAlpha == Value) return;
  FMasterAlpha = Value;
  PropertyChanged();
}

void TCustomBitmap32::SetOuterColor(TColor32 Value) {
  if (FOuterColor == Value) return;
  FOuterColor = Value;
  PropertyChanged();
}

String TCustomBitmap32::ResamplerClassName() const {
  return FResampler->ClassName();
}

void TCustomBitmap32::SetResampler(std::unique_ptr<TCustomResampler> Value) {
  if (!Value || Value->Bitmap() != this)
    throw EBitmapError(L"Resampler belongs to another surface");
  FResampler = std::move(Value);
}

void TCustomBitmap32::SetResamplerClassName(const String& Value) {
  if (Value == ResamplerClassName()) return;
  if (auto R = CreateResamplerByName(Value, this)) {
    SetResampler(std::move(R));
    Changed();
  }
}

void TCustomBitmap32::Changed(const TRect& Area, uint32_t Info) {
  if (FUpdateCount == 0 && OnAreaChanged) OnAreaChanged(this, Area, Info);
  Changed();
}

void TCustomBitmap32::CheckPixelStore() {
  if (FWidth > 0 && FHeight > 0 && !FBits) throw EBitmapError(L"Can't allocate the DIB handle");
}

void TCustomBitmap32::CombineLine(const TColor32* Src, TColor32* Dst, int Count) const {
  if (Count <= 0) return;
  switch (FDrawMode) {
    case dmBlend:
      if (FCombineMode == cmBlend)
        BlendLineEx(Src, Dst, Count, FMasterAlpha);
      else
        MergeLineEx(Src, Dst, Count, FMasterAlpha);
      break;
    case dmTransparent:
      TransparentLine(Src, Dst, Count, FOuterColor);
      break;
    case dmCustom:
      if (OnPixelCombine) {
        for (int I = 0; I < Count; ++I) OnPixelCombine(Src[I], Dst[I], FMasterAlpha);
        break;
      }
      [[fallthrough]];
    case dmOpaque:
      std::memmove(Dst, Src, size_t(Count) * sizeof(TColor32));
      break;
  }
}

void ColorToGrayscale(TCustomBitmap32* Dst, TCustomBitmap32* Src) {
  if (!Dst) throw EBitmapError(L"Destination bitmap is nil");
  if (!Src) throw EBitmapError(L"Source bitmap is nil");
  Dst->BeginUpdate();
  Dst->SetSize(Src->Width(), Src->Height());
  const TColor32* S = Src->Bits();
  TColor32* D = Dst->Bits();
  for (size_t I = 0, N = Src->Empty() ? 0 : size_t(Src->Width()) * size_t(Src->Height()); I < N;
       ++I)
    D[I] = Gray32(Intensity(S[I]), AlphaComponent(S[I]));
  Dst->EndUpdate();
  Dst->Changed(Dst->BoundsRect());
}

[[noreturn]] void RaiseInvalidSrcRect() {
  throw EBitmapError(L"Invalid SrcRect");
}

// TBitmap32: the platform parts are in Bitmap32Win.cpp / Bitmap32Headless.cpp.

TBitmap32::TBitmap32() : TCustomBitmap32(NewPlatformBackend), FFont(std::make_unique<TFont>()) {}

TBitmap32::~TBitmap32() {
  DetachCanvas();
}

void TBitmap32::SetFont(TFont* Value) {
  FFont->Assign(Value);
}

void TBitmap32::CopyPropertiesTo(TCustomBitmap32* Dst) const {
  TCustomBitmap32::CopyPropertiesTo(Dst);
  if (auto* B = dynamic_cast<TBitmap32*>(Dst)) B->FFont->Assign(FFont.get());
}

HDC TBitmap32::Handle() const {
  return Backend()->Handle();
}

HBITMAP TBitmap32::BitmapHandle() const {
  return Backend()->BitmapHandle();
}

void TBitmap32::HandleChanged() {
  if (OnHandleChanged) OnHandleChanged(this);
}

void TBitmap32::BackendChanged() {
  HandleChanged();
}

void TBitmap32::ChangeSize(Integer& Width, Integer& Height, Integer NewWidth, Integer NewHeight) {
  DetachCanvas();
  TCustomBitmap32::ChangeSize(Width, Height, NewWidth, NewHeight);
}

}  // namespace qv
