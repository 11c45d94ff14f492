// The self-drawn edit through real input: typing (Chinese and pairs included), the keys, the
// real clipboard and its bad contents, the filter through key presses, scrolling in a narrow
// edit, the mouse, the input method's messages, the platform text messages and the items.
#include "SkinEditTestSupport.h"

using namespace qv;
using qvtest::ClipboardText;
using qvtest::kEmoji;
using qvtest::PressKey;
using qvtest::PumpIdle;
using qvtest::SetClipboardText;
using qvtest::TypeText;

namespace {

class SkinEdit : public qvtest::SkinFormTest {
 protected:
  TQvSkinEdit* NewEdit(int W = 200) {
    auto* E = Add<TQvSkinEdit>(Form.get(), 10, 10, W, 26);
    E->OnChange = [this](TObject*) { ++Changes; };
    return E;
  }
  void Focus(TQvSkinEdit* E) {
    ShowForm();
    E->SetFocus();
    PumpIdle();
    ASSERT_TRUE(E->Focused());
  }
  int Changes = 0;
};

TEST_F(SkinEdit, TypingKeysAndUndoThroughRealInput) {
  auto* E = NewEdit();
  Focus(E);
  TypeText(L"hello world");
  EXPECT_EQ(E->Text(), L"hello world");
  EXPECT_EQ(Changes, 11);
  PressKey(VK_LEFT, {VK_CONTROL});
  EXPECT_EQ(E->CursorPos(), 6);
  PressKey(VK_END, {VK_SHIFT});
  EXPECT_EQ(E->SelText(), L"world");
  TypeText(L"中文" + kEmoji);
  EXPECT_EQ(E->Text(), L"hello 中文" + kEmoji);
  // A pair is one character for Left, Backspace and Delete.
  PressKey(VK_LEFT);
  EXPECT_EQ(E->CursorPos(), 8);
  PressKey(VK_RIGHT);
  EXPECT_EQ(E->CursorPos(), 10);
  PressKey(VK_BACK);
  EXPECT_EQ(E->Text(), L"hello 中文");
  E->SetText(L"a" + kEmoji + L"b");
  E->SetCursorPos(1);
  PressKey(VK_DELETE);
  EXPECT_EQ(E->Text(), L"ab");
  // Undo takes back the delete; the typed run before SetText is gone with it.
  EXPECT_TRUE(E->CanUndo());
  PressKey('Z', {VK_CONTROL});
  EXPECT_EQ(E->Text(), L"a" + kEmoji + L"b");
  PressKey('Y', {VK_CONTROL});
  EXPECT_EQ(E->Text(), L"ab");
  PressKey(VK_HOME);
  EXPECT_EQ(E->CursorPos(), 0);
}

TEST_F(SkinEdit, ATypedKeyHidesTheTips) {
  auto* E = NewEdit();
  Focus(E);
  ASSERT_NE(E->Tips(), nullptr);
  EXPECT_EQ(E->Tips()->Owner(), E);
  HWND Tip = E->Tips()->Show(L"Letters only");
  ASSERT_TRUE(IsWindow(Tip));
  TypeText(L"a");
  EXPECT_FALSE(IsWindow(Tip));
  EXPECT_EQ(E->Text(), L"a");
}

TEST_F(SkinEdit, FilterCaseAndLengthByKeyPresses) {
  struct {
    TQvTextKind Kind;
    TEditCharCase Case;
    int MaxLength;
    const wchar_t* Typed;
    const wchar_t* After;
  } Cases[] = {
      {tkNumInt, ecNormal, 0, L"-1a-2", L"-12"},   {tkNumReal, ecNormal, 0, L"1.5.e2", L"1.52"},
      {tkEN, ecUpperCase, 0, L"a\u00e9b1", L"AB"}, {tkENandNum, ecNormal, 0, L"a-b.c/d", L"a-b.cd"},
      {tkAll, ecLowerCase, 3, L"ABCD", L"abc"},
  };
  auto* E = NewEdit();
  Focus(E);
  int Presses = 0;
  E->OnKeyPress = [&](TObject*, wchar_t&) { ++Presses; };
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::Message() << "kind " << C.Kind);
    E->SetMaxLength(0);
    E->SetText(L"");
    E->SetTextKind(C.Kind);
    E->SetCharCase(C.Case);
    E->SetMaxLength(C.MaxLength);
    Presses = 0;
    TypeText(C.Typed);
    EXPECT_EQ(E->Text(), C.After);
    // A key past MaxLength is dropped before OnKeyPress.
    if (C.MaxLength) EXPECT_EQ(Presses, C.MaxLength);
  }
  // Changing the case converts the existing text at the next paint; a new kind filters
  // nothing that is already there.
  E->SetTextKind(tkAll);
  E->SetCharCase(ecNormal);
  E->SetMaxLength(0);
  E->SetText(L"ab-1");
  E->SetTextKind(tkNumInt);
  E->SetCharCase(ecUpperCase);
  Redraw(E);
  EXPECT_EQ(E->Text(), L"AB-1");
}

TEST_F(SkinEdit, RealClipboardAndItsBadContents) {
  auto* E = NewEdit();
  Focus(E);
  TypeText(L"copy me");
  PressKey('A', {VK_CONTROL});
  PressKey('C', {VK_CONTROL});
  EXPECT_EQ(ClipboardText(), L"copy me");
  PressKey('X', {VK_CONTROL});
  EXPECT_EQ(E->Text(), L"");
  PressKey('V', {VK_CONTROL});
  PressKey('V', {VK_CONTROL});
  EXPECT_EQ(E->Text(), L"copy mecopy me");
  // Only the first line goes in; broken UTF-16 is mended, never half a pair.
  E->SetText(L"");
  SetClipboardText(L"one\r\ntwo");
  PressKey('V', {VK_CONTROL});
  EXPECT_EQ(E->Text(), L"one");
  E->SetText(L"");
  SetClipboardText(std::wstring(L"x") + wchar_t(0xDC00) + L"y" + wchar_t(0xD83D));
  PressKey('V', {VK_CONTROL});
  EXPECT_EQ(E->Text(), L"x\uFFFDy\uFFFD");
  // An empty clipboard, or one without text, pastes nothing and raises nothing.
  const int Before = Changes;
  SetClipboardText(L"", true);
  PressKey('V', {VK_CONTROL});
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_BITMAP, CreateBitmap(2, 2, 1, 32, nullptr));
  CloseClipboard();
  PressKey('V', {VK_CONTROL});
  EXPECT_EQ(Changes, Before);
  EXPECT_EQ(E->Text(), L"x\uFFFDy\uFFFD");
  // A long paste completes; MaxLength limits it.
  SetClipboardText(std::wstring(1 << 20, L'q'));
  E->SetMaxLength(1000);
  E->SetText(L"");
  PressKey('V', {VK_CONTROL});
  EXPECT_EQ(E->Text().size(), 1000u);
  E->SetMaxLength(0);
  PressKey('V', {VK_CONTROL});
  EXPECT_EQ(E->Text().size(), 1000u + (1u << 20));
  E->SetText(L"");
  // ReadOnly: copy still works, cut and paste do nothing.
  E->SetText(L"keep");
  E->SetReadOnly(true);
  E->SetCursorPos(0);
  PressKey(VK_END, {VK_SHIFT});
  PressKey('X', {VK_CONTROL});
  EXPECT_EQ(E->Text(), L"keep");
  EXPECT_TRUE(ClipboardText().size() == (1u << 20));  // the cut copied nothing
  PressKey('C', {VK_CONTROL});
  EXPECT_TRUE(ClipboardText() == L"keep");
}

TEST_F(SkinEdit, NarrowEditScrollsToKeepTheCaretVisible) {
  auto* E = NewEdit(60);
  Focus(E);
  TypeText(L"abcdefghijklmnopqrstuvwxyz");
  Redraw(E);
  EXPECT_GT(E->FirstDisplayChar(), 1);
  const int Left = E->Space()->Left(), Right = E->Width() - E->Space()->Right();
  EXPECT_GE(E->CursorXPos(), Left - 1);
  EXPECT_LE(E->CursorXPos(), Right);
  // The caret's line is drawn there, in CursorColor.
  TBitmap32* B = E->BackgroundPicture();
  EXPECT_EQ(qvtest::Rgb(*B, E->CursorXPos(), E->Space()->Top() + 2), 0u);
  PressKey(VK_HOME);
  Redraw(E);
  EXPECT_EQ(E->FirstDisplayChar(), 1);
  EXPECT_EQ(E->CursorXPos(), Left - 1);
}

TEST_F(SkinEdit, MouseClickDragAndDoubleClick) {
  auto* E = NewEdit();
  Focus(E);
  E->SetText(L"ab" + kEmoji + L"cd hello");
  Redraw(E);
  // Clicks across the text: the caret never lands between the halves of the pair.
  const TPoint Origin = E->ClientToScreen(TPoint(0, 13));
  int PairX = -1;
  // Sent rather than clicked, so that the quick succession makes no double click.
  for (int Px = E->Space()->Left(); Px < 120 && PairX < 0; ++Px) {
    SendMessageW(E->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(Px, 13));
    SendMessageW(E->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(Px, 13));
    if (E->CursorPos() == 4) PairX = Px;
    EXPECT_NE(E->CursorPos(), 3) << "caret inside the pair at x " << Px;
  }
  EXPECT_GE(PairX, 0);
  // Dragging selects; a double click with AutoSelect selects all and hides the caret.
  qvtest::MoveMouse(Origin.X + 6, Origin.Y);
  qvtest::SendMouse(MOUSEEVENTF_LEFTDOWN);
  qvtest::MoveMouse(Origin.X + 150, Origin.Y);
  qvtest::SendMouse(MOUSEEVENTF_LEFTUP);
  qvtest::PumpInput();
  EXPECT_GT(E->SelLength(), 4);
  qvtest::Click(Origin.X + 20, Origin.Y);
  qvtest::Click(Origin.X + 20, Origin.Y);
  EXPECT_EQ(E->SelLength(), E->EditText().Length());
  EXPECT_FALSE(E->CursorShowing());
}

// The input method's string comes from the test instead of a real input context.
class TImeEdit : public TQvSkinEdit {
 public:
  using TQvSkinEdit::TQvSkinEdit;
  String ClassName() const override { return L"TQvTestImeEdit"; }
  String Comp, Result;
  const String& Composition() const { return FComposition; }

 protected:
  String ImeString(uint32_t Index) override { return Index == GCS_RESULTSTR ? Result : Comp; }
};

TEST_F(SkinEdit, InputMethodResultGoesInExactlyOnce) {
  auto* E = Add<TImeEdit>(Form.get(), 10, 10, 200, 26);
  ShowForm();
  E->SetFocus();
  PumpIdle();
  E->SetText(L"ab");
  E->SetCursorPos(2);
  HWND H = E->Handle();
  SendMessageW(H, WM_IME_STARTCOMPOSITION, 0, 0);
  E->Comp = L"zhong";
  SendMessageW(H, WM_IME_COMPOSITION, 0, GCS_COMPSTR);
  EXPECT_EQ(E->Composition(), L"zhong");
  EXPECT_EQ(E->Text(), L"ab");  // shown, not inserted
  const int CaretBefore = E->CursorXPos();
  E->Comp.clear();
  // The result arrives with the composition and may be echoed as WM_IME_CHAR or WM_CHAR,
  // or arrives only as WM_IME_CHAR: it goes in once in every case.
  struct {
    bool Composition;
    UINT Echo;
  } Deliveries[] = {{false, WM_IME_CHAR}, {true, WM_IME_CHAR}, {true, WM_CHAR}, {true, 0}};
  String Expected = E->Text();
  for (auto& D : Deliveries) {
    SCOPED_TRACE(testing::Message() << "composition " << D.Composition << " echo " << D.Echo);
    SendMessageW(H, WM_KEYDOWN, VK_PROCESSKEY, 1);
    E->Result = L"中文";
    if (D.Composition) {
      SendMessageW(H, WM_IME_STARTCOMPOSITION, 0, 0);
      SendMessageW(H, WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
      SendMessageW(H, WM_IME_ENDCOMPOSITION, 0, 0);
    }
    if (D.Echo)
      for (wchar_t C : std::wstring(L"中文")) SendMessageW(H, D.Echo, C, 1);
    Expected += L"中文";
    EXPECT_TRUE(E->Text() == Expected);
    EXPECT_TRUE(E->Composition().empty());
  }
  // The next key typed after a result is not taken for an echo.
  SendMessageW(H, WM_KEYDOWN, 'A', 1);
  SendMessageW(H, WM_CHAR, L'中', 1);
  EXPECT_TRUE(E->Text() == Expected + L"中");
  // The candidate window follows the caret.
  Redraw(E);
  EXPECT_GT(E->CursorXPos(), CaretBefore);
  if (HIMC Imc = ImmGetContext(H)) {
    SendMessageW(H, WM_IME_STARTCOMPOSITION, 0, 0);
    CANDIDATEFORM Cand{};
    if (ImmGetCandidateWindow(Imc, 0, &Cand)) EXPECT_EQ(Cand.ptCurrentPos.x, E->CursorXPos());
    ImmReleaseContext(H, Imc);
  }
}

TEST_F(SkinEdit, PlatformTextMessagesAndBlockWinMsg) {
  auto* E = NewEdit();
  ShowForm();
  HWND H = E->Handle();
  SendMessageW(H, WM_SETTEXT, 0, LPARAM(L"from outside"));
  EXPECT_EQ(E->Text(), L"from outside");
  wchar_t Buf[6] = {};
  EXPECT_EQ(SendMessageW(H, WM_GETTEXT, 6, LPARAM(Buf)), 5);
  EXPECT_STREQ(Buf, L"from ");
  EXPECT_EQ(SendMessageW(H, WM_GETTEXTLENGTH, 0, 0), 12);
  E->SetBlockWinMsg(true);
  Buf[0] = L'#';
  EXPECT_EQ(SendMessageW(H, WM_GETTEXT, 6, LPARAM(Buf)), 0);
  EXPECT_EQ(Buf[0], L'#');
  EXPECT_EQ(SendMessageW(H, WM_GETTEXTLENGTH, 0, 0), 0);
  SendMessageW(H, WM_SETTEXT, 0, LPARAM(L"no"));
  EXPECT_EQ(E->Text(), L"from outside");
  EXPECT_EQ(SendMessageW(H, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
  // The accessibility model: editable text, its value, read-only and focus states.
  E->SetReadOnly(true);
  E->SetFocus();
  PumpIdle();
  const TQvAccessibleInfo Info = E->AccessibleInfo();
  EXPECT_EQ(Info.Role, arEditableText);
  EXPECT_EQ(Info.Value, L"from outside");
  EXPECT_TRUE(Info.State.Contains(asReadOnly));
  EXPECT_TRUE(Info.State.Contains(asFocused));
}

TEST_F(SkinEdit, ItemsReserveRoomAndClick) {
  auto* E = NewEdit(120);
  ShowForm();
  TQvEditItem* R = E->EdItems()->AddItem();
  R->SetImage(L"QvSkinSpin_normal_up");
  R->Pos()->SetAlign(agRight);
  R->Pos()->SetX(20);
  int Clicks = 0;
  R->OnClick = [&](TObject*) { ++Clicks; };
  Redraw(E);
  EXPECT_EQ(R->Rect().Left, 100);
  EXPECT_EQ(E->RightOffset(), 20);
  // A left item with MakeSpace gives its room back when hidden.
  E->SetShowCheckBox(true);
  Redraw(E);
  ASSERT_NE(E->CheckItem(), nullptr);
  EXPECT_EQ(E->LeftOffset(), E->CheckItem()->Rect().Right);
  EXPECT_GT(E->LeftOffset(), 0);
  const TRect CR = E->CheckItem()->Rect();
  const TPoint P = E->ClientToScreen(TPoint(CR.Left + 2, CR.Top + 2));
  qvtest::Click(P.X, P.Y);
  EXPECT_TRUE(E->Checked());
  EXPECT_EQ(E->CheckItem()->Image(), L"QvSkinCheckedCheckbox_18");
  const TPoint Q = E->ClientToScreen(TPoint(R->Rect().Left + 2, R->Rect().Top + 2));
  qvtest::Click(Q.X, Q.Y);
  EXPECT_EQ(Clicks, 1);
  E->SetShowCheckBox(false);
  Redraw(E);
  EXPECT_EQ(E->LeftOffset(), 0);
}

}  // namespace
