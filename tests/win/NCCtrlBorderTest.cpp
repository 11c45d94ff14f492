// Title-bar controls hosted on the opaque layered border: painted into the border window
// of their side and pressed there with the real mouse.
#include <gtest/gtest.h>

#include "SkinFormTestSupport.h"
#include "forms/QvFormBorder.h"

using namespace qv;
using namespace qvtest;

namespace {

class NCCtrlBorderTest : public SkinFormFixture {};

TEST_F(NCCtrlBorderTest, AnOpaqueBorderHostsTheControlsOfItsSide) {
  Skin(false);
  auto* Border = new TQvFormLayerBorder(Form.get());
  Border->SetTransparent(false);
  Border->Size()->SetAll(8, 30, 8, 8);
  SkinForm->SetImageBorder(Border);
  auto* Button = new TQvSkinNCButton(Form.get());
  Button->Picture()->SetImage(L"QvSkinBtn_mini");
  Button->Pos()->SetXValue(40);
  Button->Pos()->SetYValue(4);
  auto* Stays = new TQvSkinNCButton(Form.get());
  Stays->Picture()->SetImage(L"QvSkinBtn_mini");
  Stays->SetPutSide(skdBottom);
  int Clicks = 0;
  Button->OnClick = [&](TObject*) { ++Clicks; };
  Form->Show();
  TqvFormLayerWindow* Top = nullptr;
  ASSERT_TRUE(PumpUntil([&] {
    Top = Border->Window(mpflTop);
    return !Form->AlphaBlend() && Top && Button->Form() == Top;
  }));
  EXPECT_EQ(Button->SourceForm(), Form.get());
  EXPECT_EQ(Button->CommandForm(), Form.get());
  EXPECT_NE(Stays->Form(), Top);
  PumpIdle();
  RECT R;
  GetWindowRect(HWND(Top->Handle()), &R);
  const TRect B = Button->GetRect();
  const int X = R.left + (B.Left + B.Right) / 2, Y = R.top + (B.Top + B.Bottom) / 2;
  MoveMouse(X, Y);
  ASSERT_TRUE(PumpUntil([&] { return Button->State() == bsHot; }));
  Click(X, Y);
  ASSERT_TRUE(PumpUntil([&] { return Clicks == 1; }));
}

}  // namespace
