#pragma once
// The part both skin image lists share in their items: the resource ID the item answers
// to and a free-text description.
#include "host/Classes.h"

namespace qv {

class TQvSkinNamedItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  String DisplayName() const override { return FResID.empty() ? ClassName() : FResID; }

  // Stored as given; lookups compare it trimmed and case-folded.
  const String& ResID() const { return FResID; }
  const String& Description() const { return FDescription; }

 protected:
  void AssignNames(const TQvSkinNamedItem& Source) {
    FResID = Source.FResID;
    FDescription = Source.FDescription;
  }

  String FResID;
  String FDescription;
};

}  // namespace qv
