// The skinned label through real windows: auto-size to the text's geometry, placement by
// alignment and word wrap, glow and rounded background; and the object text form.
// Text depends on the font, so the tests compare with the platform's own measures and
// look at where ink is, not at glyph pixels.
#include "SkinControlsTestSupport.h"
#include "host/Font.h"
#include "host/ObjectText.h"

using namespace qv;
using qvtest::InkBounds;
using qvtest::PumpIdle;
using qvtest::Rgb;
using qvtest::TFontMeasure;

namespace {

constexpr uint32_t kBlue = 0x0000FF;  // the test form, as red, green, blue

class SkinLabel : public qvtest::SkinFormTest {
 protected:
  TQvSkinLabel* NewLabel(int L, int T, const String& Caption) {
    auto* Label = Add<TQvSkinLabel>(Form.get(), L, T, 10, 10);
    Label->Font()->SetName(L"Tahoma");
    Label->Font()->SetHeight(-13);
    Label->Font()->SetColor(clBlack);
    Label->SetCaption(Caption);
    return Label;
  }
};

TEST_F(SkinLabel, AutoSizeFollowsTheTextAndTheFont) {
  auto* Label = NewLabel(12, 34, L"Hello, label");
  EXPECT_TRUE(Label->AutoSize());
  EXPECT_EQ(Label->Alpha(), 0);
  EXPECT_TRUE(Label->BorderSides().Empty());
  EXPECT_FALSE(Label->ControlStyle().Contains(csAcceptsControls));
  {
    TFontMeasure M(*Label->Font());
    EXPECT_EQ(Label->BoundsRect(), Bounds(12, 34, M.Width(L"Hello, label"), M.Height));
    // Hard lines: the widest line, one cell each.
    Label->SetCaption(L"ab\r\nthe longer line\r\nc");
    EXPECT_EQ(Label->BoundsRect(), Bounds(12, 34, M.Width(L"the longer line"), 3 * M.Height));
  }
  // A font change at run time resizes too.
  Label->Font()->SetHeight(-26);
  {
    TFontMeasure M(*Label->Font());
    EXPECT_EQ(Label->Height(), 3 * M.Height);
    EXPECT_EQ(Label->Width(), M.Width(L"the longer line"));
  }
  // An ellipsis stops auto-sizing; switching it on again sizes at once.
  Label->SetEllipsisPosition(epEndEllipsis);
  EXPECT_FALSE(Label->AutoSize());
  const TRect Kept = Label->BoundsRect();
  Label->SetCaption(L"x");
  EXPECT_EQ(Label->BoundsRect(), Kept);
  Label->SetAutoSize(true);
  EXPECT_LT(Label->Width(), Kept.Width());
  // A rounded background keeps its size and turns the clear label opaque.
  Label->SetRoundBackground(true);
  EXPECT_EQ(Label->Alpha(), 255);
  Label->SetCaption(L"a longer caption");
  EXPECT_LT(Label->Width(), 40);
}

TEST_F(SkinLabel, AlignmentPlacesTheText) {
  auto* Label = NewLabel(10, 10, L"Wgy");
  Label->SetAutoSize(false);
  Label->SetBounds(10, 10, 200, 60);
  ShowForm();
  TFontMeasure M(*Label->Font());
  const int W = M.Width(L"Wgy"), H = M.Height;
  const struct {
    TAlignment Horizontal;
    TVerticalAlignment Vertical;
    TRect Cell;  // where the text's cell must be
  } Cases[] = {
      {taLeftJustify, taAlignTop, Bounds(0, 0, W, H)},
      {taRightJustify, taAlignTop, Bounds(200 - W, 0, W, H)},
      {taCenter, taVerticalCenter, Bounds((200 - W) / 2, (60 - H) / 2, W, H)},
      {taLeftJustify, taAlignBottom, Bounds(0, 60 - H, W, H)},
      {taRightJustify, taAlignBottom, Bounds(200 - W, 60 - H, W, H)},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.Horizontal << " " << C.Vertical);
    Label->SetAlignmentHorizontal(C.Horizontal);
    Label->SetAlignmentVertical(C.Vertical);
    PumpIdle();
    const TRect Ink = InkBounds(*Label->Buffer(), kBlue);
    ASSERT_FALSE(Ink.IsEmpty());
    // The ink lies in the cell (a centred cell may round either way) and fills most of
    // its width.
    EXPECT_GE(Ink.Left, C.Cell.Left - 1);
    EXPECT_LE(Ink.Right, C.Cell.Right + 1);
    EXPECT_GE(Ink.Top, C.Cell.Top - 1);
    EXPECT_LE(Ink.Bottom, C.Cell.Bottom + 1);
    EXPECT_GT(Ink.Width(), W * 3 / 4);
  }
}

TEST_F(SkinLabel, WordWrappedBlockIsPlacedWhole) {
  auto* Label = NewLabel(10, 10, L"one two three four five six seven eight nine ten");
  Label->SetAutoSize(false);
  Label->SetBounds(10, 10, 120, 120);
  Label->SetWordWap(true);
  Label->SetAlignmentVertical(taAlignBottom);
  ShowForm();
  const int H = TFontMeasure(*Label->Font()).Height;
  TRect Ink = InkBounds(*Label->Buffer(), kBlue);
  // Several lines, all shown, the last one flush with the bottom edge.
  EXPECT_GT(Ink.Height(), 2 * H);
  EXPECT_GE(Ink.Bottom, 120 - H / 2);
  EXPECT_LE(Ink.Right, 121);
  Label->SetAlignmentVertical(taVerticalCenter);
  PumpIdle();
  const TRect Centred = InkBounds(*Label->Buffer(), kBlue);
  EXPECT_EQ(Centred.Height(), Ink.Height());
  EXPECT_NEAR((Centred.Top + Centred.Bottom) / 2, 60, H / 2 + 1);
}

TEST_F(SkinLabel, GlowAndRoundBackground) {
  auto* Label = NewLabel(10, 10, L"Glow");
  Label->Font()->SetHeight(-20);
  ShowForm();
  // Yellow pixels appear around the text only with the glow.
  auto Yellowish = [&] {
    GdiFlush();
    int N = 0;
    for (int Y = 0; Y < Label->Height(); ++Y)
      for (int X = 0; X < Label->Width(); ++X) {
        const uint32_t C = Rgb(*Label->Buffer(), X, Y);
        N += (C >> 16 & 0xFF) > 90 && (C >> 8 & 0xFF) > 90;
      }
    return N;
  };
  EXPECT_EQ(Yellowish(), 0);
  Label->Light()->SetColor(clYellow);
  Label->Light()->SetActive(true);  // repaints by itself
  PumpIdle();
  EXPECT_GT(Yellowish(), 20);

  auto* Round = NewLabel(10, 60, L"");
  Round->SetRoundBackground(true);
  Round->SetBounds(10, 60, 100, 40);
  Round->SetColor(clRed);
  Round->SetRoundSize(8);
  Round->Invalidate();
  PumpIdle();
  EXPECT_EQ(Rgb(*Round->Buffer(), 50, 20), 0xFF0000u);
  EXPECT_EQ(Rgb(*Round->Buffer(), 0, 0), kBlue);  // the corner is round
  EXPECT_EQ(Rgb(*Round->Buffer(), 99, 39), kBlue);
  EXPECT_EQ(Rgb(*Round->Buffer(), 50, 0), 0xFF0000u);
  EXPECT_EQ(Rgb(*Round->Buffer(), 0, 20), 0xFF0000u);
}

TEST_F(SkinLabel, LabelsRoundTripThroughTheObjectTextForm) {
  Form->SetName(L"LabelForm");
  auto* Label = NewLabel(10, 10, L"Saved");
  Label->SetName(L"Label1");
  Label->SetAlignmentHorizontal(taCenter);
  Label->SetAlignmentVertical(taAlignBottom);
  Label->SetWordWap(true);
  Label->SetEllipsisPosition(epWordEllipsis);
  Label->SetAutoSize(true);  // after the ellipsis: set again
  Label->Light()->SetActive(true);
  Label->Light()->SetColor(clAqua);
  Label->SetRoundSize(9);
  auto* Html = Add<TQvSkinHtmlLabel>(Form.get(), 10, 40, 10, 10);
  Html->SetName(L"Html1");
  Html->SetCaption(L"<b>x</b>");
  Html->SetHyperLinkFontHotColor(clLime);
  Html->SetHyperLinkMouseButtons({mbLeft, mbRight});
  Html->SetSuperSubScriptRation(0.5);
  Html->SetAutoSize(false);
  const String Text = ComponentToText(*Form);

  TForm Copy(nullptr);
  TextToComponent(Text, Copy);
  auto* L2 = dynamic_cast<TQvSkinLabel*>(Copy.FindComponent(L"Label1"));
  auto* H2 = dynamic_cast<TQvSkinHtmlLabel*>(Copy.FindComponent(L"Html1"));
  ASSERT_NE(L2, nullptr);
  ASSERT_NE(H2, nullptr);
  EXPECT_EQ(L2->AlignmentHorizontal(), taCenter);
  EXPECT_EQ(L2->AlignmentVertical(), taAlignBottom);
  EXPECT_TRUE(L2->WordWap());
  EXPECT_EQ(L2->EllipsisPosition(), epWordEllipsis);
  EXPECT_TRUE(L2->AutoSize());
  EXPECT_TRUE(L2->Light()->Active());
  EXPECT_EQ(L2->Light()->Color(), clAqua);
  EXPECT_EQ(L2->RoundSize(), 9);
  EXPECT_EQ(L2->BoundsRect(), Label->BoundsRect());
  EXPECT_EQ(H2->HyperLinkFontHotColor(), clLime);
  EXPECT_EQ(H2->HyperLinkMouseButtons(), (TQvSkinHTLabelMouseButtons{mbLeft, mbRight}));
  EXPECT_DOUBLE_EQ(H2->SuperSubScriptRatio(), 0.5);
  EXPECT_FALSE(H2->AutoSize());
  EXPECT_EQ(ComponentToText(Copy), Text);
}

}  // namespace
