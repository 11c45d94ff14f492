#include "resources/QvSkinNamedItem.h"

#include <algorithm>
#include <utility>

namespace qv {

String FoldResID(const String& ResID) {
  return UpperCase(Trim(ResID));
}

void TQvSkinNamedItem::StoreResID(const String& Value) {
  FResID = Value;
  if (auto* Owner = dynamic_cast<TQvSkinNamedCollection*>(Collection())) Owner->ResIDChanged(*this);
}

// ---- TQvSkinNamedCollection --------------------------------------------------

TQvSkinNamedCollection::TQvSkinNamedCollection(TPersistent* AOwner, TItemFactory ItemFactory,
                                               TFold Fold)
    : TCollection(AOwner, std::move(ItemFactory)), FFold(Fold) {}

int TQvSkinNamedCollection::IndexOfResID(const String& ResID) const {
  if (!FFirstValid) {
    FFirst.clear();
    for (size_t I = 0; I < FKeys.size(); ++I) FFirst.try_emplace(FKeys[I], int(I));
    FFirstValid = true;
  }
  auto It = FFirst.find(FFold(ResID));
  return It == FFirst.end() ? -1 : It->second;
}

void TQvSkinNamedCollection::ItemMoved(int From, int To) {
  if (From < 0) {  // appended, with the empty ID of a new item
    FKeys.emplace_back();
    if (FFirstValid) FFirst.try_emplace(FKeys.back(), To);
    return;
  }
  String Key = std::move(FKeys[size_t(From)]);
  FKeys.erase(FKeys.begin() + From);
  if (To >= 0) FKeys.insert(FKeys.begin() + To, std::move(Key));
  FFirstValid = false;
}

void TQvSkinNamedCollection::ResIDChanged(const TQvSkinNamedItem& Item) {
  const int I = Item.Index();
  if (I < 0 || size_t(I) >= FKeys.size()) return;
  String Key = FFold(Item.ResID());
  if (Key == FKeys[size_t(I)]) return;
  String Old = std::exchange(FKeys[size_t(I)], Key);
  if (!FFirstValid) return;
  // The old ID now starts at its next holder, if any.
  auto It = FFirst.find(Old);
  if (It != FFirst.end() && It->second == I) {
    auto Next = std::find(FKeys.begin() + I + 1, FKeys.end(), Old);
    if (Next == FKeys.end())
      FFirst.erase(It);
    else
      It->second = int(Next - FKeys.begin());
  }
  auto [At, Added] = FFirst.try_emplace(std::move(Key), I);
  if (!Added && At->second > I) At->second = I;
}

}  // namespace qv
