#pragma once
// One page of the gallery: a title and what it shows.
#include <windows.h>

#include <memory>
#include <vector>

#include "host/Types.h"

namespace gallery {

class TGalleryPage {
 public:
  virtual ~TGalleryPage() = default;
  virtual qv::String Title() const = 0;
  // The page's content area: a child window of the gallery that fills ClientRect.
  virtual void Show(HWND Parent, const RECT& ClientRect) = 0;
  virtual void Hide() = 0;
  // False while a step the page deferred after Show is still to come.
  virtual bool Settled() const { return true; }
};

// In screenshot mode the pages hold their animations still, so every run paints the same.
bool AnimationsFrozen();
void FreezeAnimations();

using TPageFactory = std::unique_ptr<TGalleryPage> (*)();

// A page file registers itself with a static TPageRegistration; Order sorts the list.
struct TPageRegistration {
  TPageRegistration(int Order, TPageFactory Factory);
};

// Every registered page, in order.
std::vector<std::unique_ptr<TGalleryPage>> CreatePages();

}  // namespace gallery
