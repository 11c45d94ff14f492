#pragma once
// The gallery's main window: a list of pages on the left and the current page beside it.
#include <memory>
#include <vector>

#include "GalleryPage.h"

namespace gallery {

class TGalleryWindow {
 public:
  TGalleryWindow();
  ~TGalleryWindow();
  HWND Handle() const { return FHandle; }
  int PageCount() const { return int(FPages.size()); }
  const TGalleryPage& Page(int Index) const { return *FPages[size_t(Index)]; }
  void SelectPage(int Index);

 private:
  static LRESULT CALLBACK WndProc(HWND Wnd, UINT Msg, WPARAM W, LPARAM L);
  LRESULT Handle(UINT Msg, WPARAM W, LPARAM L);
  RECT PageRect() const;
  HWND FHandle = nullptr;
  HWND FList = nullptr;
  HFONT FFont = nullptr;
  std::vector<std::unique_ptr<TGalleryPage>> FPages;
  int FCurrent = -1;
};

}  // namespace gallery
