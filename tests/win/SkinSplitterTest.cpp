// The splitter dragged with the real mouse: the neighbour's size within MinSize and the
// parent's room, the snap to nothing and back, a refused size, Escape, the far sides.
#include "SkinControlsTestSupport.h"
#include "host/ObjectText.h"

using namespace qv;
using qvtest::MoveMouse;
using qvtest::PressKey;
using qvtest::PumpInput;
using qvtest::SendMouse;
using qvtest::TPanel;

namespace {

// The form (400 × 300 at 300, 200) holds a 100 wide panel on the left, a splitter after it
// and a client panel.
class SkinSplitter : public qvtest::SkinFormTest {
 protected:
  void Build(TAlign Side, int Size) {
    Side_ = Side;
    const bool Horizontal = Side == alLeft || Side == alRight;
    Panel = AddPanel(Form.get(), 0, 0, Size, Size);
    Panel->SetAlign(Side);
    Splitter = new TQvSkinSplitter(Form.get());
    // Placed beyond the panel so that aligning keeps it next to the panel.
    Splitter->SetBounds(Side == alLeft    ? Size
                        : Side == alRight ? 400 - Size - 3
                                          : 0,
                        Side == alTop      ? Size
                        : Side == alBottom ? 300 - Size - 3
                                           : 0,
                        Horizontal ? 3 : 400, Horizontal ? 300 : 3);
    Splitter->SetAlign(Side);
    Splitter->SetParent(Form.get());
    Client = AddPanel(Form.get(), 150, 150, 10, 10, clGreen);
    Client->SetAlign(alClient);
    Splitter->OnMoved = [this](TObject*) { ++Moved; };
    ShowForm();
  }
  TPanel* AddPanel(TWinControl* P, int L, int T, int W, int H, TColor C = clRed) {
    auto* X = new TPanel(Form.get(), C);
    X->SetBounds(L, T, W, H);
    X->SetParent(P);
    return X;
  }
  int PanelSize() const {
    return Side_ == alLeft || Side_ == alRight ? Panel->Width() : Panel->Height();
  }
  // Presses in the splitter's middle, moves by each offset in turn and releases.
  void Drag(std::initializer_list<int> Offsets, std::function<void()> WhileHeld = {}) {
    const TPoint C =
        Splitter->ClientToScreen(TPoint(Splitter->Width() / 2, Splitter->Height() / 2));
    const bool Horizontal = Side_ == alLeft || Side_ == alRight;
    MoveMouse(C.X, C.Y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    PumpInput();
    for (int D : Offsets) MoveMouse(C.X + (Horizontal ? D : 0), C.Y + (Horizontal ? 0 : D));
    if (WhileHeld) WhileHeld();
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpInput();
  }
  TAlign Side_ = alLeft;
  TPanel* Panel = nullptr;
  TQvSkinSplitter* Splitter = nullptr;
  TPanel* Client = nullptr;
  int Moved = 0;
};

TEST_F(SkinSplitter, NewSplitterDefaults) {
  TQvSkinSplitter S(nullptr);
  EXPECT_EQ(S.Align(), alLeft);
  EXPECT_EQ(S.Width(), 3);
  EXPECT_EQ(S.Height(), 100);
  EXPECT_EQ(S.Cursor(), crHSplit);
  EXPECT_EQ(S.MinSize(), 30);
  EXPECT_TRUE(S.AutoSnap());
  EXPECT_EQ(S.ResizeType(), rtDot);
  EXPECT_EQ(S.DotColor(), TColor(0xE18C29));
  EXPECT_EQ(S.Color(), clWhite);
  EXPECT_FALSE(S.ControlStyle().Contains(csAcceptsControls));
  // The split cursor follows the orientation; another cursor stays.
  S.SetAlign(alBottom);
  EXPECT_EQ(S.Cursor(), crVSplit);
  S.SetAlign(alRight);
  EXPECT_EQ(S.Cursor(), crHSplit);
  S.SetCursor(crHandPoint);
  S.SetAlign(alTop);
  EXPECT_EQ(S.Cursor(), crHandPoint);
}

TEST_F(SkinSplitter, DragResizesTheLeftNeighbourWithinItsLimits) {
  Build(alLeft, 100);
  ASSERT_EQ(Splitter->Left(), 100);
  Drag({20, 60});
  EXPECT_EQ(Panel->Width(), 160);
  EXPECT_EQ(Splitter->Left(), 160);
  EXPECT_EQ(Moved, 2);  // the size change, then the end of the drag
  EXPECT_EQ(Splitter->ResizeControl(), nullptr);
  // The room left: 400 - MinSize - (160 + 3) + 160.
  Drag({400});
  EXPECT_EQ(Panel->Width(), 367);
  // Below MinSize it snaps to nothing; the collapsed panel is still found and opens again.
  Drag({-350});
  EXPECT_EQ(Panel->Width(), 0);
  EXPECT_EQ(Splitter->Left(), 0);
  Drag({50});
  EXPECT_EQ(Panel->Width(), 50);
  // Without AutoSnap it stops at MinSize.
  Splitter->SetAutoSnap(false);
  Drag({-45});
  EXPECT_EQ(Panel->Width(), 30);
  // A drag that ends where it began only reports the end.
  Moved = 0;
  Drag({10, -10, 0});
  EXPECT_EQ(Panel->Width(), 30);
  EXPECT_EQ(Moved, 1);
}

TEST_F(SkinSplitter, FarSidesMoveTheNeighboursEdge) {
  struct {
    TAlign Side;
    int Offset, Size;
  } Cases[] = {{alBottom, -40, 140}, {alRight, 30, 70}, {alTop, 25, 125}};
  for (auto& C : Cases) {
    SCOPED_TRACE(C.Side);
    Form.reset();
    SetUp();
    Build(C.Side, 100);
    Drag({C.Offset / 2, C.Offset});
    EXPECT_EQ(PanelSize(), C.Size);
    // The panel keeps to its side.
    if (C.Side == alBottom) EXPECT_EQ(Panel->Top(), 300 - C.Size);
    if (C.Side == alRight) EXPECT_EQ(Panel->Left(), 400 - C.Size);
  }
}

TEST_F(SkinSplitter, OnCanResizeRefusalKeepsTheLastAcceptedSize) {
  Build(alLeft, 100);
  std::vector<int> Asked;
  Splitter->OnCanResize = [&](TObject* Sender, int& NewSize, bool& Accept) {
    EXPECT_EQ(Sender, Splitter);
    Asked.push_back(NewSize);
    Accept = NewSize <= 150;
  };
  Drag({40, 100});
  EXPECT_EQ(Asked, (std::vector<int>{140, 200}));
  EXPECT_EQ(Panel->Width(), 140);
  // A handler may change the size too.
  Splitter->OnCanResize = [](TObject*, int& NewSize, bool&) { NewSize = 90; };
  Drag({-20});
  EXPECT_EQ(Panel->Width(), 90);
}

TEST_F(SkinSplitter, EscapeInTheFocusedControlCancelsTheDrag) {
  Build(alLeft, 100);
  Client->SetTabStop(true);
  Form->SetActiveControl(Client);
  int OwnKeys = 0;
  Client->OnKeyDown = [&](TObject*, uint16_t&, TShiftState) { ++OwnKeys; };
  PumpInput();
  ASSERT_TRUE(Client->Focused());
  Drag({50}, [&] {
    PressKey('A');  // reaches the control's own handler through the splitter's
    PressKey(VK_ESCAPE);
    EXPECT_EQ(Splitter->ResizeControl(), nullptr);
  });
  EXPECT_EQ(Panel->Width(), 100);
  EXPECT_EQ(Moved, 1);  // only the end of the drag
  EXPECT_EQ(OwnKeys, 1);
  PressKey('B');
  EXPECT_EQ(OwnKeys, 2);  // the control has its handler back
}

TEST_F(SkinSplitter, FreedDuringADragLeavesNoHandlerBehind) {
  Build(alLeft, 100);
  Client->SetTabStop(true);
  Form->SetActiveControl(Client);
  int OwnKeys = 0;
  Client->OnKeyDown = [&](TObject*, uint16_t&, TShiftState) { ++OwnKeys; };
  PumpInput();
  Drag({30}, [&] {
    delete Splitter;
    Splitter = nullptr;
  });
  EXPECT_EQ(Panel->Width(), 100);
  PressKey(VK_ESCAPE);
  EXPECT_EQ(OwnKeys, 1);
  // Freeing the resized control ends the drag without a size.
  Splitter = new TQvSkinSplitter(Form.get());
  Splitter->SetBounds(100, 0, 3, 300);
  Splitter->SetParent(Form.get());
  Drag({30}, [&] {
    delete Panel;
    Panel = nullptr;
    EXPECT_EQ(Splitter->ResizeControl(), nullptr);
  });
}

TEST_F(SkinSplitter, GripAndRoundTrip) {
  Build(alLeft, 100);
  Splitter->SetTransparent(false);
  Splitter->Invalidate();
  qvtest::PumpIdle();
  // x = (3 - 2) div 2, y from (300 - 30) div 2.
  EXPECT_EQ(qvtest::Rgb(*Splitter->Buffer(), 0, 135), qvtest::Rgb(TColor(0xE18C29)));
  EXPECT_EQ(qvtest::Rgb(*Splitter->Buffer(), 2, 136), 0xF0F0F0u);
  EXPECT_EQ(qvtest::Rgb(*Splitter->Buffer(), 1, 135), 0xFFFFFFu);
  Splitter->SetResizeType(rtNone);
  qvtest::PumpIdle();
  EXPECT_EQ(qvtest::Rgb(*Splitter->Buffer(), 0, 135), 0xFFFFFFu);

  TForm Source(nullptr);
  Source.SetName(L"SplitForm");
  auto* S = new TQvSkinSplitter(&Source);
  S->SetParent(&Source);
  S->SetName(L"Splitter1");
  S->SetAlign(alBottom);
  S->SetMinSize(12);
  S->SetAutoSnap(false);
  S->SetDotColor(clRed);
  S->SetResizeType(rtNone);
  const String Text = ComponentToText(Source);
  TForm Copy(nullptr);
  TextToComponent(Text, Copy);
  auto* S2 = dynamic_cast<TQvSkinSplitter*>(Copy.FindComponent(L"Splitter1"));
  ASSERT_NE(S2, nullptr);
  EXPECT_EQ(S2->MinSize(), 12);
  EXPECT_FALSE(S2->AutoSnap());
  EXPECT_EQ(S2->DotColor(), clRed);
  EXPECT_EQ(S2->ResizeType(), rtNone);
  EXPECT_EQ(S2->Align(), alBottom);
  EXPECT_EQ(S2->Cursor(), crVSplit);
  EXPECT_EQ(ComponentToText(Copy), Text);
}

}  // namespace
