#pragma once
// Small pieces shared by the controls that drive external skinned bars and name them (and
// a framing panel) in the object text: the tree, the list view, the memo, the scroll box.
#include <initializer_list>

#include "controls/QvSkinScrollBar.h"
#include "host/Classes.h"

namespace qv {

// A going control detaches its bars: they stop calling back and stop telling it when they
// go. LastChange also drops OnLastChange for a control that set it. Bars may be nil.
inline void ReleaseBars(TComponent* Owner, std::initializer_list<TQvSkinScrollBar*> Bars,
                        bool LastChange = false) {
  for (TQvSkinScrollBar* Bar : Bars)
    if (Bar) {
      Bar->OnChange = nullptr;
      if (LastChange) Bar->OnLastChange = nullptr;
      Bar->RemoveFreeNotification(Owner);
    }
}

// A reference read by name from the object text, resolved once everything is read: the
// component of that name when it is a T, nil otherwise. The name is forgotten.
template <class T>
T* TakeReference(const TComponent* From, String& Name) {
  TComponent* C = Name.empty() ? nullptr : FindReferencedComponent(From, Name);
  Name.clear();
  return dynamic_cast<T*>(C);
}

}  // namespace qv
