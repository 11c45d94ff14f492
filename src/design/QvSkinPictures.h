#pragma once
// The picture operations of a skin project, for any tool that edits one: picture files go
// into the module's main list (PNG, BMP, JPEG, GIF) or its vector list (SVG); pictures are
// replaced, deleted and exported; whole skins are imported and exported. A file is read and
// checked completely before anything changes. Each change is then written back over the
// project's files atomically and undone in memory when that fails, so the module and the
// files always agree.
#include <functional>

#include "resources/QvSkinResManager.h"

namespace qv {

class TQvSkinResDM;

// The module list a picture lives in.
enum TQvSkinPictureList { plBitmaps, plSvg };

// ".svg" (any case) goes to the vector list, every other file to the main list.
TQvSkinPictureList PictureListOfFile(const String& FileName);

// A picture of the project: its list and its ID.
struct TQvSkinPictureRef {
  TQvSkinPictureList List = plBitmaps;
  TQvResID ID;
  bool operator==(const TQvSkinPictureRef&) const = default;
};

// Renews the module after an import and answers the new one; the old one may be gone.
using TQvSkinModuleReload = std::function<TQvSkinResDM*()>;
// The resource manager's Reload: open forms then draw from the new module.
TQvSkinResDM* ReloadSkinResManager();

class TQvSkinPictures {
 public:
  // Edits the process's module (the one the resource manager draws from); an import
  // renews it through ReloadSkinResManager.
  explicit TQvSkinPictures(const String& Folder);
  // Edits Module; an import renews it through Reload (none: the module is refilled).
  TQvSkinPictures(const String& Folder, TQvSkinResDM* Module, TQvSkinModuleReload Reload);

  const String& Folder() const { return FFolder; }
  // The module edited; after an import, the renewed one.
  TQvSkinResDM* Module() const;

  // Opens the project (OpenSkinProject: the module file is written from the module when
  // missing) and fills the module's lists from the project's module file. A damaged file
  // raises and leaves the module as it was.
  void Open();

  // Index of the picture in its list; -1 when it is not there.
  int IndexOf(const TQvSkinPictureRef& Picture) const;

  // Adds the file to its list under NewPictureID(IDBox, FileName, ...) and answers where
  // it went. A file that is not a picture raises EInvalidGraphic and adds nothing.
  TQvSkinPictureRef Add(const String& FileName, const String& IDBox = String(),
                        bool HighDPI = false, TQvResDPIScale Scale = ds100);
  // Loads the file into the picture, which keeps its ID and description. The file must
  // suit the picture's list (a picture file for the main list, an SVG file for the vector
  // list).
  void Replace(const TQvSkinPictureRef& Picture, const String& FileName);
  void Delete(const TQvSkinPictureRef& Picture);

  // A main-list picture as a PNG file, a vector item as an SVG file; the target is
  // replaced atomically.
  void ExportPng(const TQvResID& ID, const String& FileName) const;
  void ExportSvg(const TQvResID& ID, const String& FileName) const;

  // Skin files: export copies the project's module file; import checks the file (its lists
  // must read), replaces the project's module keeping a backup, renews the module and fills
  // it from the file.
  void ExportSkin(const String& FileName) const;
  void ImportSkin(const String& FileName);

 private:
  void WriteBack();

  String FFolder;
  TQvSkinResDM* FModule;  // nil: the process's module
  TQvSkinModuleReload FReload;
};

}  // namespace qv
