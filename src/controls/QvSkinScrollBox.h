#pragma once
// TQvSkinScrollBox: a see-through panel that scrolls its child controls with two external
// skinned bars. The bars' ranges follow the children's extent; when the box grows while
// scrolled, the children come back down so that no empty band opens below them.
#include "controls/QvSkinPanel.h"
#include "controls/QvSkinScrollBar.h"

namespace qv {

class TQvSkinScrollBox : public TQvSkinPanel {
  QV_CLASS(TQvSkinScrollBox)
 public:
  explicit TQvSkinScrollBox(TComponent* AOwner);
  ~TQvSkinScrollBox() override;

  // A click focuses the box.
  bool CanFocused() const { return FCanFocused; }
  void SetCanFocused(bool Value) { FCanFocused = Value; }
  TQvSkinScrollBar* VScrollBar() const { return FVScrollBar; }
  void SetVScrollBar(TQvSkinScrollBar* Value) { SetBar(FVScrollBar, Value, true); }
  TQvSkinScrollBar* HScrollBar() const { return FHScrollBar; }
  void SetHScrollBar(TQvSkinScrollBar* Value) { SetBar(FHScrollBar, Value, false); }

  // Computes the range of each direction from the children.
  void GetVRange();
  void GetHRange();
  // Scrolls to Pos (vertically no further than the last page).
  void VScroll(int Pos);
  void HScroll(int Pos);
  // Brings a child partly outside the box into view.
  void ScrollToControl(TControl* C);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void WndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void SetBar(TQvSkinScrollBar*& Field, TQvSkinScrollBar* Value, bool Vertical);
  void GetRange(bool Vertical);
  void ScrollChildren(bool Vertical, int D);  // content moves up (left) by D
  void BarChanged(TObject* Sender);
  void ShowBar(TQvSkinScrollBar* Bar, bool Show);

  bool FCanFocused = false;
  bool FInCheckScrollBars = false;
  TQvSkinScrollBar* FVScrollBar = nullptr;
  TQvSkinScrollBar* FHScrollBar = nullptr;
  int FOldVScrollBarPos = 0, FOldHScrollBarPos = 0;
  int FVSizeOffset = 0, FHSizeOffset = 0;
};

}  // namespace qv
