// The mark-up's text helpers: pre-processing of entities and breaks, splitting text from
// tags, the run decoding, tag attributes and colour values.
#include <gtest/gtest.h>

#include "controls/QvHtmlText.h"

using namespace qv;

namespace {

TEST(HtmlMarkup, PrepareText) {
  const struct {
    const wchar_t* Source;
    const wchar_t* Prepared;
  } Cases[] = {
      {L"a&amp;b &AMP; &Quot;", L"a&b & \""},
      {L"&reg;&copy;&trade;&euro;&nbsp;!", L"\u00AE\u00A9\u2122\u20AC !"},
      // Source line breaks do not break lines; BR does.
      {L"x\r\ny", L"xy"},
      {L"x\ny\rz", L"xyz"},
      {L"x<BR>y<br>z", L"x\r\ny\r\nz"},
      {L"a<HR>b<hr>", L"a<HR>\r\nb<hr>\r\n"},
      // One pass: a decoded ampersand is not read again.
      {L"&amp;quot;", L"&quot;"},
      // ... and one that would spell an entity of the runs stays for them.
      {L"&amp;lt;b&amp;gt; &amp;amp;", L"&amp;lt;b&amp;gt; &amp;amp;"},
      {L"&lt;B&gt;", L"&lt;B&gt;"},
      {L"&ampx &", L"&ampx &"},
  };
  for (const auto& C : Cases) EXPECT_EQ(HTMLPrepareText(C.Source), C.Prepared) << C.Source;
}

TEST(HtmlMarkup, DecodeRun) {
  EXPECT_EQ(HTMLDecodeRun(L"&lt;B&GT;"), L"<B>");
  EXPECT_EQ(HTMLDecodeRun(L"&amp;lt; &amp;amp;"), L"&lt; &amp;");
  // What the source meant survives both steps.
  EXPECT_EQ(HTMLDecodeRun(HTMLPrepareText(L"&amp;lt;&lt;&amp;&amp;amp;")), L"&lt;<&&amp;");
}

TEST(HtmlMarkup, TagSplitting) {
  String S = L"ab<b>c";
  EXPECT_EQ(HTMLBeforeTag(S, false), L"ab");
  EXPECT_EQ(S, L"ab<b>c");
  EXPECT_EQ(HTMLBeforeTag(S, true), L"ab");
  EXPECT_EQ(S, L"<b>c");
  EXPECT_EQ(HTMLDeleteTag(S), L"c");
  String None = L"plain";
  EXPECT_EQ(HTMLBeforeTag(None, true), L"plain");
  EXPECT_EQ(None, L"");
  EXPECT_EQ(HTMLDeleteTag(L"<b"), L"<b");  // no ">": unchanged
  EXPECT_EQ(HTMLDeleteTag(L"x<b>"), L"x<b>");
  EXPECT_EQ(HTMLDeleteTag(L"<>x"), L"x");
  EXPECT_EQ(GetChar(L"<sup>", 4, true), L'P');
  EXPECT_EQ(GetChar(L"<sup>", 4, false), L'p');
  EXPECT_EQ(GetChar(L"<s>", 9, true), L' ');
  EXPECT_EQ(GetChar(L"\u00e9", 1, true), L'\u00e9');  // ASCII only
}

TEST(HtmlMarkup, TagAttributes) {
  const struct {
    const wchar_t *Tag, *Name;
    bool Found;
    const wchar_t* Value;
  } Cases[] = {
      {L"a href=Page1", L"HREF", true, L"Page1"},  // the value keeps its case
      {L"A HREF=\"http://x/Y Z\" target=_top", L"HREF", true, L"http://x/Y Z"},
      // A quote of a later attribute is not this one's.
      {L"font size=4 color=\"red\"", L"SIZE", true, L"4"},
      {L"font size=4 color=\"red\"", L"COLOR", true, L"red"},
      {L"font color='#ff0000'", L"COLOR", true, L"#ff0000"},
      {L"hr size = 3", L"SIZE", true, L"3"},
      {L"font color=\"red", L"COLOR", true, L"red"},  // unclosed quote: to the tag's end
      {L"a href", L"HREF", true, L""},
      // Whole names only, and never inside a value.
      {L"font bgcolor=red", L"COLOR", false, L""},
      {L"a title=\"see href\" href=x", L"HREF", true, L"x"},
      {L"font", L"SIZE", false, L""},
      {L"font = = '' \"", L"SIZE", false, L""},
  };
  for (const auto& C : Cases) {
    String Value = L"?";
    EXPECT_EQ(HTMLTagAttribute(C.Tag, C.Name, Value), C.Found) << C.Tag;
    if (C.Found) EXPECT_EQ(Value, C.Value) << C.Tag;
  }
}

TEST(HtmlMarkup, ColorValues) {
  const struct {
    const wchar_t* Value;
    bool Valid;
    TColor Color;
  } Cases[] = {
      {L"#FF0000", true, clRed},  // HTML writes red first
      {L"#00ff00", true, clLime},
      {L"#0000FF", true, clBlue},
      {L"#f80", true, TColor(0x0088FF)},
      {L"clNavy", true, clNavy},
      {L"CLNAVY", true, clNavy},
      {L"teal", true, clTeal},
      {L"Fuchsia", true, clFuchsia},
      {L"$00FF0000", true, clBlue},  // the framework's own notation
      {L"255", true, clRed},
      {L" 255 ", true, clRed},
      {L"clBtnFace", true, clBtnFace},
      {L"bogus", false, 0},
      {L"#12345", false, 0},
      {L"#GG0000", false, 0},
      {L"", false, 0},
      {L"$", false, 0},
      {L"99999999999", false, 0},
  };
  for (const auto& C : Cases) {
    TColor Color = 0x123456;
    EXPECT_EQ(HTMLColorValue(C.Value, Color), C.Valid) << C.Value;
    if (C.Valid) EXPECT_EQ(Color, C.Color) << C.Value;
  }
}

}  // namespace
