#pragma once
// TQvCustomControl: a double-buffered paint box without the skin pipeline; it repaints
// when a parent asks its children to capture their background again.
#include "raster/PaintBox32.h"

namespace qv {

class TQvCustomControl : public TCustomPaintBox32_qv {
  QV_CLASS(TQvCustomControl)
 public:
  explicit TQvCustomControl(TComponent* AOwner);
  void WndProc(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
};

}  // namespace qv
