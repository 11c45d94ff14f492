// The expand box: a real click on its title folds it to the title and unfolds it to the
// height it had, the refusals (client-aligned, AllowCollapse off), the title height limits,
// its painting and the object text form.
#include "SkinControlsTestSupport.h"
#include "host/ObjectText.h"

using namespace qv;
using qvtest::Click;
using qvtest::PumpIdle;
using qvtest::Rgb;
using qvtest::TProbe;

namespace {

using SkinExpandBox = qvtest::SkinFormTest;

TEST_F(SkinExpandBox, TitleClickFoldsAndUnfoldsTheContent) {
  auto* Box = Add<TQvSkinExpandBox>(Form.get(), 10, 10, 200, 150);
  auto* Content = Add<TProbe>(Box, 0, 0, 10, 10);
  Content->SetAlign(alClient);
  int Changed = 0;
  Box->OnChanged = [&](TObject* Sender) {
    EXPECT_EQ(Sender, Box);
    ++Changed;
  };
  EXPECT_EQ(Box->Title(), L"Title");
  EXPECT_EQ(Box->TitleHeight(), 25);
  EXPECT_EQ(Box->Text(), L" ");
  EXPECT_TRUE(Box->TitleFont()->Style().Contains(fsBold));
  EXPECT_EQ(Box->TitleFont()->Color(), clWhite);
  EXPECT_EQ(Box->TitleFont()->Size(), 9);
  EXPECT_EQ(Content->BoundsRect(), Rect(1, 25, 199, 149));  // under the title, in the frame
  ShowForm();
  const TPoint Title = Box->ClientToScreen(TPoint(60, 12));
  Click(Title.X, Title.Y);
  EXPECT_FALSE(Box->Expand());
  EXPECT_EQ(Box->Height(), 26);  // the title and its bottom line
  EXPECT_EQ(Changed, 1);
  // A click below the title of an expanded box does nothing.
  Box->SetExpand(true);
  EXPECT_EQ(Box->Height(), 150);
  EXPECT_EQ(Content->Height(), 124);
  const TPoint Below = Box->ClientToScreen(TPoint(60, 60));
  Click(Below.X, Below.Y);
  EXPECT_TRUE(Box->Expand());
  // Resized while expanded, it comes back to the new height.
  Box->SetHeight(120);
  Click(Title.X, Title.Y);
  EXPECT_EQ(Box->Height(), 26);
  Click(Title.X, Title.Y);
  EXPECT_EQ(Box->Height(), 120);
  // Never smaller than its title.
  Box->SetHeight(5);
  EXPECT_EQ(Box->Height(), 25);
}

TEST_F(SkinExpandBox, CollapseRefusedKeepsTheHeight) {
  auto* Box = Add<TQvSkinExpandBox>(Form.get(), 10, 10, 200, 150);
  ShowForm();
  const TPoint Title = Box->ClientToScreen(TPoint(60, 12));
  // Without AllowCollapse the title click flips the flag only.
  Box->SetAllowCollapse(false);
  Box->SetExpand(false);
  EXPECT_TRUE(Box->Expand());
  Click(Title.X, Title.Y);
  EXPECT_FALSE(Box->Expand());
  EXPECT_EQ(Box->Height(), 150);
  Box->SetExpand(true);
  EXPECT_TRUE(Box->Expand());
  EXPECT_EQ(Box->Height(), 150);
  // Client-aligned: the same.
  Box->SetAllowCollapse(true);
  Box->SetAlign(alClient);
  Box->SetExpand(false);
  EXPECT_TRUE(Box->Expand());
  Click(Title.X, Title.Y);
  EXPECT_FALSE(Box->Expand());
  EXPECT_EQ(Box->Height(), 300);
}

TEST_F(SkinExpandBox, TitleHeightStaysWithinTheBox) {
  auto* Box = Add<TQvSkinExpandBox>(Form.get(), 10, 10, 200, 30);
  struct {
    int Set, Stored;
  } Cases[] = {{40, 30}, {0, 1}, {-5, 1}, {20, 20}};
  for (auto& C : Cases) {
    Box->SetTitleHeight(C.Set);
    EXPECT_EQ(Box->TitleHeight(), C.Stored) << C.Set;
  }
}

TEST_F(SkinExpandBox, PaintsTitleBarFrameAndIcon) {
  auto* Box = Add<TQvSkinExpandBox>(Form.get(), 10, 10, 200, 100);
  Box->SetTransparent(false);
  Box->SetTitle(L"");
  ShowForm();
  const TBitmap32& B = *Box->Buffer();
  const uint32_t Border = Rgb(TColor(0x7F6223)), Fill = Rgb(TColor(0xAACF58));
  EXPECT_EQ(Rgb(B, 100, 0), Border);
  EXPECT_EQ(Rgb(B, 100, 24), Border);  // under the title while expanded
  EXPECT_EQ(Rgb(B, 100, 12), Fill);
  EXPECT_EQ(Rgb(B, 0, 50), Border);
  EXPECT_EQ(Rgb(B, 199, 50), Border);
  EXPECT_EQ(Rgb(B, 100, 99), Border);
  EXPECT_EQ(Rgb(B, 100, 50), 0xFFFFFFu);  // the base's colour
  // The 17 × 17 expand icon at the right: x from 200 - 17 - 5, y from (25 - 17) div 2.
  const TRect Icon = qvtest::InkBounds(B, Fill, Rect(150, 1, 199, 24));
  EXPECT_TRUE(Icon.Left >= 178 && Icon.Right <= 195) << Icon.Left << ".." << Icon.Right;
  EXPECT_FALSE(Icon.IsEmpty());
  Box->SetAllowCollapse(false);
  Box->Invalidate();
  PumpIdle();
  EXPECT_TRUE(qvtest::InkBounds(B, Fill, Rect(150, 1, 199, 24)).IsEmpty());
  // A title shows up right of the 10-pixel gap.
  Box->SetTitle(L"Expand");
  PumpIdle();
  const TRect Text = qvtest::InkBounds(B, Fill, Rect(1, 1, 150, 24));
  EXPECT_GE(Text.Left, 10);
  EXPECT_FALSE(Text.IsEmpty());
}

TEST_F(SkinExpandBox, RoundTripKeepsACollapsedBoxCollapsed) {
  Form->SetName(L"BoxForm");
  auto* Box = Add<TQvSkinExpandBox>(Form.get(), 10, 10, 200, 150);
  Box->SetName(L"Box1");
  Box->SetTitle(L"Options");
  Box->SetTitleColor(clRed);
  Box->SetTitleIcon(L"QvSkinExpand_1");
  Box->TitleFont()->SetSize(12);
  Box->SetExpand(false);
  ASSERT_EQ(Box->Height(), 26);
  const String Text = ComponentToText(*Form);
  TForm Copy(nullptr);
  TextToComponent(Text, Copy);
  auto* B2 = dynamic_cast<TQvSkinExpandBox*>(Copy.FindComponent(L"Box1"));
  ASSERT_NE(B2, nullptr);
  EXPECT_EQ(B2->Title(), L"Options");
  EXPECT_EQ(B2->TitleColor(), clRed);
  EXPECT_EQ(B2->TitleIcon(), L"QvSkinExpand_1");
  EXPECT_EQ(B2->TitleFont()->Size(), 12);
  EXPECT_FALSE(B2->Expand());
  EXPECT_EQ(B2->Height(), 26);
  EXPECT_EQ(B2->ExpandedHeight(), 150);
  B2->SetExpand(true);
  EXPECT_EQ(B2->Height(), 150);
  EXPECT_EQ(ComponentToText(Copy).empty(), false);
}

}  // namespace
