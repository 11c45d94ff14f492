// Alignment and anchors of real child windows and graphic controls.
#include <memory>

#include "ControlsTestSupport.h"

using namespace qv;
using qvtest::PumpIdle;
using qvtest::TBox;
using qvtest::TPanel;

namespace {

template <typename T>
T* Add(TWinControl* Parent, TAlign Align, TRect R) {
  auto* C = new T(Parent);
  C->SetBoundsRect(R);
  C->SetAlign(Align);
  C->SetParent(Parent);
  return C;
}

// Client bounds of a window in its parent, as the platform has them.
TRect WindowBounds(TWinControl* C) {
  RECT R;
  GetWindowRect(C->Handle(), &R);
  MapWindowPoints(HWND_DESKTOP, GetParent(C->Handle()), reinterpret_cast<POINT*>(&R), 2);
  return Rect(R.left, R.top, R.right, R.bottom);
}

using LayoutTest = qvtest::ControlsTest;

TEST_F(LayoutTest, AlignedChildrenShareTheClientAreaAndFollowResizes) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBorderStyle(bsSizeable);
  Form->SetClientSize(400, 300);
  auto* Top = Add<TPanel>(Form.get(), alTop, Bounds(0, 0, 10, 30));
  auto* Bottom = Add<TBox>(Form.get(), alBottom, Bounds(0, 0, 10, 20));
  auto* Left = Add<TPanel>(Form.get(), alLeft, Bounds(0, 0, 50, 10));
  auto* Right = Add<TPanel>(Form.get(), alRight, Bounds(0, 0, 60, 10));
  auto* Client = Add<TPanel>(Form.get(), alClient, Bounds(0, 0, 10, 10));
  Form->Show();
  PumpIdle();
  EXPECT_EQ(Form->ClientWidth(), 400);
  EXPECT_EQ(Top->BoundsRect(), Bounds(0, 0, 400, 30));
  EXPECT_EQ(Bottom->BoundsRect(), Bounds(0, 280, 400, 20));
  EXPECT_EQ(Left->BoundsRect(), Bounds(0, 30, 50, 250));
  EXPECT_EQ(Right->BoundsRect(), Bounds(340, 30, 60, 250));
  EXPECT_EQ(Client->BoundsRect(), Bounds(50, 30, 290, 250));
  EXPECT_EQ(WindowBounds(Client), Client->BoundsRect());  // the windows went there too

  // The user (or the platform) resizes the form: the layout follows.
  RECT W;
  GetWindowRect(Form->Handle(), &W);
  SetWindowPos(Form->Handle(), nullptr, 0, 0, W.right - W.left + 100, W.bottom - W.top + 50,
               SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(Form->ClientWidth(), 500);
  EXPECT_EQ(Bottom->BoundsRect(), Bounds(0, 330, 500, 20));
  EXPECT_EQ(Right->BoundsRect(), Bounds(440, 30, 60, 300));
  EXPECT_EQ(WindowBounds(Client), Bounds(50, 30, 390, 300));

  // A hidden aligned child gives its space back; the order survives showing it again.
  Left->Hide();
  EXPECT_EQ(Client->BoundsRect(), Bounds(0, 30, 440, 300));
  Left->Show();
  EXPECT_EQ(Left->BoundsRect(), Bounds(0, 30, 50, 300));
  // A new width of a left child moves its neighbours.
  Left->SetWidth(80);
  EXPECT_EQ(Client->BoundsRect(), Bounds(80, 30, 360, 300));
  // Removing a child realigns the rest.
  delete Top;
  EXPECT_EQ(Left->BoundsRect(), Bounds(0, 0, 80, 330));
}

TEST_F(LayoutTest, NestedAlignmentUsesTheAdjustedClientRect) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetClientSize(300, 200);
  auto* Outer = Add<TPanel>(Form.get(), alClient, Bounds(0, 0, 10, 10));
  Outer->Inset = 5;
  auto* Inner = Add<TPanel>(Outer, alClient, Bounds(0, 0, 10, 10));
  auto* Bar = Add<TBox>(Outer, alTop, Bounds(0, 0, 10, 25));
  // Before any window exists the layout is already in place.
  EXPECT_EQ(Outer->BoundsRect(), Bounds(0, 0, 300, 200));
  EXPECT_EQ(Bar->BoundsRect(), Bounds(5, 5, 290, 25));
  EXPECT_EQ(Inner->BoundsRect(), Bounds(5, 30, 290, 165));
  Form->Show();
  PumpIdle();
  EXPECT_EQ(WindowBounds(Inner), Bounds(5, 30, 290, 165));
  Outer->Inset = 10;
  Outer->Realign();
  EXPECT_EQ(Inner->BoundsRect(), Bounds(10, 35, 280, 155));
}

TEST_F(LayoutTest, AnchoredChildrenKeepTheirMarginsWhenTheFormResizes) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetClientSize(300, 200);
  Form->Show();  // anchors taken with the window in place
  PumpIdle();
  auto* Ok = Add<TPanel>(Form.get(), alNone, Bounds(210, 160, 80, 30));
  Ok->SetAnchors({akRight, akBottom});
  auto* Edit = Add<TPanel>(Form.get(), alNone, Bounds(10, 10, 280, 24));
  Edit->SetAnchors({akLeft, akTop, akRight});
  auto* Memo = Add<TBox>(Form.get(), alNone, Bounds(10, 40, 280, 110));
  Memo->SetAnchors({akLeft, akTop, akRight, akBottom});
  auto* Fixed = Add<TBox>(Form.get(), alNone, Bounds(5, 170, 20, 20));

  Form->SetClientSize(400, 260);
  EXPECT_EQ(Ok->BoundsRect(), Bounds(310, 220, 80, 30));
  EXPECT_EQ(Edit->BoundsRect(), Bounds(10, 10, 380, 24));
  EXPECT_EQ(Memo->BoundsRect(), Bounds(10, 40, 380, 170));
  EXPECT_EQ(Fixed->BoundsRect(), Bounds(5, 170, 20, 20));
  EXPECT_EQ(WindowBounds(Ok), Ok->BoundsRect());
  // Moving a control by hand takes new rules: it stays where it was put.
  Ok->SetLeft(100);
  Form->SetClientSize(420, 260);
  EXPECT_EQ(Ok->Left(), 120);
  // And back to the first size: everything returns.
  Form->SetClientSize(300, 200);
  EXPECT_EQ(Edit->BoundsRect(), Bounds(10, 10, 280, 24));
  EXPECT_EQ(Memo->BoundsRect(), Bounds(10, 40, 280, 110));
}

TEST_F(LayoutTest, ConstraintsAndOnCanResizeLimitTheSize) {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetClientSize(300, 200);
  auto* P = Add<TPanel>(Form.get(), alNone, Bounds(0, 0, 50, 50));
  P->Constraints()->SetMinWidth(40);
  P->Constraints()->SetMaxHeight(60);
  P->SetBounds(0, 0, 10, 100);
  EXPECT_EQ(P->Width(), 40);
  EXPECT_EQ(P->Height(), 60);
  P->OnCanResize = [](TObject*, int& W, int&, bool& Resize) { Resize = W < 100; };
  P->SetWidth(200);
  EXPECT_EQ(P->Width(), 40);
  P->SetWidth(70);
  EXPECT_EQ(P->Width(), 70);
  Form->Show();
  PumpIdle();
  int Resized = 0;
  P->OnResize = [&](TObject*) { ++Resized; };
  P->SetHeight(30);
  EXPECT_EQ(Resized, 1);
  // A form's constraints hold against the platform's own sizing too.
  Form->Constraints()->SetMinWidth(250);
  SetWindowPos(Form->Handle(), nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER);
  PumpIdle();
  EXPECT_GE(Form->Width(), 100);  // SetWindowPos bypasses the tracking limits
  Form->SetWidth(100);
  EXPECT_EQ(Form->Width(), 250);
}

}  // namespace
