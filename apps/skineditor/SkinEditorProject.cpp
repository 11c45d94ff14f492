#include "SkinEditorProject.h"

#include "design/QvSkinFile.h"
#include "host/ObjectText.h"
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

void TSkinEditorProject::RequireOpen() const {
  if (!IsOpen()) throw Exception(L"Not found Project Path!");
}

std::unique_ptr<TQvSkinResDM> TSkinEditorProject::ReadModule(const String& FileName) {
  CheckSkinFileData(ReadFileBytes(FileName));
  TStringList Lines;
  Lines.LoadFromFile(FileName);
  auto Module = std::make_unique<TQvSkinResDM>(nullptr);
  TextToComponent(Lines.Text(), *Module);
  return Module;
}

void TSkinEditorProject::Open(const String& Folder) {
  const String Dir = Folder.empty() ? Folder : IncludeTrailingPathDelimiter(Folder);
  if (!Dir.empty() && !FileExists(Dir + QvSkinModuleFileName)) {
    // A new project starts from the default skin.
    TQvSkinResDM Fresh(nullptr);
    OpenSkinProject(Folder, &Fresh);
  } else {
    OpenSkinProject(Folder, nullptr);
  }
  FModule = ReadModule(Dir + QvSkinModuleFileName);
  FFolder = Dir;
}

void TSkinEditorProject::LoadModule() {
  RequireOpen();
  FModule = ReadModule(ModuleFileName());
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

void TSkinEditorProject::WriteBack() {
  RequireOpen();
  WriteBackSkinProject(FFolder, FModule.get());
}

void TSkinEditorProject::ExportSkin(const String& FileName) const {
  RequireOpen();
  ExportSkinFile(FFolder, FileName);
}

void TSkinEditorProject::ImportSkin(const String& FileName) {
  RequireOpen();
  ImportSkinFile(FFolder, FileName);
  LoadModule();
}

}  // namespace skineditor
