#pragma once
// TQvSkinBorderPanel: a panel framed by a 2-pixel skin picture that lights up (the hot
// picture) while the mouse is over it, while it has the focus, or while a descendant's
// inner control has the focus (InControl). Containers such as memos and lists use it.
#include "controls/QvSkinPanel.h"

namespace qv {

class TQvSkinBorderPanel : public TQvSkinPanel {
  QV_CLASS(TQvSkinBorderPanel)
 public:
  explicit TQvSkinBorderPanel(TComponent* AOwner);

  static constexpr const wchar_t* DefaultBorderEffectNormal = L"QvSkinBorderNormal";
  static constexpr const wchar_t* DefaultBorderEffectHot = L"QvSkinBorderHot";
  static constexpr bool DefaultActiveHotFrame = true;
  const TQvResID& BorderEffectNormal() const { return FBorderEffectNormal; }
  void SetBorderEffectNormal(const TQvResID& Value) { Change(FBorderEffectNormal, Value); }
  const TQvResID& BorderEffectHot() const { return FBorderEffectHot; }
  void SetBorderEffectHot(const TQvResID& Value) { Change(FBorderEffectHot, Value); }
  // Allows the hot frame at all.
  bool ActiveHotFrame() const { return FActiveHotFrame; }
  void SetActiveHotFrame(bool Value) { Change(FActiveHotFrame, Value); }
  // Set by descendants while their inner control has the focus.
  bool InControl() const { return FInControl; }
  void SetInControl(bool Value) { Change(FInControl, Value); }
  // The mouse is over the panel.
  bool OverControl() const { return FOverControl; }
  void SetOverControl(bool Value) { Change(FOverControl, Value); }
  // Whether the panel's own mouse enter/leave drives OverControl. Stored only.
  bool CMMouse() const { return FCMMouse; }
  void SetCMMouse(bool Value) { FCMMouse = Value; }
  // Inset of the client area on every side. Stored only.
  int NCSize() const { return FNCSize; }
  void SetNCSize(int Value) { FNCSize = Value; }
  // The frame shows the hot picture.
  bool HotFrame();

  // Stores InFocus into OverControl (ViaMouse) or InControl, and repaints.
  virtual void UpdateFrame(bool ViaMouse, bool InFocus);

  void AdjustClientRect(TRect& Rect) override;
  void WndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

 protected:
  void DrawBody(TBitmap32* Bitmap) override;

 private:
  TQvResID FBorderEffectNormal = DefaultBorderEffectNormal;
  TQvResID FBorderEffectHot = DefaultBorderEffectHot;
  bool FActiveHotFrame = DefaultActiveHotFrame;
  bool FInControl = false;
  bool FOverControl = false;
  bool FCMMouse = true;
  int FNCSize = 2;
};

}  // namespace qv
