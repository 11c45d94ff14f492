// Tip windows on the screen: placement on a control and at a rectangle, the picture, the
// close after the pause and by the close button, following the control's form, the edit
// tip beside its edit and hidden while its form is inactive, and no leaks.
#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"
#include "SkinTipsTestSupport.h"
#include "controls/QvSkinEditTips.h"
#include "controls/QvSkinTips.h"
#include "graphics/SimpleTimer.h"
#include "host/Application.h"
#include "host/ObjectText.h"

using namespace qv;
using qvtest::Click;
using qvtest::MoveMouse;
using qvtest::PumpIdle;
using qvtest::PumpTicks;
using qvtest::PumpUntil;
using qvtest::Rgb;
using qvtest::TPanel;
using qvtest::WindowRect;

namespace {

// The form (400 × 300 at 300, 200) holds a panel at (40, 60), 200 × 100.
class SkinTips : public qvtest::SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Panel = Add<TPanel>(Form.get(), 40, 60, 200, 100);
    ShowForm();
    Tips = std::make_unique<TQvSkinTips>(nullptr);
  }
  void TearDown() override {
    Tips.reset();
    SkinFormTest::TearDown();
  }
  TRect ClientOnScreen(TWinControl* C) {
    const TPoint O = C->ClientOrigin();
    return Bounds(O.X, O.Y, C->ClientWidth(), C->ClientHeight());
  }
  TPanel* Panel = nullptr;
  std::unique_ptr<TQvSkinTips> Tips;
};

TEST_F(SkinTips, PlacedOnTheControlOrAtTheRectangle) {
  const TRect Client = ClientOnScreen(Panel);
  const int Text = Tips->GetTipsHeight(L"Hello");
  TQvSkinTipsWindow Probe(nullptr, Tips.get());
  const int Title = Probe.TitleHeight();
  const TRect InParent = Bounds(10, 20, 120, 30);  // Form client coordinates
  const TPoint RAt = Form->ClientToScreen({10, 20});
  struct {
    const char* Name;
    String Title;
    const TRect* R;
    TTipsDirection Direction;
    TRect Expected;
  } Cases[] = {
      {"top", L"", nullptr, hdTop, Bounds(Client.Left, Client.Top, 200, Text + 10)},
      // The bottom edge on the client's bottom, text + 10 + title + 6 high.
      {"bottom with a title", L"Note", nullptr, hdBottom,
       Rect(Client.Left, Client.Bottom - (Text + 10 + Title + 6), Client.Right, Client.Bottom)},
      {"custom", L"", &InParent, hdCustom, Bounds(RAt.X, RAt.Y, 120, 40)},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    HWND H = Tips->Show(C.Title, L"Hello", Panel, C.R, C.Direction);
    ASSERT_TRUE(IsWindow(H));
    EXPECT_TRUE(IsWindowVisible(H));
    EXPECT_EQ(WindowRect(H), C.Expected);
    EXPECT_EQ(Tips->TipsDirection(), C.Direction);
  }
  // A rectangle alone is taken on the screen as it is; neither shows nothing.
  const TRect OnScreen = Bounds(50, 60, 150, 40);
  EXPECT_EQ(WindowRect(Tips->Show(L"", L"x", nullptr, &OnScreen)), OnScreen);
  EXPECT_EQ(Tips->Show(L"", L"x", nullptr, nullptr), nullptr);
  EXPECT_EQ(Tips->WindowCount(), 4);
}

TEST_F(SkinTips, WindowKindAndPicture) {
  HWND H = Tips->Show(L"Title", L"Some text", Panel, nullptr, hdTop);
  ASSERT_TRUE(IsWindow(H));
  const LONG Style = GetWindowLongW(H, GWL_STYLE);
  EXPECT_EQ(Style & ~LONG(WS_VISIBLE | WS_CLIPSIBLINGS), LONG(WS_POPUP));
  EXPECT_EQ(GetWindowLongW(H, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, WS_EX_TOOLWINDOW);
  EXPECT_FALSE(GetClassLongW(H, GCL_STYLE) & CS_DROPSHADOW);
  EXPECT_NE(GetForegroundWindow(), H);  // shown without taking the activation

  TQvSkinTipsWindow* W = Tips->Windows(0);
  const TBitmap32& B = *W->MemBmp();
  ASSERT_EQ(B.Width(), 200);
  EXPECT_EQ(Rgb(B, 0, 0), Rgb(Tips->FrameColor()));
  EXPECT_EQ(Rgb(B, B.Width() - 1, B.Height() - 1), Rgb(Tips->FrameColor()));
  EXPECT_EQ(Rgb(B, 2, B.Height() - 2), Rgb(Tips->TipsColor()));
  // The close button in the top-right corner, title and text on the left.
  const TRect Close = W->CloseButtonRect();
  EXPECT_EQ(Close, Rect(200 - 12 - 4, 5, 200 - 4, 17));
  EXPECT_FALSE(qvtest::InkBounds(B, Rgb(Tips->TipsColor()), Close).IsEmpty());
  const TRect Ink =
      qvtest::InkBounds(B, Rgb(Tips->TipsColor()), Rect(1, 1, Close.Left - 2, B.Height() - 1));
  ASSERT_FALSE(Ink.IsEmpty());
  EXPECT_GE(Ink.Left, 4);
  EXPECT_GE(Ink.Top, 4);
}

TEST_F(SkinTips, ClosesAfterThePauseOrByItsButton) {
  Tips->SetPauseTime(150);
  HWND H = Tips->Show(L"", L"Soon gone", Panel, nullptr);
  ASSERT_TRUE(IsWindowVisible(H));
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(H); }, 3000));

  // No pause: only the close button ends it.
  Tips->SetPauseTime(0);
  H = Tips->Show(L"", L"Stays", Panel, nullptr);
  PumpTicks(50, 5);
  ASSERT_TRUE(IsWindowVisible(H));
  const TRect Close = Tips->Windows(1)->CloseButtonRect();
  const TRect W = WindowRect(H);
  MoveMouse(W.Left + Close.Left + 6, W.Top + Close.Top + 6);
  EXPECT_EQ(Tips->Windows(1)->MouseInTips(), itCloseButton);
  Click(W.Left + Close.Left + 6, W.Top + Close.Top + 6);
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(H); }));
}

TEST_F(SkinTips, MouseMovementOverTheTipKeepsItOpen) {
  Tips->SetPauseTime(300);
  HWND H = Tips->Show(L"", L"Hover me", Panel, nullptr);
  const TRect W = WindowRect(H);
  // Moving over it for longer than the pause restarts the pause each time.
  const DWORD Start = GetTickCount();
  for (int I = 0; GetTickCount() - Start < 600; ++I) {
    MoveMouse(W.Left + 10 + I % 20, W.Top + 5);
    PumpTicks(50, 1);
  }
  EXPECT_TRUE(IsWindow(H));
  MoveMouse(5, 5);
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(H); }, 3000));
}

TEST_F(SkinTips, FollowsItsControlWhenTheFormMoves) {
  Tips->SetPauseTime(0);
  HWND H = Tips->Show(L"", L"Follow", Panel, nullptr);
  const TRect Before = WindowRect(H);
  Form->SetBounds(Form->Left() + 40, Form->Top() + 25, Form->Width(), Form->Height());
  ASSERT_TRUE(PumpUntil([&] { return WindowRect(H).Left == Before.Left + 40; }));
  EXPECT_EQ(WindowRect(H),
            Bounds(Before.Left + 40, Before.Top + 25, Before.Width(), Before.Height()));
}

TEST_F(SkinTips, EditTipBesideItsEditHiddenWhileTheFormIsInactive) {
  auto* Edit = Add<TPanel>(Form.get(), 20, 200, 150, 24);
  PumpIdle();
  auto* EditTips = new TQvSkinEditTips(Edit);
  EXPECT_EQ(EditTips->PauseTime(), 3000);
  EXPECT_FALSE(EditTips->CloseButtonVisible());
  EXPECT_TRUE(EditTips->HideOfParentDeactivate());
  EditTips->SetPauseTime(0);

  const String Text = L"Wrong input";
  const TSize Size = EditTips->GetTipsSize(Text);
  HWND H = EditTips->Show(Text);
  ASSERT_TRUE(IsWindowVisible(H));
  const TRect W = WindowRect(H);
  const TPoint At = Form->ClientToScreen({20 + 150 + 5, 200 + (24 - Size.cy) / 2 - 5});
  EXPECT_EQ(W, Bounds(At.X, At.Y, Size.cx + 10, Size.cy + 10));
  // Its centre line on the edit's.
  EXPECT_LE(std::abs((W.Top + W.Bottom) / 2 - Form->ClientToScreen({0, 212}).Y), 1);

  // A new message replaces the old one.
  HWND H2 = EditTips->Show(L"Another");
  EXPECT_FALSE(IsWindow(H));
  EXPECT_EQ(EditTips->WindowCount(), 1);

  // Another form takes the activation: the tip hides, and shows again when ours is back.
  TForm Other(nullptr);
  Other.SetBounds(900, 100, 200, 100);
  Other.Show();
  SetForegroundWindow(Other.Handle());
  ASSERT_TRUE(PumpUntil([&] { return !Form->Active(); }));
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(H2); }));
  SetForegroundWindow(Form->Handle());
  ASSERT_TRUE(PumpUntil([&] { return Form->Active(); }));
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(H2); }));
  EditTips->Hide();
  EXPECT_FALSE(IsWindow(H2));
}

TEST_F(SkinTips, SettingsWrittenAndReadBack) {
  // Only what differs from a new component is written, and reading gives it back. The
  // edit's tips take their own defaults as reference: its 3000 pause is not written, and
  // the tips' 3500 is kept.
  struct {
    const char* Name;
    std::function<TQvSkinCustomTips*(TComponent*)> Make;
    std::function<void(TQvSkinCustomTips&)> Change;
    int Pause;
    bool PauseWritten;
  } Cases[] = {
      {"tips", [](TComponent* O) { return new TQvSkinTips(O); },
       [](TQvSkinCustomTips& T) {
         T.SetTipsColor(clYellow);
         T.TitleFont()->SetSize(14);
         T.SetAlignmentVertical(taVerticalCenter);
         T.SetCloseButtonVisible(false);
       },
       3500, false},
      {"edit tips at the tips' pause", [](TComponent* O) { return new TQvSkinEditTips(O); },
       [](TQvSkinCustomTips& T) { T.SetPauseTime(3500); }, 3500, true},
      {"edit tips at their own pause", [](TComponent* O) { return new TQvSkinEditTips(O); },
       [](TQvSkinCustomTips&) {}, 3000, false},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    TForm Source(nullptr), Target(nullptr);
    TQvSkinCustomTips* T = C.Make(&Source);
    T->SetName(L"Tips1");
    C.Change(*T);
    const String Text = ComponentToText(Source);
    EXPECT_EQ(Text.find(L"PauseTime") != String::npos, C.PauseWritten);
    TextToComponent(Text, Target);
    auto* Read = dynamic_cast<TQvSkinCustomTips*>(Target.FindComponent(L"Tips1"));
    ASSERT_NE(Read, nullptr);
    EXPECT_EQ(Read->ClassName(), T->ClassName());
    EXPECT_EQ(Read->PauseTime(), C.Pause);
    EXPECT_EQ(Read->TipsColor(), T->TipsColor());
    EXPECT_EQ(Read->TitleFont()->Size(), T->TitleFont()->Size());
    EXPECT_EQ(Read->AlignmentVertical(), T->AlignmentVertical());
    EXPECT_EQ(Read->CloseButtonVisible(), T->CloseButtonVisible());
  }
}

TEST_F(SkinTips, ManyTipsLeaveNothingBehind) {
  // Each cycle shows a tip of its own component and frees it, the edit's kind every
  // other time.
  auto Cycle = [&](int I) {
    if (I % 2) {
      TQvSkinEditTips E(Panel);
      E.Show(L"Edit tip");
    } else {
      TQvSkinTips T(nullptr);
      T.Show(L"Title", L"Tip", Panel, nullptr);
    }
  };
  // As in an application, another light timer lives meanwhile: the shared timer window
  // stays, and each cycle costs only what the tip itself makes.
  TSimpleTimer Other(1000, [](TObject*) {});
  Other.SetEnabled(true);
  for (int I = 0; I < 20; ++I) Cycle(I);  // slots that stay in use from now on
  PumpIdle();
  const qvtest::TSlots Before = qvtest::Probe();
  const int Timers = GetSimpleTimerCount();
  const unsigned Limit = 100;  // a leak of one object per cycle moves a slot by 1000
  for (int I = 0; I < 1000; ++I) Cycle(I);
  PumpIdle();
  const qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_EQ(GetSimpleTimerCount(), Timers);
}

}  // namespace
