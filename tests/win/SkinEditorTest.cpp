// The skin editor program's window under Wine: a project opened and filtered, a skin
// exported and imported back, the colour shift reaching the preview, and bad folders and
// skin files refused with the project's files left as they were.
#include <filesystem>
#include <map>
#include <memory>

#include "ControlsTestSupport.h"
#include "SkinEditorForm.h"
#include "design/QvSkinFile.h"
#include "host/Streams.h"
#include "raster/Color32.h"
#include "resources/QvSkinResManager.h"

namespace {

namespace fs = std::filesystem;
using qv::String;
using Bytes = std::vector<uint8_t>;

class SkinEditor : public qvtest::ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    Root = fs::temp_directory_path() / ("qv_skineditor_" + std::to_string(GetCurrentProcessId()));
    fs::remove_all(Root);
    fs::create_directories(Root);
    Editor = std::make_unique<skineditor::TSkinEditorForm>();
    Editor->ShowError = [this](const String& Message) { Messages.push_back(Message); };
    Editor->Show();
    qvtest::PumpIdle();
  }
  void TearDown() override {
    Editor.reset();
    fs::remove_all(Root);
    ControlsTest::TearDown();
  }

  String NewFolder(const char* Name) {
    fs::create_directories(Root / Name);
    return (Root / Name).wstring();
  }
  String Path(const char* Name) const { return (Root / Name).wstring(); }
  static String Module(const String& Folder) {
    return qv::IncludeTrailingPathDelimiter(Folder) + qv::QvSkinModuleFileName;
  }
  // Every file under Dir with its bytes (folders as empty entries).
  static std::map<String, Bytes> Snapshot(const String& Dir) {
    std::map<String, Bytes> Files;
    for (const auto& E : fs::recursive_directory_iterator(fs::path(Dir)))
      Files[E.path().wstring()] =
          E.is_regular_file() ? qv::ReadFileBytes(E.path().wstring()) : Bytes();
    return Files;
  }
  std::vector<String> IDs() const {
    std::vector<String> R;
    for (const skineditor::TSkinEntry& E : Editor->Shown()) R.push_back(E.ID);
    return R;
  }
  bool Shows(const String& ID) const {
    for (const String& S : IDs())
      if (S == ID) return true;
    return false;
  }

  fs::path Root;
  std::unique_ptr<skineditor::TSkinEditorForm> Editor;
  std::vector<String> Messages;
};

TEST_F(SkinEditor, OpensAProjectAndFiltersItsPictures) {
  const String A = NewFolder("a");
  ASSERT_TRUE(Editor->OpenProject(A));
  EXPECT_TRUE(Messages.empty());
  EXPECT_TRUE(qv::FileExists(Module(A)));
  EXPECT_TRUE(qv::FileExists(qv::IncludeTrailingPathDelimiter(A) + qv::QvSkinDesignTimeFileName));
  EXPECT_EQ(Editor->Shown().size(), 84u);  // the default skin
  ASSERT_TRUE(Editor->Select(L"qvskinbutton"));
  EXPECT_EQ(Editor->Selected(), L"QvSkinButton");
  EXPECT_EQ(Editor->Preview().Width(), 340);

  struct Case {
    const wchar_t* Filter;
    size_t Count;
    const wchar_t* Selected;  // the selection after filtering
  };
  const Case Cases[] = {
      {L"button", 0, L"QvSkinButton"},  // still shown: stays selected
      {L"msgicon", 5, L""},             // no longer shown: nothing selected
      {L"  MSGICON_ok ", 1, L""},       // trimmed, any case
      {L"no such picture", 0, L""},
      {L"", 84, L""},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << "filter \"" << qv::ToUtf8(C.Filter) << "\"");
    Editor->SetFilter(C.Filter);
    if (C.Count) EXPECT_EQ(Editor->Shown().size(), C.Count);
    for (const String& ID : IDs())
      EXPECT_TRUE(skineditor::MatchesFilter(C.Filter, ID, L"")) << qv::ToUtf8(ID);
    EXPECT_EQ(Editor->Selected(), C.Selected);
  }
  Editor->SetFilter(L"msgicon_ok");
  EXPECT_EQ(IDs(), std::vector<String>{L"QvSkinMsgIcon_OK"});
}

TEST_F(SkinEditor, AnExportedSkinImportsBackIdentically) {
  const String A = NewFolder("a"), B = NewFolder("b");
  ASSERT_TRUE(Editor->OpenProject(A));
  ASSERT_TRUE(Editor->ExportSkin(Path("a.qvskin")));
  EXPECT_EQ(qv::ReadFileBytes(Path("a.qvskin")), qv::ReadFileBytes(Module(A)));

  // A skin whose first picture has another name: the list must show the imported one.
  std::string Text(reinterpret_cast<const char*>(qv::ReadFileBytes(Path("a.qvskin")).data()),
                   fs::file_size(Root / "a.qvskin"));
  const size_t At = Text.find("'QvSkinCheckBox'");
  ASSERT_NE(At, std::string::npos);
  Text.replace(At, 16, "'ImportedPicture'");
  const Bytes Skin(Text.begin(), Text.end());
  qv::WriteFileBytes(Path("b.qvskin"), Skin);

  ASSERT_TRUE(Editor->OpenProject(B));
  const Bytes Old = qv::ReadFileBytes(Module(B));
  ASSERT_TRUE(Editor->ImportSkin(Path("b.qvskin")));
  EXPECT_TRUE(Messages.empty());
  EXPECT_EQ(qv::ReadFileBytes(Module(B)), Skin);
  EXPECT_EQ(qv::ReadFileBytes(qv::IncludeTrailingPathDelimiter(B) + qv::QvSkinModuleBackupName),
            Old);
  EXPECT_TRUE(Shows(L"ImportedPicture"));
  EXPECT_FALSE(Shows(L"QvSkinCheckBox"));
  EXPECT_EQ(Editor->Shown().size(), 84u);

  ASSERT_TRUE(Editor->ExportSkin(Path("c.qvskin")));
  EXPECT_EQ(qv::ReadFileBytes(Path("c.qvskin")), Skin);
}

TEST_F(SkinEditor, PicturesAreAddedDeletedAndExportedThroughTheEditor) {
  const String A = NewFolder("a");
  ASSERT_TRUE(Editor->OpenProject(A));
  ASSERT_TRUE(Editor->Select(L"QvSkinMsgIcon_OK"));
  const String Logo = Path("logo.png");
  ASSERT_TRUE(Editor->ExportPicture(Logo));
  for (const wchar_t* Expected : {L"logo", L"logo_1"}) {
    ASSERT_TRUE(Editor->AddPicture(Logo));
    EXPECT_EQ(Editor->Selected(), Expected);
    EXPECT_EQ(Editor->Preview().Width(), 40);
  }
  Editor->SetNewPictureID(L" logo ", true);
  ASSERT_TRUE(Editor->AddPicture(Logo));
  EXPECT_EQ(Editor->Selected(), L"logo@DPI200");  // the variant of a free ID
  EXPECT_TRUE(Messages.empty());

  // Not a picture: refused, nothing added, the project's files as they were.
  qv::WriteFileBytes(Path("fake.png"), Bytes{'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'});
  const auto Files = Snapshot(A);
  const std::vector<String> Before = IDs();
  EXPECT_FALSE(Editor->AddPicture(Path("fake.png")));
  EXPECT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Snapshot(A), Files);
  EXPECT_EQ(IDs(), Before);

  ASSERT_TRUE(Editor->Select(L"logo"));
  ASSERT_TRUE(Editor->DeletePicture());
  EXPECT_FALSE(Shows(L"logo"));
  // Written back: the project opened again shows the same pictures.
  const std::vector<String> Now = IDs();
  skineditor::TSkinEditorProject Again;
  Again.Open(A);
  std::vector<String> Reopened;
  for (const skineditor::TSkinEntry& E : Again.Entries()) Reopened.push_back(E.ID);
  EXPECT_EQ(Reopened, Now);
  EXPECT_EQ(Now.size(), 86u);
}

TEST_F(SkinEditor, TheShiftReachesThePreviewPicture) {
  ASSERT_TRUE(Editor->OpenProject(NewFolder("a")));
  ASSERT_TRUE(Editor->Select(L"QvSkinMsgIcon_Error"));  // a coloured picture
  auto Grey = [](const qv::TQvSkinImage& P) {
    for (int Y = 0; Y < P.Height(); ++Y)
      for (int X = 0; X < P.Width(); ++X) {
        const qv::TColor32 C = P.Pixel(X, Y);
        if (qv::AlphaComponent(C) && (qv::RedComponent(C) != qv::GreenComponent(C) ||
                                      qv::GreenComponent(C) != qv::BlueComponent(C)))
          return false;
      }
    return true;
  };
  EXPECT_FALSE(Grey(Editor->Preview()));
  Editor->SetShift(0, -100, 0);
  const bool WasGrey = Grey(Editor->Preview());
  qv::TQvSkinImage* Shown =
      qv::TQvSkinResManagerObj()->GetImageByName(skineditor::PreviewPictureID);
  Editor->SetShift(0, 0, 0);  // the shift is process-wide: back before checking
  EXPECT_TRUE(WasGrey);
  EXPECT_EQ(Shown, &Editor->Preview());
  EXPECT_FALSE(Grey(Editor->Preview()));
}

TEST_F(SkinEditor, BadProjectFoldersAreRefusedAndChangeNothing) {
  const String A = NewFolder("a");
  ASSERT_TRUE(Editor->OpenProject(A));
  const std::vector<String> Before = IDs();
  // A folder nobody can write into: the design-time file's place is taken by a folder.
  const String Locked = NewFolder("locked");
  fs::create_directories(fs::path(Locked) / qv::QvSkinDesignTimeFileName);
  struct Case {
    String Folder;
    const wchar_t* Message;  // "" : whatever the failed write says
  };
  const Case Cases[] = {
      {Path("missing"), L"Not found Project Path!"},
      {String(), L"Not found Project Path!"},
      {Module(A), L"Not found Project Path!"},  // a file, not a folder
      {Locked, L""},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(qv::ToUtf8(C.Folder));
    Messages.clear();
    const auto Files = Snapshot(Root.wstring());
    EXPECT_FALSE(Editor->OpenProject(C.Folder));
    ASSERT_EQ(Messages.size(), 1u);
    if (*C.Message) EXPECT_EQ(Messages[0], C.Message);
    EXPECT_FALSE(Messages[0].empty());
    EXPECT_EQ(Snapshot(Root.wstring()), Files);
    EXPECT_EQ(Editor->Project().Folder(), qv::IncludeTrailingPathDelimiter(A));
    EXPECT_EQ(IDs(), Before);
  }
}

TEST_F(SkinEditor, DamagedSkinFilesAreRefusedAndChangeNothing) {
  const String A = NewFolder("a");
  ASSERT_TRUE(Editor->OpenProject(A));
  ASSERT_TRUE(Editor->Select(L"QvSkinButton"));
  const Bytes Good = qv::ReadFileBytes(Module(A));
  const std::string Foreign = "object Form1: TForm\n  Left = 1\nend\n";
  struct Case {
    const char* Name;
    Bytes Data;
  };
  const Case Cases[] = {
      {"empty", {}},
      {"truncated", Bytes(Good.begin(), Good.begin() + long(Good.size() / 2))},
      {"binary", Bytes{0x89, 'P', 'N', 'G', 0, 0, 0, 13, 0xFF}},
      {"foreign", Bytes(Foreign.begin(), Foreign.end())},
  };
  const std::vector<String> Before = IDs();
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    Messages.clear();
    const String File = Path("bad.qvskin");
    qv::WriteFileBytes(File, C.Data);
    const auto Files = Snapshot(A);
    EXPECT_FALSE(Editor->ImportSkin(File));
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].rfind(L"Not a qvskin file: ", 0), 0u) << qv::ToUtf8(Messages[0]);
    EXPECT_EQ(Snapshot(A), Files);
    EXPECT_EQ(IDs(), Before);
    EXPECT_EQ(Editor->Selected(), L"QvSkinButton");
  }
  Messages.clear();
  EXPECT_FALSE(Editor->ImportSkin(Path("none.qvskin")));
  EXPECT_EQ(Messages, std::vector<String>{L"Not found qvskin resource file!"});
}

}  // namespace
