#include <windows.h>

#include "controls/QvSkinButtonURL.h"
#include "graphics/BitmapHelperDC.h"
#include "graphics/QvComm.h"
#include "host/Canvas.h"
#include "host/Font.h"
#include "host/Properties.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvURLButton>(), true);

}  // namespace

TQvURLButton::TQvURLButton(TComponent* AOwner)
    : TQvSkinLabel(AOwner), FFontHot(std::make_unique<TFont>()) {
  FFontHot->SetColor(DefaultHotColor);
  FFontHot->OnChange = [this](TObject*) { Invalidate(); };
  SetCursor(crHandPoint);
}

TQvURLButton::~TQvURLButton() {
  FFontHot->OnChange = nullptr;
}

void TQvURLButton::SetFontHot(TFont* Value) {
  if (Value) FFontHot->Assign(Value);
}

void TQvURLButton::Click() {
  TQvSkinLabel::Click();
  if (CanFocus()) SetFocus();
}

void TQvURLButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    // Replaces the framework's handling: OnMouseEnter and OnMouseLeave do not fire.
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (Message.LParam == 0 || Message.LParam == intptr_t(this)) {
        FHover = Message.Msg == CM_MOUSEENTER;
        Invalidate();
      }
      return;
    case WM_KEYDOWN:
      TQvSkinLabel::WndProc(Message);
      if (Message.WParam == VK_SPACE || Message.WParam == VK_RETURN) Click();
      return;
  }
  TQvSkinLabel::WndProc(Message);
}

void TQvURLButton::DrawBody(TBitmap32* Bitmap) {
  if (AutoSize() && Align() == alNone) AdjustBounds();
  const TRect R{0, 0, Width(), Height()};
  uint32_t Flags = 0;
  if (AlignmentHorizontal() == taRightJustify) Flags |= DT_RIGHT;
  if (AlignmentHorizontal() == taCenter) Flags |= DT_CENTER;
  if (AlignmentVertical() == taAlignBottom) Flags |= DT_BOTTOM | DT_SINGLELINE;
  if (AlignmentVertical() == taVerticalCenter) Flags |= DT_VCENTER | DT_SINGLELINE;
  if (AppIsHighDPIMode()) {
    const TFontStyles Style = FFontHot->Style();
    const TColor Color = FFontHot->Color();
    FFontHot->Assign(Font());
    FFontHot->SetStyle(Style);
    FFontHot->SetColor(Color);
  }
  Bitmap->Font()->Assign(FHover ? FFontHot.get() : Font());
  if (Light()->Active())
    if (TCanvas* Canvas = Bitmap->Canvas()) {
      Canvas->Font().Assign(Bitmap->Font());
      TRect G = R;
      DrawEffectText(*Canvas, G, Caption(), Flags, 0, Light()->Color(), Light()->BlurRadius());
    }
  Bitmap->Textout(R, Flags, Caption());
  // A link has no focus look of its own: the platform's rectangle around the text.
  if (Focused() && ShowsFocusCues()) DrawFocusCue(*Bitmap, Rect(0, 0, Width(), Height()));
}

TQvAccessibleInfo TQvURLButton::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinLabel::AccessibleInfo();
  Info.Role = arLink;
  SetAccessibleCaption(Info, Caption());
  if (TabStop()) Info.State.Include(asFocusable);
  if (const_cast<TQvURLButton*>(this)->Focused()) Info.State.Include(asFocused);
  if (FHover) Info.State.Include(asHot);
  Info.DefaultAction = L"Jump";
  return Info;
}

bool TQvURLButton::DoAccessibleDefaultAction() {
  if (!Enabled()) return false;
  Click();
  return true;
}

const TPropTable& TQvURLButton::Properties() const {
  using C = TQvURLButton;
  static const auto Reference = [] {
    auto F = std::make_unique<TFont>();
    F->SetColor(DefaultHotColor);
    return F;
  }();
  static const TPropTable Table = TQvSkinLabel::Properties().With({
      ObjectProp(L"FontHot", &C::FontHot, Reference.get()),
  });
  return Table;
}

}  // namespace qv
