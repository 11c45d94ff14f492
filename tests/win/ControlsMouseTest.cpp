// Real mouse input: enter and leave for windowed and graphic controls, clicks and the
// capture of a pressed graphic control.
#include <memory>

#include "ControlsTestSupport.h"

using namespace qv;
using qvtest::PumpIdle;
using qvtest::TBox;
using qvtest::TPanel;

namespace {

struct TLog {
  std::vector<String> Events;
  void Watch(TControl* C, const String& Name) {
    C->OnMouseEnter = [this, Name](TObject*) { Events.push_back(Name + L"+"); };
    C->OnMouseLeave = [this, Name](TObject*) { Events.push_back(Name + L"-"); };
    C->OnClick = [this, Name](TObject*) { Events.push_back(Name + L" click"); };
    C->OnDblClick = [this, Name](TObject*) { Events.push_back(Name + L" dblclick"); };
  }
  int Count(const String& E) const { return int(std::count(Events.begin(), Events.end(), E)); }
};

class MouseTest : public qvtest::ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    qvtest::MoveMouse(5, 5);  // start away from the form
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(200, 200, 300, 200);
    Form->SetColor(clWhite);
    W = new TPanel(Form.get());
    W->SetBounds(10, 10, 100, 80);
    W->SetParent(Form.get());
    G = new TBox(Form.get());
    G->SetBounds(150, 10, 100, 80);
    G->SetParent(Form.get());
    Form->Show();
    PumpIdle();
    Log.Watch(Form.get(), L"form");
    Log.Watch(W, L"win");
    Log.Watch(G, L"graphic");
  }
  void TearDown() override {
    Form.reset();
    ControlsTest::TearDown();
  }
  // Screen point of a client point of the form.
  TPoint At(int X, int Y) { return Form->ClientToScreen({X, Y}); }
  void MoveTo(int X, int Y) {
    TPoint P = At(X, Y);
    qvtest::MoveMouse(P.X, P.Y);
  }
  std::unique_ptr<TForm> Form;
  TPanel* W = nullptr;
  TBox* G = nullptr;
  TLog Log;
};

TEST_F(MouseTest, EnterAndLeaveFollowThePointerAcrossWindowedAndGraphicControls) {
  MoveTo(50, 50);
  EXPECT_TRUE(W->MouseInClient());
  EXPECT_EQ(Log.Events, std::vector<String>({L"win+"}));

  MoveTo(200, 50);  // straight from the window onto the graphic control
  ASSERT_TRUE(qvtest::PumpUntil([&] { return !W->MouseInClient(); }));
  EXPECT_TRUE(G->MouseInClient());
  EXPECT_EQ(Log.Count(L"win-"), 1);
  EXPECT_EQ(Log.Count(L"graphic+"), 1);
  EXPECT_EQ(Log.Count(L"form+"), 0);

  MoveTo(200, 150);  // the form's own area below the graphic control
  EXPECT_FALSE(G->MouseInClient());
  EXPECT_TRUE(Form->MouseInClient());
  EXPECT_EQ(Log.Count(L"graphic-"), 1);
  EXPECT_EQ(Log.Count(L"form+"), 1);

  MoveTo(210, 60);  // back onto the graphic control, then off the form entirely
  EXPECT_TRUE(G->MouseInClient());
  qvtest::MoveMouse(5, 5);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return !G->MouseInClient(); }));
  EXPECT_FALSE(Form->MouseInClient());
  EXPECT_EQ(Log.Count(L"graphic-"), 2);
  EXPECT_EQ(Log.Count(L"form-"), 1);  // the form was left for the graphic control
  // Every enter was matched by one leave.
  for (const wchar_t* N : {L"win", L"graphic", L"form"})
    EXPECT_EQ(Log.Count(String(N) + L"+"), Log.Count(String(N) + L"-")) << N;
}

TEST_F(MouseTest, HiddenOrDisabledGraphicControlsAreNotEntered) {
  G->SetEnabled(false);
  MoveTo(200, 50);
  EXPECT_FALSE(G->MouseInClient());
  EXPECT_TRUE(Form->MouseInClient());
  G->SetEnabled(true);
  MoveTo(201, 51);
  EXPECT_TRUE(G->MouseInClient());
  // A graphic control freed under the mouse is forgotten, not left.
  delete G;
  G = nullptr;
  MoveTo(205, 55);
  EXPECT_TRUE(Form->MouseInClient());
}

TEST_F(MouseTest, ClicksReachWindowedAndGraphicControls) {
  TPoint P = At(50, 50);
  qvtest::Click(P.X, P.Y);
  P = At(200, 50);
  qvtest::Click(P.X, P.Y);
  EXPECT_EQ(Log.Count(L"win click"), 1);
  EXPECT_EQ(Log.Count(L"graphic click"), 1);
  EXPECT_EQ(Log.Count(L"form click"), 0);
  // Mouse coordinates arrive in the graphic control's own client coordinates.
  TPoint Down{-1, -1};
  G->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int X, int Y) { Down = {X, Y}; };
  P = At(160, 25);
  qvtest::Click(P.X, P.Y);
  EXPECT_EQ(Down, Point(10, 15));
}

TEST_F(MouseTest, PressedGraphicControlKeepsTheMouseUntilRelease) {
  std::vector<TPoint> Moves;
  G->OnMouseMove = [&](TObject*, TShiftState, int X, int Y) { Moves.push_back({X, Y}); };
  MoveTo(200, 50);
  qvtest::SendMouse(MOUSEEVENTF_LEFTDOWN);
  qvtest::PumpInput();
  EXPECT_TRUE(G->MouseCapture());
  MoveTo(20, 150);  // dragged away over the form
  ASSERT_FALSE(Moves.empty());
  EXPECT_EQ(Moves.back(), Point(20 - 150, 150 - 10));  // still G's coordinates
  qvtest::SendMouse(MOUSEEVENTF_LEFTUP);
  qvtest::PumpInput();
  EXPECT_FALSE(G->MouseCapture());
  EXPECT_EQ(Log.Count(L"graphic click"), 0);  // released outside: no click
}

TEST_F(MouseTest, DoubleClickNeedsTheStyle) {
  TPoint P = At(50, 50);
  qvtest::Click(P.X, P.Y);
  qvtest::Click(P.X, P.Y);
  EXPECT_EQ(Log.Count(L"win dblclick"), 1);
  P = At(200, 50);
  G->SetControlStyle(G->ControlStyle() - TControlStyle{csDoubleClicks});
  qvtest::Click(P.X, P.Y);
  qvtest::Click(P.X, P.Y);
  EXPECT_EQ(Log.Count(L"graphic dblclick"), 0);
  EXPECT_EQ(Log.Count(L"graphic click"), 2);  // two single clicks instead
}

}  // namespace
