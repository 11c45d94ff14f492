// The alpha form (layered picture, own resize zones, drag anywhere), edge docking and the
// size grip, through real windows, messages and the mouse; and no leaks from them or from
// the skinned menus.
#include <memory>

#include "ControlsTestSupport.h"
#include "LeakProbe.h"
#include "controls/QvSkinSizeGrip.h"
#include "forms/QvAlphaForm.h"
#include "forms/QvEdgeDock.h"
#include "forms/QvPopupListEx.h"
#include "forms/QvSkinMenu.h"
#include "forms/QvSkinNCButton.h"
#include "host/Form.h"

using namespace qv;
using qvtest::PumpIdle;
using qvtest::PumpUntil;

namespace {

class AlphaFormTest : public qvtest::ControlsTest {
 protected:
  // A form whose move and size commands are noted and kept from starting the platform's
  // modal loops. Components made afterwards chain to this recorder.
  std::unique_ptr<TForm> NewForm(int X, int Y, int W, int H) {
    auto Form = std::make_unique<TForm>(nullptr);
    Form->SetBounds(X, Y, W, H);
    TForm* F = Form.get();
    TWndMethod Old = F->WindowProc;
    F->WindowProc = [this, Old](TMessage& M) {
      if (M.Msg == WM_SYSCOMMAND && (M.WParam & 0xFFF0) != 0xF060 &&
          ((M.WParam & 0xFFF0) == SC_MOVE || (M.WParam & 0xFFF0) == SC_SIZE)) {
        Commands.push_back(M.WParam);
        return;
      }
      Old(M);
    };
    return Form;
  }
  static LRESULT HitTest(TForm* F, int X, int Y) {
    return SendMessageW(F->Handle(), WM_NCHITTEST, 0, MAKELPARAM(F->Left() + X, F->Top() + Y));
  }
  std::vector<WPARAM> Commands;
};

TEST_F(AlphaFormTest, ResizeZonesAnswerTheHitTest) {
  auto Form = NewForm(200, 200, 300, 200);
  new TQvSkinAlphaForm(Form.get());
  Form->Show();
  PumpIdle();
  EXPECT_EQ(Form->BorderStyle(), bsNone);
  struct {
    int X, Y;
    LRESULT Code;
  } const Cases[] = {
      {295, 5, HTTOPRIGHT}, {5, 5, HTTOPLEFT},         {150, 195, HTBOTTOM},
      {150, 5, HTTOP},      {295, 195, HTBOTTOMRIGHT}, {150, 100, HTCLIENT},  // the form's own
  };
  for (const auto& C : Cases) EXPECT_EQ(HitTest(Form.get(), C.X, C.Y), C.Code) << C.X << "," << C.Y;
  Form->SetWindowState(wsMaximized);
  PumpIdle();
  EXPECT_EQ(HitTest(Form.get(), 5, 5), HTCLIENT);  // no zones when maximised
}

TEST_F(AlphaFormTest, EachFrameIsThePictureTheScreenShows) {
  auto Form = NewForm(200, 200, 300, 200);
  auto* Alpha = new TQvSkinAlphaForm(Form.get());
  TBitmap32 Saved;
  Alpha->SaveBitmap = &Saved;
  Form->Show();
  PumpIdle();
  EXPECT_TRUE(GetWindowLongPtrW(Form->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  ASSERT_EQ(Saved.Width(), 300);
  ASSERT_EQ(Saved.Height(), 200);
  // Opaque pixels show as they are (Wine shows translucent ones opaque, so only these count),
  // once the display has the window.
  auto Differ = [&](int& Opaque) {
    HDC Screen = GetDC(nullptr);
    int D = 0;
    Opaque = 0;
    for (int Y = 0; Y < 200; Y += 7)
      for (int X = 0; X < 300; X += 7) {
        TColor32 C = Saved.Pixel(X, Y);
        if ((C >> 24) != 255) continue;
        ++Opaque;
        COLORREF S = GetPixel(Screen, Form->Left() + X, Form->Top() + Y);
        D += S != RGB((C >> 16) & 255, (C >> 8) & 255, C & 255);
      }
    ReleaseDC(nullptr, Screen);
    return D;
  };
  int Opaque = 0;
  EXPECT_TRUE(PumpUntil([&] { return Differ(Opaque) == 0; }));
  EXPECT_GT(Opaque, 100);
  // A new size is a new frame.
  Form->SetBounds(200, 200, 260, 180);
  PumpIdle();
  EXPECT_EQ(Saved.Width(), 260);
  EXPECT_EQ(Saved.Height(), 180);
}

TEST_F(AlphaFormTest, PressAnywhereMovesTheFormUnlessMovingIsOff) {
  auto Form = NewForm(200, 200, 300, 200);
  auto* Alpha = new TQvSkinAlphaForm(Form.get());
  Form->Show();
  PumpIdle();
  qvtest::Click(Form->Left() + 150, Form->Top() + 100);
  EXPECT_EQ(Commands, std::vector<WPARAM>{0xF011});
  Alpha->SetEnabledMove(false);
  qvtest::Click(Form->Left() + 150, Form->Top() + 100);
  EXPECT_EQ(Commands.size(), 1u);
}

TEST_F(AlphaFormTest, TitleBarControlsPaintIntoThePictureAndTakeTheMouse) {
  auto Form = NewForm(200, 200, 300, 200);
  auto* Alpha = new TQvSkinAlphaForm(Form.get());
  TBitmap32 Saved;
  Alpha->SaveBitmap = &Saved;
  auto* Close = new TQvSkinSystemButton(Form.get());
  Close->SetKind(bkClose);
  // Placed inside the 300 x 200 picture, 40 pixels from its right edge.
  Close->Pos()->SetUseDefault(false);
  Close->Pos()->SetAlign(caRight);
  Close->Pos()->SetXValue(40);
  Close->Pos()->SetYValue(6);
  auto* Go = new TQvSkinNCButton(Form.get());
  Go->SetCaption(L"Go");
  Go->Pos()->SetXValue(20);
  Go->Pos()->SetYValue(10);
  int Clicks = 0;
  Go->OnClick = [&](TObject*) { ++Clicks; };
  Form->Show();
  ASSERT_TRUE(PumpUntil([&] { return Alpha->NCCtrlList().size() == 2; }));
  PumpIdle();
  // The close button shows in the frame where the bare picture has something else.
  TBitmap32 Bare;
  ASSERT_TRUE(Alpha->RenderFrame(Bare, 300, 200));
  const TRect C = Close->GetRect();
  ASSERT_TRUE(C.Left >= 0 && C.Right <= 300 && C.Top >= 0 && C.Bottom <= 200)
      << C.Left << "," << C.Top << "," << C.Right << "," << C.Bottom;
  auto Differs = [&](const TBitmap32& Frame, const TBitmap32& Other, const TRect& R) {
    for (int Y = R.Top; Y < R.Bottom; ++Y)
      for (int X = R.Left; X < R.Right; ++X)
        if (Frame.Pixel(X, Y) != Other.Pixel(X, Y)) return true;
    return false;
  };
  EXPECT_TRUE(Differs(Saved, Bare, C));
  // Hovering makes it hot and paints it again.
  TBitmap32 Normal;
  Normal.Assign(&Saved);
  const POINT At{200 + (C.Left + C.Right) / 2, 200 + (C.Top + C.Bottom) / 2};
  qvtest::MoveMouse(At.x, At.y);
  ASSERT_TRUE(PumpUntil([&] { return Close->State() == bsHot; }));
  PumpIdle();
  EXPECT_TRUE(Differs(Saved, Normal, C));
  // A press on a control clicks it and does not drag the form.
  const TRect G = Go->GetRect();
  qvtest::Click(200 + (G.Left + G.Right) / 2, 200 + (G.Top + G.Bottom) / 2);
  ASSERT_TRUE(PumpUntil([&] { return Clicks == 1; }));
  EXPECT_EQ(Close->State(), bsNormal);
  EXPECT_TRUE(Commands.empty());
  // Away from the controls the press drags the form again.
  qvtest::Click(350, 300);
  EXPECT_EQ(Commands.size(), 1u);
  qvtest::Click(At.x, At.y);
  EXPECT_TRUE(PumpUntil([&] { return !Form->Visible(); }));
  EXPECT_EQ(Clicks, 1);
}

TEST_F(AlphaFormTest, EdgeDockingSlidesOutAndBackWithTheCursor) {
  auto Form = NewForm(300, 50, 200, 100);
  Form->SetBorderStyle(bsNone);
  auto* Dock = new TQvQQAlign(Form.get());
  Form->Show();
  PumpIdle();
  qvtest::MoveMouse(900, 700);
  RECT R{300, -40, 500, 60};  // dragged above the screen's top
  SendMessageW(Form->Handle(), WM_MOVING, WMSZ_TOP, LPARAM(&R));
  EXPECT_EQ(R.top, 0);
  EXPECT_EQ(R.bottom, 100);
  EXPECT_TRUE(Dock->CurAnchors() == TAnchors{akTop});
  EXPECT_TRUE(Dock->Timer()->Enabled());
  Form->SetBounds(R.left, R.top, 200, 100);
  // The cursor is elsewhere: the form hides but for a 2-pixel strip.
  ASSERT_TRUE(PumpUntil([&] { return Form->Top() == 2 - 100; }));
  // The cursor on the strip brings it back.
  qvtest::MoveMouse(400, 1);
  ASSERT_TRUE(PumpUntil([&] { return Form->Top() == 0; }));
  // Dragged away from the edge: free again, the timer stops.
  RECT Away{300, 40, 500, 140};
  SendMessageW(Form->Handle(), WM_MOVING, WMSZ_TOP, LPARAM(&Away));
  EXPECT_TRUE(Dock->CurAnchors().Empty());
  EXPECT_FALSE(Dock->Timer()->Enabled());
  qvtest::MoveMouse(900, 700);
}

TEST_F(AlphaFormTest, SizeGripSizesTheFormUnlessMaximised) {
  auto Form = NewForm(200, 200, 300, 200);
  auto* Grip = new TQvSkinSizeGrip(Form.get());
  Grip->SetParent(Form.get());
  Grip->SetBounds(Form->ClientWidth() - 20, Form->ClientHeight() - 20, 20, 20);
  int Presses = 0;
  Grip->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++Presses; };
  Form->Show();
  PumpIdle();
  EXPECT_TRUE(Grip->Dragged());
  EXPECT_EQ(Grip->Cursor(), crSizeNWSE);
  TPoint P = Grip->ClientToScreen({10, 10});
  qvtest::Click(P.X, P.Y);
  EXPECT_EQ(Commands, std::vector<WPARAM>{0xF008});
  EXPECT_EQ(Presses, 0);

  Form->SetWindowState(wsMaximized);
  PumpIdle();
  Grip->Invalidate();
  PumpIdle();
  EXPECT_FALSE(Grip->Dragged());
  P = Grip->ClientToScreen({10, 10});
  qvtest::Click(P.X, P.Y);
  EXPECT_EQ(Commands.size(), 1u);
  EXPECT_EQ(Presses, 1);  // an ordinary click
}

}  // namespace

namespace {

// One cycle of everything here that makes windows or GDI objects without showing a window.
void OneCycle() {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(50, 50, 300, 200);
  auto* Popup = new TPopupMenu(Form.get());
  for (const wchar_t* C : {L"One", L"-", L"Three"})
    qvtest::NewMenuItem(Form.get(), Popup->Items(), C);
  auto* Skin = new TQvSkinMenu(Form.get());
  TBitmap32 Picture;
  Skin->RenderPopup(Popup->Items(), Picture, 0);
  HookPopupList();
  auto* Alpha = new TQvSkinAlphaForm(Form.get());
  new TQvQQAlign(Form.get());
  auto* Grip = new TQvSkinSizeGrip(Form.get());
  Grip->SetParent(Form.get());
  Form->HandleNeeded();
  Grip->HandleNeeded();
  Alpha->DrawSelf();
  qvtest::PaintOffScreen(Form.get());
  TryUnHookPopupList();
  Application->ProcessMessages();
}

using AlphaFormLeakTest = qvtest::ControlsTest;

TEST_F(AlphaFormLeakTest, MenusAlphaFormsDockingAndGripsReleaseWhatTheyCreate) {
  // Holds the system's menu effects switched off through the loop: switching them for
  // every cycle would broadcast a setting change each time.
  TQvSkinMenu Keeper(nullptr);
  for (int I = 0; I < 3; ++I) OneCycle();
  qvtest::TSlots Before = qvtest::Probe();
  // Each cycle pushes a layered picture, which costs Wine some time: 100 cycles.
  const int Cycles = 100;
  const unsigned Limit = 60;  // a leak of one object per cycle moves a slot by 100
  for (int I = 0; I < Cycles; ++I) OneCycle();
  qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_EQ(PopupListHookCount(), 0);
}

}  // namespace
