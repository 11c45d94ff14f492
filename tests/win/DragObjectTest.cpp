// Dragging between controls with real input: the threshold, the target's answer, the drop,
// Escape, and a release before the threshold staying a click.
#include <vector>

#include "SkinControlsTestSupport.h"
#include "host/CustomControl.h"
#include "host/DragObject.h"

using namespace qv;
using namespace qvtest;

namespace {

struct TRecord {
  std::vector<TDragState> States;
  int Drops = 0, Starts = 0, Ends = 0, Ups = 0;
  TObject* EndTarget = reinterpret_cast<TObject*>(1);
  TPoint DropAt{-1, -1};
};

// Records Finished of the objects it makes.
class TRecordingDragObject : public TDragObjectEx {
 public:
  explicit TRecordingDragObject(bool* Cancelled) : FCancelled(Cancelled) {}
  void Finished(TObject*, int, int, bool) override { *FCancelled = Cancelling(); }

 private:
  bool* FCancelled;
};

class TDragBox : public TCustomControl, public IQvDragClient {
 public:
  using TCustomControl::TCustomControl;
  TRecord R;
  bool Accepts = true;
  bool Cancelled = false;
  void DoStartDrag(TDragObject*& Obj) override {
    ++R.Starts;
    Obj = new TRecordingDragObject(&Cancelled);
  }
  void DragOver(TObject*, int, int, TDragState State, bool& Accept) override {
    R.States.push_back(State);
    Accept = Accepts;
  }
  void DragDrop(TObject*, int X, int Y) override {
    ++R.Drops;
    R.DropAt = {X, Y};
  }
  void DoEndDrag(TObject* Target, int, int) override {
    ++R.Ends;
    R.EndTarget = Target;
  }

 protected:
  void MouseDown(TMouseButton B, TShiftState S, int X, int Y) override {
    TCustomControl::MouseDown(B, S, X, Y);
    SetFocus();
    BeginDrag(this, false, 10);
  }
  void MouseUp(TMouseButton B, TShiftState S, int X, int Y) override {
    TCustomControl::MouseUp(B, S, X, Y);
    ++R.Ups;
  }
};

class DragObjectTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Source = Add<TDragBox>(Form.get(), 10, 10, 100, 100);
    Target = Add<TDragBox>(Form.get(), 200, 10, 100, 100);
    Source->SetTabStop(true);
    ShowForm();
  }
  void Press() {
    const TPoint P = Source->ClientToScreen({50, 50});
    MoveMouse(P.X, P.Y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    PumpInput();
  }
  void Release() {
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpInput();
  }
  void MoveTo(TDragBox* Box, int X, int Y) {
    const TPoint P = Box->ClientToScreen({X, Y});
    MoveMouse(P.X, P.Y);
  }
  TDragBox* Source = nullptr;
  TDragBox* Target = nullptr;
};

}  // namespace

TEST_F(DragObjectTest, DropOnATargetThatAccepts) {
  struct Case {
    const char* Name;
    bool Accepts;
    int WantDrops;
    bool WantTargetAsEnd;
  };
  for (const Case& K : {Case{"accepted", true, 1, true}, Case{"refused", false, 0, false}}) {
    SCOPED_TRACE(K.Name);
    Source->R = {};
    Target->R = {};
    Target->Accepts = K.Accepts;
    Press();
    MoveTo(Source, 55, 50);  // within the threshold
    EXPECT_EQ(Source->R.Starts, 0);
    MoveTo(Target, 30, 40);
    MoveTo(Target, 40, 40);
    EXPECT_EQ(Source->R.Starts, 1);
    EXPECT_TRUE(Dragging(Source));
    Release();
    EXPECT_FALSE(Dragging());
    EXPECT_EQ(Target->R.Drops, K.WantDrops);
    if (K.Accepts) {
      EXPECT_EQ(Target->R.DropAt, TPoint(40, 40));
    }
    ASSERT_GE(Target->R.States.size(), 2u);
    EXPECT_EQ(Target->R.States.front(), dsDragEnter);
    EXPECT_EQ(Target->R.States[1], dsDragMove);
    EXPECT_EQ(Target->R.States.back(), K.Accepts ? dsDragMove : dsDragLeave);
    EXPECT_EQ(Source->R.Ends, 1);
    EXPECT_EQ(Source->R.EndTarget, K.WantTargetAsEnd ? static_cast<TObject*>(Target) : nullptr);
    EXPECT_EQ(Source->R.Ups, 0);  // a drag's release is no click
    EXPECT_FALSE(Source->Cancelled);
  }
}

TEST_F(DragObjectTest, EscapeCancelsAndAShortPressStaysAClick) {
  Press();
  MoveTo(Target, 40, 40);
  ASSERT_TRUE(Dragging(Source));
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(Dragging());
  EXPECT_EQ(Target->R.Drops, 0);
  EXPECT_EQ(Source->R.EndTarget, nullptr);
  EXPECT_TRUE(Source->Cancelled);
  Release();
  EXPECT_EQ(Target->R.Drops, 0);

  Source->R = {};
  Press();
  MoveTo(Source, 53, 52);
  Release();
  EXPECT_EQ(Source->R.Starts, 0);
  EXPECT_EQ(Source->R.Ends, 0);
  EXPECT_EQ(Source->R.Ups, 1);
  EXPECT_FALSE(Dragging());
}
