#pragma once
// TQvSkinCustomImageSlider: a picture carousel on a skinned panel. Each item names a skin
// picture; the pictures are cover-fitted to the control's size into one strip and shown
// one at a time. The shown picture changes by a horizontal slide or a fade-in, by the
// arrow buttons over the picture, by a row of dots, or by itself every SliderInterval ms.
// A transition runs to its end before the call that started it returns, letting pending
// messages run between its frames. TQvSkinImageSlider publishes it.
#include <cstdint>
#include <functional>
#include <memory>

#include "controls/QvSkinImageSliderGeometry.h"
#include "controls/QvSkinPanel.h"
#include "resources/QvSkinIntfPictures.h"

namespace qv {

class TSimpleTimer;
class TQvSkinCustomImageSlider;

enum TImageSliderOption { soLeftRightButtonVisible, soDotButtonVisible };
inline constexpr const wchar_t* TImageSliderOptionNames[] = {L"soLeftRightButtonVisible",
                                                             L"soDotButtonVisible"};
using TImageSliderOptions = TSet<TImageSliderOption>;
// The zone under the mouse.
enum TCursorOnItem { coNone, coLeftButton, coRightButton, coDotButton };

class TQvSkinSliderItem : public TCollectionItem {
 public:
  explicit TQvSkinSliderItem(TCollection* ACollection) : TCollectionItem(ACollection) {}
  String ClassName() const override { return L"TQvSkinSliderItem"; }

  // The skin picture shown. A change rebuilds the strip (outside BeginUpdate/EndUpdate),
  // so an item named after it was added is not left out.
  const TQvResID& Image() const { return FImage; }
  void SetImage(const TQvResID& Value);
  // Stored for the application; the description is what assistive technology is told.
  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value) { FTitle = Value; }
  const String& Description() const { return FDescription; }
  void SetDescription(const String& Value) { FDescription = Value; }
  // The item's dot, as the last paint placed it (empty before).
  const TRect& DotButtonRect() const { return FDotButtonRect; }

  void Assign(TPersistent* Source) override;
  const TPropTable& Properties() const override;

  void* Data = nullptr;  // for the application

 private:
  friend class TQvSkinCustomImageSlider;
  TQvResID FImage;
  String FTitle, FDescription;
  TRect FDotButtonRect;
};

// Adding, deleting or moving items (outside BeginUpdate/EndUpdate) rebuilds the strip.
class TQvSkinSliderItemCollection : public TOwnedCollection<TQvSkinSliderItem> {
 public:
  explicit TQvSkinSliderItemCollection(TQvSkinCustomImageSlider* AOwner);
  String ClassName() const override { return L"TQvSkinSliderItemCollection"; }

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  TQvSkinCustomImageSlider* FSlider;
};

using TItemClickEvent = std::function<void(TObject* Sender, TQvSkinSliderItem* Item)>;

class TQvSkinCustomImageSlider : public TQvSkinCustomPanel {
  QV_CLASS(TQvSkinCustomImageSlider)
 public:
  // 632 × 340, no border, opaque fill.
  explicit TQvSkinCustomImageSlider(TComponent* AOwner);
  ~TQvSkinCustomImageSlider() override;

  static constexpr const wchar_t* DefaultButtonImage = L"QvSkinSlides";
  static constexpr TSliderType DefaultSliderType = stLeftRight;
  static constexpr int DefaultSliderSpeed = 50, DefaultSliderInterval = 3000;
  static constexpr bool DefaultAutoSlider = true, DefaultAutoImageSize = true;
  static constexpr bool DefaultLoopMode = false;
  static constexpr TImageSliderOptions DefaultOptions = {soLeftRightButtonVisible,
                                                         soDotButtonVisible};

  TQvSkinSliderItemCollection* Images() const { return FImages.get(); }
  void SetImages(TQvSkinSliderItemCollection* Value) { FImages->Assign(Value); }
  // The shown picture (-1 without items). Writing another index runs the transition to it,
  // unless one is running.
  int HotItemIndex() const { return FHotItemIndex; }
  void SetHotItemIndex(int Value);
  // The arrow pictures: four frames of "QvSkinSlides" (left hot, right hot, left normal,
  // right normal).
  TPngPictures* ButtonLeft() const { return FButtonLeft.get(); }
  void SetButtonLeft(TPngPictures* Value) { FButtonLeft->Assign(Value); }
  TPngPictures* ButtonRight() const { return FButtonRight.get(); }
  void SetButtonRight(TPngPictures* Value) { FButtonRight->Assign(Value); }
  // These only store.
  TSliderType SliderType() const { return FSliderType; }
  void SetSliderType(TSliderType Value) { FSliderType = Value; }
  // Frames of one transition.
  int SliderSpeed() const { return FSliderSpeed; }
  void SetSliderSpeed(int Value) { FSliderSpeed = Value; }
  // Milliseconds from the end of one transition to the next automatic one.
  int SliderInterval() const { return FSliderInterval; }
  void SetSliderInterval(int Value) { FSliderInterval = Value; }
  // Rebuild the strip (and show the first picture) when the size changed.
  bool AutoImageSize() const { return FAutoImageSize; }
  void SetAutoImageSize(bool Value) { FAutoImageSize = Value; }
  // Sliding pictures also cycle (0, 1, 2, 0 …) instead of going back and forth; fading
  // pictures always cycle.
  bool LoopMode() const { return FLoopMode; }
  void SetLoopMode(bool Value) { FLoopMode = Value; }
  // The automatic change; switching it on restarts the interval.
  bool AutoSlider() const { return FAutoSlider; }
  void SetAutoSlider(bool Value);
  TImageSliderOptions Options() const { return FOptions; }
  void SetOptions(TImageSliderOptions Value) { Change(FOptions, Value); }

  // Picture Index's part of the strip; empty outside [0, Count).
  TRect ImageIndexRect(int Index) const;
  bool ButtonLeftVisible() const;
  bool ButtonRightVisible() const;
  bool ButtonDotVisible() const;
  // Where the arrows were last painted (they still count for hits without a picture).
  const TRect& ButtonLeftRect() const { return FButtonLeftRect; }
  const TRect& ButtonRightRect() const { return FButtonRightRect; }
  bool Sliding() const { return FSlideing; }

  TQvAccessibleInfo AccessibleInfo() const override;
  const TPropTable& Properties() const override;

  TNotifyEvent OnLeftButtonClick, OnRightButtonClick, OnDotButtonClick, OnSliderPageChanged;
  TItemClickEvent OnItemClick;

 protected:
  // The zone under (X, Y); a change of zone sets the cursor and repaints.
  virtual void DoMouseHit(int X, int Y);
  // Runs the transition to Index (HotItemIndex already holds it), then OnSliderPageChanged.
  virtual void SlideItem(int Index);
  // Rebuilds the strip and returns to the first picture.
  virtual void ImagesChanged();
  // One tick of the automatic change at time Now (milliseconds).
  void AutoSlide(uint64_t Now);

  void DrawBody(TBitmap32* Bitmap) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;

  TRect FDisplayRect;  // the part of the strip shown while sliding
  int FSliderAlphaValue = 255;
  int FOldHotItemIndex = -1;

 private:
  friend class TQvSkinSliderItemCollection;
  void StitchingImages();
  void CheckImageSize();
  void DrawPicture(TBitmap32* Bitmap);
  void DrawButtons(TBitmap32* Bitmap);
  void DrawDots(TBitmap32* Bitmap);
  // Shows one frame: repaints at once and lets pending messages run. False when the
  // control went away meanwhile.
  bool ShowFrame(const std::shared_ptr<bool>& Alive);

  std::unique_ptr<TQvSkinSliderItemCollection> FImages;
  std::unique_ptr<TPngPictures> FButtonLeft, FButtonRight;
  std::unique_ptr<TCustomBitmap32> FBufferImage;  // the strip
  std::unique_ptr<TSimpleTimer> FTimer;
  // False once the control is destroyed: a transition's message loop checks it.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
  int FHotItemIndex = -1;
  TRect FButtonLeftRect, FButtonRightRect;
  TSliderType FSliderType = DefaultSliderType;
  int FSliderSpeed = DefaultSliderSpeed;
  int FSliderInterval = DefaultSliderInterval;
  bool FAutoSlider = DefaultAutoSlider;
  bool FAutoImageSize = DefaultAutoImageSize;
  bool FLoopMode = DefaultLoopMode;
  TImageSliderOptions FOptions = DefaultOptions;
  bool FSlideing = false;
  TQvSliderAutoOrder FOrder;
  uint64_t FLastAutoSlider = 0;
  TCursorOnItem FCursorOnItem = coNone;
  int FDotButtonCursorHotIndex = -1;
};

class TQvSkinImageSlider : public TQvSkinCustomImageSlider {
  QV_CLASS(TQvSkinImageSlider)
 public:
  using TQvSkinCustomImageSlider::TQvSkinCustomImageSlider;
};

}  // namespace qv
