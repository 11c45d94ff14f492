#include <windows.h>

#include "controls/QvSkinEdit.h"
#include "host/Properties.h"

namespace qv {

TQvEditItem::TQvEditItem(TCollection* ACollection)
    : TCollectionItem(ACollection),
      FFont(std::make_unique<TFont>()),
      FPos(std::make_unique<TQvLocateObj>()) {
  FPos->OnChange = [this](TObject*) { DoChanged(); };
}

TQvEditItem::~TQvEditItem() {
  FPos->OnChange = nullptr;
}

void TQvEditItem::DoChanged() {
  Changed(true);
  if (OnChanged) OnChanged(this);
}

void TQvEditItem::SetKind(TItemKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  DoChanged();
}

void TQvEditItem::SetImage(const TQvResID& Value) {
  if (FImage == Value) return;
  FImage = Value;
  DoChanged();
}

void TQvEditItem::SetImageHot(const TQvResID& Value) {
  if (FImageHot == Value) return;
  FImageHot = Value;
  DoChanged();
}

void TQvEditItem::SetImagePress(const TQvResID& Value) {
  if (FImagePress == Value) return;
  FImagePress = Value;
  DoChanged();
}

void TQvEditItem::SetText(const String& Value) {
  if (FText == Value) return;
  FText = Value;
  if (FKind == ikText) DoChanged();
}

void TQvEditItem::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  DoChanged();
}

void TQvEditItem::Click() {
  if (OnClick) OnClick(this);
}

void TQvEditItem::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TQvEditItem*>(Source);
  if (!S) return TCollectionItem::Assign(Source);
  FCurosor = S->FCurosor;
  FFont->Assign(S->FFont.get());
  FKind = S->FKind;
  FImage = S->FImage;
  FImageHot = S->FImageHot;
  FImagePress = S->FImagePress;
  FText = S->FText;
  FPos->Assign(S->FPos.get());
  FVisible = S->FVisible;
  FMakeSpace = S->FMakeSpace;
  FTag = S->FTag;
  DoChanged();
}

const TPropTable& TQvEditItem::Properties() const {
  using C = TQvEditItem;
  static const TPropTable Table = TCollectionItem::Properties().With({
      Prop(L"Curosor", &C::Curosor, &C::SetCurosor, crDefault),
      Prop(L"Enabled", &C::Enabled, &C::SetEnabled, DefaultEnabled),
      ObjectProp(L"Font", &C::Font),
      Prop(L"Hint", &C::Hint, &C::SetHint, L""),
      ResIDProp(L"Image", &C::Image, &C::SetImage),
      ResIDProp(L"ImageHot", &C::ImageHot, &C::SetImageHot),
      ResIDProp(L"ImagePress", &C::ImagePress, &C::SetImagePress),
      EnumProp(L"Kind", &C::Kind, &C::SetKind, TItemKindNames),
      Prop(L"MakeSpace", &C::MakeSpace, &C::SetMakeSpace, DefaultMakeSpace),
      ObjectProp(L"Pos", &C::Pos),
      Prop(L"Tag", &C::Tag, &C::SetTag, 0),
      Prop(L"Text", &C::Text, &C::SetText, L""),
      Prop(L"Visible", &C::Visible, &C::SetVisible, DefaultVisible),
  });
  return Table;
}

TQvEditItems::TQvEditItems(TQvSkinPngEdit* AEdit)
    : TCollection(AEdit, [](TCollection* C) { return new TQvEditItem(C); }), FEdit(AEdit) {}

TQvEditItem* TQvEditItems::AddItem(TQvEditItem* Item, int Index) {
  if (!Item) Item = static_cast<TQvEditItem*>(Add());
  if (Index >= 0 && Index < Count()) Item->SetIndex(Index);
  return Item;
}

void TQvEditItems::Update(TCollectionItem*) {
  if (FEdit) FEdit->ItemsChanged();
}

}  // namespace qv
