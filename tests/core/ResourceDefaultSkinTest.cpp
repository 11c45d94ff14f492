#include <gtest/gtest.h>

#include "raster/Resamplers.h"
#include "resources/DefaultSkinTable.h"
#include "resources/QvSkinResDM.h"
#include "resources/QvSkinResManager.h"

using namespace qv;

namespace {

TEST(ResourceDefaultSkin, ModuleHoldsThe84PicturesInTableOrder) {
  TQvSkinResDM* DM = QvSkinResDM();
  ASSERT_NE(DM, nullptr);
  EXPECT_EQ(DM->Name(), L"QvSkinResDM");
  EXPECT_EQ(DM->Owner(), nullptr);
  EXPECT_EQ(QvSkinResDM(), DM);
  TQvSkinImageList* Main = DM->QvSkinImageListMain();
  EXPECT_EQ(Main->Name(), L"QvSkinImageListMain");
  EXPECT_EQ(DM->FindComponent(L"QvSkinImageListSvg"), DM->QvSkinImageListSvg());

  // A private copy, so reading the pictures leaves the module's items untouched.
  TQvSkinImageList Copy(nullptr);
  Copy.Assign(Main);
  ASSERT_EQ(Copy.Count(), kDefaultSkinCount);
  for (int I = 0; I < kDefaultSkinCount; ++I) {
    const TDefaultSkinEntry& E = gDefaultSkinTable[I];
    TQvSkinBitmapItem* Item = Copy.Bitmaps()->Items(I);
    EXPECT_EQ(Item->ResID(), E.ResID);
    TQvSkinImage* Image = Item->Bitmap();
    EXPECT_EQ(Image->Width(), E.Width) << ToUtf8(E.ResID);
    EXPECT_EQ(Image->Height(), E.Height) << ToUtf8(E.ResID);
    EXPECT_EQ(Image->DrawMode(), E.Opaque ? dmOpaque : dmBlend) << ToUtf8(E.ResID);
    EXPECT_EQ(Image->ResamplerClassName(), L"TNearestResampler");
  }
  EXPECT_EQ(Copy.Bitmaps()->Items(10)->ResID(), L"QvSkinBorderHot");
  EXPECT_EQ(Copy.Bitmap(10)->DrawMode(), dmOpaque);
}

TEST(ResourceDefaultSkin, ManagerUsesTheModuleListInCacheMode) {
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  EXPECT_EQ(TQvSkinResManagerObj(), Manager);
  EXPECT_EQ(Manager->ImageList(), QvSkinResDM()->QvSkinImageListMain());
  EXPECT_EQ(Manager->SvgImageList(), QvSkinResDM()->QvSkinImageListSvg());
  EXPECT_FALSE(Manager->Designing());
  for (int I = 0; I < Manager->ImageList()->Count(); ++I)
    EXPECT_TRUE(Manager->ImageList()->Bitmaps()->Items(I)->CacheMode());
  TQvSkinImage* Close = Manager->GetImageByName(L"qvskinbtn_CLOSE");
  ASSERT_NE(Close, nullptr);
  EXPECT_EQ(Close->Width(), 117);
  EXPECT_EQ(Close->Height(), 19);
}

TEST(ResourceDefaultSkin, ModuleCanBeFreedAndReloaded) {
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  FreeQvSkinResDM();
  EXPECT_EQ(QvSkinResDMAssigned(), nullptr);
  EXPECT_EQ(Manager->ImageList(), nullptr);  // the manager let go of the freed list
  EXPECT_EQ(Manager->GetImageByName(L"QvSkinButton"), nullptr);
  try {
    Manager->ResetDefaultData(L"unused.tmp");
    FAIL() << "no exception";
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), L"QvSkinResDM is not assigned");
  }
  Manager->Reload();
  ASSERT_NE(QvSkinResDMAssigned(), nullptr);
  EXPECT_EQ(Manager->ImageList(), QvSkinResDMAssigned()->QvSkinImageListMain());
  ASSERT_NE(Manager->GetImageByName(L"QvSkinButton"), nullptr);
  EXPECT_EQ(Manager->GetImageByName(L"QvSkinButton")->Width(), 340);
}

}  // namespace
