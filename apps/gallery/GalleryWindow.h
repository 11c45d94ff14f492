#pragma once
// The gallery's main window: a skinned form (title bar, system buttons, shadow border)
// with a list of pages on the left and the current page beside it. The "Pages" menu also
// switches the built-in skin between light, dark and following the Windows app theme.
#include <memory>
#include <vector>

#include "GalleryPage.h"

namespace qv {
class TForm;
class TMenuItem;
class TQvSkinForm;
class TQvSkinNCLabel;
}  // namespace qv

namespace gallery {

class TGalleryWindow {
 public:
  TGalleryWindow();
  ~TGalleryWindow();
  HWND Handle() const;
  // Shows the window; closing it ends the message loop.
  void Show();
  int PageCount() const { return int(FPages.size()); }
  const TGalleryPage& Page(int Index) const { return *FPages[size_t(Index)]; }
  void SelectPage(int Index);
  enum TThemeChoice { tcLight, tcDark, tcWindows };
  void ChooseTheme(TThemeChoice Choice);

 private:
  void Layout();
  RECT PageRect() const;
  std::unique_ptr<qv::TForm> FForm;
  qv::TQvSkinForm* FSkin = nullptr;
  qv::TQvSkinNCLabel* FTitle = nullptr;
  HWND FList = nullptr;
  HFONT FFont = nullptr;
  std::vector<std::unique_ptr<TGalleryPage>> FPages;
  int FCurrent = -1;
  qv::TMenuItem* FThemeItems[3] = {};
  bool FFollowWindows = false;
};

}  // namespace gallery
