// Skin files: export and import through the project folder, refusals leaving the project's
// files byte-identical, and a read-only target keeping its old content.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "ResourceTestSupport.h"
#include "design/QvSkinFile.h"
#include "host/Streams.h"
#include "resources/QvSkinResDM.h"

using namespace qv;
using qvtest::Bytes;
namespace fs = std::filesystem;

namespace {

const char* const Module =
    "object QvSkinResDM: TQvSkinResDM\r\n"
    "  object QvSkinImageListMain: TQvSkinImageList\r\n"
    "    Items = <\r\n"
    "      item\r\n"
    "        ResID = 'logo'\r\n"
    "      end>\r\n"
    "  end\r\n"
    "end\r\n";

class SkinFile : public ::testing::Test {
 protected:
  void SetUp() override {
    Dir = fs::temp_directory_path() /
          ("qvskinfile-" +
           std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(Dir);
    fs::create_directories(Dir / "project");
    Folder = (Dir / "project").wstring();
    WriteFileBytes(Path(QvSkinModuleFileName), Bytes(Module));
  }
  void TearDown() override {
    std::error_code Ec;
    fs::permissions(Dir / "project", fs::perms::owner_all, fs::perm_options::add, Ec);
    fs::remove_all(Dir, Ec);
  }
  String Path(const String& Name) const { return (Dir / "project" / Name).wstring(); }
  String Outside(const String& Name) const { return (Dir / Name).wstring(); }

  fs::path Dir;
  String Folder;
};

TEST_F(SkinFile, ExportImportRoundTripAndDesignTimeFile) {
  ExportSkinFile(Folder, Outside(L"a.qvskin"));
  EXPECT_EQ(ReadFileBytes(Outside(L"a.qvskin")), Bytes(Module));
  ImportSkinFile(Folder, Outside(L"a.qvskin"));
  EXPECT_EQ(ReadFileBytes(Path(QvSkinModuleFileName)), Bytes(Module));
  EXPECT_EQ(ReadFileBytes(Path(QvSkinModuleBackupName)), Bytes(Module));
  const std::string Tmp = [&] {
    auto B = ReadFileBytes(Path(QvSkinDesignTimeFileName));
    return std::string(B.begin(), B.end());
  }();
  EXPECT_EQ(Tmp.rfind("  object QvSkinImageListMain: TQvSkinImageList\r\n", 0), 0u);
  EXPECT_NE(Tmp.find("    Left = 151\r\n    Top = 39\r\n  end\r\n"), std::string::npos);
}

TEST_F(SkinFile, MissingModuleIsReported) {
  fs::remove(Dir / "project" / QvSkinModuleFileName);
  WriteFileBytes(Outside(L"a.qvskin"), Bytes(Module));
  for (auto Step : {+[](const String&F, const String&N) { ExportSkinFile(F, N); },
                    +[](const String&F, const String&N) { ImportSkinFile(F, N); }}) {
    try {
      Step(Folder, Outside(L"a.qvskin"));
      ADD_FAILURE() << "no error";
    } catch (const Exception& E) {
      EXPECT_EQ(E.Message(), L"Not found qvskin resource file!");
    }
  }
}

TEST_F(SkinFile, RefusedImportsLeaveTheProjectAlone) {
  const std::string Whole(Module);
  const std::string Binary("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
  struct TCase {
    const char* Name;
    std::string Data;
    const wchar_t* Reason;
  } Cases[] = {
      {"empty", "", L"Not a qvskin file: the file is empty"},
      {"truncated", Whole.substr(0, Whole.size() / 2), nullptr},
      {"binary", Binary, L"Not a qvskin file: the file is not text"},
      {"foreign",
       "object Form1: TForm\r\n  object QvSkinImageListMain: TQvSkinImageList\r\n  end\r\nend\r\n",
       L"Not a qvskin file: the file holds no skin module"},
      {"no main list", "object QvSkinResDM: TQvSkinResDM\r\nend\r\n",
       L"Not a qvskin file: the skin module has no main picture list"},
      {"too large", std::string(size_t(QvSkinFileMaxSize) + 1, ' '),
       L"Not a qvskin file: the file is too large"},
  };
  for (const TCase& C : Cases) {
    WriteFileBytes(Outside(L"in.qvskin"), Bytes(C.Data));
    try {
      ImportSkinFile(Folder, Outside(L"in.qvskin"));
      ADD_FAILURE() << C.Name << ": imported";
    } catch (const EParserError& E) {
      if (C.Reason)
        EXPECT_EQ(E.Message(), C.Reason) << C.Name;
      else
        EXPECT_EQ(E.Message().rfind(L"Not a qvskin file: ", 0), 0u) << C.Name;
    }
    EXPECT_EQ(ReadFileBytes(Path(QvSkinModuleFileName)), Bytes(Module)) << C.Name;
    EXPECT_FALSE(fs::exists(Dir / "project" / QvSkinModuleBackupName)) << C.Name;
    EXPECT_FALSE(fs::exists(Dir / "project" / QvSkinDesignTimeFileName)) << C.Name;
  }
}

TEST_F(SkinFile, FailedWriteKeepsTheOldModule) {
  WriteFileBytes(Outside(L"a.qvskin"), Bytes(Module + std::string("\r\n")));
  struct TCase {
    const char* Name;
    std::function<bool()> Block;  // false: cannot be set up here
  } Cases[] = {
      {"backup name taken by a folder",
       [&] { return fs::create_directories(Dir / "project" / QvSkinModuleBackupName / "x"); }},
      {"read-only folder",
       [&] {
#ifdef _WIN32
         return false;  // the folder's write bit does not protect its files there
#else
         fs::permissions(Dir / "project",
                         fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                         fs::perm_options::remove);
         return geteuid() != 0;  // permissions do not bind root
#endif
       }},
  };
  for (const TCase& C : Cases) {
    if (!C.Block()) continue;
    EXPECT_THROW(ImportSkinFile(Folder, Outside(L"a.qvskin")), Exception) << C.Name;
    EXPECT_EQ(ReadFileBytes(Path(QvSkinModuleFileName)), Bytes(Module)) << C.Name;
  }
}

TEST_F(SkinFile, ProjectOpensAndWritesBack) {
  struct TCase {
    const char* Name;
    std::function<void()> Step;
    const wchar_t* Message;
  } Cases[] = {
      {"no folder", [&] { OpenSkinProject(Outside(L"missing"), QvSkinResDM()); },
       L"Not found Project Path!"},
      {"empty folder name", [&] { OpenSkinProject(L"", QvSkinResDM()); },
       L"Not found Project Path!"},
      {"no module", [&] { WriteBackSkinProject(Folder, nullptr); }, L"QvSkinResDM is not assigned"},
      {"no project file", [&] { WriteBackSkinProject(Outside(L""), QvSkinResDM()); }, nullptr},
  };
  for (const TCase& C : Cases) {
    try {
      C.Step();
      ADD_FAILURE() << C.Name << ": no error";
    } catch (const Exception& E) {
      EXPECT_EQ(E.Message(), C.Message ? String(C.Message)
                                       : L"Not found qvskin resource file in " + Outside(L""))
          << C.Name;
    }
  }
  EXPECT_FALSE(fs::exists(Dir / "missing"));
  EXPECT_EQ(ReadFileBytes(Path(QvSkinModuleFileName)), Bytes(Module));

  // A new project gets the default module; writing back gives the same bytes again.
  fs::remove(Dir / "project" / QvSkinModuleFileName);
  OpenSkinProject(Folder, QvSkinResDM());
  const std::vector<uint8_t> Written = ReadFileBytes(Path(QvSkinModuleFileName));
  EXPECT_NO_THROW(CheckSkinFileData(Written));
  EXPECT_GT(ReadFileBytes(Path(QvSkinDesignTimeFileName)).size(), 100u);
  WriteBackSkinProject(Folder, QvSkinResDM());
  EXPECT_EQ(ReadFileBytes(Path(QvSkinModuleFileName)), Written);
}

}  // namespace
