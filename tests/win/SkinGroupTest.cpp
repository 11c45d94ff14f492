// The group box (its client area, its rule on pixels, the check box enabling the children)
// and the grid of radio or check items (clicks, marks, list changes, keys), through real
// input; and the leak check of every button and toggle over many forms.
#include "LeakProbe.h"
#include "SkinControlsTestSupport.h"
#include "host/Menus.h"

using namespace qv;
using qvtest::Click;
using qvtest::PressKey;
using qvtest::PumpIdle;
using qvtest::Rgb;

namespace {

using SkinGroup = qvtest::SkinFormTest;

TEST_F(SkinGroup, GroupBoxClientAreaAndRule) {
  auto* G = Add<TQvSkinGroupBox>(Form.get(), 10, 10, 200, 100);
  G->SetTransparent(false);
  G->SetColor(clWhite);
  auto* Child = Add<qvtest::TProbe>(G, 0, 0, 10, 10);
  Child->SetAlign(alClient);
  EXPECT_EQ(Child->BoundsRect(), Rect(0, 15, 200, 100));
  ShowForm();
  // No caption: the rule runs in row 7 from x = 5, from $CFA753 fading to $FEFBF6.
  Redraw(G);
  EXPECT_EQ(Rgb(*G->Buffer(), 5, 7), Rgb(TColor(0xCFA753)));
  EXPECT_EQ(Rgb(*G->Buffer(), 4, 7), Rgb(clWhite));
  EXPECT_EQ(Rgb(*G->Buffer(), 100, 6), Rgb(clWhite));
  const uint32_t Far = Rgb(*G->Buffer(), 199, 7);
  EXPECT_GT(Far & 0xFF, 0xF0u);  // near $FEFBF6
  // The box: the client area insets by one pixel on three sides.
  G->SetFrameStyle(fsBox);
  PumpIdle();
  EXPECT_EQ(Child->BoundsRect(), Rect(1, 15, 199, 99));
  Redraw(G);
  EXPECT_EQ(Rgb(*G->Buffer(), 0, 50), Rgb(TColor(0xCFA753)));
  EXPECT_EQ(Rgb(*G->Buffer(), 100, 99), Rgb(TColor(0xCFA753)));
  // Caption height 0 draws nothing and does not fail.
  G->SetCaptionHeight(0);
  Redraw(G);
  EXPECT_EQ(G->AccessibleInfo().Role, arGrouping);
}

TEST_F(SkinGroup, CheckBoxEnablesTheChildren) {
  auto* G = Add<TQvSkinGroupBox>(Form.get(), 10, 10, 200, 100);
  G->SetCaption(L"&Proxy");
  auto* A = Add<qvtest::TProbe>(G, 5, 20, 40, 20);
  G->CheckBox()->SetVisible(true);
  EXPECT_TRUE(A->Enabled());
  G->CheckBox()->SetChecked(false);
  EXPECT_FALSE(A->Enabled());
  // A control added later takes the current state.
  auto* B = Add<qvtest::TProbe>(G, 50, 20, 40, 20);
  EXPECT_FALSE(B->Enabled());
  ShowForm();
  Redraw(G);
  const TRect R = G->CheckBox()->Rect;
  ASSERT_GT(R.Width(), 0);
  const TPoint P = G->ClientToScreen(TPoint(R.Left + 4, R.Top + 8));
  Click(P.X, P.Y);
  EXPECT_TRUE(G->CheckBox()->Checked());
  EXPECT_TRUE(A->Enabled());
  EXPECT_TRUE(B->Enabled());
  EXPECT_TRUE(G->Focused());
  PressKey(VK_SPACE);
  EXPECT_FALSE(G->CheckBox()->Checked());
  EXPECT_FALSE(A->Enabled());
  EXPECT_EQ(G->AccessibleInfo().Role, arCheckButton);
  EXPECT_EQ(G->AccessibleInfo().Name, L"Proxy");
  // Hiding the check box does not leave the children disabled.
  G->CheckBox()->SetVisible(false);
  EXPECT_TRUE(A->Enabled());
}

TEST_F(SkinGroup, GroupControlsRadioAndCheckItems) {
  auto* G = Add<TQvSkinGroupControls>(Form.get(), 10, 10, 200, 80);
  G->SetColumns(2);
  for (const wchar_t* S : {L"One", L"Two", L"Three", L"Four", L"Five"}) G->Items()->Add(S);
  int Changed = 0;
  G->OnChanged = [&](TObject*) { ++Changed; };
  ShowForm();
  ASSERT_EQ(G->ItemsRect().size(), 5u);
  EXPECT_EQ(G->ItemsRect()[3], Rect(100, 23, 197, 40));
  EXPECT_EQ(G->Pictures(), L"QvSkinRadiobtn");
  auto ClickItem = [&](int I) {
    const TRect R = G->ItemsRect()[size_t(I)];
    const TPoint P = G->ClientToScreen(TPoint(R.Left + 5, R.Top + 8));
    Click(P.X, P.Y);
  };
  ClickItem(3);
  EXPECT_EQ(G->ItemIndex(), 3);
  EXPECT_EQ(Changed, 1);
  ClickItem(3);  // the selected line raises OnChanged again
  EXPECT_EQ(Changed, 2);
  PressKey(VK_RIGHT);
  EXPECT_EQ(G->ItemIndex(), 4);
  EXPECT_EQ(G->AccessibleInfo().Value, L"Five");
  // Check boxes: a line clicked twice is unmarked again; any list change clears the marks.
  G->SetKind(gckCheckBox);
  Redraw(G);
  EXPECT_EQ(G->Pictures(), L"QvSkinCheckBox");
  Changed = 0;
  ClickItem(1);
  EXPECT_TRUE(G->GetItemChecked(1));
  ClickItem(1);
  EXPECT_FALSE(G->GetItemChecked(1));
  EXPECT_EQ(Changed, 2);
  ClickItem(0);
  PressKey(VK_DOWN);
  PressKey(VK_SPACE);
  EXPECT_TRUE(G->GetItemChecked(0));
  EXPECT_TRUE(G->GetItemChecked(1));
  G->Items()->Add(L"Six");
  EXPECT_FALSE(G->GetItemChecked(0));
  EXPECT_FALSE(G->GetItemChecked(99));
  G->SetItemChecked(-1, true);  // ignored
  // ItemIndex beyond the list falls back to the last line.
  G->SetItemIndex(5);
  G->Items()->Clear();
  EXPECT_EQ(G->ItemIndex(), -1);
  G->SetColumns(0);
  EXPECT_EQ(G->Columns(), 1);
  Redraw(G);
}

// ---- no leaks ---------------------------------------------------------------------------

void OneCycle() {
  auto Form = std::make_unique<TForm>(nullptr);
  Form->SetBounds(50, 50, 400, 300);
  auto* Menu = new TPopupMenu(Form.get());
  auto Place = [&](TWinControl* C, TWinControl* Parent, int X, int Y, int W, int H) {
    C->SetBounds(X, Y, W, H);
    C->SetParent(Parent);
    C->HandleNeeded();
  };
  auto* B = new TQvSkinButton(Form.get());
  Place(B, Form.get(), 5, 5, 80, 27);
  B->SetDropdownMenu(Menu);
  B->SetCaption(L"OK");
  Place(new TQvSkinImageButton(Form.get()), Form.get(), 90, 5, 30, 30);
  Place(new TQvSkinToolButton(Form.get()), Form.get(), 125, 5, 22, 22);
  auto* A = new TQvSkinAnimateButton(Form.get());
  A->Animate()->SetPicture(L"QvSkinButton");
  A->Animate()->SetCount(5);
  Place(A, Form.get(), 150, 5, 48, 48);
  Place(new TQvURLButton(Form.get()), Form.get(), 200, 5, 60, 20);
  Place(new TQvSkinColorButton(Form.get()), Form.get(), 5, 60, 80, 30);
  auto* K = new TQvSkinCornerButton(Form.get());
  K->SetSmoothRound(false);  // a window region too
  Place(K, Form.get(), 90, 60, 80, 30);
  auto* G = new TQvSkinGroupBox(Form.get());
  Place(G, Form.get(), 5, 100, 200, 120);
  G->CheckBox()->SetVisible(true);
  Place(new TQvSkinCheckBox(Form.get()), G, 5, 20, 100, 17);
  Place(new TQvSkinRadioBox(Form.get()), G, 5, 40, 100, 17);
  Place(new TQvSkinSwitchButton(Form.get()), G, 5, 60, 34, 18);
  auto* L = new TQvSkinGroupControls(Form.get());
  L->Items()->Add(L"a");
  L->Items()->Add(L"b");
  Place(L, Form.get(), 210, 100, 150, 60);
  Form->HandleNeeded();
  qvtest::PaintOffScreen(Form.get());
  // A click through the state machine starts and stops the button's timers.
  B->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(5, 5));
  B->Perform(WM_LBUTTONUP, 0, PointToLParam(5, 5));
  Application->ProcessMessages();
}

TEST(SkinButtonsLeak, EveryButtonAndToggleReleasesWhatItCreates) {
  for (int I = 0; I < 3; ++I) OneCycle();
  const int Registered = TQvWinControlHelperObj()->Count();
  const int Timers = GetSimpleTimerCount(), Running = GetSimpleTimerActiveCount();
  const qvtest::TSlots Before = qvtest::Probe();
  const unsigned Limit = 100;  // a leak of one object per cycle moves a slot by 1000
  for (int I = 0; I < 1000; ++I) OneCycle();
  const qvtest::TSlots After = qvtest::Probe();
  EXPECT_LT(After.Window, Before.Window + Limit) << "windows leak";
  EXPECT_LT(After.Gdi, Before.Gdi + Limit) << "GDI objects leak";
  EXPECT_LT(After.Menu, Before.Menu + Limit) << "menus leak";
  EXPECT_EQ(TQvWinControlHelperObj()->Count(), Registered);
  EXPECT_EQ(GetSimpleTimerCount(), Timers);
  EXPECT_EQ(GetSimpleTimerActiveCount(), Running);
}

}  // namespace
