#pragma once
// The layered border's portable half: its size type, where each of the four frame windows
// goes around a form rectangle, and how the frame image is cut into the four pieces.
#include <array>
#include <memory>

#include "raster/Bitmap32.h"

namespace qv {

enum TQvStretchKind { skAuto, skTile };
inline constexpr const wchar_t* TQvStretchKindNames[] = {L"skAuto", L"skTile"};
enum TqvFormLayerBorderType { mpflLeft, mpflTop, mpflRight, mpflBottom };

// Four per-side extents. Left/Top/Right/Bottom are published; defaults are per instance
// (Size: 8 on each side; InflateSize: 5, 5, -5, -5).
class TQvBorderSize : public TPersistent {
 public:
  static constexpr const wchar_t* StaticClassName = L"TQvBorderSize";
  String ClassName() const override { return StaticClassName; }
  TQvBorderSize(Integer ALeft = 8, Integer ATop = 8, Integer ARight = 8, Integer ABottom = 8)
      : FLeft(ALeft),
        FTop(ATop),
        FRight(ARight),
        FBottom(ABottom),
        FDefault{ALeft, ATop, ARight, ABottom} {}
  Integer Left() const { return FLeft; }
  void SetLeft(Integer Value) { FLeft = Value; }
  Integer Top() const { return FTop; }
  void SetTop(Integer Value) { FTop = Value; }
  Integer Right() const { return FRight; }
  void SetRight(Integer Value) { FRight = Value; }
  Integer Bottom() const { return FBottom; }
  void SetBottom(Integer Value) { FBottom = Value; }
  Integer Width() const { return FLeft + FRight; }
  Integer Height() const { return FTop + FBottom; }
  void SetAll(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom);
  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

 private:
  Integer FLeft, FTop, FRight, FBottom;
  std::array<Integer, 4> FDefault;
};

// Where the four windows go (screen positions) and which rectangle of the FW x FH frame
// surface each one shows; indexed by TqvFormLayerBorderType.
struct TQvBorderLayout {
  Integer FrameWidth = 0, FrameHeight = 0;
  std::array<TRect, 4> Source{};  // in frame-surface coordinates
  std::array<TPoint, 4> Pos{};    // screen top-left of each window
};

// The layout around a form at FormBounds. Only the absolute values of Inflate count.
// Transparent: top and bottom run the full frame width, the sides fill the gap between them;
// opaque: the sides run the full frame height. A form too small for its border gives empty
// (never negative) pieces.
TQvBorderLayout QvBorderLayout(const TRect& FormBounds, const TQvBorderSize& Size,
                               const TQvBorderSize& Inflate, bool Transparent);

using TQvBorderPieces = std::array<std::unique_ptr<TBitmap32>, 4>;

// Fills a FrameWidth x FrameHeight surface from Image (nine-block stretch for skAuto, tiled
// for skTile) and cuts the four pieces as copies of their source rectangles. Nil Image:
// every piece is nil.
void QvBuildBorderPieces(TCustomBitmap32* Image, TQvStretchKind Kind, const TQvBorderLayout& Layout,
                         TQvBorderPieces& Pieces);

}  // namespace qv
