// The portable parts of the skinned panels: the gradient bands and their fill, and the
// edit's layout value objects.
#include <gtest/gtest.h>

#include "controls/QvLocateObj.h"
#include "controls/QvSkinPanelGradient.h"
#include "host/ObjectText.h"

using namespace qv;

namespace {

TEST(PanelGradient, BandsByDirectionAndAlign) {
  struct {
    TGradientDirection Direction;
    TGradientAlign Align;
    int Size, W, H;
    std::vector<TQvGradientBand> Bands;
  } Cases[] = {
      {gdHorizontal, gaLeft, 60, 100, 80, {{{0, 0, 60, 80}, {0, 0}, {60, 0}}}},
      {gdHorizontal, gaRight, 60, 100, 80, {{{40, 0, 100, 80}, {100, 0}, {40, 0}}}},
      {gdHorizontal,
       gaCenter,
       60,
       100,
       80,
       {{{-10, 0, 50, 80}, {50, 0}, {-10, 0}}, {{50, 0, 110, 80}, {50, 0}, {110, 0}}}},
      {gdVertical, gaLeft, 50, 30, 80, {{{0, 0, 30, 40}, {0, 0}, {0, 40}}}},
      {gdVertical, gaRight, 50, 30, 80, {{{0, 40, 30, 80}, {0, 80}, {0, 40}}}},
      // The lower band of a vertical pair reaches the bottom edge, not only M + Size.
      {gdVertical,
       gaCenter,
       25,
       30,
       80,
       {{{0, 20, 30, 40}, {0, 40}, {0, 20}}, {{0, 40, 30, 80}, {0, 40}, {0, 80}}}},
      // Truncated size, and a band at least 2 pixels across.
      {gdHorizontal, gaLeft, 33, 10, 1, {{{0, 0, 3, 2}, {0, 0}, {3, 0}}}},
      {gdVertical, gaLeft, 0, 30, 80, {}},
      {gdVertical, gaLeft, -20, 30, 80, {}},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::Message()
                 << C.Direction << "/" << C.Align << " " << C.Size << "% of " << C.W << "x" << C.H);
    auto Got = GradientBands(C.Direction, C.Align, C.Size, C.W, C.H);
    ASSERT_EQ(Got.size(), C.Bands.size());
    for (size_t I = 0; I < Got.size(); ++I) {
      EXPECT_EQ(Got[I].Rect, C.Bands[I].Rect);
      EXPECT_EQ(Got[I].Start, C.Bands[I].Start);
      EXPECT_EQ(Got[I].End, C.Bands[I].End);
    }
  }
}

TEST(PanelGradient, FillBlendsTheBandsOverTheBitmap) {
  TCustomBitmap32 B;
  B.SetSize(100, 4);
  B.Clear(clWhite32);
  // A left band of 50 pixels from red to blue at half opacity.
  FillGradientBands(&B, gdHorizontal, gaLeft, 50, Color32(255, 0, 0, 128), Color32(0, 0, 255, 128));
  TColor32 First = B.Pixel(0, 2), Last = B.Pixel(49, 2);
  EXPECT_EQ(B.Pixel(50, 2), clWhite32);  // outside the band
  // Half red over white at the start edge, half blue at the end edge.
  EXPECT_NEAR(RedComponent(First), 255, 2);
  EXPECT_NEAR(GreenComponent(First), 127, 3);
  EXPECT_NEAR(BlueComponent(Last), 255, 2);
  EXPECT_NEAR(GreenComponent(Last), 127, 3);
}

TEST(LocateObj, SettersNotifyOnChangeAndAssignGoesThroughThem) {
  TQvLocateObj A, B;
  int Changes = 0;
  A.OnChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &A);
    ++Changes;
  };
  A.SetX(3);
  A.SetX(3);
  A.SetAlign(agRight);
  EXPECT_EQ(Changes, 2);
  B.SetX(3);
  B.SetY(-4);
  A.Assign(&B);  // X equal, Y and Align differ
  EXPECT_EQ(Changes, 4);
  EXPECT_EQ(A.Y(), -4);
  EXPECT_EQ(A.Align(), agLeft);

  TQvSpaceSize S;
  int SpaceChanges = 0;
  S.OnChange = [&](TObject*) { ++SpaceChanges; };
  EXPECT_TRUE(S.Active());
  S.SetActive(true);
  S.SetLeft(1);
  S.SetTop(2);
  S.SetRight(3);
  S.SetBottom(4);
  S.SetBottom(4);
  EXPECT_EQ(SpaceChanges, 4);
}

TEST(LocateObj, PropertiesRoundTrip) {
  TQvLocateObj A, B;
  A.SetX(7);
  A.SetAlign(agRight);
  TPropList Props;
  TPropertyWriter W(Props);
  A.WriteProperties(W);
  for (auto& P : Props) EXPECT_TRUE(B.ReadProperty(P.Name, P.Value)) << ToUtf8(P.Name);
  EXPECT_EQ(B.X(), 7);
  EXPECT_EQ(B.Align(), agRight);
  EXPECT_THROW(B.ReadProperty(L"Align", TPropValue::OfIdent(L"agMiddle")), EReadError);
  EXPECT_EQ(B.Align(), agRight);
  EXPECT_FALSE(B.ReadProperty(L"Width", TPropValue::OfInteger(1)));
}

}  // namespace
