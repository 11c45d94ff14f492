#include <windows.h>

#include "forms/QvSkinNCButton.h"
#include "host/Font.h"
#include "host/Form.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "host/Screen.h"
#include "raster/Bitmap32.h"

namespace qv {

namespace {
const bool kRegistered = (RegisterComponentClass<TQvSkinNCButton>(),
                          RegisterComponentClass<TQvSkinSystemButton>(), true);
}  // namespace

// ---- TQvSkinCustomNCButton ----

TQvSkinCustomNCButton::TQvSkinCustomNCButton(TComponent* AOwner)
    : TQvSkinNCCtrlBase(AOwner),
      FPicture(std::make_unique<TPngPictures>()),
      FCaptionOffset(std::make_unique<TQvOffset>()),
      FFont(std::make_unique<TFont>()),
      FHotFont(std::make_unique<TFont>()) {
  FPicture->SetActive(true);
  FPicture->SetPicturesChanged([this](TObject* Sender) { DoPictureChanged(Sender); });
  auto Repaint = [this](TObject*) { Invalidate(); };
  FFont->OnChange = Repaint;
  FHotFont->OnChange = Repaint;
  FCaptionOffset->OnChanged = Repaint;
}

TQvSkinCustomNCButton::~TQvSkinCustomNCButton() {
  // The strip may notify while it goes; nothing is left to repaint then.
  FPicture->SetPicturesChanged(nullptr);
}

void TQvSkinCustomNCButton::SetDown(bool Value) {
  if (FDown == Value) return;
  FDown = Value;
  if (Value) {
    FState = bsPressed;
    TurnSiblingsOff();
  } else {
    FState = bsNormal;
  }
  Invalidate();
}

void TQvSkinCustomNCButton::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Invalidate();
}

void TQvSkinCustomNCButton::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Invalidate();
}

void TQvSkinCustomNCButton::SetFont(TFont* Value) {
  FFont->Assign(Value);
}

void TQvSkinCustomNCButton::SetHotFont(TFont* Value) {
  FHotFont->Assign(Value);
}

void TQvSkinCustomNCButton::MouseEnter() {
  if (!Visible()) return;
  if (FEnabled) {
    FState = FDown ? bsPressed : bsHot;
    if (FCursor != 0) HookCursor(FCursor);
  }
  TQvSkinNCCtrlBase::MouseEnter();
}

void TQvSkinCustomNCButton::MouseLeave() {
  if (!Visible()) return;
  if (FEnabled) {
    FState = FDown ? bsPressed : bsNormal;
    if (gHookedCursor) UnhookCursor();
  }
  TQvSkinNCCtrlBase::MouseLeave();
}

void TQvSkinCustomNCButton::MouseMove() {
  if (!Visible() || !FEnabled || FCursor == 0) return;
  if (Screen && Screen->Cursor() != FCursor) {
    gHookedCursor = false;
    HookCursor(FCursor);
  }
}

void TQvSkinCustomNCButton::LMouseDown() {
  if (FEnabled) FState = bsPressed;
  TQvSkinNCCtrlBase::LMouseDown();
}

void TQvSkinCustomNCButton::LMouseUp() {
  if (!FEnabled || !Visible()) {
    TQvSkinNCCtrlBase::LMouseUp();
    return;
  }
  if (FAllowAllUp)
    SetDown(!FDown);
  else if (FGroupIndex > 0)
    SetDown(true);
  else
    FState = bsHot;
  // A pressed button that stays down shows pressed; one that came up shows hot.
  if (!FDown) FState = bsHot;
  TQvSkinNCCtrlBase::LMouseUp();
  Click();
}

void TQvSkinCustomNCButton::Click() {
  if (FEnabled && OnClick) OnClick(this);
}

void TQvSkinCustomNCButton::TurnSiblingsOff() {
  IQvNCCtrlHost* H = Host();
  if (!H) return;
  // Copy: a sibling's repaint may let the host's list change.
  std::vector<TQvSkinNCCtrlBase*> List = H->NCCtrlList();
  for (TQvSkinNCCtrlBase* C : List)
    if (auto* B = dynamic_cast<TQvSkinCustomNCButton*>(C);
        B && B != this && B->FGroupIndex == FGroupIndex)
      B->SetDown(false);
}

void TQvSkinCustomNCButton::DoPictureChanged(TObject*) {
  if (FPicture->SourceImage()) {
    Pos()->SetWidth(FPicture->GetSingleWidth());
    Pos()->SetHeight(FPicture->GetSingleHeight());
  } else {
    Pos()->SetWidth(0);
    Pos()->SetHeight(0);
  }
  Invalidate();
}

void TQvSkinCustomNCButton::Paint(TBitmap32* Canvas) {
  TQvSkinNCCtrlBase::Paint(Canvas);
  int X = Pos()->X(), Y = Pos()->Y();
  if (FPicture->Active()) {
    TBitmap32 Frame;
    int Index = !FEnabled             ? FPicture->Disable()
                : FState == bsHot     ? FPicture->Hot()
                : FState == bsPressed ? FPicture->Pressed()
                                      : FPicture->Normal();
    if (FPicture->GetImageByIndex(Index, &Frame)) {
      Frame.SetDrawMode(dmBlend);
      Canvas->Draw(X, Y, &Frame);
    }
  }
  if (FCaption.empty()) return;
  Canvas->Font()->Assign(FState == bsNormal ? FFont.get() : FHotFont.get());
  TSize T = Canvas->TextExtent(FCaption);
  if (Pos()->Width() < T.cx) Pos()->SetWidth(T.cx);
  if (Pos()->Height() < T.cy) Pos()->SetHeight(T.cy);
  Canvas->RenderText(X + FCaptionOffset->X(), Y + FCaptionOffset->Y(), FCaption, 0,
                     Color32(Canvas->Font()->Color()));
}

const TPropTable& TQvSkinCustomNCButton::Properties() const {
  using C = TQvSkinCustomNCButton;
  static const TPropTable Table = TQvSkinNCCtrlBase::Properties().With({
      ObjectProp(L"Picture", &C::Picture),
      Prop(L"Down", &C::Down, &C::SetDown),
      Prop(L"GroupIndex", &C::GroupIndex, &C::SetGroupIndex),
      Prop(L"AllowAllUp", &C::AllowAllUp, &C::SetAllowAllUp),
      Prop(L"Enabled", &C::Enabled, &C::SetEnabled, DefaultEnabled),
      Prop(L"Cursor", &C::Cursor, &C::SetCursor),
  });
  return Table;
}

const TPropTable& TQvSkinNCButton::Properties() const {
  using C = TQvSkinNCButton;
  static const TPropTable Table = TQvSkinCustomNCButton::Properties().With({
      Prop(L"Caption", &C::Caption, &C::SetCaption),
      ObjectProp(L"CaptionOffset", &C::CaptionOffset),
      ObjectProp(L"Font", &C::Font),
      ObjectProp(L"HotFont", &C::HotFont),
  });
  return Table;
}

// ---- TQvSkinSystemButton ----

TQvSkinSystemButton::TQvSkinSystemButton(TComponent* AOwner) : TQvSkinCustomNCButton(AOwner) {
  Pos()->SetAlign(caRight);
  Pos()->SetUseDefault(true);
  ResetDestImage();
}

void TQvSkinSystemButton::SetKind(TSystemButtonKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  ResetDestImage();
}

void TQvSkinSystemButton::SetImageName(String& Field, const String& Value) {
  if (Field == Value) return;
  Field = Value;
  DoPictureChanged(Picture());
}

void TQvSkinSystemButton::ResetDestImage() {
  TScopedValue Busy(FResetting, true);
  static constexpr int KindX[] = {40, 96, 68};  // close, minimise, maximise
  const String& Image = FKind == bkClose      ? FCloseImage
                        : FKind == bkMinimize ? FMinimizeImage
                                              : FMaximizeImage;
  Picture()->SetImage(Image);
  if (Pos()->UseDefault()) {
    Pos()->SetXValue(KindX[FKind]);
    Pos()->SetYValue(-1);
  }
  TQvSkinCustomNCButton::DoPictureChanged(Picture());
}

void TQvSkinSystemButton::DoPictureChanged(TObject* Sender) {
  if (FResetting)
    TQvSkinCustomNCButton::DoPictureChanged(Sender);
  else
    ResetDestImage();
}

void TQvSkinSystemButton::Paint(TBitmap32* Canvas) {
  if (FKind == bkMaximize) {
    // The maximise button shows the restore picture while the form is maximised.
    TPngPictures* P = Picture();
    P->Lock();
    P->SetImage(FormMaximized() ? FRestoresizeImage : FMaximizeImage);
    P->UnLock();
  }
  TQvSkinCustomNCButton::Paint(Canvas);
}

void TQvSkinSystemButton::LMouseUp() {
  TQvSkinCustomNCButton::LMouseUp();
  if (!Enabled()) return;
  TCustomForm* F = CommandForm();
  if (!F || !F->HandleAllocated()) return;
  HWND H = HWND(F->Handle());
  WPARAM Command = FKind == bkClose      ? SC_CLOSE
                   : FKind == bkMinimize ? SC_MINIMIZE
                   : IsZoomed(H)         ? SC_RESTORE
                                         : SC_MAXIMIZE;
  SendMessageW(H, WM_SYSCOMMAND, Command, 0);
}

const TPropTable& TQvSkinSystemButton::Properties() const {
  using C = TQvSkinSystemButton;
  static const TPropTable Table = TQvSkinCustomNCButton::Properties().With({
      EnumProp(L"Kind", &C::Kind, &C::SetKind, TSystemButtonKindNames),
      ResIDProp(L"CloseImage", &C::CloseImage, &C::SetCloseImage, DefaultCloseImage),
      ResIDProp(L"MinimizeImage", &C::MinimizeImage, &C::SetMinimizeImage, DefaultMinimizeImage),
      ResIDProp(L"MaximizeImage", &C::MaximizeImage, &C::SetMaximizeImage, DefaultMaximizeImage),
      ResIDProp(L"RestoresizeImage", &C::RestoresizeImage, &C::SetRestoresizeImage,
                DefaultRestoresizeImage),
  });
  return Table;
}

}  // namespace qv
