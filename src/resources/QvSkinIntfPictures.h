#pragma once
// Picture sets: a strip of state pictures (normal, hot, pressed, disabled) named by
// resource ID, and the cut that copies one state picture out of it.
#include "resources/QvSkinIntf.h"

namespace qv {

using TQvResID = String;

// Combines Count source pixels into Dst the way a transformed drawing of Src does, Passes
// times in a row: by Src's draw mode, blending with the master-alpha form (no exact-copy case).
void TransformCombineLine(const TCustomBitmap32& Src, const TColor32* S, TColor32* D, int Count,
                          int Passes);

// Copies SrcRect of Src onto Dst at (0, 0) the way a translated transformed drawing does,
// Passes times in a row: every pixel is combined by Src's draw mode with the master-alpha
// blend form (no exact-copy case), so a translucent source pixel is blended again on each
// pass. Dst keeps its size; the part of SrcRect outside Src or Dst is skipped.
void DrawTranslatedPasses(const TCustomBitmap32& Src, const TRect& SrcRect, TCustomBitmap32& Dst,
                          int Passes);

// The number of passes every state or piece cut makes.
constexpr int CutPasses = 8;

// Makes Dst a cut of SrcRect of Src: Src's surface properties, the rectangle's size,
// filled with Background and then drawn over by DrawTranslatedPasses(CutPasses).
void CutPicture(const TCustomBitmap32& Src, const TRect& SrcRect, TCustomBitmap32& Dst,
                TColor32 Background = 0);

// Background of a state picture cut from a stacked strip (transparent, R 244, G 255, B 255).
constexpr TColor32 StackedStateBackground = 0x00F4FFFF;

// A strip of state pictures named by resource ID. Pictures belong to the resource
// manager; the set only refers to the strip surface.
class TPngPictures : public TPersistent {
 public:
  static constexpr const wchar_t* StaticClassName = L"TPngPictures";
  String ClassName() const override { return StaticClassName; }
  TPngPictures() = default;
  TPngPictures(const TPngPictures&) = delete;
  TPngPictures& operator=(const TPngPictures&) = delete;
  // Three state pictures: normal, hot, pressed; disabled shows the normal one.
  static constexpr Integer DefCount = 3, DefNormal = 0, DefHot = 1, DefPressed = 2, DefDisable = 0;

  const TQvResID& Image() const { return FImage; }
  // A different ID fetches the strip from the resource manager and notifies.
  void SetImage(const TQvResID& Value);
  Integer Count() const { return FCount; }
  void SetCount(Integer Value);
  Integer Normal() const { return FNormal; }
  void SetNormal(Integer Value);
  Integer Hot() const { return FHot; }
  void SetHot(Integer Value);
  Integer Pressed() const { return FPressed; }
  void SetPressed(Integer Value);  // does not notify
  Integer Disable() const { return FDisable; }
  void SetDisable(Integer Value);
  // False: states side by side; true: stacked top to bottom. Does not notify.
  bool MultiLineMode() const { return FMultiLineMode; }
  void SetMultiLineMode(bool Value);
  // A free flag for the owning control.
  bool Active() const { return FActive; }
  void SetActive(bool Value);

  // The strip as last fetched (not owned), and its size ((0, 0) without a usable strip).
  TQvSkinImage* SourceImage() const { return FSourceImage; }
  TSize SourceSize() const { return GetSourceSize(); }
  TSize GetSourceSize() const;
  // Size of one state picture: 0 without a usable strip.
  Integer GetSingleWidth() const;
  Integer GetSingleHeight() const;

  const TNotifyEvent& PicturesChanged() const { return FPicturesChanged; }
  // Stores the handler and notifies at once.
  void SetPicturesChanged(TNotifyEvent Value);

  // While locked nothing notifies; unlocking does not notify either.
  void Lock() { FLocked = true; }
  void UnLock() { FLocked = false; }
  bool Locked() const { return FLocked; }

  // Cuts state picture Index into the caller's surface AImage. False, with AImage left as
  // it was, for a missing or unusable strip, a nil target or an index outside 0..Count-1.
  bool GetImageByIndex(Integer Index, TCustomBitmap32* AImage);
  bool GetNormalImage(TCustomBitmap32* AImage);
  bool GetHotImage(TCustomBitmap32* AImage);
  bool GetPressedImage(TCustomBitmap32* AImage);
  bool GetDisableImage(TCustomBitmap32* AImage);

  // In high-DPI mode: AutoSetImageForScale with the screen's scale (off: nothing).
  virtual void AutoSetImageForDPI();
  // When Scale differs from the one the strip was fetched at: refetches it at Scale (its
  // variant or scaled stand-in, GetImageForScale) and notifies. For an owner that knows the
  // scale of its monitor.
  void AutoSetImageForScale(double Scale);
  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

  double DPIScale() const { return FDPIScale; }

 protected:
  void DoChanged();

 private:
  bool UsableSource() const;

  TQvResID FImage;
  Integer FCount = DefCount;
  Integer FNormal = DefNormal;
  Integer FHot = DefHot;
  Integer FPressed = DefPressed;
  Integer FDisable = DefDisable;
  bool FMultiLineMode = false;
  bool FActive = false;
  TQvSkinImage* FSourceImage = nullptr;
  TNotifyEvent FPicturesChanged;
  double FDPIScale = 1.0;
  bool FLocked = false;
};

class TPngPicturesEx : public TPngPictures {
 public:
  static constexpr const wchar_t* StaticClassName = L"TPngPicturesEx";
  String ClassName() const override { return StaticClassName; }
};

}  // namespace qv
