#include <windows.h>

#include "controls/QvMeasureCanvas.h"
#include "controls/QvSkinTips.h"
#include "graphics/SimpleTimer.h"
#include "host/Application.h"
#include "host/Form.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "host/Screen.h"
#include "raster/Bitmap32.h"
#include "resources/QvSkinIntfPictures.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinTips>(), true);

constexpr Cardinal kTipsTimerInterval = 50;
constexpr UINT kTextFormat = DT_EDITCONTROL | DT_END_ELLIPSIS | DT_NOPREFIX | DT_WORDBREAK;

// A copy of Font as the tips draw with it: scaled with the main form.
void ScaledFontInto(const TFont& Font, TFont& Into) {
  Into.Assign(const_cast<TFont*>(&Font));
  SetDPIScaledFont(Application ? Application->MainForm() : nullptr, &Into);
}

TSize MeasureIn(const TFont& Font, const String& Text, uint32_t Flags, int Width) {
  auto Canvas = NewMeasureCanvas();
  ScaledFontInto(Font, Canvas->Font());
  return CalcTextSize(*Canvas, Text, Flags, Width);
}

// The control's top-left on the screen through its parent; unchanged without one.
TPoint ScreenPosOf(const TControl* C) {
  if (!C->Parent()) return {C->Left(), C->Top()};
  return C->Parent()->ClientToScreen({C->Left(), C->Top()});
}

int ScreenHeight() {
  return Screen ? Screen->Height() : GetSystemMetrics(SM_CYSCREEN);
}

}  // namespace

// ---- tip window -------------------------------------------------------------------

TQvSkinTipsWindow::TQvSkinTipsWindow(TComponent* AOwner, TQvSkinCustomTips* TipsObj)
    : TCustomControl(AOwner),
      FTipsObj(TipsObj),
      FCloseButton(std::make_unique<TPngPictures>()),
      FMemBmp(std::make_unique<TBitmap32>()),
      FTimer(
          std::make_unique<TSimpleTimer>(kTipsTimerInterval, [this](TObject*) { DoOnTimer(); })) {
  FControlStyle.Exclude(csOpaque);
  FCloseButton->SetImage(L"QvSkinMini_close_btn");
  FCloseButton->SetCount(2);
  FCloseButton->SetNormal(0);
  FCloseButton->SetHot(1);
  FCloseButton->SetPressed(1);
  FCloseButton->SetActive(true);
  FT1 = int64_t(GetTickCount64());
  FTimer->SetEnabled(true);
}

TQvSkinTipsWindow::~TQvSkinTipsWindow() {
  FTimer->SetEnabled(false);
  if (FParentControl) FParentControl->RemoveFreeNotification(this);
  DestroyHandle();
}

void TQvSkinTipsWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP;
  Params.ExStyle = WS_EX_TOOLWINDOW;
  Params.WndParent = nullptr;
  Params.WindowClass.Style = (Params.WindowClass.Style | CS_SAVEBITS) & ~UINT(CS_DROPSHADOW);
}

void TQvSkinTipsWindow::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FParentControl) FParentControl = nullptr;
}

int TQvSkinTipsWindow::TitleHeight() const {
  return MeasureIn(*FTipsObj->TitleFont(), L"Ww", 0, 0).cy;
}

TSize TQvSkinTipsWindow::TipsHeight(const TRect* R) const {
  const int Width = R ? R->Width() : (FParentControl ? FParentControl->ClientWidth() : 0);
  const int Button = FTipsObj->CloseButtonVisible() ? FCloseButton->GetSingleWidth() : 0;
  TSize Size = MeasureIn(*FTipsObj->TipsFont(), FTips, kTextFormat,
                         std::max(TipsTextWidth(Width, Button), 1));
  if (R && Size.cy < R->Height()) Size.cy = R->Height();
  return Size;
}

void TQvSkinTipsWindow::ActivateTips(const String& Title, const String& Tips, const TRect* R,
                                     TWinControl* ParentControl) {
  FQvTips = FTipsObj;
  FTitle = Title;
  FTips = Tips;
  SetCaption(Tips);
  TTipsPlacement P;
  P.Direction = FQvTips->TipsDirection();
  P.HasRect = R != nullptr;
  if (R) P.R = *R;
  if (FParentControl) FParentControl->RemoveFreeNotification(this);
  FParentControl = ParentControl;
  if (ParentControl) {
    ParentControl->FreeNotification(this);
    FOldParentControlPos = ScreenPosOf(ParentControl);
    FTipsSize = TipsHeight(R);
    P.HasParent = true;
    const TPoint Origin = ParentControl->ClientOrigin();
    P.ParentClient =
        Bounds(Origin.X, Origin.Y, ParentControl->ClientWidth(), ParentControl->ClientHeight());
    P.TextHeight = FTipsSize.cy;
  }
  P.TitleHeight = TitleVisible() ? TitleHeight() : 0;
  const TRect W = TipsWindowRect(P);
  SetBounds(W.Left, W.Top, W.Width(), W.Height());
  HWND H = Handle();
  UpdateCloseButtonRect();
  DrawTips();
  SetWindowPos(H, HWND_TOP, W.Left, W.Top, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
  if (HDC DC = GetDC(H)) {
    FMemBmp->DrawTo(DC, 0, 0);
    ReleaseDC(H, DC);
  }
}

void TQvSkinTipsWindow::UpdateCloseButtonRect() {
  FCloseButtonRect =
      TipsCloseButtonRect(Width(), FCloseButton->GetSingleWidth(), FCloseButton->GetSingleHeight(),
                          FTipsObj->CloseButtonVisible());
}

void TQvSkinTipsWindow::DrawTips() {
  const TQvSkinCustomTips* T = FQvTips ? FQvTips : FTipsObj;
  const int W = Width(), H = Height();
  if (W <= 0 || H <= 0) return;
  TBitmap32& B = *FMemBmp;
  B.SetSize(W, H);
  B.FillRectS(0, 0, W, H, Color32(T->TipsColor()));
  B.FrameRectS(0, 0, W, H, Color32(T->FrameColor()));
  TRect Text = Rect(4, 4, W - 4, H - 4);
  Text.Right -= T->CloseButtonVisible() ? FCloseButton->GetSingleWidth() + 2 : 2;
  if (TitleVisible()) {
    ScaledFontInto(*T->TitleFont(), *B.Font());
    B.Textout(Text, DT_NOPREFIX, FTitle);
    Text.Top += B.TextHeight(L"Ww") + 4;
  }
  ScaledFontInto(*T->TipsFont(), *B.Font());
  UINT Format = kTextFormat;
  if (T->AlignmentHorizontal() == taRightJustify) Format |= DT_RIGHT;
  if (T->AlignmentHorizontal() == taCenter) Format |= DT_CENTER;
  if (T->AlignmentVertical() == taAlignBottom) Format |= DT_BOTTOM | DT_SINGLELINE;
  if (T->AlignmentVertical() == taVerticalCenter) Format |= DT_VCENTER | DT_SINGLELINE;
  B.Textout(Text, Format, FTips);
  if (T->CloseButtonVisible() && !FCloseButtonRect.IsEmpty()) {
    const int Index = FMouseInTips == itCloseButton
                          ? (FMousePressed ? FCloseButton->Pressed() : FCloseButton->Hot())
                          : FCloseButton->Normal();
    TBitmap32 Picture;
    if (FCloseButton->GetImageByIndex(Index, &Picture)) {
      Picture.SetDrawMode(dmBlend);
      B.Draw(FCloseButtonRect.Left, FCloseButtonRect.Top, &Picture);
    }
  }
}

void TQvSkinTipsWindow::Paint() {
  DrawTips();
  FMemBmp->DrawTo(Canvas()->Handle(), 0, 0);
}

void TQvSkinTipsWindow::SetMouseInTips(TMouseInTips Value) {
  if (FMouseInTips == Value) return;
  FMouseInTips = Value;
  if (HandleAllocated()) InvalidateRect(FHandle, nullptr, FALSE);
}

void TQvSkinTipsWindow::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    case WM_SIZE:
      UpdateCloseButtonRect();
      break;
    case WM_MOUSEMOVE: {
      FT1 = int64_t(GetTickCount64());
      if (!FTracking) {
        TRACKMOUSEEVENT T{sizeof(T), TME_LEAVE, FHandle, 0};
        FTracking = TrackMouseEvent(&T) != FALSE;
      }
      const int X = short(LOWORD(Message.LParam)), Y = short(HIWORD(Message.LParam));
      const TRect& R = FCloseButtonRect;
      const bool OnButton = X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
      SetMouseInTips(OnButton ? itCloseButton : itNone);
      break;
    }
    case WM_MOUSELEAVE:
      FTracking = false;
      FMousePressed = false;
      FMouseInTips = itNone;
      InvalidateRect(FHandle, nullptr, FALSE);
      break;
    case WM_LBUTTONDOWN:
      FMousePressed = true;
      InvalidateRect(FHandle, nullptr, FALSE);
      break;
    case WM_LBUTTONUP:
      FMousePressed = false;
      if (FMouseInTips == itCloseButton) {
        DoClose(false);
        return;
      }
      InvalidateRect(FHandle, nullptr, FALSE);
      break;
  }
  TCustomControl::WndProc(Message);
}

void TQvSkinTipsWindow::CheckParent() {
  if (!FParentControl || !FParentControl->Visible() || !HandleAllocated()) return;
  const TPoint Now = ScreenPosOf(FParentControl);
  if (Now != FOldParentControlPos) {
    const int DX = Now.X - FOldParentControlPos.X, DY = Now.Y - FOldParentControlPos.Y;
    SetBounds(Left() + DX, Top() + DY, Width(), Height());
    SetWindowPos(FHandle, HWND_TOP, Left(), Top(), 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    FOldParentControlPos = Now;
  }
  if (!FQvTips || !FQvTips->HideOfParentDeactivate()) return;
  if (TCustomForm* Form = GetParentForm(FParentControl, true)) {
    if (Form->Active()) {
      if (!IsWindowVisible(FHandle))
        SetWindowPos(FHandle, HWND_TOP, 0, 0, 0, 0,
                     SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    } else if (IsWindowVisible(FHandle)) {
      ShowWindow(FHandle, SW_HIDE);
    }
  }
}

void TQvSkinTipsWindow::DoOnTimer() {
  try {
    FT2 = int64_t(GetTickCount64());
    const int Pause = FTipsObj->PauseTime();
    if (Pause > 0 && FT2 - FT1 >= Pause) {
      FTimer->SetEnabled(false);
      DoClose(true);
      return;
    }
    CheckParent();
  } catch (...) {
    // A failing tick ends this window quietly; the message loop goes on.
    DoClose(false);
  }
}

void TQvSkinTipsWindow::DoClose(bool Animate) {
  FTimer->SetEnabled(false);
  if (Animate && HandleAllocated() && IsWindowVisible(FHandle))
    AnimateWindow(FHandle, 500, AW_HIDE | AW_BLEND);
  Close();
}

void TQvSkinTipsWindow::HoldStill() {
  FTimer->SetEnabled(false);
}

void TQvSkinTipsWindow::Close() {
  if (HandleAllocated()) SendMessageW(FHandle, WM_CLOSE, 0, 0);
}

// ---- component --------------------------------------------------------------------

TQvSkinCustomTips::TQvSkinCustomTips(TComponent* AOwner)
    : TComponent(AOwner),
      FTipsFont(std::make_unique<TFont>()),
      FTitleFont(std::make_unique<TFont>()) {
  FTipsFont->SetSize(9);
  FTipsFont->SetColor(28146);  // $006DF2
  FTitleFont->SetSize(10);
  FTitleFont->SetColor(5326307);  // $5145E3
  FTitleFont->SetStyle({fsBold});
}

TQvSkinCustomTips::~TQvSkinCustomTips() {
  CloseSubTipsWindow();
}

void TQvSkinCustomTips::CloseSubTipsWindow() {
  while (!FList.empty()) FList.pop_back();
}

void TQvSkinCustomTips::HoldWindowsStill() {
  for (auto& W : FList) W->HoldStill();
}

TSize TQvSkinCustomTips::GetTipsSize(const String& Text) const {
  return MeasureIn(*FTipsFont, Text, 0, 900);
}

HWND TQvSkinCustomTips::Show(const String& Title, const String& Tips, TWinControl* ParentControl,
                             const TRect* R, TTipsDirection Direction) {
  if (!ParentControl && !R) return nullptr;
  FTipsDirection = Direction;
  FList.push_back(std::make_unique<TQvSkinTipsWindow>(nullptr, this));
  TQvSkinTipsWindow* Window = FList.back().get();
  TRect Screen;
  if (R) {
    Screen = *R;
    if (ParentControl) {
      const TControl* Through =
          ParentControl->Parent() ? static_cast<TControl*>(ParentControl->Parent()) : ParentControl;
      const TPoint S = Through->ClientToScreen({R->Left, R->Top});
      Screen = Bounds(S.X, S.Y, R->Width(), TipsRectHeight(R->Height(), ScreenHeight()));
    }
  }
  Window->ActivateTips(Title, Tips, R ? &Screen : nullptr, ParentControl);
  return Window->HandleAllocated() ? Window->Handle() : nullptr;
}

namespace {

// The fonts as a new component sets them up, for writing only what differs.
const TFont* ReferenceFont(bool Title) {
  static const TQvSkinCustomTips Reference(nullptr);
  return Title ? Reference.TitleFont() : Reference.TipsFont();
}

}  // namespace

const TPropTable& TQvSkinCustomTips::Properties() const {
  return TComponent::Properties();
}

const TPropTable& TQvSkinTips::Properties() const {
  using C = TQvSkinTips;
  static const TPropTable Table = TQvSkinCustomTips::Properties().With({
      EnumProp(L"TipsDirection", &C::TipsDirection, &C::SetTipsDirection, DefaultTipsDirection,
               TTipsDirectionNames),
      ColorProp(L"TipsColor", &C::TipsColor, &C::SetTipsColor, DefaultTipsColor),
      ColorProp(L"FrameColor", &C::FrameColor, &C::SetFrameColor, DefaultFrameColor),
      ObjectProp(L"TipsFont", &C::TipsFont, ReferenceFont(false)),
      ObjectProp(L"TitleFont", &C::TitleFont, ReferenceFont(true)),
      Prop(L"PauseTime", &C::PauseTime, &C::SetPauseTime, DefaultPauseTime),
      Prop(L"CloseButtonVisible", &C::CloseButtonVisible, &C::SetCloseButtonVisible,
           DefaultCloseButtonVisible),
      EnumProp(L"AlignmentVertical", &C::AlignmentVertical, &C::SetAlignmentVertical,
               DefaultAlignmentVertical, TVerticalAlignmentNames),
      EnumProp(L"AlignmentHorizontal", &C::AlignmentHorizontal, &C::SetAlignmentHorizontal,
               DefaultAlignmentHorizontal, TAlignmentNames),
  });
  return Table;
}

}  // namespace qv
