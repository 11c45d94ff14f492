#pragma once
// The part both skin image lists share in their items: the resource ID the item answers
// to and a free-text description; and the collection that
// finds an item by its ID through an index instead of a scan (paints look IDs up all the
// time).
#include <unordered_map>
#include <vector>

#include "host/Classes.h"

namespace qv {

// The form resource IDs are compared in: trimmed and upper-cased.
String FoldResID(const String& ResID);

class TQvSkinNamedItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  String DisplayName() const override { return FResID.empty() ? ClassName() : FResID; }

  // Stored as given; lookups compare it folded.
  const String& ResID() const { return FResID; }
  const String& Description() const { return FDescription; }

 protected:
  void AssignNames(const TQvSkinNamedItem& Source) {
    StoreResID(Source.FResID);
    FDescription = Source.FDescription;
  }
  // Every change of FResID goes through here, so the collection's index follows it.
  void StoreResID(const String& Value);

  String FResID;
  String FDescription;
};

// Keeps the folded ID of every item by position, and a map from folded ID to the first
// position holding it. Appends and ID changes update the map; a removal or a move marks it
// for a rebuild from the kept IDs at the next lookup (no item is folded again).
class TQvSkinNamedCollection : public TCollection {
 public:
  using TFold = String (*)(const String&);
  TQvSkinNamedCollection(TPersistent* AOwner, TItemFactory ItemFactory, TFold Fold = FoldResID);

  // Index of the first item whose folded ResID equals the folded argument; -1 when none.
  int IndexOfResID(const String& ResID) const;

 protected:
  void ItemMoved(int From, int To) override;

 private:
  friend class TQvSkinNamedItem;
  void ResIDChanged(const TQvSkinNamedItem& Item);

  TFold FFold;
  std::vector<String> FKeys;  // folded IDs, in item order
  mutable std::unordered_map<String, int> FFirst;
  mutable bool FFirstValid = true;
};

}  // namespace qv
