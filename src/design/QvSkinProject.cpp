#include "design/QvSkinProject.h"

#include "host/Platform.h"
#include "host/Streams.h"

namespace qv {

TQvResID NewPictureID(const String& IDBox, const String& FileName,
                      const std::function<bool(const TQvResID&)>& Exists, bool HighDPI,
                      TQvResDPIScale Scale) {
  TQvResID ID = Trim(IDBox);
  if (ID.empty()) {
    const String Name = ExtractFileName(FileName);
    ID = Name.substr(0, Name.size() - ExtractFileExt(Name).size());
  }
  TQvResID Base = TrimDPIScaleText(ID);
  String Suffix = ID.substr(Base.size());
  if (HighDPI && Suffix.empty()) Suffix = QvResDPIScaleToText(Scale);
  while (Exists(Base + Suffix)) Base += L"_1";
  return Base + Suffix;
}

void DesignTimeLines(const TStringList& ModuleLines, TStringList& Lines) {
  if (ExtractBetweenStrings(ModuleLines, Lines, L"object QvSkinImageListMain: TQvSkinImageList",
                            false, L"end>")) {
    Lines.Add(L"    Left = 151");
    Lines.Add(L"    Top = 39");
    Lines.Add(L"  end");
  }
}

}  // namespace qv
