// Surfaces from the platform's pictures (bitmap, icon, metafile, other graphics and the
// picture holding one of them), and the platform canvas over a surface's device context.
#include <windows.h>

#include <cstring>
#include <vector>

#include "host/Canvas.h"
#include "host/Graphics.h"
#include "raster/Bitmap32.h"
#include "raster/Bitmap32Win.h"

namespace qv {

namespace {

// Paints Graphic at its size onto a surface cleared to Background.
void Render(TBitmap32& Work, TGraphic& Graphic, TColor32 Background) {
  Work.Clear(Background);
  TCanvas Canvas;
  Canvas.SetHandle(Work.Handle());
  Canvas.Draw(0, 0, &Graphic);
  Canvas.SetHandle(nullptr);
  GdiFlush();
}

// Two renderings, onto white and onto blue: where they agree the picture covered the
// pixel (opaque, the first rendering); elsewhere the background showed through (clear).
void RenderByTwoBackgrounds(TBitmap32& Work, TGraphic& Graphic, std::vector<TColor32>& Out) {
  Render(Work, Graphic, 0xFFFFFFFF);
  std::vector<TColor32> First(Work.Bits(), Work.Bits() + Out.size());
  Render(Work, Graphic, 0xFFFF0000);
  for (size_t I = 0; I < Out.size(); ++I)
    Out[I] = ((First[I] ^ Work.Bits()[I]) & 0xFFFFFF) ? 0 : First[I] | 0xFF000000;
}

void FromBitmap(TBitmap& B, std::vector<TColor32>& Out) {
  B.FreeContext();
  if (!ReadBitmapPixels(B.Handle(), B.Width(), B.Height(), Out))
    throw EInvalidGraphic(L"Invalid bitmap");
  if (B.PixelFormat() != pf32bit)
    for (TColor32& C : Out) C |= 0xFF000000;
  if (B.Transparent()) {
    TColor32 Key = Color32(B.TransparentColor()) & 0xFFFFFF;
    for (TColor32& C : Out)
      if ((C & 0xFFFFFF) == Key) C &= 0xFFFFFF;
  }
}

void FromIcon(TIcon& Icon, TBitmap32& Work, std::vector<TColor32>& Out) {
  // The icon's own colour image keeps its (straight) alpha exactly; drawing it would
  // premultiply it.
  ICONINFO Info{};
  bool HasAlpha = false;
  if (GetIconInfo(Icon.Handle(), &Info)) {
    BITMAP Bm{};
    if (Info.hbmColor && GetObjectW(Info.hbmColor, sizeof(Bm), &Bm) && Bm.bmWidth == Icon.Width() &&
        Bm.bmHeight == Icon.Height() &&
        ReadBitmapPixels(Info.hbmColor, Bm.bmWidth, Bm.bmHeight, Out))
      for (TColor32 C : Out) HasAlpha |= (C >> 24) != 0;
    if (Info.hbmColor) DeleteObject(Info.hbmColor);
    if (Info.hbmMask) DeleteObject(Info.hbmMask);
  }
  if (!HasAlpha) {
    Out.assign(Out.size(), 0);
    RenderByTwoBackgrounds(Work, Icon, Out);
  }
}

}  // namespace

bool AssignFromGraphic(TCustomBitmap32& Dst, TPersistent* Source) {
  TGraphic* G = nullptr;
  if (auto* P = dynamic_cast<TPicture*>(Source))
    G = P->Graphic();
  else if (!(G = dynamic_cast<TGraphic*>(Source)))
    return false;
  if (!G || G->Empty() || G->Width() <= 0 || G->Height() <= 0) {
    Dst.SetSize(0, 0);
    return true;
  }
  Integer W = G->Width(), H = G->Height();
  std::vector<TColor32> Pixels(size_t(W) * size_t(H));
  TBitmap32 Work;
  Work.SetSize(W, H);
  if (auto* B = dynamic_cast<TBitmap*>(G)) {
    FromBitmap(*B, Pixels);
  } else if (auto* I = dynamic_cast<TIcon*>(G)) {
    FromIcon(*I, Work, Pixels);
  } else if (dynamic_cast<TMetafile*>(G)) {
    RenderByTwoBackgrounds(Work, *G, Pixels);
  } else {
    Render(Work, *G, 0xFFFFFFFF);
    for (size_t K = 0; K < Pixels.size(); ++K) Pixels[K] = Work.Bits()[K] | 0xFF000000;
  }
  Dst.AssignPixels(W, H, Pixels.data());
  return true;
}

void TBitmap32::TCanvasDeleter::operator()(TCanvas* Canvas) const {
  delete Canvas;
}

void TBitmap32::DetachCanvas() {
  if (FCanvas) FCanvas->SetHandle(nullptr);
}

TCanvas* TBitmap32::Canvas() {
  if (!FCanvas) {
    FCanvas.reset(new TCanvas);
    FCanvas->Font().Assign(FFont.get());
  }
  FCanvas->SetHandle(Handle());
  return FCanvas.get();
}

}  // namespace qv
