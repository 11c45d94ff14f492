#pragma once
// TQvSkinAlphaForm: turns its owner form into a per-pixel-alpha window whose whole look is
// one skin picture stretched over it as nine blocks. It hit-tests its own resize edges and
// lets the user drag the form by any other point. Title-bar controls made on the form are
// painted into its picture and get the mouse there.
#include <vector>

#include "forms/QvSkinNCCtrlBase.h"
#include "forms/QvStdCtrl.h"
#include "raster/Bitmap32.h"

namespace qv {

class TQvSkinAlphaForm : public TQvHookWindowProc, public IQvNCCtrlHost {
  QV_CLASS(TQvSkinAlphaForm)
 public:
  static constexpr const wchar_t* DefaultBackground = L"QvSkinPreview_bkg";
  static constexpr bool DefaultEnabledMove = true;
  static constexpr int DefaultHitTestWidth = 10;
  // Window timer on the form: the frame is drawn once a burst of registrations is over.
  static constexpr uintptr_t kRedrawTimer = 10;

  // At run time the form loses its frame and scaling and becomes layered. Its system menu
  // stays (Alt+Space keeps working).
  explicit TQvSkinAlphaForm(TComponent* AOwner);
  ~TQvSkinAlphaForm() override;

  // ---- published ----
  const String& Background() const { return FBackground; }
  void SetBackground(const String& Value);
  bool EnabledMove() const { return FEnabledMove; }
  void SetEnabledMove(bool Value) { FEnabledMove = Value; }
  int HitTestWidth() const { return FHitTestWidth; }
  void SetHitTestWidth(int Value) { FHitTestWidth = Value; }

  // When set (not owned), receives a copy of every frame drawn.
  TBitmap32* SaveBitmap = nullptr;

  void Invalidate() { DrawSelf(); }
  // Composes a W x H frame: the picture stretched as nine blocks. False without the picture.
  bool RenderFrame(TBitmap32& Frame, int W, int H) const;
  // Draws the frame with its title-bar controls and pushes it to the screen: nothing at
  // design time or without the picture.
  void DrawSelf();
  // Offers a press or release to the title-bar controls; true when one took it. The frame
  // is drawn again in any case.
  bool DoNCLButton(bool Down);

  // The title-bar controls it hosts, in registration order. The form has no frame.
  const std::vector<TQvSkinNCCtrlBase*>& NCCtrlList() const override { return FNCCtrlList; }
  int RealFrameWidth() const override { return 0; }

  void NewWndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void ApplyWindowStyle();
  // Tells the controls where the mouse is (screen coordinates).
  void TrackMouse(const TPoint& CursorPos);
  std::vector<TQvSkinNCCtrlBase*> FNCCtrlList;
  String FBackground = DefaultBackground;
  bool FEnabledMove = DefaultEnabledMove;
  int FHitTestWidth = DefaultHitTestWidth;
};

}  // namespace qv
