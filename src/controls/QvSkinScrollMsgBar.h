#pragma once
// TQvSkinScrollMsgBar: a one-line news ticker on the layered image control. Each message
// (an optional icon and a word-wrapped title) is a positioned layer; one at a time rests
// vertically centred in the bar. Every ScrollInterval ms the shown message slides up and
// out while the next visible one rises into place (Prev does the reverse) along an easing
// curve. Pointing at a message's text highlights it, shows a hand cursor and holds the
// automatic scrolling; clicking the text raises OnItemClick.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "controls/QvAccessible.h"
#include "controls/QvSkinLayerControl.h"
#include "controls/QvSkinScrollMsgBarLogic.h"
#include "graphics/QvAE.h"
#include "host/Font.h"

namespace qv {

class TSimpleTimer;
class TScrollMsgBarItem;
class TCustomQvSkinScrollMsgBar;

enum TAnimateEasing {
  aeQuad,
  aeCirc,
  aeBack,
  aeBounce,
  aeCubic,
  aeElastic,
  aeExpo,
  aeQuart,
  aeQuint,
  aeSine
};
inline constexpr const wchar_t* TAnimateEasingNames[] = {
    L"aeQuad",    L"aeCirc", L"aeBack",  L"aeBounce", L"aeCubic",
    L"aeElastic", L"aeExpo", L"aeQuart", L"aeQuint",  L"aeSine"};
// Whether the mouse is over an item's text.
enum TMouseInObject { ioNone, ioText };

using TSMItemClickEvent = std::function<void(TObject* Sender, TScrollMsgBarItem* Item)>;
using TSMItemDrawEvent =
    std::function<void(TObject* Sender, TScrollMsgBarItem* Item, TBitmap32* Buffer)>;

// The text of one message. Any change lays the message out again (OnChange).
class TLayerTextObj : public TPersistent {
  QV_CLASS(TLayerTextObj)
 public:
  TLayerTextObj();
  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  // Used while the mouse is over the text.
  TFont* FontHot() const { return FFontHot.get(); }
  void SetFontHot(TFont* Value) { FFontHot->Assign(Value); }
  // x in bar coordinates, y relative to the item's top.
  const TRect& Rect() const { return FRect; }
  void SetRect(const TRect& Value) { FRect = Value; }

  TNotifyEvent OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange(this);
  }
  String FTitle;
  std::unique_ptr<TFont> FFont, FFontHot;
  TRect FRect;
};

class TScrollMsgBarItemLayer : public TPositionedLayer {
 public:
  using TPositionedLayer::TPositionedLayer;
  String ClassName() const override { return L"TScrollMsgBarItemLayer"; }
};

class TScrollMsgBarItem : public TScrollMsgBarItemLayer {
 public:
  TScrollMsgBarItem(TLayerCollection* ALayerCollection, TCustomQvSkinScrollMsgBar* AOwner);
  ~TScrollMsgBarItem() override;
  String ClassName() const override { return L"TScrollMsgBarItem"; }

  TLayerTextObj* Text() const { return FText.get(); }
  // Owned; the setter copies the picture.
  TBitmap32* Icon() const { return FIcon.get(); }
  void SetIcon(TBitmap32* Value);
  void* Data() const { return FData; }
  void SetData(void* Value);
  // Hidden items are skipped by scrolling.
  void SetVisible(bool Value) override;
  TMouseInObject MouseInObject() const { return FMouseInObject; }
  void SetMouseInObject(TMouseInObject Value);
  TCustomQvSkinScrollMsgBar* Owner() const { return FOwner; }
  TSize ItemSize() const { return FItemSize; }
  // The resting top of the item.
  int OriginalY() const { return FOriginalY; }
  TRect IconRect() const { return FIconRect; }

  void Paint(TBitmap32* Buffer) override;
  // Lays the item out for the bar's size: the shown item rests in view, any other just
  // below the visible area.
  void ResetSize();
  // Repaints the item.
  virtual void DoInvalidate() { Update(); }
  // Lays out again and repaints.
  virtual void DoChanged();

 private:
  friend class TCustomQvSkinScrollMsgBar;
  std::unique_ptr<TLayerTextObj> FText;
  std::unique_ptr<TBitmap32> FIcon;
  void* FData = nullptr;
  TMouseInObject FMouseInObject = ioNone;
  TCustomQvSkinScrollMsgBar* FOwner;
  TSize FIconSize;
  TRect FIconRect;
  TSize FItemSize;
  int FOriginalY = 0;
};

class TCustomQvSkinScrollMsgBar : public TQvSkinCustomLayerControl,
                                  public IQvAccessibleSource,
                                  public IQvAccessibleChildren {
  QV_CLASS(TCustomQvSkinScrollMsgBar)
 public:
  explicit TCustomQvSkinScrollMsgBar(TComponent* AOwner);
  ~TCustomQvSkinScrollMsgBar() override;

  static constexpr TAlignment DefaultAlignment = taLeftJustify;
  static constexpr int DefaultSpace = 5;
  static constexpr int DefaultScrollInterval = 3000;
  static constexpr bool DefaultAutoScroll = true;
  static constexpr bool DefaultLoopMode = true;
  static constexpr TAnimateEasing DefaultAnimateEasing = aeQuad;
  static constexpr int DefaultAnimateStep = 15;
  static constexpr bool DefaultAllowClick = true;
  static constexpr TColor DefaultColor = clWhite;
  // Milliseconds between two looks at the clock.
  static constexpr unsigned TimerInterval = 30;

  // The messages; the bar owns them (as layers of its collection).
  const std::vector<TScrollMsgBarItem*>& Items() const { return FItems; }
  // The shown item; the setter only stores.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value) { FItemIndex = Value; }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // Gap between icon and text.
  int Space() const { return FSpace; }
  void SetSpace(int Value);
  int ScrollInterval() const { return FScrollInterval; }
  void SetScrollInterval(int Value) { FScrollInterval = Value; }
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool Value);
  // After the last visible item comes the first again.
  bool LoopMode() const { return FLoopMode; }
  void SetLoopMode(bool Value) { FLoopMode = Value; }
  TAnimateEasing AnimateEasing() const { return FAnimateEasing; }
  void SetAnimateEasing(TAnimateEasing Value) { FAnimateEasing = Value; }
  // Frames of one scroll; 0 shows the next message at once.
  int AnimateStep() const { return FAnimateStep; }
  void SetAnimateStep(int Value) { FAnimateStep = Value; }
  // Hover and item clicks.
  bool AllowClick() const { return FAllowClick; }
  void SetAllowClick(bool Value) { FAllowClick = Value; }
  // A scroll is running.
  bool Scrolling() const { return FScrolling; }
  // Tick count (ms) of the last scroll; 0 before the interval started.
  int64_t LastScrollTime() const { return FClock.LastScrollTime; }

  // A new item at the end (the caller fills its title, icon and data).
  TScrollMsgBarItem* AddItem();
  // Nothing outside [0, count). Neither changes ItemIndex.
  void Delete(int Index);
  void Clear();
  // Nil outside [0, count); also for a stale ItemIndex.
  TScrollMsgBarItem* GetItem(int Index) const;
  int GetFirstVisibleItem() const;
  int GetLastVisibleItem() const;
  int GetNextVisibleItem(int Current) const;
  int GetPrevVisibleItem(int Current) const;
  // One scroll forward; Auto: started by the timer, which waits while the mouse points
  // at the shown text.
  void Next(bool Auto);
  void Prev();
  // ItemIndex := the first visible item, without moving anything.
  void ReStart();

  // The ease-in curve of the AnimateEasing family.
  virtual TEasingType GetAnimateEasing() const;
  // The topmost layer / item whose hit test accepts the point, or nil.
  virtual TCustomLayer* FindLayerAtPos(int X, int Y) const;
  virtual TScrollMsgBarItem* FindItemAtPos(int X, int Y) const;

  // What the bar's timer runs every 30 ms with the tick count Now: starts the interval on
  // the first tick and scrolls forward once ScrollInterval has passed.
  void TimerTick(int64_t Now);

  // Screen readers: the shown message as a static text; messages as links.
  TQvAccessibleInfo AccessibleInfo() const override;
  int AccessibleChildCount() const override { return int(FItems.size()); }
  TQvAccessibleChild AccessibleChild(int Index) const override;
  bool DoAccessibleChildAction(int Index) override;

  void WndProc(TMessage& Message) override;
  const TPropTable& Properties() const override;

  TSMItemClickEvent OnItemClick;
  // After an item has painted itself.
  TSMItemDrawEvent OnItemPaint;

 protected:
  virtual void DoChanged() {}
  virtual void DoItemClick(TObject* Sender, TScrollMsgBarItem* Item);
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;
  void Click() override;

 private:
  friend class TScrollMsgBarItem;
  std::vector<bool> VisibleFlags() const;
  // Under's text is hot when (X, Y) lies in it, every other item's not; the cursor follows.
  void TrackHotText(TScrollMsgBarItem* Under, int X, int Y);
  // Runs the slide frames and makes Target the shown item; false when the bar went away.
  bool Slide(int Target, bool Forward);
  void LayoutItems();
  // The wrapped extent of the item's title in the bar (DT_CALCRECT in (0, 0, W, H)).
  TRect MeasureText(const TScrollMsgBarItem& Item) const;

  std::vector<TScrollMsgBarItem*> FItems;
  int FItemIndex = -1;
  TAlignment FAlignment = DefaultAlignment;
  int FSpace = DefaultSpace;
  int FScrollInterval = DefaultScrollInterval;
  bool FAutoScroll = DefaultAutoScroll;
  bool FLoopMode = DefaultLoopMode;
  TAnimateEasing FAnimateEasing = DefaultAnimateEasing;
  int FAnimateStep = DefaultAnimateStep;
  bool FAllowClick = DefaultAllowClick;
  std::unique_ptr<TSimpleTimer> FTimer;
  TMsgBarClock FClock;
  bool FScrolling = false;
  // Shared with a running scroll, which lets messages run: it stops when the bar is gone.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

class TQvSkinScrollMsgBar : public TCustomQvSkinScrollMsgBar {
  QV_CLASS(TQvSkinScrollMsgBar)
 public:
  using TCustomQvSkinScrollMsgBar::TCustomQvSkinScrollMsgBar;
};

}  // namespace qv
