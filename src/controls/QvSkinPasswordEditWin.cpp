#include <windows.h>

#include "controls/QvSkinPasswordEdit.h"
#include "host/Properties.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinPasswordEdit>(), true);

}  // namespace

TQvSkinPasswordEdit::TQvSkinPasswordEdit(TComponent* AOwner) : TQvSkinPngEdit(AOwner) {
  SetWidth(140);
  Space()->SetLeft(7);
  SetBlockWinMsg(true);
  FDisableCopy = true;
  TQvEditItem* Keyboard = EdItems()->AddItem();
  Keyboard->Pos()->SetX(4);
  Keyboard->Pos()->SetY(2);
  Keyboard->SetImage(L"QvSkinKeyboard");
}

void TQvSkinPasswordEdit::SetPasswordChar(const TQvResID& Value) {
  if (FPasswordChar == Value) return;
  FPasswordChar = Value;
  Invalidate();
}

void TQvSkinPasswordEdit::SetShowPassword(bool Value) {
  if (FShowPassword == Value) return;
  FShowPassword = Value;
  Invalidate();
}

int TQvSkinPasswordEdit::GetTextHeight() {
  if (FShowPassword) return TQvSkinPngEdit::GetTextHeight();
  if (TQvSkinImage* P = SkinPicture(FPasswordChar)) return 3 * P->Height();
  return TQvSkinPngEdit::GetTextHeight();
}

int TQvSkinPasswordEdit::GlyphWidth(const wchar_t* Glyph, int Units) {
  if (FShowPassword) return TQvSkinPngEdit::GlyphWidth(Glyph, Units);
  if (!Parent()) return 0;
  TQvSkinImage* P = SkinPicture(FPasswordChar);
  return (P ? P->Width() : 0) + FXSpace;
}

void TQvSkinPasswordEdit::DrawText(TBitmap32* Bitmap, int X, int Y, const String& Text,
                                   bool Selected) {
  if (FShowPassword) return TQvSkinPngEdit::DrawText(Bitmap, X, Y, Text, Selected);
  TQvSkinImage* P = SkinPicture(FPasswordChar);
  if (!P) return;
  const int PW = P->Width(), PH = P->Height();
  if (!Space()->Active()) FYSpace = (Height() - GetTextHeight()) / 2 + 1;
  if (Selected)
    Bitmap->FillRectTS(Rect(X - 2, Y + FYSpace - 4, X + PW + FXSpace + 1, Y + FYSpace + PH + 4),
                       SetAlpha(Color32(clHighlight), SelColorAlpha()));
  Bitmap->Draw(X, Space()->Active() ? Y + FYSpace : (Height() - PH) / 2, P);
}

void TQvSkinPasswordEdit::WndProc(TMessage& Message) {
  // The text stays inside whatever BlockWinMsg says.
  if (Message.Msg == WM_GETTEXT || Message.Msg == WM_GETTEXTLENGTH) {
    if (Message.Msg == WM_GETTEXT && Message.LParam && Message.WParam > 0)
      *reinterpret_cast<wchar_t*>(Message.LParam) = 0;
    Message.Result = 0;
    return;
  }
  TQvSkinPngEdit::WndProc(Message);
  // A password is typed with the input method closed: its composition would show the
  // characters in the clear.
  if (Message.Msg == WM_SETFOCUS)
    if (HIMC Imc = ImmGetContext(Handle())) {
      ImmSetOpenStatus(Imc, FALSE);
      ImmReleaseContext(Handle(), Imc);
    }
}

TQvAccessibleInfo TQvSkinPasswordEdit::AccessibleInfo() const {
  TQvAccessibleInfo Info = TQvSkinPngEdit::AccessibleInfo();
  Info.Value.clear();
  Info.State.Include(asProtected);
  return Info;
}

const TPropTable& TQvSkinPasswordEdit::Properties() const {
  using C = TQvSkinPasswordEdit;
  static const TPropTable Table = TQvSkinPngEdit::Properties().With({
      ResIDProp(L"PasswordChar", &C::PasswordChar, &C::SetPasswordChar, DefaultPasswordChar),
      Prop(L"ShowPassword", &C::ShowPassword, &C::SetShowPassword, false),
      Prop(L"XSpace", &C::XSpace, &C::SetXSpace, DefaultXSpace),
      Prop(L"YSpace", &C::YSpace, &C::SetYSpace, DefaultYSpace),
  });
  return Table;
}

}  // namespace qv
