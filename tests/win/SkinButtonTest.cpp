// The push buttons through real input: the state machine (hot, pressed, clicks inside and
// not outside, disabled), keys and accelerators, group latching, the drop-down part, hold
// to repeat, hover repainting only the hovered button, the animate button's frames, the
// accessibility model, and bad input that must not break a paint.
#include <memory>

#include "SkinControlsTestSupport.h"
#include "host/Menus.h"

using namespace qv;
using qvtest::Click;
using qvtest::MoveMouse;
using qvtest::PressKey;
using qvtest::PumpIdle;
using qvtest::PumpInput;
using qvtest::PumpUntil;
using qvtest::SendMouse;

namespace {

// A popup menu that records where it was asked to open instead of running its loop.
class TRecordingMenu : public TPopupMenu {
 public:
  using TPopupMenu::TPopupMenu;
  void Popup(int X, int Y) override {
    ++Shown;
    At = {X, Y};
  }
  int Shown = 0;
  TPoint At;
};

// A skin button counting its body paints.
class TCountingButton : public TQvSkinButton {
 public:
  using TQvSkinButton::TQvSkinButton;
  int Bodies = 0;

 protected:
  void DrawBody(TBitmap32* B) override {
    ++Bodies;
    TQvSkinButton::DrawBody(B);
  }
};

class SkinButton : public qvtest::SkinFormTest {
 protected:
  TQvSkinButton* AddButton(int X, int Y, const String& Caption = L"OK") {
    auto* B = Add<TQvSkinButton>(Form.get(), X, Y, 80, 27);
    B->SetCaption(Caption);
    B->OnClick = [this](TObject* Sender) { Clicks.push_back(Sender); };
    return B;
  }
  static TPoint Centre(TControl* C) { return C->ClientToScreen(TPoint(C->Width() / 2, 10)); }
  std::vector<TObject*> Clicks;
};

TEST_F(SkinButton, StateMachineUnderTheMouse) {
  TQvSkinButton* B = AddButton(20, 20);
  ShowForm();
  EXPECT_EQ(B->Visual(), bvNormal);
  const TPoint P = Centre(B);
  MoveMouse(P.X, P.Y);
  EXPECT_EQ(B->Visual(), bvHot);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpInput();
  EXPECT_TRUE(B->Down());
  EXPECT_TRUE(B->State().MouseDown);
  EXPECT_EQ(B->Visual(), bvPressed);
  EXPECT_TRUE(B->Focused());
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpInput();
  EXPECT_EQ(Clicks.size(), 1u);
  EXPECT_FALSE(B->Down());
  EXPECT_EQ(B->Visual(), bvHot);

  // Pressed, moved out, released: no click, normal again.
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpInput();
  MoveMouse(P.X + 200, P.Y + 100);
  EXPECT_EQ(B->Visual(), bvPressed);  // still held: looks pressed
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpInput();
  EXPECT_EQ(Clicks.size(), 1u);
  EXPECT_FALSE(B->Down());
  EXPECT_EQ(B->Visual(), bvNormal);
}

TEST_F(SkinButton, DisabledButtonIgnoresMouseAndKeys) {
  TQvSkinButton* B = AddButton(20, 20);
  TQvSkinButton* Other = AddButton(120, 20);
  B->SetEnabled(false);
  ShowForm();
  EXPECT_EQ(B->Visual(), bvDisabled);
  const TPoint P = Centre(B);
  Click(P.X, P.Y);
  EXPECT_TRUE(Clicks.empty());
  EXPECT_FALSE(B->Down());
  Other->SetFocus();
  PumpIdle();
  PressKey(VK_TAB);
  EXPECT_FALSE(B->Focused());  // skipped in the tab order
  PressKey(VK_SPACE);
  for (TObject* C : Clicks) EXPECT_NE(C, B);
  EXPECT_FALSE(B->DoAccessibleDefaultAction());
}

TEST_F(SkinButton, SpaceAndEnterClickTheFocusedButtonAndTabMovesOn) {
  TQvSkinButton* A = AddButton(20, 20);
  TQvSkinButton* B = AddButton(120, 20);
  ShowForm();
  A->SetFocus();
  PumpIdle();
  qvtest::SendKey(VK_SPACE, false);
  PumpInput();
  EXPECT_TRUE(A->Down());  // pressed while the key is held
  EXPECT_TRUE(Clicks.empty());
  qvtest::SendKey(VK_SPACE, true);
  PumpInput();
  EXPECT_EQ(Clicks, std::vector<TObject*>{A});
  PressKey(VK_RETURN);
  EXPECT_EQ(Clicks, (std::vector<TObject*>{A, A}));
  PressKey(VK_TAB);
  EXPECT_TRUE(B->Focused());
  PressKey(VK_RETURN);
  EXPECT_EQ(Clicks.back(), B);
  EXPECT_EQ(Clicks.size(), 3u);
}

TEST_F(SkinButton, AcceleratorClicksOnceWithinAHundredMilliseconds) {
  TQvSkinButton* B = AddButton(20, 20, L"&Go");
  TQvSkinButton* Other = AddButton(120, 20);
  ShowForm();
  Other->SetFocus();
  PumpIdle();
  PressKey('G', {VK_MENU});
  ASSERT_EQ(Clicks, std::vector<TObject*>{B});
  // A second accelerator at once is swallowed, unless CycleDownClick is set.
  B->Perform(CM_DIALOGCHAR, 'g');
  EXPECT_EQ(Clicks.size(), 1u);
  B->SetCycleDownClick(true);
  EXPECT_EQ(B->Perform(CM_DIALOGCHAR, 'g'), 1);
  EXPECT_EQ(Clicks.size(), 2u);
  EXPECT_EQ(B->Perform(CM_DIALOGCHAR, 'x'), 0);
  EXPECT_EQ(B->AccessibleInfo().KeyboardShortcut, L"Alt+G");
}

TEST_F(SkinButton, DefaultAndCancelAnswerEnterAndEscFromAnywhere) {
  TQvSkinButton* Ok = AddButton(20, 20);
  TQvSkinButton* No = AddButton(120, 20);
  auto* Check = Add<TQvSkinCheckBox>(Form.get(), 20, 80, 100, 17);
  Ok->SetDefault(true);
  No->SetCancel(true);
  ShowForm();
  Check->SetFocus();
  PumpIdle();
  PressKey(VK_RETURN);
  EXPECT_EQ(Clicks, std::vector<TObject*>{Ok});
  PressKey(VK_ESCAPE);
  EXPECT_EQ(Clicks, (std::vector<TObject*>{Ok, No}));
}

TEST_F(SkinButton, GroupButtonsLatch) {
  TQvSkinButton* A = AddButton(20, 20);
  TQvSkinButton* B = AddButton(120, 20);
  TQvSkinButton* Other = AddButton(220, 20);  // another group
  A->SetGroupIndex(1);
  B->SetGroupIndex(1);
  Other->SetGroupIndex(2);
  Other->SetDown(true);
  ShowForm();
  Click(Centre(A).X, Centre(A).Y);
  EXPECT_TRUE(A->Down());
  EXPECT_EQ(Clicks.size(), 1u);
  Click(Centre(A).X, Centre(A).Y);  // latched: stays down, clicks again
  EXPECT_TRUE(A->Down());
  EXPECT_EQ(Clicks.size(), 2u);
  // Pressing the second raises the first; a right-button press latches too.
  MoveMouse(Centre(B).X, Centre(B).Y);
  SendMouse(MOUSEEVENTF_RIGHTDOWN);
  SendMouse(MOUSEEVENTF_RIGHTUP);
  PumpInput();
  EXPECT_TRUE(B->Down());
  EXPECT_FALSE(A->Down());
  EXPECT_TRUE(Other->Down());
  EXPECT_EQ(Clicks.size(), 2u);  // only the left button clicks
  // AllowAllUp: a click toggles.
  A->SetAllowAllUp(true);
  B->SetAllowAllUp(true);
  Click(Centre(B).X, Centre(B).Y);
  EXPECT_FALSE(B->Down());
  Click(Centre(B).X, Centre(B).Y);
  EXPECT_TRUE(B->Down());
  // Down set in code raises the siblings as well, even in group 0.
  TQvSkinButton* P = AddButton(20, 60);
  TQvSkinButton* Q = AddButton(120, 60);
  P->SetDown(true);
  Q->SetDown(true);
  EXPECT_FALSE(P->Down());
}

TEST_F(SkinButton, DropdownPartOpensItsMenu) {
  TQvSkinButton* B = AddButton(20, 20);
  auto* Menu = new TRecordingMenu(Form.get());
  B->OnClick = nullptr;
  B->SetDropdownMenu(Menu);
  const TRect Part = B->DropdownMenuRect();
  EXPECT_EQ(Part.Right, 80);
  EXPECT_LT(Part.Left, 80);
  EXPECT_GT(Part.Left, 40);
  ShowForm();
  // Without OnClick a press anywhere opens the menu below the bottom-left corner, offset
  // by (-4, -4), and the release does not click.
  int Clicked = 0;
  Click(Centre(B).X - 20, Centre(B).Y);
  EXPECT_EQ(Menu->Shown, 1);
  EXPECT_EQ(Menu->At, Form->ClientToScreen(TPoint(20 - 4, 20 + 27 - 4)));
  EXPECT_FALSE(B->Down());
  EXPECT_FALSE(B->State().PressedInDropdown);
  // With OnClick the main part clicks, and only the drop-down part opens the menu.
  B->OnClick = [&](TObject*) { ++Clicked; };
  Click(Centre(B).X - 20, Centre(B).Y);
  EXPECT_EQ(Clicked, 1);
  EXPECT_EQ(Menu->Shown, 1);
  const TPoint InPart = B->ClientToScreen(TPoint(Part.Left + 3, 12));
  MoveMouse(InPart.X, InPart.Y);
  EXPECT_TRUE(B->State().MouseInDropdown);
  Click(InPart.X, InPart.Y);
  EXPECT_EQ(Menu->Shown, 2);
  EXPECT_EQ(Clicked, 1);
  EXPECT_EQ(B->AccessibleInfo().Role, arDropDownButton);
  // Freeing the menu clears the reference and the part.
  delete Menu;
  EXPECT_EQ(B->DropdownMenu(), nullptr);
  EXPECT_EQ(B->DropdownMenuRect(), TRect{});
}

TEST_F(SkinButton, HoldingRepeatsUntilTheRelease) {
  TQvSkinButton* B = AddButton(20, 20);
  int Cycles = 0;
  B->OnCycleDownClick = [&](TObject*) { ++Cycles; };
  B->SetCycleDownClick(true);
  ShowForm();
  MoveMouse(Centre(B).X, Centre(B).Y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpInput();
  EXPECT_EQ(Cycles, 0);
  ASSERT_TRUE(PumpUntil([&] { return Cycles >= 3; }));
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpInput();
  const int After = Cycles;
  qvtest::PumpTicks(20, 3);
  EXPECT_EQ(Cycles, After);
}

TEST_F(SkinButton, HoverRepaintsOnlyTheHoveredButton) {
  auto* Parent = Add<qvtest::TProbe>(Form.get(), 10, 10, 300, 100);
  auto* A = new TCountingButton(Form.get());
  A->SetBounds(10, 10, 80, 27);
  A->SetParent(Parent);
  auto* B = new TCountingButton(Form.get());
  B->SetBounds(100, 10, 80, 27);
  B->SetParent(Parent);
  auto* Sibling = Add<qvtest::TProbe>(Parent, 200, 10, 60, 30);
  ShowForm();
  const int ParentBodies = Parent->Bodies, SiblingBodies = Sibling->Bodies, BBodies = B->Bodies,
            ABodies = A->Bodies;
  const TPoint P = A->ClientToScreen(TPoint(40, 12));
  MoveMouse(P.X, P.Y);
  PumpIdle();
  EXPECT_GT(A->Bodies, ABodies);
  EXPECT_EQ(B->Bodies, BBodies);
  EXPECT_EQ(Sibling->Bodies, SiblingBodies);
  EXPECT_EQ(Parent->Bodies, ParentBodies);
  MoveMouse(5, 5);
  PumpIdle();
  EXPECT_EQ(B->Bodies, BBodies);
  EXPECT_EQ(Parent->Bodies, ParentBodies);
}

TEST_F(SkinButton, AnimateButtonPlaysForwardOnHoverAndBackAfter) {
  auto* B = Add<TQvSkinAnimateButton>(Form.get(), 20, 20, 68, 27);
  B->Animate()->SetPicture(L"QvSkinButton");
  B->Animate()->SetCount(5);
  EXPECT_EQ(B->FrameCount(), 5);
  EXPECT_EQ(B->AnimateTimer()->Interval(), 16u);  // 80 ms over 5 frames
  B->SetAnimateSpeed(10);
  EXPECT_EQ(B->AnimateTimer()->Interval(), 5u);
  ShowForm();
  MoveMouse(50, 40 + 200);
  MoveMouse(Centre(B).X, Centre(B).Y);
  EXPECT_TRUE(B->AnimateTimer()->Enabled());
  ASSERT_TRUE(PumpUntil([&] { return !B->AnimateTimer()->Enabled(); }));
  EXPECT_EQ(B->FrameIndex(), 4);
  MoveMouse(5, 5);
  ASSERT_TRUE(PumpUntil([&] { return B->FrameIndex() == 0 && !B->AnimateTimer()->Enabled(); }));
  // No frames: nothing plays and nothing breaks.
  B->Animate()->SetCount(0);
  EXPECT_EQ(B->FrameCount(), 0);
  Redraw(B);
}

TEST_F(SkinButton, AccessibleModel) {
  TQvSkinButton* B = AddButton(20, 20, L"&Save");
  ShowForm();
  B->SetFocus();
  PumpIdle();
  TQvAccessibleInfo I = B->AccessibleInfo();
  EXPECT_EQ(I.Role, arPushButton);
  EXPECT_EQ(I.Name, L"Save");
  EXPECT_EQ(I.DefaultAction, L"Press");
  EXPECT_TRUE(I.State.Contains(asFocusable));
  EXPECT_TRUE(I.State.Contains(asFocused));
  EXPECT_FALSE(I.State.Contains(asPressed));
  B->SetGroupIndex(3);
  B->SetDown(true);
  EXPECT_TRUE(B->AccessibleInfo().State.Contains(asPressed));
  EXPECT_TRUE(B->DoAccessibleDefaultAction());
  EXPECT_EQ(Clicks.size(), 1u);
  B->SetEnabled(false);
  EXPECT_TRUE(B->AccessibleInfo().State.Contains(asDisabled));
}

TEST_F(SkinButton, BadInputPaintsWithoutFault) {
  TQvSkinButton* Empty = AddButton(20, 20, L"");
  TQvSkinButton* Long = AddButton(120, 20, String(10000, L'W'));
  Long->SetWordWrap(true);
  auto* Missing = Add<TQvSkinImageButton>(Form.get(), 20, 60, 40, 40);
  Missing->Pictures()->SetImage(L"NoSuchPicture");
  Missing->Pictures()->SetActive(true);
  Missing->SetCaptionVisible(true);
  Missing->SetCaption(L"?");
  auto* Tool = Add<TQvSkinToolButton>(Form.get(), 80, 60, 22, 22);
  Tool->SetImage(L"NoSuchIcon");
  Tool->SetCaptionVisible(true);
  Tool->SetCaption(String(10000, L'x'));
  ShowForm();
  for (TWinControl* C : std::initializer_list<TWinControl*>{Empty, Long, Missing, Tool}) Redraw(C);
  // A zero-sized button paints too.
  Empty->SetBounds(20, 20, 0, 0);
  Redraw(Empty);
  PumpIdle();
}

}  // namespace
