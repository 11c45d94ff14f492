#pragma once
// Dragging inside the application: a drag object describes what is dragged (and may carry
// a drag image list whose picture follows the mouse); a control that takes part implements
// IQvDragClient beside its control class. BeginDrag arms a drag on a windowed control: once
// the mouse moved past the threshold the source's DoStartDrag makes the drag object, the
// control under the mouse is asked through DragOver whether it accepts, a release drops on
// it (DragDrop) and Escape or a lost capture cancels; the source's DoEndDrag comes last.
// While a drag runs, the source's WindowProc is chained to take its mouse and keys.
#include <memory>

#include "host/Control.h"

namespace qv {

class TBitmap;
class TCustomImageList;
class TWinControl;

enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

class TDragObject : public TObject {
 public:
  String ClassName() const override { return L"TDragObject"; }
  // The pictures following the mouse (image 0, hot spot (0, 0)); nil for none.
  virtual TCustomImageList* GetDragImages() { return nullptr; }
  virtual TCursor GetDragCursor(bool Accepted, int X, int Y) {
    return Accepted ? crDrag : crNoDrop;
  }
  // The drag ended: dropped on Target (accepted) or not.
  virtual void Finished(TObject* Target, int X, int Y, bool Accepted) {}
  // Freed by the framework after Finished.
  virtual bool AutoRelease() const { return false; }
  TPoint DragPos() const { return FDragPos; }
  TObject* DragTarget() const { return FDragTarget; }
  bool Cancelling() const { return FCancelling; }
  bool Dropped() const { return FDropped; }

 private:
  friend class TDragManager;
  TPoint FDragPos;
  TObject* FDragTarget = nullptr;
  bool FCancelling = false, FDropped = false;
};

// A drag object that frees itself when the drag ends.
class TDragObjectEx : public TDragObject {
 public:
  String ClassName() const override { return L"TDragObjectEx"; }
  bool AutoRelease() const override { return true; }
};

// A drag object that frees itself and shows one picture under the mouse.
class TPictureDragObjectEx : public TDragObjectEx {
 public:
  // Picture's pixels of MaskColor are see-through; nil or empty: no picture.
  TPictureDragObjectEx(TBitmap* Picture, TColor MaskColor);
  ~TPictureDragObjectEx() override;
  String ClassName() const override { return L"TPictureDragObjectEx"; }
  TCustomImageList* GetDragImages() override { return FDragImages.get(); }
  void Finished(TObject* Target, int X, int Y, bool Accepted) override;
  // Raised after Finished.
  TNotifyEvent OnFinished;

 private:
  std::unique_ptr<TCustomImageList> FDragImages;
};

// What dragging a control gives when its DoStartDrag makes no object of its own.
class TDragControlObjectEx : public TDragObjectEx {
 public:
  explicit TDragControlObjectEx(TControl* AControl) : FControl(AControl) {}
  String ClassName() const override { return L"TDragControlObjectEx"; }
  TControl* Control() const { return FControl; }

 private:
  TControl* FControl;
};

// A control taking part in drags. Source is the drag object.
class IQvDragClient {
 public:
  virtual void DoStartDrag(TDragObject*& DragObject) {}
  // Asked with Accept false; a target says yes by setting it.
  virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {}
  virtual void DragDrop(TObject* Source, int X, int Y) {}
  // The drag this control started ended on Target (nil when cancelled or refused).
  virtual void DoEndDrag(TObject* Target, int X, int Y) {}

 protected:
  ~IQvDragClient() = default;
};

// Arms a drag from Control, which must implement IQvDragClient and have its window. Not
// Immediate: the drag starts when the mouse moved Threshold pixels (negative: the
// system's drag distance) while the left button is held.
void BeginDrag(TWinControl* Control, bool Immediate, int Threshold = -1);
// Whether a drag is armed or running (from Control when given).
bool Dragging(const TControl* Control = nullptr);
// Ends the drag now: dropped where the mouse is (Drop) or cancelled.
void EndDrag(bool Drop);
// The drag object of the running drag; nil before the threshold.
TDragObject* CurrentDragObject();

}  // namespace qv
