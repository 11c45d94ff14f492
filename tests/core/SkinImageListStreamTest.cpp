#include <gtest/gtest.h>

#include "ResourceTestSupport.h"
#include "host/ObjectText.h"
#include "resources/QvSkinImageList.h"

using namespace qv;
using namespace qvtest;

namespace {

TEST(SkinImageListStream, TextFormRoundTripKeepsPixelsAndSurfaceProperties) {
  TQvSkinImageList Src(nullptr);
  Src.SetName(L"QvSkinImageListMain");
  Src.SetDesignInfo({151, 39});
  TQvSkinImage A, B;
  MakeRow(A, {0x80FF0000, 0x00000000, 0xFF010203}, dmBlend);
  MakeRow(B, {0xFFFFFFFF}, dmOpaque);
  B.SetMasterAlpha(200);
  TQvSkinBitmapItem* Item = Src.Bitmaps()->Add();
  Item->SetResID(L"QvSkinA");
  Item->SetDescription(L"first 'quoted' \x76AE");
  Item->SetBitmap(&A);
  Item = Src.Bitmaps()->Add();
  Item->SetResID(L"QvSkinB");
  Item->SetBitmap(&B);
  Src.DisableItemCacheMode(1);  // one item as a block, one as a surface

  const String Text = ComponentToText(Src);
  EXPECT_NE(Text.find(L"object QvSkinImageListMain: TQvSkinImageList"), String::npos);
  EXPECT_NE(Text.find(L"Bitmap.Data"), String::npos);
  EXPECT_NE(Text.find(L"Bitmap.DrawMode = dmBlend"), String::npos);
  EXPECT_NE(Text.find(L"Bitmap.ResamplerClassName = 'TNearestResampler'"), String::npos);
  EXPECT_FALSE(Src.Bitmaps()->Items(0)->HasBitmap());  // writing did not build the surface

  TQvSkinImageList Dst(nullptr);
  TextToComponent(Text, Dst);
  ASSERT_EQ(Dst.Count(), 2);
  EXPECT_EQ(Dst.DesignInfo(), Point(151, 39));
  TQvSkinBitmapItem* DA = Dst.Bitmaps()->Items(0);
  EXPECT_EQ(DA->ResID(), L"QvSkinA");
  EXPECT_EQ(DA->Description(), L"first 'quoted' \x76AE");
  EXPECT_EQ(PixelsOf(*DA->Bitmap()), PixelsOf(A));
  EXPECT_EQ(DA->Bitmap()->DrawMode(), dmBlend);
  TQvSkinBitmapItem* DB = Dst.Bitmaps()->Items(1);
  EXPECT_EQ(DB->Description(), L"");
  EXPECT_EQ(PixelsOf(*DB->Bitmap()), PixelsOf(B));
  EXPECT_EQ(DB->Bitmap()->DrawMode(), dmOpaque);
  EXPECT_EQ(DB->Bitmap()->MasterAlpha(), 200);
}

TEST(SkinImageListStream, ClassesAreRegisteredForReading) {
  for (const wchar_t* Name : {L"TQvSkinImageList", L"TQvSkinSvgImageList", L"TQvSkinPng"}) {
    std::unique_ptr<TComponent> C(CreateComponentByClassName(Name, nullptr));
    ASSERT_NE(C, nullptr) << ToUtf8(Name);
    EXPECT_EQ(C->ClassName(), Name);
  }
}

TEST(SkinImageListStream, MalformedBlobRaisesReadError) {
  TQvSkinImageList List(nullptr);
  const String Text =
      L"object L: TQvSkinImageList\r\n"
      L"  Bitmaps = <\r\n"
      L"    item\r\n"
      L"      ResID = 'X'\r\n"
      L"      Bitmap.Data = {\r\n"
      L"        0200000001000000FF}\r\n"
      L"    end>\r\n"
      L"end\r\n";
  EXPECT_THROW(TextToComponent(Text, List), EReadError);
}

}  // namespace
