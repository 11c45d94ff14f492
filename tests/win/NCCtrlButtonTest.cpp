// Title-bar buttons pressed with the real mouse: the system buttons' commands, group
// latching, the snap-layout answer over the maximise button, double clicks on the caption
// and leaving through the window edge.
#include <gtest/gtest.h>

#include "SkinFormTestSupport.h"

using namespace qv;
using namespace qvtest;

namespace {

class NCCtrlButtonTest : public SkinFormFixture {
 protected:
  void ClickAt(POINT P) { Click(P.x, P.y); }
  void DoubleClickAt(POINT P) {
    Click(P.x, P.y);
    Click(P.x, P.y);
  }
};

TEST_F(NCCtrlButtonTest, SystemButtonsSitEdgeToEdgeAtTheRight) {
  Skin();
  ShowForm();
  EXPECT_EQ(Close->GetRect(), (TRect{W - 40, -1, W - 1, 18}));
  EXPECT_EQ(Max->GetRect(), (TRect{W - 68, -1, W - 40, 18}));
  EXPECT_EQ(Min->GetRect(), (TRect{W - 96, -1, W - 68, 18}));
}

TEST_F(NCCtrlButtonTest, CloseClosesUnlessOnCloseQueryRefuses) {
  Skin();
  ShowForm();
  bool Allow = false;
  int Asked = 0;
  Form->OnCloseQuery = [&](TObject*, bool& CanClose) {
    ++Asked;
    CanClose = Allow;
  };
  ClickAt(CentreOf(Close));
  ASSERT_TRUE(PumpUntil([&] { return Asked == 1; }));
  EXPECT_TRUE(IsWindowVisible(Wnd()));
  Allow = true;
  ClickAt(CentreOf(Close));
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(Wnd()); }));
}

TEST_F(NCCtrlButtonTest, MaximiseTogglesAndSwapsToTheRestorePicture) {
  Skin();
  ShowForm();
  ClickAt(CentreOf(Max));
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(Wnd()) != FALSE; }));
  PumpIdle();
  EXPECT_EQ(Max->Picture()->Image(), TQvSkinSystemButton::DefaultRestoresizeImage);
  MoveMouse(600, 600);
  PumpIdle();
  ClickAt(CentreOf(Max));
  ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(Wnd()); }));
  PumpIdle();
  EXPECT_EQ(Max->Picture()->Image(), TQvSkinSystemButton::DefaultMaximizeImage);
}

TEST_F(NCCtrlButtonTest, MinimiseMinimises) {
  Skin();
  ShowForm();
  ClickAt(CentreOf(Min));
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(Wnd()) != FALSE; }));
}

TEST_F(NCCtrlButtonTest, SnapLayoutAnswerOverTheMaximiseButtonAndTheClickStillWorks) {
  Skin();
  ShowForm();
  POINT P = CentreOf(Max);
  EXPECT_EQ(SendMessageW(Wnd(), WM_NCHITTEST, 0, MAKELPARAM(P.x, P.y)), HTMAXBUTTON);
  POINT C = CentreOf(Close);
  EXPECT_EQ(SendMessageW(Wnd(), WM_NCHITTEST, 0, MAKELPARAM(C.x, C.y)), HTCAPTION);
  // Hover still shows the skin's hot picture.
  MoveMouse(P.x, P.y);
  ASSERT_TRUE(PumpUntil([&] { return Max->State() == bsHot; }));
  ClickAt(P);
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(Wnd()) != FALSE; }));
  SkinForm->Options()->SetSnapLayouts(false);
  P = CentreOf(Max);
  EXPECT_EQ(SendMessageW(Wnd(), WM_NCHITTEST, 0, MAKELPARAM(P.x, P.y)), HTCAPTION);
}

TEST_F(NCCtrlButtonTest, DoubleClickOnTheCaptionMaximisesExceptOverAButton) {
  Skin();
  ShowForm();
  DoubleClickAt(CentreOf(Min));
  PumpIdle();
  // The two clicks minimised once; nothing maximised the form.
  EXPECT_FALSE(IsZoomed(Wnd()));
  if (IsIconic(Wnd())) {
    ShowWindow(Wnd(), SW_RESTORE);
    ASSERT_TRUE(PumpUntil([&] { return !IsIconic(Wnd()); }));
  }
  DoubleClickAt(At(100, 12));
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(Wnd()) != FALSE; }));
}

TEST_F(NCCtrlButtonTest, HotButtonReturnsToNormalWhenTheMouseLeavesThroughTheEdge) {
  Skin();
  ShowForm();
  POINT P = CentreOf(Close);
  MoveMouse(P.x, P.y);
  ASSERT_TRUE(PumpUntil([&] { return Close->State() == bsHot; }));
  // Straight out over the top edge: the form sees no further non-client move.
  MoveMouse(P.x, P.y - 30);
  ASSERT_TRUE(PumpUntil([&] { return Close->State() == bsNormal; }, 300));
}

TEST_F(NCCtrlButtonTest, GroupLatchingAndAllowAllUp) {
  Skin(false);
  TQvSkinNCButton* B[3];
  for (int I = 0; I < 3; ++I) {
    B[I] = new TQvSkinNCButton(Form.get());
    B[I]->Picture()->SetImage(L"QvSkinBtn_mini");
    B[I]->Pos()->SetXValue(10 + 30 * I);
    B[I]->SetGroupIndex(3);
  }
  Form->Show();
  ASSERT_TRUE(PumpUntil([&] { return !Form->AlphaBlend() && SkinForm->NCCtrlList().size() == 3; }));
  int Clicks = 0;
  B[1]->OnClick = [&](TObject*) { ++Clicks; };
  ClickAt(CentreOf(B[0]));
  ASSERT_TRUE(PumpUntil([&] { return B[0]->Down(); }));
  ClickAt(CentreOf(B[1]));
  ASSERT_TRUE(PumpUntil([&] { return B[1]->Down(); }));
  EXPECT_FALSE(B[0]->Down());
  EXPECT_EQ(Clicks, 1);
  // A down button with AllowAllUp comes up on the next release.
  B[1]->SetAllowAllUp(true);
  ClickAt(CentreOf(B[1]));
  ASSERT_TRUE(PumpUntil([&] { return !B[1]->Down(); }));
}

TEST_F(NCCtrlButtonTest, DisabledButtonShowsItsDisabledFrameAndSendsNothing) {
  Skin();
  ShowForm();
  Min->SetEnabled(false);
  ClickAt(CentreOf(Min));
  PumpIdle();
  EXPECT_FALSE(IsIconic(Wnd()));
  EXPECT_EQ(Min->State(), bsNormal);
}

TEST_F(NCCtrlButtonTest, UseDefaultOffKeepsThePositionWhenTheKindChanges) {
  Skin();
  Max->Pos()->SetUseDefault(false);
  Max->Pos()->SetXValue(150);
  Max->SetKind(bkClose);
  EXPECT_EQ(Max->Pos()->XValue(), 150);
  EXPECT_EQ(Max->Picture()->Image(), TQvSkinSystemButton::DefaultCloseImage);
  EXPECT_EQ(Max->Pos()->Width(), 39);
}

}  // namespace
