#include <windows.h>

#include <algorithm>
#include <vector>

#include "controls/QvMeasureCanvas.h"
#include "controls/QvSkinHint.h"
#include "host/Form.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "host/Screen.h"
#include "raster/Bitmap32.h"
#include "raster/Polygons.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinHint>(), true);

// Live hint components, oldest first.
std::vector<TQvSkinHint*>& LiveHints() {
  static std::vector<TQvSkinHint*> Hints;
  return Hints;
}

THintWindow* NewSkinHintWindow(TComponent* Owner) {
  auto* Window = new TQvSkinHintWindow(Owner);
  if (TQvSkinHint* Hint = FindQvSkinHint()) {
    Window->Canvas()->Font().Assign(Hint->HintFont());
    SetDPIScaledFont(Application->MainForm(), &Window->Canvas()->Font());
  }
  return Window;
}

// The work area of the monitor at P (the whole screen without monitors).
TRect WorkAreaAt(TPoint P) {
  if (Screen)
    if (TMonitor* M = Screen->MonitorFromPoint(P)) return M->WorkareaRect();
  return Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

void SetDefaultHintFont(TFont& Font) {
  Font.SetSize(9);
  Font.SetColor(3031386);  // $2E415A
}

}  // namespace

TQvSkinHint* FindQvSkinHint() {
  if (Application)
    if (TCustomForm* Main = Application->MainForm())
      for (int I = 0; I < Main->ComponentCount(); ++I)
        if (auto* Hint = dynamic_cast<TQvSkinHint*>(Main->Components(I))) return Hint;
  return LiveHints().empty() ? nullptr : LiveHints().back();
}

std::unique_ptr<TBitmap32> FormToBitmap32(TCustomForm* Form) {
  auto Result = std::make_unique<TBitmap32>();
  if (!Form) return Result;
  Result->SetSize(Form->ClientWidth(), Form->ClientHeight());
  if (!Result->Empty() && Form->HandleAllocated()) Form->PaintTo(Result->Handle(), 0, 0);
  Result->ResetAlpha();
  return Result;
}

// ---- component --------------------------------------------------------------------

TQvSkinHint::TQvSkinHint(TComponent* AOwner)
    : TComponent(AOwner), FHintFont(std::make_unique<TFont>()) {
  if (AOwner && !dynamic_cast<TCustomForm*>(AOwner))
    throw Exception(L"TQvSkinHint must be owned by a form");
  SetDefaultHintFont(*FHintFont);
  FHintFont->OnChange = [this](TObject*) { SetNewHintFont(); };
  LiveHints().push_back(this);
  if (Application) {
    Application->SetHintPause(FHintPauseTime);
    Application->SetHintHidePause(FHintHidePauseTime);
  }
  if (ComponentState().Contains(csDesigning) || !Application) return;
  FOldHintWindowClass = Application->HintWindowClass();
  FSavedOld = true;
  Install(true);
}

TQvSkinHint::~TQvSkinHint() {
  std::erase(LiveHints(), this);
  FHintFont->OnChange = nullptr;
  if (FSavedOld && Application) Application->SetHintWindowClass(FOldHintWindowClass);
}

void TQvSkinHint::Install(bool Skinned) {
  if (!Application) return;
  Application->SetHintWindowClass(Skinned ? THintWindowClass(NewSkinHintWindow)
                                          : FOldHintWindowClass);
  SetNewHintFont();
}

void TQvSkinHint::Loaded() {
  TComponent::Loaded();
  if (ComponentState().Contains(csDesigning)) return;
  if (FEnabled) Install(true);
  SetNewHintFont();
}

void TQvSkinHint::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  if (!ComponentState().Contains(csDesigning)) Install(Value);
}

void TQvSkinHint::SetHintPauseTime(int Value) {
  if (FHintPauseTime == Value) return;
  FHintPauseTime = Value;
  if (Application) Application->SetHintPause(Value);
}

void TQvSkinHint::SetHintHidePauseTime(int Value) {
  if (FHintHidePauseTime == Value) return;
  FHintHidePauseTime = Value;
  if (Application) Application->SetHintHidePause(Value);
}

void TQvSkinHint::SetHintFont(TFont* Value) {
  FHintFont->Assign(Value);
  SetNewHintFont();
}

void TQvSkinHint::SetNewHintFont() {
  if (!Application) return;
  if (auto* Window = dynamic_cast<TQvSkinHintWindow*>(Application->HintWindow())) {
    Window->Canvas()->Font().Assign(FHintFont.get());
    SetDPIScaledFont(Application->MainForm(), &Window->Canvas()->Font());
  }
}

const TPropTable& TQvSkinHint::Properties() const {
  using C = TQvSkinHint;
  static const TFont* Reference = [] {
    static TFont Font;
    SetDefaultHintFont(Font);
    return &Font;
  }();
  static const TPropTable Table = TComponent::Properties().With({
      Prop(L"AutoPosition", &C::AutoPosition, &C::SetAutoPosition, DefaultAutoPosition),
      EnumProp(L"HintDirection", &C::HintDirection, &C::SetHintDirection, DefaultHintDirection,
               THintDirectionNames),
      ColorProp(L"HintColor", &C::HintColor, &C::SetHintColor, DefaultHintColor),
      ColorProp(L"FrameColor", &C::FrameColor, &C::SetFrameColor, DefaultFrameColor),
      ObjectProp(L"HintFont", &C::HintFont, Reference),
      Prop(L"HintPauseTime", &C::HintPauseTime, &C::SetHintPauseTime, DefaultHintPauseTime),
      Prop(L"HintHidePauseTime", &C::HintHidePauseTime, &C::SetHintHidePauseTime,
           DefaultHintHidePauseTime),
      Prop(L"Enabled", &C::Enabled, &C::SetEnabled, DefaultEnabled),
  });
  return Table;
}

// ---- hint window ------------------------------------------------------------------

TQvSkinHintWindow::TQvSkinHintWindow(TComponent* AOwner) : THintWindow(AOwner) {
  FControlStyle.Exclude(csOpaque);
}

TQvSkinHintWindow::~TQvSkinHintWindow() = default;

void TQvSkinHintWindow::CreateParams(TCreateParams& Params) {
  THintWindow::CreateParams(Params);
  Params.Style &= ~uint32_t(WS_BORDER);
  Params.WindowClass.Style = (Params.WindowClass.Style | CS_SAVEBITS) & ~uint32_t(CS_DROPSHADOW);
}

THintDirection TQvSkinHintWindow::SelectProperHintDirection(TSize Size) {
  const THintDirection Orig = FQvHint->HintDirection();
  THintDirection Dir = Orig;
  if (FQvHint->OnSelectHintDirection) {
    FQvHint->OnSelectHintDirection(FHintControl, FHintPoint, Dir);
    FQvHint->SetHintDirection(Dir);
  }
  THintDirection Result = FQvHint->HintDirection();
  if (FQvHint->AutoPosition() && Dir == Orig) {
    const TControl* C = FHintControl;
    const TPoint S =
        C->Parent() ? C->Parent()->ClientToScreen({C->Left(), C->Top()}) : C->ClientOrigin();
    Result = SelectAutoHintDirection(Size, S, {C->Width(), C->Height()}, WorkAreaAt(S));
  }
  FQvHint->SetHintDirection(Orig);
  return Result;
}

void TQvSkinHintWindow::ActivateHint(const TRect& ARect, const String& AHint) {
  FPicture.reset();
  FQvHint = FindQvSkinHint();
  POINT Cursor{};
  const bool HaveCursor = GetCursorPos(&Cursor) != FALSE;
  FHintControl = HaveCursor ? FindDragTarget({Cursor.x, Cursor.y}, true) : nullptr;
  FSkinned = FQvHint && FHintControl;
  if (!FSkinned) {
    THintWindow::ActivateHint(ARect, AHint);
    return;
  }
  SetCaption(AHint);
  FHintPoint = {Cursor.x, Cursor.y};
  FHintDirection = SelectProperHintDirection({ARect.Width(), ARect.Height()});

  std::unique_ptr<TBitmap32> Custom;
  if (FQvHint->OnCustomHint) FQvHint->OnCustomHint(FHintControl, Custom);
  if (Custom && Custom->Empty()) Custom.reset();
  TSize Size;
  if (Custom) {
    Size = {Custom->Width(), Custom->Height()};
    FHintDirection = SelectProperHintDirection(Size);
  } else {
    auto Measure = NewMeasureCanvas();
    Measure->Font().Assign(FQvHint->HintFont());
    SetDPIScaledFont(Application ? Application->MainForm() : nullptr, &Measure->Font());
    const TSize Text = CalcTextSize(*Measure, AHint, DT_WORDBREAK, std::max(ARect.Width(), 1));
    Size = HintSizeForText(FHintDirection, Text);
  }

  TPoint At = FHintPoint;
  if (FQvHint->AutoPosition()) {
    At = HintPositionBeside(FHintDirection, FHintControl->BoundsRect(), Size);
    if (FHintControl->Parent()) At = FHintControl->Parent()->ClientToScreen(At);
  }
  const TRect R = KeepOnWorkArea(Bounds(At.X, At.Y, Size.cx, Size.cy), WorkAreaAt(At));

  // The screen behind the hint, without the hint itself.
  if (HandleAllocated() && IsWindowVisible(FHandle)) ShowWindow(FHandle, SW_HIDE);
  SetBounds(R.Left, R.Top, R.Width(), R.Height());
  FPicture = std::make_unique<TBitmap32>();
  FPicture->SetSize(R.Width(), R.Height());
  if (HDC Display = GetDC(nullptr)) {
    BitBlt(FPicture->Handle(), 0, 0, R.Width(), R.Height(), Display, R.Left, R.Top, SRCCOPY);
    ReleaseDC(nullptr, Display);
  }
  FPicture->ResetAlpha();
  if (Custom) {
    Custom->SetDrawMode(dmBlend);
    Custom->SetCombineMode(cmBlend);
    FPicture->Draw(0, 0, Custom.get());
  } else {
    DrawBubble();
  }

  HWND H = Handle();
  SetWindowPos(H, HWND_TOPMOST, R.Left, R.Top, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
  if (HDC DC = GetDC(H)) {
    FPicture->DrawTo(DC, 0, 0);
    ReleaseDC(H, DC);
  }
}

void TQvSkinHintWindow::DrawBubble() {
  TBitmap32& B = *FPicture;
  const THintBubbleShape S = HintBubbleShape(FHintDirection, B.Width(), B.Height());
  const TColor32 Fill = Color32(FQvHint->HintColor());
  const TColor32 Frame = Color32(FQvHint->FrameColor());
  B.FillRectS(S.Body, Fill);
  B.FrameRectS(S.Body, Frame);
  PolygonFS(&B,
            {{double(S.Base1.X), double(S.Base1.Y)},
             {double(S.Tip.X), double(S.Tip.Y)},
             {double(S.Base2.X), double(S.Base2.Y)}},
            Fill, pfWinding);
  // Opens the body's outline under the pointer's base.
  B.LineS(S.Base2.X, S.Base2.Y, S.Base1.X, S.Base1.Y, Fill);
  B.LineFS(S.Tip.X, S.Tip.Y, S.Base1.X, S.Base1.Y, Frame);
  B.LineFS(S.Tip.X, S.Tip.Y, S.Base2.X, S.Base2.Y, Frame);
  B.Font()->Assign(FQvHint->HintFont());
  SetDPIScaledFont(this, B.Font());
  const String Text = Caption();
  B.Textout(S.TextRect, DT_WORDBREAK, Text);
}

void TQvSkinHintWindow::Paint() {
  if (!FSkinned || !FPicture) {
    THintWindow::Paint();
    return;
  }
  FPicture->DrawTo(Canvas()->Handle(), 0, 0);
}

void TQvSkinHintWindow::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      if (FSkinned) {
        Message.Result = 1;
        return;
      }
      break;
    case WM_DESTROY:
      FHintControl = nullptr;  // the control may go while no hint shows
      break;
  }
  THintWindow::WndProc(Message);
}

}  // namespace qv
