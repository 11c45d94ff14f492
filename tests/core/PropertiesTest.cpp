#include <gtest/gtest.h>

#include "host/Colors.h"
#include "host/Properties.h"

namespace qvtest {

using namespace qv;

enum TShade { shLight, shDark, shDeep };
const wchar_t* const ShadeNames[] = {L"shLight", L"shDark", L"shDeep"};
using TShades = TSet<TShade>;

class TPropLeaf : public TPersistent {
  QV_CLASS(TPropLeaf)
 public:
  static constexpr int DefaultSize = 3;
  int Size() const { return FSize; }
  void SetSize(int Value) { FSize = Value; }
  bool Bold() const { return FBold; }
  void SetBold(bool Value) { FBold = Value; }
  void Assign(TPersistent* Source) override {
    if (!AssignProperties(*this, Source)) TPersistent::Assign(Source);
  }
  const TPropTable& Properties() const override {
    using C = TPropLeaf;
    static const TPropTable Table = TPersistent::Properties().With({
        Prop(L"Size", &C::Size, &C::SetSize, DefaultSize),
        Prop(L"Bold", &C::Bold, &C::SetBold),
    });
    return Table;
  }

 private:
  int FSize = DefaultSize;
  bool FBold = false;
};

class TPropItem : public TCollectionItem {
  QV_CLASS(TPropItem)
 public:
  using TCollectionItem::TCollectionItem;
  String Picture;
  void Assign(TPersistent* Source) override {
    if (!AssignProperties(*this, Source)) TCollectionItem::Assign(Source);
  }
  const TPropTable& Properties() const override {
    using C = TPropItem;
    static const TPropTable Table = TCollectionItem::Properties().With({
        ResIDProp(
            L"Picture", [](const C& I) { return I.Picture; },
            [](C& I, const String& V) { I.Picture = V; }),
    });
    return Table;
  }
};

// One property of every kind.
class TPropBase : public TComponent {
  QV_CLASS(TPropBase)
 public:
  using TComponent::TComponent;
  static constexpr Byte DefaultAlpha = 192;
  static constexpr TColor DefaultTint = clWhite;
  static constexpr TShade DefaultShade = shDark;
  static constexpr TShades DefaultShades = {shLight, shDeep};

  Byte Alpha = DefaultAlpha;
  bool Flag = false;
  double Ratio = 0;
  String Caption;
  TColor Tint = DefaultTint;
  TShade Shade = DefaultShade;
  TShades Shades = DefaultShades;
  std::vector<uint8_t> Data;
  String Picture;
  TPropLeaf Leaf;
  TOwnedCollection<TPropItem> Items{this};
  TStringList Lines;
  int SetterCalls = 0;

  TPropLeaf* GetLeaf() { return &Leaf; }

  const TPropTable& Properties() const override {
    using C = TPropBase;
    static const TPropTable Table = TComponent::Properties().With({
        Prop(
            L"Alpha", [](const C& O) { return O.Alpha; },
            [](C& O, Byte V) {
              O.Alpha = V;
              ++O.SetterCalls;
            },
            DefaultAlpha),
        Prop(
            L"Flag", [](const C& O) { return O.Flag; }, [](C& O, bool V) { O.Flag = V; }),
        Prop(
            L"Ratio", [](const C& O) { return O.Ratio; }, [](C& O, double V) { O.Ratio = V; }),
        Prop(
            L"Caption", [](const C& O) { return O.Caption; },
            [](C& O, const String& V) { O.Caption = V; })
            .Stored(Always),
        ColorProp(
            L"Tint", [](const C& O) { return O.Tint; }, [](C& O, TColor V) { O.Tint = V; },
            DefaultTint),
        EnumProp(
            L"Shade", [](const C& O) { return O.Shade; }, [](C& O, TShade V) { O.Shade = V; },
            DefaultShade, ShadeNames),
        SetProp(
            L"Shades", [](const C& O) { return O.Shades; }, [](C& O, TShades V) { O.Shades = V; },
            DefaultShades, ShadeNames),
        BinaryProp(
            L"Data", [](const C& O) { return O.Data; },
            [](C& O, const std::vector<uint8_t>& V) { O.Data = V; }),
        ResIDProp(
            L"Picture", [](const C& O) { return O.Picture; },
            [](C& O, const String& V) { O.Picture = V; }),
        ObjectProp(L"Leaf", &C::GetLeaf),
        CollectionProp(L"Items", [](C& O) { return &O.Items; }),
        StringsProp(L"Lines", [](C& O) { return &O.Lines; }),
        IgnoredProp(L"Legacy"),
    });
    return Table;
  }
};

// Replaces Tint (other default, written at its own place), adds a rule for Caption beside
// the base's, and names another component.
class TPropDerived : public TPropBase {
  QV_CLASS(TPropDerived)
 public:
  using TPropBase::TPropBase;
  static constexpr TColor DefaultDerivedTint = clRed;
  String Icon;
  TComponent* Buddy = nullptr;
  String PendingBuddy;

  TPropDerived(TComponent* AOwner, bool) : TPropBase(AOwner) { Tint = DefaultDerivedTint; }

  const TPropTable& Properties() const override {
    using C = TPropDerived;
    static const TPropTable Table = TPropBase::Properties().With({
        ResIDProp(
            L"Icon", [](const C& O) { return O.Icon; }, [](C& O, const String& V) { O.Icon = V; }),
        ColorProp(
            L"Tint", [](const C& O) { return O.Tint; }, [](C& O, TColor V) { O.Tint = V; },
            DefaultDerivedTint),
        Prop(
            L"Caption", [](const C& O) { return O.Caption; },
            [](C& O, const String& V) { O.Caption = L"derived:" + V; })
            .Stored([](const C& O) { return O.Caption.empty(); })
            .BesideBase(),
        RefProp(
            L"Buddy", [](const C& O) { return O.Buddy; },
            [](C& O, const String& Name) { O.PendingBuddy = Name; }),
    });
    return Table;
  }
};

String Lines(std::initializer_list<const wchar_t*> L) {
  String R;
  for (const wchar_t* S : L) R += String(S) + L"\r\n";
  return R;
}

}  // namespace qvtest

using namespace qvtest;

TEST(Properties, DefaultsAreLeftOutAndEveryKindIsWrittenInDeclarationOrder) {
  TPropBase Fresh(nullptr);
  Fresh.SetName(L"P");
  EXPECT_EQ(ComponentToText(Fresh),
            Lines({L"object P: TPropBase", L"  Caption = ''", L"  Items = <>", L"end"}));

  TPropBase O(nullptr);
  O.SetName(L"P");
  O.SetTag(7);
  O.Alpha = 5;
  O.Flag = true;
  O.Ratio = 0.5;
  O.Caption = L"c";
  O.Tint = clRed;
  O.Shade = shDeep;
  O.Shades = {shDark};
  O.Data = {1, 2};
  O.Picture = L"Pic";
  O.Leaf.SetSize(9);
  O.Items.Add()->Picture = L"ItemPic";
  O.Lines.Add(L"a");
  const String Text = ComponentToText(O);
  EXPECT_EQ(Text, Lines({
                      L"object P: TPropBase",
                      L"  Tag = 7",
                      L"  Alpha = 5",
                      L"  Flag = True",
                      L"  Ratio = 0.5",
                      L"  Caption = 'c'",
                      L"  Tint = clRed",
                      L"  Shade = shDeep",
                      L"  Shades = [shDark]",
                      L"  Data = {0102}",
                      L"  Picture = 'Pic'",
                      L"  Leaf.Size = 9",
                      L"  Items = <",
                      L"    item",
                      L"      Picture = 'ItemPic'",
                      L"    end>",
                      L"  Lines.Strings = (",
                      L"    'a')",
                      L"end",
                  }));

  TPropBase Back(nullptr);
  TextToComponent(Text, Back);
  EXPECT_EQ(ComponentToText(Back), Text);
  EXPECT_EQ(Back.Shades, TShades{shDark});
  ASSERT_EQ(Back.Items.Count(), 1);
  EXPECT_EQ(Back.Items.Items(0)->Picture, L"ItemPic");
  EXPECT_EQ(Back.Lines.Text(), L"a\r\n");

  // A colour without a name is written as a number, and read back from one.
  O.Tint = TColor(0x123456);
  EXPECT_NE(ComponentToText(O).find(L"  Tint = 1193046\r\n"), String::npos);
}

TEST(Properties, DerivedDeclarationsReplaceOrJoinTheBase) {
  TPropDerived O(nullptr, true);
  O.SetName(L"D");
  EXPECT_EQ(ComponentToText(O), Lines({L"object D: TPropDerived", L"  Caption = ''",
                                       L"  Items = <>", L"  Caption = ''", L"end"}));
  TComponent Buddy(nullptr);
  Buddy.SetName(L"Pal");
  O.Buddy = &Buddy;
  O.Tint = clWhite;  // the base's default, not this class's
  O.Caption = L"x";
  EXPECT_EQ(ComponentToText(O),
            Lines({L"object D: TPropDerived", L"  Caption = 'x'", L"  Items = <>",
                   L"  Tint = clWhite", L"  Buddy = Pal", L"end"}));

  // The derived class's rule reads; the component named is handed over by name.
  TextToComponent(L"object D: TPropDerived\n  Caption = 'y'\n  Buddy = Other\nend", O);
  EXPECT_EQ(O.Caption, L"derived:y");
  EXPECT_EQ(O.PendingBuddy, L"Other");
}

TEST(Properties, ReadingMatchesNamesInAnyCaseAndNamesTheFault) {
  TPropBase O(nullptr);
  O.SetName(L"P");
  TextToComponent(
      L"object P: TPropBase\n  alpha = 7\n  LEAF.size = 4\n  tint = CLBLUE\n  shade = SHLIGHT\n"
      L"  Legacy = 'dropped'\n  lines.strings = ('x' 'y')\nend",
      O);
  EXPECT_EQ(O.Alpha, 7);
  EXPECT_EQ(O.Leaf.Size(), 4);
  EXPECT_EQ(O.Tint, clBlue);
  EXPECT_EQ(O.Shade, shLight);
  EXPECT_EQ(O.Lines.Count(), 2);

  const struct {
    const wchar_t* Prop;
    const wchar_t* Message;
  } Cases[] = {
      {L"Bogus = 1", L"Error reading P.Bogus: Property Bogus does not exist"},
      {L"Leaf.Nope = 1", L"Error reading P.Leaf.Nope: Property Leaf.Nope does not exist"},
      {L"Lines.Other = ('a')", L"Error reading P.Lines.Other: Property Lines.Other does not exist"},
      {L"Alpha = 256", L"Error reading P.Alpha: Invalid property value 256 for Alpha"},
      {L"Alpha = -1", L"Error reading P.Alpha: Invalid property value -1 for Alpha"},
      {L"Alpha = 'a'",
       L"Error reading P.Alpha: Invalid property value: an integer expected, found a string"},
      {L"Flag = 1",
       L"Error reading P.Flag: Invalid property value: a boolean expected, found an integer"},
      {L"Tint = clNoSuch", L"Error reading P.Tint: Invalid property value clNoSuch for Tint"},
      {L"Tint = 4294967296", L"Error reading P.Tint: Invalid property value 4294967296 for Tint"},
      {L"Shade = shBlue", L"Error reading P.Shade: Invalid property value shBlue for Shade"},
      {L"Shades = [shLight, shBlue]",
       L"Error reading P.Shades: Invalid property value shBlue for Shades"},
      {L"Shades = shLight", L"Error reading P.Shades: Invalid property value for Shades"},
      {L"Data = 'x'", L"Error reading P.Data: Invalid property value for Data"},
  };
  for (const auto& C : Cases) {
    try {
      TextToComponent(String(L"object P: TPropBase\n  ") + C.Prop + L"\nend", O);
      ADD_FAILURE() << "no error for " << ToUtf8(C.Prop);
    } catch (const EReadError& E) {
      EXPECT_EQ(E.Message(), C.Message);
    }
  }
}

TEST(Properties, ResourceIDsAreListedWithTheBaseClasses) {
  TPropDerived O(nullptr);
  std::vector<String> Names;
  for (const TPropDecl* D : O.Properties().ResIDs()) Names.push_back(D->Name);
  EXPECT_EQ(Names, (std::vector<String>{L"Picture", L"Icon"}));
  TPropItem Item(nullptr);
  ASSERT_EQ(Item.Properties().ResIDs().size(), 1u);
  EXPECT_EQ(Item.Properties().Find(L"picture")->Kind, pkString);
  EXPECT_EQ(O.Properties().Find(L"Tint")->Kind, pkIdentInt);
  EXPECT_EQ(O.Properties().Find(L"Nothing"), nullptr);
}

TEST(Properties, CopyTakesEveryPublishedValueThroughTheSetters) {
  TPropBase Src(nullptr), Dst(nullptr);
  Src.Alpha = 1;
  Src.Flag = true;
  Src.Caption = L"c";
  Src.Shades = {};
  Src.Data = {9};
  Src.Leaf.SetSize(5);
  Src.Items.Add()->Picture = L"p";
  Src.Lines.Add(L"l");
  Src.SetTag(3);
  Src.Properties().Copy(Dst, Src);
  EXPECT_EQ(Dst.SetterCalls, 1);
  EXPECT_EQ(ComponentToText(Dst), ComponentToText(Src));
}

// A nested object set up by its owner differently from a fresh one is written against the
// owner's set-up, so every value reads back.
TEST(Properties, NestedObjectWrittenAgainstAReference) {
  TPropLeaf Reference;
  Reference.SetBold(true);
  TPropLeaf Leaf;
  TPropList Out;
  TPropertyWriter W(Out);
  W.WriteNested(L"Leaf", Leaf, &Reference);
  ASSERT_EQ(Out.size(), 1u);
  EXPECT_EQ(Out[0].Name, L"Leaf.Bold");
  EXPECT_EQ(Out[0].Value.Type, vaFalse);
}
