// How the push buttons other than the image button draw: the skin button, the flat tool
// button with its icon and glowing caption, and the animate button's frames.
#include <windows.h>

#include <algorithm>

#include "controls/QvSkinButton.h"
#include "graphics/BitmapHelperDC.h"
#include "graphics/QvComm.h"
#include "graphics/QvGR32LibSlicing.h"
#include "host/Canvas.h"
#include "host/Font.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered =
    (RegisterComponentClass<TQvSkinButton>(), RegisterComponentClass<TQvSkinToolButton>(),
     RegisterComponentClass<TQvSkinAnimateButton>(), true);

void UsePictures(TPngPictures& P, const wchar_t* Image, int Count, int Disable) {
  P.Lock();
  P.SetImage(Image);
  P.SetCount(Count);
  P.SetNormal(0);
  P.SetHot(1);
  P.SetPressed(2);
  P.SetDisable(Disable);
  P.SetActive(true);
  P.UnLock();
}

// A working copy of the buffer the body is drawn on, copied back when it goes.
struct TWorkSurface {
  explicit TWorkSurface(TBitmap32* Target) : Target(Target) {
    Dst.SetSize(Target->Width(), Target->Height());
    Dst.Draw(0, 0, Target);
  }
  ~TWorkSurface() { Target->Draw(0, 0, &Dst); }
  TWorkSurface(const TWorkSurface&) = delete;
  TWorkSurface& operator=(const TWorkSurface&) = delete;
  TBitmap32* Target;
  TBitmap32 Dst;
};

}  // namespace

// ---- TQvSkinButton --------------------------------------------------------------------

TQvSkinButton::TQvSkinButton(TComponent* AOwner) : TQvSkinCustomButton(AOwner) {
  SetCaptionVisible(true);
  UsePictures(*Pictures(), DefaultPicture, 5, 3);
  SetBounds(Left(), Top(), 75, 27);
  FPictureChanged = false;
}

void TQvSkinButton::DrawBody(TBitmap32* Bitmap) {
  TWorkSurface W(Bitmap);
  TBitmap32& Dst = W.Dst;
  auto Updating = UpdateScope(Dst);
  TRect C = ClientRect();
  TBitmap32 Picture;
  if (StatePicture(*Pictures(), Picture)) StretchBitmap(&Picture, &Dst, false);
  if (Visual() == bvPressed) OffsetRect(C, PressedOffset(), PressedOffset());
  if (LayerMode()) DrawLayers(&Dst);
  DrawDropdownMenu(&Dst);
  if (CaptionVisible()) {
    C.Right -= DropdownWidth();
    Dst.Font()->Assign(CaptionFont());
    if (!Enabled()) Dst.Font()->SetColor(DisabledTextColor);
    DrawCaptionText(Dst, C);
  }
  DrawDesignFrame(&Dst);
  DrawFocusFrame(&Dst);
  DrawFocusCueIfShown(&Dst);
  if (OnCustomPaint) OnCustomPaint(this, &Dst);
}

const TPropTable& TQvSkinButton::Properties() const {
  // The picture set differs from the base's defaults: written against a reference set.
  static const auto Reference = [] {
    auto P = std::make_unique<TPngPictures>();
    UsePictures(*P, DefaultPicture, 5, 3);
    return P;
  }();
  using C = TQvSkinButton;
  static const TPropTable Table = TQvSkinCustomButton::Properties().With({
      Prop(L"CaptionVisible", &C::CaptionVisible, &C::SetCaptionVisible, true),
      ObjectProp(L"Pictures", &C::Pictures, Reference.get()),
  });
  return Table;
}

// ---- TQvSkinToolButton ----------------------------------------------------------------

TQvSkinToolButton::TQvSkinToolButton(TComponent* AOwner)
    : TQvSkinCustomButton(AOwner), FLight(std::make_unique<TQvLightClass>()) {
  UsePictures(*Pictures(), DefaultPicture, 3, 0);
  FLight->OnChanged = [this](TObject*) { Invalidate(); };
  SetBounds(Left(), Top(), 22, 22);
  FPictureChanged = false;
}

TQvSkinToolButton::~TQvSkinToolButton() {
  FLight->OnChanged = nullptr;
}

void TQvSkinToolButton::SetImage(const TQvResID& Value) {
  if (FImage == Value) return;
  FImage = Value;
  Invalidate();
}

void TQvSkinToolButton::DrawBody(TBitmap32* Bitmap) {
  TWorkSurface W(Bitmap);
  TBitmap32& Dst = W.Dst;
  auto Updating = UpdateScope(Dst);
  const TRect R = ClientRect();
  TRect C = ScaledOffsetRect(R, *CaptionOffset());
  TRect I = ScaledOffsetRect(R, *ImageOffset());
  // Hot, pressed or normal only: no disabled picture, no grey caption.
  TBitmap32 Picture;
  bool Got;
  if (State().Hot())
    Got = Pictures()->GetHotImage(&Picture);
  else if (State().Pressed())
    Got = Pictures()->GetPressedImage(&Picture);
  else
    Got = Pictures()->GetNormalImage(&Picture);
  if (!State().Hot() && State().Pressed()) {
    if (PressedOffset() > 0) {
      C.Left += 1;
      C.Bottom += 1;
    }
    I.Left += PressedOffset();
    I.Bottom += PressedOffset();
  }
  if (Got && Pictures()->Active()) StretchBitmap(&Picture, &Dst, false);
  if (LayerMode()) DrawLayers(&Dst);
  DrawDropdownMenu(&Dst);
  if (TQvSkinImage* Icon = SkinPicture(FImage)) Dst.Draw(I.Left, I.Top, Icon);
  if (CaptionVisible() && !Caption().empty()) {
    Dst.Font()->Assign(CaptionFont());
    const TSize Extent = Dst.TextExtent(Caption());
    TRect T{C.Left, C.Top, C.Left + Extent.cx, C.Top + Extent.cy};
    uint32_t Flags = 0;
    const bool Centred = !WordWrap() && CaptionOffset()->X() == 0 && CaptionOffset()->Y() == 0;
    if (Centred) {
      T = C;
      Flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    }
    if (FLight->Active())
      if (TCanvas* Canvas = Dst.Canvas()) {
        Canvas->Font().Assign(Dst.Font());
        TRect G = T;
        DrawEffectText(*Canvas, G, Caption(), Flags, 0, FLight->Color(), FLight->BlurRadius());
      }
    if (Centred || WordWrap())
      Dst.Textout(T, Flags, Caption());
    else
      Dst.Textout(T.Left, T.Top, Caption());
  }
  DrawDesignFrame(&Dst);
  DrawFocusCueIfShown(&Dst);
  if (OnCustomPaint) OnCustomPaint(this, &Dst);
}

const TPropTable& TQvSkinToolButton::Properties() const {
  static const auto Reference = [] {
    auto P = std::make_unique<TPngPictures>();
    UsePictures(*P, DefaultPicture, 3, 0);
    return P;
  }();
  using C = TQvSkinToolButton;
  static const TPropTable Table = TQvSkinCustomButton::Properties().With({
      ResIDProp(L"Image", &C::Image, &C::SetImage),
      ObjectProp(L"Light", &C::Light),
      ObjectProp(L"Pictures", &C::Pictures, Reference.get()),
  });
  return Table;
}

// ---- TQvSkinAnimateButton -------------------------------------------------------------

void TQvAnimatePicture::Assign(TPersistent* Source) {
  if (auto* S = dynamic_cast<TQvAnimatePicture*>(Source)) {
    SetPicture(S->FPicture);
    SetCount(S->FCount);
    return;
  }
  TQvNotifyPersistent::Assign(Source);
}

const TPropTable& TQvAnimatePicture::Properties() const {
  using C = TQvAnimatePicture;
  static const TPropTable Table = TPersistent::Properties().With({
      Prop(L"Count", &C::Count, &C::SetCount),
      ResIDProp(L"Picture", &C::Picture, &C::SetPicture),
  });
  return Table;
}

TQvSkinAnimateButton::TQvSkinAnimateButton(TComponent* AOwner)
    : TQvSkinCustomButton(AOwner),
      FAnimate(std::make_unique<TQvAnimatePicture>()),
      FTimer(new TTimer(this)) {
  SetCaptionVisible(false);
  SetBounds(Left(), Top(), 48, 48);
  FTimer->SetEnabled(false);
  FTimer->OnTimer = [this](TObject*) { Tick(); };
  FAnimate->OnChanged = [this](TObject*) { UpdateFrames(); };
}

TQvSkinAnimateButton::~TQvSkinAnimateButton() {
  FAnimate->OnChanged = nullptr;
}

void TQvSkinAnimateButton::SetAnimateSpeed(Cardinal Value) {
  FAnimateSpeed = Value;
  UpdateFrames();
}

void TQvSkinAnimateButton::UpdateFrames() {
  FCurrent = nullptr;
  FreeDynImg(FFrames);
  if (FAnimate->Count() >= 1)
    SpliteImg(SkinPicture(FAnimate->Picture()), FAnimate->Count(), FFrames);
  FFrameIndex = std::clamp(FFrameIndex, 0, std::max(int(FFrames.size()) - 1, 0));
  if (!FFrames.empty()) FTimer->SetInterval(AnimateFrameInterval(FAnimateSpeed, FrameCount()));
  Invalidate();
}

void TQvSkinAnimateButton::ScaleControlsForDpi(int NewPPI) {
  TQvSkinCustomButton::ScaleControlsForDpi(NewPPI);
  UpdateFrames();
}

void TQvSkinAnimateButton::ShowFrame(int Index) {
  FTimer->SetEnabled(false);
  if (Index < 0 || Index >= FrameCount()) return;
  FFrameIndex = Index;
  FFrameHeld = true;
  FCurrent = FFrames[size_t(Index)].get();
  Invalidate();
}

void TQvSkinAnimateButton::Tick() {
  if (FFrameIndex >= 0 && FFrameIndex < FrameCount()) {
    FCurrent = FFrames[size_t(FFrameIndex)].get();
    Invalidate();
  }
  if (auto Next = AnimateNextFrame(FFrameIndex, FrameCount(), State().MouseIn))
    FFrameIndex = *Next;
  else
    FTimer->SetEnabled(false);
}

void TQvSkinAnimateButton::MouseEnter() {
  TQvSkinCustomButton::MouseEnter();
  if (Designing()) return;
  FFrameHeld = false;
  FFrameIndex = 0;
  FTimer->SetEnabled(!FFrames.empty());
}

void TQvSkinAnimateButton::MouseLeave() {
  TQvSkinCustomButton::MouseLeave();
  if (Designing()) return;
  // Backward from where the forward run stopped.
  FTimer->SetEnabled(!FFrames.empty());
}

void TQvSkinAnimateButton::DrawBody(TBitmap32* Bitmap) {
  TWorkSurface W(Bitmap);
  TBitmap32& Dst = W.Dst;
  auto Updating = UpdateScope(Dst);
  TQvSkinImage* Frame = nullptr;
  if (!FFrames.empty())
    Frame = (State().MouseIn || FTimer->Enabled() || FFrameHeld) && FCurrent ? FCurrent
                                                                             : FFrames[0].get();
  if (Frame) {
    const int D = State().Pressed() ? 1 : 0;
    Dst.Draw(D, D, Frame);
  }
  if (CaptionVisible()) {
    Dst.Font()->Assign(Font());
    Dst.Textout(CaptionOffset()->X(), CaptionOffset()->Y(), Caption());
  }
  DrawDesignFrame(&Dst);
  DrawFocusCueIfShown(&Dst);
  if (OnCustomPaint) OnCustomPaint(this, &Dst);
}

const TPropTable& TQvSkinAnimateButton::Properties() const {
  using C = TQvSkinAnimateButton;
  static const TPropTable Table = TQvSkinCustomButton::Properties().With({
      ObjectProp(L"Animate", &C::Animate),
      Prop(L"AnimateSpeed", &C::AnimateSpeed, &C::SetAnimateSpeed, DefaultAnimateSpeed),
  });
  return Table;
}

}  // namespace qv
