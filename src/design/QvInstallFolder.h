#pragma once
// Recording the library's install folder for the design tools: HKCU "Software\QvSkin",
// value "Path22", written when the folder holds the about box's form file.
#include "host/Types.h"

namespace qv {

// Object text form files keep the framework's text form-file extension: they are that text.
inline constexpr const wchar_t* QvFormFileExt = L".dfm";
// The about box's form file the install folder must hold.
inline constexpr const wchar_t* QvAboutFormFile = L"frmAboutQvSkin.dfm";

// The registry behind the install folder; tests put a fake in its place.
class IQvInstallRegistry {
 public:
  virtual ~IQvInstallRegistry() = default;
  // The recorded folder ("" when none).
  virtual String ReadPath() = 0;
  // Opens (creating) the key and writes the value; false when the key cannot be opened.
  virtual bool WritePath(const String& Folder) = 0;
};

// The current user's registry (Win32 build).
IQvInstallRegistry& QvInstallRegistry();

// The recorded folder stays when it holds the about form file; otherwise the folder of
// PackageFile (the current folder when that has none) is recorded, with a trailing delimiter,
// when it holds the file. Answers the folder recorded now ("" when nothing was written).
// Raises "Can not open registry key by qvskin!" when the key cannot be opened.
String RecordQvSkinInstallFolder(IQvInstallRegistry& Registry, const String& PackageFile,
                                 const String& CurrentFolder);

}  // namespace qv
