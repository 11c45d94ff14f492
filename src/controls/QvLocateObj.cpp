#include "controls/QvLocateObj.h"

#include "host/Properties.h"

namespace qv {

namespace {

// Stores Value and tells OnChange, when the value changed.
template <typename T>
void Change(TObject* Sender, T& Field, T Value, const TNotifyEvent& OnChange) {
  if (Field == Value) return;
  Field = Value;
  if (OnChange) OnChange(Sender);
}

}  // namespace

// ---- TQvLocateObj -----------------------------------------------------------------

void TQvLocateObj::SetX(int Value) {
  Change(this, FX, Value, OnChange);
}
void TQvLocateObj::SetY(int Value) {
  Change(this, FY, Value, OnChange);
}
void TQvLocateObj::SetAlign(TQvAlign Value) {
  Change(this, FAlign, Value, OnChange);
}

void TQvLocateObj::Assign(TPersistent* Source) {
  if (!AssignProperties(*this, Source)) TPersistent::Assign(Source);
}

const TPropTable& TQvLocateObj::Properties() const {
  using C = TQvLocateObj;
  static const TPropTable Table = TPersistent::Properties().With({
      EnumProp(L"Align", &C::Align, &C::SetAlign, TQvAlignNames),
      Prop(L"X", &C::X, &C::SetX),
      Prop(L"Y", &C::Y, &C::SetY),
  });
  return Table;
}

// ---- TQvSpaceSize -----------------------------------------------------------------

void TQvSpaceSize::SetActive(bool Value) {
  Change(this, FActive, Value, OnChange);
}
void TQvSpaceSize::SetLeft(int Value) {
  Change(this, FLeft, Value, OnChange);
}
void TQvSpaceSize::SetTop(int Value) {
  Change(this, FTop, Value, OnChange);
}
void TQvSpaceSize::SetRight(int Value) {
  Change(this, FRight, Value, OnChange);
}
void TQvSpaceSize::SetBottom(int Value) {
  Change(this, FBottom, Value, OnChange);
}

const TPropTable& TQvSpaceSize::Properties() const {
  using C = TQvSpaceSize;
  static const TPropTable Table = TPersistent::Properties().With({
      Prop(L"Active", &C::Active, &C::SetActive, DefaultActive),
      Prop(L"Bottom", &C::Bottom, &C::SetBottom),
      Prop(L"Left", &C::Left, &C::SetLeft),
      Prop(L"Right", &C::Right, &C::SetRight),
      Prop(L"Top", &C::Top, &C::SetTop),
  });
  return Table;
}

}  // namespace qv
