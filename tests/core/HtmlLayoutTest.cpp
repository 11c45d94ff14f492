// The mark-up engine on a fixed-pitch test surface (characters 6 px wide, bold 7, cell
// 15 px with a 12 px ascent at the test font; superscript and subscript 4 px wide in a
// 10 px cell): run positions and fonts, line and rule geometry, links and their hit test,
// and mark-up that must neither crash nor hang.
#include <gtest/gtest.h>

#include "HtmlTestCanvas.h"
#include "controls/QvHtmlText.h"

using namespace qv;
using qvtest::THtmlTestCanvas;

namespace {

// A run as the tests write it: text, left, top, bold, font height, colour.
struct TRunExpect {
  const wchar_t* Text;
  int X, Y;
  bool Bold;
  Integer Height;
  TColor Color;
};

void ExpectRuns(const TQvHtmlLayout& L, std::initializer_list<TRunExpect> Runs) {
  ASSERT_EQ(L.Runs.size(), Runs.size());
  size_t I = 0;
  for (const TRunExpect& E : Runs) {
    const TQvHtmlRun& R = L.Runs[I++];
    SCOPED_TRACE(testing::Message() << "run " << I - 1);
    EXPECT_EQ(R.Text, E.Text);
    EXPECT_EQ(R.Bounds.Left, E.X);
    EXPECT_EQ(R.Bounds.Top, E.Y);
    EXPECT_EQ(R.Style.Contains(fsBold), E.Bold);
    EXPECT_EQ(R.FontHeight, E.Height);
    EXPECT_EQ(R.Color, E.Color);
  }
}

TQvHtmlLayout Lay(const String& Text, TOwnerDrawState State = {}, TRect Rect = {}) {
  THtmlTestCanvas C;
  return HTMLLayout(C, Rect, State, Text, DefaultSuperSubScriptRatio, 100);
}

TEST(HtmlLayout, RunsOnOneLine) {
  TQvHtmlLayout L = Lay(L"a<b>b</b>c");
  ExpectRuns(L, {{L"a", 0, 0, false, -12, clBlack},
                 {L"b", 6, 0, true, -12, clBlack},
                 {L"c", 13, 0, false, -12, clBlack}});
  EXPECT_EQ(L.Width, 19);  // the sum of the three runs
  EXPECT_EQ(L.Height, 15);
  L = Lay(L"a<i>b<u>c<s>d</s></u></i>e", {}, Rect(10, 20, 100, 50));
  ASSERT_EQ(L.Runs.size(), 5u);
  EXPECT_EQ(L.Runs[3].Style, (TFontStyles{fsItalic, fsUnderline, fsStrikeOut}));
  EXPECT_EQ(L.Runs[4].Style, TFontStyles{});
  EXPECT_EQ(L.Runs[4].Bounds, Rect(34, 20, 40, 35));  // from the rectangle's corner
  EXPECT_EQ(L.Height, 35);                            // Rect.Top included
  EXPECT_EQ(L.Width, 30);
}

TEST(HtmlLayout, LineBreaksAndEntities) {
  // A BR gives two lines; a source line break none.
  ExpectRuns(Lay(L"x<BR>y"),
             {{L"x", 0, 0, false, -12, clBlack}, {L"y", 0, 15, false, -12, clBlack}});
  EXPECT_EQ(Lay(L"x<br/>y<br />z").Height, 45);
  ExpectRuns(Lay(L"x\r\ny"), {{L"xy", 0, 0, false, -12, clBlack}});
  EXPECT_EQ(Lay(L"x<BR>").Height, 30);  // a break at the end leaves an empty last line
  // Entities of a tag draw the tag's characters.
  ExpectRuns(Lay(L"&lt;B&gt;x"), {{L"<B>x", 0, 0, false, -12, clBlack}});
  // Unknown tags and unmatched closing tags change nothing.
  ExpectRuns(Lay(L"</b></font></a>a<q>b<!-- c -->d"), {{L"a", 0, 0, false, -12, clBlack},
                                                       {L"b", 6, 0, false, -12, clBlack},
                                                       {L"d", 12, 0, false, -12, clBlack}});
  // A "<" without a ">" on its line is dropped, the text after it stays.
  ExpectRuns(Lay(L"a<b"), {{L"a", 0, 0, false, -12, clBlack}, {L"b", 6, 0, false, -12, clBlack}});
  ExpectRuns(Lay(L"a<<BR>b"),
             {{L"a", 0, 0, false, -12, clBlack}, {L"b", 0, 15, false, -12, clBlack}});
}

TEST(HtmlLayout, ScriptsAndSizes) {
  // Subscript at two thirds of the size, at the bottom of its line.
  ExpectRuns(Lay(L"H<sub>2</sub>O"), {{L"H", 0, 0, false, -12, clBlack},
                                      {L"2", 6, 5, false, -8, clBlack},
                                      {L"O", 10, 0, false, -12, clBlack}});
  ExpectRuns(Lay(L"x<BR>H<sub>2</sub>"), {{L"x", 0, 0, false, -12, clBlack},
                                          {L"H", 0, 15, false, -12, clBlack},
                                          {L"2", 6, 20, false, -8, clBlack}});
  ExpectRuns(Lay(L"x<sup>2</sup>"),
             {{L"x", 0, 0, false, -12, clBlack}, {L"2", 6, 0, false, -8, clBlack}});
  // An S tag is strike-out whatever text follows it.
  TQvHtmlLayout L = Lay(L"<S>Bob</S><s>Pat</s>");
  ASSERT_EQ(L.Runs.size(), 2u);
  for (const TQvHtmlRun& R : L.Runs) {
    EXPECT_EQ(R.FontHeight, -12);
    EXPECT_TRUE(R.Style.Contains(fsStrikeOut));
  }
  ExpectRuns(Lay(L"<font align=bottom>2</font>x"),
             {{L"2", 0, 5, false, -8, clBlack}, {L"x", 4, 0, false, -12, clBlack}});
  // SIZE 4 doubles the size; runs of one line share the baseline and the line grows.
  L = Lay(L"<font size=4>B</font>s<BR>t");
  ExpectRuns(L, {{L"B", 0, 0, false, -24, clBlack},
                 {L"s", 12, 12, false, -12, clBlack},
                 {L"t", 0, 30, false, -12, clBlack}});
  EXPECT_EQ(L.Height, 45);
  // Nested fonts come back one by one.
  ExpectRuns(Lay(L"<font color=red size=4>a<font color=lime size=1>b</font>c</font>d"),
             {{L"a", 0, 0, false, -24, clRed},
              {L"b", 12, 12, false, -12, clLime},  // SIZE 1 of 18 points: 9 points
              {L"c", 18, 0, false, -24, clRed},
              {L"d", 30, 12, false, -12, clBlack}});
  // Values that are no number fall back to 2, bad colours are ignored.
  ExpectRuns(Lay(L"<font size=big color=bogus>a"), {{L"a", 0, 0, false, -12, clBlack}});
}

TEST(HtmlLayout, Rules) {
  THtmlTestCanvas C;
  C.PenColor = clGreen;
  TQvHtmlLayout L =
      HTMLLayout(C, Rect(5, 0, 105, 0), {}, L"a<HR>b", DefaultSuperSubScriptRatio, 100);
  ASSERT_EQ(L.Rules.size(), 1u);
  EXPECT_EQ(L.Rules[0].X1, 5);
  EXPECT_EQ(L.Rules[0].X2, 105);
  EXPECT_EQ(L.Rules[0].Y, 15);  // under the line it ends
  EXPECT_EQ(L.Rules[0].Width, 1);
  ExpectRuns(L, {{L"a", 5, 0, false, -12, clBlack}, {L"b", 5, 17, false, -12, clBlack}});
  EXPECT_EQ(L.Height, 32);
  HTMLRender(C, L, -1, clRed);
  ASSERT_EQ(C.Rules.size(), 1u);
  EXPECT_EQ(C.Rules[0].Color, clGreen);  // the pen's colour
  // A rule ends its line as a break does: at the end an empty last line follows, and a
  // break right after it is its own. A rule tag with attributes ends its line too.
  EXPECT_EQ(Lay(L"a<HR>").Height, 32);
  EXPECT_EQ(Lay(L"a<HR><BR>").Height, 47);
  EXPECT_EQ(Lay(L"a<hr size=1>").Height, 32);
  L = Lay(L"a<hr size=3>b");
  EXPECT_EQ(L.Rules[0].Width, 3);
  EXPECT_EQ(L.Runs[1].Bounds.Top, 19);
  // Scaled with odReserved1; drawn in the text colour with odDisabled.
  THtmlTestCanvas D;
  D.Font().SetColor(clGray);
  L = HTMLLayout(D, TRect{}, {odReserved1, odDisabled}, L"<hr size=4>", 1, 150);
  EXPECT_EQ(L.Rules[0].Width, 6);
  EXPECT_TRUE(L.Rules[0].FontColor);
  EXPECT_EQ(L.Rules[0].Color, clGray);
}

TEST(HtmlLayout, LinksAndHitTest) {
  TQvHtmlLayout L = Lay(L"see <a href=Page1>go <b>now</b></a>!<BR><A HREF='x'>two</A>");
  ASSERT_EQ(L.Links, (std::vector<String>{L"Page1", L"x"}));
  ExpectRuns(L, {{L"see ", 0, 0, false, -12, clBlack},
                 {L"go ", 24, 0, false, -12, clBlue},
                 {L"now", 42, 0, true, -12, clBlue},
                 {L"!", 63, 0, false, -12, clBlack},  // the font before the link is back
                 {L"two", 0, 15, false, -12, clBlue}});
  EXPECT_EQ(L.Runs[1].Link, 0);
  EXPECT_EQ(L.Runs[2].Link, 0);
  EXPECT_EQ(L.Runs[3].Link, -1);
  const struct {
    int X, Y, Link;
  } Hits[] = {{24, 0, 0}, {63, 15, 0}, {64, 7, -1},  {23, 7, -1}, {10, 7, -1},
              {0, 15, 1}, {18, 30, 1}, {19, 30, -1}, {0, 0, -1}};
  for (const auto& H : Hits) EXPECT_EQ(HTMLLinkAt(L, H.X, H.Y), H.Link) << H.X << "," << H.Y;
  // The whole hovered link is drawn hot, the other links stay blue.
  THtmlTestCanvas C;
  HTMLRender(C, L, 0, clRed);
  ASSERT_EQ(C.Drawn.size(), 5u);
  EXPECT_EQ(C.Drawn[1].Color, clRed);
  EXPECT_EQ(C.Drawn[2].Color, clRed);
  EXPECT_EQ(C.Drawn[3].Color, clBlack);
  EXPECT_EQ(C.Drawn[4].Color, clBlue);
  EXPECT_EQ(C.Drawn[2].Style, TFontStyles{fsBold});
  // An A tag without HREF is no link; a new link ends the open one.
  L = Lay(L"<a name=x>p</a><a href=1>q<a href=2>r</a>s");
  EXPECT_EQ(L.Links, (std::vector<String>{L"1", L"2"}));
  EXPECT_EQ(L.Runs[0].Link, -1);
  EXPECT_EQ(L.Runs[2].Link, 1);
  EXPECT_EQ(L.Runs[3].Color, clBlack);
}

TEST(HtmlLayout, KeptColourIgnoresColoursButNotSizes) {
  for (TOwnerDrawStateItem Item : {odSelected, odDisabled}) {
    THtmlTestCanvas C;
    C.Font().SetColor(clGray);
    C.Clear = true;
    TQvHtmlLayout L =
        HTMLLayout(C, TRect{}, {Item}, L"<font color=red size=4>a</font><a href=x>b</a>",
                   DefaultSuperSubScriptRatio, 100);
    ExpectRuns(L, {{L"a", 0, 0, false, -24, clGray}, {L"b", 12, 12, false, -12, clGray}});
    EXPECT_FALSE(L.Runs[0].ClearBrush);  // the caller's background stays with the text
  }
}

TEST(HtmlLayout, CanvasFontComesBack) {
  THtmlTestCanvas C;
  C.Font().SetStyle({fsItalic});
  const String Text = L"<b><u><font color=red size=7><sup>x<a href=y>z<hr size=9>";
  TQvHtmlLayout L = HTMLLayout(C, TRect{}, {}, Text, DefaultSuperSubScriptRatio, 100);
  HTMLRender(C, L, 0, clLime);
  EXPECT_EQ(C.Font().Style(), TFontStyles{fsItalic});
  EXPECT_EQ(C.Font().Color(), clBlack);
  EXPECT_EQ(C.Font().Height(), -12);
}

// Mark-up that used to crash, hang or ask for absurd fonts lays out within bounds.
TEST(HtmlLayout, MalformedMarkupStaysInBounds) {
  String Deep;
  for (int I = 0; I < 300; ++I) Deep += L"<font size=4><sup><a href=x>";
  const String Cases[] = {
      L"<",
      L">",
      L"<<<>>>",
      L"<a",
      L"</",
      L"<>",
      L"&",
      L"&amp",
      L"a<b c='",
      L"<font size=99999999999>x",
      L"<font size=2147483647>x",
      L"<font size=-5>x",
      L"<hr size=2147483647>x",
      L"<hr size=-1>",
      L"<a href=\"",
      L"<a href='x>y</a>",
      L"<font color=#>x",
      L"<font color=\"#FF\">x</font>",
      Deep + L"x",
      L"\r\n\r\n<BR><HR><BR>",
      String(1, L'\0') + L"<b>\0",
      L"<sub><sup><s></sub></sup></s>",
  };
  for (const String& Text : Cases) {
    SCOPED_TRACE(testing::Message() << testing::PrintToString(ToUtf8(Text.substr(0, 40))));
    THtmlTestCanvas C;
    TQvHtmlLayout L = HTMLLayout(C, TRect{}, {}, Text, DefaultSuperSubScriptRatio, 100);
    EXPECT_GE(L.Width, 0);
    EXPECT_GE(L.Height, 0);
    EXPECT_LT(L.Height, 2000);
    for (const TQvHtmlRun& R : L.Runs) {
      EXPECT_GE(R.FontHeight, -267);  // 200 points at most
      EXPECT_LE(R.FontHeight, -1);
    }
    for (const TQvHtmlRule& R : L.Rules) EXPECT_LE(R.Width, 100);
    HTMLRender(C, L, 0, clRed);
  }
}

}  // namespace
