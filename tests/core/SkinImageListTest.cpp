#include <gtest/gtest.h>

#include <cstring>

#include "ResourceTestSupport.h"
#include "resources/QvSkinImageList.h"

using namespace qv;
using namespace qvtest;

namespace {

TQvSkinBitmapItem* AddItem(TQvSkinImageList& List, const wchar_t* ResID,
                           std::initializer_list<TColor32> Pixels, TDrawMode Mode = dmBlend) {
  TQvSkinImage Image;
  MakeRow(Image, Pixels, Mode);
  TQvSkinBitmapItem* Item = List.Bitmaps()->Add();
  Item->SetResID(ResID);
  Item->SetBitmap(&Image);
  return Item;
}

TEST(SkinImage, StartsUntagged) {
  TQvSkinImage Image;
  EXPECT_EQ(Image.Tag(), 0);
  EXPECT_FALSE(Image.IsFromSVG());
  EXPECT_EQ(Image.DrawMode(), dmOpaque);
}

TEST(SkinImageCache, ItemHoldsOnlyTheBlockUntilRead) {
  TQvSkinImageList List(nullptr);
  TQvSkinImage Image;
  MakeRow(Image, {0x80FF0000, 0x00000000, 0xFF123456});
  Image.SetMasterAlpha(77);
  Image.SetOuterColor(0x11223344);
  TQvSkinBitmapItem* Item = List.Bitmaps()->Add();
  Item->SetBitmap(&Image);

  EXPECT_TRUE(Item->CacheMode());
  EXPECT_FALSE(Item->HasBitmap());
  EXPECT_EQ(Item->BitmapCache().Width, 3u);
  EXPECT_EQ(Item->BitmapCache().DataSize, 12u);
  EXPECT_TRUE(Item->BitmapCache().HasAlpha);

  TQvSkinImage* Read = Item->Bitmap();
  ASSERT_NE(Read, nullptr);
  EXPECT_TRUE(Item->CacheMode());  // reading rebuilds the surface and stays in cache mode
  EXPECT_TRUE(Item->HasBitmap());
  EXPECT_EQ(PixelsOf(*Read), PixelsOf(Image));
  EXPECT_EQ(Read->DrawMode(), dmBlend);
  EXPECT_EQ(Read->MasterAlpha(), 77);
  EXPECT_EQ(Read->OuterColor(), 0x11223344u);
  EXPECT_EQ(Item->Bitmap(), Read);  // the same surface on every read
}

TEST(SkinImageCache, AutoCacheModeToggleRestoresAndRecaches) {
  TQvSkinImageList List(nullptr);
  TQvSkinBitmapItem* A = AddItem(List, L"A", {0xFF010203});
  TQvSkinBitmapItem* B = AddItem(List, L"B", {0xFF040506, 0xFF070809});

  List.SetAutoCacheMode(false);
  EXPECT_FALSE(A->CacheMode());
  EXPECT_TRUE(A->HasBitmap());
  EXPECT_TRUE(B->HasBitmap());
  // Items added now stay uncached.
  TQvSkinBitmapItem* C = AddItem(List, L"C", {0xFF000000});
  EXPECT_FALSE(C->CacheMode());

  // A change made while uncached is what the new block holds.
  List.Bitmap(0)->SetPixel(0, 0, 0xFFAABBCC);
  List.SetAutoCacheMode(true);
  EXPECT_TRUE(A->CacheMode());
  EXPECT_TRUE(C->CacheMode());
  EXPECT_FALSE(B->HasBitmap());  // never handed out: only the block remains
  EXPECT_EQ(B->BitmapCache().Width, 2u);
  uint32_t First;
  std::memcpy(&First, A->BitmapCache().Data.get(), 4);
  EXPECT_EQ(First, 0xFFAABBCCu);
  EXPECT_EQ(List.Bitmap(1)->Pixel(1, 0), 0xFF070809u);
}

TEST(SkinImageCache, HandedOutSurfaceSurvivesReplacementAndKeepsEdits) {
  TQvSkinImageList List(nullptr);
  TQvSkinBitmapItem* Item = AddItem(List, L"A", {0xFF111111, 0xFF222222});
  TQvSkinImage* Held = Item->Bitmap();

  // A caller drawing on the picture it was given: leaving cache mode keeps the drawing.
  Held->SetPixel(0, 0, 0xFF0000FF);
  List.SetAutoCacheMode(false);
  EXPECT_EQ(Item->Bitmap(), Held);
  EXPECT_EQ(Held->Pixel(0, 0), 0xFF0000FFu);
  List.SetAutoCacheMode(true);

  // Replacing the picture writes into the surface the caller still holds.
  TQvSkinImage Other;
  MakeRow(Other, {0xFF333333}, dmOpaque);
  Item->SetBitmap(&Other);
  EXPECT_TRUE(Item->CacheMode());
  EXPECT_EQ(Item->Bitmap(), Held);
  EXPECT_EQ(PixelsOf(*Held), PixelsOf(Other));
  EXPECT_EQ(Held->DrawMode(), dmOpaque);
}

TEST(SkinImageCache, EmptyPictureDoesNotBringBackAnOlderOne) {
  TQvSkinImageList List(nullptr);
  TQvSkinBitmapItem* Item = AddItem(List, L"A", {0xFF111111});
  TQvSkinImage Empty;
  Item->SetBitmap(&Empty);
  List.SetAutoCacheMode(false);
  List.SetAutoCacheMode(true);
  ASSERT_NE(Item->Bitmap(), nullptr);
  EXPECT_TRUE(Item->Bitmap()->Empty());
}

TEST(SkinImageCache, DesignedListDoesNotCache) {
  TQvSkinImageList List(nullptr);
  List.SetDesigning(true);
  TQvSkinBitmapItem* Item = AddItem(List, L"A", {0xFF111111});
  EXPECT_FALSE(Item->CacheMode());
  Item->EnableCacheMode();
  EXPECT_FALSE(Item->CacheMode());
  EXPECT_TRUE(Item->HasBitmap());
}

TEST(SkinImageItem, AssignCopiesIdDescriptionPixelsAndDrawMode) {
  TQvSkinImageList Src(nullptr), Dst(nullptr);
  Dst.SetAutoCacheMode(false);
  TQvSkinBitmapItem* S = AddItem(Src, L" QvSkinX ", {0x80402010, 0xFF000000}, dmBlend);
  S->SetDescription(L"desc");
  TQvSkinBitmapItem* D = Dst.Bitmaps()->Add();
  D->Assign(S);
  EXPECT_EQ(D->ResID(), L" QvSkinX ");  // not trimmed
  EXPECT_EQ(D->Description(), L"desc");
  EXPECT_EQ(PixelsOf(*D->Bitmap()), (std::vector<TColor32>{0x80402010, 0xFF000000}));
  EXPECT_EQ(D->Bitmap()->DrawMode(), dmBlend);
  EXPECT_FALSE(S->HasBitmap());  // copied from the block, the source stays compact

  // Whole lists copy item by item into the destination's own cache policy.
  TQvSkinImageList Copy(nullptr);
  AddItem(Copy, L"old", {0});
  Copy.Assign(&Src);
  ASSERT_EQ(Copy.Count(), 1);
  EXPECT_EQ(Copy.Bitmaps()->Items(0)->ResID(), L" QvSkinX ");
  EXPECT_TRUE(Copy.Bitmaps()->Items(0)->CacheMode());
}

TEST(SkinImageFix, PixelTable) {
  struct Case {
    TDrawMode Mode;
    TColor32 In, Out;
  } Cases[] = {
      {dmBlend, Color32(200, 10, 10, 128), Color32(255, 19, 19, 128)},
      {dmBlend, Color32(255, 1, 2, 0), 0},                              // invisible -> 0
      {dmBlend, Color32(100, 50, 25, 128), Color32(100, 50, 25, 128)},  // already straight
      {dmBlend, Color32(200, 10, 10, 255), Color32(200, 10, 10, 255)},
      {dmBlend, Color32(1, 0, 0, 0), 0},
      {dmBlend, Color32(0, 3, 0, 2), Color32(0, 255, 0, 2)},
      {dmOpaque, Color32(200, 10, 10, 128), Color32(200, 10, 10, 128)},
      {dmOpaque, Color32(255, 1, 2, 0), 0},
      {dmTransparent, Color32(200, 10, 10, 128), Color32(200, 10, 10, 128)},
  };
  for (const Case& C : Cases) {
    TBitmap32 B;
    MakeRow(B, {C.In}, C.Mode);
    int Changes = 0;
    B.OnChange = [&](TObject*) { ++Changes; };
    FixPixelFormat(&B);
    EXPECT_EQ(B.Pixel(0, 0), C.Out) << std::hex << C.In << " mode " << C.Mode;
    EXPECT_EQ(Changes, 1);
  }
  FixPixelFormat(nullptr);  // nothing for nil and empty surfaces
  TBitmap32 Empty;
  FixPixelFormat(&Empty);
}

}  // namespace
