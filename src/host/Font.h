#pragma once
// TFont: the description of a GDI font and, on Windows, its handle, created on first
// use and released whenever a property that shapes the glyphs changes.
// Portable header: the handle type is only forward-declared.
#include "host/GraphicsObject.h"
#include "host/PlatformTypes.h"

namespace qv {

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
// Values equal the platform's quality constants (DEFAULT_QUALITY .. CLEARTYPE_NATURAL_QUALITY).
enum TFontQuality {
  fqDefault,
  fqDraft,
  fqProof,
  fqNonAntialiased,
  fqAntialiased,
  fqClearType,
  fqClearTypeNatural
};
enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = Byte;  // the platform's charset numbers (DEFAULT_CHARSET is 1)

class TFont : public TGraphicsObject {
  QV_CLASS(TFont)
 public:
  TFont() = default;

  static constexpr const wchar_t* DefaultName = L"Tahoma";
  static constexpr Integer DefaultHeight = -11;  // 8 points at 96 dots per inch
  static constexpr TFontCharset DefaultCharset = 1;
  static constexpr TColor DefaultColor = clWindowText;

  const String& Name() const { return FName; }
  void SetName(const String& Value);
  // Height in pixels: negative for the character height, positive for the cell height.
  Integer Height() const { return FHeight; }
  void SetHeight(Integer Value);
  // Size in points: Height = -MulDiv(Size, PixelsPerInch, 72).
  Integer Size() const;
  void SetSize(Integer Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  TFontCharset Charset() const { return FCharset; }
  void SetCharset(TFontCharset Value);
  TFontQuality Quality() const { return FQuality; }
  void SetQuality(TFontQuality Value);
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch Value);
  Integer Orientation() const { return FOrientation; }  // tenths of a degree
  void SetOrientation(Integer Value);
  Integer PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(Integer Value) { FPixelsPerInch = Value > 0 ? Value : 96; }

  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

  // Windows only: the font handle, created on demand and owned by this object. The
  // colour is applied by the canvas, so changing it keeps the handle.
  HFONT Handle();

 private:
  String FName = DefaultName;
  Integer FHeight = DefaultHeight;
  TColor FColor = DefaultColor;
  TFontStyles FStyle;
  TFontCharset FCharset = DefaultCharset;
  TFontQuality FQuality = fqDefault;
  TFontPitch FPitch = fpDefault;
  Integer FOrientation = 0;
  Integer FPixelsPerInch = 96;
};

// Charset names as the object text form writes them ("DEFAULT_CHARSET", "GB2312_CHARSET").
bool CharsetToIdent(TFontCharset Charset, String& Ident);
bool IdentToCharset(const String& Ident, TFontCharset& Charset);

}  // namespace qv
