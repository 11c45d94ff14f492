#include <gtest/gtest.h>

#include "host/Platform.h"
#include "host/ScopeGuard.h"
#include "resources/QvSkinIntfPictures.h"
#include "resources/QvSkinResManager.h"

using namespace qv;

namespace {

// A skin with one picture that has a 200 % variant and one without any variant.
class ResourceDpiLookup : public ::testing::Test {
 protected:
  ResourceDpiLookup() : List(nullptr), Manager(&List) {
    Add(L"Btn", 2, 1, 0xFF102030);
    Add(L"Btn@DPI200", 4, 2, 0xFF00FF00);
    Add(L"Check", 4, 2, 0xFF405060);
  }

  void Add(const wchar_t* Id, int W, int H, TColor32 Color) {
    TQvSkinImage Image;
    Image.SetSize(W, H);
    Image.Clear(Color);
    Image.SetDrawMode(dmBlend);
    Manager.AddRes(&Image, Id, L"");
  }

  TQvSkinImage* Plain(const wchar_t* Id) { return List.Bitmap(Manager.IndexOfRes(Id)); }

  TQvSkinImageList List;
  TQvSkinResManager Manager;
};

TEST_F(ResourceDpiLookup, SuffixByScaleFallingBackToAScaledPlainPicture) {
  enum TKind { Plain_, Variant, Scaled };
  struct Case {
    const wchar_t* Id;
    double Scale;
    TKind Kind;
    int W, H;
  } Cases[] = {
      {L"Btn", 0.75, Plain_, 2, 1},  {L"Btn", 1.0, Plain_, 2, 1},
      {L"Btn", 1.004, Plain_, 2, 1},  // rounds to 100 %
      {L"Btn", 1.25, Scaled, 3, 2},   // no @DPI150: the plain picture at 150 %
      {L"Btn", 1.5, Scaled, 3, 2},   {L"Btn", 1.995, Variant, 4, 2},  // rounds to 200 %
      {L"Btn", 2.0, Variant, 4, 2},  {L"Btn", 2.99, Variant, 4, 2},
      {L"Btn", 3.0, Scaled, 6, 3},   {L"Btn", 4.0, Scaled, 6, 3},
      {L"Check", 2.0, Scaled, 8, 4}, {L" check ", 1.5, Scaled, 6, 3},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << ToUtf8(C.Id) << " at " << C.Scale);
    TQvSkinImage* Image = Manager.GetImageForScale(C.Id, C.Scale);
    ASSERT_NE(Image, nullptr);
    EXPECT_EQ(Image->Width(), C.W);
    EXPECT_EQ(Image->Height(), C.H);
    switch (C.Kind) {
      case Plain_:
        EXPECT_EQ(Image, Plain(C.Id));
        break;
      case Variant:
        EXPECT_EQ(Image, Plain(L"Btn@DPI200"));
        break;
      case Scaled:
        // A plain-coloured picture stays that colour to its edges, and keeps its draw mode.
        EXPECT_NE(Image, Plain(C.Id));
        for (int Y = 0; Y < Image->Height(); ++Y)
          for (int X = 0; X < Image->Width(); ++X)
            ASSERT_EQ(Image->Pixel(X, Y), Plain(C.Id)->Pixel(0, 0)) << X << "," << Y;
        EXPECT_EQ(Image->DrawMode(), dmBlend);
        break;
    }
  }
  EXPECT_EQ(Manager.GetImageForScale(L"Missing", 2.0), nullptr);
  EXPECT_EQ(Manager.GetImageForScale(L"", 2.0), nullptr);
  // The plain picture keeps its own sampling and draw mode.
  EXPECT_EQ(Plain(L"Btn")->ResamplerClassName(), TQvSkinImage().ResamplerClassName());
}

TEST_F(ResourceDpiLookup, ScaledOncePerSuffixAndRescaledWhenTheSkinChanges) {
  TQvSkinImage* At150 = Manager.GetImageForScale(L"Check", 1.5);
  EXPECT_EQ(Manager.GetImageForScale(L"CHECK", 1.25), At150);  // same suffix, same picture
  TQvSkinImage* At300 = Manager.GetImageForScale(L"Check", 3.0);
  EXPECT_NE(At300, At150);
  EXPECT_EQ(Manager.ScaledPictureCount(), 2);
  EXPECT_EQ(Manager.ScaledPictureBytes(), GetQvSkinImageBytes(At150) + GetQvSkinImageBytes(At300));

  // A replaced picture is scaled again into the same surface, so holders stay valid.
  TQvSkinImage Red;
  Red.SetSize(2, 2);
  Red.Clear(0xFFFF0000);
  Manager.ReplaceRes(L"Check", &Red);
  EXPECT_EQ(Manager.GetImageForScale(L"Check", 1.5), At150);
  EXPECT_EQ(At150->Width(), 3);
  EXPECT_EQ(At150->Pixel(2, 2), 0xFFFF0000u);

  // A skin copied in wholesale counts as a change too.
  TQvSkinImageList Other(nullptr);
  Other.Assign(&List);
  Other.SetBitmap(Other.Bitmaps()->IndexOfResID(L"Check"), &Red);
  Red.Clear(0xFF0000FF);
  Manager.ReplaceRes(L"Check", &Red);
  Manager.GetImageForScale(L"Check", 1.5);
  Manager.SetImageList(&Other);
  EXPECT_EQ(Manager.GetImageForScale(L"Check", 1.5)->Pixel(0, 0), 0xFFFF0000u);

  // A deleted picture takes its stand-ins along.
  Manager.Delete(L"Check");
  EXPECT_EQ(Manager.ScaledPictureCount(), 0);
  EXPECT_EQ(Manager.ScaledPictureBytes(), 0);
  EXPECT_EQ(Manager.GetImageForScale(L"Check", 1.5), nullptr);
}

TEST_F(ResourceDpiLookup, ModeOffAndScreenScaleLookupsKeepThePlainPicture) {
  for (bool On : {false, true}) {
    SCOPED_TRACE(On);
    SetAppHighDPIMode(On);
    TScopeExit Off([] { SetAppHighDPIMode(false); });
    // Natively the screen is at 96 DPI: no suffix in either mode.
    EXPECT_EQ(Manager.GetDPIScaleResID(L"Btn"), L"Btn");
    EXPECT_EQ(Manager.GetResIDByDPIScale(L"Btn"), -1);
    EXPECT_EQ(Manager.GetImageByName(L"Btn"), Plain(L"Btn"));
    EXPECT_EQ(Manager.GetImageByName(L"Btn", false), Plain(L"Btn"));
  }
  EXPECT_EQ(Manager.ScaledPictureCount(), 0);
}

TEST(PngPicturesDpi, ARescaleRefetchesTheStripOnce) {
  TQvSkinResManager* Manager = TQvSkinResManagerObj();
  TQvSkinImage Strip;
  Strip.SetSize(6, 2);
  Strip.Clear(0xFF808080);
  Manager->AddRes(&Strip, L"PngPicturesDpi_strip", L"");
  TScopeExit Drop([Manager] { Manager->Delete(L"PngPicturesDpi_strip"); });

  TPngPictures P;
  P.SetImage(L"PngPicturesDpi_strip");
  TQvSkinImage* Plain = P.SourceImage();
  int Calls = 0;
  P.SetPicturesChanged([&](TObject*) { ++Calls; });
  Calls = 0;
  P.AutoSetImageForDPI();  // mode off: nothing
  EXPECT_EQ(Calls, 0);
  struct Step {
    double Scale;
    int Calls, SingleWidth;
  } Steps[] = {{2.0, 1, 4}, {2.0, 1, 4}, {1.5, 2, 3}, {1.0, 3, 2}};
  for (const Step& S : Steps) {
    SCOPED_TRACE(S.Scale);
    P.AutoSetImageForScale(S.Scale);
    EXPECT_EQ(P.DPIScale(), S.Scale);
    EXPECT_EQ(Calls, S.Calls);
    EXPECT_EQ(P.GetSingleWidth(), S.SingleWidth);
  }
  EXPECT_EQ(P.SourceImage(), Plain);
}

}  // namespace
