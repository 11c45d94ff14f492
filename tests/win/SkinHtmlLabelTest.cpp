// The HTML label through real windows: auto-size to the mark-up's geometry, the link lit
// under the real mouse and the click report, the disabled look, and sub- and superscript
// placement. Compared with the platform's own text measures; ink is found by colour.
#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"
#include "host/Font.h"

using namespace qv;
using qvtest::CountColor;
using qvtest::InkBounds;
using qvtest::PumpIdle;
using qvtest::PumpUntil;
using qvtest::TFontMeasure;

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kLinkBlue = 0x0000FF, kHotRed = 0xFF0000;  // as red, green, blue

class SkinHtmlLabel : public qvtest::SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Form->SetColor(clWhite);  // the links are blue
  }
  TQvSkinHtmlLabel* NewLabel(int L, int T, const String& Caption) {
    auto* Label = Add<TQvSkinHtmlLabel>(Form.get(), L, T, 10, 10);
    Label->Font()->SetName(L"Tahoma");
    Label->Font()->SetHeight(-16);
    Label->Font()->SetColor(clBlack);
    Label->Font()->SetStyle({fsBold});  // styles come from the tags only
    Label->SetCaption(Caption);
    return Label;
  }
};

TEST_F(SkinHtmlLabel, AutoSizeToTheMarkup) {
  auto* Label = NewLabel(20, 30, L"a<b>bold</b> text");
  TFontMeasure Normal(*Label->Font(), {}), Bold(*Label->Font(), {fsBold});
  const int H = Normal.Height;
  EXPECT_EQ(
      Label->BoundsRect(),
      Bounds(20, 30, Normal.Width(L"a") + Bold.Width(L"bold") + Normal.Width(L" text"), H + 1));
  // A BR gives a second line; a source line break none.
  Label->SetCaption(L"first<BR>second, longer\r\nstill");
  EXPECT_EQ(Label->Height(), 2 * H + 1);
  EXPECT_EQ(Label->Width(), Normal.Width(L"second, longerstill"));
  // Twice the size takes about twice the height.
  Label->SetCaption(L"<font size=4>Big</font>");
  EXPECT_GT(Label->Height(), 2 * H * 9 / 10);
  // Entities draw literally.
  Label->SetCaption(L"&lt;b&gt;");
  EXPECT_EQ(Label->Width(), Normal.Width(L"<b>"));
}

TEST_F(SkinHtmlLabel, LinkLightsUnderTheMouseAndReportsClicks) {
  auto* Label = NewLabel(40, 50, L"go to <a href=Page1>the page</a> now");
  std::vector<String> Clicks;
  Label->OnHyperLinkClick = [&](TObject* Sender, const String& Link) {
    EXPECT_EQ(Sender, Label);
    Clicks.push_back(Link);
  };
  ShowForm();
  TFontMeasure M(*Label->Font(), {});
  const int LinkLeft = M.Width(L"go to "), LinkRight = LinkLeft + M.Width(L"the page");
  const TRect LinkArea = Rect(LinkLeft, 0, LinkRight, Label->Height());
  EXPECT_GT(CountColor(*Label->Buffer(), kLinkBlue, LinkArea), 10);
  EXPECT_EQ(CountColor(*Label->Buffer(), kHotRed, Label->Buffer()->BoundsRect()), 0);

  const TPoint OnLink = Label->ClientToScreen({(LinkLeft + LinkRight) / 2, Label->Height() / 2});
  qvtest::MoveMouse(OnLink.X, OnLink.Y);
  ASSERT_TRUE(PumpUntil([&] { return Label->HyperlinkHovered(); }));
  PumpIdle();
  EXPECT_EQ(Label->HoveredLink(), L"Page1");  // as written
  EXPECT_EQ(Label->Cursor(), crHandPoint);
  EXPECT_GT(CountColor(*Label->Buffer(), kHotRed, LinkArea), 10);
  EXPECT_EQ(CountColor(*Label->Buffer(), kLinkBlue, LinkArea), 0);
  // The rest of the text keeps its colour.
  EXPECT_EQ(CountColor(*Label->Buffer(), kHotRed, Rect(0, 0, LinkLeft - 1, Label->Height())), 0);

  // Over plain text the link goes back to blue; outside the label nothing is lit.
  const TPoint OnText = Label->ClientToScreen({M.Width(L"go") / 2, Label->Height() / 2});
  qvtest::MoveMouse(OnText.X, OnText.Y);
  ASSERT_TRUE(PumpUntil([&] { return !Label->HyperlinkHovered(); }));
  PumpIdle();
  EXPECT_EQ(Label->Cursor(), crDefault);
  EXPECT_EQ(CountColor(*Label->Buffer(), kHotRed, LinkArea), 0);
  EXPECT_GT(CountColor(*Label->Buffer(), kLinkBlue, LinkArea), 10);

  // A left release over the link reports it; a right one only when asked for.
  qvtest::Click(OnLink.X, OnLink.Y);
  EXPECT_EQ(Clicks, (std::vector<String>{L"Page1"}));
  auto RightClick = [&] {
    qvtest::MoveMouse(OnLink.X, OnLink.Y);
    qvtest::SendMouse(MOUSEEVENTF_RIGHTDOWN);
    qvtest::SendMouse(MOUSEEVENTF_RIGHTUP);
    qvtest::PumpInput();
  };
  RightClick();
  EXPECT_EQ(Clicks.size(), 1u);
  Label->SetHyperLinkMouseButtons({mbRight});
  RightClick();
  EXPECT_EQ(Clicks.size(), 2u);
  qvtest::Click(OnText.X, OnText.Y);  // not on the link
  EXPECT_EQ(Clicks.size(), 2u);

  // Leaving the label clears the hot link.
  qvtest::MoveMouse(OnLink.X, OnLink.Y);
  ASSERT_TRUE(PumpUntil([&] { return Label->HyperlinkHovered(); }));
  qvtest::MoveMouse(5, 5);
  ASSERT_TRUE(PumpUntil([&] { return !Label->HyperlinkHovered(); }));
  PumpIdle();
  EXPECT_EQ(CountColor(*Label->Buffer(), kHotRed, LinkArea), 0);
}

TEST_F(SkinHtmlLabel, AlignedLinksAreHitWhereTheyAreDrawn) {
  auto* Label = NewLabel(40, 50, L"<a href=right>right</a>");
  Label->SetAutoSize(false);
  Label->SetBounds(40, 50, 300, 60);
  Label->SetAlignmentHorizontal(taRightJustify);
  Label->SetAlignmentVertical(taAlignBottom);
  ShowForm();
  const TRect Ink = InkBounds(*Label->Buffer(), kWhite);
  ASSERT_FALSE(Ink.IsEmpty());
  EXPECT_GE(Ink.Right, 297);
  EXPECT_GE(Ink.Bottom, 50);
  const TPoint P = Label->ClientToScreen({(Ink.Left + Ink.Right) / 2, (Ink.Top + Ink.Bottom) / 2});
  qvtest::MoveMouse(P.X, P.Y);
  EXPECT_TRUE(PumpUntil([&] { return Label->HoveredLink() == L"right"; }));
  EXPECT_EQ(Label->LayoutRect().Left, 300 - TFontMeasure(*Label->Font(), {}).Width(L"right"));
}

TEST_F(SkinHtmlLabel, DisabledLabelIsEngravedInSystemColours) {
  auto* Label = NewLabel(20, 20, L"<font color=red size=4>Off</font> <a href=x>line</a>");
  const TRect Enabled = Label->BoundsRect();
  Label->SetEnabled(false);
  ShowForm();
  const TBitmap32& B = *Label->Buffer();
  EXPECT_EQ(CountColor(B, kHotRed, B.BoundsRect()), 0);
  EXPECT_EQ(CountColor(B, kLinkBlue, B.BoundsRect()), 0);
  const uint32_t Shadow = qvtest::Rgb(clBtnShadow), Light = qvtest::Rgb(clBtnHighlight);
  EXPECT_GT(CountColor(B, Shadow, B.BoundsRect()), 10);
  if (Light != kWhite) {
    EXPECT_GT(CountColor(B, Light, B.BoundsRect()), 10);
  }
  // Sizes still count: disabling does not change the layout.
  EXPECT_EQ(Label->BoundsRect(), Enabled);
  EXPECT_GT(InkBounds(B, kWhite).Height(), Enabled.Height() / 2);
}

TEST_F(SkinHtmlLabel, SubscriptSitsLowSuperscriptHigh) {
  auto* Label = NewLabel(20, 20, L"H<sub>2</sub>O x<sup>2</sup>");
  Label->Font()->SetStyle({});
  ShowForm();
  TFontMeasure M(*Label->Font(), {});
  const TBitmap32& B = *Label->Buffer();
  const int HW = M.Width(L"H");
  const TRect H = InkBounds(B, kWhite, Rect(0, 0, HW, B.Height()));
  const TRect Sub = InkBounds(B, kWhite, Rect(HW, 0, HW + 4, B.Height()));
  ASSERT_FALSE(H.IsEmpty());
  ASSERT_FALSE(Sub.IsEmpty());
  // Smaller than a capital, with its bottom at or below the capital's baseline.
  EXPECT_LT(Sub.Height(), H.Height());
  EXPECT_GE(Sub.Bottom, H.Bottom);
  EXPECT_GT(Sub.Top, H.Top + 2);
  const TRect Sup = InkBounds(B, kWhite, Rect(B.Width() - 5, 0, B.Width(), B.Height()));
  ASSERT_FALSE(Sup.IsEmpty());
  EXPECT_LE(Sup.Top, H.Top + 1);
  EXPECT_LT(Sup.Bottom, H.Bottom - 2);
}

}  // namespace

namespace {

// Measuring, hit-testing and painting labels (glow included) over and over releases every
// device context, font and surface they take.
TEST_F(SkinHtmlLabel, RepaintingLabelsLeaksNothing) {
  auto* Glow = Add<TQvSkinLabel>(Form.get(), 10, 10, 10, 10);
  Glow->Light()->SetActive(true);
  auto* Html = NewLabel(10, 40, L"");
  Form->HandleNeeded();
  Glow->HandleNeeded();
  Html->HandleNeeded();
  auto Cycle = [&](int I) {
    const String N = std::to_wstring(I % 7);
    Glow->SetCaption(L"Glow " + N);
    Html->SetCaption(L"<b>x</b><sub>" + N + L"</sub> <a href=y>link</a><hr><font size=3>z</font>");
    Html->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(Html->Width() - 3, 5));
    qvtest::PaintOffScreen(Form.get());
  };
  for (int I = 0; I < 5; ++I) Cycle(I);  // caches settle
  const qvtest::TSlots Before = qvtest::Probe();
  for (int I = 0; I < 300; ++I) Cycle(I);
  const qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Gdi, Before.Gdi + 100) << "GDI objects leak";
}

}  // namespace
