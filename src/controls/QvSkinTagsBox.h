#pragma once
// TQvSkinCustomTagsBox: a collection of short texts shown as rounded pills that flow from
// left to right and wrap into rows, each with an optional round x button that deletes the
// tag. Text reads and writes the tags as comma text. A vertical skinned scroll bar shows
// when the rows do not fit. TQvSkinTagsBox publishes it.
#include <memory>

#include "controls/QvSkinIconButtonList.h"
#include "controls/QvSkinTagsBoxLayout.h"

namespace qv {

class TQvSkinCustomTagsBox;
class TQvTagsBoxItem;
using TQvTagsBoxItemData = TQvTagsBoxItem;
using TQvTagsBoxItemDrawEnvent =
    std::function<void(TObject* Sender, TBitmap32* Bmp32, TQvTagsBoxItemData* ItemData)>;
using TQvTagsFreeItemEvent = std::function<void(TObject* Sender, TQvTagsBoxItem* Item)>;

enum TDeleteButtonState { bsNormal, bsHot };

// The round x button: a filled circle with a cross, in colours only.
class TQvSkinColorControls_DeleteButton : public TPersistent {
 public:
  String ClassName() const override { return L"TQvSkinColorControls_DeleteButton"; }
  static constexpr TColor DefaultColor = TColor(0x6A6A6A), DefaultHotColor = TColor(0x0000FF),
                          DefaultXColor = TColor(0xEAEAEA), DefaultXHotColor = TColor(0xFFFFFF);

  // Circle and cross, normal and hot; each change raises OnChanged.
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { Change(FColor, Value); }
  TColor HotColor() const { return FHotColor; }
  void SetHotColor(TColor Value) { Change(FHotColor, Value); }
  TColor XColor() const { return FXColor; }
  void SetXColor(TColor Value) { Change(FXColor, Value); }
  TColor XHotColor() const { return FXHotColor; }
  void SetXHotColor(TColor Value) { Change(FXHotColor, Value); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { Change(FVisible, Value); }
  TDeleteButtonState State() const { return FState; }
  void SetState(TDeleteButtonState Value) { FState = Value; }

  // Paints the button into BtnRect in the colours of its state.
  void Draw(TBitmap32* Dest, const TRect& BtnRect) const;
  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnChanged;

 private:
  template <typename T>
  void Change(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    if (OnChanged) OnChanged(this);
  }
  TColor FColor = DefaultColor, FHotColor = DefaultHotColor;
  TColor FXColor = DefaultXColor, FXHotColor = DefaultXHotColor;
  bool FVisible = true;
  TDeleteButtonState FState = bsNormal;
};

// The round x: a circle of radius min(w, h) / 2 - 1 in CircleColor, and two strokes of
// width w div 16 + 1 in XColor between corners inset by round(2r / 3) - 1.
void DrawCloseBtn(TBitmap32* Bitmap, const TRect& Rect, TColor CircleColor, TColor XColor);

// A tag's colours: pill and text, normal and hot.
class TTBItemColors : public TPersistent {
 public:
  String ClassName() const override { return L"TTBItemColors"; }
  static constexpr TColor DefaultColor = TColor(0xEAEAEA), DefaultHotColor = TColor(0xBBBBBB),
                          DefaultFontColor = TColor(0x434343),
                          DefaultHotFontColor = TColor(0x3A3A3A);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { Change(FColor, Value); }
  TColor HotColor() const { return FHotColor; }
  void SetHotColor(TColor Value) { Change(FHotColor, Value); }
  TColor FontColor() const { return FFontColor; }
  void SetFontColor(TColor Value) { Change(FFontColor, Value); }
  TColor HotFontColor() const { return FHotFontColor; }
  void SetHotFontColor(TColor Value) { Change(FHotFontColor, Value); }
  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;
  TNotifyEvent OnChanged;

 private:
  template <typename T>
  void Change(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    if (OnChanged) OnChanged(this);
  }
  TColor FColor = DefaultColor, FHotColor = DefaultHotColor;
  TColor FFontColor = DefaultFontColor, FHotFontColor = DefaultHotFontColor;
};

class TQvTagsBoxItem : public TCollectionItem {
 public:
  explicit TQvTagsBoxItem(TCollection* ACollection);
  ~TQvTagsBoxItem() override;
  String ClassName() const override { return L"TQvTagsBoxItem"; }
  static constexpr const wchar_t* DefaultCaption = L"Caption";

  // These repaint the box on a change.
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  TTBItemColors* Colors() const { return FColors.get(); }
  void SetColors(TTBItemColors* Value) { FColors->Assign(Value); }
  // The pill and its delete button, as the last paint placed them.
  const TRect& Rect() const { return FRect; }
  const TRect& DeleteBtnRect() const { return FDeleteBtnRect; }
  TQvSkinCustomTagsBox* Box() const;

  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;
  // OnClick, then the box's DoClickItem.
  void Click();
  void Invalidate();

  TNotifyEvent OnClick;
  void* Data = nullptr;

 private:
  friend class TQvSkinCustomTagsBox;
  template <typename T>
  void Change(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    Changed(true);
  }
  String FCaption = DefaultCaption;
  bool FEnabled = true, FVisible = true;
  int FTag = 0;
  std::unique_ptr<TTBItemColors> FColors;
  TRect FRect, FDeleteBtnRect;
};

class TQvTagsBoxItems : public TOwnedCollection<TQvTagsBoxItem> {
 public:
  explicit TQvTagsBoxItems(TQvSkinCustomTagsBox* ABox);
  String ClassName() const override { return L"TQvTagsBoxItems"; }
  TQvSkinCustomTagsBox* TagsBoxList() const { return FBox; }
  TQvTagsBoxItem* Insert(int Index) { return AddItem(nullptr, Index); }
  // The given item (nil: a new one) moved to Index (< 0: the last place).
  TQvTagsBoxItem* AddItem(TQvTagsBoxItem* Item, int Index);

 protected:
  void Update(TCollectionItem* Item) override;
  void ItemMoved(int From, int To) override;

 private:
  TQvSkinCustomTagsBox* FBox;
};

class TQvSkinCustomTagsBox : public TQvSkinCustomPanel, public IQvAccessibleChildren {
  QV_CLASS(TQvSkinCustomTagsBox)
 public:
  explicit TQvSkinCustomTagsBox(TComponent* AOwner);
  ~TQvSkinCustomTagsBox() override;

  static constexpr int DefaultItemSpaceSize = 10, DefaultItemHeight = 25, DefaultItemMinWidth = 60,
                       DefaultMarginBorderSize = 10, DefaultScrollSize = 30,
                       DefaultRoundRadius = 12;
  static constexpr Byte DefaultTagsAlpha = 255;

  TQvTagsBoxItems* Items() const { return FItems.get(); }
  void SetItems(TQvTagsBoxItems* Value) { FItems->Assign(Value); }
  int ItemSpaceSize() const { return FItemSpaceSize; }
  void SetItemSpaceSize(int Value) { Change(FItemSpaceSize, Value); }
  // Only positive values are taken.
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value);
  int ItemMinWidth() const { return FItemMinWidth; }
  void SetItemMinWidth(int Value);
  int MarginBorderSize() const { return FMarginBorderSize; }
  void SetMarginBorderSize(int Value);
  int ScrollSize() const { return FScrollSize; }
  void SetScrollSize(int Value) { FScrollSize = Value; }
  bool HideScrollbar() const { return FHideScrollbar; }
  void SetHideScrollbar(bool Value);
  int RoundRadius() const { return FRoundRadius; }
  void SetRoundRadius(int Value) { Change(FRoundRadius, Value); }
  TQvSkinColorControls_DeleteButton* DeleteButton() const { return FDeleteButton.get(); }
  void SetDeleteButton(TQvSkinColorControls_DeleteButton* Value) { FDeleteButton->Assign(Value); }
  // The captions as comma text; writing replaces the tags.
  String Text() const override;
  void SetText(const String& Value) override;

  int HotItemIndex() const { return FHotItemIndex; }
  int FocusItemIndex() const { return FFocusItemIndex; }
  void SetFocusItemIndex(int Value);
  void ResetFocusItemIndex() { FFocusItemIndex = -1; }
  bool MousePressed() const { return FMousePressed; }
  TQvSkinScrollBar* ScrollBar() const { return FScrollBar.Bar(); }

  TQvTagsBoxItem* CreateTagsBoxItem() { return FItems->Add(); }
  // Among the pills drawn by the last paint, the first whose Rect holds P.
  TQvTagsBoxItem* GetItemAt(TPoint P) const;
  void GetHitTest(int X, int Y);
  int64_t CalcItemsHeight() const;
  void UpdateScrollBar();

  void WndProc(TMessage& Message) override;
  TQvAccessibleInfo AccessibleInfo() const override;
  // Deletes the focused tag (asking OnDeleteClick).
  bool DoAccessibleDefaultAction() override;
  // The tags: list items whose default action deletes them.
  int AccessibleChildCount() const override { return FItems->Count(); }
  TQvAccessibleChild AccessibleChild(int Index) const override;
  bool DoAccessibleChildAction(int Index) override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnChanged;
  TItemIndexEvent OnClickItem;
  TQvTagsBoxItemDrawEnvent OnDrawItem;
  TItemDeleteEvent OnDeleteClick;
  TQvGetCursorEvent OnGetCursor;
  TItemHotIndexEvent OnHotChanged;
  TQvTagsFreeItemEvent OnFreeItem;
  TStateChangeIndexEvent OnFocusChanging;

 protected:
  friend class TQvTagsBoxItem;
  friend class TQvTagsBoxItems;
  virtual void DoDrawItem(TBitmap32* Bmp32, TQvTagsBoxItem* Item);
  virtual void DoHotChanged(int OldIndex, int NewIndex);
  virtual void DoClickItem(TQvTagsBoxItem* Item, int Index);
  virtual void DoFreeItem(TQvTagsBoxItem* Item);
  virtual void DoFocusChanging(int OldIndex, int NewIndex, bool& Allow);
  virtual void DoChanged();
  virtual void DoGetCursor(TCursor& Cursor);

  void DrawBody(TBitmap32* Bitmap) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CreateHandle() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;

 private:
  bool ValidIndex(int Index) const { return Index >= 0 && Index < FItems->Count(); }
  TQvPillFlow Flow() const;
  // The pills as the next paint places them.
  std::vector<TQvPill> Pills();
  void DeleteItem(TQvTagsBoxItem* Item);

  std::unique_ptr<TQvTagsBoxItems> FItems;
  int FItemSpaceSize = DefaultItemSpaceSize;
  int FItemHeight = DefaultItemHeight;
  int FItemMinWidth = DefaultItemMinWidth;
  int FHotItemIndex = -1, FFocusItemIndex = -1;
  int FItemBeginIndex = -1, FItemEndIndex = -1;
  bool FMouseInDeleteButton = false;
  TQvItemsScrollBar FScrollBar{this};
  bool FMousePressed = false;
  int FMarginBorderSize = DefaultMarginBorderSize;
  int FScrollSize = DefaultScrollSize;
  bool FHideScrollbar = false;
  bool FResetScrollbarSize = true;
  int FRoundRadius = DefaultRoundRadius;
  std::unique_ptr<TQvSkinColorControls_DeleteButton> FDeleteButton;
};

class TQvSkinTagsBox : public TQvSkinCustomTagsBox {
  QV_CLASS(TQvSkinTagsBox)
 public:
  using TQvSkinCustomTagsBox::TQvSkinCustomTagsBox;
};

}  // namespace qv
