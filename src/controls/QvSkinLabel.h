#pragma once
// TQvSkinCustomLabel: a see-through skinned text label. Over the panel's drawing (or a
// rounded background) it writes its caption with alignment, word wrap, ellipsis and an
// optional glow, and by default sizes itself to its text. TQvSkinLabel is the published
// label component.
#include <memory>

#include "controls/QvSkinPanel.h"

namespace qv {

class TQvSkinCustomLabel : public TQvSkinCustomPanel {
  QV_CLASS(TQvSkinCustomLabel)
 public:
  explicit TQvSkinCustomLabel(TComponent* AOwner);
  ~TQvSkinCustomLabel() override;

  // Resize to the text (on by default); switching it on sizes the label at once.
  void SetAutoSize(bool Value) override;
  TAlignment AlignmentHorizontal() const { return FAlignmentHorizontal; }
  void SetAlignmentHorizontal(TAlignment Value);
  TVerticalAlignment AlignmentVertical() const { return FAlignmentVertical; }
  void SetAlignmentVertical(TVerticalAlignment Value);
  // Word wrap; stored only, shows at the next repaint.
  bool WordWap() const { return FWordWap; }
  void SetWordWap(bool Value) { FWordWap = Value; }
  // Setting an ellipsis switches AutoSize off: the text is cut to the label instead.
  TEllipsisPosition EllipsisPosition() const { return FEllipsisPosition; }
  void SetEllipsisPosition(TEllipsisPosition Value);
  // The glow behind the text; owned, setting it copies the given object.
  TQvLightClass* Light() const { return FLight.get(); }
  void SetLight(TQvLightClass* Value);
  // A rounded rectangle in Color at Alpha instead of the panel body; no auto-size then.
  bool RoundBackground() const { return FRoundBackground; }
  void SetRoundBackground(bool Value);
  // Corner radius; stored only.
  static constexpr int DefaultRoundSize = 5;
  int RoundSize() const { return FRoundSize; }
  void SetRoundSize(int Value) { FRoundSize = Value; }

  void Loaded() override;
  void WndProc(TMessage& Message) override;
  void ScaleControlsForDpi(int NewPPI) override;
  const TPropTable& Properties() const override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void DrawBody(TBitmap32* Bitmap) override;
  // Writes the caption.
  virtual void PaintText(TBitmap32* Bitmap);
  // Sizes the label to its text, keeping left and top.
  virtual void AdjustBounds();
  // Whether AdjustBounds may run: not while reading, with AutoSize, without RoundBackground.
  bool CanAdjustBounds() const;

 private:
  TAlignment FAlignmentHorizontal = taLeftJustify;
  TVerticalAlignment FAlignmentVertical = taAlignTop;
  bool FWordWap = false;
  TEllipsisPosition FEllipsisPosition = epNone;
  std::unique_ptr<TQvLightClass> FLight;
  bool FRoundBackground = false;
  int FRoundSize = DefaultRoundSize;
};

class TQvSkinLabel : public TQvSkinCustomLabel {
  QV_CLASS(TQvSkinLabel)
 public:
  using TQvSkinCustomLabel::TQvSkinCustomLabel;
};

}  // namespace qv
