// The password and spin edits: the password keeps its text in (messages, clipboard,
// accessibility) and draws pictures; the spin edit's limits, keys, filter and auto-repeat.
#include "SkinEditTestSupport.h"
#include "resources/QvSkinResManager.h"

using namespace qv;
using qvtest::ClipboardText;
using qvtest::PressKey;
using qvtest::PumpIdle;
using qvtest::SetClipboardText;
using qvtest::TypeText;

namespace {

using SkinEditVariants = qvtest::SkinFormTest;

TEST_F(SkinEditVariants, PasswordTextNeverLeaves) {
  auto* P = Add<TQvSkinPasswordEdit>(Form.get(), 10, 10, 140, 26);
  ShowForm();
  P->SetFocus();
  PumpIdle();
  TypeText(L"s3cret");
  EXPECT_EQ(P->Text(), L"s3cret");
  HWND H = P->Handle();
  wchar_t Buf[16] = {L'#'};
  EXPECT_EQ(SendMessageW(H, WM_GETTEXT, 16, LPARAM(Buf)), 0);
  EXPECT_EQ(Buf[0], 0);
  EXPECT_EQ(SendMessageW(H, WM_GETTEXTLENGTH, 0, 0), 0);
  // Even with the platform messages let through, the text stays in.
  P->SetBlockWinMsg(false);
  EXPECT_EQ(SendMessageW(H, WM_GETTEXTLENGTH, 0, 0), 0);
  SetClipboardText(L"before");
  PressKey('A', {VK_CONTROL});
  PressKey('C', {VK_CONTROL});
  PressKey('X', {VK_CONTROL});
  EXPECT_EQ(ClipboardText(), L"before");
  EXPECT_EQ(P->Text(), L"s3cret");
  // Pasting and typing still work.
  PressKey(VK_END);
  PressKey('V', {VK_CONTROL});
  EXPECT_EQ(P->Text(), L"s3cretbefore");
  const TQvAccessibleInfo Info = P->AccessibleInfo();
  EXPECT_TRUE(Info.Value.empty());
  EXPECT_TRUE(Info.State.Contains(asProtected));
  // Each character is a picture 2 pixels apart; shown, the text draws as letters.
  TQvSkinImage* Pic = TQvSkinResManagerObj()->GetImageByName(L"QvSkinPasswordchar", true);
  ASSERT_NE(Pic, nullptr);
  P->SetText(L"abc");
  P->SetCursorPos(3);
  Redraw(P);
  const int Left = P->LeftOffset() + 7;
  // (the caret sits right after the character before it, which is on screen)
  EXPECT_EQ(P->CursorXPos(), Left + 3 * (Pic->Width() + 2));
  P->SetShowPassword(true);
  Redraw(P);
  EXPECT_NE(P->CursorXPos(), Left + 3 * (Pic->Width() + 2));
}

TEST_F(SkinEditVariants, SpinLimitsKeysAndFilter) {
  auto* S = Add<TQvSkinSpinEdit>(Form.get(), 10, 10, 120, 26);
  auto* Other = Add<TQvSkinEdit>(Form.get(), 10, 50, 120, 26);
  int Ups = 0;
  S->OnUpButtonClick = [&](TObject*) { ++Ups; };
  ShowForm();
  EXPECT_EQ(S->Text(), L"0");
  S->SetValue(100);
  Redraw(S);
  const TRect Up = S->EdItems()->Item(0)->Rect();
  const TPoint U = S->ClientToScreen(TPoint(Up.Left + 3, Up.Top + 3));
  qvtest::Click(U.X, U.Y);
  EXPECT_EQ(S->Value(), 100);
  EXPECT_EQ(Ups, 0);
  S->SetFocus();
  PumpIdle();
  PressKey(VK_UP);
  EXPECT_EQ(S->Value(), 100);
  PressKey(VK_DOWN);
  EXPECT_EQ(S->Value(), 99);
  qvtest::Click(U.X, U.Y);
  EXPECT_EQ(S->Value(), 100);
  EXPECT_EQ(Ups, 1);
  // Only digits and signs reach the text; the typed value is read back when asked.
  S->SetText(L"");
  TypeText(L"12a");
  EXPECT_EQ(S->Text(), L"12");
  EXPECT_EQ(S->Value(), 12);
  // Leaving with "-" sets 0, inside the limits.
  S->SetMinValue(5);
  EXPECT_EQ(S->Value(), 12);
  S->SetText(L"");
  TypeText(L"-");
  Other->SetFocus();
  PumpIdle();
  EXPECT_EQ(S->Text(), L"5");
  // Equal limits: no limit.
  S->SetMinValue(0);
  S->SetMaxValue(0);
  S->SetValue(-500);
  EXPECT_EQ(S->Value(), -500);
}

TEST_F(SkinEditVariants, SpinRepeatsWhileTheArrowIsHeld) {
  auto* S = Add<TQvSkinSpinEdit>(Form.get(), 10, 10, 120, 26);
  ShowForm();
  S->SetValue(5);
  Redraw(S);
  std::vector<int> Seen;
  S->OnChange = [&](TObject*) { Seen.push_back(S->Value()); };
  const TRect Down = S->EdItems()->Item(1)->Rect();
  const TPoint D = S->ClientToScreen(TPoint(Down.Left + 3, Down.Top + 3));
  qvtest::MoveMouse(D.X, D.Y);
  qvtest::SendMouse(MOUSEEVENTF_LEFTDOWN);
  qvtest::PumpInput();
  EXPECT_EQ(S->Value(), 4);  // on the press
  ASSERT_TRUE(qvtest::PumpUntil([&] { return S->Value() == 0; }, 3000));
  qvtest::PumpTicks(150, 3);  // more ticks: it stays at the minimum
  qvtest::SendMouse(MOUSEEVENTF_LEFTUP);
  qvtest::PumpInput();
  EXPECT_EQ(S->Value(), 0);
  EXPECT_EQ(Seen, (std::vector<int>{4, 3, 2, 1, 0}));
}

}  // namespace
