#pragma once
// TQvSkinMarker: a non-visual component describing a small badge (a counter, a dot)
// that the application paints where it likes with Draw(DC). TQvSkinCircleMarker paints
// an anti-aliased circle (or a rounded rectangle with RoundSize > 0) in the brush colour,
// outlined with the pen, with Text centred in the font.
#include <memory>

#include "host/Canvas.h"
#include "host/Classes.h"
#include "host/Font.h"
#include "host/PlatformTypes.h"

namespace qv {

class TQvSkinMarker : public TComponent {
  QV_CLASS(TQvSkinMarker)
 public:
  explicit TQvSkinMarker(TComponent* AOwner);
  ~TQvSkinMarker() override;

  static constexpr int DefaultWidth = 19, DefaultHeight = 19;
  static constexpr Byte DefaultAlpha = 255;
  static constexpr TColor DefaultBrushColor = TColor(0xFB7E1C);
  static constexpr TColor DefaultFontColor = TColor(0xFFFFFF);
  static constexpr int DefaultFontSize = 9;
  static constexpr const wchar_t* DefaultText = L"0";

  // Paints the badge into DC at (X, Y); nothing for a null DC.
  virtual void Draw(HDC DC) = 0;

  int X() const { return FX; }
  void SetX(int Value) { FX = Value; }
  int Y() const { return FY; }
  void SetY(int Value) { FY = Value; }
  int Width() const { return FWidth; }
  void SetWidth(int Value) { FWidth = Value; }
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }
  // Corner size of a rounded rectangle; 0 draws the ellipse.
  int RoundSize() const { return FRoundSize; }
  void SetRoundSize(int Value) { FRoundSize = Value; }
  // Opacity of the fill and the outline.
  Byte Alpha() const { return FAlpha; }
  void SetAlpha(Byte Value) { FAlpha = Value; }
  TPen* Pen() const { return FPen.get(); }
  void SetPen(TPen* Value) { FPen->Assign(Value); }
  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TBrush* Value) { FBrush->Assign(Value); }
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  const String& Text() const { return FText; }
  void SetText(const String& Value) { FText = Value; }

  const TPropTable& Properties() const override;

 private:
  int FX = 0, FY = 0;
  int FWidth = DefaultWidth, FHeight = DefaultHeight;
  int FRoundSize = 0;
  Byte FAlpha = DefaultAlpha;
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
  std::unique_ptr<TFont> FFont;
  String FText = DefaultText;
};

class TQvSkinCircleMarker : public TQvSkinMarker {
  QV_CLASS(TQvSkinCircleMarker)
 public:
  using TQvSkinMarker::TQvSkinMarker;
  void Draw(HDC DC) override;
};

}  // namespace qv
