#include <windows.h>

#include <algorithm>

#include "controls/QvMeasureCanvas.h"
#include "controls/QvSkinLabel.h"
#include "controls/QvSkinLabelText.h"
#include "graphics/BitmapHelperDC.h"
#include "graphics/QvGR32LibShapes.h"
#include "host/Properties.h"
#include "raster/Polygons.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinLabel>(), true);

// What a label shows at design time behind text in its own background colour.
constexpr TColor kDesignBackground = TColor(0xC9C6C3);

}  // namespace

TQvSkinCustomLabel::TQvSkinCustomLabel(TComponent* AOwner)
    : TQvSkinCustomPanel(AOwner), FLight(std::make_unique<TQvLightClass>()) {
  // A label holds no children.
  SetControlStyle({csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csReplicatable});
  SetBorderSides({});
  SetAlpha(0);
  SetAutoInvalidate(true);
  SetBounds(Left(), Top(), 60, 17);
  TQvSkinCustomPanel::SetAutoSize(true);
  FLight->OnChanged = [this](TObject*) { Invalidate(); };
}

TQvSkinCustomLabel::~TQvSkinCustomLabel() {
  FLight->OnChanged = nullptr;
}

// ---- properties -----------------------------------------------------------------------

void TQvSkinCustomLabel::SetAutoSize(bool Value) {
  TQvSkinCustomPanel::SetAutoSize(Value);
  if (Value) AdjustBounds();
}

void TQvSkinCustomLabel::SetAlignmentHorizontal(TAlignment Value) {
  if (FAlignmentHorizontal == Value) return;
  FAlignmentHorizontal = Value;
  RecreateWnd();
  Invalidate();
}

void TQvSkinCustomLabel::SetAlignmentVertical(TVerticalAlignment Value) {
  if (FAlignmentVertical == Value) return;
  FAlignmentVertical = Value;
  RecreateWnd();
  Invalidate();
}

void TQvSkinCustomLabel::SetEllipsisPosition(TEllipsisPosition Value) {
  if (FEllipsisPosition == Value) return;
  FEllipsisPosition = Value;
  TQvSkinCustomPanel::SetAutoSize(false);
  Invalidate();
}

void TQvSkinCustomLabel::SetLight(TQvLightClass* Value) {
  if (Value) FLight->Assign(Value);
}

void TQvSkinCustomLabel::SetRoundBackground(bool Value) {
  if (FRoundBackground == Value) return;
  FRoundBackground = Value;
  if (!Value) {
    AdjustBounds();
  } else {
    if (Alpha() == 0) SetAlpha(255);
    Invalidate();
  }
}

// ---- messages and life cycle ----------------------------------------------------------

void TQvSkinCustomLabel::Loaded() {
  TQvSkinCustomPanel::Loaded();
  AdjustBounds();
}

void TQvSkinCustomLabel::WndProc(TMessage& Message) {
  TQvSkinCustomPanel::WndProc(Message);
  // The size follows the text and the font at any time, not only in the designer.
  if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_FONTCHANGED) {
    AdjustBounds();
    Invalidate();
  }
}

void TQvSkinCustomLabel::ScaleControlsForDpi(int NewPPI) {
  AdjustBounds();
  Invalidate();
}

void TQvSkinCustomLabel::CreateParams(TCreateParams& Params) {
  TQvSkinCustomPanel::CreateParams(Params);
  Params.WindowClass.Style &= ~uint32_t(CS_VREDRAW);
}

// ---- painting -------------------------------------------------------------------------

void TQvSkinCustomLabel::DrawBody(TBitmap32* Bitmap) {
  if (FRoundBackground && FRoundSize > 0) {
    const int W = Width(), H = Height();
    // The corner boxes are twice the radius; a radius past half the shorter side makes
    // the ends round.
    const int Radius = std::min(FRoundSize, std::min(W, H) / 2);
    if (Radius > 0)
      PolygonFS(Bitmap, CreateRoundRectangle(TFloatRect{0, 0, double(W), double(H)}, 4 * Radius),
                qv::SetAlpha(Color32(Color()), Alpha()));
    else
      Bitmap->FillRectTS(0, 0, W, H, qv::SetAlpha(Color32(Color()), Alpha()));
  } else {
    TQvSkinCustomPanel::DrawBody(Bitmap);
  }
  PaintText(Bitmap);
}

void TQvSkinCustomLabel::PaintText(TBitmap32* Bitmap) {
  Bitmap->Font()->Assign(Font());
  TCanvas* Canvas = Bitmap->Canvas();
  if (!Canvas) return;
  Canvas->Font().Assign(Font());
  const int W = Width(), H = Height();
  // Text in the background's own colour would vanish in the designer.
  if (Designing() && Font()->Color() == Color()) Bitmap->Clear(Color32(kDesignBackground));
  const String& Text = Caption();
  int TextHeight = 0;
  if (FWordWap)
    TextHeight = CalcTextSize(*Canvas, Text, DT_WORDBREAK | EllipsisFlag(FEllipsisPosition), W).cy;
  const TQvLabelTextPlacement P = LabelTextPlacement(FAlignmentHorizontal, FAlignmentVertical,
                                                     FWordWap, FEllipsisPosition, W, H, TextHeight);
  if (FLight->Active()) {
    TRect R = P.Rect;
    DrawEffectText(*Canvas, R, Text, P.Flags, 0, FLight->Color(), FLight->BlurRadius());
  }
  Bitmap->Textout(P.Rect, P.Flags, Text);
}

bool TQvSkinCustomLabel::CanAdjustBounds() const {
  const TComponentState State = ComponentState();
  return !State.Contains(csReading) && !State.Contains(csLoading) && AutoSize() &&
         !FRoundBackground;
}

void TQvSkinCustomLabel::AdjustBounds() {
  if (!CanAdjustBounds()) return;
  auto Canvas = NewMeasureCanvas();
  Canvas->Font().Assign(Font());
  // An empty label keeps the height of a line, so that it stays visible and clickable.
  const String& Text = Caption();
  const TSize Size = CalcTextSize(*Canvas, Text.empty() ? String(L" ") : Text);
  SetBounds(Left(), Top(), Size.cx, Size.cy);
}

// ---- object text form -----------------------------------------------------------------

// AutoSize is set by default here: the framework's rule writes it when set, this one
// when cleared.
const TPropTable& TQvSkinCustomLabel::Properties() const {
  using C = TQvSkinCustomLabel;
  static const TPropTable Table = TQvSkinCustomPanel::Properties().With({
      Prop(L"AutoSize", &C::AutoSize, &C::SetAutoSize)
          .Stored([](const C& Label) { return !Label.AutoSize(); })
          .BesideBase(),
      EnumProp(L"AlignmentHorizontal", &C::AlignmentHorizontal, &C::SetAlignmentHorizontal,
               TAlignmentNames),
      EnumProp(L"AlignmentVertical", &C::AlignmentVertical, &C::SetAlignmentVertical,
               TVerticalAlignmentNames),
      // The stored AutoSize decides the auto-size, whatever order the two come in.
      EnumProp(
          L"EllipsisPosition", &C::EllipsisPosition,
          [](C& Label, TEllipsisPosition Value) {
            if (Label.ComponentState().Contains(csReading) ||
                Label.ComponentState().Contains(csLoading))
              Label.FEllipsisPosition = Value;
            else
              Label.SetEllipsisPosition(Value);
          },
          TEllipsisPositionNames),
      ObjectProp(L"Light", &C::Light),
      Prop(L"RoundBackground", &C::RoundBackground, &C::SetRoundBackground),
      Prop(L"RoundSize", &C::RoundSize, &C::SetRoundSize, DefaultRoundSize),
      Prop(L"WordWap", &C::WordWap, &C::SetWordWap),
  });
  return Table;
}

}  // namespace qv
