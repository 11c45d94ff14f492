#pragma once
// Pictures: the abstract graphic, the bitmap, the icon, the metafile, and the picture
// that holds any of them and picks the class by file extension. Loading is all or
// nothing: malformed data raises EInvalidGraphic and leaves the object as it was.
// Windows only (GraphicsWin.cpp and friends); the header is free of platform headers.
#include <functional>
#include <memory>

#include "host/Canvas.h"
#include "host/PlatformTypes.h"
#include "host/Streams.h"

namespace qv {

class TGraphic : public TPersistent {
 public:
  String ClassName() const override { return L"TGraphic"; }
  virtual Integer Width() const = 0;
  virtual Integer Height() const = 0;
  virtual bool Empty() const = 0;
  bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool Value);

  virtual void LoadFromStream(TStream& Stream) = 0;
  virtual void SaveToStream(TStream& Stream) = 0;
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName);

  // Paints the picture stretched into R. Called through TCanvas::Draw and StretchDraw.
  virtual void Draw(TCanvas& Canvas, const TRect& R) = 0;
  // A new, empty graphic of this one's class.
  virtual std::unique_ptr<TGraphic> NewGraphic() const = 0;

  TNotifyEvent OnChange;

 protected:
  void Changed();
  bool FTransparent = false;
};

enum TPixelFormat { pfDevice, pf24bit, pf32bit };
enum TTransparentMode { tmAuto, tmFixed };
// How the fourth byte of a 32-bit bitmap is drawn.
enum TAlphaFormat { afIgnored, afDefined, afPremultiplied };

// A device-independent bitmap (24 or 32 bits per pixel, top row first in memory) or a
// device-dependent one (pfDevice), with a canvas drawing on it.
class TBitmap : public TGraphic {
  QV_CLASS(TBitmap)
 public:
  TBitmap();
  TBitmap(Integer AWidth, Integer AHeight, TPixelFormat Format = pf32bit);
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  Integer Width() const override { return FWidth; }
  Integer Height() const override { return FHeight; }
  bool Empty() const override { return FWidth == 0 || FHeight == 0; }
  void SetWidth(Integer Value) { SetSize(Value, FHeight); }
  void SetHeight(Integer Value) { SetSize(FWidth, Value); }
  // Keeps the overlapping part of the picture; new pixels are black.
  void SetSize(Integer AWidth, Integer AHeight);
  TPixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat Value);
  TAlphaFormat AlphaFormat() const { return FAlphaFormat; }
  void SetAlphaFormat(TAlphaFormat Value);

  // With tmAuto the transparent colour is the bottom-left pixel's.
  TColor TransparentColor();
  void SetTransparentColor(TColor Value);
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode Value);

  TCanvas& Canvas();
  HBITMAP Handle();
  // Takes ownership of Value (nullptr empties the bitmap).
  void SetHandle(HBITMAP Value);
  // Gives up ownership of the handle; the bitmap is empty afterwards.
  HBITMAP ReleaseHandle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  // Takes the bitmap out of the canvas' device context, for platform calls that need a
  // bitmap selected nowhere; the canvas takes it back when it draws next.
  void FreeContext();
  // Row Y of a device-independent bitmap: Width pixels of 3 or 4 bytes (B, G, R[, A]).
  uint8_t* ScanLine(Integer Y);

  void Assign(TPersistent* Source) override;
  void LoadFromStream(TStream& Stream) override;  // a Windows bitmap file
  void SaveToStream(TStream& Stream) override;    // a bottom-up BI_RGB bitmap file
  void Draw(TCanvas& Canvas, const TRect& R) override;
  std::unique_ptr<TGraphic> NewGraphic() const override { return std::make_unique<TBitmap>(); }

 private:
  class TBitmapCanvas;
  void Replace(HBITMAP Handle, Integer W, Integer H, TPixelFormat Format, uint8_t* Bits);
  HBITMAP FHandle = nullptr;
  uint8_t* FBits = nullptr;  // DIB section memory
  Integer FWidth = 0, FHeight = 0;
  TPixelFormat FPixelFormat = pfDevice;
  TAlphaFormat FAlphaFormat = afIgnored;
  TColor FTransparentColor = clDefault;
  TTransparentMode FTransparentMode = tmAuto;
  std::unique_ptr<TBitmapCanvas> FCanvas;
};

// An icon: read from an .ico file (the largest, deepest image is kept) or given as a handle.
class TIcon : public TGraphic {
  QV_CLASS(TIcon)
 public:
  TIcon() { FTransparent = true; }
  ~TIcon() override;
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;
  Integer Width() const override { return FWidth; }
  Integer Height() const override { return FHeight; }
  bool Empty() const override { return FHandle == nullptr; }
  HICON Handle() const { return FHandle; }
  // Takes ownership of Value.
  void SetHandle(HICON Value);
  HICON ReleaseHandle();
  void Assign(TPersistent* Source) override;
  void LoadFromStream(TStream& Stream) override;
  // Writes the file it was read from; an icon given as a handle is written as a 32-bit icon.
  void SaveToStream(TStream& Stream) override;
  void Draw(TCanvas& Canvas, const TRect& R) override;
  std::unique_ptr<TGraphic> NewGraphic() const override { return std::make_unique<TIcon>(); }

 private:
  HICON FHandle = nullptr;
  Integer FWidth = 0, FHeight = 0;
  std::vector<uint8_t> FData;  // the .ico file, when read from one
};

// An enhanced metafile; reading also takes (placeable) Windows metafiles.
// Width and Height are the picture frame in pixels at 96 dots per inch.
class TMetafile : public TGraphic {
  QV_CLASS(TMetafile)
 public:
  TMetafile() { FTransparent = true; }
  ~TMetafile() override;
  TMetafile(const TMetafile&) = delete;
  TMetafile& operator=(const TMetafile&) = delete;
  Integer Width() const override { return FWidth; }
  Integer Height() const override { return FHeight; }
  bool Empty() const override { return FHandle == nullptr; }
  HENHMETAFILE Handle() const { return FHandle; }
  void SetHandle(HENHMETAFILE Value);  // takes ownership
  void Assign(TPersistent* Source) override;
  void LoadFromStream(TStream& Stream) override;
  void SaveToStream(TStream& Stream) override;  // enhanced metafile format
  void Draw(TCanvas& Canvas, const TRect& R) override;
  std::unique_ptr<TGraphic> NewGraphic() const override { return std::make_unique<TMetafile>(); }

 private:
  HENHMETAFILE FHandle = nullptr;
  Integer FWidth = 0, FHeight = 0;
};

// Holds one graphic of any class. LoadFromFile picks the class by extension; an unknown
// extension raises EInvalidGraphic "Unknown picture file extension (.xyz)".
class TPicture : public TPersistent {
  QV_CLASS(TPicture)
 public:
  using TGraphicFactory = std::function<std::unique_ptr<TGraphic>()>;
  TPicture() = default;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  TGraphic* Graphic() const { return FGraphic.get(); }
  // Copies Value into a new graphic of its class (nullptr clears).
  void SetGraphic(TGraphic* Value);
  // The graphic as a bitmap/icon; replaces a graphic of another class by an empty one.
  TBitmap& Bitmap();
  TIcon& Icon();
  Integer Width() const { return FGraphic ? FGraphic->Width() : 0; }
  Integer Height() const { return FGraphic ? FGraphic->Height() : 0; }

  void LoadFromFile(const String& FileName);
  // Chooses the class by the data's signature (PNG, JPEG, bitmap, icon, metafile).
  void LoadFromStream(TStream& Stream);
  void SaveToFile(const String& FileName);
  void SaveToStream(TStream& Stream);
  void Assign(TPersistent* Source) override;

  // Adds or replaces the class that reads files with extension Ext (without the dot).
  static void RegisterFileFormat(const String& Ext, TGraphicFactory Factory);

  TNotifyEvent OnChange;

 private:
  void Take(std::unique_ptr<TGraphic> Graphic);
  std::unique_ptr<TGraphic> FGraphic;
};

}  // namespace qv
