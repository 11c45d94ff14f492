#pragma once
// TQvSkinCustomAnimation: plays the images of an image list one after another on a light
// timer, centred over the control's background: forward or backward, once or in a loop,
// or swinging back and forth (Reverse with Loop). TQvSkinAnimation is the published
// component.
#include <memory>

#include "controls/QvSkinAnimationStep.h"
#include "controls/QvSkinCustomControl.h"
#include "graphics/QvSimpleTimer.h"
#include "host/ImageList.h"

namespace qv {

class TQvSkinCustomAnimation : public TQvSkinCustomControl {
  QV_CLASS(TQvSkinCustomAnimation)
 public:
  // 105 × 105, stopped.
  explicit TQvSkinCustomAnimation(TComponent* AOwner);
  ~TQvSkinCustomAnimation() override;

  // The frames. With AutoSize the control takes the list's image size. A freed list is
  // dropped.
  static constexpr int DefaultDelay = 68;
  static constexpr bool DefaultLoop = true, DefaultAutoSize = true;
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  // Frame interval in milliseconds, taken over at Start.
  int Delay() const { return FDelay; }
  void SetDelay(int Value) { FDelay = Value; }
  // Start again at the end (with Reverse: swing back and forth).
  bool Loop() const { return FLoop; }
  void SetLoop(bool Value) { FLoop = Value; }
  // Play backwards.
  bool Reverse() const { return FReverse; }
  void SetReverse(bool Value) { FReverse = Value; }
  // Take the image list's size when a list is assigned. Hides the framework's AutoSize.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value) override { FAutoSize = Value; }
  // The frame shown (limited to the list when drawn). Plain field access: no repaint.
  int CurrentFrame() const { return FCurFrame; }
  void SetCurrentFrame(int Value) { FCurFrame = Value; }
  // Whether the frame timer runs.
  bool Animating() const { return FTimer->Enabled(); }

  // Runs the timer at Delay from the first frame of the direction.
  virtual void Start();
  // Stops the timer and goes back to frame 0.
  virtual void Stop();
  // Stops the timer and keeps the frame.
  virtual void Pause();

  void Loaded() override;
  const TPropTable& Properties() const override;

  // A frame was advanced (not while swinging).
  TNotifyEvent OnProcess;
  // A run without Loop ended.
  TNotifyEvent OnFinish;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The list changed: repaint at once.
  void ImagesChange(TObject* Sender);
  void TimerTick(TObject* Sender);

 private:
  std::unique_ptr<QvSimpleTimer::TSimpleTimer> FTimer;
  TChangeLink FImagesChangeLink;
  TCustomImageList* FImages = nullptr;
  int FDelay = DefaultDelay;
  bool FLoop = DefaultLoop;
  bool FReverse = false;
  bool FAutoSize = DefaultAutoSize;
  int FCurFrame = 0;
  bool FForth = true;  // swing direction
  String FPendingImages;
};

class TQvSkinAnimation : public TQvSkinCustomAnimation {
  QV_CLASS(TQvSkinAnimation)
 public:
  using TQvSkinCustomAnimation::TQvSkinCustomAnimation;
};

}  // namespace qv
