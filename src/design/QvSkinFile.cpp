#include "design/QvSkinFile.h"

#include <filesystem>
#include <string>

#include "design/QvSkinProject.h"
#include "host/AtomicFile.h"
#include "host/Classes.h"
#include "host/ObjectText.h"
#include "host/Streams.h"
#include "resources/QvSkinResDM.h"

namespace qv {

namespace {

[[noreturn]] void Refuse(const String& Reason) {
  throw EParserError(L"Not a qvskin file: " + Reason);
}

String ModuleFile(const String& Folder) {
  return IncludeTrailingPathDelimiter(Folder) + QvSkinModuleFileName;
}

std::vector<uint8_t> ReadModule(const String& Folder) {
  const String Name = ModuleFile(Folder);
  if (!FileExists(Name)) throw Exception(L"Not found qvskin resource file!");
  return ReadFileBytes(Name);
}

// Bytes after a UTF-8 byte-order mark.
size_t TextStart(const std::vector<uint8_t>& Data) {
  return Data.size() >= 3 && Data[0] == 0xEF && Data[1] == 0xBB && Data[2] == 0xBF ? 3 : 0;
}

String DecodeText(const std::vector<uint8_t>& Data) {
  return FromUtf8(std::string(Data.begin() + long(TextStart(Data)), Data.end()));
}

}  // namespace

void CheckSkinFileData(const std::vector<uint8_t>& Data) {
  ParseSkinFileData(Data);
}

TObjectNode ParseSkinFileData(const std::vector<uint8_t>& Data) {
  if (int64_t(Data.size()) > QvSkinFileMaxSize) Refuse(L"the file is too large");
  if (Data.empty()) Refuse(L"the file is empty");
  for (size_t I = TextStart(Data); I < Data.size(); ++I)
    if (Data[I] == 0) Refuse(L"the file is not text");
  TObjectNode Root;
  try {
    Root = ObjectTextToNode(DecodeText(Data));
  } catch (const Exception& E) {
    Refuse(E.Message());
  }
  if (Root.ClassName != L"TQvSkinResDM") Refuse(L"the file holds no skin module");
  for (const TObjectNode& Child : Root.Children)
    if (Child.Name == L"QvSkinImageListMain" && Child.ClassName == L"TQvSkinImageList") return Root;
  Refuse(L"the skin module has no main picture list");
}

namespace {

std::vector<uint8_t> DesignTimeData(const TStringList& Module) {
  TStringList Lines;
  DesignTimeLines(Module, Lines);
  const std::string Text = ToUtf8(Lines.Text());
  return std::vector<uint8_t>(Text.begin(), Text.end());
}

}  // namespace

void RebuildDesignTimeFile(const String& Folder) {
  TStringList Module;
  Module.LoadFromFile(ModuleFile(Folder));
  WriteFileAtomically(IncludeTrailingPathDelimiter(Folder) + QvSkinDesignTimeFileName,
                      DesignTimeData(Module));
}

std::vector<uint8_t> ReadSkinFile(const String& FileName) {
  if (!FileExists(FileName)) throw Exception(L"Not found qvskin resource file!");
  std::error_code Ec;
  const auto Size = std::filesystem::file_size(std::filesystem::path(FileName), Ec);
  if (Ec) throw EFOpenError(L"Cannot open file \"" + FileName + L"\"");
  if (Size > uint64_t(QvSkinFileMaxSize)) Refuse(L"the file is too large");
  return ReadFileBytes(FileName);
}

void ExportSkinFile(const String& Folder, const String& FileName) {
  WriteFileAtomically(FileName, ReadModule(Folder));
}

void ImportSkinFile(const String& Folder, const String& FileName) {
  const std::vector<uint8_t> Old = ReadModule(Folder);
  const std::vector<uint8_t> New = ReadSkinFile(FileName);
  CheckSkinFileData(New);
  const String Dir = IncludeTrailingPathDelimiter(Folder);
  TStringList Module;
  Module.SetText(DecodeText(New));
  // The module last: it is what the picker is rebuilt from, so a failure before it leaves
  // the project as it was.
  WriteFileAtomically(Dir + QvSkinModuleBackupName, Old);
  WriteFileAtomically(Dir + QvSkinDesignTimeFileName, DesignTimeData(Module));
  WriteFileAtomically(ModuleFile(Folder), New);
}

namespace {

void WriteModuleText(const String& Folder, const TQvSkinResDM& Module) {
  const String Text = ComponentToText(Module);
  TStringList Lines;
  Lines.SetText(Text);
  const std::string Bytes = ToUtf8(Text);
  // The design-time file first, the module last, as on import.
  WriteFileAtomically(IncludeTrailingPathDelimiter(Folder) + QvSkinDesignTimeFileName,
                      DesignTimeData(Lines));
  WriteFileAtomically(ModuleFile(Folder), std::vector<uint8_t>(Bytes.begin(), Bytes.end()));
}

}  // namespace

void OpenSkinProject(const String& Folder, const TQvSkinResDM* Module) {
  std::error_code Ec;
  if (Folder.empty() || !std::filesystem::is_directory(std::filesystem::path(Folder), Ec))
    throw Exception(L"Not found Project Path!");
  if (FileExists(ModuleFile(Folder))) {
    RebuildDesignTimeFile(Folder);
    return;
  }
  if (!Module) throw Exception(L"QvSkinResDM is not assigned");
  WriteModuleText(Folder, *Module);
}

void WriteBackSkinProject(const String& Folder, const TQvSkinResDM* Module) {
  if (!Module) throw Exception(L"QvSkinResDM is not assigned");
  if (!FileExists(ModuleFile(Folder)))
    throw Exception(L"Not found qvskin resource file in " + Folder);
  WriteModuleText(Folder, *Module);
}

}  // namespace qv
