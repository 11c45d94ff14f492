#include <windows.h>

#include "controls/QvSkinSpinEdit.h"
#include "graphics/QvComm.h"
#include "host/Properties.h"
#include "resources/QvSkinResManager.h"

namespace qv {

namespace {

const bool kRegistered = (RegisterComponentClass<TQvSkinSpinEdit>(), true);

TQvEditItem* AddArrow(TQvEditItems* Items, int Y, const wchar_t* Normal, const wchar_t* Hot,
                      const wchar_t* Pushed) {
  TQvEditItem* Item = Items->AddItem();
  Item->Pos()->SetAlign(agRight);
  Item->Pos()->SetX(24);
  Item->Pos()->SetY(Y);
  Item->SetImage(Normal);
  Item->SetImageHot(Hot);
  Item->SetImagePress(Pushed);
  return Item;
}

bool Inside(const TRect& R, int X, int Y) {
  return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
}

}  // namespace

TQvSkinSpinEdit::TQvSkinSpinEdit(TComponent* AOwner)
    : TQvSkinPngEdit(AOwner), FTimer(std::make_unique<TSimpleTimer>(RepeatInterval)) {
  FTimer->SetOnTimer([this](TObject* S) { DoOnTimer(S); });
  AddArrow(EdItems(), 1, L"QvSkinSpin_normal_up", L"QvSkinSpin_highlight_up",
           L"QvSkinSpin_pushed_up");
  AddArrow(EdItems(), 13, L"QvSkinSpin_normal_down", L"QvSkinSpin_highlight_down",
           L"QvSkinSpin_pushed_down");
  SetAutoSelect(false);
  SetValue(0);
}

TQvSkinSpinEdit::~TQvSkinSpinEdit() {
  FTimer->SetEnabled(false);
}

int TQvSkinSpinEdit::CheckValue(int V) const {
  if (FMinValue == FMaxValue) return V;
  return V < FMinValue ? FMinValue : V > FMaxValue ? FMaxValue : V;
}

int TQvSkinSpinEdit::TextAsInt() const {
  Integer V = 0;
  return TryStrToInt(Text(), V) ? int(V) : 0;
}

int TQvSkinSpinEdit::Value() {
  if (FKeyInput) {
    FValue = TextAsInt();
    FKeyInput = false;
  }
  return FValue;
}

void TQvSkinSpinEdit::SetValue(int V) {
  FValue = CheckValue(V);
  FKeyInput = false;
  SetText(std::to_wstring(FValue));
}

void TQvSkinSpinEdit::SetMinValue(int V) {
  FMinValue = V;
  if (Value() < FMinValue) SetValue(FValue);
}

void TQvSkinSpinEdit::SetMaxValue(int V) {
  FMaxValue = V;
  if (Value() > FMaxValue) SetValue(FValue);
}

void TQvSkinSpinEdit::spin_upClick() {
  if (Value() + FStepSize > FMaxValue) return;
  SetValue(FValue + FStepSize);
  if (OnUpButtonClick) OnUpButtonClick(this);
}

void TQvSkinSpinEdit::spin_downClick() {
  if (Value() - FStepSize < FMinValue) return;
  SetValue(FValue - FStepSize);
  if (OnDownButtonClick) OnDownButtonClick(this);
}

void TQvSkinSpinEdit::DoOnTimer(TObject*) {
  if (!(GetKeyState(VK_LBUTTON) & 0x8000)) {
    // The button went up where the edit did not see it.
    FTimer->SetEnabled(false);
    return;
  }
  SetValue(Value() + (FTimer->Tag() == 0 ? FStepSize : -FStepSize));
}

void TQvSkinSpinEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TQvSkinPngEdit::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  for (int Arrow = 0; Arrow < 2 && Arrow < EdItems()->Count(); ++Arrow) {
    if (!Inside(EdItems()->Item(Arrow)->Rect(), X, Y)) continue;
    if (Arrow == 0)
      spin_upClick();
    else
      spin_downClick();
    FTimer->SetTag(Arrow);
    FTimer->SetEnabled(true);
    break;
  }
}

void TQvSkinSpinEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FTimer->SetEnabled(false);
  TQvSkinPngEdit::MouseUp(Button, Shift, X, Y);
}

void TQvSkinSpinEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  switch (Key) {
    case VK_RETURN:
      SetValue(TextAsInt());
      break;
    case VK_UP:
      SetValue(Value() + FStepSize);
      return;
    case VK_DOWN:
      SetValue(Value() - FStepSize);
      return;
    default:
      FKeyInput = true;
      break;
  }
  TQvSkinPngEdit::KeyDown(Key, Shift);
}

void TQvSkinSpinEdit::KeyPress(wchar_t& Key) {
  if (Key >= 32 && !(Key >= L'0' && Key <= L'9') && Key != L'+' && Key != L'-') return;
  TQvSkinPngEdit::KeyPress(Key);
  FKeyInput = true;
}

void TQvSkinSpinEdit::DoEnter() {
  FOldValue = Value();
  TQvSkinPngEdit::DoEnter();
}

void TQvSkinSpinEdit::DoExit() {
  TQvSkinPngEdit::DoExit();
  SetValue(TextAsInt());
  if (FValue != FOldValue) Change();
}

void TQvSkinSpinEdit::WndProc(TMessage& Message) {
  TQvSkinPngEdit::WndProc(Message);
  // The arrows stacked and centred when the spacing does not place the text.
  if (Message.Msg == WM_SIZE && !Space()->Active() && EdItems()->Count() >= 2) {
    TQvSkinImage* Up = SkinPicture(EdItems()->Item(0)->Image());
    TQvSkinImage* Down = SkinPicture(EdItems()->Item(1)->Image());
    const int H0 = Up ? Up->Height() : 0, H1 = Down ? Down->Height() : 0;
    const int Y = (Height() - H0 - H1) / 2;
    EdItems()->Item(0)->Pos()->SetY(Y);
    EdItems()->Item(1)->Pos()->SetY(Y + H0);
  }
}

const TPropTable& TQvSkinSpinEdit::Properties() const {
  using C = TQvSkinSpinEdit;
  static const TPropTable Table = TQvSkinPngEdit::Properties().With({
      Prop(L"MaxValue", &C::MaxValue, &C::SetMaxValue, DefaultMaxValue),
      Prop(L"MinValue", &C::MinValue, &C::SetMinValue, 0),
      Prop(L"StepSize", &C::StepSize, &C::SetStepSize, DefaultStepSize),
      Prop(
          L"Value", [](const C& S) { return const_cast<C&>(S).Value(); }, &C::SetValue, 0),
  });
  return Table;
}

}  // namespace qv
