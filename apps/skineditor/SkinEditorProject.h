#pragma once
// The skin editor's document: a project folder and its default-skin module, loaded into a
// module of its own. The process module stays as it is: every skinned control keeps
// pointers to its pictures, so replacing them under the controls would leave them dangling.
// No window code: the editor form drives it and the tests call it.
#include <memory>
#include <vector>

#include "host/Types.h"

namespace qv {
class TQvSkinResDM;
class TQvSkinPictures;
}  // namespace qv

namespace skineditor {

using qv::String;

// One line of the picture list: a picture of the main list or an item of the vector list.
struct TSkinEntry {
  String ID;
  bool Svg = false;
  friend bool operator==(const TSkinEntry&, const TSkinEntry&) = default;
};

// Whether ID or Description contains Filter, ignoring case; an empty filter matches all.
bool MatchesFilter(const String& Filter, const String& ID, const String& Description);

// How many state pictures a W × H picture most likely holds side by side (5 or 4 equal
// cells at least as wide as high, else 1): the preview button slices it that way.
int GuessStateCount(int W, int H);

class TSkinEditorProject {
 public:
  TSkinEditorProject();
  ~TSkinEditorProject();

  // The open project's folder with a trailing delimiter; empty before the first Open.
  const String& Folder() const { return FFolder; }
  bool IsOpen() const { return FPictures != nullptr; }
  String ModuleFileName() const;

  // The project's module; nil before the first Open.
  qv::TQvSkinResDM* Module() const { return FModule.get(); }

  // Opens Folder: its module is created from the default skin when missing, the
  // design-time file rebuilt, and the module loaded. Raises with the library's messages
  // ("Not found Project Path!", ...); on failure the previous project stays open.
  void Open(const String& Folder);
  // The picture operations on the open project; raises "Not found Project Path!" when
  // none is open. Every change is written back at once.
  qv::TQvSkinPictures& Pictures() const;
  // The pictures, then the vector items, whose ID or description contains Filter.
  std::vector<TSkinEntry> Entries(const String& Filter = String()) const;

  // Copies the project's module to FileName.
  void ExportSkin(const String& FileName) const;
  // Replaces the project's module with FileName (checked first, the old one kept as the
  // backup), then creates the project's module again and fills it from the file.
  void ImportSkin(const String& FileName);

 private:
  String FFolder;
  std::unique_ptr<qv::TQvSkinResDM> FModule;
  std::unique_ptr<qv::TQvSkinPictures> FPictures;
};

}  // namespace skineditor
