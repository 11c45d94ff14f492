// Placement, title-bar labels and images, and the scrolling message.
#include <gtest/gtest.h>

#include "SkinFormTestSupport.h"
#include "forms/QvSkinNCCtrls.h"

using namespace qv;
using namespace qvtest;

namespace {

class NCCtrlTextTest : public SkinFormFixture {};

TEST_F(NCCtrlTextTest, RightAlignedPlacementCountsFromTheRightEdge) {
  Form->SetBounds(L, T, 500, H);
  TNCCtrlPos P(Form.get());
  P.SetAlign(caRight);
  P.SetXValue(40);
  EXPECT_EQ(P.X(), 460);
  P.SetAlign(caLeft);
  EXPECT_EQ(P.X(), 40);
}

TEST_F(NCCtrlTextTest, LabelMeasuresItsTextAndMaxWidthCuts) {
  Form->SetCaption(L"Form caption");
  auto* Label = new TQvSkinNCLabel(Form.get());
  EXPECT_EQ(Label->Caption(), L"Form caption");
  const int Full = Label->Width();
  EXPECT_GT(Full, 30);
  EXPECT_GT(Label->Height(), 8);
  // Without MaxWidth an ellipsis setting changes nothing: the whole text is drawn.
  Label->SetEllipsisPosition(epEndEllipsis);
  EXPECT_EQ(Label->Width(), Full);
  Label->SetMaxWidth(30);
  EXPECT_EQ(Label->Width(), 30);
  EXPECT_EQ(Label->GetRect().Right - Label->GetRect().Left, 30);
}

TEST_F(NCCtrlTextTest, ImageTakesItsPicturesSizeAndLetsCaptionDoubleClicksThrough) {
  auto* Image = new TQvSkinNCImage(Form.get());
  EXPECT_EQ(Image->GetWidth(), 0);
  Image->SetPicture(L"QvSkinBtn_close");
  EXPECT_EQ(Image->GetWidth(), 117);
  EXPECT_EQ(Image->GetHeight(), 19);
  EXPECT_FALSE(Image->BlocksCaptionDoubleClick());
  Image->SetCaptureMouse(false);
  EXPECT_FALSE(Image->TakesMouse());
}

TEST_F(NCCtrlTextTest, MessageWithoutLoopModeStopsOnceTheTextHasLeft) {
  Skin(false);
  auto* Message = new TQvSkinNCMessage(Form.get());
  Message->SetSpeed(60000);  // the test steps it by hand
  Message->SetWidth(100);
  Message->SetStep(10);
  Message->SetText(L"News");
  Message->SetLoopMode(false);
  Form->Show();
  ASSERT_TRUE(PumpUntil([&] { return !Form->AlphaBlend() && Message->Hooked(); }));
  PumpIdle();
  ASSERT_TRUE(Message->Scrolling());
  const TRect R = Message->GetRect();
  EXPECT_EQ(R.Right, Form->Width() - 150);
  EXPECT_EQ(R.Left, R.Right - 100);
  int Steps = 0;
  while (Message->Scrolling() && Steps < 1000) {
    Message->ScrollStep();
    ++Steps;
  }
  EXPECT_FALSE(Message->Scrolling());
  EXPECT_LT(Message->DispX(), R.Left);
  // A new text starts it again.
  Message->SetText(L"More news");
  EXPECT_TRUE(Message->Scrolling());
}

TEST_F(NCCtrlTextTest, LoopModeWrapsToTheRightEnd) {
  Skin(false);
  auto* Message = new TQvSkinNCMessage(Form.get());
  Message->SetSpeed(60000);
  Message->SetWidth(100);
  Message->SetStep(50);
  Message->SetText(L"x");
  Form->Show();
  ASSERT_TRUE(PumpUntil([&] { return !Form->AlphaBlend() && Message->Hooked(); }));
  PumpIdle();
  const TRect R = Message->GetRect();
  for (int I = 0; I < 3; ++I) Message->ScrollStep();
  EXPECT_EQ(Message->DispX(), R.Right);
  EXPECT_TRUE(Message->Scrolling());
}

}  // namespace
