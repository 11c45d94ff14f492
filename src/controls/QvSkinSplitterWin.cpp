#include <windows.h>

#include "controls/QvSkinSplitter.h"
#include "controls/QvSkinSplitterGeometry.h"
#include "host/Form.h"
#include "host/Properties.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinSplitter>(), true);

// The line context: the parent's window without a clip region.
constexpr DWORD kLineDCFlags = DCX_CACHE | DCX_CLIPSIBLINGS | DCX_LOCKWINDOWUPDATE;

int SizeAlong(const TControl* C, bool Horizontal) {
  return Horizontal ? C->Width() : C->Height();
}

}  // namespace

TQvSkinSplitter::TQvSkinSplitter(TComponent* AOwner) : TQvSkinCustomControl(AOwner) {
  FControlStyle.Exclude(csAcceptsControls);
  SetBounds(Left(), Top(), 3, 100);
  SetCursor(crHSplit);
  SetAlign(alLeft);
}

TQvSkinSplitter::~TQvSkinSplitter() {
  // A splitter freed during a drag must not leave its handler in the focused control.
  ReleaseKeyHook();
  ReleaseLineDC();
}

void TQvSkinSplitter::SetAlign(TAlign Value) {
  TControl::SetAlign(Value);
  RequestAlign();
}

void TQvSkinSplitter::RequestAlign() {
  if (Cursor() != crVSplit && Cursor() != crHSplit) return;
  SetCursor(Align() == alTop || Align() == alBottom ? crVSplit : crHSplit);
}

void TQvSkinSplitter::SetResizeType(TQvResizeType Value) {
  if (FResizeType == Value) return;
  FResizeType = Value;
  Invalidate();
}

bool TQvSkinSplitter::CanResize(int& NewSize) {
  bool Accept = true;
  if (OnCanResize) OnCanResize(this, NewSize, Accept);
  return Accept;
}

bool TQvSkinSplitter::DoCanResize(int& NewSize) {
  if (!CanResize(NewSize)) return false;
  if (FAutoSnap && NewSize <= FMinSize) NewSize = 0;
  return true;
}

TControl* TQvSkinSplitter::FindControl() const {
  TWinControl* P = Parent();
  if (!P) return nullptr;
  const TPoint Probe = SplitterProbePoint(Align(), BoundsRect());
  for (int I = 0; I < P->ControlCount(); ++I) {
    TControl* C = P->Controls(I);
    if (C == this || !C->Visible() || !C->Enabled()) continue;
    if (SplitterNeighbourHit(Align(), C->Align(), C->BoundsRect(), Probe)) return C;
  }
  return nullptr;
}

void TQvSkinSplitter::CalcSplitSize(int X, int Y, int& Split, int& NewSize) const {
  const bool Horizontal = IsHorizontalSplit(Align());
  Split = Horizontal ? X - FDownPos.X : Y - FDownPos.Y;
  CalcSplitterSize(Align(), SizeAlong(FControl, Horizontal), FMinSize, FMaxSize, Split, NewSize);
}

void TQvSkinSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TQvSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || FControl) return;
  FControl = FindControl();
  FDownPos = {X, Y};
  if (!FControl) return;
  FControl->FreeNotification(this);
  TWinControl* P = Parent();
  const bool Horizontal = IsHorizontalSplit(Align());
  int Taken = 0;
  for (int I = 0; I < P->ControlCount(); ++I) {
    TControl* C = P->Controls(I);
    if (C->Visible() && IsHorizontalSplit(C->Align()) == Horizontal &&
        (Horizontal || C->Align() == alTop || C->Align() == alBottom))
      Taken += SizeAlong(C, Horizontal);
  }
  const int Client = Horizontal ? P->ClientWidth() : P->ClientHeight();
  FOldSize = SizeAlong(FControl, Horizontal);
  FMaxSize = Client - FMinSize - Taken + FOldSize;
  CalcSplitSize(X, Y, FSplit, FNewSize);
  AllocateLineDC();
  if (TCustomForm* Form = GetParentForm(this); Form && Form->ActiveControl()) {
    FActiveControl = Form->ActiveControl();
    FActiveControl->FreeNotification(this);
    FOldKeyDown = FActiveControl->OnKeyDown;
    FActiveControl->OnKeyDown = [this](TObject* Sender, uint16_t& Key, TShiftState S) {
      FocusKeyDown(Sender, Key, S);
    };
  }
  DrawLine();
}

void TQvSkinSplitter::MouseMove(TShiftState Shift, int X, int Y) {
  TQvSkinCustomControl::MouseMove(Shift, X, Y);
  if (!Shift.Contains(ssLeft) || !FControl) return;
  int Split = 0, NewSize = 0;
  CalcSplitSize(X, Y, Split, NewSize);
  if (!DoCanResize(NewSize)) return;
  if (FLineVisible) DrawLine();
  FNewSize = NewSize;
  FSplit = Split;
  DrawLine();
}

void TQvSkinSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TQvSkinCustomControl::MouseUp(Button, Shift, X, Y);
  if (!FControl) return;
  if (FLineVisible) DrawLine();
  UpdateControlSize();
  StopSizing();
  Invalidate();
}

void TQvSkinSplitter::UpdateControlSize() {
  if (FNewSize == FOldSize) return;
  TControl* C = FControl;
  switch (Align()) {
    case alTop:
      C->SetBounds(C->Left(), C->Top(), C->Width(), FNewSize);
      break;
    case alBottom: {
      TWinControl* P = Parent();
      P->DisableAlign();
      C->SetBounds(C->Left(), C->Top() + C->Height() - FNewSize, C->Width(), FNewSize);
      P->EnableAlign();
      break;
    }
    case alLeft:
      C->SetBounds(C->Left(), C->Top(), FNewSize, C->Height());
      break;
    case alRight:
      C->SetBounds(C->Left() + C->Width() - FNewSize, C->Top(), FNewSize, C->Height());
      break;
    default:
      break;
  }
  Repaint();
  if (OnMoved) OnMoved(this);
  FOldSize = FNewSize;
}

void TQvSkinSplitter::StopSizing() {
  if (FControl) {
    if (FLineVisible) DrawLine();
    FControl->RemoveFreeNotification(this);
    FControl = nullptr;
    ReleaseLineDC();
    ReleaseKeyHook();
  }
  if (OnMoved) OnMoved(this);
}

void TQvSkinSplitter::ReleaseKeyHook() {
  if (!FActiveControl) return;
  TWinControl* Active = FActiveControl;
  FActiveControl = nullptr;
  Active->RemoveFreeNotification(this);
  Active->OnKeyDown = std::move(FOldKeyDown);
  FOldKeyDown = nullptr;
}

void TQvSkinSplitter::FocusKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift) {
  if (Key == VK_ESCAPE) {
    StopSizing();
  } else if (FOldKeyDown) {
    FOldKeyDown(Sender, Key, Shift);
  }
}

void TQvSkinSplitter::Notification(TComponent* AComponent, TOperation Operation) {
  TQvSkinCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FActiveControl) {
    // The focused control is going: its handler goes with it.
    FActiveControl = nullptr;
    FOldKeyDown = nullptr;
  }
  if (AComponent == FControl) {
    // The resized control is going: the drag ends without a size.
    if (FLineVisible) DrawLine();
    FControl = nullptr;
    ReleaseLineDC();
    ReleaseKeyHook();
  }
}

void TQvSkinSplitter::AllocateLineDC() {
  if (FLineDC || !Parent()) return;
  FLineDC = GetDCEx(Parent()->Handle(), nullptr, kLineDCFlags);
  if (!FLineDC) return;
  // A 50 % black-and-white checker.
  static const WORD kChecker[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  HBITMAP Pattern = CreateBitmap(8, 8, 1, 1, kChecker);
  FBrush = CreatePatternBrush(Pattern);
  DeleteObject(Pattern);
  FPrevBrush = FBrush ? SelectObject(FLineDC, HBRUSH(FBrush)) : nullptr;
}

void TQvSkinSplitter::ReleaseLineDC() {
  if (!FLineDC) return;
  if (FPrevBrush) SelectObject(FLineDC, HGDIOBJ(FPrevBrush));
  if (FBrush) DeleteObject(HGDIOBJ(FBrush));
  if (Parent() && Parent()->HandleAllocated()) ReleaseDC(Parent()->Handle(), FLineDC);
  FLineDC = nullptr;
  FBrush = FPrevBrush = nullptr;
}

void TQvSkinSplitter::DrawLine() {
  FLineVisible = !FLineVisible;
  if (!FLineDC) return;
  const bool Horizontal = IsHorizontalSplit(Align());
  const int X = Left() + (Horizontal ? FSplit : 0);
  const int Y = Top() + (Horizontal ? 0 : FSplit);
  PatBlt(FLineDC, X, Y, Width(), Height(), PATINVERT);
}

void TQvSkinSplitter::DrawBody(TBitmap32* Bitmap) {
  TQvSkinCustomControl::DrawBody(Bitmap);
  if (FResizeType == rtDot)
    PaintSplitterGrip(Bitmap, Align(), Width(), Height(), Color32(FDotColor));
  if (Designing()) {
    HDC DC = Bitmap->Handle();
    HPEN Pen = CreatePen(PS_DOT, 1, RGB(0xCE, 0xD8, 0xFF));
    HGDIOBJ OldPen = SelectObject(DC, Pen);
    HGDIOBJ OldBrush = SelectObject(DC, GetStockObject(NULL_BRUSH));
    const int OldRop = SetROP2(DC, R2_XORPEN);
    Rectangle(DC, 0, 0, Width(), Height());
    SetROP2(DC, OldRop);
    SelectObject(DC, OldBrush);
    DeleteObject(SelectObject(DC, OldPen));
  }
}

// ---- object text form ---------------------------------------------------------------

// The framework leaves out Align and Cursor at its own defaults, which are not the
// splitter's: they are written here then. Reading Align goes through the framework, and
// the cursor follows.
const TPropTable& TQvSkinSplitter::Properties() const {
  using C = TQvSkinSplitter;
  static const TPropTable Table = TQvSkinCustomControl::Properties().With({
      EnumProp(
          L"Align", &C::Align,
          [](C& Splitter, TAlign Value) {
            Splitter.SetAlign(Value);
            Splitter.RequestAlign();
          },
          TAlignNames)
          .Stored([](const C& Splitter) { return Splitter.Align() == alNone; })
          .BesideBase(),
      Prop(L"Cursor", &C::Cursor, &C::SetCursor)
          .Stored([](const C& Splitter) { return Splitter.Cursor() == crDefault; })
          .BesideBase(),
      Prop(L"AutoSnap", &C::AutoSnap, &C::SetAutoSnap, DefaultAutoSnap),
      ColorProp(L"DotColor", &C::DotColor, &C::SetDotColor, DefaultDotColor),
      Prop(L"MinSize", &C::MinSize, &C::SetMinSize, DefaultMinSize),
      EnumProp(L"ResizeType", &C::ResizeType, &C::SetResizeType, TQvResizeTypeNames),
  });
  return Table;
}

}  // namespace qv
