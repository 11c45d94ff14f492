// The registry's bookkeeping: palette places, missing names, off-palette classes, the
// resource-ID properties of nested objects and the designer's unique names.
#include <gtest/gtest.h>

#include "design/QvComponentRegistry.h"

using namespace qv;

namespace {

class TNested : public TPersistent {
 public:
  String ClassName() const override { return L"TNested"; }
  const String& Image() const { return FImage; }
  void SetImage(const String& V) { FImage = V; }
  const TPropTable& Properties() const override {
    static const TPropTable T =
        TPersistent::Properties().With({ResIDProp(L"Image", &TNested::Image, &TNested::SetImage)});
    return T;
  }

 private:
  String FImage;
};

class TPart : public TComponent {
  QV_CLASS(TPart)
 public:
  using TComponent::TComponent;
  const String& Picture() const { return FPicture; }
  void SetPicture(const String& V) { FPicture = V; }
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& V) { FCaption = V; }
  TNested& Pictures() { return FPictures; }
  const TPropTable& Properties() const override {
    using C = TPart;
    static const TPropTable T = TComponent::Properties().With({
        ResIDProp(L"Picture", &C::Picture, &C::SetPicture),
        Prop(L"Caption", &C::Caption, &C::SetCaption),
        ObjectProp(L"Pictures", &C::Pictures),
    });
    return T;
  }

 private:
  String FPicture, FCaption;
  TNested FPictures;
};

TComponent* NewPart(TComponent* Owner) {
  return new TPart(Owner);
}

TEST(ComponentRegistry, PlacesClassesByThePalette) {
  EXPECT_EQ(QvSkinPalette().size(), 75u);
  TQvComponentRegistry R;
  struct {
    const wchar_t* Name;
    int Row, Index, Position;
  } Cases[] = {
      {L"TQvSkinForm", 1, 0, 0},           {L"TQvSkinPopupMessage", 2, 5, 7},
      {L"tqvskinbutton", 4, 1, 10},        {L"TQvSkinGroupControls", 7, 9, 38},
      {L"TQvSkinSvgImageList", 22, 0, 74},
  };
  for (const auto& C : Cases) {
    R.Register(C.Name, NewPart);
    const TQvComponentClass* Found = R.Find(C.Name);
    ASSERT_TRUE(Found);
    EXPECT_EQ(Found->Row, C.Row);
    EXPECT_EQ(Found->Index, C.Index);
    EXPECT_EQ(Found->Position, C.Position);
    EXPECT_EQ(QvSkinPalette()[size_t(C.Position)].ClassName, Found->ClassName);
  }
  EXPECT_THROW(R.Register(L"TQvSkinForm", NewPart), Exception);  // twice
  EXPECT_THROW(R.Register(L"TNotOnThePalette", NewPart), Exception);
  R.RegisterNoIcon(L"TPart", NewPart);
  EXPECT_FALSE(R.Find(L"TPart")->OnPalette());
  EXPECT_EQ(R.PaletteClasses().size(), 5u);
  EXPECT_EQ(R.Missing().size(), 70u);
  EXPECT_EQ(R.Missing().front(), L"TQvFormLayerBorder");
  std::unique_ptr<TComponent> Made(R.Create(L"TPart", nullptr));
  EXPECT_TRUE(dynamic_cast<TPart*>(Made.get()));
  EXPECT_EQ(R.Create(L"TUnknown", nullptr), nullptr);
}

TEST(ComponentRegistry, ListsResourceIDsOfNestedObjectsToo) {
  TPart P(nullptr);
  std::vector<String> Paths;
  for (const TQvResIDProperty& R : ResIDProperties(P)) Paths.push_back(R.Path);
  EXPECT_EQ(Paths, (std::vector<String>{L"Picture", L"Pictures.Image"}));
}

TEST(ComponentRegistry, UniqueNamesCountUpFromOne) {
  TComponent Root(nullptr);
  EXPECT_EQ(UniqueComponentName(&Root, L"TQvSkinTabSheet"), L"QvSkinTabSheet1");
  (new TPart(&Root))->SetName(L"QvSkinTabSheet1");
  (new TPart(&Root))->SetName(L"qvskintabsheet3");
  EXPECT_EQ(UniqueComponentName(&Root, L"TQvSkinTabSheet"), L"QvSkinTabSheet2");
  (new TPart(&Root))->SetName(L"QvSkinTabSheet2");
  EXPECT_EQ(UniqueComponentName(&Root, L"TQvSkinTabSheet"), L"QvSkinTabSheet4");
  EXPECT_EQ(UniqueComponentName(nullptr, L"TPart"), L"Part1");
}

}  // namespace
