#pragma once
// Helpers of the control-layer tests: waiting for messages to be handled, real mouse and
// keyboard input, plain test controls, and a fixture that turns exceptions escaping a
// control into test failures.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <source_location>
#include <string>
#include <vector>

#include "host/Controls.h"
#include "host/Timer.h"

namespace qvtest {

// Handles messages (through the application's loop) until Cond holds. After TimeoutMs
// milliseconds it fails the test at the caller's line and answers false, so that
// ASSERT_TRUE(PumpUntil(...)) also ends the test there. The timeout is generous: a loaded
// machine runs these tests several times slower, and a met condition returns at once.
inline bool PumpUntil(const std::function<bool()>& Cond, int TimeoutMs = 10000,
                      std::source_location Where = std::source_location::current()) {
  const DWORD Start = GetTickCount();
  while (!Cond()) {
    if (GetTickCount() - Start >= DWORD(TimeoutMs)) {
      if (Cond()) return true;
      ADD_FAILURE_AT(Where.file_name(), int(Where.line()))
          << "the condition waited for here did not hold within " << TimeoutMs << " ms";
      return false;
    }
    qv::Application->ProcessMessages();
    // Sleeps until the next message arrives, at most a millisecond.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
  return true;
}

// Handles every message already waiting (posted and sent messages, input, timers that are
// due, paints) until none is left.
inline void PumpIdle(std::source_location Where = std::source_location::current()) {
  PumpUntil(
      [] {
        qv::Application->ProcessMessages();
        return HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0;
      },
      2000, Where);
}

// Handles messages until a timer of Ms milliseconds has fired Times times: the time in
// which something timed had its chance, before checking that it did not happen.
inline void PumpTicks(int Ms, int Times = 2,
                      std::source_location Where = std::source_location::current()) {
  qv::TTimer Probe(nullptr);
  int Ticks = 0;
  Probe.OnTimer = [&](qv::TObject*) { ++Ticks; };
  Probe.SetInterval(qv::Cardinal(Ms));
  PumpUntil([&] { return Ticks >= Times; }, 2000 + Ms * Times, Where);
}

// Handles messages until no input is waiting any more, then what handling it queued.
inline void PumpInput(std::source_location Where = std::source_location::current()) {
  PumpUntil([] { return (HIWORD(GetQueueStatus(QS_INPUT)) & QS_INPUT) == 0; }, 1000, Where);
  PumpIdle(Where);
}

inline void SendMouse(DWORD Flags) {
  INPUT In{};
  In.type = INPUT_MOUSE;
  In.mi.dwFlags = Flags;
  SendInput(1, &In, sizeof(In));
}

// Moves the real mouse pointer; a move of nothing at the new place makes the platform
// queue its WM_MOUSEMOVE at once.
inline void MoveMouse(int X, int Y) {
  SetCursorPos(X, Y);
  SendMouse(MOUSEEVENTF_MOVE);
  PumpInput();
}

inline void SendKey(WORD Key, bool Up) {
  INPUT In{};
  In.type = INPUT_KEYBOARD;
  In.ki.wVk = Key;
  In.ki.dwFlags = Up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &In, sizeof(In));
}

// Presses and releases a key, with the modifiers held around it.
inline void PressKey(WORD Key, std::vector<WORD> Modifiers = {}) {
  for (WORD M : Modifiers) SendKey(M, false);
  SendKey(Key, false);
  SendKey(Key, true);
  for (auto It = Modifiers.rbegin(); It != Modifiers.rend(); ++It) SendKey(*It, true);
  PumpInput();
}

inline void Click(int X, int Y) {
  MoveMouse(X, Y);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpInput();
}

// A menu item with the caption, owned by Owner, appended to Parent.
inline qv::TMenuItem* NewMenuItem(qv::TComponent* Owner, qv::TMenuItem* Parent,
                                  const qv::String& Caption) {
  auto* I = new qv::TMenuItem(Owner);
  I->SetCaption(Caption);
  Parent->Add(I);
  return I;
}

// A windowed control that takes children and paints its colour, and its caption when it
// has one. Inset narrows its client area on every side.
class TPanel : public qv::TCustomControl {
 public:
  explicit TPanel(qv::TComponent* AOwner, qv::TColor Color = qv::clRed) : TCustomControl(AOwner) {
    SetColor(Color);
    FControlStyle.Include(qv::csAcceptsControls);
  }
  qv::String ClassName() const override { return L"TQvTestPanel"; }
  int Inset = 0;
  void AdjustClientRect(qv::TRect& R) override {
    R = qv::Rect(R.Left + Inset, R.Top + Inset, R.Right - Inset, R.Bottom - Inset);
  }

 protected:
  void Paint() override {
    Canvas()->Brush().SetColor(Color());
    Canvas()->FillRect(ClientRect());
    if (!Caption().empty()) Canvas()->TextOut(2, 2, Caption());
  }
};

// A graphic control that shows its caption, if any.
class TBox : public qv::TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  qv::String ClassName() const override { return L"TQvTestBox"; }

 protected:
  void Paint() override {
    if (!Caption().empty()) Canvas()->TextOut(0, 0, Caption());
  }
};

// Every test: exceptions that escape an event are failures, not message boxes.
class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qv::Application->OnException = [](qv::TObject*, const std::exception& E) {
      ADD_FAILURE() << "exception escaped a control: " << E.what();
    };
    PumpIdle();
  }
  void TearDown() override {
    PumpIdle();
    qv::Application->OnException = nullptr;
  }
};

}  // namespace qvtest
