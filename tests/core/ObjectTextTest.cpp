#include <gtest/gtest.h>

#include <cmath>

#include "host/Font.h"
#include "host/ObjectText.h"

namespace qvtest {

using namespace qv;

class TTestSurface : public TPersistent {
  QV_CLASS(TTestSurface)
 public:
  String DrawMode = L"dmOpaque";
  String ResamplerClassName = L"TNearestResampler";
  std::vector<uint8_t> Data;

  void WriteProperties(TPropertyWriter& W) const override {
    if (DrawMode != L"dmOpaque") W.WriteIdent(L"DrawMode", DrawMode);
    W.WriteString(L"ResamplerClassName", ResamplerClassName);
    if (!Data.empty()) W.WriteBinary(L"Data", Data);
  }
  bool ReadProperty(const String& Name, const TPropValue& V) override {
    if (SameText(Name, L"DrawMode")) {
      if (V.Type != vaIdent) throw EReadError(L"Invalid property value");
      DrawMode = V.Str;
    } else if (SameText(Name, L"ResamplerClassName")) {
      ResamplerClassName = V.AsString();
    } else if (SameText(Name, L"Data")) {
      if (V.Type != vaBinary) throw EReadError(L"Invalid property value");
      Data = V.Binary;
    } else {
      return false;
    }
    return true;
  }
};

class TTestItem : public TCollectionItem {
  QV_CLASS(TTestItem)
 public:
  using TCollectionItem::TCollectionItem;
  String ResID, Description;
  TTestSurface Bitmap;

  void WriteProperties(TPropertyWriter& W) const override {
    W.WriteString(L"ResID", ResID);
    W.WriteNested(L"Bitmap", Bitmap);
    if (!Description.empty()) W.WriteString(L"Description", Description);
  }
  bool ReadProperty(const String& Name, const TPropValue& V) override {
    if (SameText(Name, L"ResID")) {
      ResID = V.AsString();
    } else if (SameText(Name, L"Description")) {
      Description = V.AsString();
    } else {
      return ReadNestedProperty(Name, L"Bitmap", Bitmap, V);
    }
    return true;
  }
};

class TTestImageList : public TComponent {
  QV_CLASS(TTestImageList)
 public:
  using TComponent::TComponent;
  TOwnedCollection<TTestItem> Bitmaps{this};

  TTestItem* AddItem(const String& ResID, std::vector<uint8_t> Data, const String& DrawMode) {
    TTestItem* I = Bitmaps.Add();
    I->ResID = ResID;
    I->Bitmap.Data = std::move(Data);
    I->Bitmap.DrawMode = DrawMode;
    return I;
  }
  void WriteProperties(TPropertyWriter& W) const override {
    TComponent::WriteProperties(W);
    W.WriteCollection(L"Bitmaps", Bitmaps);
  }
  bool ReadProperty(const String& Name, const TPropValue& V) override {
    if (!SameText(Name, L"Bitmaps")) return TComponent::ReadProperty(Name, V);
    ReadCollection(Bitmaps, V);
    return true;
  }
};

enum TTestOption { toOne, toTwo, toThree };

class TTestPanel : public TComponent {
  QV_CLASS(TTestPanel)
 public:
  using TComponent::TComponent;
  String Caption;
  TStringList Lines;
  bool Flag = false;
  double Ratio = 0;
  int64_t Big = 0;
  TFont Font;
  TSet<TTestOption> Options;
  TComponent* ParentSeen = nullptr;
  int LoadedCalls = 0;
  bool LoadingDuringLoaded = false;

  void WriteProperties(TPropertyWriter& W) const override {
    TComponent::WriteProperties(W);
    if (!Caption.empty()) W.WriteString(L"Caption", Caption);
    if (Flag) W.WriteBoolean(L"Flag", Flag);
    if (Ratio != 0) W.WriteFloat(L"Ratio", Ratio);
    if (Big != 0) W.WriteInteger(L"Big", Big);
    if (Lines.Count()) W.WriteList(L"Lines.Strings", Lines.Lines());
    W.WriteNested(L"Font", Font);
    std::vector<String> Members;
    const wchar_t* Names[] = {L"toOne", L"toTwo", L"toThree"};
    for (int I = 0; I < 3; ++I)
      if (Options.Contains(TTestOption(I))) Members.push_back(Names[I]);
    if (!Members.empty()) W.WriteSet(L"Options", Members);
  }
  bool ReadProperty(const String& Name, const TPropValue& V) override {
    if (SameText(Name, L"Caption")) {
      Caption = V.AsString();
    } else if (SameText(Name, L"Flag")) {
      Flag = V.AsBoolean();
    } else if (SameText(Name, L"Ratio")) {
      Ratio = V.AsFloat();
    } else if (SameText(Name, L"Big")) {
      Big = V.AsInteger();
    } else if (SameText(Name, L"Lines.Strings")) {
      if (V.Type != vaList) throw EReadError(L"Invalid property value");
      Lines.Lines() = V.SetItems;
    } else if (SameText(Name, L"Options")) {
      if (V.Type != vaSet) throw EReadError(L"Invalid property value");
      Options = {};
      for (auto& M : V.SetItems)
        Options.Include(M == L"toOne" ? toOne : M == L"toTwo" ? toTwo : toThree);
    } else if (ReadNestedProperty(Name, L"Font", Font, V)) {
    } else {
      return TComponent::ReadProperty(Name, V);
    }
    return true;
  }
  void SetParentComponent(TComponent* Value) override { ParentSeen = Value; }
  void Loaded() override {
    LoadingDuringLoaded = ComponentState().Contains(csLoading);
    ++LoadedCalls;
    TComponent::Loaded();
  }
};

}  // namespace qvtest

using namespace qvtest;

namespace {

std::vector<uint8_t> Bytes(size_t N, uint8_t Seed) {
  std::vector<uint8_t> R(N);
  for (size_t I = 0; I < N; ++I) R[I] = uint8_t(Seed + I * 7);
  return R;
}

String Join(std::initializer_list<const wchar_t*> Lines) {
  String R;
  for (auto* L : Lines) R += String(L) + L"\r\n";
  return R;
}

std::vector<String> SplitLines(const String& Text) {
  TStringList L;
  L.SetText(Text);
  return L.Lines();
}

struct TRegister {
  TRegister() {
    RegisterComponentClass<TTestPanel>();
    RegisterComponentClass<TTestImageList>();
  }
} Registered;

}  // namespace

// The resource manager reloads its list by cutting lines out of this text, so the layout
// must be exactly the designer's.
TEST(ObjectText, ImageListTextIsLaidOutLikeTheDesigner) {
  TTestImageList List(nullptr);
  List.SetName(L"QvSkinImageListMain");
  List.SetDesignInfo({151, 39});
  List.AddItem(L"QvSkinCheckBox", Bytes(40, 1), L"dmBlend");
  List.AddItem(L"It's", {0x01, 0xAB, 0xFF}, L"dmOpaque")->Description = L"短";
  String Expected = Join({
      L"object QvSkinImageListMain: TTestImageList",
      L"  Bitmaps = <",
      L"    item",
      L"      ResID = 'QvSkinCheckBox'",
      L"      Bitmap.DrawMode = dmBlend",
      L"      Bitmap.ResamplerClassName = 'TNearestResampler'",
      L"      Bitmap.Data = {",
      L"        01080F161D242B323940474E555C636A71787F868D949BA2A9B0B7BEC5CCD3DA",
      L"        E1E8EFF6FD040B12}",
      L"    end",
      L"    item",
      L"      ResID = 'It''s'",
      L"      Bitmap.ResamplerClassName = 'TNearestResampler'",
      L"      Bitmap.Data = {01ABFF}",
      L"      Description = #30701",
      L"    end>",
      L"  Left = 151",
      L"  Top = 39",
      L"end",
  });
  EXPECT_EQ(ComponentToText(List), Expected);

  // Cut from the object line to the first "end>", add a position and an end, read back.
  std::vector<String> Lines = SplitLines(Expected);
  String Cut;
  bool In = false;
  for (const String& L : Lines) {
    if (Trim(L) == L"object QvSkinImageListMain: TTestImageList") In = true;
    if (!In) continue;
    Cut += L + L"\r\n";
    if (Trim(L) == L"end>") break;
  }
  Cut += L"    Left = 151\r\n    Top = 39\r\n  end\r\n";
  TTestImageList Back(nullptr);
  Back.AddItem(L"old", {}, L"dmOpaque");
  TextToComponent(Cut, Back);
  ASSERT_EQ(Back.Bitmaps.Count(), 2);
  EXPECT_EQ(Back.Name(), L"QvSkinImageListMain");
  EXPECT_EQ(Back.Bitmaps.Items(0)->Bitmap.Data, Bytes(40, 1));
  EXPECT_EQ(Back.Bitmaps.Items(0)->Bitmap.DrawMode, L"dmBlend");
  EXPECT_EQ(Back.Bitmaps.Items(1)->ResID, L"It's");
  EXPECT_EQ(Back.Bitmaps.Items(1)->Description, L"短");
  EXPECT_EQ(Back.DesignInfo(), (TPoint{151, 39}));

  TTestImageList Empty(nullptr);
  Empty.SetName(L"L");
  EXPECT_EQ(ComponentToText(Empty),
            Join({L"object L: TTestImageList", L"  Bitmaps = <>", L"end"}));
}

TEST(ObjectText, ComponentTreeRoundTrips) {
  String Caption = L"Say \"hi\" and 'bye'\r\n\t中文标题 " + String(70, L'x');
  if constexpr (sizeof(wchar_t) == 4)
    Caption += L"\U0001F600";
  else
    Caption += L"\xD83D\xDE00";
  TTestPanel Form(nullptr);
  Form.SetName(L"Form1");
  Form.Caption = Caption;
  Form.Flag = true;
  Form.Ratio = 0.1;
  Form.Big = INT64_MIN;
  Form.SetTag(-5);
  Form.Lines.Add(L"first 'line'");
  Form.Lines.Add(L"");
  Form.Lines.Add(L"第二");
  Form.Font.SetName(L"微软雅黑");
  Form.Font.SetStyle({fsBold, fsStrikeOut});
  Form.Options = {toOne, toThree};
  auto* Panel = new TTestPanel(&Form);
  Panel->SetName(L"Panel1");
  Panel->Ratio = -2.5e-300;
  auto* Inner = new TTestPanel(Panel);
  Inner->SetName(L"Panel2");
  Inner->Caption = L"inner";
  auto* List = new TTestImageList(&Form);
  List->SetName(L"Images");
  List->AddItem(L"a", Bytes(64, 3), L"dmBlend");
  new TTestPanel(&Form);  // unnamed: not written

  String Text = ComponentToText(Form);
  // The long caption is split into pieces joined by '+'.
  EXPECT_NE(
      Text.find(
          L"  Caption = \r\n    'Say \"hi\" and ''bye'''#13#10#9#20013#25991#26631#39064' xxx"),
      String::npos)
      << ToUtf8(Text);
  EXPECT_NE(Text.find(L"' +\r\n    'x"), String::npos);
  EXPECT_NE(Text.find(L"#55357#56832"), String::npos);  // the same UTF-16 pair on every platform
  EXPECT_NE(Text.find(L"  Font.Style = [fsBold, fsStrikeOut]\r\n"), String::npos);
  EXPECT_NE(
      Text.find(L"  Lines.Strings = (\r\n    'first ''line'''\r\n    ''\r\n    #31532#20108)\r\n"),
      String::npos);
  EXPECT_NE(Text.find(L"  object Panel1: TTestPanel\r\n"), String::npos);
  EXPECT_NE(Text.find(L"    object Panel2: TTestPanel\r\n      Caption = 'inner'\r\n"),
            String::npos);

  TTestPanel Back(nullptr);
  TextToComponent(Text, Back);
  EXPECT_EQ(Back.Name(), L"Form1");
  EXPECT_EQ(Back.Caption, Caption);
  EXPECT_TRUE(Back.Flag);
  EXPECT_EQ(Back.Ratio, 0.1);
  EXPECT_EQ(Back.Big, INT64_MIN);
  EXPECT_EQ(Back.Tag(), -5);
  EXPECT_EQ(Back.Lines.Lines(), Form.Lines.Lines());
  EXPECT_EQ(Back.Font.Name(), L"微软雅黑");
  EXPECT_EQ(Back.Font.Style(), (TFontStyles{fsBold, fsStrikeOut}));
  EXPECT_EQ(Back.Options, (TSet<TTestOption>{toOne, toThree}));
  ASSERT_EQ(Back.ComponentCount(), 2);
  auto* BackPanel = dynamic_cast<TTestPanel*>(Back.FindComponent(L"Panel1"));
  ASSERT_NE(BackPanel, nullptr);
  EXPECT_EQ(BackPanel->Ratio, -2.5e-300);
  EXPECT_EQ(BackPanel->ParentSeen, &Back);
  auto* BackInner = dynamic_cast<TTestPanel*>(BackPanel->FindComponent(L"Panel2"));
  ASSERT_NE(BackInner, nullptr);
  EXPECT_EQ(BackInner->Caption, L"inner");
  EXPECT_EQ(BackInner->LoadedCalls, 1);
  EXPECT_TRUE(BackInner->LoadingDuringLoaded);
  EXPECT_FALSE(BackInner->ComponentState().Contains(csLoading));
  EXPECT_FALSE(Back.ComponentState().Contains(csReading));
  EXPECT_EQ(ComponentToText(Back), Text);

  // Reading again finds the components by name instead of creating new ones.
  TextToComponent(Text, Back);
  EXPECT_EQ(Back.ComponentCount(), 2);
  EXPECT_EQ(Back.FindComponent(L"Panel1"), BackPanel);
}

TEST(ObjectText, ParserAcceptsTheFormatsVariants) {
  TObjectNode N = ObjectTextToNode(
      L"\xFEFFINHERITED Form1: TForm1 [2]\r"
      L"\tCaption = 'a'#13#10'b'#$41 + \n 'c'\n"
      L"  Hex = $FFFFFFFFFFFFFFFF\n"
      L"  Neg = -$10\n"
      L"  F = 1.5e3\n"
      L"  G = 2.25s\n"
      L"  Ref = Form1.Button1\n"
      L"  Nothing = nil\n"
      L"  B = { 0a Ff }\n"
      L"  Empty = {}\n"
      L"  S = []\n"
      L"  L = ()\n"
      L"  Items = <\n    item [0]\n      X = 1\n    end\n    item\n    end  >\n"
      L"  object TUnnamed\n  end\n"
      L"eNd\n\n");
  EXPECT_TRUE(N.Inherited);
  EXPECT_EQ(N.Name, L"Form1");
  ASSERT_EQ(N.Props.size(), 12u);
  EXPECT_EQ(N.Props[0].Value.Str, L"a\r\nbAc");
  EXPECT_EQ(N.Props[1].Value.Int, -1);
  EXPECT_EQ(N.Props[2].Value.Int, -16);
  EXPECT_EQ(N.Props[3].Value.Float, 1500.0);
  EXPECT_EQ(N.Props[4].Value.Float, 2.25);
  EXPECT_EQ(N.Props[5].Value.Type, vaIdent);
  EXPECT_EQ(N.Props[5].Value.Str, L"Form1.Button1");
  EXPECT_EQ(N.Props[6].Value.Type, vaNull);
  EXPECT_EQ(N.Props[7].Value.Binary, (std::vector<uint8_t>{0x0A, 0xFF}));
  EXPECT_EQ(N.Props[8].Value.Type, vaBinary);
  EXPECT_TRUE(N.Props[8].Value.Binary.empty());
  EXPECT_EQ(N.Props[9].Value.Type, vaSet);
  EXPECT_EQ(N.Props[10].Value.Type, vaList);
  ASSERT_EQ(N.Props[11].Value.Items.size(), 2u);
  EXPECT_EQ(N.Props[11].Value.Items[0][0].Name, L"X");
  ASSERT_EQ(N.Children.size(), 1u);
  EXPECT_EQ(N.Children[0].Name, L"");
  EXPECT_EQ(N.Children[0].ClassName, L"TUnnamed");
}

TEST(ObjectText, MalformedTextRaisesParserErrorWithLine) {
  String Deep, DeepItems;
  for (int I = 0; I < 200; ++I) Deep += L"object A: T\n";
  for (int I = 0; I < 200; ++I) DeepItems += L"P = <item\n";
  const struct {
    String Text;
    const wchar_t* Message;
  } Cases[] = {
      {L"", L"'object' expected but end of text found on line 1"},
      {L"object A: TX\n  P = 'abc\nend", L"Unterminated string on line 2"},
      {L"object A: TX\n  P = 'abc", L"Unterminated string on line 2"},
      {L"object A: TX\n  D = {\n    ABC}\nend",
       L"Odd number of hexadecimal digits in binary data on line 3"},
      {L"object A: TX\n  D = {\n    AZ}\nend", L"Invalid binary data on line 3"},
      {L"object A: TX\n\n  D = {AB\n", L"Unterminated binary data on line 3"},
      {L"object A: TX\n  P = 1\n", L"'end' expected but end of text found on line 3"},
      {L"object A: TX\n  P 1\nend", L"'=' expected but a number found on line 2"},
      {L"object : TX\nend", L"Identifier expected but ':' found on line 1"},
      {L"object A: TX\n  P = 99999999999999999999\nend", L"Integer value out of range on line 2"},
      {L"object A: TX\n  P = $1FFFFFFFFFFFFFFFF\nend", L"Integer value out of range on line 2"},
      {L"object A: TX\n  P = 12ab\nend", L"Invalid number on line 2"},
      {L"object A: TX\n  P = -\nend", L"Invalid number on line 2"},
      {L"object A: TX\n  P = #\nend", L"Invalid character code on line 2"},
      {L"object A: TX\n  P = #1114112\nend", L"Invalid character code on line 2"},
      {L"object A: TX\n  P = 'a' +\nend", L"String expected but 'end' found on line 3"},
      {L"object A: TX\n  P = \x01\nend", L"Invalid character #1 on line 2"},
      {L"object A: TX\n  P = (1)\nend", L"String expected but a number found on line 2"},
      {L"object A: TX\n  P = [a, b\nend", L"']' expected but 'end' found on line 3"},
      {L"object A: TX\n  P = [a,]\nend", L"Set member expected but ']' found on line 2"},
      {L"object A: TX\n  P = <item end\n", L"'item' expected but end of text found on line 3"},
      {L"object A: TX\n  P = <item X = 1>\nend", L"'end' expected but '>' found on line 2"},
      {L"object A: TX\n  P = =\nend", L"Property value expected but '=' found on line 2"},
      {L"object A: TX\nend\nxyz", L"End of text expected but 'xyz' found on line 3"},
      {L"object A: TX\n  object B: TY\n  end\n  P = 1\nend",
       L"'end' expected but 'P' found on line 4"},
      {Deep, L"Nesting too deep on line 66"},
      {L"object A: TX\n" + DeepItems, L"Nesting too deep on line 66"},
  };
  for (const auto& C : Cases) {
    try {
      ObjectTextToNode(C.Text);
      ADD_FAILURE() << "no error for: " << ToUtf8(C.Text.substr(0, 60));
    } catch (const EParserError& E) {
      EXPECT_EQ(E.Message(), C.Message) << ToUtf8(C.Text.substr(0, 60));
    }
  }
}

TEST(ObjectText, ReadErrorsNameThePropertyAndLeaveNoPartialState) {
  TTestPanel Form(nullptr);
  Form.SetName(L"Form1");
  auto* Images = new TTestImageList(&Form);
  Images->SetName(L"Images");
  Images->AddItem(L"keep1", {1}, L"dmOpaque");
  Images->AddItem(L"keep2", {2}, L"dmOpaque");

  const struct {
    const wchar_t* Text;
    const wchar_t* Message;
  } Cases[] = {
      {L"object Form1: TTestPanel\n  Bogus = 1\nend",
       L"Error reading Form1.Bogus: Property Bogus does not exist"},
      {L"object Form1: TTestPanel\n  Caption = 5\nend",
       L"Error reading Form1.Caption: Invalid property value: a string expected, found an integer"},
      {L"object Form1: TTestPanel\n  Font.Style = [fsBlink]\nend",
       L"Error reading Form1.Font.Style: Invalid property value fsBlink for Style"},
      {L"object Form1: TTestPanel\n  object New1: TTestPanel\n    object New2: TTestPanel\n"
       L"    end\n  end\n  object Images: TTestImageList\n    Bitmaps = <\n      item\n"
       L"        ResID = 'n1'\n      end\n      item\n        ResID = 'n2'\n"
       L"        Bitmap.Oops = 1\n      end>\n  end\nend",
       L"Error reading TCollection[1].Bitmap.Oops: Property Bitmap.Oops does not exist"},
      {L"object Form1: TTestPanel\n  object X: TNope\n  end\nend", L"Class TNope not found"},
      {L"object Form1: TTestPanel\n  inherited Missing: TTestPanel\n  end\nend",
       L"A component named Missing was not found"},
  };
  for (const auto& C : Cases) {
    try {
      TextToComponent(C.Text, Form);
      ADD_FAILURE() << "no error for: " << ToUtf8(C.Text);
    } catch (const EReadError& E) {
      EXPECT_EQ(E.Message(), C.Message);
    }
    EXPECT_EQ(Form.ComponentCount(), 1) << "created components are freed again";
    EXPECT_TRUE(Form.ComponentState().Empty());
    EXPECT_TRUE(Images->ComponentState().Empty());
    ASSERT_EQ(Images->Bitmaps.Count(), 2);
    EXPECT_EQ(Images->Bitmaps.Items(0)->ResID, L"keep1");
    EXPECT_EQ(Images->Bitmaps.Items(1)->ResID, L"keep2");
  }
  // Property names match whatever their case.
  TextToComponent(L"object form1: ttestpanel\n  CAPTION = 'ok'\n  font.NAME = 'Arial'\nend", Form);
  EXPECT_EQ(Form.Caption, L"ok");
  EXPECT_EQ(Form.Font.Name(), L"Arial");
}

TEST(ObjectText, ValueAccessorsCheckTheType) {
  TPropValue I = TPropValue::OfInteger(3), S = TPropValue::OfString(L"s");
  EXPECT_EQ(I.AsFloat(), 3.0);
  EXPECT_EQ(TPropValue::OfIdent(L"clRed").AsString(), L"clRed");
  EXPECT_TRUE(TPropValue::OfBoolean(true).AsBoolean());
  const std::function<void()> Bad[] = {
      [&] { I.AsBoolean(); },
      [&] { S.AsInteger(); },
      [&] { S.AsFloat(); },
      [&] { TPropValue::OfSet({}).AsString(); },
      [&] { TPropValue::OfFloat(1.5).AsInteger(); },
  };
  for (auto& F : Bad) EXPECT_THROW(F(), EReadError);

  TObjectNode N{L"A", L"TX", false, {{L"bad name", TPropValue::OfInteger(1)}}, {}};
  EXPECT_THROW(ObjectNodeToText(N), EWriteError);
  N.Props = {{L"F", TPropValue::OfFloat(std::nan(""))}};
  EXPECT_THROW(ObjectNodeToText(N), EWriteError);
  N.Props = {{L"F", TPropValue::OfFloat(3)}};
  EXPECT_EQ(ObjectNodeToText(N), L"object A: TX\r\n  F = 3.0\r\nend\r\n");
}
