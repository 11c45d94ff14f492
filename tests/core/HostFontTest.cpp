#include <gtest/gtest.h>

#include "host/Colors.h"
#include "host/Font.h"
#include "host/ObjectText.h"

using namespace qv;

TEST(Font, DefaultsAndSizeHeightConversion) {
  TFont F;
  EXPECT_EQ(F.Name(), L"Tahoma");
  EXPECT_EQ(F.Height(), -11);
  EXPECT_EQ(F.Size(), 8);
  EXPECT_EQ(F.Color(), clWindowText);
  EXPECT_EQ(F.Charset(), 1);
  EXPECT_TRUE(F.Style().Empty());
  // Height = -MulDiv(Size, 96, 72), rounded half away from zero.
  const std::pair<int, int> Cases[] = {{8, -11}, {9, -12}, {10, -13}, {12, -16}, {-9, 12}};
  for (auto [Size, Height] : Cases) {
    F.SetSize(Size);
    EXPECT_EQ(F.Height(), Height) << Size;
  }
  F.SetHeight(-16);
  EXPECT_EQ(F.Size(), 12);
}

TEST(Font, ChangeEventFiresOncePerRealChange) {
  TFont F;
  int Changes = 0;
  F.OnChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &F);
    ++Changes;
  };
  F.SetName(L"Tahoma");  // same value
  F.SetHeight(-11);
  F.SetStyle({});
  EXPECT_EQ(Changes, 0);
  F.SetName(L"Microsoft YaHei");
  F.SetSize(10);
  F.SetColor(clRed);
  F.SetStyle({fsBold, fsUnderline});
  F.SetQuality(fqClearType);
  F.SetCharset(134);
  EXPECT_EQ(Changes, 6);
  F.SetName(L"");  // refused: keeps a usable face
  EXPECT_EQ(F.Name(), L"Microsoft YaHei");

  TFont G;
  G.Assign(&F);
  EXPECT_EQ(G.Name(), L"Microsoft YaHei");
  EXPECT_EQ(G.Height(), -13);
  EXPECT_EQ(G.Color(), clRed);
  EXPECT_EQ(G.Style(), (TFontStyles{fsBold, fsUnderline}));
  EXPECT_EQ(G.Quality(), fqClearType);
  EXPECT_EQ(G.Charset(), 134);
  int GChanges = 0;
  G.OnChange = [&](TObject*) { ++GChanges; };
  G.Assign(&F);  // nothing differs
  EXPECT_EQ(GChanges, 0);
  TStringList L;
  EXPECT_THROW(G.Assign(&L), EConvertError);
}

TEST(Font, WritesAndReadsItsProperties) {
  TFont F;
  F.SetName(L"微软雅黑");
  F.SetStyle({fsItalic});
  F.SetColor(0x123456);
  F.SetCharset(134);
  TPropList Props;
  TPropertyWriter W(Props, L"Font.");
  F.WriteProperties(W);
  ASSERT_EQ(Props.size(), 5u);
  EXPECT_EQ(Props[0].Name, L"Font.Charset");
  EXPECT_EQ(Props[0].Value.Str, L"GB2312_CHARSET");
  EXPECT_EQ(Props[1].Value.Int, 0x123456);
  EXPECT_EQ(Props[4].Value.SetItems, std::vector<String>{L"fsItalic"});

  TFont G;
  for (auto& P : Props) EXPECT_TRUE(G.ReadProperty(P.Name.substr(5), P.Value));
  EXPECT_EQ(G.Name(), F.Name());
  EXPECT_EQ(G.Style(), F.Style());
  EXPECT_EQ(G.Color(), F.Color());
  EXPECT_EQ(G.Charset(), 134);

  TPropValue Bad;
  Bad.Type = vaSet;
  Bad.SetItems = {L"fsBlinking"};
  EXPECT_THROW(G.ReadProperty(L"style", Bad), EReadError);
  Bad.Type = vaString;
  EXPECT_THROW(G.ReadProperty(L"Height", Bad), EReadError);
  EXPECT_FALSE(G.ReadProperty(L"Weight", Bad));
}

TEST(Colors, NamesAndNumbers) {
  EXPECT_EQ(ColorToString(clBtnFace), L"clBtnFace");
  EXPECT_EQ(ColorToString(0x00F6F6F6), L"$00F6F6F6");
  EXPECT_EQ(StringToColor(L"clwindowtext"), clWindowText);
  EXPECT_EQ(StringToColor(L"$00F6F6F6"), 0xF6F6F6);
  EXPECT_EQ(StringToColor(L"255"), clRed);
  for (const wchar_t* Bad : {L"", L"$", L"clNope", L"12x", L"$123456789", L"99999999999"})
    EXPECT_THROW(StringToColor(Bad), EConvertError) << Bad;
  EXPECT_EQ(ColorToRGB(clRed), clRed);
  EXPECT_GE(ColorToRGB(clBtnFace), 0);
  EXPECT_EQ(MulDiv(8, 96, 72), 11);
  EXPECT_EQ(MulDiv(-8, 96, 72), -11);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
}
