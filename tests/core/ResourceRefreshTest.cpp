#include <gtest/gtest.h>

#include "ResourceTestSupport.h"
#include "graphics/QvComm.h"
#include "host/ObjectText.h"
#include "host/Streams.h"
#include "resources/QvSkinResDM.h"
#include "resources/QvSkinResManager.h"

using namespace qv;
using namespace qvtest;

namespace {

class ResourceRefresh : public ::testing::Test {
 protected:
  ResourceRefresh() : Dir(L"qv_refresh"), List(nullptr), Manager(&List) {
    QvSkinResDM();  // the module whose lists are written
    TQvSkinImage Image;
    MakeRow(Image, {0xFF123456});
    Manager.AddRes(&Image, L"Mine", L"kept");
  }

  void ExpectUnchanged() {
    ASSERT_EQ(List.Count(), 1);
    EXPECT_EQ(List.Bitmaps()->Items(0)->ResID(), L"Mine");
    EXPECT_EQ(List.Bitmap(0)->Pixel(0, 0), 0xFF123456u);
  }

  TTempDir Dir;
  TQvSkinImageList List;
  TQvSkinResManager Manager;
};

// A missing file is first written as ResetDefaultData writes it, then read back.
TEST_F(ResourceRefresh, MissingFileIsWrittenThenReadBack) {
  const String File = Dir.File(L"QvSkinDesignTimeRes.tmp");
  Manager.Refresh(File);
  const String Text = ReadUTF8File(File);
  EXPECT_NE(Text.find(L"object QvSkinImageListMain: TQvSkinImageList"), String::npos);
  EXPECT_NE(Text.find(L"object QvSkinImageListSvg: TQvSkinSvgImageList"), String::npos);

  TQvSkinImageList* Main = QvSkinResDM()->QvSkinImageListMain();
  ASSERT_EQ(List.Count(), Main->Count());
  for (int I = 0; I < List.Count(); ++I) {
    TQvSkinBitmapItem* Got = List.Bitmaps()->Items(I);
    EXPECT_TRUE(Got->CacheMode());
    TQvSkinImageList Scratch(nullptr);  // read the module's picture without touching it
    Scratch.Bitmaps()->Add()->Assign(Main->Bitmaps()->Items(I));
    EXPECT_EQ(Got->ResID(), Scratch.Bitmaps()->Items(0)->ResID());
    EXPECT_EQ(PixelsOf(*Got->Bitmap()), PixelsOf(*Scratch.Bitmap(0)));
    EXPECT_EQ(Got->Bitmap()->DrawMode(), Scratch.Bitmap(0)->DrawMode());
  }
}

TEST_F(ResourceRefresh, FileThatCannotBeCreatedRaises) {
  const String File = Dir.File(L"no-such-folder/x.tmp");
  try {
    Manager.Refresh(File);
    FAIL() << "no exception";
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), L"Not found QvSkinDesignTimeRes.tmp file!");
  }
  ExpectUnchanged();
}

TEST_F(ResourceRefresh, MissingStartOrEndLineReadsNothing) {
  TQvSkinImageList Small(nullptr);
  Small.SetName(L"QvSkinImageListMain");
  TQvSkinImage Image;
  MakeRow(Image, {0xFF00FF00});
  Small.Bitmaps()->Add()->SetBitmap(&Image);
  const String Text = ComponentToText(Small);
  const String File = Dir.File(L"partial.tmp");

  String NoEnd = Text;
  NoEnd.replace(NoEnd.find(L"end>"), 4, L"end >");
  WriteUTF8File(NoEnd, File);
  Manager.Refresh(File);
  ExpectUnchanged();

  String NoStart = Text;
  NoStart.replace(NoStart.find(L"object QvSkinImageListMain"), 6, L"thing");
  WriteUTF8File(NoStart, File);
  Manager.Refresh(File);
  ExpectUnchanged();

  WriteUTF8File(Text, File);  // both lines present: the picture is read
  Manager.Refresh(File);
  ASSERT_EQ(List.Count(), 1);
  EXPECT_EQ(List.Bitmap(0)->Pixel(0, 0), 0xFF00FF00u);
}

TEST_F(ResourceRefresh, CorruptTextRaisesAndKeepsTheList) {
  const String File = Dir.File(L"corrupt.tmp");
  const wchar_t* Bodies[] = {
      // truncated pixel blob in the second item
      L"      ResID = 'A'\r\n      Bitmap.Data = {\r\n        0100000001000000FFFFFFFF}\r\n"
      L"    end\r\n    item\r\n      ResID = 'B'\r\n      Bitmap.Data = {\r\n        "
      L"0100000001000000FF}\r\n"
      L"    end>\r\n",
      // a line that is no property at all
      L"      ResID = 'A'\r\n      this is not object text\r\n    end>\r\n",
      // an unknown property
      L"      ResID = 'A'\r\n      Colour = 5\r\n    end>\r\n",
  };
  for (const wchar_t* Body : Bodies) {
    WriteUTF8File(String(L"object QvSkinImageListMain: TQvSkinImageList\r\n  Bitmaps = <\r\n"
                         L"    item\r\n") +
                      Body + L"end\r\n",
                  File);
    EXPECT_THROW(Manager.Refresh(File), Exception);
    ExpectUnchanged();
  }
}

}  // namespace
