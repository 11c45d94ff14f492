// Recording the install folder: only a folder with the about form file is recorded, a good
// recorded folder stays, and a registry that cannot be opened raises the library's message.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "design/QvInstallFolder.h"

using namespace qv;
namespace fs = std::filesystem;

namespace {

struct TFakeRegistry : IQvInstallRegistry {
  String Path;
  bool CanOpen = true;
  int Writes = 0;
  String ReadPath() override { return Path; }
  bool WritePath(const String& Folder) override {
    if (!CanOpen) return false;
    ++Writes;
    Path = Folder;
    return true;
  }
};

class InstallFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    Root = fs::temp_directory_path() /
           ("qv-install-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(Root);
    fs::create_directories(Root / "with");
    fs::create_directories(Root / "without");
    std::ofstream(Root / "with" / QvAboutFormFile)
        << "object frmAboutQvSkin: TfrmAboutQvSkin\nend\n";
  }
  void TearDown() override { fs::remove_all(Root); }
  String Dir(const char* Name) const { return (Root / Name).wstring(); }
  fs::path Root;
};

TEST_F(InstallFolder, RecordsOnlyAFolderWithTheAboutForm) {
  const String Sep(1, wchar_t(fs::path::preferred_separator));
  struct {
    const char* Recorded;  // nil: nothing recorded
    const char* Package;   // folder of the package file; nil: none (the current folder)
    const char* Current;
    bool Writes;
    const char* Expected;  // the recorded folder afterwards; nil: unchanged
  } Cases[] = {
      {nullptr, "with", "without", true, "with"},
      {nullptr, "without", "with", false, nullptr},  // the package's folder decides
      {nullptr, nullptr, "with", true, "with"},
      {nullptr, nullptr, "without", false, nullptr},
      {"without", "with", "without", true, "with"},  // a stale record is replaced
      {"with", "with", "with", false, nullptr},      // a good record stays
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(std::string(C.Recorded ? C.Recorded : "-") + " " + (C.Package ? C.Package : "-") +
                 " " + C.Current);
    TFakeRegistry R;
    if (C.Recorded) R.Path = Dir(C.Recorded) + Sep;
    const String Before = R.Path;
    const String Package = C.Package ? Dir(C.Package) + Sep + L"qvskin.bpl" : L"qvskin.bpl";
    const String Written = RecordQvSkinInstallFolder(R, Package, Dir(C.Current));
    EXPECT_EQ(R.Writes, C.Writes ? 1 : 0);
    EXPECT_EQ(R.Path, C.Expected ? Dir(C.Expected) + Sep : Before);
    EXPECT_EQ(Written, C.Writes ? R.Path : String());
  }
}

TEST_F(InstallFolder, RegistryThatCannotBeOpenedRaises) {
  TFakeRegistry R;
  R.CanOpen = false;
  try {
    RecordQvSkinInstallFolder(R, Dir("with") + L"/qvskin.bpl", Dir("without"));
    ADD_FAILURE() << "no exception";
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), L"Can not open registry key by qvskin!");
  }
  EXPECT_TRUE(R.Path.empty());
  // Without the form file nothing is opened, so nothing fails.
  EXPECT_NO_THROW(RecordQvSkinInstallFolder(R, Dir("without") + L"/qvskin.bpl", Dir("without")));
}

}  // namespace
