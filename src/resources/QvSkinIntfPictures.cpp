#include "resources/QvSkinIntfPictures.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "host/Platform.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "resources/QvSkinResManager.h"

namespace qv {

void TransformCombineLine(const TCustomBitmap32& Src, const TColor32* S, TColor32* D, int Count,
                          int Passes) {
  switch (Src.DrawMode()) {
    case dmBlend: {
      uint32_t M = Src.MasterAlpha();
      if (Src.CombineMode() == cmMerge) {
        for (int I = 0; I < Count; ++I)
          for (int P = 0; P < Passes; ++P) D[I] = MergeRegEx(S[I], D[I], M);
        return;
      }
      for (int I = 0; I < Count; ++I) {
        uint32_t W = MasterWeight(S[I], M);
        if (W == 0) continue;
        TColor32 B = D[I];
        for (int P = 0; P < Passes; ++P) B = CombineReg(S[I], B, W);
        D[I] = B;
      }
      return;
    }
    case dmTransparent: {
      TColor32 Key = Src.OuterColor();
      for (int I = 0; I < Count; ++I)
        if (S[I] != Key) D[I] = S[I];
      return;
    }
    case dmCustom:
      if (Src.OnPixelCombine) {
        for (int I = 0; I < Count; ++I)
          for (int P = 0; P < Passes; ++P) Src.OnPixelCombine(S[I], D[I], Src.MasterAlpha());
        return;
      }
      [[fallthrough]];
    case dmOpaque:
    default:
      std::memcpy(D, S, size_t(Count) * sizeof(TColor32));
      return;
  }
}

void DrawTranslatedPasses(const TCustomBitmap32& Src, const TRect& SrcRect, TCustomBitmap32& Dst,
                          int Passes) {
  if (Passes <= 0 || Src.Empty() || Dst.Empty()) return;
  TRect S;
  if (!IntersectRect(S, SrcRect, Src.BoundsRect())) return;
  // Destination of S, then clipped to Dst; the source follows the clipping.
  int64_t DL = int64_t(S.Left) - SrcRect.Left, DT = int64_t(S.Top) - SrcRect.Top;
  int64_t DR = DL + S.Width(), DB = DT + S.Height();
  TRect Clip = Dst.ClipRect();
  int64_t L = std::max<int64_t>(DL, Clip.Left), T = std::max<int64_t>(DT, Clip.Top);
  int64_t R = std::min<int64_t>(DR, Clip.Right), B = std::min<int64_t>(DB, Clip.Bottom);
  if (L >= R || T >= B) return;
  int W = int(R - L), H = int(B - T);
  Integer SX = Integer(S.Left + (L - DL)), SY = Integer(S.Top + (T - DT));
  for (int Y = 0; Y < H; ++Y)
    TransformCombineLine(Src, Src.PixelPtr(SX, SY + Y), Dst.PixelPtr(Integer(L), Integer(T) + Y), W,
                         Passes);
  Dst.Changed(Rect(Integer(L), Integer(T), Integer(R), Integer(B)));
}

void CutPicture(const TCustomBitmap32& Src, const TRect& SrcRect, TCustomBitmap32& Dst,
                TColor32 Background) {
  if (&Src == &Dst) {
    TCustomBitmap32 Copy;
    Src.CopyMapTo(&Copy);
    Src.CopyPropertiesTo(&Copy);
    CutPicture(Copy, SrcRect, Dst, Background);
    return;
  }
  {
    auto Updating = UpdateScope(Dst);
    Src.CopyPropertiesTo(&Dst);
    Dst.SetSize(std::max(SrcRect.Width(), 0), std::max(SrcRect.Height(), 0));
    Dst.Clear(Background);
    DrawTranslatedPasses(Src, SrcRect, Dst, CutPasses);
  }
  Dst.Changed();
}

// ---- TPngPictures ----

void TPngPictures::DoChanged() {
  if (FPicturesChanged && !FLocked) FPicturesChanged(this);
}

void TPngPictures::SetImage(const TQvResID& Value) {
  if (Value == FImage) return;
  FImage = Value;
  FDPIScale = GetDPIScaleValue(nullptr);
  FSourceImage = TQvSkinResManagerObj()->GetImageByName(FImage, true);
  DoChanged();
}

void TPngPictures::SetCount(Integer Value) {
  FCount = Value;
  DoChanged();
}

void TPngPictures::SetNormal(Integer Value) {
  FNormal = Value;
  DoChanged();
}

void TPngPictures::SetHot(Integer Value) {
  FHot = Value;
  DoChanged();
}

void TPngPictures::SetPressed(Integer Value) {
  FPressed = Value;
}

void TPngPictures::SetDisable(Integer Value) {
  FDisable = Value;
  DoChanged();
}

void TPngPictures::SetMultiLineMode(bool Value) {
  FMultiLineMode = Value;
}

void TPngPictures::SetActive(bool Value) {
  FActive = Value;
  DoChanged();
}

void TPngPictures::SetPicturesChanged(TNotifyEvent Value) {
  FPicturesChanged = std::move(Value);
  DoChanged();
}

bool TPngPictures::UsableSource() const {
  return FSourceImage && !FSourceImage->Empty();
}

TSize TPngPictures::GetSourceSize() const {
  if (!UsableSource()) return {};
  return {FSourceImage->Width(), FSourceImage->Height()};
}

Integer TPngPictures::GetSingleWidth() const {
  if (!UsableSource()) return 0;
  if (FMultiLineMode) return FSourceImage->Width();
  return FCount != 0 ? FSourceImage->Width() / FCount : 0;
}

Integer TPngPictures::GetSingleHeight() const {
  if (!UsableSource()) return 0;
  if (!FMultiLineMode) return FSourceImage->Height();
  return FCount != 0 ? FSourceImage->Height() / FCount : 0;
}

bool TPngPictures::GetImageByIndex(Integer Index, TCustomBitmap32* AImage) {
  TQvSkinImage* Src = FSourceImage;
  if (!Src || !AImage || Index < 0 || Index >= FCount) return false;
  Integer W = Src->Width(), H = Src->Height();
  if (W <= 0 || H <= 0 || W > 10000 || H > 10000) return false;
  // Truncating division: the columns (rows) left over at the end are never shown.
  Integer SW = FMultiLineMode ? W : W / FCount;
  Integer SH = FMultiLineMode ? H / FCount : H;
  if (SW <= 0 || SH <= 0) return false;
  TRect State = FMultiLineMode ? Rect(0, Index * SH, SW, Index * SH + SH)
                               : Rect(Index * SW, 0, (Index + 1) * SW, SH);
  CutPicture(*Src, State, *AImage, FMultiLineMode ? StackedStateBackground : 0);
  return true;
}

bool TPngPictures::GetNormalImage(TCustomBitmap32* AImage) {
  AutoSetImageForDPI();
  return GetImageByIndex(FNormal, AImage);
}

bool TPngPictures::GetHotImage(TCustomBitmap32* AImage) {
  AutoSetImageForDPI();
  return GetImageByIndex(FHot, AImage);
}

bool TPngPictures::GetPressedImage(TCustomBitmap32* AImage) {
  AutoSetImageForDPI();
  return GetImageByIndex(FPressed, AImage);
}

bool TPngPictures::GetDisableImage(TCustomBitmap32* AImage) {
  AutoSetImageForDPI();
  return GetImageByIndex(FDisable, AImage);
}

void TPngPictures::AutoSetImageForDPI() {
  if (!AppIsHighDPIMode()) return;
  AutoSetImageForScale(GetDPIScaleValue(nullptr));
}

void TPngPictures::AutoSetImageForScale(double Scale) {
  if (Scale == FDPIScale) return;
  FDPIScale = Scale;
  FSourceImage = TQvSkinResManagerObj()->GetImageForScale(FImage, Scale);
  DoChanged();
}

void TPngPictures::Assign(TPersistent* Source) {
  if (!AssignProperties(*this, Source)) TPersistent::Assign(Source);
}

const TPropTable& TPngPictures::Properties() const {
  using C = TPngPictures;
  static const TPropTable Table = TPersistent::Properties().With({
      Prop(L"Active", &C::Active, &C::SetActive),
      ResIDProp(L"Image", &C::Image, &C::SetImage),
      Prop(L"Count", &C::Count, &C::SetCount, DefCount),
      Prop(L"Normal", &C::Normal, &C::SetNormal, DefNormal),
      Prop(L"Hot", &C::Hot, &C::SetHot, DefHot),
      Prop(L"Pressed", &C::Pressed, &C::SetPressed, DefPressed),
      Prop(L"Disable", &C::Disable, &C::SetDisable, DefDisable),
      Prop(L"MultiLineMode", &C::MultiLineMode, &C::SetMultiLineMode),
  });
  return Table;
}

}  // namespace qv
