#pragma once
// TQvSkinCustomTabset: a toolbar whose items are drawn as tabs, with an optional close
// button on each tab and tabs reordered by dragging: while a tab is dragged it is hidden
// and a caption-less placeholder tab follows the mouse; dropping moves the tab to the
// placeholder's place. TQvSkinTabset publishes it.
#include "controls/QvSkinToolbar.h"
#include "host/DragObject.h"

namespace qv {

using TPaintCloseButtonEvent =
    std::function<void(TObject* Sender, TQvSkinToolbarItem* ItemData, bool& Allow)>;

class TQvSkinCustomTabset;

// One tab drag: the tab's picture follows the mouse. Frees itself when the drag ends.
class TQvTabsetItemDragObject : public TPictureDragObjectEx {
 public:
  TQvTabsetItemDragObject(TQvSkinCustomTabset* ATabset, TBitmap* Picture)
      : TPictureDragObjectEx(Picture, clFuchsia), FTabset(ATabset) {}
  String ClassName() const override { return L"TQvTabsetItemDragObject"; }
  TQvSkinCustomTabset* Tabset() const { return FTabset; }

 private:
  TQvSkinCustomTabset* FTabset;
};

class TQvSkinCustomTabset : public TQvSkinCustomToolbar, public IQvDragClient {
  QV_CLASS(TQvSkinCustomTabset)
 public:
  explicit TQvSkinCustomTabset(TComponent* AOwner);

  static constexpr int DefaultCloseButtonOffsetX = 4, DefaultCloseButtonOffsetY = 3;
  static constexpr int DragThreshold = 10;  // pixels the mouse moves before a drag starts

  TPngPictures* CloseButton() const { return FCloseButton.get(); }
  void SetCloseButton(TPngPictures* Value) { FCloseButton->Assign(Value); }
  bool CloseButtonVisible() const { return FCloseButtonVisible; }
  void SetCloseButtonVisible(bool Value);
  // From the tab's top-right corner; a change repaints.
  TQvOffset* CloseButtonOffset() const { return FCloseButtonOffset.get(); }
  void SetCloseButtonOffset(TQvOffset* Value) { FCloseButtonOffset->Assign(Value); }
  bool AllowDragTab() const { return FAllowDragTab; }
  void SetAllowDragTab(bool Value) { FAllowDragTab = Value; }
  // The tab being dragged and its placeholder; nil while no drag runs.
  TQvSkinToolbarItem* DragSource() const { return FSourceDragToolbarItem; }
  TQvSkinToolbarItem* DragPlaceholder() const { return FDestDragToolbarItem; }
  // The close button's rectangle on the tab (empty without a usable picture).
  TRect CloseButtonRect(const TQvSkinToolbarItem* Item) const;

  TQvAccessibleInfo AccessibleInfo() const override;
  TQvAccessibleChild AccessibleChild(int Index) const override;
  const TPropTable& Properties() const override;

  TToolbarClickEvent OnCloseButtonClick;
  TPaintCloseButtonEvent OnPaintCloseButton;

 protected:
  virtual void DoOnCloseButtonClick(int Index);
  void DoDrawItem(TBitmap32* Bmp32, TQvSkinToolbarItem* Item) override;
  int GetExWidth() override;
  void DoButtonWidthChanged(TQvSkinToolbarItem* Item, int& Width) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;
  void DoStartDrag(TDragObject*& DragObject) override;
  void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) override;

 private:
  bool CloseAllowed(TQvSkinToolbarItem* Item);
  void StartDrag(TPoint P);
  void DragOver(TPoint P);
  void FinishDrag();

  std::unique_ptr<TPngPictures> FCloseButton;
  bool FCloseButtonVisible = false;
  std::unique_ptr<TQvOffset> FCloseButtonOffset;
  bool FAllowDragTab = false;
  int FCBHotIndex = -1;
  int FDragItemIndex = -1;
  bool FMousePressed = false;
  bool FMouseHooked = false;
  TPoint FOldMouseDownPt;
  TQvSkinToolbarItem* FSourceDragToolbarItem = nullptr;
  TQvSkinToolbarItem* FDestDragToolbarItem = nullptr;
  TBitmap32 FDragPicture;  // the dragged tab as painted before it was hidden
};

class TQvSkinTabset : public TQvSkinCustomTabset {
  QV_CLASS(TQvSkinTabset)
 public:
  using TQvSkinCustomTabset::TQvSkinCustomTabset;
};

}  // namespace qv
