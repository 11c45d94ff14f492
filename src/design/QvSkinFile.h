#pragma once
// Skin files (".qvskin"): a copy of a project's module file, the default-skin module in
// the object text form. Files from elsewhere are hostile input: they are parsed completely
// and checked before anything on disk changes, and every write replaces its target in one
// step.
#include <cstdint>
#include <vector>

#include "design/QvInstallFolder.h"
#include "host/ObjectText.h"
#include "host/Types.h"

namespace qv {

// The project's copy of the default-skin module: the unit name with the form-file extension.
inline const String QvSkinModuleFileName = String(L"uQvSkinResDM") + QvFormFileExt;
// The main image list alone, for the design-time picker.
inline const wchar_t* const QvSkinDesignTimeFileName = L"QvSkinDesignTimeRes.tmp";
// The previous module kept by an import.
inline const String QvSkinModuleBackupName = QvSkinModuleFileName + L".bak";
// Larger files are refused before being read.
constexpr int64_t QvSkinFileMaxSize = 32 * 1024 * 1024;

// Parses Data as a skin module and raises EParserError with a readable reason when it is
// too large, not text, malformed, or not the skin module.
void CheckSkinFileData(const std::vector<uint8_t>& Data);
// The same check, answering the module's parsed tree.
TObjectNode ParseSkinFileData(const std::vector<uint8_t>& Data);

// Reads a skin file from elsewhere: "Not found qvskin resource file!" when it is missing;
// refused unread when it is larger than the limit.
std::vector<uint8_t> ReadSkinFile(const String& FileName);

// Rebuilds the design-time file in Folder from the module file there (empty when the main
// list's block is missing).
void RebuildDesignTimeFile(const String& Folder);

// Copies the project's module file to FileName; "Not found qvskin resource file!" without it.
void ExportSkinFile(const String& Folder, const String& FileName);

// Replaces the project's module file with FileName after checking it, keeping the previous
// module as the backup, then rebuilds the design-time file. The project's files are left
// byte-identical when the file is refused.
void ImportSkinFile(const String& Folder, const String& FileName);

}  // namespace qv

namespace qv {

class TQvSkinResDM;

// Opens the project in Folder: "Not found Project Path!" when it is not a folder (nothing
// created). A project without its module gets one written from Module; the design-time
// file is rebuilt either way.
void OpenSkinProject(const String& Folder, const TQvSkinResDM* Module);

// Writes Module in the text form over the project's module file and rebuilds the
// design-time file from it. "QvSkinResDM is not assigned" without a module, "Not found
// qvskin resource file in <Folder>" without the project's file.
void WriteBackSkinProject(const String& Folder, const TQvSkinResDM* Module);

}  // namespace qv
