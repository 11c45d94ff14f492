#include <windows.h>

#include <algorithm>

#include "host/ScopeGuard.h"
#include "raster/PaintBox32.h"

namespace qv {

namespace {

// lParam of the paint a pending partial repaint posts (the platform's own paint has 0).
constexpr LPARAM kPostedPaint = 0x5150;

bool Touch(const TRect& A, const TRect& B) {
  return A.Left <= B.Right && B.Left <= A.Right && A.Top <= B.Bottom && B.Top <= A.Bottom;
}

TRect Union(const TRect& A, const TRect& B) {
  return Rect(std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
              std::max(A.Bottom, B.Bottom));
}

// Adds R to the list, merging rectangles that touch; many pieces become one.
void AddMerged(std::vector<TRect>& List, TRect R) {
  for (bool Merged = true; Merged;) {
    Merged = false;
    for (auto It = List.begin(); It != List.end(); ++It)
      if (Touch(*It, R)) {
        R = Union(*It, R);
        List.erase(It);
        Merged = true;
        break;
      }
  }
  List.push_back(R);
  if (List.size() > 16) {
    TRect All = List.front();
    for (const TRect& Piece : List) All = Union(All, Piece);
    List.assign(1, All);
  }
}

// Whether the rectangles cover everything the device context may paint.
bool CoversClip(HDC DC, const std::vector<TRect>& Rects) {
  RECT Box;
  if (GetClipBox(DC, &Box) == NULLREGION) return true;
  HRGN Need = CreateRectRgn(Box.left, Box.top, Box.right, Box.bottom);
  for (const TRect& R : Rects) {
    HRGN Piece = CreateRectRgn(R.Left, R.Top, R.Right, R.Bottom);
    CombineRgn(Need, Need, Piece, RGN_DIFF);
    DeleteObject(Piece);
  }
  RECT Left;
  bool Covered = GetRgnBox(Need, &Left) == NULLREGION;
  DeleteObject(Need);
  return Covered;
}

}  // namespace

TCustomPaintBox32_qv::TCustomPaintBox32_qv(TComponent* AOwner)
    : TCustomControl(AOwner), FBuffer(std::make_unique<TBitmap32>()) {
  FControlStyle.Include(csOpaque);
  SetBounds(Left(), Top(), 192, 192);
}

TCustomPaintBox32_qv::~TCustomPaintBox32_qv() {
  FBuffer->OnAreaChanged = nullptr;
}

void TCustomPaintBox32_qv::SetBufferOversize(int Value) {
  Value = std::max(Value, 0);
  FBufferOversize = Value;
  ResizeBuffer();
  FBufferValid = false;
}

TRect TCustomPaintBox32_qv::GetViewportRect() {
  return ClientRect();
}

void TCustomPaintBox32_qv::ResizeBuffer() {
  TRect V = GetViewportRect();
  auto Axis = [&](int Wanted, int Current) {
    Wanted = std::max(Wanted, 1);
    if (Wanted > Current) return Wanted + FBufferOversize;
    if (Wanted >= Current - FBufferOversize) return Current;
    return Wanted;
  };
  int W = Axis(V.Width(), FBuffer->Width());
  int H = Axis(V.Height(), FBuffer->Height());
  if (W == FBuffer->Width() && H == FBuffer->Height()) return;
  int OldWidth = FBuffer->Width(), OldHeight = FBuffer->Height();
  {
    auto Locked = LockScope(*FBuffer);
    FBuffer->SetSize(W, H);
  }
  DoBufferResized(OldWidth, OldHeight);
  FForceFullRepaint = true;
}

void TCustomPaintBox32_qv::DoBufferResized(int, int) {
  FOptimizerRects.clear();
}

void TCustomPaintBox32_qv::Resize() {
  ResizeBuffer();
  FBufferValid = false;
  TCustomControl::Resize();
}

void TCustomPaintBox32_qv::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FComponentState.Contains(csLoading)) ResizeBuffer();
  FBufferValid = false;
}

void TCustomPaintBox32_qv::Loaded() {
  FBufferValid = false;
  TCustomControl::Loaded();
}

void TCustomPaintBox32_qv::Invalidate() {
  FBufferValid = false;
  TCustomControl::Invalidate();
}

void TCustomPaintBox32_qv::ForceFullInvalidate() {
  FForceFullRepaint = true;
  Invalidate();
}

// ---- partial repaints --------------------------------------------------------------

void TCustomPaintBox32_qv::SetRepaintMode(TRepaintMode Value) {
  if (FRepaintMode == Value) return;
  FRepaintMode = Value;
  FInvalidRects.clear();
  FOptimizerRects.clear();
  if (Value == rmFull) {
    FBuffer->OnAreaChanged = nullptr;
  } else {
    FBuffer->OnAreaChanged = [this](TObject*, const TRect& Area, uint32_t) { AreaChanged(Area); };
  }
  Invalidate();
}

void TCustomPaintBox32_qv::AreaChanged(const TRect& Area) {
  TRect R;
  if (!IntersectRect(R, Area, FBuffer->BoundsRect())) return;
  TRect V = GetViewportRect();
  if (!IntersectRect(R, R, V)) return;
  if (FRepaintMode == rmDirect) {
    FInvalidRects.push_back(R);
    if (HandleAllocated()) {
      // Shown at once: only this rectangle is copied.
      RECT W{R.Left, R.Top, R.Right, R.Bottom};
      InvalidateRect(Handle(), &W, FALSE);
      UpdateWindow(Handle());
    }
    return;
  }
  AddMerged(FOptimizerRects, R);
  if (HandleAllocated()) {
    RECT W{R.Left, R.Top, R.Right, R.Bottom};
    InvalidateRect(Handle(), &W, FALSE);
  }
}

bool TCustomPaintBox32_qv::CustomRepaint() {
  return FRepaintMode != rmFull && !FForceFullRepaint &&
         (!FInvalidRects.empty() || !FOptimizerRects.empty());
}

void TCustomPaintBox32_qv::DoPrepareInvalidRects() {
  if (FRepaintMode != rmOptimizer) return;
  for (const TRect& R : FOptimizerRects) AddMerged(FInvalidRects, R);
  FOptimizerRects.clear();
}

bool TCustomPaintBox32_qv::InvalidRectsAvailable() {
  DoPrepareInvalidRects();
  return !FInvalidRects.empty();
}

// ---- painting ---------------------------------------------------------------------

void TCustomPaintBox32_qv::DoPaintBuffer() {
  FBufferValid = true;
  FInvalidRects.clear();
  FOptimizerRects.clear();
}

void TCustomPaintBox32_qv::DoPaintGDIOverlay() {
  if (OnGDIOverlay) OnGDIOverlay(this);
}

void TCustomPaintBox32_qv::CopyBuffer(HDC DC) {
  HDC Source = FBuffer->Handle();
  if (!Source) return;
  bool Partial = FRepaintMode != rmFull && !FForceFullRepaint && InvalidRectsAvailable() &&
                 CoversClip(DC, FInvalidRects);
  if (Partial) {
    for (const TRect& R : FInvalidRects)
      BitBlt(DC, R.Left, R.Top, R.Width(), R.Height(), Source, R.Left, R.Top, SRCCOPY);
    return;
  }
  TRect V = GetViewportRect();
  BitBlt(DC, V.Left, V.Top, V.Width(), V.Height(), Source, 0, 0, SRCCOPY);
}

void TCustomPaintBox32_qv::Paint() {
  if (!Parent()) return;
  if (!FBufferValid) DoPaintBuffer();
  {
    auto Locked = LockScope(*FBuffer);
    CopyBuffer(Canvas()->Handle());
  }
  FInvalidRects.clear();
  FForceFullRepaint = false;
  DoPaintGDIOverlay();
}

// ---- input ------------------------------------------------------------------------

void TCustomPaintBox32_qv::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FOptions.Contains(pboAutoFocus) && CanFocus()) SetFocus();
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomPaintBox32_qv::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    case WM_GETDLGCODE:
      TCustomControl::WndProc(Message);
      if (FOptions.Contains(pboWantArrowKeys)) {
        Message.Result |= DLGC_WANTARROWS;
      } else {
        Message.Result &= ~intptr_t(DLGC_WANTARROWS);
      }
      return;
    case CM_MOUSEENTER:  // the framework raises OnMouseEnter/OnMouseLeave
      FMouseInControl = true;
      TCustomControl::WndProc(Message);
      MouseEnter();
      return;
    case CM_MOUSELEAVE:
      FMouseInControl = false;
      MouseLeave();
      TCustomControl::WndProc(Message);
      return;
    case CM_INVALIDATE:
      if (CustomRepaint()) {
        if (HandleAllocated()) PostMessageW(Handle(), WM_PAINT, 0, kPostedPaint);
        return;
      }
      break;
    case WM_PAINT:
      // Only our own posted paint can come without an update region; asking the platform
      // for every paint would cost a round trip to the window server under Wine.
      if (Message.WParam == 0 && Message.LParam == kPostedPaint && HandleAllocated() &&
          !GetUpdateRect(Handle(), nullptr, FALSE)) {
        // A posted paint (a pending partial repaint) has no update region to begin
        // painting on: paint through the window's own device context.
        HDC DC = GetDC(Handle());
        TScopeExit Release([&] { ReleaseDC(Handle(), DC); });
        PaintWindow(DC);
        PaintControls(DC, nullptr);
        return;
      }
      break;
  }
  TCustomControl::WndProc(Message);
}

}  // namespace qv
