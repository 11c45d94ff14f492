#include <windows.h>

#include "forms/QvSkinNCCtrls.h"
#include "graphics/BitmapHelperDC.h"
#include "graphics/SimpleTimer.h"
#include "host/Canvas.h"
#include "host/Font.h"
#include "host/Form.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "host/Screen.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered =
    (RegisterComponentClass<TQvSkinNCImage>(), RegisterComponentClass<TQvSkinNCLabel>(),
     RegisterComponentClass<TQvSkinNCMessage>(), true);

constexpr WPARAM kCaptionDrag = 0xF012;  // SC_MOVE | HTCAPTION

// Pressing a picture or a text in the title drags the window like the caption does.
void DragForm(TCustomForm* Form) {
  if (!Form || !Form->HandleAllocated()) return;
  ReleaseCapture();
  SendMessageW(HWND(Form->Handle()), WM_SYSCOMMAND, kCaptionDrag, 0);
}

// A surface to measure text on.
TBitmap32& Measurer() {
  static TBitmap32 B;
  if (B.Empty()) B.SetSize(1, 1);
  return B;
}

constexpr uint32_t EllipsisFlags[] = {0, DT_PATH_ELLIPSIS, DT_END_ELLIPSIS, DT_WORD_ELLIPSIS};

}  // namespace

// ---- TQvSkinNCImage ----

TQvSkinNCImage::TQvSkinNCImage(TComponent* AOwner) : TQvSkinNCCtrlBase(AOwner) {
  Pos()->SetXValue(2);
  Pos()->SetYValue(2);
}

void TQvSkinNCImage::SetPicture(const String& Value) {
  if (FPicture == Value) return;
  FPicture = Value;
  Invalidate();
}

TBitmap32* TQvSkinNCImage::Source() const {
  if (FPicture.empty()) return nullptr;
  try {
    TQvSkinResManager* M = TQvSkinResManagerObj();
    return M ? M->GetImageByName(FPicture) : nullptr;
  } catch (const std::exception&) {
    return nullptr;  // a file that is no picture draws nothing
  }
}

int TQvSkinNCImage::GetWidth() const {
  TBitmap32* S = Source();
  return S ? S->Width() : 0;
}

int TQvSkinNCImage::GetHeight() const {
  TBitmap32* S = Source();
  return S ? S->Height() : 0;
}

void TQvSkinNCImage::Paint(TBitmap32* Canvas) {
  TQvSkinNCCtrlBase::Paint(Canvas);
  TBitmap32* S = Source();
  if (!S) return;
  int X = Pos()->X();
  if (FormMaximized())
    if (IQvNCCtrlHost* H = Host()) X -= H->RealFrameWidth();
  TDrawMode Old = S->DrawMode();
  S->SetDrawMode(dmBlend);
  Canvas->Draw(X, Pos()->Y(), S);
  S->SetDrawMode(Old);
}

void TQvSkinNCImage::LMouseDown() {
  if (FCaptureMouse) DragForm(CommandForm());
  TQvSkinNCCtrlBase::LMouseDown();
}

const TPropTable& TQvSkinNCImage::Properties() const {
  using C = TQvSkinNCImage;
  static const TPropTable Table = TQvSkinNCCtrlBase::Properties().With({
      ResIDProp(L"Picture", &C::Picture, &C::SetPicture),
      Prop(L"CaptureMouse", &C::CaptureMouse, &C::SetCaptureMouse, DefaultCaptureMouse),
  });
  return Table;
}

// ---- TQvSkinNCLabel ----

TQvSkinNCLabel::TQvSkinNCLabel(TComponent* AOwner)
    : TQvSkinNCCtrlBase(AOwner),
      FFont(std::make_unique<TFont>()),
      FLight(std::make_unique<TQvLightClass>()) {
  auto* F = dynamic_cast<TCustomForm*>(AOwner);
  FCaption = F ? F->Caption() : String(L"NCLabel");
  Pos()->SetXValue(5);
  Pos()->SetYValue(5);
  FFont->OnChange = [this](TObject*) { Remeasure(); };
  FLight->OnChanged = [this](TObject*) { Invalidate(); };
}

TQvSkinNCLabel::~TQvSkinNCLabel() {
  FFont->OnChange = nullptr;
  FLight->OnChanged = nullptr;
}

void TQvSkinNCLabel::Remeasure() {
  FResetSize = true;
  Invalidate();
}

void TQvSkinNCLabel::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Remeasure();
}

void TQvSkinNCLabel::SetFont(TFont* Value) {
  FFont->Assign(Value);
}

void TQvSkinNCLabel::SetLight(TQvLightClass* Value) {
  if (Value) FLight->Assign(Value);
}

void TQvSkinNCLabel::SetEllipsisPosition(TEllipsisPosition Value) {
  if (FEllipsisPosition == Value) return;
  FEllipsisPosition = Value;
  Invalidate();
}

void TQvSkinNCLabel::SetRenderText(bool Value) {
  if (FRenderText == Value) return;
  FRenderText = Value;
  Invalidate();
}

void TQvSkinNCLabel::SetMaxWidth(int Value) {
  if (FMaxWidth == Value) return;
  FMaxWidth = Value;
  Remeasure();
}

void TQvSkinNCLabel::DPIChanged() {
  FResetSize = true;
  TQvSkinNCCtrlBase::DPIChanged();
}

void TQvSkinNCLabel::DoResetSize() const {
  if (!FResetSize) return;
  TBitmap32& M = Measurer();
  M.Font()->Assign(FFont.get());
  TSize T = M.TextExtent(FCaption);
  FSize = TSize{FMaxWidth ? FMaxWidth : T.cx, T.cy};
  FResetSize = false;
}

int TQvSkinNCLabel::Width() const {
  DoResetSize();
  return FSize.cx;
}

int TQvSkinNCLabel::Height() const {
  DoResetSize();
  return FSize.cy;
}

void TQvSkinNCLabel::Paint(TBitmap32* Canvas) {
  TQvSkinNCCtrlBase::Paint(Canvas);
  Canvas->Font()->Assign(FFont.get());
  const int X = Pos()->X(), Y = Pos()->Y();
  TRect R{X, Y, X + Width(), Y + Height()};
  uint32_t Flags = 0;
  if (FMaxWidth) {
    R.Right = R.Left + FMaxWidth;
    Flags = EllipsisFlags[FEllipsisPosition];
  }
  if (FLight->Active())
    if (TCanvas* C = Canvas->Canvas()) {
      C->Font().Assign(FFont.get());
      TRect G = R;
      DrawEffectText(*C, G, FCaption, FMaxWidth ? Flags : DT_VCENTER, 0, FLight->Color(),
                     FLight->BlurRadius());
    }
  const TColor32 Color = Color32(FFont->Color()) | 0xFF000000;
  if (!FMaxWidth) {
    if (FRenderText)
      Canvas->RenderText(X, Y, FCaption, 0, Color);
    else
      Canvas->Textout(X, Y, FCaption);
  } else if (FRenderText) {
    Canvas->RenderText(R, Flags, FCaption, Color);
  } else {
    Canvas->Textout(R, Flags, FCaption);
  }
}

void TQvSkinNCLabel::LMouseDown() {
  if (FCaptureMouse) DragForm(CommandForm());
  TQvSkinNCCtrlBase::LMouseDown();
}

const TPropTable& TQvSkinNCLabel::Properties() const {
  using C = TQvSkinNCLabel;
  static const TPropTable Table = TQvSkinNCCtrlBase::Properties().With({
      Prop(L"Caption", &C::Caption, &C::SetCaption),
      ObjectProp(L"Font", &C::Font),
      ObjectProp(L"Light", &C::Light),
      EnumProp(L"EllipsisPosition", &C::EllipsisPosition, &C::SetEllipsisPosition,
               TEllipsisPositionNames),
      Prop(L"CaptureMouse", &C::CaptureMouse, &C::SetCaptureMouse, DefaultCaptureMouse),
      Prop(L"RenderText", &C::RenderText, &C::SetRenderText),
      Prop(L"MaxWidth", &C::MaxWidth, &C::SetMaxWidth),
  });
  return Table;
}

// ---- TCustomQvSkinNCMessage ----

TCustomQvSkinNCMessage::TCustomQvSkinNCMessage(TComponent* AOwner)
    : TQvSkinNCCtrlBase(AOwner),
      FFont(std::make_unique<TFont>()),
      FHotFont(std::make_unique<TFont>()),
      FTimerObj(std::make_unique<TSimpleTimer>(DefaultSpeed)) {
  FHotFont->SetColor(16711680);  // blue
  FTimerObj->SetOnTimer([this](TObject*) { ScrollStep(); });
  Pos()->SetAlign(caRight);
  Pos()->SetXValue(150);
  Pos()->SetYValue(5);
  auto Repaint = [this](TObject*) { Invalidate(); };
  FFont->OnChange = Repaint;
  FHotFont->OnChange = Repaint;
  if (!Designing()) StartScroll();
}

TCustomQvSkinNCMessage::~TCustomQvSkinNCMessage() {
  FTimerObj->SetEnabled(false);
  FFont->OnChange = nullptr;
  FHotFont->OnChange = nullptr;
}

void TCustomQvSkinNCMessage::SetText(const String& Value) {
  if (FText == Value) return;
  FText = Value;
  FStarted = false;
  StartScroll();
}

void TCustomQvSkinNCMessage::SetFont(TFont* Value) {
  FFont->Assign(Value);
}

void TCustomQvSkinNCMessage::SetHotFont(TFont* Value) {
  FHotFont->Assign(Value);
}

void TCustomQvSkinNCMessage::SetWidth(int Value) {
  if (FWidth == Value) return;
  FWidth = Value;
  StartScroll();
}

void TCustomQvSkinNCMessage::SetSpeed(Cardinal Value) {
  FSpeed = Value;
  FTimerObj->SetInterval(Value);
}

void TCustomQvSkinNCMessage::SetActiveScroll(bool Value) {
  FActiveScroll = Value;
  if (Value)
    StartScroll();
  else
    StopScroll();
}

bool TCustomQvSkinNCMessage::Scrolling() const {
  return FTimerObj->Enabled();
}

TFont* TCustomQvSkinNCMessage::CurrentFont() const {
  return FHot ? FHotFont.get() : FFont.get();
}

void TCustomQvSkinNCMessage::Measure() {
  TBitmap32& M = Measurer();
  M.Font()->Assign(CurrentFont());
  TSize T = M.TextExtent(FText);
  FTextWidth = T.cx;
  FTextHeight = T.cy;
  const int X = Pos()->X(), Y = Pos()->Y();
  FMessageRect = TRect{X - FWidth, Y, X, Y + FTextHeight};
  if (!FStarted) {
    // The text enters from the right end of its area.
    FStarted = true;
    FDispX = FMessageRect.Right;
  }
}

void TCustomQvSkinNCMessage::StartScroll() {
  if (Designing()) return;
  Measure();
  Invalidate();
  if (FActiveScroll) FTimerObj->SetEnabled(true);
}

void TCustomQvSkinNCMessage::StopScroll() {
  FTimerObj->SetEnabled(false);
}

TRect TCustomQvSkinNCMessage::GetRect() const {
  return TRect{FMessageRect.Left + ClientRectOffset.X, FMessageRect.Top + ClientRectOffset.Y,
               FMessageRect.Right + ClientRectOffset.X, FMessageRect.Bottom + ClientRectOffset.Y};
}

void TCustomQvSkinNCMessage::Paint(TBitmap32* Canvas) {
  TQvSkinNCCtrlBase::Paint(Canvas);
  Measure();
  const TRect& R = FMessageRect;
  FBgCanvas.SetSize(FWidth, FTextHeight);
  FBgCanvas.Draw(0, 0, R, Canvas);
  DrawText(nullptr);
  Canvas->Draw(R.Left, R.Top, &FTextCanvas);
}

void TCustomQvSkinNCMessage::DrawText(HDC DC) {
  FTextCanvas.Assign(&FBgCanvas);
  FTextCanvas.Font()->Assign(CurrentFont());
  FNewX = FMessageRect.Left;
  FTextCanvas.RenderText(FDispX - FMessageRect.Left, 0, FText, 0,
                         Color32(CurrentFont()->Color()) | 0xFF000000);
  if (DC) FTextCanvas.DrawTo(DC, FNewX, FMessageRect.Top);
}

void TCustomQvSkinNCMessage::ScrollStep() {
  if (Trim(FText).empty() || FBgCanvas.Empty()) return;
  FDispX -= FStep;
  if (FDispX + FTextWidth < FMessageRect.Left) {
    if (FLoopMode)
      FDispX = FMessageRect.Right;
    else
      StopScroll();
  } else if (FDispX > FMessageRect.Right) {
    FDispX = FMessageRect.Right;
  }
  if (!FForm || !FForm->HandleAllocated() || IsIconic(HWND(FForm->Handle()))) return;
  HWND H = HWND(FForm->Handle());
  // A layered window (the alpha form) shows only the pictures pushed to it: the host draws
  // its frame again instead.
  if (GetWindowLongPtrW(H, GWL_EXSTYLE) & WS_EX_LAYERED) {
    Invalidate();
    return;
  }
  HDC DC = GetWindowDC(H);
  DrawText(DC);
  ReleaseDC(H, DC);
}

void TCustomQvSkinNCMessage::MouseEnter() {
  if (!FAllowClick) return;
  FHot = true;
  if (FCursor != 0) HookCursor(FCursor);
  TQvSkinNCCtrlBase::MouseEnter();
}

void TCustomQvSkinNCMessage::MouseLeave() {
  if (!FAllowClick) return;
  FHot = false;
  if (gHookedCursor) UnhookCursor();
  TQvSkinNCCtrlBase::MouseLeave();
}

void TCustomQvSkinNCMessage::LMouseDown() {
  if (!FAllowClick) {
    DragForm(CommandForm());
    return;
  }
  FHot = true;
  TQvSkinNCCtrlBase::LMouseDown();
}

void TCustomQvSkinNCMessage::LMouseUp() {
  if (!Visible()) return;
  TQvSkinNCCtrlBase::LMouseUp();
  if (FAllowClick) Click();
}

void TCustomQvSkinNCMessage::Click() {
  if (OnClick) OnClick(this);
}

const TPropTable& TCustomQvSkinNCMessage::Properties() const {
  using C = TCustomQvSkinNCMessage;
  static const TPropTable Table = TQvSkinNCCtrlBase::Properties().With({
      Prop(L"Text", &C::Text, &C::SetText, DefaultText),
      ObjectProp(L"Font", &C::Font),
      ObjectProp(L"HotFont", &C::HotFont),
      Prop(L"Width", &C::Width, &C::SetWidth, DefaultWidth),
      Prop(L"Speed", &C::Speed, &C::SetSpeed, DefaultSpeed),
      Prop(L"Step", &C::Step, &C::SetStep, DefaultStep),
      Prop(L"LoopMode", &C::LoopMode, &C::SetLoopMode, DefaultLoopMode),
      Prop(L"ActiveScroll", &C::ActiveScroll, &C::SetActiveScroll, DefaultActiveScroll),
      Prop(L"AllowClick", &C::AllowClick, &C::SetAllowClick),
      Prop(L"Cursor", &C::Cursor, &C::SetCursor, DefaultCursor),
  });
  return Table;
}

}  // namespace qv
