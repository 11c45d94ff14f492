#pragma once
// Vector shapes: the brush and pen value classes of the shape control, a stroke brush, and
// TQvSVGPathRenderer, which parses SVG path data and draws it filled and outlined on a
// surface through a path canvas. Portable.
#include <memory>
#include <string>

#include "graphics/Canvas32.h"
#include "raster/Bitmap32.h"

namespace qv {

// Fill settings of a vector shape.
class TQvBrush : public TPersistent {
  QV_CLASS(TQvBrush)
 public:
  static constexpr TColor DefaultColor = 9134950;  // 0x008B6366
  static constexpr bool DefaultVisible = true;
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) {
    if (UpdateField(FColor, Value)) Changed();
  }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) {
    if (UpdateField(FVisible, Value)) Changed();
  }
  // Raised by the setters when a value changes.
  const TNotifyEvent& OnChanged() const { return FOnChanged; }
  void SetOnChanged(TNotifyEvent Value) { FOnChanged = std::move(Value); }

  // Copies the settings of another brush (or pen), raising OnChanged once when any differs.
  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

 protected:
  void Changed();
  // Takes S's settings; answers whether any differed.
  virtual bool CopySettings(const TQvBrush& S);

 private:
  TColor FColor = DefaultColor;
  bool FVisible = DefaultVisible;
  TNotifyEvent FOnChanged;
};

// Scoped: the host's TPenStyle has members of the same names in another order.
enum class TQvPenStyle { psSolid, psDot, psDash };
inline constexpr const wchar_t* TQvPenStyleNames[] = {L"psSolid", L"psDot", L"psDash"};

// Outline settings of a vector shape.
class TQvPen : public TQvBrush {
  QV_CLASS(TQvPen)
 public:
  static constexpr Integer DefaultWidth = 1;
  Integer Width() const { return FWidth; }
  void SetWidth(Integer Value) {
    if (UpdateField(FWidth, Value)) Changed();
  }
  TQvPenStyle Style() const { return FStyle; }
  void SetStyle(TQvPenStyle Value) {
    if (UpdateField(FStyle, Value)) Changed();
  }

  const TPropTable& Properties() const override;

 protected:
  bool CopySettings(const TQvBrush& S) override;

 private:
  Integer FWidth = DefaultWidth;
  TQvPenStyle FStyle = TQvPenStyle::psSolid;
};

// A solid brush with a stroke width whose drawing does nothing: placed in a canvas's
// brushes it leaves the surface as it is.
class TQvStrokeBrush : public TSolidBrush {
 public:
  String ClassName() const override { return L"TQvStrokeBrush"; }
  float StrokeWidth() const { return FStrokeWidth; }
  void SetStrokeWidth(float Value) {
    if (UpdateField(FStrokeWidth, Value)) Changed();
  }
  void PolyPolygonFS(TCustomBitmap32*, const TPathData&) override {}

 private:
  float FStrokeWidth = 1.0f;
};

enum TQvSVGPathColor { pcFill, pcStroke };
using TQvSVGPathColors = TSet<TQvSVGPathColor>;

// Draws SVG path data ("M10 10 L90 10 L50 80 Z") onto a surface.
//
// The dialect: the first command must be M or m and its point is absolute; every later
// point gets 1.5 added to its X (H and V values do not); coordinate pairs of one point are
// separated by blanks or commas, anything else by blanks only; numbers after a command
// repeat it (after M as lines); A consumes its numbers and draws nothing. Z moves the current
// point back to the subpath's start.
//
// Errors raise (EParserError "Unknown first command (%s)", "Unknown command (%s)", "No Data";
// EConvertError for text that is no number) after drawing the subpaths that a later move-to
// had completed; the subpath in progress is dropped.
class TQvSVGPathRenderer : public TPersistent {
 public:
  explicit TQvSVGPathRenderer(TBitmap32* ABitmap32);
  ~TQvSVGPathRenderer() override;
  String ClassName() const override { return L"TQvSVGPathRenderer"; }

  TQvSVGPathColors Colors() const { return FColors; }
  void SetColors(TQvSVGPathColors Value) { FColors = Value; }
  TColor FillColor() const { return FFillColor; }
  void SetFillColor(TColor Value) { FFillColor = Value; }
  TColor StrokeColor() const { return FStrokeColor; }
  void SetStrokeColor(TColor Value) { FStrokeColor = Value; }
  Integer StrokeWidth() const { return FStrokeWidth; }
  void SetStrokeWidth(Integer Value) { FStrokeWidth = Value; }
  // Opacity of the fill; the outline is always opaque.
  Byte Alpha() const { return FAlpha; }
  void SetAlpha(Byte Value) { FAlpha = Value; }
  const std::string& Path() const { return FPath; }
  // A different text is stored and drawn at once (Refresh).
  void SetPath(const std::string& Value);

  // Sets up the fill and outline brushes for the current colours and draws Path.
  void Refresh();
  // Parses Data and draws it with the canvas's brushes.
  virtual void RenderPath(const std::string& Data);

  TCanvas32& Canvas() { return *FCanvas32; }

 private:
  std::unique_ptr<TCanvas32> FCanvas32;
  TSolidBrush* FFill = nullptr;
  TStrokeBrush* FStroke = nullptr;
  TQvSVGPathColors FColors{pcFill, pcStroke};
  TColor FFillColor = 0xFFFFFF;
  TColor FStrokeColor = 0xFF0000;
  Integer FStrokeWidth = 1;
  Byte FAlpha = 255;
  std::string FPath;
};

// Parses SVG path data in the renderer's dialect and drives Canvas with it (BeginPath ...
// EndPath). Raises as TQvSVGPathRenderer does.
void RenderSVGPath(TCanvas32& Canvas, const std::string& Data);

}  // namespace qv
