#pragma once
// TQvSkinCustomToolbar: a skinned panel that lays out and paints a collection of items
// itself (buttons with a skin background, an image, a caption and an optional drop-down
// part, and spacer lines) in one row or one column. Items that do not fit scroll with two
// arrows while one is held. Items act as momentary buttons, sticky toggles (AllowAllUp)
// or radio groups (GroupIndex). TQvSkinToolbar publishes it.
#include <memory>
#include <vector>

#include "controls/QvSkinButton.h"
#include "controls/QvSkinPanel.h"
#include "controls/QvSkinToolbarLayout.h"
#include "host/Actions.h"
#include "host/ImageList.h"

namespace qv {

class TQvSkinCustomToolbar;
class TSimpleTimer;

enum TToolbarItemKind { tkButton, tkSpacer };
inline constexpr const wchar_t* TToolbarItemKindNames[] = {L"tkButton", L"tkSpacer"};
// Which part other than an item is hot.
enum TOtherButtonKind { gbNone, gbBack, gbFront, gbMenu };
// Where the caption sits relative to the image.
enum TToolbarItemLayout { ilBottom, ilTop, ilLeft, ilRight };
inline constexpr const wchar_t* TToolbarItemLayoutNames[] = {L"ilBottom", L"ilTop", L"ilLeft",
                                                             L"ilRight"};

class TQvSkinToolbarItem;
using TToolbarClickEvent = std::function<void(TObject* Sender, int ItemIndex)>;
using TToolbarButtonWidthEvent = std::function<void(TObject* Sender, int& Width)>;
using TQvToolbarItemDrawEnvent =
    std::function<void(TObject* Sender, TBitmap32* Bmp32, TQvSkinToolbarItem* ItemData)>;

// Links an item to an action: caption, enabled, visible and the execute handler follow the
// action while the item's own value still equals the action's.
class TToolbarItemActionLink : public TActionLink {
 public:
  explicit TToolbarItemActionLink(TQvSkinToolbarItem* AClient);
  String ClassName() const override { return L"TToolbarItemActionLink"; }
  bool IsCaptionLinked() const override;
  bool IsEnabledLinked() const override;
  bool IsVisibleLinked() const override;
  bool IsOnExecuteLinked() const override;
  bool IsCheckedLinked() const override { return false; }
  bool IsHintLinked() const override { return false; }
  bool IsImageIndexLinked() const override { return false; }
  bool IsShortCutLinked() const override { return false; }
  bool IsGroupIndexLinked() const override { return false; }
  void SetCaption(const String& Value) override;
  void SetEnabled(bool Value) override;
  void SetVisible(bool Value) override;
  void SetOnExecute(const TNotifyEvent& Value) override;

 protected:
  void ActionFreeing() override;

 private:
  TQvSkinToolbarItem* Item() const;
};

class TQvSkinToolbarItem : public TCollectionItem {
 public:
  explicit TQvSkinToolbarItem(TCollection* ACollection);
  ~TQvSkinToolbarItem() override;
  String ClassName() const override { return L"TQvSkinToolbarItem"; }

  static constexpr TColor DefaultLineColor = TColor(0x848484);

  TToolbarItemKind Kind() const { return FKind; }
  void SetKind(TToolbarItemKind Value) { Change(FKind, Value); }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { Change(FImageIndex, Value); }
  int ImageHotIndex() const { return FImageHotIndex; }
  void SetImageHotIndex(int Value) { Change(FImageHotIndex, Value); }
  int ImageDownIndex() const { return FImageDownIndex; }
  void SetImageDownIndex(int Value) { Change(FImageDownIndex, Value); }
  int ImageDisableIndex() const { return FImageDisableIndex; }
  void SetImageDisableIndex(int Value) { Change(FImageDisableIndex, Value); }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { Change(FEnabled, Value); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { Change(FVisible, Value); }
  // Gives the item a drop-down part that opens this menu.
  TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
  void SetDropdownMenu(TPopupMenu* Value);
  // The caption with its visibility and glow; setting copies the given object's settings.
  TQvTextObj* Text() const { return FText.get(); }
  void SetText(TQvTextObj* Value) { FText->Assign(Value); }
  // Pressed or toggled on. Setting true runs the toolbar's press logic for this item.
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  // Items of equal non-zero value release each other.
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value) { FGroupIndex = Value; }
  TToolbarItemLayout TextLayout() const { return FTextLayout; }
  void SetTextLayout(TToolbarItemLayout Value) { Change(FTextLayout, Value); }
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  TColor LineColor() const { return FLineColor; }
  void SetLineColor(TColor Value) { Change(FLineColor, Value); }
  // The item toggles on each press.
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  // The action the item shows and runs; nil unlinks (the item keeps its values).
  TBasicAction* Action() const { return FActionLink ? FActionLink->Action() : nullptr; }
  void SetAction(TBasicAction* Value);
  TToolbarItemActionLink* ActionLink() const { return FActionLink.get(); }
  // Takes the action's values: all of them, or with CheckDefaults only where the item
  // still has its own default.
  virtual void ActionChanged(TObject* Sender, bool CheckDefaults);
  // Asks the action to bring its values up to date.
  virtual void InitiateAction();
  // Where the last paint put the item and its drop-down part.
  TRect Rect() const { return FRect; }
  TRect MenuButtonRect() const { return FMenuButtonRect; }
  void* Data = nullptr;
  TQvSkinCustomToolbar* Toolbar() const;

  // Focuses the item (without the press logic) and raises OnClick, or without a handler
  // opens the drop-down menu; then the toolbar's OnItemClick.
  void Click();
  void Assign(TPersistent* Source) override;
  String DisplayName() const override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnClick;

 private:
  friend class TQvSkinCustomToolbar;
  template <typename T>
  void Change(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    Changed(true);
  }

  TToolbarItemKind FKind = tkButton;
  int FImageIndex = -1, FImageHotIndex = -1, FImageDownIndex = -1, FImageDisableIndex = -1;
  bool FEnabled = true, FVisible = true;
  TPopupMenu* FDropdownMenu = nullptr;
  std::unique_ptr<TQvTextObj> FText;
  bool FDown = false;
  int FGroupIndex = 0;
  TToolbarItemLayout FTextLayout = ilBottom;
  int FTag = 0;
  TColor FLineColor = DefaultLineColor;
  bool FAllowAllUp = false;
  String FHint;
  TRect FRect, FMenuButtonRect;
  std::unique_ptr<TToolbarItemActionLink> FActionLink;
};

// The toolbar's items; every change repaints the toolbar.
class TQvSkinToolbarItems : public TOwnedCollection<TQvSkinToolbarItem> {
 public:
  explicit TQvSkinToolbarItems(TQvSkinCustomToolbar* AToolbar);
  String ClassName() const override { return L"TQvSkinToolbarItems"; }
  TQvSkinToolbarItem* Add() { return static_cast<TQvSkinToolbarItem*>(TCollection::Add()); }
  TQvSkinToolbarItem* Items(int Index) const {
    return static_cast<TQvSkinToolbarItem*>(TCollection::Items(Index));
  }
  TQvSkinCustomToolbar* Toolbar() const { return FToolbar; }

 protected:
  void Update(TCollectionItem* Item) override;
  void ItemMoved(int From, int To) override;

 private:
  TQvSkinCustomToolbar* FToolbar;
};

class TQvSkinCustomToolbar : public TQvSkinCustomPanel, public IQvAccessibleChildren {
  QV_CLASS(TQvSkinCustomToolbar)
 public:
  explicit TQvSkinCustomToolbar(TComponent* AOwner);
  ~TQvSkinCustomToolbar() override;

  static constexpr int DefaultButtonHeight = 48, DefaultButtonWidth = 48, DefaultSpaceSize = 3;
  static constexpr int DefaultScrollSize = 15, DefaultMarginSize = 20, DefaultMarginTextSize = 2;
  static constexpr int DefaultDropdownMenuOffset = -4, MenuButtonWidth = 16;
  static constexpr int ScrollInterval = 10;  // ms per step while an arrow is held

  TQvSkinToolbarItems* Items() const { return FItems.get(); }
  void SetItems(TQvSkinToolbarItems* Value) { FItems->Assign(Value); }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  // Button backgrounds: normal, hot and pressed pictures stretched to each item.
  TPngPictures* ButtonImage() const { return FButtonImage.get(); }
  void SetButtonImage(TPngPictures* Value) { FButtonImage->Assign(Value); }
  int ButtonHeight() const { return FButtonHeight; }
  void SetButtonHeight(int Value) { ChangeLayout(FButtonHeight, Value); }
  // 0 divides the width among the visible items.
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int Value);
  int SpaceSize() const { return FSpaceSize; }
  void SetSpaceSize(int Value) { ChangeLayout(FSpaceSize, Value); }
  int HotItemIndex() const { return FHotItemIndex; }
  TOtherButtonKind HotOtherBtn() const { return FHotOtherBtn; }
  int FocusItemIndex() const { return FFocusItemIndex; }
  // Stores the index and runs the press logic on it.
  void SetFocusItemIndex(int Value);
  // One column instead of one row.
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value);
  int ScrollSize() const { return FScrollSize; }
  void SetScrollSize(int Value) { FScrollSize = Value; }
  bool ScrollButtonVisible() const { return FScrollButtonVisible; }
  void SetScrollButtonVisible(bool Value) { Change(FScrollButtonVisible, Value); }
  // Where a drop-down menu opens, from the item's bottom-left corner.
  TQvBtnItemOffset* DropdownMenuOffset() const { return FDropdownMenuOffset.get(); }
  void SetDropdownMenuOffset(TQvBtnItemOffset* Value) { FDropdownMenuOffset->Assign(Value); }
  int MarginSize() const { return FMarginSize; }
  void SetMarginSize(int Value) { Change(FMarginSize, Value); }
  int MarginTextSize() const { return FMarginTextSize; }
  void SetMarginTextSize(int Value) { Change(FMarginTextSize, Value); }
  TFont* FontDown() const { return FFontDown.get(); }
  void SetFontDown(TFont* Value) { FFontDown->Assign(Value); }
  TFont* FontHot() const { return FFontHot.get(); }
  void SetFontHot(TFont* Value) { FFontHot->Assign(Value); }
  TQvBtnItemOffset* TextOffset() const { return FTextOffset.get(); }
  void SetTextOffset(TQvBtnItemOffset* Value) { FTextOffset->Assign(Value); }
  // Width from the caption (rows only).
  bool AutoButtonWidth() const { return FAutoButtonWidth; }
  void SetAutoButtonWidth(bool Value) { ChangeLayout(FAutoButtonWidth, Value); }
  bool AllowArrowKeys() const { return FAllowArrowKeys; }
  void SetAllowArrowKeys(bool Value);
  int PressedOffset() const { return FPressedOffset; }
  void SetPressedOffset(int Value) { FPressedOffset = Value; }
  bool AutoButtonImageColor() const { return FAutoButtonImageColor; }
  void SetAutoButtonImageColor(bool Value) { Change(FAutoButtonImageColor, Value); }
  // The scroll offset (X in a row, Y in a column); 0 or negative.
  TPoint DispOffset() const { return FDispOffset; }
  // True while the content does not fit (from the last paint).
  bool EnabledScroll() const { return FEnabledScroll; }
  TRect GoBackBtnRect() const { return FGoBackBtnRect; }
  TRect GoFrontBtnRect() const { return FGoFrontBtnRect; }

  void ScrollBack();
  void ScrollFront();
  // The first visible item whose rectangle holds P; -1 when none.
  int GetItemAt(TPoint P) const;
  int VisibleItemCount() const;
  TQvSkinToolbarItem* CreateToolbarItem() { return FItems->Add(); }
  // Lays the items out now (a paint does it too).
  void UpdateLayout();
  TBitmap32* GetDoubleBuffer() override { return &FBodyBuffer; }
  // Each item's action brings its values up to date.
  void InitiateAction();

  TQvAccessibleInfo AccessibleInfo() const override;
  int AccessibleChildCount() const override { return FItems->Count(); }
  TQvAccessibleChild AccessibleChild(int Index) const override;
  bool DoAccessibleChildAction(int Index) override;

  void WndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

  TToolbarClickEvent OnItemDown;
  TToolbarClickEvent OnItemClick;
  TQvToolbarItemDrawEnvent OnDrawItem;
  TNotifyEvent OnItemFocusChanged;
  TToolbarButtonWidthEvent OnButtonWidthChanged;

 protected:
  friend class TQvSkinToolbarItem;
  friend class TQvSkinToolbarItems;
  virtual bool DoClickGoBackButton();
  virtual bool DoClickGoFrontButton();
  virtual void DoSetItemDown();
  virtual void DoDrawItem(TBitmap32* Bmp32, TQvSkinToolbarItem* Item);
  virtual void DoItemClick(int Index);
  // Width reserved at the right of each caption.
  virtual int GetExWidth() { return 0; }
  virtual void DoItemsChanged();
  virtual void DoButtonWidthChanged(TQvSkinToolbarItem* Item, int& Width);
  // The items changed: repaint and tell.
  void ItemsUpdated();
  // An item was removed: a scrolled strip whose rest now fits scrolls back.
  void ItemRemoved();
  // Opens the item's drop-down menu at the offset from its bottom-left corner.
  void PopupItemMenu(TQvSkinToolbarItem* Item);
  bool ValidIndex(int Index) const { return Index >= 0 && Index < FItems->Count(); }
  // Some item is linked to Action.
  bool UsesAction(const TBasicAction* Action) const;

  void DrawBody(TBitmap32* Bitmap) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  virtual void MouseLeave();
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Resize() override;

  int FHotItemIndex = -1;
  TOtherButtonKind FHotOtherBtn = gbNone;
  int FFocusItemIndex = -1;
  bool FDownOtherBtn = false;
  bool FRezieButtonImage = true;

 private:
  // Stores a different value, lays the items out again and repaints.
  template <typename T>
  void ChangeLayout(T& Field, const T& Value) {
    if (!UpdateField(Field, Value)) return;
    UpdateLayout();
    Invalidate();
  }
  void SetHot(int Index, TOtherButtonKind Part);
  void ResizeArrows();
  void DrawItem(TBitmap32* Bitmap, TQvSkinToolbarItem* Item, int Index);
  void DrawArrows(TBitmap32* Bitmap);
  void TimerTick();
  void ImagesChanged(TObject*);

  std::unique_ptr<TQvSkinToolbarItems> FItems;
  TCustomImageList* FImages = nullptr;
  std::unique_ptr<TChangeLink> FImageChangeLink;
  std::unique_ptr<TPngPictures> FButtonImage, FGoBackBtnPng, FGoFrontBtnPng, FGoUpBtnPng,
      FGoDownBtnPng, FDropdownMenuPictures;
  int FButtonHeight = DefaultButtonHeight, FButtonWidth = DefaultButtonWidth;
  int FSpaceSize = DefaultSpaceSize;
  bool FMultiLine = false;
  int FScrollSize = DefaultScrollSize;
  bool FScrollButtonVisible = true;
  std::unique_ptr<TQvBtnItemOffset> FDropdownMenuOffset, FTextOffset;
  int FMarginSize = DefaultMarginSize, FMarginTextSize = DefaultMarginTextSize;
  std::unique_ptr<TFont> FFontDown, FFontHot;
  bool FAutoButtonWidth = false, FAllowArrowKeys = false, FAutoButtonImageColor = false;
  int FPressedOffset = 0;
  TPoint FDispOffset;
  int FDispX = 0, FDispY = 0;
  bool FEnabledScroll = false, FStopScroll = false;
  TRect FGoBackBtnRect, FGoFrontBtnRect;
  std::unique_ptr<TSimpleTimer> FTimer;
  std::unique_ptr<TQvSkinImage> FNormalImage, FHotImage, FDownImage;
  TBitmap32 FBodyBuffer;
};

class TQvSkinToolbar : public TQvSkinCustomToolbar {
  QV_CLASS(TQvSkinToolbar)
 public:
  using TQvSkinCustomToolbar::TQvSkinCustomToolbar;
};

}  // namespace qv
