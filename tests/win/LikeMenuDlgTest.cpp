// The outside-click capture with the real mouse: the capture taken while the cursor is
// outside the armed window, one event per outside click, nothing for clicks inside, Stop
// disarming, re-arming another window, and the creation notice to the owner form.
#include "SkinControlsTestSupport.h"
#include "controls/QvLikeMenuDlg.h"

using namespace qv;
using qvtest::MoveMouse;
using qvtest::PumpInput;
using qvtest::PumpTicks;
using qvtest::PumpUntil;
using qvtest::SendMouse;
using qvtest::TPanel;

namespace {

// The form (400 × 300 at 300, 200) holds two drop-down stand-ins; each counts the button
// presses its own procedure receives.
class LikeMenuDlg : public qvtest::SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    A = Add<TPanel>(Form.get(), 20, 20, 100, 100);
    B = Add<TPanel>(Form.get(), 200, 20, 100, 100);
    for (auto [P, Count] : {std::pair{A, &PressesA}, std::pair{B, &PressesB}}) {
      auto Old = P->WindowProc;
      P->WindowProc = [Old, Count](TMessage& M) {
        if (M.Msg == WM_LBUTTONDOWN || M.Msg == WM_RBUTTONDOWN) ++*Count;
        Old(M);
      };
    }
    ShowForm();
    Dlg = std::make_unique<TQvLikeMenuDlg>(nullptr);
    Dlg->OnMouseClickOutside = [this](TObject* Sender) {
      EXPECT_EQ(Sender, Dlg.get());
      ++Outside;
    };
  }
  void TearDown() override {
    ReleaseCapture();
    Dlg.reset();
    SkinFormTest::TearDown();
  }
  static TPoint Centre(TWinControl* C) {
    return C->ClientToScreen({C->Width() / 2, C->Height() / 2});
  }
  static void ClickAt(TPoint P, DWORD Down = MOUSEEVENTF_LEFTDOWN, DWORD Up = MOUSEEVENTF_LEFTUP) {
    MoveMouse(P.X, P.Y);
    SendMouse(Down);
    SendMouse(Up);
    PumpInput();
  }
  bool Holds(TWinControl* C) { return GetCapture() == C->Handle(); }

  TPanel* A = nullptr;
  TPanel* B = nullptr;
  int PressesA = 0, PressesB = 0, Outside = 0;
  std::unique_ptr<TQvLikeMenuDlg> Dlg;
};

TEST_F(LikeMenuDlg, CaptureFollowsTheCursorInAndOut) {
  const TPoint In = Centre(A);
  MoveMouse(In.X, In.Y);
  Dlg->Capture(A);
  PumpTicks(20, 3);
  EXPECT_FALSE(Holds(A));
  MoveMouse(In.X + 150, In.Y);
  ASSERT_TRUE(PumpUntil([&] { return Holds(A); }));
  EXPECT_TRUE(Dlg->Captured());
  MoveMouse(In.X, In.Y);  // the move reaches the target through the capture
  ASSERT_TRUE(PumpUntil([&] { return !Holds(A); }));
  EXPECT_FALSE(Dlg->Captured());
  EXPECT_EQ(Outside, 0);
}

TEST_F(LikeMenuDlg, AnOutsideClickRaisesOnceAndReachesTheTarget) {
  struct {
    const char* Name;
    DWORD Down, Up;
  } Buttons[] = {{"left", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
                 {"right", MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}};
  for (auto& K : Buttons) {
    SCOPED_TRACE(K.Name);
    Outside = PressesA = 0;
    MoveMouse(Centre(A).X, Centre(A).Y);
    Dlg->Capture(A);
    MoveMouse(Centre(A).X + 150, Centre(A).Y + 150);
    ASSERT_TRUE(PumpUntil([&] { return Holds(A); }));
    ClickAt({Centre(A).X + 150, Centre(A).Y + 150}, K.Down, K.Up);
    EXPECT_EQ(Outside, 1);
    EXPECT_EQ(PressesA, 1);  // passed on to the target's own procedure
    EXPECT_FALSE(Holds(A));
    EXPECT_TRUE(Dlg->Stopped());
    PumpTicks(20, 3);  // the watch stays off once stopped
    EXPECT_FALSE(Holds(A));
    EXPECT_EQ(Outside, 1);
  }
}

TEST_F(LikeMenuDlg, AClickInsideRaisesNothing) {
  Dlg->Capture(A);
  ClickAt(Centre(A));
  PumpTicks(20, 3);
  EXPECT_EQ(PressesA, 1);
  EXPECT_EQ(Outside, 0);
  EXPECT_FALSE(Dlg->Stopped());
}

TEST_F(LikeMenuDlg, StopDisarms) {
  Dlg->Capture(A);
  MoveMouse(Centre(A).X + 150, Centre(A).Y + 150);
  ASSERT_TRUE(PumpUntil([&] { return Holds(A); }));
  Dlg->Stop();  // the drop-down closed by itself
  EXPECT_EQ(Outside, 1);
  EXPECT_FALSE(Holds(A));
  // No capture any more: a click outside goes where the cursor is, not to the target.
  ClickAt({Centre(A).X + 150, Centre(A).Y + 150});
  PumpTicks(20, 3);
  EXPECT_FALSE(Holds(A));
  EXPECT_EQ(PressesA, 0);
  EXPECT_EQ(Outside, 1);
}

TEST_F(LikeMenuDlg, AClickReachingTheTargetAfterStopReportsAgainLater) {
  Dlg->Capture(A);
  Dlg->Stop();
  ASSERT_EQ(Outside, 1);
  MoveMouse(Centre(A).X + 150, Centre(A).Y);
  A->Perform(WM_LBUTTONDOWN, 0, 0);  // as a click arriving through a capture held elsewhere
  EXPECT_EQ(Outside, 1);
  ASSERT_TRUE(PumpUntil([&] { return Outside == 2; }));
}

TEST_F(LikeMenuDlg, ArmingAnotherWindowGivesTheFirstItsProcedureBack) {
  Dlg->Capture(A);
  Dlg->Capture(B);
  MoveMouse(Centre(B).X + 150, Centre(B).Y + 150);
  ASSERT_TRUE(PumpUntil([&] { return Holds(B); }));
  A->Perform(WM_LBUTTONDOWN, 0, 0);  // outside A, but A is no longer watched
  EXPECT_EQ(Outside, 0);
  EXPECT_EQ(PressesA, 1);
  // A took the capture with its press; the watch takes it back for B.
  ASSERT_TRUE(PumpUntil([&] { return Holds(B); }));
  ClickAt({Centre(B).X + 150, Centre(B).Y + 150});
  EXPECT_EQ(Outside, 1);
  EXPECT_EQ(PressesB, 1);
  // The target may go while armed; the component ends cleanly afterwards.
  Dlg->Capture(A);
  delete A;
  A = nullptr;
  EXPECT_EQ(Dlg->DestWin(), nullptr);
  PumpTicks(20, 2);
}

TEST_F(LikeMenuDlg, TellsItsOwnerFormItWasCreated) {
  std::vector<WPARAM> Notices;
  auto Old = Form->WindowProc;
  Form->WindowProc = [&](TMessage& M) {
    if (M.Msg == MM_MENUDLGCREATED) Notices.push_back(M.WParam);
    Old(M);
  };
  auto* Owned = new TQvLikeMenuDlg(Form.get());
  ASSERT_TRUE(PumpUntil([&] { return !Notices.empty(); }));
  EXPECT_EQ(Notices, std::vector<WPARAM>{WPARAM(Owned)});
  Form->WindowProc = Old;
}

}  // namespace
