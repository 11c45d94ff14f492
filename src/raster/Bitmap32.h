#pragma once
// TBitmap32: the 32-bit ARGB raster surface everything is composed on, with its class
// chain (notifying, lockable, sized map), drawing state, pixel/line/rectangle primitives,
// surface-to-surface drawing and persistence. Pixels live in a backend: plain memory, or
// on Windows a DIB section with its own device context. Portable header: platform
// handles are opaque pointers.
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "host/Classes.h"
#include "host/PlatformTypes.h"
#include "raster/Blend.h"
#include "raster/Color32.h"

namespace qv {

class TStream;
class TFont;
class TCanvas;
class TCustomBitmap32;
class TCustomResampler;
class TPropertyWriter;
struct TPropValue;

enum TDrawMode { dmOpaque, dmBlend, dmCustom, dmTransparent };
enum TCombineMode { cmBlend, cmMerge };
enum TWrapMode { wmClamp, wmRepeat, wmMirror };
enum TPixelAccessMode { pamUnsafe, pamSafe, pamWrap, pamTransparentEdge };
enum TRepaintMode { rmFull, rmDirect, rmOptimizer };
enum TPaintBoxOption { pboWantArrowKeys, pboAutoFocus };
using TPaintBoxOptions = TSet<TPaintBoxOption>;

// Info argument of Changed(Area, Info): what kind of area changed.
constexpr uint32_t AREAINFO_RECT = 0x80000000u;
constexpr uint32_t AREAINFO_LINE = 0x40000000u;  // low bits: line width

using TAreaChangedEvent = std::function<void(TObject* Sender, const TRect& Area, uint32_t Info)>;
// Combines F into B with master alpha M (dmCustom).
using TPixelCombineEvent = std::function<void(TColor32 F, TColor32& B, TColor32 M)>;

class TPlainInterfacedPersistent : public TPersistent {
 public:
  String ClassName() const override { return L"TPlainInterfacedPersistent"; }
};

// Change notification with an update counter: OnChange fires only outside BeginUpdate/EndUpdate.
class TNotifiablePersistent : public TPlainInterfacedPersistent {
 public:
  String ClassName() const override { return L"TNotifiablePersistent"; }
  virtual void Changed();
  virtual void BeginUpdate() { ++FUpdateCount; }
  virtual void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }
  TNotifyEvent OnChange;

 protected:
  int FUpdateCount = 0;
};

// A lock held while a buffer is resized or copied to a window.
class TThreadPersistent : public TNotifiablePersistent {
 public:
  String ClassName() const override { return L"TThreadPersistent"; }
  void Lock() { FLock.lock(); }
  void Unlock() { FLock.unlock(); }

 private:
  std::recursive_mutex FLock;
};

// Something with a width and a height.
class TCustomMap : public TThreadPersistent {
 public:
  String ClassName() const override { return L"TCustomMap"; }
  Integer Width() const { return FWidth; }
  Integer Height() const { return FHeight; }
  virtual void SetWidth(Integer Value) { SetSize(Value, FHeight); }
  virtual void SetHeight(Integer Value) { SetSize(FWidth, Value); }
  // Answers true when the size changed.
  virtual bool SetSize(Integer NewWidth, Integer NewHeight);
  virtual bool Empty() const { return FWidth == 0 || FHeight == 0; }
  virtual void Delete() { SetSize(0, 0); }
  TNotifyEvent OnResize;

 protected:
  virtual void ChangeSize(Integer& Width, Integer& Height, Integer NewWidth, Integer NewHeight);
  virtual void Resized();
  Integer FWidth = 0;
  Integer FHeight = 0;
};

// The pixel store of a surface.
class TCustomBackend {
 public:
  virtual ~TCustomBackend() = default;
  virtual String ClassName() const = 0;
  TColor32* Bits() const { return FBits; }
  // Releases the store and, when both sizes are > 0, creates a zero-filled one.
  virtual void ChangeSize(Integer NewWidth, Integer NewHeight) = 0;
  virtual bool Empty() const { return FBits == nullptr; }
  // The platform device context and bitmap over the pixels (null without one).
  virtual HDC Handle() const { return nullptr; }
  virtual HBITMAP BitmapHandle() const { return nullptr; }

 protected:
  TColor32* FBits = nullptr;
};

class TMemoryBackend : public TCustomBackend {
 public:
  String ClassName() const override { return L"TMemoryBackend"; }
  void ChangeSize(Integer NewWidth, Integer NewHeight) override;

 private:
  std::unique_ptr<TColor32[]> FStore;
};

using TBackendClass = std::unique_ptr<TCustomBackend> (*)();
std::unique_ptr<TCustomBackend> NewMemoryBackend();
// The platform's backend: a DIB section on Windows, memory elsewhere.
std::unique_ptr<TCustomBackend> NewPlatformBackend();

class TCustomBitmap32 : public TCustomMap {
 public:
  TCustomBitmap32();
  explicit TCustomBitmap32(TBackendClass Backend);
  ~TCustomBitmap32() override;
  TCustomBitmap32(const TCustomBitmap32&) = delete;
  TCustomBitmap32& operator=(const TCustomBitmap32&) = delete;
  String ClassName() const override { return L"TCustomBitmap32"; }

  // Size and content.
  bool SetSize(Integer NewWidth, Integer NewHeight) override;
  bool Empty() const override;
  TRect BoundsRect() const { return {0, 0, FWidth, FHeight}; }
  void Assign(TPersistent* Source) override;
  virtual void CopyMapTo(TCustomBitmap32* Dst) const;
  virtual void CopyPropertiesTo(TCustomBitmap32* Dst) const;
  // Takes Width × Height pixels (rows top first, no padding) as size and content at once.
  void AssignPixels(Integer Width, Integer Height, const void* Pixels);
  void Clear() { Clear(clBlack32); }
  void Clear(TColor32 FillColor);
  void ResetAlpha(uint8_t AlphaValue = 255);

  // Pixels: row-major, top row first, stride Width. No checks.
  TColor32* Bits() const { return FBits; }
  TColor32* ScanLine(Integer Y) const { return FBits + ptrdiff_t(Y) * FWidth; }
  TColor32* PixelPtr(Integer X, Integer Y) const { return FBits + ptrdiff_t(Y) * FWidth + X; }
  TColor32 Pixel(Integer X, Integer Y) const { return *PixelPtr(X, Y); }
  void SetPixel(Integer X, Integer Y, TColor32 C) { *PixelPtr(X, Y) = C; }
  // Checked forms: outside the surface PixelS answers OuterColor; SetPixelS respects the clip.
  TColor32 PixelS(Integer X, Integer Y) const;
  void SetPixelS(Integer X, Integer Y, TColor32 C);
  void SetPixelT(Integer X, Integer Y, TColor32 C);
  void SetPixelTS(Integer X, Integer Y, TColor32 C);

  // Drawing state.
  TRect ClipRect() const { return FClipRect; }
  void SetClipRect(const TRect& Value);  // limited to the bounds
  bool Clipping() const { return FClipping; }
  TDrawMode DrawMode() const { return FDrawMode; }
  void SetDrawMode(TDrawMode Value);
  TCombineMode CombineMode() const { return FCombineMode; }
  void SetCombineMode(TCombineMode Value);
  TWrapMode WrapMode() const { return FWrapMode; }
  void SetWrapMode(TWrapMode Value);
  static constexpr uint8_t DefMasterAlpha = 255;
  uint8_t MasterAlpha() const { return FMasterAlpha; }
  void SetMasterAlpha(uint8_t Value);
  TColor32 OuterColor() const { return FOuterColor; }
  void SetOuterColor(TColor32 Value);
  TColor32 PenColor() const { return FPenColor; }
  void SetPenColor(TColor32 Value) { FPenColor = Value; }
  float StippleStep() const { return FStippleStep; }
  void SetStippleStep(float Value) { FStippleStep = Value; }

  // The resampler used when this surface is drawn stretched; never null.
  TCustomResampler* Resampler() const { return FResampler.get(); }
  // Takes Value, which must sample this surface, as the resampler and frees the previous
  // one. Raises EBitmapError (nothing changed) for null or another surface's resampler.
  void SetResampler(std::unique_ptr<TCustomResampler> Value);
  String ResamplerClassName() const;
  void SetResamplerClassName(const String& Value);

  // Lines. S = clipped, T = blended with the colour's alpha; end points inclusive for
  // HorzLine/VertLine, the Line forms include (X2, Y2) only when L is true.
  void HorzLine(Integer X1, Integer Y, Integer X2, TColor32 Value);
  void HorzLineS(Integer X1, Integer Y, Integer X2, TColor32 Value);
  void HorzLineT(Integer X1, Integer Y, Integer X2, TColor32 Value);
  void HorzLineTS(Integer X1, Integer Y, Integer X2, TColor32 Value);
  void VertLine(Integer X, Integer Y1, Integer Y2, TColor32 Value);
  void VertLineS(Integer X, Integer Y1, Integer Y2, TColor32 Value);
  void VertLineT(Integer X, Integer Y1, Integer Y2, TColor32 Value);
  void VertLineTS(Integer X, Integer Y1, Integer Y2, TColor32 Value);
  void Line(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value, bool L = false);
  void LineS(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value, bool L = false);
  void LineT(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value, bool L = false);
  void LineTS(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value, bool L = false);
  void LineAS(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value, bool L = false);
  void LineFS(double X1, double Y1, double X2, double Y2, TColor32 Value, bool L = false);
  void MoveTo(Integer X, Integer Y) { FPenPos = {X, Y}; }
  void LineToS(Integer X, Integer Y);
  void LineToTS(Integer X, Integer Y);
  TPoint PenPos() const { return FPenPos; }

  // Rectangles, half-open: columns X1..X2−1, rows Y1..Y2−1.
  void FillRect(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value);
  void FillRectS(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value);
  void FillRectS(const TRect& R, TColor32 Value) {
    FillRectS(R.Left, R.Top, R.Right, R.Bottom, Value);
  }
  void FillRectT(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value);
  void FillRectTS(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value);
  void FillRectTS(const TRect& R, TColor32 Value) {
    FillRectTS(R.Left, R.Top, R.Right, R.Bottom, Value);
  }
  void FrameRectS(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value);
  void FrameRectS(const TRect& R, TColor32 Value) {
    FrameRectS(R.Left, R.Top, R.Right, R.Bottom, Value);
  }
  void FrameRectTS(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value);
  void FrameRectTS(const TRect& R, TColor32 Value) {
    FrameRectTS(R.Left, R.Top, R.Right, R.Bottom, Value);
  }

  // Drawing another surface onto this one; Src's draw mode decides the combination.
  void Draw(Integer DstX, Integer DstY, TCustomBitmap32* Src);
  void Draw(Integer DstX, Integer DstY, const TRect& SrcRect, TCustomBitmap32* Src);
  void Draw(const TRect& DstRect, const TRect& SrcRect, TCustomBitmap32* Src);
  // Drawing this surface onto Dst.
  void DrawTo(TCustomBitmap32* Dst) { DrawTo(Dst, 0, 0); }
  void DrawTo(TCustomBitmap32* Dst, Integer DstX, Integer DstY);
  void DrawTo(TCustomBitmap32* Dst, Integer DstX, Integer DstY, const TRect& SrcRect);
  void DrawTo(TCustomBitmap32* Dst, const TRect& DstRect);
  void DrawTo(TCustomBitmap32* Dst, const TRect& DstRect, const TRect& SrcRect);
  // Combines Count source pixels into Dst by this surface's draw mode.
  void CombineLine(const TColor32* Src, TColor32* Dst, int Count) const;

  // Streams and files (32-bit Windows bitmap).
  virtual void LoadFromStream(TStream& Stream);
  virtual void SaveToStream(TStream& Stream, bool SaveTopDown = false) const;
  virtual void LoadFromFile(const String& FileName);
  virtual void SaveToFile(const String& FileName, bool SaveTopDown = false) const;

  // Persistence: published properties and the "Data" blob.
  const TPropTable& Properties() const override;
  // The blob: int32 LE width, int32 LE height, pixels B, G, R, A top row first.
  std::vector<uint8_t> DataBlob() const;
  // Raises EReadError (surface unchanged) when the blob is malformed.
  void ReadDataBlob(const std::vector<uint8_t>& Data);

  // Every drawing operation ends here: OnAreaChanged (outside updates), then Changed().
  using TNotifiablePersistent::Changed;
  virtual void Changed(const TRect& Area, uint32_t Info = AREAINFO_RECT);

  TAreaChangedEvent OnAreaChanged;
  TPixelCombineEvent OnPixelCombine;

 protected:
  void ChangeSize(Integer& Width, Integer& Height, Integer NewWidth, Integer NewHeight) override;
  virtual void PropertyChanged() { Changed(); }
  virtual void InitializeBackend(TBackendClass Backend);
  virtual void BackendChanged() {}
  TCustomBackend* Backend() const { return FBackend.get(); }
  void CheckPixelStore();  // raises when a size was asked for and no pixels came

  TColor32* FBits = nullptr;

 private:
  // Limits the span Lo..Hi of row (Horizontal) or column At to the clip; false when nothing is
  // left.
  bool ClipSpan(Integer& Lo, Integer& Hi, Integer At, bool Horizontal) const;
  void SetRectT(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value, bool Blend);
  template <bool Blend>
  void LineImpl(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value, bool L, bool Clip);
  void FrameRectImpl(Integer X1, Integer Y1, Integer X2, Integer Y2, TColor32 Value, bool Blend);
  void AALinePixel(Integer X, Integer Y, TColor32 Value, uint32_t Weight);

  std::unique_ptr<TCustomBackend> FBackend;
  std::unique_ptr<TCustomResampler> FResampler;
  TRect FClipRect;
  bool FClipping = false;
  TDrawMode FDrawMode = dmOpaque;
  TCombineMode FCombineMode = cmBlend;
  TWrapMode FWrapMode = wmClamp;
  uint8_t FMasterAlpha = DefMasterAlpha;
  TColor32 FOuterColor = 0;
  TColor32 FPenColor = clWhite32;
  float FStippleStep = 1.0f;
  TPoint FPenPos;
};

// The surface the library uses: always the platform backend, with its device context,
// handles and text (text and device-context operations do nothing without a platform).
class TBitmap32 : public TCustomBitmap32 {
 public:
  TBitmap32();
  ~TBitmap32() override;
  String ClassName() const override { return L"TBitmap32"; }

  HDC Handle() const;
  HBITMAP BitmapHandle() const;
  TNotifyEvent OnHandleChanged;

  // The font of the text operations; owned.
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value);
  // Also copies the font to another TBitmap32.
  void CopyPropertiesTo(TCustomBitmap32* Dst) const override;

  // The platform canvas on Handle (Windows; null elsewhere). Its font starts as a copy of
  // Font. Drawing through it does not maintain the alpha bytes.
  TCanvas* Canvas();

  // Device-context operations.
  void DrawTo(HDC hDst, Integer DstX, Integer DstY) const;
  void DrawTo(HDC hDst, const TRect& DstRect, const TRect& SrcRect) const;
  void Draw(const TRect& DstRect, const TRect& SrcRect, HDC hSrc);
  using TCustomBitmap32::Draw;
  using TCustomBitmap32::DrawTo;

  // Loads a bitmap resource of module Instance (an HINSTANCE; null names the system's
  // predefined bitmaps by number). Bitmaps of fewer than 32 bits per pixel become opaque.
  // Raises EInvalidGraphic when there is no such resource; the surface is then unchanged.
  void LoadFromResourceName(HINSTANCE Instance, const String& Name);
  void LoadFromResourceID(HINSTANCE Instance, int ResID);

  // Text through the platform renderer with Font in its colour on a transparent
  // background. The platform leaves the alpha bytes as they were.
  void Textout(Integer X, Integer Y, const String& Text);  // clipped to ClipRect when Clipping
  void Textout(Integer X, Integer Y, const TRect& ClipRect, const String& Text);
  void Textout(const TRect& DstRect, uint32_t Flags, const String& Text);  // DrawTextW, DT_ flags
  TSize TextExtent(const String& Text) const;
  Integer TextWidth(const String& Text) const { return TextExtent(Text).cx; }
  Integer TextHeight(const String& Text) const { return TextExtent(Text).cy; }

  // Alpha-correct text in Color, blended with master alpha = Color's alpha. AALevel
  // (−1..4): below 0 the platform's anti-aliasing, 0 none, above 0 drawn 2^AALevel times
  // larger and averaged down. The font quality returns to the default afterwards.
  void RenderText(Integer X, Integer Y, const String& Text, Integer AALevel, TColor32 Color);
  // Into a rectangle with DrawTextW flags, non-anti-aliased; the font keeps that quality.
  void RenderText(const TRect& DstRect, uint32_t Flags, const String& Text, TColor32 Color);
  // The same with the font's quality set to Quality first and reset to the default after.
  void RenderText(const TRect& DstRect, uint32_t Flags, const String& Text, Integer Quality,
                  TColor32 Color);

 protected:
  virtual void HandleChanged();
  void BackendChanged() override;
  void ChangeSize(Integer& Width, Integer& Height, Integer NewWidth, Integer NewHeight) override;

 private:
  void DetachCanvas();  // before the device context goes
  void RenderTextRect(const TRect& DstRect, uint32_t Flags, const String& Text, TColor32 Color);
  struct TCanvasDeleter {
    void operator()(TCanvas* Canvas) const;
  };
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TCanvas, TCanvasDeleter> FCanvas;
};

// Assign from the platform's pictures: a TBitmap keeps its alpha only with 32 bits per
// pixel and loses it where its transparent colour is; a TIcon keeps its alpha, or is taken
// like a TMetafile when it has none; a TMetafile is drawn onto white and onto blue, and
// pixels that differ are clear; other graphics are drawn onto opaque white; a TPicture
// by its graphic. False when Source is none of these (and always without a platform).
bool AssignFromGraphic(TCustomBitmap32& Dst, TPersistent* Source);

// Dst takes Src's size and every pixel as grey: alpha kept, each colour channel Intensity.
void ColorToGrayscale(TCustomBitmap32* Dst, TCustomBitmap32* Src);

// Exceptions of drawing between surfaces.
[[noreturn]] void RaiseInvalidSrcRect();

}  // namespace qv
