#include <windows.h>

#include <algorithm>

#include "controls/QvSkinAnimation.h"
#include "host/Canvas.h"
#include "host/Properties.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinAnimation>(), true);

}  // namespace

TQvSkinCustomAnimation::TQvSkinCustomAnimation(TComponent* AOwner)
    : TQvSkinCustomControl(AOwner),
      FTimer(std::make_unique<QvSimpleTimer::TSimpleTimer>(
          1000, [this](TObject* Sender) { TimerTick(Sender); })) {
  SetBounds(Left(), Top(), 105, 105);
  FImagesChangeLink.OnChange = [this](TObject* Sender) { ImagesChange(Sender); };
}

TQvSkinCustomAnimation::~TQvSkinCustomAnimation() {
  FTimer.reset();  // no tick reaches a half-destroyed control
}

void TQvSkinCustomAnimation::SetImages(TCustomImageList* Value) {
  if (FImages) {
    FImages->UnRegisterChanges(&FImagesChangeLink);
    if (FImages != Value) FImages->RemoveFreeNotification(this);
  }
  FImages = Value;
  if (FImages) {
    FImages->RegisterChanges(&FImagesChangeLink);
    FImages->FreeNotification(this);
    if (FAutoSize) SetBounds(Left(), Top(), FImages->Width(), FImages->Height());
  }
  Invalidate();
}

void TQvSkinCustomAnimation::Notification(TComponent* AComponent, TOperation Operation) {
  TQvSkinCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) {
    FImages = nullptr;
    Invalidate();
  }
}

void TQvSkinCustomAnimation::ImagesChange(TObject* Sender) {
  if (Sender != FImages) return;
  Invalidate();
  Update();
}

void TQvSkinCustomAnimation::Start() {
  FTimer->SetInterval(Cardinal(std::max(FDelay, 0)));
  FTimer->SetEnabled(true);
  if (FReverse && !FImages) return;
  FCurFrame = AnimationStartFrame(FImages ? FImages->Count() : 0, FLoop, FReverse);
  Invalidate();  // the first frame shows now, not one tick later
}

void TQvSkinCustomAnimation::Stop() {
  FTimer->SetEnabled(false);
  FCurFrame = 0;
  Invalidate();  // show the frame it went back to
}

void TQvSkinCustomAnimation::Pause() {
  FTimer->SetEnabled(false);
}

void TQvSkinCustomAnimation::TimerTick(TObject*) {
  // Without a list there is nothing to step; a list assigned later plays on.
  if (Designing() || !FImages) return;
  switch (StepAnimation(FCurFrame, FForth, FImages->Count(), FLoop, FReverse)) {
    case atProcess:
      if (OnProcess) OnProcess(this);
      break;
    case atFinish:
      FTimer->SetEnabled(false);
      if (OnFinish) OnFinish(this);
      break;
    case atNone:
    case atLooped:
      break;
  }
  Invalidate();
}

void TQvSkinCustomAnimation::DrawBody(TBitmap32* Bitmap) {
  if (!FImages) return;
  const int Count = FImages->Count();
  if (Count <= 0) return;
  const int Index = std::clamp(FCurFrame, 0, Count - 1);
  FImages->Draw(*Bitmap->Canvas(), (Width() - FImages->Width()) / 2,
                (Height() - FImages->Height()) / 2, Index, true);
  GdiFlush();  // the platform's drawing reaches the pixels before anyone reads them
}

// ---- object text form ---------------------------------------------------------------

void TQvSkinCustomAnimation::Loaded() {
  TQvSkinCustomControl::Loaded();
  if (FPendingImages.empty()) return;
  auto* List = dynamic_cast<TCustomImageList*>(FindReferencedComponent(this, FPendingImages));
  FPendingImages.clear();
  if (List) SetImages(List);
}

const TPropTable& TQvSkinCustomAnimation::Properties() const {
  using C = TQvSkinCustomAnimation;
  static const TPropTable Table = TQvSkinCustomControl::Properties().With({
      Prop(L"AutoSize", &C::AutoSize, &C::SetAutoSize, DefaultAutoSize),
      Prop(L"Delay", &C::Delay, &C::SetDelay, DefaultDelay),
      RefProp(L"Images", &C::Images,
              [](C& Anim, const String& Name) { Anim.FPendingImages = Name; }),
      Prop(L"Loop", &C::Loop, &C::SetLoop, DefaultLoop),
      Prop(L"Reverse", &C::Reverse, &C::SetReverse),
  });
  return Table;
}

}  // namespace qv
