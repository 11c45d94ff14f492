// The see-through skinned control base: the parent's finished pixels behind a transparent
// child, reusing the buffer only while the control lies inside its parent, the
// background events, WM_ERASEBKGND, the children's refresh and the delayed refresh.
#include "SkinControlsTestSupport.h"

using namespace qv;
using qvtest::PumpIdle;
using qvtest::Rgb;
using qvtest::TProbe;

namespace {

using SkinControl = qvtest::SkinFormTest;

TEST_F(SkinControl, TransparentChildShowsThePanelsFinishedPixels) {
  auto* Panel = Add<TQvSkinPanel>(Form.get(), 20, 20, 185, 114);
  auto* Inner = Add<TQvSkinPanel>(Panel, 30, 30, 100, 60);  // a skinned panel in a panel
  Inner->SetColor(clYellow);
  auto* Child = Add<TProbe>(Panel, 0, 10, 60, 40);  // over the left border
  auto* Nested = Add<TProbe>(Inner, 10, 5, 40, 30);
  ShowForm();
  ASSERT_TRUE(Child->BufferValid());
  struct {
    TQvSkinCustomControl *Parent, *Child;
  } Pairs[] = {{Panel, Child}, {Inner, Nested}};
  for (auto& P : Pairs) {
    TBitmap32* Mine = P.Child->Buffer();
    TBitmap32* Theirs = P.Parent->Buffer();
    int Differ = 0;
    for (int Y = 0; Y < Mine->Height(); ++Y)
      for (int X = 0; X < Mine->Width(); ++X)
        Differ += Mine->Pixel(X, Y) != Theirs->Pixel(X + P.Child->Left(), Y + P.Child->Top());
    EXPECT_EQ(Differ, 0) << P.Child->Left() << "," << P.Child->Top();
  }
  // The panel's border and fill are in the child's picture.
  EXPECT_EQ(Rgb(*Child->Buffer(), 0, 20), 0xBACBD9u);
  EXPECT_EQ(Rgb(*Child->Buffer(), 1, 20), 0xFFFFFFu);
  EXPECT_EQ(Rgb(*Nested->Buffer(), 5, 5), Rgb(*Inner->Buffer(), 15, 10));
}

TEST_F(SkinControl, ChildPaintedBeforeItsParentTakesTheParentsNewPicture) {
  auto* Panel = Add<TQvSkinPanel>(Form.get(), 20, 20, 185, 114);
  Panel->SetAlpha(255);
  auto* Child = Add<TProbe>(Panel, 40, 40, 40, 30);
  ShowForm();
  Panel->SetColor(clYellow);  // the panel's buffer is stale until it paints again
  Child->Repaint();           // the child paints first
  EXPECT_EQ(Rgb(*Child->Buffer(), 5, 5), 0xFFFF00u);
}

TEST_F(SkinControl, BufferIsReusedOnlyInsideTheParent) {
  auto* Panel = Add<TQvSkinPanel>(Form.get(), 20, 20, 185, 114);
  struct {
    int L, T;
    bool Reused;
  } Cases[] = {{10, 10, true}, {150, 10, false}, {10, 100, false}, {-5, 10, false}};
  std::vector<TProbe*> Probes;
  for (auto& C : Cases) Probes.push_back(Add<TProbe>(Panel, C.L, C.T, 60, 30));
  ShowForm();
  for (size_t I = 0; I < Probes.size(); ++I) {
    SCOPED_TRACE(testing::Message() << "at " << Cases[I].L << "," << Cases[I].T);
    int Before = Probes[I]->Bodies;
    ASSERT_GE(Before, 1);
    Redraw(Probes[I]);
    Redraw(Probes[I]);
    EXPECT_EQ(Probes[I]->Bodies, Cases[I].Reused ? Before : Before + 2);
    EXPECT_EQ(Probes[I]->BufferValid(), Cases[I].Reused);
  }
}

TEST_F(SkinControl, BackgroundFromHandlerColourOrParent) {
  auto* Probe = Add<TProbe>(Form.get(), 10, 10, 40, 30);
  Probe->SetColor(clYellow);
  int Changed = 0;
  bool HandleIt = false;
  Probe->OnBackgroundChanging = [&](TObject*, TBitmap32* B, bool& Handled) {
    if (!HandleIt) return;
    B->FillRectS(0, 0, 40, 30, Color32(0, 255, 0));
    Handled = true;
  };
  Probe->OnBackgroundChanged = [&](TObject*, TBitmap32*) { ++Changed; };
  ShowForm();
  struct {
    bool Handled, Transparent;
    uint32_t Pixel;
  } Cases[] = {
      {false, true, 0x0000FF},   // the form's own painting
      {false, false, 0xFFFF00},  // Color, opaque
      {true, true, 0x00FF00},    // what the handler painted, untouched
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.Handled << C.Transparent);
    HandleIt = C.Handled;
    int Bodies = Probe->Bodies, Changes = Changed;
    Probe->SetTransparent(C.Transparent);
    PumpIdle();
    EXPECT_EQ(Probe->Bodies, Bodies);  // setting Transparent does not repaint
    Probe->Invalidate();
    PumpIdle();
    EXPECT_EQ(Probe->Bodies, Bodies + 1);
    EXPECT_EQ(Changed, Changes + 1);
    EXPECT_EQ(Probe->Buffer()->Pixel(20, 15), 0xFF000000 | C.Pixel);
  }
}

TEST_F(SkinControl, EraseBackgroundDrawsTheBufferOnlyForLParamOne) {
  auto* Probe = Add<TProbe>(Form.get(), 10, 10, 40, 30);
  Probe->Body = [](TBitmap32* B) { B->FillRectS(0, 0, 40, 30, Color32(0, 255, 0)); };
  ShowForm();
  struct {
    bool Erase;
    intptr_t LParam;
    bool Draws;
  } Cases[] = {{true, 1, true}, {true, 0, false}, {true, 2, false}, {false, 1, false}};
  TBitmap32 Target;
  Target.SetSize(40, 30);
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.Erase << " lParam " << C.LParam);
    Probe->SetEraseBackground(C.Erase);
    Target.Clear(clBlack32);
    EXPECT_EQ(SendMessageW(Probe->Handle(), WM_ERASEBKGND, WPARAM(Target.Handle()), C.LParam), 1);
    GdiFlush();
    EXPECT_EQ(Rgb(Target, 5, 5), C.Draws ? 0x00FF00u : 0u);
  }
}

class TCountingBlock : public qvtest::TBlock {
 public:
  using TBlock::TBlock;
  int CheckParentBg = 0;
  void WndProc(TMessage& Message) override {
    if (Message.Msg == CWM_CHECKPARENTBG) ++CheckParentBg;
    TBlock::WndProc(Message);
  }
};

TEST_F(SkinControl, RefreshSubControlPostsToWindowedChildrenOnly) {
  auto* Panel = Add<TQvSkinPanel>(Form.get(), 20, 20, 185, 114);
  auto* Windowed = Add<TProbe>(Panel, 10, 10, 40, 30);
  auto* Graphic = new TCountingBlock(Form.get(), clRed);
  Graphic->SetBounds(60, 10, 20, 20);
  Graphic->SetParent(Panel);
  ShowForm();
  int Bodies = Windowed->Bodies;
  Panel->RefreshSubControl(true);
  PumpIdle();
  EXPECT_EQ(Windowed->CheckParentBg, 0);
  Panel->RefreshSubControl(false);
  EXPECT_EQ(Windowed->CheckParentBg, 0);  // posted, not sent
  PumpIdle();
  EXPECT_EQ(Windowed->CheckParentBg, 1);
  EXPECT_EQ(Windowed->Bodies, Bodies + 1);  // captured again
  EXPECT_EQ(Graphic->CheckParentBg, 0);

  // Moving a control with AutoInvalidate refreshes its children too.
  Panel->SetAutoInvalidate(true);
  Panel->SetLeft(30);
  PumpIdle();
  EXPECT_EQ(Windowed->CheckParentBg, 2);
}

TEST_F(SkinControl, DelayedRefreshHoldsTheBodyWhileSizing) {
  auto* Probe = Add<TProbe>(Form.get(), 10, 10, 40, 30);
  Probe->SetDelayRefresh(true);
  std::vector<bool> Stopped;  // FStopDrawBody at each body paint
  Probe->Body = [&](TBitmap32*) { Stopped.push_back(Probe->FStopDrawBody); };
  ShowForm();
  Probe->SetWidth(60);
  Probe->SetWidth(70);
  EXPECT_TRUE(Probe->FStopDrawBody);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return !Probe->FStopDrawBody; }, 1000));
  PumpIdle();
  // The timer's repaint draws the body in full.
  ASSERT_FALSE(Stopped.empty());
  EXPECT_FALSE(Stopped.back());
  EXPECT_EQ(Probe->Buffer()->Width(), 70);  // no oversize: exactly the control
}

// While sizing, a paint shows the background only, and so does a child that captures the
// control then; the delayed refresh brings the body back in both.
TEST_F(SkinControl, DelayedRefreshPaintsTheBodyOnlyWhenSizingPauses) {
  auto* Probe = Add<TProbe>(Form.get(), 10, 10, 40, 30);
  Probe->SetTransparent(false);
  Probe->SetColor(clYellow);
  Probe->SetDelayRefresh(true);
  Probe->Body = [](TBitmap32* B) { B->FillRectS(0, 0, B->Width(), B->Height(), 0xFF00FF00); };
  auto* Child = Add<TProbe>(Probe, 2, 2, 10, 10);
  ShowForm();
  // Placing the controls was a sizing too: the body comes with the delayed refresh.
  ASSERT_TRUE(qvtest::PumpUntil(
      [&] {
        return Rgb(*Probe->Buffer(), 20, 20) == 0x00FF00u &&
               Rgb(*Child->Buffer(), 5, 5) == 0x00FF00u;
      },
      1000));

  Probe->SetWidth(60);
  // Painted before the timer can come: no messages are pumped in between.
  Redraw(Probe);
  Child->Invalidate();
  Redraw(Child);
  EXPECT_EQ(Rgb(*Probe->Buffer(), 50, 20), 0xFFFF00u);
  EXPECT_EQ(Rgb(*Child->Buffer(), 5, 5), 0xFFFF00u);

  EXPECT_TRUE(qvtest::PumpUntil(
      [&] {
        return Rgb(*Probe->Buffer(), 50, 20) == 0x00FF00u &&
               Rgb(*Child->Buffer(), 5, 5) == 0x00FF00u;
      },
      1000));
}

TEST_F(SkinControl, RegistryHoldsLiveControlsAndVisibilityIsReported) {
  TQvWinControlHelper* Registry = TQvWinControlHelperObj();
  ASSERT_NE(Registry, nullptr);
  int Count = Registry->Count();
  auto* Panel = Add<TQvSkinPanel>(Form.get(), 0, 0, 50, 50);
  auto* Layer = Add<TQvSkinCustomLayerControl>(Panel, 0, 0, 10, 10);
  EXPECT_EQ(Registry->Count(), Count + 2);
  EXPECT_GE(Registry->IndexOf(Layer), 0);
  int Visibility = 0;
  Panel->OnVisibleChanged = [&](TObject*) { ++Visibility; };
  Panel->Hide();
  Panel->SetDesigning(true, false);
  Panel->Show();  // not at design time
  EXPECT_EQ(Visibility, 1);
  Panel->SetDesigning(false, false);
  delete Layer;
  delete Panel;
  EXPECT_EQ(Registry->Count(), Count);
  EXPECT_EQ(Registry->IndexOf(Panel), -1);
}

}  // namespace

namespace {

TEST_F(SkinControl, LayerControlCapturesItsBackgroundIntoItsPicture) {
  auto* Panel = Add<TQvSkinPanel>(Form.get(), 20, 20, 185, 114);
  auto* Layer = Add<TQvSkinCustomLayerControl>(Panel, 0, 10, 60, 40);
  Layer->SetColor(clYellow);
  ShowForm();
  TBitmap32* Picture = Layer->Bitmap();
  EXPECT_FALSE(Layer->RedrawBackground());
  ASSERT_EQ(Picture->Width(), 60);
  EXPECT_EQ(Rgb(*Picture, 5, 5), 0xFFFF00u);  // not transparent: the control's colour
  EXPECT_EQ(Rgb(*Layer->Buffer(), 5, 5), 0xFFFF00u);

  Layer->SetTransparent(true);
  PumpIdle();
  EXPECT_EQ(Rgb(*Picture, 0, 20), 0xBACBD9u);  // the panel's border
  EXPECT_EQ(Picture->Pixel(30, 20), Panel->Buffer()->Pixel(30, 30));
  EXPECT_EQ(Rgb(*Layer->Buffer(), 0, 20), 0xBACBD9u);

  // Drawn over, the picture stays until the parent asks for a new capture.
  Picture->FillRectS(0, 0, 10, 10, Color32(0, 255, 0));
  PumpIdle();
  EXPECT_EQ(Rgb(*Layer->Buffer(), 5, 5), 0x00FF00u);
  PostMessageW(Layer->Handle(), CWM_CHECKPARENTBG, 0, 0);
  PumpIdle();
  EXPECT_EQ(Picture->Pixel(5, 5), Panel->Buffer()->Pixel(5, 15));
}

TEST_F(SkinControl, PlainBufferedControlRepaintsOnCheckParentBg) {
  struct TCounting : TQvCustomControl {
    using TQvCustomControl::TQvCustomControl;
    String ClassName() const override { return L"TQvTestCounting"; }
    int Painted = 0;
    void DoPaintBuffer() override {
      ++Painted;
      TQvCustomControl::DoPaintBuffer();
    }
  };
  auto* C = Add<TCounting>(Form.get(), 10, 10, 40, 30);
  EXPECT_TRUE(C->DoubleBuffered());
  ShowForm();
  EXPECT_TRUE(GetWindowLongW(C->Handle(), GWL_STYLE) & WS_CLIPCHILDREN);
  int Painted = C->Painted;
  PostMessageW(C->Handle(), CWM_CHECKPARENTBG, 0, 0);
  PumpIdle();
  EXPECT_EQ(C->Painted, Painted + 1);
}

}  // namespace
