#include <windows.h>

#include "controls/QvSkinImageSlider.h"
#include "graphics/QvGR32LibColor.h"
#include "graphics/SimpleTimer.h"
#include "host/Application.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "raster/Polygons.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinImageSlider>(), true);

constexpr Cardinal kAutoTick = 100;

bool Holds(const TRect& R, int X, int Y) {
  return R.Left <= X && X < R.Right && R.Top <= Y && Y < R.Bottom;
}

// The arrow pictures as the slider sets them up: frames Normal and Hot of "QvSkinSlides".
void SetUpArrow(TPngPictures& P, int Normal, int Hot) {
  P.SetImage(TQvSkinCustomImageSlider::DefaultButtonImage);
  P.SetCount(4);
  P.SetNormal(Normal);
  P.SetHot(Hot);
  P.SetActive(true);
}

}  // namespace

// ---- TQvSkinSliderItem --------------------------------------------------------------

void TQvSkinSliderItem::SetImage(const TQvResID& Value) {
  if (UpdateField(FImage, Value)) Changed(false);
}

void TQvSkinSliderItem::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TQvSkinSliderItem*>(Source);
  if (!S) {
    TCollectionItem::Assign(Source);
    return;
  }
  Data = S->Data;
  FTitle = S->FTitle;
  FDescription = S->FDescription;
  FImage = S->FImage;
}

const TPropTable& TQvSkinSliderItem::Properties() const {
  using C = TQvSkinSliderItem;
  static const TPropTable Table = TCollectionItem::Properties().With({
      Prop(L"Description", &C::Description, &C::SetDescription),
      ResIDProp(L"Image", &C::Image, &C::SetImage),
      Prop(L"Title", &C::Title, &C::SetTitle),
  });
  return Table;
}

TQvSkinSliderItemCollection::TQvSkinSliderItemCollection(TQvSkinCustomImageSlider* AOwner)
    : TOwnedCollection(AOwner), FSlider(AOwner) {}

void TQvSkinSliderItemCollection::Update(TCollectionItem*) {
  FSlider->ImagesChanged();
}

// ---- TQvSkinCustomImageSlider -------------------------------------------------------

TQvSkinCustomImageSlider::TQvSkinCustomImageSlider(TComponent* AOwner)
    : TQvSkinCustomPanel(AOwner),
      FImages(std::make_unique<TQvSkinSliderItemCollection>(this)),
      FButtonLeft(std::make_unique<TPngPictures>()),
      FButtonRight(std::make_unique<TPngPictures>()),
      FBufferImage(std::make_unique<TCustomBitmap32>()) {
  SetBounds(Left(), Top(), 632, 340);
  SetDoubleBorder(false);
  SetBorderSides({});
  SetAlpha(255);
  SetUpArrow(*FButtonLeft, 2, 0);
  SetUpArrow(*FButtonRight, 3, 1);
  FButtonLeft->SetPicturesChanged([this](TObject*) { Invalidate(); });
  FButtonRight->SetPicturesChanged([this](TObject*) { Invalidate(); });
  FLastAutoSlider = GetTickCount64();
  FTimer =
      std::make_unique<TSimpleTimer>(kAutoTick, [this](TObject*) { AutoSlide(GetTickCount64()); });
  FTimer->SetEnabled(DefaultAutoSlider);
}

TQvSkinCustomImageSlider::~TQvSkinCustomImageSlider() {
  *FAlive = false;
  FTimer.reset();
  FButtonLeft->SetPicturesChanged(nullptr);
  FButtonRight->SetPicturesChanged(nullptr);
}

void TQvSkinCustomImageSlider::SetAutoSlider(bool Value) {
  FAutoSlider = Value;
  if (Value) FLastAutoSlider = GetTickCount64();
  // The tick does nothing without the automatic change: no timer runs then.
  FTimer->SetEnabled(Value);
}

void TQvSkinCustomImageSlider::SetHotItemIndex(int Value) {
  if (FSlideing || Value == FHotItemIndex) return;
  FHotItemIndex = Value;
  Invalidate();  // a bad index leaves only the panel
  SlideItem(Value);
}

TRect TQvSkinCustomImageSlider::ImageIndexRect(int Index) const {
  return SliderImageIndexRect(Index, FImages->Count(), FBufferImage->Width(),
                              FBufferImage->Height());
}

bool TQvSkinCustomImageSlider::ButtonLeftVisible() const {
  return FHotItemIndex > 0 && FHotItemIndex < FImages->Count() &&
         FOptions.Contains(soLeftRightButtonVisible);
}

bool TQvSkinCustomImageSlider::ButtonRightVisible() const {
  return FHotItemIndex >= 0 && FHotItemIndex < FImages->Count() - 1 &&
         FOptions.Contains(soLeftRightButtonVisible);
}

bool TQvSkinCustomImageSlider::ButtonDotVisible() const {
  return FImages->Count() > 0 && FOptions.Contains(soDotButtonVisible);
}

void TQvSkinCustomImageSlider::StitchingImages() {
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  std::vector<TCustomBitmap32*> Pictures;
  for (int I = 0; I < FImages->Count(); ++I)
    Pictures.push_back(Manager ? Manager->GetImageByName(FImages->Items(I)->Image(), true)
                               : nullptr);
  StitchSliderStrip(*FBufferImage, Pictures, Width(), Height());
}

void TQvSkinCustomImageSlider::ImagesChanged() {
  FButtonLeftRect = FButtonRightRect = FDisplayRect = TRect{};
  FHotItemIndex = FOldHotItemIndex = -1;
  FOrder.LeftToRight = true;
  StitchingImages();
  if (FImages->Count() > 0) {
    FHotItemIndex = FOldHotItemIndex = 0;
    FDisplayRect = ImageIndexRect(0);
  }
  Invalidate();
  NotifyAccessible(aeValueChange);
}

void TQvSkinCustomImageSlider::CheckImageSize() {
  const int Count = FImages->Count();
  if (FAutoImageSize && Count > 0 &&
      (FBufferImage->Width() / Count != Width() || FBufferImage->Height() != Height()))
    ImagesChanged();
}

bool TQvSkinCustomImageSlider::ShowFrame(const std::shared_ptr<bool>& Alive) {
  Invalidate();
  if (HandleAllocated()) UpdateWindow(Handle());
  if (Application) Application->ProcessMessages();
  return *Alive;
}

void TQvSkinCustomImageSlider::SlideItem(int Index) {
  if (FSlideing) return;
  FSlideing = true;
  const std::shared_ptr<bool> Alive = FAlive;
  {
    // Also when a frame's message raises: the interval restarts and slides are allowed.
    TScopeExit Done([this, Alive] {
      if (!*Alive) return;
      FLastAutoSlider = GetTickCount64();
      FSlideing = false;
    });
    if (Index >= 0 && Index < FImages->Count()) {
      if (FSliderType == stFade) {
        for (int A : SliderFadeFrames(FSliderSpeed)) {
          FSliderAlphaValue = A;
          if (!ShowFrame(Alive)) return;
          if (A == 255) break;
          Sleep(5);
        }
        FSliderAlphaValue = 255;
        Invalidate();
      } else {
        const int W = Width(), H = Height();
        const TRect G = ImageIndexRect(Index);
        for (int X : SliderSlideFrames(FOldHotItemIndex, Index, FDisplayRect.Left, G.Left, W,
                                       FSliderSpeed)) {
          FDisplayRect = {X, 0, X + W, H};
          if (!ShowFrame(Alive)) return;
          if (X == G.Left) break;
          Sleep(5);
        }
        FDisplayRect = {G.Left, 0, G.Left + W, H};
        Invalidate();
        FOldHotItemIndex = FHotItemIndex;
      }
    }
  }
  NotifyAccessible(aeValueChange);
  if (OnSliderPageChanged) OnSliderPageChanged(this);
}

void TQvSkinCustomImageSlider::AutoSlide(uint64_t Now) {
  if (Designing() || !FAutoSlider || FImages->Count() == 0 || FSlideing) return;
  if (!SliderIntervalDue(Now, FLastAutoSlider, FSliderInterval)) return;
  const int Next = FOrder.Next(FHotItemIndex, FImages->Count(), FSliderType, FLoopMode);
  if (Next >= 0) SetHotItemIndex(Next);
}

// ---- painting -----------------------------------------------------------------------

void TQvSkinCustomImageSlider::DrawBody(TBitmap32* Bitmap) {
  TQvSkinCustomPanel::DrawBody(Bitmap);
  if (FHotItemIndex < 0 || FHotItemIndex >= FImages->Count()) return;
  auto Updating = UpdateScope(*Bitmap);
  DrawPicture(Bitmap);
  if (!Designing()) DrawButtons(Bitmap);
  if (ButtonDotVisible()) DrawDots(Bitmap);
  DrawBorder(Bitmap);
}

void TQvSkinCustomImageSlider::DrawPicture(TBitmap32* Bitmap) {
  if (Designing()) {
    Bitmap->Draw(0, 0, ImageIndexRect(0), FBufferImage.get());
    return;
  }
  CheckImageSize();
  if (FHotItemIndex < 0) return;  // the rebuild found no pictures
  if (FSliderType == stLeftRight) {
    const TRect Shown = FDisplayRect.Width() > 0 ? FDisplayRect : ImageIndexRect(FHotItemIndex);
    Bitmap->Draw(0, 0, Shown, FBufferImage.get());
    return;
  }
  const TRect Shown = ImageIndexRect(FHotItemIndex);
  if (FSliderAlphaValue >= 255) {
    Bitmap->Draw(0, 0, Shown, FBufferImage.get());
    return;
  }
  // The new picture fades in over the panel, not over the previous picture.
  TCustomBitmap32 Fading;
  Fading.SetSize(Width(), Height());
  Fading.Draw(0, 0, Shown, FBufferImage.get());
  ApplyAlpha(&Fading, FSliderAlphaValue);
  Fading.SetDrawMode(dmBlend);
  Bitmap->Draw(0, 0, &Fading);
}

void TQvSkinCustomImageSlider::DrawButtons(TBitmap32* Bitmap) {
  const int W = Width(), H = Height();
  auto Arrow = [&](TPngPictures& P, bool Left, TRect& Place, TCursorOnItem Zone) {
    const int PW = P.GetSingleWidth(), PH = P.GetSingleHeight();
    const int X = Left ? 0 : W - PW, Y = (H - PH) / 2;
    Place = {X, Y, X + PW, Y + PH};
    TCustomBitmap32 Frame;
    if (!P.GetImageByIndex(FCursorOnItem == Zone ? P.Hot() : P.Normal(), &Frame)) return;
    Frame.SetDrawMode(dmBlend);
    Bitmap->Draw(X, Y, &Frame);
  };
  if (ButtonLeftVisible()) Arrow(*FButtonLeft, true, FButtonLeftRect, coLeftButton);
  if (ButtonRightVisible()) Arrow(*FButtonRight, false, FButtonRightRect, coRightButton);
}

void TQvSkinCustomImageSlider::DrawDots(TBitmap32* Bitmap) {
  const int Count = FImages->Count();
  for (int I = 0; I < Count; ++I) {
    TQvSkinSliderItem* Item = FImages->Items(I);
    Item->FDotButtonRect = SliderDotCell(I, Count, Width(), Height());
    const bool Hot = I == FHotItemIndex;
    const TFloatPoint C = SliderDotCentre(Item->FDotButtonRect, Hot);
    if (Hot) {
      PolygonFS(Bitmap, Circle(C, 8), Color32(TColor(0xCCCCCC)));
      PolygonFS(Bitmap, Circle(C, 4), Color32(TColor(0x6E93A7)));
    } else {
      const TArrayOfFloatPoint Dot = Circle(C, 5);
      PolygonFS(Bitmap, Dot, Color32(TColor(0xFFFFFF)));
      PolylineFS(Bitmap, Dot, Color32(TColor(0xCDCCCF)), true, 1);
    }
  }
}

// ---- mouse --------------------------------------------------------------------------

void TQvSkinCustomImageSlider::DoMouseHit(int X, int Y) {
  FDotButtonCursorHotIndex = -1;
  TCursorOnItem Zone = coNone;
  if (ButtonLeftVisible() && Holds(FButtonLeftRect, X, Y)) {
    Zone = coLeftButton;
  } else if (ButtonRightVisible() && Holds(FButtonRightRect, X, Y)) {
    Zone = coRightButton;
  } else if (ButtonDotVisible()) {
    for (int I = 0; I < FImages->Count(); ++I)
      if (Holds(FImages->Items(I)->FDotButtonRect, X, Y)) {
        Zone = coDotButton;
        FDotButtonCursorHotIndex = I;
        break;
      }
  }
  if (Zone == FCursorOnItem) return;
  FCursorOnItem = Zone;
  SetCursor(Zone == coNone ? crDefault : crHandPoint);
  Invalidate();
}

void TQvSkinCustomImageSlider::MouseMove(TShiftState Shift, int X, int Y) {
  TQvSkinCustomPanel::MouseMove(Shift, X, Y);
  DoMouseHit(X, Y);
}

void TQvSkinCustomImageSlider::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TQvSkinCustomPanel::MouseDown(Button, Shift, X, Y);
  DoMouseHit(X, Y);
  const int Count = FImages->Count();
  switch (FCursorOnItem) {
    case coLeftButton:
      if (FHotItemIndex - 1 >= 0) {
        SetHotItemIndex(FHotItemIndex - 1);
        if (OnLeftButtonClick) OnLeftButtonClick(this);
      }
      break;
    case coRightButton:
      if (FHotItemIndex + 1 < Count) {
        SetHotItemIndex(FHotItemIndex + 1);
        if (OnRightButtonClick) OnRightButtonClick(this);
      }
      break;
    case coDotButton:
      if (FDotButtonCursorHotIndex >= 0 && FDotButtonCursorHotIndex < Count)
        SetHotItemIndex(FDotButtonCursorHotIndex);
      if (OnDotButtonClick) OnDotButtonClick(this);
      break;
    case coNone:
      if (FHotItemIndex >= 0 && FHotItemIndex < Count && OnItemClick)
        OnItemClick(this, FImages->Items(FHotItemIndex));
      break;
  }
}

// ---- accessibility and object text form ---------------------------------------------

TQvAccessibleInfo TQvSkinCustomImageSlider::AccessibleInfo() const {
  // The shown picture: its description, and its place among the pictures.
  TQvAccessibleInfo Info = TQvSkinCustomPanel::AccessibleInfo();
  Info.Role = arGraphic;
  const int Count = FImages->Count();
  if (FHotItemIndex >= 0 && FHotItemIndex < Count) {
    Info.Name = FImages->Items(FHotItemIndex)->Description();
    Info.Value = std::to_wstring(FHotItemIndex + 1) + L" of " + std::to_wstring(Count);
  }
  return Info;
}

const TPropTable& TQvSkinCustomImageSlider::Properties() const {
  using C = TQvSkinCustomImageSlider;
  static const auto LeftReference = [] {
    auto P = std::make_unique<TPngPictures>();
    SetUpArrow(*P, 2, 0);
    return P;
  }();
  static const auto RightReference = [] {
    auto P = std::make_unique<TPngPictures>();
    SetUpArrow(*P, 3, 1);
    return P;
  }();
  static const TPropTable Table = TQvSkinCustomPanel::Properties().With({
      Prop(L"Alpha", &C::Alpha, &C::SetAlpha, Byte(255)),
      SetProp(L"BorderSides", &C::BorderSides, &C::SetBorderSides, TSides{}, TSideNames),
      Prop(L"DoubleBorder", &C::DoubleBorder, &C::SetDoubleBorder, false),
      Prop(L"AutoImageSize", &C::AutoImageSize, &C::SetAutoImageSize, DefaultAutoImageSize),
      Prop(L"AutoSlider", &C::AutoSlider, &C::SetAutoSlider, DefaultAutoSlider),
      ObjectProp(L"ButtonLeft", &C::ButtonLeft, LeftReference.get()),
      ObjectProp(L"ButtonRight", &C::ButtonRight, RightReference.get()),
      CollectionProp(L"Images", &C::Images),
      Prop(L"LoopMode", &C::LoopMode, &C::SetLoopMode, DefaultLoopMode),
      SetProp(L"Options", &C::Options, &C::SetOptions, DefaultOptions, TImageSliderOptionNames),
      Prop(L"SliderInterval", &C::SliderInterval, &C::SetSliderInterval, DefaultSliderInterval),
      Prop(L"SliderSpeed", &C::SliderSpeed, &C::SetSliderSpeed, DefaultSliderSpeed),
      EnumProp(L"SliderType", &C::SliderType, &C::SetSliderType, DefaultSliderType,
               TSliderTypeNames),
  });
  return Table;
}

}  // namespace qv
