#pragma once
// The default-skin module: the main image list with the library's 84 built-in pictures
// and the (empty) vector image list. One instance per process, created on first use.
#include "host/Classes.h"
#include "resources/QvSkinImageList.h"
#include "resources/QvSkinSvgImageList.h"

namespace qv {

class TQvSkinResDM : public TComponent {
  QV_CLASS(TQvSkinResDM)

 public:
  // Named "QvSkinResDM"; fills the main list with the default skin.
  explicit TQvSkinResDM(TComponent* AOwner);
  ~TQvSkinResDM() override;

  TQvSkinImageList* QvSkinImageListMain() const { return FQvSkinImageListMain; }
  TQvSkinSvgImageList* QvSkinImageListSvg() const { return FQvSkinImageListSvg; }

 private:
  TQvSkinImageList* FQvSkinImageListMain;
  TQvSkinSvgImageList* FQvSkinImageListSvg;
};

// Appends the default skin's pictures of the current theme to List in table order: each
// embedded PNG decoded, checked against the table's size (a mismatch raises: the build
// embedded a wrong file), with the table's draw mode and the nearest-neighbour resampler.
void LoadDefaultSkin(TQvSkinImageList* List);

// The process instance: created (with no owner) on the first call, freed at exit.
TQvSkinResDM* QvSkinResDM();
// The instance if one exists; never creates it.
TQvSkinResDM* QvSkinResDMAssigned();
// Frees the instance and creates a new one.
TQvSkinResDM* RecreateQvSkinResDM();
// Frees the instance (QvSkinResDM() creates a new one on its next call).
void FreeQvSkinResDM();

}  // namespace qv
