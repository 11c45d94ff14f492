#pragma once
// TQvSkinSplitter: a thin aligned bar that resizes its aligned neighbour when dragged. While
// the left button is held an inverted line follows the mouse over the parent; the release
// applies the size. Escape in the form's focused control cancels the drag.
#include "controls/QvSkinCustomControl.h"
#include "host/PlatformTypes.h"
#include "host/WinControl.h"

namespace qv {

enum TQvResizeType { rtDot, rtNone };
inline constexpr const wchar_t* TQvResizeTypeNames[] = {L"rtDot", L"rtNone"};

// Sender, the proposed size (may be changed), Accept (false refuses the size).
using TSplitterCanResizeEvent = std::function<void(TObject* Sender, int& NewSize, bool& Accept)>;

class TQvSkinSplitter : public TQvSkinCustomControl {
  QV_CLASS(TQvSkinSplitter)
 public:
  // Left-aligned, 3 × 100, with the horizontal split cursor.
  explicit TQvSkinSplitter(TComponent* AOwner);
  ~TQvSkinSplitter() override;

  // Aligns the splitter; a split cursor follows the orientation.
  void SetAlign(TAlign Value);
  // Smallest size the resized control may get.
  static constexpr int DefaultMinSize = 30;
  static constexpr bool DefaultAutoSnap = true;
  static constexpr TColor DefaultDotColor = TColor(0xE18C29);
  int MinSize() const { return FMinSize; }
  void SetMinSize(int Value) { FMinSize = Value < 0 ? 0 : Value; }
  // A size at or below MinSize snaps to 0.
  bool AutoSnap() const { return FAutoSnap; }
  void SetAutoSnap(bool Value) { FAutoSnap = Value; }
  TQvResizeType ResizeType() const { return FResizeType; }
  void SetResizeType(TQvResizeType Value);
  TColor DotColor() const { return FDotColor; }
  void SetDotColor(TColor Value) { FDotColor = Value; }
  // The control being resized during a drag, nil otherwise.
  TControl* ResizeControl() const { return FControl; }

  const TPropTable& Properties() const override;

  // May change or refuse a size during the drag (hides the framework's two-size event).
  TSplitterCanResizeEvent OnCanResize;
  // After sizing.
  TNotifyEvent OnMoved;

 protected:
  using TQvSkinCustomControl::CanResize;
  virtual bool CanResize(int& NewSize);
  virtual bool DoCanResize(int& NewSize);
  // Ends a drag (erasing the line, giving the key handler back); always fires OnMoved.
  virtual void StopSizing();
  void RequestAlign();

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void DrawBody(TBitmap32* Bitmap) override;

 private:
  TControl* FindControl() const;
  void CalcSplitSize(int X, int Y, int& Split, int& NewSize) const;
  void DrawLine();
  void UpdateControlSize();
  void AllocateLineDC();
  void ReleaseLineDC();
  void FocusKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
  // Gives the focused control its own key handler back.
  void ReleaseKeyHook();

  int FMinSize = DefaultMinSize;
  bool FAutoSnap = DefaultAutoSnap;
  TQvResizeType FResizeType = rtDot;
  TColor FDotColor = DefaultDotColor;

  TControl* FControl = nullptr;
  TPoint FDownPos;
  int FMaxSize = 0;
  int FNewSize = 0;
  int FOldSize = -1;
  int FSplit = 0;
  HDC FLineDC = nullptr;
  bool FLineVisible = false;
  HGDIOBJ FBrush = nullptr;
  HGDIOBJ FPrevBrush = nullptr;
  TWinControl* FActiveControl = nullptr;
  TKeyEvent FOldKeyDown;
};

}  // namespace qv
