#include "forms/QvFormBorderGeometry.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "graphics/QvGR32LibSlicing.h"
#include "host/Properties.h"

namespace qv {

// ---- TQvBorderSize ----

void TQvBorderSize::SetAll(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom) {
  FLeft = ALeft;
  FTop = ATop;
  FRight = ARight;
  FBottom = ABottom;
}

void TQvBorderSize::Assign(TPersistent* Source) {
  if (auto* S = dynamic_cast<TQvBorderSize*>(Source)) {
    SetAll(S->FLeft, S->FTop, S->FRight, S->FBottom);
    return;
  }
  TPersistent::Assign(Source);
}

// Each side is written when it differs from the size the owner created it with.
const TPropTable& TQvBorderSize::Properties() const {
  using C = TQvBorderSize;
  auto Side = [](const wchar_t* Name, Integer C::*Field, int Index) {
    return Prop(
               Name, [Field](const C& S) { return S.*Field; },
               [Field](C& S, Integer V) { S.*Field = V; })
        .Stored([Field, Index](const C& S) { return S.*Field != S.FDefault[size_t(Index)]; });
  };
  static const TPropTable Table = TPersistent::Properties().With({
      Side(L"Left", &C::FLeft, 0),
      Side(L"Top", &C::FTop, 1),
      Side(L"Right", &C::FRight, 2),
      Side(L"Bottom", &C::FBottom, 3),
  });
  return Table;
}

// ---- layout ----

TQvBorderLayout QvBorderLayout(const TRect& FormBounds, const TQvBorderSize& Size,
                               const TQvBorderSize& Inflate, bool Transparent) {
  const Integer X = FormBounds.Left, Y = FormBounds.Top;
  const Integer W = FormBounds.Width(), H = FormBounds.Height();
  const Integer iL = std::abs(Inflate.Left()), iT = std::abs(Inflate.Top());
  const Integer iR = std::abs(Inflate.Right()), iB = std::abs(Inflate.Bottom());
  TQvBorderLayout L;
  L.FrameWidth = std::max(0, W + Size.Width());
  L.FrameHeight = std::max(0, H + Size.Height());
  const Integer FW = L.FrameWidth, FH = L.FrameHeight;
  const Integer TopH = std::clamp(Size.Top() + iT, 0, FH);
  const Integer BottomH = std::clamp(Size.Bottom() + iB, 0, FH);
  const Integer LeftW = std::clamp(Size.Left() + iL, 0, FW);
  const Integer RightW = std::clamp(Size.Right() + iR, 0, FW);
  // Every piece's source origin equals its window's offset from the frame's top-left, so
  // the four windows show one seamless frame.
  const Integer OX = X - Size.Left(), OY = Y - Size.Top();
  L.Source[mpflTop] = Rect(0, 0, FW, TopH);
  L.Source[mpflBottom] = Rect(0, FH - BottomH, FW, FH);
  Integer SideTop = 0, SideBottom = FH;
  if (Transparent) {
    SideTop = TopH;
    SideBottom = std::max(TopH, FH - BottomH);
  }
  L.Source[mpflLeft] = Rect(0, SideTop, LeftW, SideBottom);
  L.Source[mpflRight] = Rect(FW - RightW, SideTop, FW, SideBottom);
  for (int I = 0; I < 4; ++I) L.Pos[I] = Point(OX + L.Source[I].Left, OY + L.Source[I].Top);
  return L;
}

// ---- pieces ----

namespace {

std::unique_ptr<TBitmap32> CutPiece(const TBitmap32& Frame, const TRect& R) {
  auto Piece = std::make_unique<TBitmap32>();
  Piece->SetSize(std::max(0, R.Width()), std::max(0, R.Height()));
  Piece->SetDrawMode(dmBlend);
  if (Piece->Empty()) return Piece;
  for (Integer Y = 0; Y < Piece->Height(); ++Y)
    std::memcpy(Piece->ScanLine(Y), Frame.PixelPtr(R.Left, R.Top + Y),
                size_t(Piece->Width()) * sizeof(TColor32));
  return Piece;
}

}  // namespace

void QvBuildBorderPieces(TCustomBitmap32* Image, TQvStretchKind Kind, const TQvBorderLayout& Layout,
                         TQvBorderPieces& Pieces) {
  for (auto& P : Pieces) P.reset();
  if (!Image || Image->Empty()) return;
  TBitmap32 Frame;
  Frame.SetSize(Layout.FrameWidth, Layout.FrameHeight);
  Frame.Clear(0);
  if (!Frame.Empty()) {
    // Copied, not blended: blending onto the transparent frame would darken and thin every
    // translucent pixel of the shadow.
    TBitmap32 Source;
    Source.Assign(Image);
    Source.SetDrawMode(dmOpaque);
    if (Kind == skTile)
      TileBitmap(&Source, &Frame);
    else
      StretchBitmap(&Source, &Frame, false);
  }
  for (int I = 0; I < 4; ++I) Pieces[I] = CutPiece(Frame, Layout.Source[I]);
}

}  // namespace qv
