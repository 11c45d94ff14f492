// The skin configuration: form settings and their notifications, the configuration file's
// layout, loading and saving through TQvSkinRes, and damaged files.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "ResourceTestSupport.h"
#include "forms/QvFormSkinVar.h"
#include "forms/QvSkinRes.h"
#include "forms/QvSkinResConfig.h"
#include "host/ObjectText.h"
#include "host/Streams.h"

using namespace qv;
using namespace qvtest;
namespace fs = std::filesystem;

namespace {

// A configuration document holding the given lines inside "Form".
std::string Document(const std::string& FormContent) {
  return "<?xml version=\"1.0\"?><QvSkinRes><Config><Custom><Form>" + FormContent +
         "</Form></Custom></Config></QvSkinRes>";
}

// An application folder of its own, and a clean global shift and shared style around
// every test.
class SkinRes : public ::testing::Test {
 protected:
  SkinRes() : Dir(L"qv_skinres") {}
  ~SkinRes() override {
    gHSB = THSBRec{};
    TQvFormSkinRes Defaults;
    gQvFormStyle->Assign(&Defaults);
  }
  String App() const { return Dir.Path().wstring(); }
  fs::path SkinPath(const wchar_t* Rel) const {
    return (Dir.Path() / L"Skin" / Rel).make_preferred();
  }
  void Put(const wchar_t* Rel, const std::string& Content) {
    fs::create_directories(SkinPath(Rel).parent_path());
    WriteFileBytes(SkinPath(Rel).wstring(), Bytes(Content));
  }
  std::unique_ptr<TQvSkinRes> Make() { return std::make_unique<TQvSkinRes>(nullptr, App()); }
  // What lies in the folder of the file besides the picture folders.
  std::vector<fs::path> SkinFiles() const {
    std::vector<fs::path> Out;
    for (auto& E : fs::directory_iterator(Dir.Path() / L"Skin"))
      if (E.path().filename() != L"Custom" && E.path().filename() != L"Default")
        Out.push_back(E.path().filename());
    return Out;
  }

  TTempDir Dir;
};

// ---- the settings object -------------------------------------------------------

TEST(FormSkinRes, NotifyingSettersNotifyOnceOnChangeOthersOnlyStore) {
  struct {
    const char* Name;
    std::function<void(TQvFormSkinRes&)> Change;
    bool Notifies;
  } Cases[] = {
      {"Style", [](auto& F) { F.SetStyle(ssPicture); }, true},
      {"CustomPicture", [](auto& F) { F.SetCustomPicture(L"c:\\bg.jpg"); }, true},
      {"DefaultSkinOrder", [](auto& F) { F.SetDefaultSkinOrder(3); }, true},
      {"HitTestWidth", [](auto& F) { F.SetHitTestWidth(7); }, true},
      {"GradientHeight", [](auto& F) { F.SetGradientHeight(100); }, true},
      {"TitleHeight", [](auto& F) { F.SetTitleHeight(30); }, true},
      {"TitlerColor", [](auto& F) { F.SetTitlerColor(clRed); }, true},
      {"Color", [](auto& F) { F.SetColor(clBtnFace); }, true},
      {"FramWidth", [](auto& F) { F.SetFramWidth(0); }, true},
      {"CustomPictureName", [](auto& F) { F.SetCustomPictureName(L"bg.jpg"); }, false},
      {"ActiveGradient", [](auto& F) { F.SetActiveGradient(false); }, false},
      {"DoubleFrame", [](auto& F) { F.SetDoubleFrame(false); }, false},
      {"FillStyle", [](auto& F) { F.SetFillStyle(mfsTile); }, false},
      {"FlatFrame", [](auto& F) { F.SetFlatFrame(true); }, false},
      {"RoundWindow", [](auto& F) { F.SetRoundWindow(false); }, false},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    TQvFormSkinRes F;
    int Count = 0;
    F.OnChanged = [&](TObject* Sender) {
      EXPECT_EQ(Sender, &F);
      ++Count;
    };
    C.Change(F);
    EXPECT_EQ(Count, C.Notifies ? 1 : 0);
    C.Change(F);  // the same value again
    EXPECT_EQ(Count, C.Notifies ? 1 : 0);
  }
}

TEST(FormSkinRes, DefaultsUpdatesLocksAndNegativeFrameWidth) {
  TQvFormSkinRes F;
  EXPECT_EQ(F.Style(), ssColor);
  EXPECT_EQ(F.CustomPicture(), L"");
  EXPECT_EQ(F.HitTestWidth(), 5);
  EXPECT_EQ(F.GradientHeight(), 168);
  EXPECT_EQ(F.TitleHeight(), 27);
  EXPECT_EQ(F.TitlerColor(), 0xFFC446);
  EXPECT_EQ(F.Color(), 0xF2ECE1);
  EXPECT_EQ(F.FramWidth(), 2);
  EXPECT_TRUE(F.ActiveGradient() && F.DoubleFrame() && F.RoundWindow() && !F.FlatFrame());
  EXPECT_EQ(F.FillStyle(), mfsBlur);
  EXPECT_EQ(F.ImageBorder(), nullptr);

  int Count = 0;
  F.OnChanged = [&](TObject*) { ++Count; };
  F.SetFramWidth(-1);
  EXPECT_EQ(F.FramWidth(), 2);
  EXPECT_EQ(Count, 0);

  F.BeginUpdate();
  F.BeginUpdate();
  F.SetTitleHeight(40);
  F.SetColor(clRed);
  F.EndUpdate();
  EXPECT_EQ(Count, 0);
  F.EndUpdate();
  EXPECT_EQ(Count, 1);
  F.EndUpdate();  // unbalanced: nothing
  EXPECT_EQ(Count, 1);

  F.Lock();
  F.SetTitleHeight(41);
  F.UnLock();
  EXPECT_EQ(Count, 1);
  EXPECT_EQ(F.TitleHeight(), 41);

  TQvFormSkinRes Copy;
  int CopyCount = 0;
  Copy.OnChanged = [&](TObject*) { ++CopyCount; };
  F.SetFillStyle(mfs9Block);
  F.SetCustomPictureName(L"x.png");
  Copy.Assign(&F);
  EXPECT_EQ(CopyCount, 1);
  EXPECT_EQ(Copy.TitleHeight(), 41);
  EXPECT_EQ(Copy.Color(), clRed);
  EXPECT_EQ(Copy.FillStyle(), mfs9Block);
  EXPECT_EQ(Copy.CustomPictureName(), L"x.png");
}

TEST(FormSkinRes, ObjectTextRoundTrip) {
  TQvFormSkinRes F;
  F.SetStyle(ssPicture);
  F.SetCustomPicture(L"bg.png");
  F.SetTitleHeight(33);
  F.SetTitlerColor(clBtnFace);
  F.SetRoundWindow(false);
  F.SetFillStyle(mfsStretch);
  TPropList Props;
  TPropertyWriter Writer(Props);
  F.WriteProperties(Writer);
  EXPECT_EQ(Props.size(), 6u);  // defaults are not written
  TQvFormSkinRes Back;
  ReadProperties(Back, Props, L"Form");
  EXPECT_EQ(Back.Style(), ssPicture);
  EXPECT_EQ(Back.CustomPicture(), L"bg.png");
  EXPECT_EQ(Back.TitleHeight(), 33);
  EXPECT_EQ(Back.TitlerColor(), clBtnFace);
  EXPECT_FALSE(Back.RoundWindow());
  EXPECT_EQ(Back.FillStyle(), mfsStretch);
}

// ---- the file's layout ---------------------------------------------------------

TEST(SkinConfigFile, WritesTheFixedLayoutAndReadsItBack) {
  TQvSkinConfig C;
  C.Style = 1;
  C.FormBg = L"\u53f6\u5b50 & <bg>.jpg";
  C.DefaultSkinOrder = 2;
  C.HitTestWidth = 6;
  C.GradientHeight = 150;
  C.TitleHeight = 31;
  C.TitlerColor = 16761926;
  C.Color = int32_t(0xFF00000F);  // a system colour is negative
  C.FramWidth = 3;
  C.HSB_H = -120;
  C.HSB_S = 40;
  C.HSB_B = -5;
  const std::string Expected =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
      "<QvSkinRes>\r\n"
      "  <Config>\r\n"
      "    <Custom>\r\n"
      "      <Form>\r\n"
      "        <Style>1</Style>\r\n"
      "        <FormBg>\xe5\x8f\xb6\xe5\xad\x90 &amp; &lt;bg&gt;.jpg</FormBg>\r\n"
      "        <DefaultSkinOrder>2</DefaultSkinOrder>\r\n"
      "        <HitTestWidth>6</HitTestWidth>\r\n"
      "        <GradientHeight>150</GradientHeight>\r\n"
      "        <TitleHeight>31</TitleHeight>\r\n"
      "        <TitlerColor>16761926</TitlerColor>\r\n"
      "        <Color>-16777201</Color>\r\n"
      "        <FramWidth>3</FramWidth>\r\n"
      "        <HSB_H>-120</HSB_H>\r\n"
      "        <HSB_S>40</HSB_S>\r\n"
      "        <HSB_B>-5</HSB_B>\r\n"
      "      </Form>\r\n"
      "    </Custom>\r\n"
      "  </Config>\r\n"
      "</QvSkinRes>\r\n";
  EXPECT_EQ(Text(FormatSkinConfig(C)), Expected);
  EXPECT_EQ(ParseSkinConfig(Bytes(Expected)), C);
}

TEST(SkinConfigFile, ReadsWhatOtherWritersProduce) {
  // A byte-order mark, comments, CDATA, entities, blanks, unknown and repeated elements.
  const std::string Doc =
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!-- saved by hand -->\n"
      "<QvSkinRes version=\"2\"><Other/><Config><Custom><Form>\n"
      "  <TitleHeight> 30 </TitleHeight><TitleHeight>99</TitleHeight>\n"
      "  <FormBg><![CDATA[a&b]]>&#x43;.png</FormBg><Extra>1</Extra>\n"
      "  <Color>$FF</Color>\n"
      "</Form></Custom></Config></QvSkinRes>";
  const TQvSkinConfig C = ParseSkinConfig(Bytes(Doc));
  EXPECT_EQ(C.TitleHeight, 30);
  EXPECT_EQ(C.FormBg, L"a&bC.png");
  EXPECT_EQ(C.Color, 255);
  EXPECT_FALSE(C.Style.has_value());
  EXPECT_FALSE(C.HSB_H.has_value());
}

TEST(SkinConfigFile, MalformedDocumentsRaise) {
  const std::string Valid = Document("<TitleHeight>30</TitleHeight>");
  const std::string Cases[] = {
      "",
      "not xml at all",
      Valid.substr(0, Valid.size() / 2),                                  // truncated
      "<QvSkinRes><Config><Custom><Form></Custom></Config></QvSkinRes>",  // closing mismatch
      "<Other><Config><Custom><Form/></Custom></Config></Other>",
      "<QvSkinRes><Config><Custom/></Config></QvSkinRes>",
      "<QvSkinRes/><QvSkinRes/>",
      Document("<TitleHeight>thirty</TitleHeight>"),
      Document("<TitleHeight>99999999999</TitleHeight>"),
      Document("<TitleHeight></TitleHeight>"),
      std::string(QvSkinConfigMaxTags + 1, '<'),
      std::string(QvSkinConfigMaxSize + 1, ' '),
  };
  for (const std::string& Doc : Cases) {
    SCOPED_TRACE(Doc.substr(0, 80));
    EXPECT_THROW(ParseSkinConfig(Bytes(Doc)), EParserError);
  }
  std::string Deep;
  for (size_t I = 0; I < QvSkinConfigMaxTags / 2; ++I) Deep += "<a>";
  EXPECT_THROW(ParseSkinConfig(Bytes(Deep)), EParserError);
}

// ---- TQvSkinRes: loading and saving ------------------------------------------------

TEST_F(SkinRes, WithoutAFileTheDefaultsStandAndTheLeafPictureIsTaken) {
  auto R = Make();
  EXPECT_EQ(R->XmlFileName(), (Dir.Path() / L"Skin" / L"Config.xml").wstring());
  EXPECT_TRUE(R->UseSkinFile());
  EXPECT_EQ(R->Form()->CustomPicture(), L"");
  EXPECT_EQ(R->Form()->TitleHeight(), 27);
  EXPECT_FALSE(fs::exists(Dir.Path() / L"Skin"));  // reading writes nothing

  Put(L"Default/skin_bk_leaf.jpg", "jpg");
  auto R2 = Make();
  EXPECT_EQ(R2->Form()->CustomPicture(), SkinPath(L"Default/skin_bk_leaf.jpg").wstring());
  EXPECT_EQ(R2->Form()->CustomPictureName(), L"skin_bk_leaf.jpg");
  EXPECT_EQ(R2->Form()->Style(), ssColor);
}

TEST_F(SkinRes, SavingAndLoadingGivesBackEveryPersistedSetting) {
  Put(L"Custom/mine.png", "png");
  auto R = Make();
  TQvFormSkinRes* F = R->Form();
  F->Lock();
  F->SetStyle(ssPicture);
  F->SetCustomPictureName(L"mine.png");
  F->SetCustomPicture(L"somewhere else");
  F->SetDefaultSkinOrder(4);
  F->SetHitTestWidth(8);
  F->SetGradientHeight(120);
  F->SetTitleHeight(35);
  F->SetTitlerColor(0x123456);
  F->SetColor(clWindow);
  F->SetFramWidth(0);
  F->SetRoundWindow(false);  // not persisted
  F->UnLock();
  gHSB = {30, -20, 10};
  ASSERT_TRUE(R->Save());
  EXPECT_EQ(SkinFiles(), std::vector<fs::path>{L"Config.xml"});  // no temporary file left

  gHSB = THSBRec{};
  auto Back = Make();
  TQvFormSkinRes* B = Back->Form();
  EXPECT_EQ(B->Style(), ssPicture);
  EXPECT_EQ(B->CustomPictureName(), L"mine.png");
  EXPECT_EQ(B->CustomPicture(), SkinPath(L"Custom/mine.png").wstring());  // rebuilt
  EXPECT_EQ(B->DefaultSkinOrder(), 4);
  EXPECT_EQ(B->HitTestWidth(), 8);
  EXPECT_EQ(B->GradientHeight(), 120);
  EXPECT_EQ(B->TitleHeight(), 35);
  EXPECT_EQ(B->TitlerColor(), 0x123456);
  EXPECT_EQ(B->Color(), clWindow);
  EXPECT_EQ(B->FramWidth(), 0);
  EXPECT_TRUE(B->RoundWindow());
  EXPECT_EQ(gHSB.H, 30);
  EXPECT_EQ(gHSB.S, -20);
  EXPECT_EQ(gHSB.B, 10);

  // Saving again replaces the file in place.
  B->SetTitleHeight(40);
  ASSERT_TRUE(Back->Save());
  EXPECT_EQ(SkinFiles(), std::vector<fs::path>{L"Config.xml"});
  EXPECT_EQ(Make()->Form()->TitleHeight(), 40);
}

TEST_F(SkinRes, BackgroundPictureFallsBackToTheLeafThenStays) {
  struct {
    const char* FormBg;
    bool Leaf;
    const wchar_t* Expected;  // relative to Skin/, "" = unchanged
  } Cases[] = {
      {"mine.png", true, L"Custom/mine.png"},
      {"gone.png", true, L"Default/skin_bk_leaf.jpg"},
      {"", true, L"Default/skin_bk_leaf.jpg"},
      {"../Default/skin_bk_leaf.jpg", false, L""},  // only a name inside Custom counts
      {"..\\..\\secret.png", false, L""},
      {"gone.png", false, L""},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(C.FormBg);
    fs::remove_all(Dir.Path() / L"Skin");
    Put(L"Custom/mine.png", "png");
    if (C.Leaf) Put(L"Default/skin_bk_leaf.jpg", "jpg");
    Put(L"Config.xml", Document(std::string("<FormBg>") + C.FormBg + "</FormBg>"));
    auto R = std::make_unique<TQvSkinRes>(nullptr, App());
    R->Form()->SetCustomPicture(L"before");
    R->Load();
    const String Expected = *C.Expected ? SkinPath(C.Expected).wstring() : String(L"before");
    EXPECT_EQ(R->Form()->CustomPicture(), Expected);
  }
}

TEST_F(SkinRes, LoadingSetsWithoutNotifyingAndKeepsWhatTheFileLacks) {
  auto R = Make();
  int Count = 0;
  R->Form()->OnChanged = [&](TObject*) { ++Count; };
  R->Form()->SetColor(clRed);
  EXPECT_EQ(Count, 1);
  gHSB = {1, 2, 3};
  Put(L"Config.xml", Document("<TitleHeight>44</TitleHeight><HSB_S>9</HSB_S>"));
  R->Load();
  EXPECT_EQ(Count, 1);
  EXPECT_EQ(R->Form()->TitleHeight(), 44);
  EXPECT_EQ(R->Form()->Color(), clRed);
  EXPECT_EQ(gHSB.H, 1);
  EXPECT_EQ(gHSB.S, 9);
  EXPECT_EQ(gHSB.B, 3);
  EXPECT_FALSE(R->Form()->Locked());
}

TEST_F(SkinRes, ADamagedFileChangesNothingAndIsLeftAlone) {
  TQvSkinConfig Config;
  Config.Style = 1;
  Config.TitleHeight = 50;
  Config.HSB_H = 7;
  const std::string Valid = Text(FormatSkinConfig(Config));
  const std::string Cases[] = {
      "",
      Valid.substr(0, Valid.size() - 20),
      "\x00\x01garbage",
      Document("<Style>2</Style>"),
      Document("<HSB_H>1</HSB_H><TitleHeight>x</TitleHeight>"),
  };
  for (const std::string& Content : Cases) {
    SCOPED_TRACE(Content.substr(0, 60));
    fs::remove_all(Dir.Path() / L"Skin");
    auto R = Make();  // no file yet
    R->Form()->SetTitleHeight(31);
    gHSB = {5, 5, 5};
    Put(L"Config.xml", Content);
    EXPECT_THROW(R->Load(), Exception);
    EXPECT_EQ(R->Form()->TitleHeight(), 31);
    EXPECT_EQ(R->Form()->Style(), ssColor);
    EXPECT_EQ(gHSB.H, 5);
    EXPECT_FALSE(R->Form()->Locked());
    // Created over the damaged file: the defaults, no exception, the file untouched.
    auto Fresh = Make();
    EXPECT_EQ(Fresh->Form()->TitleHeight(), 27);
    EXPECT_EQ(Text(ReadFileBytes(SkinPath(L"Config.xml").wstring())), Content);
  }
}

TEST_F(SkinRes, FailedSavesReportFalseAndLeaveNoTemporaryFile) {
  // "Skin" is a file, so the folder cannot be made.
  WriteFileBytes((Dir.Path() / L"Skin").wstring(), Bytes("x"));
  EXPECT_FALSE(Make()->Save());
  fs::remove(Dir.Path() / L"Skin");
  // The target name is taken by a folder, so the new file cannot replace it.
  fs::create_directories(SkinPath(L"Config.xml"));
  EXPECT_FALSE(Make()->Save());
  EXPECT_EQ(SkinFiles(), std::vector<fs::path>{L"Config.xml"});
  EXPECT_TRUE(fs::is_directory(SkinPath(L"Config.xml")));
}

TEST_F(SkinRes, ApplyDefaultResetsEverythingAndNotifiesOnce) {
  auto R = Make();
  TQvFormSkinRes* F = R->Form();
  F->Lock();
  F->SetStyle(ssPicture);
  F->SetCustomPicture(L"p.png");
  F->SetCustomPictureName(L"p.png");
  F->SetDefaultSkinOrder(2);
  F->SetHitTestWidth(9);
  F->SetTitleHeight(40);
  F->SetGradientHeight(10);
  F->SetTitlerColor(clRed);
  F->SetColor(clBlue);
  F->SetFramWidth(6);
  F->UnLock();
  gHSB = {10, 20, 30};
  int Count = 0;
  F->OnChanged = [&](TObject*) {
    ++Count;
    EXPECT_EQ(gHSB.H, 0);  // the reset shift is in place when the change is applied
  };
  R->ApplyDefault();
  EXPECT_EQ(Count, 1);
  EXPECT_EQ(F->Style(), ssColor);
  EXPECT_EQ(F->CustomPicture(), L"");
  EXPECT_EQ(F->CustomPictureName(), L"");
  EXPECT_EQ(F->DefaultSkinOrder(), 0);
  EXPECT_EQ(F->HitTestWidth(), 5);
  EXPECT_EQ(F->TitleHeight(), 27);
  EXPECT_EQ(F->GradientHeight(), 168);
  EXPECT_EQ(F->TitlerColor(), 16761926);
  EXPECT_EQ(F->Color(), 15920353);
  EXPECT_EQ(F->FramWidth(), 2);
  EXPECT_EQ(gHSB.B, 0);

  R->SetDesigning(true);
  F->SetTitleHeight(50);
  R->ApplyDefault();  // nothing while designing
  EXPECT_EQ(F->TitleHeight(), 50);
}

TEST_F(SkinRes, ApplySharesTheStyleAndWhileDesigningSaves) {
  auto R = Make();
  R->Form()->SetTitlerColor(clRed);  // applies
  EXPECT_EQ(gQvFormStyle->TitlerColor(), clRed);
  EXPECT_FALSE(fs::exists(SkinPath(L"Config.xml")));
  R->SetDesigning(true);
  R->Form()->SetColor(clBlue);
  EXPECT_NE(gQvFormStyle->Color(), clBlue);
  EXPECT_TRUE(fs::exists(SkinPath(L"Config.xml")));
}

TEST_F(SkinRes, StreamedComponentReadsOrWritesItsFileWhenLoaded) {
  Put(L"Config.xml", Document("<TitleHeight>44</TitleHeight>"));
  TComponent Root(nullptr);
  auto* R = new TQvSkinRes(&Root, App());
  R->SetName(L"SkinRes1");
  R->Form()->SetGradientHeight(99);
  R->SetUseSkinFile(false);
  const TObjectNode Node = WriteComponentNode(Root);

  // Read into a fresh one with UseSkinFile off: the streamed settings are written.
  TComponent Root2(nullptr);
  auto* R2 = new TQvSkinRes(&Root2, App());
  R2->SetName(L"SkinRes1");
  EXPECT_EQ(R2->Form()->TitleHeight(), 44);
  ReadComponentNode(Root2, Node);
  EXPECT_FALSE(R2->UseSkinFile());
  EXPECT_EQ(R2->Form()->GradientHeight(), 99);
  EXPECT_EQ(ParseSkinConfig(ReadFileBytes(R2->XmlFileName())).GradientHeight, 99);
}

}  // namespace
