// The skin editor's project rules: naming a new picture and the design-time resource lines.
#include <gtest/gtest.h>

#include <set>

#include "design/QvSkinProject.h"
#include "host/Types.h"

using namespace qv;

namespace {

struct TNameCase {
  const wchar_t* IDBox;
  const wchar_t* FileName;
  std::vector<String> Taken;
  bool HighDPI;
  TQvResDPIScale Scale;
  const wchar_t* Expected;
};

TEST(SkinProject, NewPictureID) {
  const TNameCase Cases[] = {
      {L"", L"C:\\pics\\logo.png", {}, false, ds100, L"logo"},
      {L"", L"C:\\pics\\logo.png", {L"logo"}, false, ds100, L"logo_1"},
      {L"", L"C:\\pics\\logo.png", {L"LOGO", L"Logo_1"}, false, ds100, L"logo_1_1"},
      {L"  btn  ", L"C:\\pics\\logo.png", {}, false, ds100, L"btn"},
      {L"   ", L"x.y.bmp", {}, false, ds100, L"x.y"},
      {L"", L"noext", {}, false, ds100, L"noext"},
      {L"", L"logo.png", {L"logo"}, true, ds150, L"logo@DPI150"},
      {L"", L"logo.png", {L"logo@dpi200"}, true, ds200, L"logo_1@DPI200"},
      {L"", L"logo.png", {}, true, ds100, L"logo"},
      {L"logo@DPI300", L"a.png", {}, true, ds150, L"logo@DPI300"},
      {L"logo@DPI300", L"a.png", {L"logo@DPI300"}, false, ds100, L"logo_1@DPI300"},
  };
  for (const TNameCase& C : Cases) {
    auto Exists = [&](const TQvResID& ID) {
      for (const String& T : C.Taken)
        if (SameText(T, ID)) return true;
      return false;
    };
    EXPECT_EQ(NewPictureID(C.IDBox, C.FileName, Exists, C.HighDPI, C.Scale), C.Expected)
        << C.FileName;
  }
}

TEST(SkinProject, DesignTimeLines) {
  struct TCase {
    const wchar_t* Module;
    const wchar_t* Expected;
  } Cases[] = {
      {L"object QvSkinResDM: TQvSkinResDM\r\n"
       L"  object QvSkinImageListMain: TQvSkinImageList\r\n"
       L"    Items = <\r\n"
       L"      item\r\n"
       L"        ResID = 'a'\r\n"
       L"      end>\r\n"
       L"    Left = 10\r\n"
       L"  end\r\n"
       L"  object Other: TQvSkinImageList\r\n"
       L"    Items = <>\r\n"
       L"  end\r\n"
       L"end\r\n",
       L"  object QvSkinImageListMain: TQvSkinImageList\r\n"
       L"    Items = <\r\n"
       L"      item\r\n"
       L"        ResID = 'a'\r\n"
       L"      end>\r\n"
       L"    Left = 151\r\n"
       L"    Top = 39\r\n"
       L"  end\r\n"},
      {L"object QvSkinResDM: TQvSkinResDM\r\nend\r\n", L""},
      {L"  object QvSkinImageListMain: TQvSkinImageList\r\n    Items = <\r\n", L""},
      {L"", L""},
  };
  for (const TCase& C : Cases) {
    TStringList Module, Dest;
    Module.SetText(C.Module);
    DesignTimeLines(Module, Dest);
    EXPECT_EQ(Dest.Text(), C.Expected) << C.Module;
  }
}

}  // namespace
