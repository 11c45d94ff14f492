#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "host/ScopeGuard.h"
#include "resources/DefaultSkinTable.h"
#include "resources/QvSkinResDM.h"
#include "resources/QvSkinTheme.h"

using namespace qv;

namespace {

uint32_t BigEndian32(const unsigned char* p) {
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

std::vector<TColor32> PixelsOf(const TCustomBitmap32& B) {
  return {B.Bits(), B.Bits() + ptrdiff_t(B.Width()) * B.Height()};
}

// Every test leaves the process in the light theme, whatever happens.
class SkinTheme : public ::testing::Test {
 protected:
  ~SkinTheme() override { SetDefaultSkinTheme(stLight); }
};

}  // namespace

TEST(DefaultSkinPictureSize, ScalesEveryFrameOnItsOwn) {
  struct Case {
    const wchar_t* Id;
    int Percent, Width, Height;
  };
  const Case cases[] = {
      {L"QvSkinCheckBox", 100, 68, 17},   {L"QvSkinCheckBox", 150, 104, 26},
      {L"QvSkinCheckBox", 200, 136, 34},  {L"QvSkinButton", 150, 510, 41},
      {L"QvSkinBtn_close", 150, 177, 29}, {L"QvSkinBrower_up", 150, 44, 180},
      {L"QvSkinBrower_up", 300, 87, 360}, {L"QvSkinPasswordchar", 150, 9, 9},
      {L"QvSkinSlides", 300, 480, 207},
  };
  for (const Case& c : cases) {
    const TDefaultSkinEntry* e = nullptr;
    for (const TDefaultSkinEntry& x : gDefaultSkinTable)
      if (std::wstring(x.ResID) == c.Id) e = &x;
    ASSERT_NE(e, nullptr);
    TSkinPictureSize s = DefaultSkinPictureSize(*e, c.Percent);
    EXPECT_EQ(s.Width, c.Width) << ToUtf8(c.Id) << " " << c.Percent;
    EXPECT_EQ(s.Height, c.Height) << ToUtf8(c.Id) << " " << c.Percent;
  }
}

// Both themes embed every picture at 100 % and at each high-DPI scale, as 8-bit RGBA PNGs of
// the size the table gives for that scale.
TEST(DefaultSkinFiles, EveryPictureInEveryThemeAndScale) {
  for (TQvSkinTheme theme : {stLight, stDark}) {
    for (const TDefaultSkinEntry& e : gDefaultSkinTable) {
      for (int percent : {100, 150, 200, 300}) {
        String name = e.ResID;
        if (percent != 100) name += L"@DPI" + std::to_wstring(percent);
        SCOPED_TRACE(ToUtf8(name) + (theme == stDark ? " dark" : " light"));
        const TEmbeddedFile* f = FindDefaultSkinFile(name, theme);
        ASSERT_NE(f, nullptr);
        ASSERT_GE(f->Size, 33u);
        TSkinPictureSize s = DefaultSkinPictureSize(e, percent);
        EXPECT_EQ(BigEndian32(f->Data + 16), uint32_t(s.Width));
        EXPECT_EQ(BigEndian32(f->Data + 20), uint32_t(s.Height));
        EXPECT_EQ(f->Data[24], 8);
        EXPECT_EQ(f->Data[25], 6);
      }
    }
  }
  EXPECT_EQ(gDarkSkinFileCount, gDefaultSkinFileCount);
  EXPECT_EQ(FindDefaultSkinFile(L"QvSkinButton@DPI175", stLight), nullptr);
}

TEST_F(SkinTheme, VariantsDecodeOnFirstRequestOnly) {
  EXPECT_EQ(DefaultSkinVariant(L"QvSkinButton"), nullptr);  // no suffix
  EXPECT_EQ(DefaultSkinVariant(L"NoSuchPicture@DPI150"), nullptr);
  EXPECT_EQ(DefaultSkinVariant(L"QvSkinButton@DPI175"), nullptr);  // no such scale
  int64_t before = DefaultSkinVariantBytes();
  TQvSkinImage* a = DefaultSkinVariant(L" qvskinmenu_HILIGHT@DPI300 ");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->Width(), 66);
  EXPECT_EQ(a->Height(), 66);
  EXPECT_EQ(a->DrawMode(), dmBlend);
  EXPECT_EQ(DefaultSkinVariantBytes() - before, 66 * 66 * 4);
  EXPECT_EQ(DefaultSkinVariant(L"QvSkinMenu_hilight@DPI300"), a);
  TQvSkinImage* opaque = DefaultSkinVariant(L"QvSkinTabDown@DPI150");
  ASSERT_NE(opaque, nullptr);
  EXPECT_EQ(opaque->DrawMode(), dmOpaque);
}

// The switch changes the pixels of surfaces already handed out, and switching back restores
// them exactly; the surfaces keep their identity.
TEST_F(SkinTheme, SwitchRepaintsHeldPicturesAndSwitchesBackExactly) {
  TQvSkinResManager* manager = TQvSkinResManagerObj();
  TQvSkinImage* button = manager->GetImageByName(L"QvSkinButton");
  TQvSkinImage* variant = DefaultSkinVariant(L"QvSkinButton@DPI200");
  ASSERT_NE(button, nullptr);
  ASSERT_NE(variant, nullptr);
  const std::vector<TColor32> light = PixelsOf(*button), lightVariant = PixelsOf(*variant);
  std::vector<TQvSkinTheme> heard;
  int key = AddSkinThemeListener([&](TQvSkinTheme t) { heard.push_back(t); });
  TScopeExit remove([&] { RemoveSkinThemeListener(key); });

  SetDefaultSkinTheme(stDark);
  EXPECT_EQ(DefaultSkinTheme(), stDark);
  EXPECT_EQ(manager->GetImageByName(L"QvSkinButton"), button);
  EXPECT_EQ(DefaultSkinVariant(L"QvSkinButton@DPI200"), variant);
  EXPECT_EQ(button->Width(), 340);
  EXPECT_NE(PixelsOf(*button), light);
  EXPECT_NE(PixelsOf(*variant), lightVariant);
  // The normal face (centre of frame 0) is dark, the light one bright.
  auto Luma = [](TColor32 c) {
    return (RedComponent(c) + GreenComponent(c) + BlueComponent(c)) / 3;
  };
  EXPECT_LT(Luma(button->Pixel(34, 13)), 80);
  EXPECT_GT(Luma(light[13 * 340 + 34]), 200);

  SetDefaultSkinTheme(stDark);  // already dark: nothing
  SetDefaultSkinTheme(stLight);
  EXPECT_EQ(PixelsOf(*button), light);
  EXPECT_EQ(PixelsOf(*variant), lightVariant);
  EXPECT_EQ(heard, (std::vector<TQvSkinTheme>{stDark, stLight}));
}

TEST_F(SkinTheme, ModuleCreatedWhileDarkLoadsDarkPictures) {
  SetDefaultSkinTheme(stDark);
  TQvSkinResManagerObj()->Reload();
  TScopeExit reload([] {
    SetDefaultSkinTheme(stLight);
    TQvSkinResManagerObj()->Reload();
  });
  TQvSkinResDM* dm = QvSkinResDM();
  TQvSkinImageList copy(nullptr);
  copy.Assign(dm->QvSkinImageListMain());
  ASSERT_EQ(copy.Count(), kDefaultSkinCount);
  int index = copy.Bitmaps()->IndexOfResID(L"QvSkinBorderNormal");
  ASSERT_GE(index, 0);
  TQvSkinImage* border = copy.Bitmaps()->Items(index)->Bitmap();
  EXPECT_LT(RedComponent(border->Pixel(17, 17)), 80);  // a dark edit face
}
