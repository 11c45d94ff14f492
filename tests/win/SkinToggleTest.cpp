// Check boxes, radio boxes and switches through real input: toggling at the press and on
// Space, radio exclusivity with the order of OnChanged and OnClick, arrows within a radio
// group, the switch's focus rules, the state pictures, the colour and corner buttons on a
// window, and the accessibility model.
#include <string>

#include "SkinControlsTestSupport.h"
#include "resources/QvSkinResManager.h"

using namespace qv;
using qvtest::Click;
using qvtest::MoveMouse;
using qvtest::PressKey;
using qvtest::PumpIdle;
using qvtest::Rgb;

namespace {

class SkinToggle : public qvtest::SkinFormTest {
 protected:
  static TPoint At(TControl* C, int X = 8) { return C->ClientToScreen(TPoint(X, 8)); }
  std::vector<std::string> Log;
  void Track(TQvSkinCustomCheckControl* C, const std::string& Name) {
    C->OnChanged = [this, Name](TObject*) { Log.push_back(Name + ".Changed"); };
    C->OnClick = [this, Name](TObject*) { Log.push_back(Name + ".Click"); };
  }
};

TEST_F(SkinToggle, CheckBoxTogglesAtThePressAndOnSpace) {
  auto* C = Add<TQvSkinCheckBox>(Form.get(), 20, 20, 113, 17);
  C->SetCaption(L"Remember me");
  Track(C, "C");
  EXPECT_EQ(C->Pictures(), L"QvSkinCheckBox");
  ShowForm();
  Click(At(C).X, At(C).Y);
  EXPECT_TRUE(C->Checked());
  EXPECT_TRUE(C->Focused());
  EXPECT_EQ(Log, (std::vector<std::string>{"C.Changed", "C.Click"}));
  PressKey(VK_SPACE);
  EXPECT_FALSE(C->Checked());
  EXPECT_EQ(C->Perform(BM_SETCHECK, BST_CHECKED), 0);  // answers its own state
  EXPECT_EQ(C->AccessibleInfo().Role, arCheckButton);
  EXPECT_FALSE(C->AccessibleInfo().State.Contains(asChecked));
  EXPECT_TRUE(C->DoAccessibleDefaultAction());
  EXPECT_TRUE(C->AccessibleInfo().State.Contains(asChecked));
  // The caption starts 3 pixels after the 17-pixel picture.
  C->Font()->SetColor(clBlack);
  C->SetTransparent(false);
  C->SetColor(clWhite);
  Redraw(C);
  const TRect Ink = qvtest::InkBounds(*C->Buffer(), 0xFFFFFF, Rect(18, 0, 113, 17));
  EXPECT_NEAR(Ink.Left, 20, 1);  // the glyph's own edge may smooth into the pixel before
}

TEST_F(SkinToggle, RadioBoxesAreExclusiveWithTheirOrderOfEvents) {
  auto* A = Add<TQvSkinRadioBox>(Form.get(), 20, 20, 100, 17);
  auto* B = Add<TQvSkinRadioBox>(Form.get(), 20, 40, 100, 17);
  auto* Other = Add<TQvSkinRadioBox>(Form.get(), 20, 60, 100, 17);
  Other->SetGroupIndex(1);
  Other->SetChecked(true);
  Track(A, "A");
  Track(B, "B");
  A->SetChecked(true);
  // Set in code: no OnClick.
  EXPECT_EQ(Log, std::vector<std::string>{"A.Changed"});
  ShowForm();
  Log.clear();
  Click(At(B).X, At(B).Y);
  EXPECT_TRUE(B->Checked());
  EXPECT_FALSE(A->Checked());
  EXPECT_TRUE(Other->Checked());  // another group
  EXPECT_EQ(Log, (std::vector<std::string>{"A.Changed", "B.Changed", "B.Click"}));
  // A click on the checked one changes nothing and fires nothing.
  Log.clear();
  Click(At(B).X, At(B).Y);
  EXPECT_TRUE(Log.empty());
  // Checked in code: the sibling's OnChanged, then its own, and no OnClick.
  A->SetChecked(true);
  EXPECT_EQ(Log, (std::vector<std::string>{"B.Changed", "A.Changed"}));
  EXPECT_FALSE(B->Checked());
  // Other parents never interfere.
  auto* Panel = Add<TQvSkinPanel>(Form.get(), 200, 20, 150, 100);
  auto* Inner = Add<TQvSkinRadioBox>(Panel, 5, 5, 100, 17);
  Inner->SetChecked(true);
  EXPECT_TRUE(A->Checked());
}

TEST_F(SkinToggle, ArrowsMoveWithinTheRadioGroup) {
  auto* A = Add<TQvSkinRadioBox>(Form.get(), 20, 20, 100, 17);
  auto* B = Add<TQvSkinRadioBox>(Form.get(), 20, 40, 100, 17);
  auto* C = Add<TQvSkinRadioBox>(Form.get(), 20, 60, 100, 17);
  ShowForm();
  A->SetFocus();
  PumpIdle();
  PressKey(VK_DOWN);
  EXPECT_TRUE(B->Focused());
  EXPECT_TRUE(B->Checked());
  PressKey(VK_DOWN);
  EXPECT_TRUE(C->Checked());
  EXPECT_FALSE(B->Checked());
  PressKey(VK_DOWN);  // wraps
  EXPECT_TRUE(A->Checked());
  PressKey(VK_UP);
  EXPECT_TRUE(C->Focused());
  EXPECT_EQ(C->AccessibleInfo().Role, arRadioButton);
  EXPECT_TRUE(C->AccessibleInfo().State.Contains(asFocused));
}

TEST_F(SkinToggle, SwitchTogglesAtThePressAndOnlyFocusesWhenAllowed) {
  auto* S = Add<TQvSkinSwitchButton>(Form.get(), 20, 20, 34, 18);
  auto* Other = Add<TQvSkinCheckBox>(Form.get(), 20, 60, 100, 17);
  int Changed = 0;
  S->OnChanged = [&](TObject*) { ++Changed; };
  EXPECT_EQ(S->Width(), 34);
  EXPECT_EQ(S->Height(), 18);
  ShowForm();
  MoveMouse(At(S, 17).X, At(S, 17).Y);
  qvtest::SendMouse(MOUSEEVENTF_LEFTDOWN);
  qvtest::PumpInput();
  EXPECT_TRUE(S->Checked());
  EXPECT_TRUE(S->MouseDown());  // the pressed picture shows until the release
  qvtest::SendMouse(MOUSEEVENTF_LEFTUP);
  qvtest::PumpInput();
  EXPECT_FALSE(S->MouseDown());
  EXPECT_TRUE(S->Focused());
  PressKey(VK_SPACE);
  EXPECT_FALSE(S->Checked());
  EXPECT_EQ(Changed, 2);
  EXPECT_EQ(S->AccessibleInfo().Name, L"关闭");
  // Without CanFocused: no focus on a click, no Space, but the press still toggles.
  S->SetCanFocused(false);
  Other->SetFocus();
  PumpIdle();
  // Away from the first press, so that the platform does not see a double click.
  Click(At(S, 30).X, At(S, 30).Y);
  EXPECT_TRUE(S->Checked());
  EXPECT_TRUE(Other->Focused());
  S->Perform(WM_KEYDOWN, VK_SPACE);
  EXPECT_TRUE(S->Checked());
  // A missing picture paints only the background and skips CustomDraw.
  int Drawn = 0;
  S->CustomDraw = [&](TObject*, TBitmap32*) { ++Drawn; };
  S->Invalidate();
  Redraw(S);
  EXPECT_EQ(Drawn, 1);
  S->ImageON()->SetImage(L"NoSuchSwitch");
  Redraw(S);
  EXPECT_EQ(Drawn, 1);
}

TEST_F(SkinToggle, StatePicturesFollowPointerAndState) {
  // The check box's picture: 0 unchecked, 1 unchecked hot, 2 checked, 3 checked hot; the
  // radio box's: 0 unchecked, 1 checked, 2 checked hot, 3 unchecked hot. A picture with
  // four plain colours shows which one is drawn.
  auto* Check = Add<TQvSkinCheckBox>(Form.get(), 20, 20, 40, 17);
  auto* Radio = Add<TQvSkinRadioBox>(Form.get(), 20, 50, 40, 17);
  TBitmap32 Strip;
  Strip.SetSize(68, 17);
  const TColor32 Colours[] = {0xFF102030, 0xFF405060, 0xFF708090, 0xFFA0B0C0};
  for (int I = 0; I < 4; ++I) Strip.FillRectS(I * 17, 0, I * 17 + 17, 17, Colours[I]);
  const String ID = L"QvTestToggleStates";
  if (TQvSkinResManagerObj()->IndexOfRes(ID) < 0) TQvSkinResManagerObj()->AddRes(&Strip, ID, L"");
  Check->SetPictures(ID);
  Radio->SetPictures(ID);
  ShowForm();
  auto Shown = [&](TQvSkinCustomCheckControl* C) {
    Redraw(C);
    for (int I = 0; I < 4; ++I)
      if (Rgb(*C->Buffer(), 8, 8) == (Colours[I] & 0xFFFFFF)) return I;
    return -1;
  };
  EXPECT_EQ(Shown(Check), 0);
  EXPECT_EQ(Shown(Radio), 0);
  MoveMouse(At(Check).X, At(Check).Y);
  EXPECT_EQ(Shown(Check), 1);
  Check->SetChecked(true);
  EXPECT_EQ(Shown(Check), 3);
  MoveMouse(At(Radio).X, At(Radio).Y);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return !Check->MouseInControlState(); }));
  EXPECT_EQ(Shown(Check), 2);
  EXPECT_EQ(Shown(Radio), 3);
  Radio->SetChecked(true);
  EXPECT_EQ(Shown(Radio), 2);
  MoveMouse(5, 5);
  ASSERT_TRUE(qvtest::PumpUntil([&] { return !Radio->MouseInControlState(); }));
  EXPECT_EQ(Shown(Radio), 1);
}

TEST_F(SkinToggle, ColourAndCornerButtonsOnAWindow) {
  auto* C = Add<TQvSkinColorButton>(Form.get(), 20, 20, 80, 30);
  auto* K = Add<TQvSkinCornerButton>(Form.get(), 120, 20, 80, 30);
  C->SetCaption(L"Go");
  K->SetCaption(L"Go");
  int Clicks = 0;
  C->OnClick = [&](TObject*) { ++Clicks; };
  ShowForm();
  EXPECT_EQ(Rgb(*C->Buffer(), 2, 15), Rgb(TQvSkinCustomColorButton::DefaultNormalColor));
  const TPoint P = C->ClientToScreen(TPoint(5, 5));
  MoveMouse(P.X, P.Y);
  qvtest::SendMouse(MOUSEEVENTF_LEFTDOWN);
  qvtest::PumpInput();
  // Pressed (Down set by the press, the pointer over it): the pressed colour.
  Redraw(C);
  EXPECT_EQ(Rgb(*C->Buffer(), 2, 15), Rgb(TQvSkinCustomColorButton::DefaultPressedColor));
  qvtest::SendMouse(MOUSEEVENTF_LEFTUP);
  qvtest::PumpInput();
  EXPECT_EQ(Clicks, 1);
  Redraw(C);
  EXPECT_EQ(Rgb(*C->Buffer(), 2, 15), Rgb(TQvSkinCustomColorButton::DefaultHotColor));
  C->SetEnabled(false);
  MoveMouse(5, 5);
  Redraw(C);
  EXPECT_EQ(Rgb(*C->Buffer(), 2, 15), Rgb(TQvSkinCustomColorButton::DisabledColor));
  // The corner button: rounded corners show the form, its border in $FF7A0A.
  Redraw(K);
  EXPECT_EQ(Rgb(*K->Buffer(), 0, 0), Rgb(clBlue));
  EXPECT_EQ(Rgb(*K->Buffer(), 40, 0), Rgb(TColor(0xFF7A0A)));
  EXPECT_EQ(Rgb(*K->Buffer(), 40, 15), Rgb(clWhite));
  K->SetCorners({TopRight, BottomLeft, BottomRight});
  Redraw(K);
  EXPECT_EQ(Rgb(*K->Buffer(), 0, 0), Rgb(TColor(0xFF7A0A)));
}

TEST_F(SkinToggle, BadInputPaintsWithoutFault) {
  auto* C = Add<TQvSkinCheckBox>(Form.get(), 20, 20, 113, 17);
  C->SetCaption(String(10000, L'M'));
  C->SetPictures(L"NoSuchPicture");
  auto* R = Add<TQvSkinRadioBox>(Form.get(), 20, 40, 0, 0);
  auto* S = Add<TQvSkinSwitchButton>(Form.get(), 20, 60, 34, 18);
  S->SetCaptionVisible(true);
  S->SetCaptionOFF(String(10000, L'x'));
  S->ImageOFF()->SetCount(0);
  auto* K = Add<TQvSkinCornerButton>(Form.get(), 120, 20, 3, 3);
  K->SetRoundSize(40);
  K->SetBorderWidth(9);
  ShowForm();
  for (TWinControl* W : std::initializer_list<TWinControl*>{C, R, S, K}) Redraw(W);
  PumpIdle();
}

}  // namespace
