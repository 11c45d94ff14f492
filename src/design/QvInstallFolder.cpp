#include "design/QvInstallFolder.h"

#include "host/Streams.h"

namespace qv {

namespace {
bool HoldsAboutForm(const String& Folder) {
  return !Folder.empty() && FileExists(IncludeTrailingPathDelimiter(Folder) + QvAboutFormFile);
}
}  // namespace

String RecordQvSkinInstallFolder(IQvInstallRegistry& Registry, const String& PackageFile,
                                 const String& CurrentFolder) {
  if (HoldsAboutForm(Registry.ReadPath())) return String();
  String Folder = ExtractFilePath(PackageFile);
  if (Folder.empty()) Folder = CurrentFolder;
  if (!HoldsAboutForm(Folder)) return String();
  Folder = IncludeTrailingPathDelimiter(Folder);
  if (!Registry.WritePath(Folder)) throw Exception(L"Can not open registry key by qvskin!");
  return Folder;
}

}  // namespace qv
