#pragma once
// THintWindow: the small top-level window the application shows a control's hint in.
// The application creates it through its HintWindowClass factory, so a skinned hint
// window replaces it application-wide.
#include "host/CustomControl.h"

namespace qv {

class THintWindow : public TCustomControl {
  QV_CLASS(THintWindow)
 public:
  explicit THintWindow(TComponent* AOwner);

  // Rectangle (at 0, 0) the hint text needs, at most MaxWidth wide.
  virtual TRect CalcHintRect(int MaxWidth, const String& AHint, void* AData);
  // Shows the hint in Rect (screen coordinates), topmost, without activating.
  virtual void ActivateHint(const TRect& Rect, const String& AHint);
  // What the application calls; with no use for the data it is ActivateHint.
  virtual void ActivateHintData(const TRect& Rect, const String& AHint, void* AData);
  // Hides the hint and lets its window go.
  void ReleaseHandle();
  // Whether a message means the hint should go away (mouse presses, keys).
  virtual bool IsHintMsg(const TMessage& Msg) const;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void WndProc(TMessage& Message) override;
};

}  // namespace qv
