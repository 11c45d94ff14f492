#pragma once
// TQvSkinCustomIconButtonList: a skinned panel showing a collection of icon buttons in a
// flowing grid, each an image of an image list with its caption under it. Cells check
// (one or many), track the mouse with a picture behind the hot icon, and in edit mode show
// a delete picture in their corner, move by dragging and shake gently. A vertical skinned
// scroll bar appears when the cells do not fit. TQvSkinIconButtonList publishes it.
#include <functional>
#include <memory>
#include <vector>

#include "controls/QvSkinIconButtonListGeometry.h"
#include "controls/QvSkinPanel.h"
#include "host/Classes.h"
#include "host/ImageList.h"

namespace qv {

class TQvSkinCustomIconButtonList;
class TQvSkinScrollBar;

// Answers WM_SETCURSOR over the client area with the cursor an event chooses, unless the
// screen forces one; false leaves the message to the default handling.
bool AnswerEventCursor(TWinControl* Control, TMessage& Message,
                       const std::function<void(TCursor&)>& GetCursor);

// The vertical skinned bar of a view of items (the icon button list, the tags box): shown
// while the items are taller than the client area, it moves the items' start (Offset).
// The view repaints once, 5 ms after the last move (window timer kScrollTimer).
class TQvItemsScrollBar {
 public:
  static constexpr uintptr_t kScrollTimer = 7002;
  explicit TQvItemsScrollBar(TWinControl* AView) : FView(AView) {}
  ~TQvItemsScrollBar() { Hide(0); }
  TQvItemsScrollBar(const TQvItemsScrollBar&) = delete;
  TQvItemsScrollBar& operator=(const TQvItemsScrollBar&) = delete;

  TQvSkinScrollBar* Bar() const { return FBar; }
  // Start of the items: (Margin, Margin) scrolled up by the bar's position.
  TPoint Offset() const { return FOffset; }
  void SetOffset(TPoint Value) { FOffset = Value; }
  // With Show and items Total high that pass the client height, shows the bar (width 10,
  // aligned right) and sets its range; otherwise hides and frees it. True when shown.
  bool Update(bool Show, int64_t Total, int Margin, int ScrollSize);
  // Hides and frees the bar; the items start at (Margin, Margin) again.
  void Hide(int Margin);
  // The wheel moves the bar by ScrollSize (down for a negative delta); false without a bar.
  bool Wheel(int WheelDelta, int ScrollSize);
  // The view's timer message: true when it was the scroll repaint.
  bool Timer(uintptr_t Id);
  // A freed component that was the bar.
  void Forget(TComponent* AComponent);

 private:
  TWinControl* FView;
  TQvSkinScrollBar* FBar = nullptr;
  int FMargin = 0;
  TPoint FOffset;
};
class TQvIconButtonItem;
// The item handed to OnDrawItem.
using TQvIconButtonItemData = TQvIconButtonItem;

using TItemIndexEvent = std::function<void(TObject* Sender, int ItemIndex)>;
using TQvIconButtonItemDrawEnvent =
    std::function<void(TObject* Sender, TBitmap32* Bmp32, TQvIconButtonItemData* ItemData)>;
using TItemDeleteEvent = std::function<void(TObject* Sender, int ItemIndex, bool& CanDelete)>;
using TQvGetCursorEvent = std::function<void(TObject* Sender, TCursor& Cursor)>;
using TItemHotIndexEvent = std::function<void(TObject* Sender, int OldIndex, int NewIndex)>;
using TQvFreeItemEvent = std::function<void(TObject* Sender, TQvIconButtonItem* Item)>;
using TStateChangeIndexEvent =
    std::function<void(TObject* Sender, int OldIndex, int NewIndex, bool& Allow)>;

class TQvIconButtonItem : public TCollectionItem {
 public:
  explicit TQvIconButtonItem(TCollection* ACollection);
  ~TQvIconButtonItem() override;
  String ClassName() const override { return L"TQvIconButtonItem"; }

  static constexpr const wchar_t* DefaultCaption = L"Caption";
  static constexpr const wchar_t* DefaultCaptionHint = L"CaptionHint";

  // These repaint the list on a change.
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  int ImageNormalIndex() const { return FImageNormalIndex; }
  void SetImageNormalIndex(int Value);
  int ImageDisibleIndex() const { return FImageDisibleIndex; }
  void SetImageDisibleIndex(int Value);
  int ImagePressedIndex() const { return FImagePressedIndex; }
  void SetImagePressedIndex(int Value);
  int ImageHotIndex() const { return FImageHotIndex; }
  void SetImageHotIndex(int Value);
  // These only store.
  const String& CaptionHint() const { return FCaptionHint; }
  void SetCaptionHint(const String& Value) { FCaptionHint = Value; }
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  // No delete picture; the cell cannot be deleted.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  // The list draws no image, caption or delete picture: OnDrawItem draws the cell.
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool Value) { FOwnerDraw = Value; }

  // The cell and its delete picture, as the last paint placed them.
  const TRect& Rect() const { return FRect; }
  const TRect& DeleteBtnRect() const { return FDeleteBtnRect; }
  // The cell's shake in edit mode (the start angle is random in -3 .. 2).
  const TQvShake& Shake() const { return FShake; }
  void SetShake(const TQvShake& Value) { FShake = Value; }
  TQvSkinCustomIconButtonList* List() const;

  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;
  // OnClick, then the list's DoClickItem.
  void Click();
  // Repaints the cell.
  void Invalidate();

  TNotifyEvent OnClick;
  void* Data = nullptr;  // for the owner

 private:
  friend class TQvSkinCustomIconButtonList;
  template <typename T>
  void Change(T& Field, const T& Value);

  String FCaption = DefaultCaption;
  String FCaptionHint = DefaultCaptionHint;
  bool FEnabled = true, FVisible = true, FChecked = false;
  bool FReadOnly = false, FOwnerDraw = false;
  int FTag = 0;
  int FImageNormalIndex = -1, FImageDisibleIndex = -1, FImagePressedIndex = -1, FImageHotIndex = -1;
  TQvShake FShake;
  TRect FRect, FDeleteBtnRect;
};

class TQvIconButtonItems : public TCollection {
 public:
  explicit TQvIconButtonItems(TQvSkinCustomIconButtonList* AList);
  String ClassName() const override { return L"TQvIconButtonItems"; }
  TQvSkinCustomIconButtonList* List() const { return FList; }
  TQvIconButtonItem* Add() { return static_cast<TQvIconButtonItem*>(TCollection::Add()); }
  TQvIconButtonItem* Insert(int Index) { return AddItem(nullptr, Index); }
  // The given item (nil: a new one) moved to Index (< 0: the last place).
  TQvIconButtonItem* AddItem(TQvIconButtonItem* Item, int Index);
  TQvIconButtonItem* Items(int Index) const {
    return static_cast<TQvIconButtonItem*>(TCollection::Items(Index));
  }

 protected:
  void Update(TCollectionItem* Item) override;
  // The hot and focused indices follow their items.
  void ItemMoved(int From, int To) override;

 private:
  TQvSkinCustomIconButtonList* FList;
};

class TQvSkinCustomIconButtonList : public TQvSkinCustomPanel, public IQvAccessibleChildren {
  QV_CLASS(TQvSkinCustomIconButtonList)
 public:
  // Window timer of the shake in edit mode.
  static constexpr uintptr_t kShakeTimer = 7003;

  explicit TQvSkinCustomIconButtonList(TComponent* AOwner);
  ~TQvSkinCustomIconButtonList() override;

  static constexpr int DefaultItemSpaceSize = 10, DefaultItemHeight = 80, DefaultItemWidth = 60,
                       DefaultMarginBorderSize = 10, DefaultScrollSize = 30,
                       DefaultPressedOffset = 1;
  static constexpr bool DefaultCaptionVisible = true, DefaultAutoDrag = true,
                        DefaultMultiChecked = true, DefaultCaptionWordWarp = true;
  static constexpr TQvItemHAlign DefaultAlignWithItems = ihaLeft;
  static constexpr TQvItemVAlign DefaultAlignVerticalWithItems = ihavTop;
  static constexpr const wchar_t* DeleteNormalPicture = L"QvSkinCancel_18_Normal";
  static constexpr const wchar_t* DeleteHotPicture = L"QvSkinCancel_18_Hot";

  TQvIconButtonItems* Items() const { return FItems.get(); }
  void SetItems(TQvIconButtonItems* Value) { FItems->Assign(Value); }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  int ItemSpaceSize() const { return FItemSpaceSize; }
  void SetItemSpaceSize(int Value) { Change(FItemSpaceSize, Value); }
  // Cell size before DPI scaling; only positive values are taken.
  int ItemWidth() const { return FItemWidth; }
  void SetItemWidth(int Value);
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value);
  int MarginBorderSize() const { return FMarginBorderSize; }
  void SetMarginBorderSize(int Value);
  bool CaptionVisible() const { return FCaptionVisible; }
  void SetCaptionVisible(bool Value) { Change(FCaptionVisible, Value); }
  // Captions wrap and sit at the cell's bottom.
  bool CaptionWordWarp() const { return FCaptionWordWarp; }
  void SetCaptionWordWarp(bool Value) { Change(FCaptionWordWarp, Value); }
  TQvItemHAlign AlignWithItems() const { return FAlignWithItems; }
  void SetAlignWithItems(TQvItemHAlign Value) { Change(FAlignWithItems, Value); }
  TQvItemVAlign AlignVerticalWithItems() const { return FAlignVerticalWithItems; }
  void SetAlignVerticalWithItems(TQvItemVAlign Value) { FAlignVerticalWithItems = Value; }
  // Drawn behind the icon of the hot cell.
  const TQvResID& ItemHotImage() const { return FItemHotImage; }
  void SetItemHotImage(const TQvResID& Value) { Change(FItemHotImage, Value); }
  bool ShakeInEdit() const { return FShakeInEdit; }
  void SetShakeInEdit(bool Value) { Change(FShakeInEdit, Value); }
  // Cells move by dragging in edit mode.
  bool AutoDrag() const { return FAutoDrag; }
  void SetAutoDrag(bool Value) { FAutoDrag = Value; }
  bool HideScrollbar() const { return FHideScrollbar; }
  void SetHideScrollbar(bool Value) { FHideScrollbar = Value; }
  // Many cells checked at once; otherwise a click unchecks the previously focused cell.
  bool MultiChecked() const { return FMultiChecked; }
  void SetMultiChecked(bool Value) { FMultiChecked = Value; }
  // Icon shift while pressed.
  int PressedOffset() const { return FPressedOffset; }
  void SetPressedOffset(int Value) { FPressedOffset = Value; }
  // Wheel step and the bar's small change (its large change is twice it).
  int ScrollSize() const { return FScrollSize; }
  void SetScrollSize(int Value) { FScrollSize = Value; }
  // Cells repaint one at a time over a snapshot of the list's background (the item's
  // Invalidate) instead of the whole list repainting; hot tracking alone repaints nothing.
  bool FastDrawMode() const { return FFastDrawMode; }
  void SetFastDrawMode(bool Value) { FFastDrawMode = Value; }
  // Items queued by their Invalidate for the next, partial, paint.
  const std::vector<TQvIconButtonItem*>& RedrawItems() const { return FRedrawItems; }

  int HotItemIndex() const { return FHotItemIndex; }
  int FocusItemIndex() const { return FFocusItemIndex; }
  // Asks DoFocusChanging first; repaints when allowed.
  void SetFocusItemIndex(int Value);
  // -1 without events.
  void ResetFocusItemIndex() { FFocusItemIndex = -1; }
  bool MousePressed() const { return FMousePressed; }
  bool Editing() const { return FEditing; }
  bool Dragging() const { return FSourceDragButtonItem != nullptr; }
  // The cell being dragged and the empty cell that marks where it will land.
  TQvIconButtonItem* SourceDragItem() const { return FSourceDragButtonItem; }
  TQvIconButtonItem* PlaceholderItem() const { return FDestDragButtonItem; }
  TQvSkinScrollBar* ScrollBar() const { return FScrollBar.Bar(); }
  TPoint DispOffset() const { return FScrollBar.Offset(); }

  void EnterEdit();
  void ExitEdit();
  // One shake step of every cell but the hot one (a tick of the edit-mode timer).
  void ShakeStep();
  // Among the cells drawn by the last paint, the first whose Rect holds P.
  TQvIconButtonItem* GetItemAt(TPoint P) const;
  // Hot tracking at a point of the client area.
  void GetHitTest(int X, int Y);
  // The cells' rectangles as the next paint places them.
  std::vector<TRect> ItemRects() const;
  int64_t CalcItemsHeight() const;
  void UpdateScrollBar();
  TQvIconButtonItem* CreateIconButtonItem() { return FItems->Add(); }

  void WndProc(TMessage& Message) override;
  void Loaded() override;
  TQvAccessibleInfo AccessibleInfo() const override;
  // Toggles the focused cell (deletes it in edit mode) and clicks it.
  bool DoAccessibleDefaultAction() override;
  // The cells: list items with their checked state.
  int AccessibleChildCount() const override { return FItems->Count(); }
  TQvAccessibleChild AccessibleChild(int Index) const override;
  // Focuses the cell, then its default action.
  bool DoAccessibleChildAction(int Index) override;
  const TPropTable& Properties() const override;

  TItemIndexEvent OnClickItem;
  TQvIconButtonItemDrawEnvent OnDrawItem;
  TItemDeleteEvent OnDeleteClick;
  TQvGetCursorEvent OnGetCursor;
  TItemHotIndexEvent OnHotChanged;
  TQvFreeItemEvent OnFreeItem;
  TStateChangeIndexEvent OnFocusChanging;

 protected:
  friend class TQvIconButtonItem;
  friend class TQvIconButtonItems;
  virtual void DoDrawItem(TBitmap32* Bmp32, TQvIconButtonItem* Item);
  virtual void DoHotChanged(int OldIndex, int NewIndex);
  virtual void DoClickItem(TQvIconButtonItem* Item, int Index);
  virtual void DoFreeItem(TQvIconButtonItem* Item);
  virtual void DoFocusChanging(int OldIndex, int NewIndex, bool& Allow);
  virtual void DoGetCursor(TCursor& Cursor);
  // The item class the collection creates.
  virtual TQvIconButtonItem* NewItem(TCollection* Collection);

  void DrawBody(TBitmap32* Bitmap) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CreateHandle() override;
  void Resize() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;

  // The grid as laid out now (scaled cell size, margins, offset, alignment).
  TQvIconGrid Grid() const;
  bool ValidIndex(int Index) const { return Index >= 0 && Index < FItems->Count(); }

 private:
  // An item is going: the list forgets it and tells OnFreeItem.
  void ItemFreed(TQvIconButtonItem* Item);
  void DrawCell(TBitmap32* Bitmap, TBitmap32& Cell, TQvIconButtonItem* Item, bool Hot, bool Tell);
  // Queues the item for a partial paint and asks the window for its cell.
  void QueueRedraw(TQvIconButtonItem* Item);
  // Repaints the cell alone with FastDrawMode, else the whole list.
  void RepaintCell(TQvIconButtonItem* Item);
  void SetHotItemIndex(int Value);
  void StartDrag();
  void DragOver(int X, int Y);
  void EndDrag();
  // The delete click or the click of the cell under the released button.
  void ReleaseOn(TQvIconButtonItem* Item);

  std::unique_ptr<TQvIconButtonItems> FItems;
  TCustomImageList* FImages = nullptr;
  String FPendingImages;  // streamed name, looked up in Loaded
  TChangeLink FImageChangeLink;
  int FItemSpaceSize = DefaultItemSpaceSize;
  int FItemHeight = DefaultItemHeight, FItemWidth = DefaultItemWidth;
  int FHotItemIndex = -1, FFocusItemIndex = -1;
  int FItemBeginIndex = -1, FItemEndIndex = -1;
  bool FMouseInDeleteButton = false;
  TQvItemsScrollBar FScrollBar{this};
  bool FMousePressed = false;
  bool FCaptionVisible = DefaultCaptionVisible;
  bool FEditing = false;
  int FMarginBorderSize = DefaultMarginBorderSize;
  bool FAutoDrag = DefaultAutoDrag;
  bool FShakeInEdit = false;
  bool FMultiChecked = DefaultMultiChecked;
  int FScrollSize = DefaultScrollSize;
  bool FFastDrawMode = false;
  TQvItemHAlign FAlignWithItems = DefaultAlignWithItems;
  bool FHideScrollbar = false;
  bool FCaptionWordWarp = DefaultCaptionWordWarp;
  TQvResID FItemHotImage;
  int FPressedOffset = DefaultPressedOffset;
  TQvItemVAlign FAlignVerticalWithItems = DefaultAlignVerticalWithItems;
  // A cell drag: armed by the press, running once the pointer moved past the threshold.
  TQvIconButtonItem* FDragCandidate = nullptr;
  TPoint FDragStart;
  TQvIconButtonItem* FSourceDragButtonItem = nullptr;
  TQvIconButtonItem* FDestDragButtonItem = nullptr;
  std::vector<TQvIconButtonItem*> FRedrawItems;
  // The list's background under the cells at the last full paint. Not the finished
  // picture: a cell redrawn over itself would blend its pictures twice.
  TBitmap32 FItemsBuffer;
};

class TQvSkinIconButtonList : public TQvSkinCustomIconButtonList {
  QV_CLASS(TQvSkinIconButtonList)
 public:
  using TQvSkinCustomIconButtonList::TQvSkinCustomIconButtonList;
};

}  // namespace qv
