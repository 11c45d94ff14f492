#include "SkinEditorProject.h"

#include "design/QvSkinFile.h"
#include "design/QvSkinPictures.h"
#include "host/Streams.h"
#include "resources/QvSkinResDM.h"

namespace skineditor {

using namespace qv;

bool MatchesFilter(const String& Filter, const String& ID, const String& Description) {
  const String F = UpperCase(Trim(Filter));
  if (F.empty()) return true;
  return UpperCase(ID).find(F) != String::npos || UpperCase(Description).find(F) != String::npos;
}

int GuessStateCount(int W, int H) {
  for (int N : {5, 4})
    if (W > 0 && W % N == 0 && W / N >= H) return N;
  return 1;
}

TSkinEditorProject::TSkinEditorProject() = default;
TSkinEditorProject::~TSkinEditorProject() = default;

String TSkinEditorProject::ModuleFileName() const {
  return FFolder + QvSkinModuleFileName;
}

TQvSkinPictures& TSkinEditorProject::Pictures() const {
  if (!FPictures) throw Exception(L"Not found Project Path!");
  return *FPictures;
}

void TSkinEditorProject::Open(const String& Folder) {
  // A module of its own, starting as the default skin: a project without a module file
  // gets that one.
  auto Module = std::make_unique<TQvSkinResDM>(nullptr);
  // An import renews the project's module, as the resource manager renews its own.
  auto Pictures = std::make_unique<TQvSkinPictures>(Folder, Module.get(), [this] {
    FModule = std::make_unique<TQvSkinResDM>(nullptr);
    return FModule.get();
  });
  Pictures->Open();
  FModule = std::move(Module);
  FPictures = std::move(Pictures);
  FFolder = IncludeTrailingPathDelimiter(Folder);
}

std::vector<TSkinEntry> TSkinEditorProject::Entries(const String& Filter) const {
  std::vector<TSkinEntry> Result;
  if (!FModule) return Result;
  const TQvSkinBitmapCollection* Pictures = FModule->QvSkinImageListMain()->Bitmaps();
  for (int I = 0; I < Pictures->Count(); ++I) {
    const TQvSkinBitmapItem* Item = Pictures->Items(I);
    if (MatchesFilter(Filter, Item->ResID(), Item->Description()))
      Result.push_back({Item->ResID()});
  }
  const TQvSkinSvgImageCollection* Vectors = FModule->QvSkinImageListSvg()->Images();
  for (int I = 0; I < Vectors->Count(); ++I) {
    const TQvSkinSvgImageItem* Item = Vectors->Items(I);
    if (MatchesFilter(Filter, Item->ResID(), Item->Description()))
      Result.push_back({Item->ResID(), true});
  }
  return Result;
}

void TSkinEditorProject::ExportSkin(const String& FileName) const {
  Pictures().ExportSkin(FileName);
}

void TSkinEditorProject::ImportSkin(const String& FileName) {
  Pictures().ImportSkin(FileName);
}

}  // namespace skineditor
