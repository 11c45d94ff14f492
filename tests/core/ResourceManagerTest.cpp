#include <gtest/gtest.h>

#include <filesystem>

#include "ResourceTestSupport.h"
#include "graphics/QvComm.h"
#include "host/Streams.h"
#include "raster/Gr32Png.h"
#include "resources/QvSkinResManager.h"

using namespace qv;
using namespace qvtest;

namespace {

// A manager over its own list, counting change notifications.
class TCountingManager : public TQvSkinResManager {
 public:
  explicit TCountingManager(TQvSkinImageList* List) : TQvSkinResManager(List) {}
  int Changes = 0;

 protected:
  void DoImageChanged() override { ++Changes; }
};

class ResourceManager : public ::testing::Test {
 protected:
  ResourceManager() : List(nullptr), Manager(&List) {}

  int Add(const wchar_t* ResID, std::initializer_list<TColor32> Pixels, TDrawMode Mode = dmBlend) {
    TQvSkinImage Image;
    MakeRow(Image, Pixels, Mode);
    return Manager.AddRes(&Image, ResID, L"");
  }

  TQvSkinImageList List;
  TCountingManager Manager;
};

void WritePng(const String& FileName, std::initializer_list<TColor32> Pixels) {
  TBitmap32 B;
  MakeRow(B, Pixels);
  ASSERT_TRUE(SaveBitmap32ToPNG(&B, true, 0, FileName));
}

TEST_F(ResourceManager, LookupIsTrimmedCaseFoldedAndFirstWins) {
  Add(L"QvSkinButton", {0xFF000001});
  Add(L" qvskinbutton", {0xFF000002});
  EXPECT_EQ(Manager.IndexOfRes(L"  QVSKINBUTTON "), 0);
  TQvSkinImage* Image = Manager.GetImageByName(L" qvskinbutton ");
  ASSERT_NE(Image, nullptr);
  EXPECT_EQ(Image->Pixel(0, 0), 0xFF000001u);
  EXPECT_EQ(Manager.IndexOfRes(L"QvSkinButto"), -1);
  EXPECT_EQ(Manager.GetImageByName(L"nothing-of-that-name"), nullptr);
}

TEST_F(ResourceManager, EventSeesEveryNonBlankLookupAndMayChangeTheResult) {
  Add(L"QvSkinButton", {0xFF000001});
  TQvSkinImage Supplied;
  std::vector<String> Seen;
  Manager.SetOnGetImage([&](TObject* Sender, const String& ResID, TQvSkinImage*& Image) {
    EXPECT_EQ(Sender, &Manager);
    Seen.push_back(ResID);
    if (ResID == L"hide") Image = nullptr;
    if (ResID == L"supplied") Image = &Supplied;
  });
  EXPECT_EQ(Manager.GetImageByName(L"   "), nullptr);
  EXPECT_TRUE(Seen.empty());  // blank IDs answer nil at once

  EXPECT_NE(Manager.GetImageByName(L"QvSkinButton"), nullptr);
  EXPECT_EQ(Manager.GetImageByName(L"supplied"), &Supplied);
  Manager.SetOnGetImage([](TObject*, const String&, TQvSkinImage*& Image) { Image = nullptr; });
  EXPECT_EQ(Manager.GetImageByName(L"QvSkinButton"), nullptr);  // hides a stored picture
  EXPECT_EQ(Seen, (std::vector<String>{L"QvSkinButton", L"supplied"}));
}

TEST_F(ResourceManager, PngFileIdIsLoadedOnce) {
  TTempDir Dir(L"qv_resmgr_png");
  const String File = Dir.File(L"Pic.png");
  WritePng(File, {0x80FF0000, 0xFF00FF00});
  TQvSkinImage* First = Manager.GetImageByName(File);
  ASSERT_NE(First, nullptr);
  EXPECT_EQ(PixelsOf(*First), (std::vector<TColor32>{0x80FF0000, 0xFF00FF00}));
  EXPECT_EQ(First->DrawMode(), dmBlend);
  ASSERT_EQ(Manager.RunTimeImageList()->Count(), 1);
  EXPECT_EQ(Manager.RunTimeImageList()->Bitmaps()->Items(0)->ResID(), File);

  // A changed file on disk is not reloaded; the same picture comes back.
  WritePng(File, {0xFF0000FF});
  EXPECT_EQ(Manager.GetImageByName(File), First);
  EXPECT_EQ(Manager.GetImageByFileName(File), First);
  EXPECT_EQ(Manager.RunTimeImageList()->Count(), 1);
  EXPECT_EQ(First->Width(), 2);

  Manager.Delete(File);  // not a main-list ID: removes the run-time picture
  EXPECT_EQ(Manager.RunTimeImageList()->Count(), 0);
  EXPECT_EQ(Manager.Changes, 0);
}

TEST_F(ResourceManager, RelativeIdResolvesAgainstTheExecutableFolder) {
  const String Name = L"qv_resmgr_exe_relative.png";
  const String InExe = GetExeFolder() + Name;
  WritePng(InExe, {0xFF102030});
  TTempDir Dir(L"qv_resmgr_cwd");  // the current folder has no such file
  const auto OldCwd = std::filesystem::current_path();
  std::filesystem::current_path(Dir.Path());
  TQvSkinImage* Image = nullptr;
  EXPECT_NO_THROW(Image = Manager.GetImageByName(Name));
  std::filesystem::current_path(OldCwd);
  std::filesystem::remove(std::filesystem::path(InExe));
  ASSERT_NE(Image, nullptr);
  EXPECT_EQ(Image->Pixel(0, 0), 0xFF102030u);
  ASSERT_EQ(Manager.RunTimeImageList()->Count(), 1);
  EXPECT_EQ(Manager.RunTimeImageList()->Bitmaps()->Items(0)->ResID(), InExe);
}

TEST_F(ResourceManager, CorruptFileRaisesAndAddsNothing) {
  TTempDir Dir(L"qv_resmgr_bad");
  const String Bad = Dir.File(L"bad.png");
  WriteFileBytes(Bad, {0x89, 'P', 'N', 'G', 1, 2, 3});
  Add(L"Keep", {0xFF000001});
  EXPECT_THROW(Manager.GetImageByName(Bad), Exception);
  EXPECT_EQ(Manager.RunTimeImageList()->Count(), 0);
  EXPECT_THROW(Manager.AddRes(Bad, L"", L""), Exception);
  EXPECT_THROW(Manager.ReplaceRes(L"Keep", Bad, L"", L""), Exception);
  ASSERT_EQ(List.Count(), 1);
  EXPECT_EQ(List.Bitmap(0)->Pixel(0, 0), 0xFF000001u);
}

TEST_F(ResourceManager, AddReplaceDeleteNotify) {
  TTempDir Dir(L"qv_resmgr_edit");
  const String File = Dir.File(L"Arrow.Png");
  WritePng(File, {0x40000000});

  EXPECT_EQ(Add(L"A", {0xFF000001}), 0);
  EXPECT_EQ(Manager.AddRes(File, L"", L"from file"), 1);
  EXPECT_EQ(List.Bitmaps()->Items(1)->ResID(), L"Arrow");
  EXPECT_EQ(List.Bitmaps()->Items(1)->Description(), L"from file");
  EXPECT_EQ(Manager.Changes, 2);

  TQvSkinImage Other;
  MakeRow(Other, {0xFF0000AA, 0xFF0000BB}, dmOpaque);
  Manager.ReplaceRes(L"a", &Other);
  EXPECT_EQ(PixelsOf(*Manager.GetImageByName(L"A")), PixelsOf(Other));
  Manager.ReplaceRes(L"missing", &Other);
  EXPECT_EQ(Manager.Changes, 3);

  EXPECT_EQ(Manager.ReplaceRes(L"A", File, L"ignored", L"ignored"), 0);
  EXPECT_EQ(List.Bitmaps()->Items(0)->ResID(), L"A");  // keeps its ID
  EXPECT_EQ(Manager.GetImageByName(L"A")->Pixel(0, 0), 0x40000000u);
  EXPECT_LT(Manager.ReplaceRes(L"missing", File, L"", L""), 0);
  EXPECT_EQ(Manager.Changes, 4);

  Manager.Delete(L"arrow");
  EXPECT_EQ(List.Count(), 1);
  Manager.Delete(L"missing");
  EXPECT_EQ(Manager.Changes, 5);
}

TEST_F(ResourceManager, GreyTwiceThenRestore) {
  const TColor32 Original = Color32(200, 100, 50, 128);
  Add(L"Pic", {Original, 0xFFFFFFFF});
  TQvSkinImage* Image = Manager.MakeGrayscaleImageByID(L"Pic");
  ASSERT_NE(Image, nullptr);
  const uint8_t I = (200 * 61 + 100 * 174 + 50 * 21) / 256;
  EXPECT_EQ(Image->Pixel(0, 0), Gray32(I, 128));
  EXPECT_EQ(Image->Pixel(1, 0), 0xFFFFFFFFu);
  ASSERT_GE(Manager.IndexOfRes(L"Pic_$Bak$"), 0);

  // Paint over the grey picture: the next grey-out starts again from the backup.
  Image->SetPixel(1, 0, 0xFFFF0000);
  EXPECT_EQ(Manager.MakeGrayscaleImageByID(L"Pic"), Image);
  EXPECT_EQ(Image->Pixel(0, 0), Gray32(I, 128));
  EXPECT_EQ(Image->Pixel(1, 0), 0xFFFFFFFFu);

  Manager.RestoreImageByID(L"Pic");
  EXPECT_EQ(Image->Pixel(0, 0), Original);
  EXPECT_EQ(Manager.GetImageByName(L"Pic")->Pixel(0, 0), Original);
  EXPECT_EQ(Manager.MakeGrayscaleImageByID(L"missing"), nullptr);
}

TEST_F(ResourceManager, FilePictureGreysAndRestoresThroughItsBackup) {
  TTempDir Dir(L"qv_resmgr_grey");
  const String File = Dir.File(L"p.png");
  WritePng(File, {0xFF204080});
  TQvSkinImage* Image = Manager.MakeGrayscaleImageByID(File);
  ASSERT_NE(Image, nullptr);
  EXPECT_EQ(Image->Pixel(0, 0), Gray32((0x20 * 61 + 0x40 * 174 + 0x80 * 21) / 256));
  Manager.RestoreImageByID(File);
  EXPECT_EQ(Image->Pixel(0, 0), 0xFF204080u);
}

TEST_F(ResourceManager, BackupOfAMissingPictureIsEmpty) {
  Manager.BackupImageByID(L"ghost");
  int Index = Manager.IndexOfRes(L"ghost_$Bak$");
  ASSERT_GE(Index, 0);
  EXPECT_TRUE(List.Bitmap(Index)->Empty());
  Manager.RestoreImageByID(L"ghost");  // no picture: nothing happens
  EXPECT_EQ(List.Count(), 1);
}

TEST_F(ResourceManager, UpdateBracketAndListCopy) {
  Add(L"A", {1});
  Manager.BeginUpdate();
  EXPECT_EQ(List.Bitmaps()->UpdateCount(), 1);
  Manager.EndUpdate();
  EXPECT_EQ(List.Bitmaps()->UpdateCount(), 0);

  TQvSkinImageList Other(nullptr);
  TQvSkinImage Image;
  MakeRow(Image, {0xFF00FF00});
  TQvSkinBitmapItem* Item = Other.Bitmaps()->Add();
  Item->SetResID(L"B");
  Item->SetBitmap(&Image);
  Manager.SetImageList(&Other);
  EXPECT_EQ(Manager.ImageList(), &List);  // a copy, not a replacement
  EXPECT_EQ(Manager.IndexOfRes(L"A"), -1);
  EXPECT_EQ(Manager.GetImageByName(L"B")->Pixel(0, 0), 0xFF00FF00u);
}

TEST(ResourceDpiNames, Table) {
  EXPECT_EQ(GetDPIScaleTextFromResID(L"QvSkinButton@DPI200"), L"@DPI200");
  EXPECT_EQ(GetDPIScaleTextFromResID(L"a@DPI1"), L"@DPI1");
  EXPECT_EQ(GetDPIScaleTextFromResID(L"QvSkinButton"), L"");
  struct {
    const wchar_t* Text;
    TQvResDPIScale Scale;
  } Texts[] = {{L"@DPI100", ds100}, {L"@DPI150", ds150}, {L"@DPI200", ds200}, {L"@DPI300", ds300},
               {L"@dpi150", ds100}, {L"DPI150", ds100},  {L"", ds100}};
  for (auto& T : Texts) EXPECT_EQ(TextToQvResDPIScale(T.Text), T.Scale) << ToUtf8(T.Text);
  EXPECT_EQ(GetDPIScaleFromResID(L"x@DPI300y"), ds300);
  EXPECT_EQ(TrimDPIScaleText(L"QvSkinButton@DPI200"), L"QvSkinButton");
  EXPECT_EQ(TrimDPIScaleText(L"QvSkinButton"), L"QvSkinButton");
  EXPECT_EQ(QvResDPIScaleToText(ds100), L"");
  EXPECT_EQ(QvResDPIScaleToText(ds300), L"@DPI300");
  EXPECT_EQ(IncludeDPIScaleText(L"QvSkinButton@DPI200", ds150), L"QvSkinButton@DPI150");
  EXPECT_EQ(IncludeDPIScaleText(L"QvSkinButton@DPI200", ds100), L"QvSkinButton");
  struct {
    double Scale;
    TQvResDPIScale Expected;
  } Scales[] = {{1.0, ds100}, {1.25, ds150}, {1.995, ds200}, {1.994, ds150},
                {2.5, ds200}, {3.0, ds300},  {0.5, ds100}};
  for (auto& S : Scales) EXPECT_EQ(ScaleToQvResDPIScale(S.Scale), S.Expected) << S.Scale;

  TQvSkinImageList List(nullptr);
  TQvSkinResManager Manager(&List);
  EXPECT_EQ(Manager.GetDPIScaleResID(L"QvSkinButton@DPI200"), L"QvSkinButton@DPI200");
  EXPECT_EQ(Manager.GetResIDByDPIScale(L"QvSkinButton"), -1);
  TBitmap32 B;
  B.SetSize(2, 3);
  EXPECT_EQ(GetQvSkinImageBytes(&B), 78);
}

TEST(ResourceInstallPath, NotRecorded) {
  // Neither the native build nor a fresh Wine prefix records the install folder.
  EXPECT_EQ(GetQvSkinInstallPath(), L"");
  EXPECT_EQ(QvSkinDesignTimeResFileName(), L"QvSkinDesignTimeRes.tmp");
}

}  // namespace
