// The message box as a user meets it: the modal loop driven by real mouse and keyboard
// input from a timer, the clipboard, the check box, and the layout on real windows.
#include <windows.h>

#include <functional>

#include "ControlsTestSupport.h"
#include "controls/QvSkinButton.h"
#include "controls/QvSkinCheckBox.h"
#include "controls/QvSkinPanel.h"
#include "dialogs/QvMessageBox.h"
#include "forms/QvSkinForm.h"
#include "forms/QvSkinNCButton.h"
#include "host/ScopeGuard.h"
#include "host/Screen.h"

using namespace qv;
using namespace qvtest;

namespace {

// The dialog the modal loop shows, once it is shown and opaque.
TQvSkinMessageForm* ShownDialog() {
  HWND W = FindWindowW(L"TQvSkinMessageForm", nullptr);
  if (!W || !IsWindowVisible(W)) return nullptr;
  auto* F = dynamic_cast<TQvSkinMessageForm*>(FindControl(W));
  return F && !F->AlphaBlend() && !F->FQvSkinForm->NCCtrlList().empty() ? F : nullptr;
}

POINT CentreOf(TWinControl* C) {
  POINT P{C->Width() / 2, C->Height() / 2};
  ClientToScreen(HWND(C->Handle()), &P);
  return P;
}

std::vector<TQvSkinButton*> ButtonsOf(TQvSkinMessageForm* F) {
  std::vector<TQvSkinButton*> Out;
  for (int I = 0; I < F->FBottomPanel->ControlCount(); ++I)
    if (auto* B = dynamic_cast<TQvSkinButton*>(F->FBottomPanel->Controls(I))) Out.push_back(B);
  return Out;
}

// Runs Show (which enters the modal loop) while a timer hands the shown dialog to each step
// in turn. When the steps are done and the dialog is still up after the timeout, it is
// closed, so a test that fails does not hang.
using TStep = std::function<void(TQvSkinMessageForm*)>;
struct TDriver {
  static inline std::vector<TStep> Steps;
  static inline size_t Next = 0;
  static inline bool Busy = false;
  static inline DWORD Deadline = 0;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (Busy) return;
    TScopedValue Guard(Busy, true);
    TQvSkinMessageForm* F = ShownDialog();
    if (!F) return;
    if (Next < Steps.size()) {
      Steps[Next++](F);
      Deadline = GetTickCount() + 3000;
    } else if (GetTickCount() > Deadline) {
      ADD_FAILURE() << "the dialog stayed open";
      PostMessageW(HWND(F->Handle()), WM_CLOSE, 0, 0);
    }
  }
  static int Run(const std::function<int()>& Show, std::vector<TStep> S) {
    Steps = std::move(S);
    Next = 0;
    Deadline = GetTickCount() + 5000;
    UINT_PTR Id = SetTimer(nullptr, 0, 15, Tick);
    TScopeExit Stop([Id] { KillTimer(nullptr, Id); });
    return Show();
  }
};

TStep Key(WORD K, std::vector<WORD> Mods = {}) {
  return [K, Mods](TQvSkinMessageForm*) { PressKey(K, Mods); };
}
TStep ClickButton(size_t Index) {
  return [Index](TQvSkinMessageForm* F) {
    auto Buttons = ButtonsOf(F);
    ASSERT_LT(Index, Buttons.size());
    POINT P = CentreOf(Buttons[Index]);
    Click(P.x, P.y);
  };
}

String ClipboardString() {
  String S;
  if (!OpenClipboard(nullptr)) return S;
  if (HANDLE H = GetClipboardData(CF_UNICODETEXT))
    if (auto* P = static_cast<const wchar_t*>(GlobalLock(H))) {
      S = P;
      GlobalUnlock(H);
    }
  CloseClipboard();
  return S;
}

class MessageBoxTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    MoveMouse(2, 2);
  }
};

}  // namespace

TEST_F(MessageBoxTest, MouseAndKeysReturnTheButtonsResult) {
  const TStep CloseButton = [](TQvSkinMessageForm* F) {
    RECT R;
    GetWindowRect(HWND(F->Handle()), &R);
    TRect C = F->FCloseNCButton->GetRect();
    Click(R.left + (C.Left + C.Right) / 2, R.top + (C.Top + C.Bottom) / 2);
  };
  struct {
    const char* Name;
    TQvMsgBoxButtons Buttons;
    std::vector<TStep> Steps;
    int Result;
  } const Cases[] = {
      {"no buttons, Enter", {}, {Key(VK_RETURN)}, mrOk},
      {"yes/no, Escape", {mbYes, mbNo}, {Key(VK_ESCAPE)}, mrNo},
      {"yes/no, Enter", {mbYes, mbNo}, {Key(VK_RETURN)}, mrYes},
      {"yes/no/cancel, click no", {mbYes, mbNo, mbCancel}, {ClickButton(1)}, mrNo},
      {"abort/retry/ignore: Escape does nothing, click ignore",
       {mbAbort, mbRetry, mbIgnore},
       {Key(VK_ESCAPE), ClickButton(2)},
       mrIgnore},
      {"ok/cancel, close button", {mbOK, mbCancel}, {CloseButton}, mrCancel},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    const int Result = TDriver::Run(
        [&] { return QvMessageBox(L"Title", L"Message", biConfirmation, C.Buttons); }, C.Steps);
    EXPECT_EQ(Result, C.Result);
    EXPECT_EQ(TDriver::Next, C.Steps.size());
    PumpIdle();
  }
}

TEST_F(MessageBoxTest, CtrlCCopiesTitleAndTextAndTheCheckBoxReportsBack) {
  String Copied;
  bool Checked = false;
  const int Result = TDriver::Run(
      [&] {
        return QvMessageBox(L"Saved", L"All files are saved.", biInformation, {mbOK}, true,
                            Checked);
      },
      {Key('C', {VK_CONTROL}), [&](TQvSkinMessageForm* F) { Copied = ClipboardString(); },
       [](TQvSkinMessageForm* F) {
         ASSERT_NE(F->FCheckBox, nullptr);
         POINT P = CentreOf(F->FCheckBox);
         Click(P.x - F->FCheckBox->Width() / 2 + 8, P.y);
       },
       Key(VK_RETURN)});
  EXPECT_EQ(Result, mrOk);
  EXPECT_EQ(Copied, L"Saved\r\nAll files are saved.\r\n");
  EXPECT_TRUE(Checked);
}

TEST_F(MessageBoxTest, LayoutOnRealWindows) {
  auto F = NewQvMessageForm(L"T", L"Hi", biNone, {mbYes, mbNo, mbCancel}, false, false);
  EXPECT_EQ(F->ClientWidth(), 290);
  auto Buttons = ButtonsOf(F.get());
  ASSERT_EQ(Buttons.size(), 3u);
  EXPECT_EQ(Buttons[0]->Left(), 30);
  EXPECT_EQ(Buttons[0]->Caption(), UserLanguageIsChinese() ? L"是" : L"Yes");
  EXPECT_TRUE(Buttons[0]->Default());
  EXPECT_TRUE(Buttons[2]->Cancel());
  EXPECT_EQ(F->FBottomPanel->Height(), 35);

  // All seven buttons and a message of 100 000 characters: the dialog stays on the screen.
  auto Big =
      NewQvMessageForm(L"Big", String(100000, L'x'), biError,
                       {mbOK, mbYes, mbNo, mbCancel, mbAbort, mbRetry, mbIgnore}, true, false);
  EXPECT_EQ(ButtonsOf(Big.get()).size(), 7u);
  Big->Show();
  ASSERT_TRUE(PumpUntil([&] { return !Big->AlphaBlend(); }));
  RECT R;
  GetWindowRect(HWND(Big->Handle()), &R);
  const TRect Work = Screen->WorkAreaRect();
  EXPECT_GE(R.left, Work.Left);
  EXPECT_GE(R.top, Work.Top);
  EXPECT_LE(R.right, Work.Right);
  EXPECT_LE(R.bottom, Work.Bottom);
  auto BigButtons = ButtonsOf(Big.get());
  EXPECT_LE(BigButtons.back()->Left() + BigButtons.back()->Width(), Big->ClientWidth());
  EXPECT_GE(BigButtons.front()->Left(), Big->FCheckBox->Left() + Big->FCheckBox->Width());
}

TEST_F(MessageBoxTest, StyleOverridesCaptionsAndFollowsItsLifetime) {
  {
    TQvSkinMessageBoxStyle Style(nullptr);
    EXPECT_EQ(MessageBoxStyle(), &Style);
    Style.SetDefineText(mtOK, L"Fine");
    Style.SetLanguage(mlEnglish);
    auto F = NewQvMessageForm(L"T", L"x", biNone, {mbOK, mbCancel}, false, false);
    auto Buttons = ButtonsOf(F.get());
    ASSERT_EQ(Buttons.size(), 2u);
    EXPECT_EQ(Buttons[0]->Caption(), L"Fine");
    EXPECT_EQ(Buttons[1]->Caption(), L"Cancel");
    Style.SetDefineText(mtOK, L"");
    Style.SetLanguage(mlChinese);
    F = NewQvMessageForm(L"T", L"x", biNone, {}, false, false);
    EXPECT_EQ(ButtonsOf(F.get())[0]->Caption(), L"确定");
  }
  EXPECT_EQ(MessageBoxStyle(), nullptr);
  ClearMsgBoxOverrides();
}
