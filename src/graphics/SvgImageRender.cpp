#include "graphics/SvgImageRender.h"

#include "graphics/QvSkinGraphics.h"

namespace qv {

namespace {

// The path reader takes 8-bit text; characters beyond that range cannot be path syntax.
std::string Narrow(const String& S) {
  std::string R;
  R.reserve(S.size());
  for (wchar_t C : S) R += uint32_t(C) < 256 ? char(C) : '?';
  return R;
}

}  // namespace

bool RenderSvgImage(const TQvSkinSvgImageList& List, int Index, TQvSkinImage& Image, Integer Width,
                    Integer Height) {
  if (Index < 0 || Index >= List.Images()->Count()) return false;
  const TSkSvgBrush& Data = *List.Images()->Items(Index)->SVGData();
  if (Width <= 0) Width = List.Width();
  if (Height <= 0) Height = List.Height();
  TQvSkinImage Target;
  Target.SetSize(Width, Height);
  if (!Target.Empty() && !Data.Empty()) {
    double ViewW = Data.ViewWidth() > 0 ? Data.ViewWidth() : List.Width();
    double ViewH = Data.ViewHeight() > 0 ? Data.ViewHeight() : List.Height();
    double SX = ViewW > 0 ? Width / ViewW : 1, SY = ViewH > 0 ? Height / ViewH : 1;
    TCanvas32 Canvas(&Target);
    Canvas.SetTransformation(SX, SY);
    if (Data.FillColor() != clNone)
      Canvas.Brushes().Add<TSolidBrush>()->SetFillColor(Color32(Data.FillColor()));
    if (Data.StrokeColor() != clNone && Data.StrokeWidth() > 0) {
      auto* Stroke = Canvas.Brushes().Add<TStrokeBrush>();
      Stroke->SetFillColor(Color32(Data.StrokeColor()));
      Stroke->SetStrokeWidth(Data.StrokeWidth() * std::max(SX, SY));
      Stroke->SetFillMode(pfNonZero);
    }
    RenderSVGPath(Canvas, Narrow(Data.Path()));
  }
  Target.SetDrawMode(dmBlend);
  Image.Assign(&Target);
  Image.SetIsFromSVG(true);
  return true;
}

bool RenderSvgImage(const TQvSkinSvgImageList& List, const String& ResID, TQvSkinImage& Image,
                    Integer Width, Integer Height) {
  return RenderSvgImage(List, List.FindByResID(ResID), Image, Width, Height);
}

}  // namespace qv
