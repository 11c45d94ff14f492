// The skinned memo with real input: bars mirrored both ways without feedback, the wheel,
// the read-only rules, and the memo packed with its bars.
#include "SkinControlsTestSupport.h"
#include "controls/QvSkinMemo.h"

using namespace qv;
using namespace qvtest;

namespace {

class SkinMemoTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Memo = Add<TQvSkinMemo>(Form.get(), 10, 10, 200, 120);
    VBar = Add<TQvSkinScrollBar>(Form.get(), 212, 10, 10, 120);
    VBar->SetKind(sbVertical);
    Memo->SetVScrollBar(VBar);
    Memo->OnScrollBarChange = [this](TObject*) { ++BarChanges; };
  }
  static String Lines(int N) {
    String S;
    for (int I = 0; I < N; ++I) S += L"Line " + std::to_wstring(I) + (I + 1 < N ? L"\r\n" : L"");
    return S;
  }
  int FirstLine() { return int(SendMessageW(Memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)); }
  SCROLLINFO Native() {
    SCROLLINFO SI{sizeof(SI), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(Memo->Handle(), SB_VERT, &SI);
    return SI;
  }
  TQvSkinMemo* Memo = nullptr;
  TQvSkinScrollBar* VBar = nullptr;
  int BarChanges = 0;
};

}  // namespace

TEST_F(SkinMemoTest, TextThatFitsLeavesTheBarEmptyAndOverflowEnablesIt) {
  Memo->SetText(Lines(2));
  ShowForm();
  EXPECT_FALSE(VBar->Enabled());
  EXPECT_EQ(VBar->Max(), 0);
  EXPECT_EQ(VBar->PageSize(), 0);
  // No border and no native bars: the text has the whole window.
  EXPECT_EQ(Memo->ClientWidth(), 200);
  EXPECT_EQ(Memo->ClientHeight(), 120);
  Memo->SetText(Lines(40));
  PumpIdle();
  const SCROLLINFO SI = Native();
  EXPECT_TRUE(VBar->Enabled());
  EXPECT_EQ(VBar->Max(), SI.nMax);
  EXPECT_EQ(VBar->PageSize(), int(SI.nPage));
  EXPECT_LT(int(SI.nPage), SI.nMax + 1);
}

TEST_F(SkinMemoTest, BarAndTextScrollEachOtherWithoutFeedback) {
  Memo->SetText(Lines(40));
  ShowForm();
  VBar->SetPosition(10);
  PumpIdle();
  EXPECT_EQ(FirstLine(), 10);
  EXPECT_EQ(VBar->Position(), 10);
  EXPECT_EQ(BarChanges, 1);
  // The keyboard scrolls the text; the thumb follows and no bar change is reported.
  Memo->SetFocus();
  PressKey(VK_END, {VK_CONTROL});
  EXPECT_GT(FirstLine(), 10);
  EXPECT_EQ(VBar->Position(), Native().nPos);
  PressKey(VK_HOME, {VK_CONTROL});
  EXPECT_EQ(FirstLine(), 0);
  EXPECT_EQ(VBar->Position(), 0);
  EXPECT_EQ(BarChanges, 1);
}

TEST_F(SkinMemoTest, AWheelNotchScrollsOneLine) {
  Memo->SetText(Lines(40));
  ShowForm();
  POINT P{50, 50};
  ClientToScreen(Memo->Handle(), &P);
  MoveMouse(P.x, P.y);
  for (int Want : {1, 2}) {
    INPUT In{};
    In.type = INPUT_MOUSE;
    In.mi.dwFlags = MOUSEEVENTF_WHEEL;
    In.mi.mouseData = DWORD(-WHEEL_DELTA);
    SendInput(1, &In, sizeof(In));
    PumpInput();
    EXPECT_EQ(FirstLine(), Want);
    EXPECT_EQ(VBar->Position(), Want);
  }
  EXPECT_EQ(BarChanges, 0);
}

TEST_F(SkinMemoTest, ReadOnlyRefusesEditingButCopies) {
  Memo->SetText(L"abc");
  Memo->SetReadOnly(true);
  ShowForm();
  Memo->SetFocus();
  SendMessageW(Memo->Handle(), EM_SETSEL, 0, 3);
  PressKey('X');
  PressKey(VK_DELETE);
  struct {
    UINT Msg;
  } Refused[] = {{WM_CUT}, {WM_CLEAR}, {WM_UNDO}, {WM_PASTE}};
  for (auto& R : Refused) SendMessageW(Memo->Handle(), R.Msg, 0, 0);
  EXPECT_EQ(Memo->Text(), L"abc");
  if (OpenClipboard(nullptr)) {
    EmptyClipboard();
    CloseClipboard();
  }
  PressKey('C', {VK_CONTROL});
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE H = GetClipboardData(CF_UNICODETEXT);
  const String Copied = H ? static_cast<const wchar_t*>(GlobalLock(H)) : L"";
  if (H) GlobalUnlock(H);
  CloseClipboard();
  EXPECT_EQ(Copied, L"abc");
  // Editable again.
  Memo->SetReadOnly(false);
  SendMessageW(Memo->Handle(), EM_SETSEL, 3, 3);
  PressKey('X');
  EXPECT_EQ(Memo->Text(), L"abcx");
}

TEST_F(SkinMemoTest, MemoExHidesItsBarsUntilTheTextOverflows) {
  auto* Ex = Add<TQvSkinMemoEx>(Form.get(), 230, 10, 150, 100);
  Ex->Memo()->SetWordWrap(false);
  ShowForm();
  EXPECT_FALSE(Ex->VScrollBar()->Visible());
  EXPECT_FALSE(Ex->HScrollBar()->Visible());
  Ex->Memo()->SetText(Lines(30) + L"\r\n" + String(200, L'w'));
  PumpIdle();
  EXPECT_TRUE(Ex->VScrollBar()->Visible());
  EXPECT_TRUE(Ex->HScrollBar()->Visible());
  // Focus lights the frame.
  Ex->Memo()->SetFocus();
  PumpIdle();
  EXPECT_TRUE(Ex->InControl());
}
