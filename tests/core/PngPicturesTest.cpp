#include <gtest/gtest.h>

#include "resources/QvSkinIntfPictures.h"
#include "resources/QvSkinResManager.h"

using namespace qv;

namespace {

// Pixel that names its own position, so a cut shows where it came from.
constexpr TColor32 At(int X, int Y, uint8_t A = 255) {
  return Color32(uint8_t(X), uint8_t(Y), 0x5A, A);
}

// Registers strips in the process's resource manager under test-only IDs.
class PngPictures : public ::testing::Test {
 protected:
  ~PngPictures() override {
    for (const String& Id : FAdded) TQvSkinResManagerObj()->Delete(Id);
  }

  // A W x H strip whose pixels name their position, with the given draw mode.
  String AddStrip(const wchar_t* Id, int W, int H, TDrawMode Mode = dmOpaque, uint8_t Alpha = 255) {
    TQvSkinImage Image;
    Image.SetSize(W, H);
    for (int Y = 0; Y < H; ++Y)
      for (int X = 0; X < W; ++X) Image.SetPixel(X, Y, At(X, Y, Alpha));
    Image.SetDrawMode(Mode);
    TQvSkinResManagerObj()->AddRes(&Image, Id, L"");
    FAdded.push_back(Id);
    return Id;
  }

 private:
  std::vector<String> FAdded;
};

// The alpha-blend of one pass of the transformed drawing, repeated: the reference rule.
uint8_t AfterPasses(uint8_t Start, uint8_t F, uint8_t A, int Passes) {
  int V = Start;
  for (int K = 0; K < Passes; ++K) V = (V * (256 - A) + F * A + 128) / 256;
  return uint8_t(V);
}

TEST_F(PngPictures, CutGeometryFollowsTheTruncatingDivisions) {
  struct Case {
    int W, H, Count;
    bool Stacked;
    int Index;
    int SW, SH, SrcX, SrcY;  // expected size and source origin
  };
  const Case Cases[] = {
      {117, 19, 3, false, 2, 39, 19, 78, 0},  // last state covers columns 78..116
      {70, 5, 4, false, 3, 17, 5, 51, 0},     // the last two columns are never shown
      {6, 30, 3, true, 1, 6, 10, 0, 10},
      {6, 31, 3, true, 2, 6, 10, 0, 20},  // the last row is dropped
      {1, 1, 1, false, 0, 1, 1, 0, 0},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message()
                 << C.W << "x" << C.H << " count " << C.Count << " index " << C.Index);
    TPngPictures P;
    P.SetImage(AddStrip(L"PngPicturesTest_geometry", C.W, C.H));
    P.SetCount(C.Count);
    P.SetMultiLineMode(C.Stacked);
    EXPECT_EQ(P.GetSingleWidth(), C.SW);
    EXPECT_EQ(P.GetSingleHeight(), C.SH);
    EXPECT_EQ(P.GetSourceSize(), (TSize{C.W, C.H}));
    TBitmap32 Target;
    ASSERT_TRUE(P.GetImageByIndex(C.Index, &Target));
    ASSERT_EQ(Target.Width(), C.SW);
    ASSERT_EQ(Target.Height(), C.SH);
    for (int Y = 0; Y < C.SH; ++Y)
      for (int X = 0; X < C.SW; ++X)
        ASSERT_EQ(Target.Pixel(X, Y), At(C.SrcX + X, C.SrcY + Y)) << X << "," << Y;
    EXPECT_EQ(Target.DrawMode(), dmOpaque);
    TQvSkinResManagerObj()->Delete(L"PngPicturesTest_geometry");
  }
}

TEST_F(PngPictures, RefusedCutsLeaveTheTargetAlone) {
  struct Case {
    const wchar_t* Why;
    int W, H, Count, Index;
    bool Stacked;
  };
  const Case Cases[] = {
      {L"index equal to count", 30, 10, 3, 3, false},
      {L"negative index", 30, 10, 3, -1, false},
      {L"zero count", 30, 10, 0, 0, false},
      {L"negative count", 30, 10, -2, 0, false},
      {L"more states than columns", 2, 10, 3, 0, false},
      {L"more states than rows", 10, 2, 3, 1, true},
      {L"too wide", 10001, 1, 1, 0, false},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(ToUtf8(C.Why));
    TPngPictures P;
    P.SetImage(AddStrip(L"PngPicturesTest_refused", C.W, C.H));
    P.SetCount(C.Count);
    P.SetMultiLineMode(C.Stacked);
    TBitmap32 Target;
    Target.SetSize(2, 2);
    Target.Clear(0x12345678);
    EXPECT_FALSE(P.GetImageByIndex(C.Index, &Target));
    EXPECT_EQ(Target.Width(), 2);
    EXPECT_EQ(Target.Pixel(1, 1), 0x12345678u);
    TQvSkinResManagerObj()->Delete(L"PngPicturesTest_refused");
  }
  TPngPictures NoSource;
  TBitmap32 Target;
  EXPECT_FALSE(NoSource.GetNormalImage(&Target));
  EXPECT_EQ(NoSource.GetSingleWidth(), 0);
  EXPECT_EQ(NoSource.GetSingleHeight(), 0);
  EXPECT_EQ(NoSource.GetSourceSize(), TSize{});
  NoSource.SetImage(L"PngPicturesTest_no_such_picture");
  EXPECT_EQ(NoSource.SourceImage(), nullptr);
  EXPECT_FALSE(NoSource.GetNormalImage(&Target));
  TPngPictures P;
  P.SetImage(AddStrip(L"PngPicturesTest_nil", 3, 1));
  EXPECT_FALSE(P.GetImageByIndex(0, nullptr));
}

TEST_F(PngPictures, BlendedStripsAreBlendedEightTimesOverTheirBackground) {
  // Side by side over transparent black, stacked over 0x00F4FFFF.
  for (bool Stacked : {false, true}) {
    SCOPED_TRACE(Stacked ? "stacked" : "side by side");
    TQvSkinImage Strip;
    Strip.SetSize(4, 2);  // two states of 2 x 2 (side by side) or 4 x 1 (stacked)
    const TColor32 Pixels[8] = {0xFF102030, 0x80FF4000, 0x00ABCDEF, 0x01FFFFFF,
                                0xFE000000, 0x40808080, 0xC0123456, 0x7F7F7F7F};
    for (int I = 0; I < 8; ++I) Strip.SetPixel(I % 4, I / 4, Pixels[I]);
    Strip.SetDrawMode(dmBlend);
    TQvSkinResManagerObj()->AddRes(&Strip, L"PngPicturesTest_blend", L"");
    TPngPictures P;
    P.SetImage(L"PngPicturesTest_blend");
    P.SetCount(2);
    P.SetMultiLineMode(Stacked);
    TBitmap32 Target;
    ASSERT_TRUE(P.GetImageByIndex(1, &Target));
    EXPECT_EQ(Target.DrawMode(), dmBlend);
    const TColor32 Background = Stacked ? 0x00F4FFFF : 0;
    for (int Y = 0; Y < Target.Height(); ++Y)
      for (int X = 0; X < Target.Width(); ++X) {
        TColor32 F = Stacked ? Strip.Pixel(X, Y + 1) : Strip.Pixel(X + 2, Y);
        uint8_t A = AlphaComponent(F);
        TColor32 Want = 0;
        for (int Shift = 0; Shift < 32; Shift += 8)
          Want |= TColor32(AfterPasses(uint8_t(Background >> Shift), uint8_t(F >> Shift), A, 8))
                  << Shift;
        EXPECT_EQ(Target.Pixel(X, Y), Want) << X << "," << Y;
        if (A == 255) {
          EXPECT_EQ(Target.Pixel(X, Y), F);
        } else if (A == 0) {
          EXPECT_EQ(Target.Pixel(X, Y), Background);
        }
      }
    TQvSkinResManagerObj()->Delete(L"PngPicturesTest_blend");
  }
}

TEST_F(PngPictures, NotificationRules) {
  TPngPictures P;
  int Calls = 0;
  P.SetPicturesChanged([&](TObject* Sender) {
    EXPECT_EQ(Sender, &P);
    ++Calls;
  });
  EXPECT_EQ(Calls, 1);  // assigning the handler notifies at once

  struct Step {
    const char* What;
    std::function<void()> Do;
    int Notifies;
  };
  const Step Steps[] = {
      {"Normal, same value", [&] { P.SetNormal(P.Normal()); }, 1},
      {"Count", [&] { P.SetCount(4); }, 1},
      {"Hot", [&] { P.SetHot(2); }, 1},
      {"Disable", [&] { P.SetDisable(3); }, 1},
      {"Active", [&] { P.SetActive(true); }, 1},
      {"Pressed", [&] { P.SetPressed(3); }, 0},
      {"MultiLineMode", [&] { P.SetMultiLineMode(true); }, 0},
      {"Image", [&] { P.SetImage(L"PngPicturesTest_x"); }, 1},
      {"Image, same value", [&] { P.SetImage(L"PngPicturesTest_x"); }, 0},
      {"locked",
       [&] {
         P.Lock();
         P.SetNormal(1);
         P.SetImage(L"PngPicturesTest_y");
       },
       0},
      {"unlock", [&] { P.UnLock(); }, 0},
      {"after unlock", [&] { P.SetNormal(1); }, 1},
  };
  for (const Step& S : Steps) {
    int Before = Calls;
    S.Do();
    EXPECT_EQ(Calls - Before, S.Notifies) << S.What;
  }
}

TEST_F(PngPictures, AssignCopiesEveryPropertyThroughItsSetter) {
  AddStrip(L"PngPicturesTest_assign", 12, 4);
  TPngPictures Src;
  Src.SetImage(L"PngPicturesTest_assign");
  Src.SetCount(4);
  Src.SetNormal(1);
  Src.SetHot(2);
  Src.SetPressed(3);
  Src.SetDisable(0);
  Src.SetMultiLineMode(true);
  Src.SetActive(true);
  TPngPicturesEx Dst;
  int Calls = 0;
  Dst.SetPicturesChanged([&](TObject*) { ++Calls; });
  Calls = 0;
  Dst.Assign(&Src);
  // Active, Image, Count, Normal, Hot and Disable notify; Pressed and MultiLineMode do not.
  EXPECT_EQ(Calls, 6);
  EXPECT_EQ(Dst.Image(), L"PngPicturesTest_assign");
  EXPECT_EQ(Dst.SourceImage(), Src.SourceImage());
  EXPECT_EQ(Dst.Count(), 4);
  EXPECT_EQ(Dst.Normal(), 1);
  EXPECT_EQ(Dst.Hot(), 2);
  EXPECT_EQ(Dst.Pressed(), 3);
  EXPECT_EQ(Dst.Disable(), 0);
  EXPECT_TRUE(Dst.MultiLineMode());
  EXPECT_TRUE(Dst.Active());
  EXPECT_EQ(Dst.DPIScale(), 1.0);
}

TEST_F(PngPictures, StateGettersCutTheirIndexAndAReplacedPictureShowsThrough) {
  AddStrip(L"PngPicturesTest_states", 8, 2);
  TPngPictures P;
  P.SetImage(L"PngPicturesTest_states");
  P.SetCount(4);
  P.SetNormal(3);
  P.SetHot(2);
  P.SetPressed(1);
  P.SetDisable(0);
  TBitmap32 T;
  const std::pair<bool (TPngPictures::*)(TCustomBitmap32*), int> Getters[] = {
      {&TPngPictures::GetNormalImage, 3},
      {&TPngPictures::GetHotImage, 2},
      {&TPngPictures::GetPressedImage, 1},
      {&TPngPictures::GetDisableImage, 0}};
  for (auto [Get, Index] : Getters) {
    ASSERT_TRUE((P.*Get)(&T));
    EXPECT_EQ(T.Pixel(1, 1), At(Index * 2 + 1, 1));
  }
  TQvSkinImage Replacement;
  Replacement.SetSize(8, 2);
  Replacement.Clear(0xFF00FF00);
  TQvSkinResManagerObj()->ReplaceRes(L"PngPicturesTest_states", &Replacement);
  ASSERT_TRUE(P.GetNormalImage(&T));
  EXPECT_EQ(T.Pixel(0, 0), 0xFF00FF00u);
}

}  // namespace
