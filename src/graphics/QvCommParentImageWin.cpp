// Parent-background capture on Win32: a skinned parent's surface copied, or the parent
// and its graphic children painted into the target's device context.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "graphics/QvComm.h"
#include "graphics/QvCommParentImage.h"
#include "host/CustomControl.h"
#include "host/Form.h"
#include "host/ScopeGuard.h"
#include "raster/Bitmap32.h"

namespace qv {

namespace {

TQvFormSkinLookup& FormSkinLookup() {
  static TQvFormSkinLookup Lookup;
  return Lookup;
}

bool Designing(const TComponent* C) {
  return C->ComponentState().Contains(csDesigning);
}

// Marks a control as painting a copy of itself for as long as the guard lives.
class TPaintCopyMark {
 public:
  explicit TPaintCopyMark(TControl* Control) : FControl(Control) {
    FControl->SetControlState(FControl->ControlState() + TControlState{csPaintCopy});
  }
  ~TPaintCopyMark() {
    FControl->SetControlState(FControl->ControlState() - TControlState{csPaintCopy});
  }
  TPaintCopyMark(const TPaintCopyMark&) = delete;
  TPaintCopyMark& operator=(const TPaintCopyMark&) = delete;

 private:
  TControl* FControl;
};

// A memory device context compatible with DC, holding a W x H bitmap; both go with the
// scope.
class TMemoryDC {
 public:
  TMemoryDC(HDC DC, int W, int H)
      : FDC(CreateCompatibleDC(DC)),
        FBitmap(CreateCompatibleBitmap(DC, W, H)),
        FOld(SelectObject(FDC, FBitmap)) {}
  ~TMemoryDC() {
    SelectObject(FDC, FOld);
    DeleteObject(FBitmap);
    DeleteDC(FDC);
  }
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;
  HDC Handle() const { return FDC; }

 private:
  HDC FDC;
  HBITMAP FBitmap;
  HGDIOBJ FOld;
};

// Saves a device context's state and puts it back.
class TSavedDC {
 public:
  explicit TSavedDC(HDC DC) : FDC(DC), FSaved(SaveDC(DC)) {}
  ~TSavedDC() { RestoreDC(FDC, FSaved); }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

 private:
  HDC FDC;
  int FSaved;
};

// Moves the viewport origin by (DX, DY) from where it is.
void ShiftViewport(HDC DC, int DX, int DY) {
  POINT Org;
  GetViewportOrgEx(DC, &Org);
  SetViewportOrgEx(DC, Org.x + DX, Org.y + DY, nullptr);
}

// A form's skin picture with R moved past the frame, or nil.
TBitmap32* FormSurface(TCustomForm* Form, IQvFormBackgroundSource* Skin, TRect& R) {
  if (!Skin) return nullptr;
  Integer FW = 0, TH = 0;
  if (Form->BorderStyle() != bsNone) {
    FW = GetDPIScaledPixels(Form, Skin->FramWidth());
    TH = GetDPIScaledPixels(Form, Skin->TitleHeight());
  }
  TBitmap32* Surface = Skin->GetBackgroundPicture();
  if (Skin->Style() == ssColor) {
    OffsetRect(R, FW, 0);
  } else if (Skin->Style() == ssPicture) {
    OffsetRect(R, FW, TH);
  }
  return Surface;
}

// The skinned surface the bitmap form copies from, or nil.
TBitmap32* ParentSurface(TWinControl* Parent, TRect& R) {
  if (auto* Form = dynamic_cast<TCustomForm*>(Parent)) {
    const TQvFormSkinLookup& Lookup = FormSkinLookup();
    return Lookup ? FormSurface(Form, Lookup(Form), R) : nullptr;
  }
  if (auto* Source = dynamic_cast<IQvBackgroundSource*>(Parent))
    return Source->GetBackgroundPicture();
  return nullptr;
}

// The skin component among the form's components, found by its class name.
IQvFormBackgroundSource* FindSkinComponent(TCustomForm* Form) {
  for (int I = 0; I < Form->ComponentCount(); ++I) {
    TComponent* C = Form->Components(I);
    if (UpperCase(C->ClassName()) == L"TQVSKINFORM")
      return dynamic_cast<IQvFormBackgroundSource*>(C);
  }
  return nullptr;
}

bool Usable(const TBitmap32* Surface, const TControl* Control, const TRect& R) {
  return Surface && !Surface->Empty() && !Designing(Control) && R.Width() > 0 && R.Height() > 0;
}

// The platform path: the parent's own painting under Control, then the visible graphic
// siblings below Control that overlap it, into DC with Control's top-left at (0, 0).
void PaintParent(TControl* Control, HDC DC) {
  TWinControl* Parent = Control->Parent();
  TPaintCopyMark ParentMark(Parent);
  {
    TSavedDC Saved(DC);
    ShiftViewport(DC, -Control->Left(), -Control->Top());
    IntersectClipRect(DC, 0, 0, Parent->ClientWidth(), Parent->ClientHeight());
    // wParam = lParam asks even a double-buffered parent to erase.
    Parent->Perform(WM_ERASEBKGND, uintptr_t(DC), intptr_t(DC));
    Parent->PaintWindow(DC);
  }
  const TRect Own = Control->BoundsRect();
  for (int I = 0; I < Parent->ControlCount(); ++I) {
    TControl* Child = Parent->Controls(I);
    if (Child == Control) break;
    auto* Graphic = dynamic_cast<TGraphicControl*>(Child);
    TRect Overlap;
    if (!Graphic || !Graphic->Visible() || !IntersectRect(Overlap, Graphic->BoundsRect(), Own))
      continue;
    TPaintCopyMark Mark(Graphic);
    TSavedDC Saved(DC);
    ShiftViewport(DC, Graphic->Left() - Control->Left(), Graphic->Top() - Control->Top());
    IntersectClipRect(DC, 0, 0, Graphic->Width(), Graphic->Height());
    Graphic->Perform(WM_PAINT, uintptr_t(DC), 0);
  }
}

TRect ClipBox(HDC DC) {
  RECT B{};
  GetClipBox(DC, &B);
  return TRect{B.left, B.top, B.right, B.bottom};
}

void FillWhite(HDC DC, const TRect& R) {
  RECT W{R.Left, R.Top, R.Right, R.Bottom};
  FillRect(DC, &W, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

}  // namespace

void SetFormSkinLookup(TQvFormSkinLookup Lookup) {
  FormSkinLookup() = std::move(Lookup);
}

// ---- into a 32-bit surface ----------------------------------------------------------------

void GetParentImage(TControl* Control, TBitmap32* Bitmap, const TRect& Rect) {
  if (!Control || !Bitmap || Bitmap->Empty()) return;
  TWinControl* Parent = Control->Parent();
  if (!Parent) {
    Bitmap->Clear(0xFFFFFFFF);
    return;
  }
  TRect R = Rect;
  TBitmap32* Surface = ParentSurface(Parent, R);
  if (Usable(Surface, Control, R)) {
    // A rectangle wholly outside the surface shows nothing of it (and the control itself
    // lies outside its parent, where nothing of it shows either).
    TRect Common;
    if (IntersectRect(Common, R, Surface->BoundsRect()))
      Surface->DrawTo(Bitmap, Bitmap->ClipRect(), R);
    return;
  }
  HDC DC = Bitmap->Handle();
  if (!DC) return;
  PaintParent(Control, DC);
  GdiFlush();
  // The platform leaves the alpha bytes as they were; what lies behind is opaque.
  Bitmap->ResetAlpha();
  Bitmap->Changed();
}

void DrawParentImage(TControl* Control, TBitmap32* Bitmap, const TRect& Rect) {
  GetParentImage(Control, Bitmap, Rect);
}

// ---- onto a canvas --------------------------------------------------------------------

void GetParentImage(TControl* Control, TCanvas* Canvas, const TRect& Rect) {
  if (!Control || !Canvas) return;
  HDC DC = Canvas->Handle();
  if (!DC) return;
  TWinControl* Parent = Control->Parent();
  if (!Parent) {
    FillWhite(DC, TRect{0, 0, Rect.Width(), Rect.Height()});
    return;
  }
  TRect R = Rect;
  TBitmap32* Surface = nullptr;
  if (auto* Form = dynamic_cast<TCustomForm*>(Parent))
    Surface = FormSurface(Form, FindSkinComponent(Form), R);
  if (Usable(Surface, Control, R) && Surface->Handle()) {
    TRect Clip = ClipBox(DC);
    GdiFlush();
    SetStretchBltMode(DC, COLORONCOLOR);
    StretchBlt(DC, Clip.Left, Clip.Top, Clip.Width(), Clip.Height(), Surface->Handle(), R.Left,
               R.Top, R.Width(), R.Height(), SRCCOPY);
    return;
  }
  PaintParent(Control, DC);
}

void DrawParentImage(TControl* Control, TCanvas* Canvas, const TRect& Rect) {
  GetParentImage(Control, Canvas, Rect);
}

void GetParentImageEx(TControl* Control, TCanvas* Canvas) {
  if (!Control || !Canvas) return;
  HDC DC = Canvas->Handle();
  if (!DC) return;
  if (!Control->Parent()) {
    FillWhite(DC, ClipBox(DC));
    return;
  }
  PaintParent(Control, DC);
}

// ---- graphic children over their backgrounds -------------------------------------------

void PaintControls(HDC DC, TWinControl* Container, TControl* First, TPoint Offset) {
  if (!DC || !Container) return;
  if (!(Container->Visible() || Designing(Container)) || Container->ControlCount() == 0) return;
  std::vector<TGraphicControl*> Eligible;
  bool Started = First == nullptr;
  for (int I = 0; I < Container->ControlCount(); ++I) {
    TControl* C = Container->Controls(I);
    Started = Started || C == First;
    auto* G = dynamic_cast<TGraphicControl*>(C);
    if (!Started || !G) continue;
    if (!(G->Visible() || Designing(G)) || G->Width() < 1 || G->Height() < 1) continue;
    if (G->ControlStyle().Contains(csNoDesignVisible)) continue;
    if (G->ComponentState().Contains(csDestroying)) continue;
    // Tested where the child lands in DC.
    RECT At{G->Left() + Offset.X, G->Top() + Offset.Y, G->Left() + Offset.X + G->Width(),
            G->Top() + Offset.Y + G->Height()};
    if (!RectVisible(DC, &At)) continue;
    Eligible.push_back(G);
  }
  if (Eligible.empty()) return;

  TMemoryDC MemDC(DC, std::max(Container->Width(), 1), std::max(Container->Height(), 1));
  HDC Mem = MemDC.Handle();
  // Backgrounds of the see-through children.
  for (TGraphicControl* G : Eligible) {
    if (G->ControlStyle().Contains(csOpaque)) continue;
    TMemoryDC Temp(DC, G->Width(), G->Height());
    TCanvas Canvas;
    Canvas.SetHandle(Temp.Handle());
    {
      TScopeExit Detach([&] { Canvas.SetHandle(nullptr); });
      GetParentImage(G, &Canvas, G->BoundsRect());
    }
    BitBlt(Mem, G->Left(), G->Top(), G->Width(), G->Height(), Temp.Handle(), 0, 0, SRCCOPY);
  }
  // The children themselves.
  const bool Copy = Container->ControlState().Contains(csPaintCopy);
  for (TGraphicControl* G : Eligible) {
    TSavedDC Saved(Mem);
    POINT Org;
    GetWindowOrgEx(Mem, &Org);
    SetWindowOrgEx(Mem, Org.x - G->Left(), Org.y - G->Top(), nullptr);
    IntersectClipRect(Mem, 0, 0, G->Width(), G->Height());
    if (Copy) {
      TPaintCopyMark Mark(G);
      G->Perform(WM_PAINT, uintptr_t(Mem), 0);
    } else {
      G->Perform(WM_PAINT, uintptr_t(Mem), 0);
    }
  }
  // Out to DC, leaving out children that came out as the key colour.
  for (TGraphicControl* G : Eligible) {
    if (GetPixel(Mem, G->Left(), G->Top()) == RGB(255, 0, 255)) continue;
    BitBlt(DC, G->Left() + Offset.X, G->Top() + Offset.Y, G->Width(), G->Height(), Mem, G->Left(),
           G->Top(), SRCCOPY);
  }
}

}  // namespace qv
