#include <gtest/gtest.h>

#include "host/ObjectText.h"
#include "resources/QvSkinIntfPictures.h"
#include "resources/QvSkinIntfTypes.h"

using namespace qv;

namespace {

// Counts OnChanged of a value object.
template <typename T>
struct Counted {
  Counted() {
    Object.OnChanged = [this](TObject* Sender) {
      EXPECT_EQ(Sender, &Object);
      ++Calls;
    };
  }
  T Object;
  int Calls = 0;
};

TEST(ValueTypes, SettersNotifyOnlyOnChange) {
  Counted<TQvOffset> O;
  O.Object.SetX(3);
  O.Object.SetX(3);
  O.Object.SetY(-2);
  EXPECT_EQ(O.Calls, 2);
  EXPECT_EQ(O.Object.X(), 3);
  EXPECT_EQ(O.Object.Y(), -2);

  Counted<TQvLightClass> L;
  EXPECT_FALSE(L.Object.Active());
  EXPECT_EQ(L.Object.Color(), 0xFFFFFE);
  EXPECT_EQ(L.Object.BlurRadius(), 1);
  L.Object.SetActive(true);
  L.Object.SetColor(0xFFFFFE);
  L.Object.SetBlurRadius(4);
  EXPECT_EQ(L.Calls, 2);
}

TEST(ValueTypes, LightAssignCopiesActiveAndColourOnly) {
  TQvLightClass From, To;
  From.SetActive(true);
  From.SetColor(clRed);
  From.SetBlurRadius(7);
  To.Assign(&From);
  EXPECT_TRUE(To.Active());
  EXPECT_EQ(To.Color(), clRed);
  EXPECT_EQ(To.BlurRadius(), 1);
}

TEST(ValueTypes, TextObjectOwnsItsLightAndIgnoresItsChanges) {
  Counted<TQvTextObj> T;
  EXPECT_TRUE(T.Object.Visible());
  TQvLightClass* Own = T.Object.Light();
  T.Object.Light()->SetActive(true);  // the light alone: nothing on the text object
  EXPECT_EQ(T.Calls, 0);
  TQvLightClass Other;
  Other.SetColor(clBlue);
  T.Object.SetLight(&Other);  // assigned into the owned object
  EXPECT_EQ(T.Object.Light(), Own);
  EXPECT_EQ(Own->Color(), clBlue);
  EXPECT_FALSE(Own->Active());
  T.Object.SetText(L"Hello");
  T.Object.SetVisible(false);
  EXPECT_EQ(T.Calls, 2);

  TQvTextObj Copy;
  Copy.Assign(&T.Object);
  EXPECT_EQ(Copy.Text(), L"Hello");
  EXPECT_FALSE(Copy.Visible());
  EXPECT_EQ(Copy.Light()->Color(), clBlue);
}

TEST(ValueTypes, CaptionNotifiesOnFontChangesAndCopiesTheFontOfCaptions) {
  Counted<TQvCaption> C;
  C.Object.Font()->SetColor(clRed);
  EXPECT_EQ(C.Calls, 1);
  TFont Font;
  Font.SetName(L"Arial");
  C.Calls = 0;
  C.Object.SetFont(&Font);
  EXPECT_EQ(C.Object.Font()->Name(), L"Arial");
  EXPECT_GE(C.Calls, 1);
  C.Object.SetOffsetX(4);
  C.Object.SetOffsetY(5);

  TQvCaption Copy;
  Copy.Assign(&C.Object);
  EXPECT_EQ(Copy.Font()->Name(), L"Arial");
  EXPECT_EQ(Copy.OffsetX(), 0);  // offsets are not part of the copy

  TQvTextObj Plain;
  Plain.SetText(L"plain");
  Copy.Assign(&Plain);
  EXPECT_EQ(Copy.Text(), L"plain");
  EXPECT_EQ(Copy.Font()->Name(), L"Arial");
}

// Writes an object's properties and reads them into another.
template <typename T>
void RoundTrip(const T& From, T& To) {
  TPropList Props;
  TPropertyWriter Writer(Props);
  From.WriteProperties(Writer);
  ReadProperties(To, Props, L"Test");
}

TEST(ValueTypes, ObjectTextRoundTrips) {
  TQvCaption C;
  C.SetText(L"Caption");
  C.SetVisible(false);
  C.SetOffsetY(-3);
  C.Light()->SetActive(true);
  C.Light()->SetColor(clLime);
  C.Light()->SetBlurRadius(3);
  C.Font()->SetName(L"SimSun");
  TQvCaption Back;
  RoundTrip(C, Back);
  EXPECT_EQ(Back.Text(), L"Caption");
  EXPECT_FALSE(Back.Visible());
  EXPECT_EQ(Back.OffsetY(), -3);
  EXPECT_TRUE(Back.Light()->Active());
  EXPECT_EQ(Back.Light()->Color(), clLime);
  EXPECT_EQ(Back.Light()->BlurRadius(), 3);
  EXPECT_EQ(Back.Font()->Name(), L"SimSun");

  TQvLightClass Odd, OddBack;
  Odd.SetColor(0x123456);  // no name: written as a number
  RoundTrip(Odd, OddBack);
  EXPECT_EQ(OddBack.Color(), 0x123456);

  TPngPictures P;
  P.SetCount(5);
  P.SetPressed(4);
  P.SetMultiLineMode(true);
  P.SetActive(true);
  TPngPictures PBack;
  RoundTrip(P, PBack);
  EXPECT_EQ(PBack.Count(), 5);
  EXPECT_EQ(PBack.Pressed(), 4);
  EXPECT_TRUE(PBack.MultiLineMode());
  EXPECT_TRUE(PBack.Active());
  EXPECT_EQ(PBack.Hot(), 1);

  // Defaults write nothing.
  TPropList Props;
  TPropertyWriter Writer(Props);
  TPngPictures().WriteProperties(Writer);
  TQvOffset().WriteProperties(Writer);
  TQvTextObj().WriteProperties(Writer);
  EXPECT_TRUE(Props.empty());
}

TEST(ValueTypes, EnumerationIdentifiers) {
  EXPECT_EQ(EnumToIdent(mfs9Block, TQvFillStyleNames), L"mfs9Block");
  EXPECT_EQ(EnumToIdent(TQvPngFillType(99), TQvPngFillTypeNames), L"");
  TQvTextKind Kind = tkAll;
  EXPECT_TRUE(IdentToEnum(L"tkNumReal", TQvTextKindNames, Kind));
  EXPECT_EQ(Kind, tkNumReal);
  EXPECT_FALSE(IdentToEnum(L"tknumreal", TQvTextKindNames, Kind));
  EXPECT_EQ(Kind, tkNumReal);
  TSides Sides{sdLeft, sdBottom};
  auto Idents = SetToIdents(Sides, TSideNames);
  EXPECT_EQ(Idents, (std::vector<String>{L"sdLeft", L"sdBottom"}));
  TSides Back;
  EXPECT_TRUE(IdentsToSet(Idents, TSideNames, Back));
  EXPECT_EQ(Back, Sides);
  EXPECT_FALSE(IdentsToSet({L"sdLeft", L"sdMiddle"}, TSideNames, Back));
  EXPECT_EQ(Back, Sides);
  EXPECT_EQ(std::size(TQvColorBoxStylesRecNames), size_t(qvcbPrettyNames) + 1);
  EXPECT_FALSE(gResImageChanged);
}

TEST(ValueTypes, FreeHelpersEmptyTheArrays) {
  TDynQvSkinImage Images;
  Images.push_back(std::make_unique<TQvSkinImage>());
  Images.push_back(nullptr);
  FreeDynImg(Images);
  EXPECT_TRUE(Images.empty());
  TImgArray9Block Blocks;
  Blocks[2][1] = std::make_unique<TQvSkinImage>();
  FreeArray9BlockImg(Blocks);
  EXPECT_EQ(Blocks[2][1], nullptr);
}

}  // namespace
