// Painting of windowed controls and of their graphic children.
#include <algorithm>

#include "host/ControlsWin.h"
#include "host/Form.h"

namespace qv {

// ---- painting ---------------------------------------------------------------------

HBRUSH TWinControl::Brush() {
  if (!FBrush || FBrushColor != Color()) {
    if (FBrush) DeleteObject(FBrush);
    FBrush = CreateSolidBrush(ColorToPlatform(Color()));
    FBrushColor = Color();
  }
  return FBrush;
}

void TWinControl::Invalidate() {
  Perform(CM_INVALIDATE);
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::PaintWindow(HDC DC) {
  TMessage M;
  M.Msg = WM_PAINT;
  M.WParam = uintptr_t(DC);
  DefaultHandler(M);
}

void TWinControl::PaintControls(HDC DC, TControl* First) {
  auto It = FControls.begin();
  if (First) It = std::find(FControls.begin(), FControls.end(), First);
  std::vector<TControl*> Todo(It, FControls.end());
  for (TControl* C : Todo) {
    if (dynamic_cast<TWinControl*>(C)) continue;
    if (!(C->Visible() || (C->Designing() && !C->ControlStyle().Contains(csNoDesignVisible))))
      continue;
    RECT R{C->Left(), C->Top(), C->Left() + C->Width(), C->Top() + C->Height()};
    if (!RectVisible(DC, &R)) continue;
    int Saved = SaveDC(DC);
    POINT Org;
    GetViewportOrgEx(DC, &Org);
    SetViewportOrgEx(DC, Org.x + C->Left(), Org.y + C->Top(), nullptr);
    IntersectClipRect(DC, 0, 0, C->Width(), C->Height());
    // Children of a control painting a copy of itself paint a copy too.
    bool Copy = FControlState.Contains(csPaintCopy);
    if (Copy) C->FControlState.Include(csPaintCopy);
    C->Perform(WM_PAINT, uintptr_t(DC), 0);
    if (Copy) C->FControlState.Exclude(csPaintCopy);
    RestoreDC(DC, Saved);
  }
}

void TWinControl::PaintTo(HDC DC, int X, int Y) {
  int Saved = SaveDC(DC);
  POINT Org;
  GetViewportOrgEx(DC, &Org);
  SetViewportOrgEx(DC, Org.x + X, Org.y + Y, nullptr);
  IntersectClipRect(DC, 0, 0, FWidth, FHeight);
  FControlState.Include(csPaintCopy);
  Perform(WM_ERASEBKGND, uintptr_t(DC), intptr_t(DC));
  PaintWindow(DC);
  PaintControls(DC, nullptr);
  for (TControl* C : std::vector<TControl*>(FControls))
    if (auto* W = dynamic_cast<TWinControl*>(C); W && W->Visible())
      W->PaintTo(DC, W->Left(), W->Top());
  FControlState.Exclude(csPaintCopy);
  RestoreDC(DC, Saved);
}

void TWinControl::HandlePaint(TMessage& Message) {
  auto PaintAll = [this](HDC DC) {
    // Opaque graphic children cover their place: the window paints around them.
    int Saved = SaveDC(DC);
    for (TControl* C : FControls)
      if (!dynamic_cast<TWinControl*>(C) && C->Visible() && C->ControlStyle().Contains(csOpaque))
        ExcludeClipRect(DC, C->Left(), C->Top(), C->Left() + C->Width(), C->Top() + C->Height());
    PaintWindow(DC);
    RestoreDC(DC, Saved);
    PaintControls(DC, nullptr);
  };
  if (Message.WParam) {
    PaintAll(reinterpret_cast<HDC>(Message.WParam));
    return;
  }
  PAINTSTRUCT PS;
  HDC DC = BeginPaint(FHandle, &PS);
  if (DoubleBuffered()) {
    RECT C;
    GetClientRect(FHandle, &C);
    HDC Mem = CreateCompatibleDC(DC);
    HBITMAP Bmp =
        CreateCompatibleBitmap(DC, std::max<LONG>(C.right, 1), std::max<LONG>(C.bottom, 1));
    HGDIOBJ Old = SelectObject(Mem, Bmp);
    IntersectClipRect(Mem, PS.rcPaint.left, PS.rcPaint.top, PS.rcPaint.right, PS.rcPaint.bottom);
    Perform(WM_ERASEBKGND, uintptr_t(Mem), intptr_t(Mem));
    PaintAll(Mem);
    BitBlt(DC, PS.rcPaint.left, PS.rcPaint.top, PS.rcPaint.right - PS.rcPaint.left,
           PS.rcPaint.bottom - PS.rcPaint.top, Mem, PS.rcPaint.left, PS.rcPaint.top, SRCCOPY);
    SelectObject(Mem, Old);
    DeleteObject(Bmp);
    DeleteDC(Mem);
  } else {
    PaintAll(DC);
  }
  EndPaint(FHandle, &PS);
}

}  // namespace qv
