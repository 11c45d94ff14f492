#include <windows.h>

#include "controls/QvSkinExpandBox.h"
#include "graphics/QvComm.h"
#include "host/Properties.h"
#include "host/ScopeGuard.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinExpandBox>(), true);

}  // namespace

TQvSkinExpandBox::TQvSkinExpandBox(TComponent* AOwner)
    : TQvSkinCustomControl(AOwner), FTitleFont(std::make_unique<TFont>()) {
  SetControlStyle({csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks});
  FTitleFont->SetSize(9);
  FTitleFont->SetStyle({fsBold});
  FTitleFont->SetColor(clWhite);
  FTitleFont->OnChange = [this](TObject*) { Invalidate(); };
  SetText(L" ");
  FExpandedHeight = Height();
}

TQvSkinExpandBox::~TQvSkinExpandBox() {
  FTitleFont->OnChange = nullptr;
}

int TQvSkinExpandBox::ScaledTitleHeight() const {
  return GetDPIScaledPixels(this, FTitleHeight);
}

TRect TQvSkinExpandBox::TitleRect() const {
  return Rect(0, 0, Width(), ScaledTitleHeight());
}

void TQvSkinExpandBox::SetTitle(const String& Value) {
  if (FTitle == Value) return;
  FTitle = Value;
  DoChanged();
}

void TQvSkinExpandBox::SetTitleColor(TColor Value) {
  if (FTitleColor == Value) return;
  FTitleColor = Value;
  DoChanged();
}

void TQvSkinExpandBox::SetTitleHeight(int Value) {
  if (FTitleHeight == Value) return;
  if (Value <= 0) Value = 1;
  if (Value > Height()) Value = Height();
  FTitleHeight = Value;
  DoChanged();
}

void TQvSkinExpandBox::SetTitleFont(TFont* Value) {
  FTitleFont->Assign(Value);
}

void TQvSkinExpandBox::ChangeIcon(TQvResID& Field, const TQvResID& Value) {
  if (Field == Value) return;
  Field = Value;
  Invalidate();
}

void TQvSkinExpandBox::SetExpand(bool Value) {
  if (Value == FExpand) return;
  if (!Value && (!FAllowCollapse || Align() == alClient)) return;
  FExpand = Value;
  DoExpand();
}

void TQvSkinExpandBox::DoExpand() {
  if (!Designing()) {
    if (FExpand || !FAllowCollapse || Align() == alClient) {
      SetHeight(FExpandedHeight);
    } else {
      FExpandedHeight = Height();
      SetHeight(ScaledTitleHeight() + 1);
    }
  }
  DoChanged();
}

void TQvSkinExpandBox::DoChanged() {
  Invalidate();
  if (OnChanged) OnChanged(this);
}

void TQvSkinExpandBox::AdjustClientRect(TRect& Rect) {
  TQvSkinCustomControl::AdjustClientRect(Rect);
  Rect.Top += ScaledTitleHeight();
  Rect.Left += 1;
  Rect.Right -= 1;
  Rect.Bottom -= 1;
}

bool TQvSkinExpandBox::CanResize(int& NewWidth, int& NewHeight) {
  TQvSkinCustomControl::CanResize(NewWidth, NewHeight);
  const int T = ScaledTitleHeight();
  if (NewHeight < T)
    NewHeight = T;
  else if (FExpand || !FAllowCollapse)
    // Any size the open box takes is the one it unfolds to again.
    FExpandedHeight = NewHeight;
  return true;
}

void TQvSkinExpandBox::WndProc(TMessage& Message) {
  TQvSkinCustomControl::WndProc(Message);
  switch (Message.Msg) {
    // The second of two quick clicks arrives as a double click: it is a press all the same.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const TPoint P{short(LOWORD(Message.LParam)), short(HIWORD(Message.LParam))};
      const TRect R = TitleRect();
      if (P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom) {
        // The title flips the flag even where collapsing is not allowed; DoExpand then
        // keeps the height.
        FExpand = !FExpand;
        DoExpand();
      }
      break;
    }
    case WM_MOVE:
      if (AutoInvalidate()) Invalidate();
      break;
    default:
      break;
  }
}

void TQvSkinExpandBox::DrawBody(TBitmap32* Bitmap) {
  TQvSkinCustomControl::DrawBody(Bitmap);
  const int W = Width(), H = Height(), T = ScaledTitleHeight();
  const TColor32 Border = Color32(FBorderColor);
  auto Updating = UpdateScope(*Bitmap);
  if (!Transparent()) Bitmap->FillRectS(0, 0, W, T, Color32(FTitleColor));
  Bitmap->LineS(0, 0, W - 1, 0, Border);
  if (FExpand) Bitmap->LineS(0, T - 1, W, T - 1, Border);
  int TextLeft = 10;
  if (TQvSkinImage* Icon = SkinPicture(FTitleIcon)) {
    Bitmap->Draw(5, (T - Icon->Height()) / 2, Icon);
    TextLeft += Icon->Width();
  }
  Bitmap->Font()->Assign(FTitleFont.get());
  SetDPIScaledFont(this, Bitmap->Font());
  Bitmap->Textout(Rect(TextLeft, 0, W, T), DT_VCENTER | DT_SINGLELINE, FTitle);
  if (FAllowCollapse) {
    if (TQvSkinImage* Icon = SkinPicture(FExpand ? FExpandIcon : FCollapseIcon))
      Bitmap->Draw(W - Icon->Width() - 5, (T - Icon->Height()) / 2, Icon);
  }
  Bitmap->LineS(0, 0, 0, H, Border);
  Bitmap->LineS(W - 1, 0, W - 1, H, Border);
  Bitmap->LineS(0, H - 1, W - 1, H - 1, Border);
}

// ---- object text form ---------------------------------------------------------------

// A collapsed box writes its expanded height, then Expand: the height read back is already
// the collapsed one, so only the flag is read.
const TPropTable& TQvSkinExpandBox::Properties() const {
  using C = TQvSkinExpandBox;
  auto Collapsed = [](const C& Box) { return !Box.FExpand; };
  static const TPropTable Table = TQvSkinCustomControl::Properties().With({
      Prop(L"AllowCollapse", &C::AllowCollapse, &C::SetAllowCollapse, DefaultAllowCollapse),
      ColorProp(L"BorderColor", &C::BorderColor, &C::SetBorderColor, DefaultBorderColor),
      ResIDProp(L"CollapseIcon", &C::CollapseIcon, &C::SetCollapseIcon, DefaultCollapseIcon),
      ResIDProp(L"ExpandIcon", &C::ExpandIcon, &C::SetExpandIcon, DefaultExpandIcon),
      Prop(L"ExpandedHeight", &C::ExpandedHeight,
           [](C& Box, int Value) { Box.FExpandedHeight = Value; })
          .Stored(Collapsed),
      Prop(L"Expand", &C::Expand, [](C& Box, bool Value) { Box.FExpand = Value; })
          .Stored(Collapsed),
      Prop(L"Title", &C::Title, &C::SetTitle, DefaultTitle),
      ColorProp(L"TitleColor", &C::TitleColor, &C::SetTitleColor, DefaultTitleColor),
      ObjectProp(L"TitleFont", &C::TitleFont),
      Prop(L"TitleHeight", &C::TitleHeight, &C::SetTitleHeight, DefaultTitleHeight),
      ResIDProp(L"TitleIcon", &C::TitleIcon, &C::SetTitleIcon),
  });
  return Table;
}

}  // namespace qv
