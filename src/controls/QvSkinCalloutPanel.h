#pragma once
// TQvSkinCalloutPanel: a skinned panel shaped like a speech bubble. One side carries a
// triangular pointer; body and pointer are filled with the panel colour and outlined with
// the border colour (always all round: BorderSides is not consulted), and the client area
// for child controls leaves out the pointer's strip.
#include "controls/QvSkinCalloutGeometry.h"
#include "controls/QvSkinPanel.h"

namespace qv {

class TQvSkinCustomCalloutPanel : public TQvSkinCustomPanel {
  QV_CLASS(TQvSkinCustomCalloutPanel)
 public:
  explicit TQvSkinCustomCalloutPanel(TComponent* AOwner);

  static constexpr TQvCalloutPosition DefaultCalloutPosition = cpTop;
  static constexpr int DefaultCalloutWidth = 22;
  static constexpr int DefaultCalloutLength = 11;
  static constexpr Byte DefaultCalloutAlpha = 255;

  // The side with the pointer.
  TQvCalloutPosition CalloutPosition() const { return FCalloutPosition; }
  void SetCalloutPosition(TQvCalloutPosition Value);
  // Width of the pointer's base along the side.
  int CalloutWidth() const { return FCalloutWidth; }
  void SetCalloutWidth(int Value);
  // Depth of the pointer, across the side.
  int CalloutLength() const { return FCalloutLength; }
  void SetCalloutLength(int Value);
  // Start of the base along the side; 0 centres the pointer.
  int CalloutOffset() const { return FCalloutOffset; }
  void SetCalloutOffset(int Value);

  void AdjustClientRect(TRect& Rect) override;
  const TPropTable& Properties() const override;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;
  void DrawBorder(TBitmap32* Bitmap) override;

 private:
  // The client area moves with the pointer: children are aligned again.
  void ShapeChanged();
  TQvCalloutPosition FCalloutPosition = DefaultCalloutPosition;
  int FCalloutWidth = DefaultCalloutWidth;
  int FCalloutLength = DefaultCalloutLength;
  int FCalloutOffset = 0;
};

class TQvSkinCalloutPanel : public TQvSkinCustomCalloutPanel {
  QV_CLASS(TQvSkinCalloutPanel)
 public:
  using TQvSkinCustomCalloutPanel::TQvSkinCustomCalloutPanel;
};

}  // namespace qv
