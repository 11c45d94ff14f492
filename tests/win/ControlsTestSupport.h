#pragma once
// Helpers of the control-layer tests: pumping messages, real mouse and keyboard input,
// and a fixture that turns exceptions escaping a control into test failures.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "host/Controls.h"

namespace qvtest {

// Handles messages (through the application's loop) for Ms milliseconds.
inline void Pump(int Ms = 30) {
  DWORD End = GetTickCount() + DWORD(Ms);
  do {
    qv::Application->ProcessMessages();
    Sleep(1);
  } while (int(End - GetTickCount()) > 0);
  qv::Application->ProcessMessages();
}

// Handles messages until Cond holds or Ms milliseconds passed; answers Cond().
inline bool PumpUntil(const std::function<bool()>& Cond, int Ms = 2000) {
  DWORD End = GetTickCount() + DWORD(Ms);
  while (!Cond()) {
    if (int(End - GetTickCount()) <= 0) return Cond();
    qv::Application->ProcessMessages();
    Sleep(1);
  }
  return true;
}

// Moves the real mouse pointer (the platform then sends WM_MOUSEMOVE).
inline void MoveMouse(int X, int Y) {
  SetCursorPos(X, Y);
  Pump(40);
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
  Pump(40);
}

inline void Click(int X, int Y) {
  SetCursorPos(X, Y);
  INPUT In[2]{};
  In[0].type = In[1].type = INPUT_MOUSE;
  In[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  In[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, In, sizeof(INPUT));
  Pump(40);
}

// Every test: exceptions that escape an event are failures, not message boxes.
class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qv::Application->OnException = [](qv::TObject*, const std::exception& E) {
      ADD_FAILURE() << "exception escaped a control: " << E.what();
    };
    Pump(1);
  }
  void TearDown() override {
    Pump(1);
    qv::Application->OnException = nullptr;
  }
};

}  // namespace qvtest
