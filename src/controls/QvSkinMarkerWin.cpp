#include <windows.h>

#include "controls/QvSkinCalloutGeometry.h"
#include "controls/QvSkinMarker.h"
#include "host/Application.h"
#include "host/Form.h"
#include "host/Platform.h"
#include "host/Properties.h"
#include "raster/Bitmap32.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinCircleMarker>(), true);

}  // namespace

TQvSkinMarker::TQvSkinMarker(TComponent* AOwner)
    : TComponent(AOwner),
      FPen(std::make_unique<TPen>()),
      FBrush(std::make_unique<TBrush>()),
      FFont(std::make_unique<TFont>()) {
  FBrush->SetColor(DefaultBrushColor);
  FFont->SetColor(DefaultFontColor);
  FFont->SetSize(DefaultFontSize);
}

TQvSkinMarker::~TQvSkinMarker() = default;

void TQvSkinCircleMarker::Draw(HDC DC) {
  if (!DC) return;
  const TControl* Form = Application ? Application->MainForm() : nullptr;
  auto Scaled = [&](int N) { return GetDPIScaledPixels(Form, N); };
  const int X = Scaled(this->X()), Y = Scaled(this->Y());
  const int W = Scaled(Width()), H = Scaled(Height()), Round = Scaled(RoundSize());
  if (W <= 0 || H <= 0) return;
  // Composed over what the DC shows, with a pixel of room for the outline's outer half.
  TBitmap32 B;
  B.SetSize(W + 2, H + 2);
  const TRect Area = Rect(X - 1, Y - 1, X + W + 1, Y + H + 1);
  B.Draw(B.BoundsRect(), Area, DC);
  B.ResetAlpha(255);
  PaintMarkerShape(&B, 1, 1, W, H, Round, Brush()->Style() != bsClear,
                   qv::SetAlpha(Color32(Brush()->Color()), Alpha()), Pen()->Style() != psClear,
                   qv::SetAlpha(Color32(Pen()->Color()), Alpha()));
  B.Font()->Assign(Font());
  SetDPIScaledFont(Form, B.Font());
  B.Textout(Rect(1, 1, 1 + W, 1 + H), DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, Text());
  B.DrawTo(DC, Area.Left, Area.Top);
}

const TPropTable& TQvSkinMarker::Properties() const {
  using C = TQvSkinMarker;
  static const TPropTable Table = TComponent::Properties().With({
      Prop(L"Alpha", &C::Alpha, &C::SetAlpha, DefaultAlpha),
      ObjectProp(L"Brush", &C::Brush),
      ObjectProp(L"Font", &C::Font),
      Prop(L"Height", &C::Height, &C::SetHeight, DefaultHeight),
      ObjectProp(L"Pen", &C::Pen),
      Prop(L"RoundSize", &C::RoundSize, &C::SetRoundSize),
      Prop(L"Text", &C::Text, &C::SetText, DefaultText),
      Prop(L"Width", &C::Width, &C::SetWidth, DefaultWidth),
      Prop(L"X", &C::X, &C::SetX),
      Prop(L"Y", &C::Y, &C::SetY),
  });
  return Table;
}

}  // namespace qv
