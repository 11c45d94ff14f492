#pragma once
// TQvSkinCustomControl: the see-through skinned control every skinned windowed control
// builds on. Each paint of an invalid buffer captures what lies behind the control (the
// parent's picture) or fills it with Color, lets the control draw its body over that
// (DrawBody), and the paint box copies the buffer 1:1 to the window. The buffer is also
// the surface skinned children take their own background from.
#include <functional>

#include "controls/QvAccessible.h"
#include "graphics/Canvas32.h"
#include "graphics/QvCommParentImage.h"
#include "raster/PaintBox32.h"

namespace qv {

// Sender, the buffer about to receive its background, Handled: set when the handler
// painted the background itself.
using TQvBackgroundEvent =
    std::function<void(TObject* Sender, TBitmap32* Background, bool& Handled)>;
// ACanvas is the control's 32-bit buffer.
using TQvCustomDrawEvent = std::function<void(TObject* Sender, TBitmap32* ACanvas)>;
using TQvDPIChangedEvent = std::function<void(TObject* Sender, int NewPPI)>;

class TQvSkinCustomControl : public TCustomPaintBox32_qv,
                             public IQvBackgroundSource,
                             public IQvAccessibleSource {
  QV_CLASS(TQvSkinCustomControl)
 public:
  // Window timer of the delayed refresh.
  static constexpr uintptr_t kDelayRefreshTimer = 10000;

  explicit TQvSkinCustomControl(TComponent* AOwner);
  ~TQvSkinCustomControl() override;

  static constexpr bool DefaultTransparent = true;
  static constexpr TColor DefaultColor = clWhite;

  // Background from the parent's picture (true) or from Color. Takes effect on the next
  // repaint.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value) { FTransparent = Value; }
  // (Color, the framework's, is white here and not taken from the parent; BackgroundColor
  // says what fills the background when not transparent.)
  // Moving the control repaints it and tells its windowed children to capture again.
  bool AutoInvalidate() const { return FAutoInvalidate; }
  void SetAutoInvalidate(bool Value) { FAutoInvalidate = Value; }
  // WM_ERASEBKGND with lParam 1 draws the buffer into the message's device context.
  bool EraseBackground() const { return FEraseBackground; }
  void SetEraseBackground(bool Value) { FEraseBackground = Value; }
  // While sizing, the body is not drawn (FStopDrawBody) until no WM_SIZE came for 10 ms;
  // then the control and its skinned children repaint in full.
  bool DelayRefresh() const { return FDelayRefresh; }
  void SetDelayRefresh(bool Value) { FDelayRefresh = Value; }
  TBitmap32* BackgroundPicture() { return GetBackgroundPicture(); }

  // The buffer, brought up to date first when it is invalid and the control can paint,
  // so that a child never copies a stale picture of its parent.
  TBitmap32* GetBackgroundPicture() override;
  // Fills the background when not transparent and the buffer on resize: Color here.
  virtual TColor BackgroundColor() const { return Color(); }
  // A copy of the last finished body kept by some controls; nil here.
  virtual TBitmap32* GetDoubleBuffer() { return nullptr; }
  // Rescales kept pixel sizes after a DPI change (called by the application).
  virtual void ScaleControlsForDpi(int NewPPI) {}

  // What assistive technology is told about the control: a plain client here. Controls
  // fill in their role, name, value and state.
  TQvAccessibleInfo AccessibleInfo() const override;
  // Performs the default action (a click, a toggle); false when the control has none.
  bool DoAccessibleDefaultAction() override { return false; }
  // Tells assistive technology that the focus, state, value or name changed.
  void NotifyAccessible(TQvAccEvent Event);
  // True when the window shows keyboard cues (after keyboard use, or always when the user
  // asked for them): a focused control then draws its focus cue (DrawFocusCue). The
  // control repaints when the cues change.
  bool ShowsFocusCues();

  // Repaints the non-client part when the control has one.
  void InvalidateNC();
  // With All false, posts CWM_CHECKPARENTBG to every windowed child so that skinned
  // children capture the background again. All true does nothing.
  void RefreshSubControl(bool All);

  void WndProc(TMessage& Message) override;
  void AdjustClientRect(TRect& Rect) override;
  const TPropTable& Properties() const override;

  TQvBackgroundEvent OnBackgroundChanging;
  TQvCustomDrawEvent OnBackgroundChanged;
  TNotifyEvent OnVisibleChanged;
  // Stored for the application; the control never raises it.
  TQvDPIChangedEvent OnDPIChanged;

 protected:
  // Draws the control over the prepared background.
  virtual void DrawBody(TBitmap32* Bitmap) {}
  virtual void DoOnBackgroundChanging(TBitmap32* Bitmap, bool& Handled);
  virtual void DoOnBackgroundChanged(TBitmap32* Bitmap);
  virtual void DoVisibleChanged();

  void CreateParams(TCreateParams& Params) override;
  void Resize() override;
  void DoPaintBuffer() override;
  void DoBufferResized(int OldWidth, int OldHeight) override;
  // The part of the parent's picture behind the control: its bounds moved by the offsets.
  TRect BackgroundRect() const;

  // Stores Value and repaints when it differs from Field: the setter of most looks.
  template <typename T>
  void Change(T& Field, const T& Value) {
    if (UpdateField(Field, Value)) Invalidate();
  }

  // A delayed refresh is pending: the paint pipeline skips DrawBody.
  bool FStopDrawBody = false;
  int FXOffset = 0;
  int FYOffset = 0;

 private:
  bool FTransparent = DefaultTransparent;
  bool FAutoInvalidate = false;
  bool FEraseBackground = false;
  bool FDelayRefresh = false;
  bool FPaintingBuffer = false;
};

}  // namespace qv
