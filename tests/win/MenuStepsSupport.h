#pragma once
// Steps taken while a menu runs its own modal loop. A thread timer (its messages come only
// when no input waits, so each step sees the keys of the one before handled) takes one
// step per tick once a popup shows: the step waits until its condition holds, then sends
// its keys and runs its action.
#include <windows.h>

#include <functional>
#include <vector>

#include "ControlsTestSupport.h"

namespace qvtest {

struct TMenuStep {
  std::function<bool()> When;
  std::vector<WORD> Keys;
  std::function<void()> Then;
};

inline std::vector<TMenuStep>*& MenuSteps() {
  static std::vector<TMenuStep>* Steps = nullptr;
  return Steps;
}
inline size_t& MenuStepsDone() {
  static size_t Done = 0;
  return Done;
}

// Takes Steps while popups show, until all are done or StopMenuSteps.
inline void DuringMenus(std::vector<TMenuStep>& Steps) {
  MenuSteps() = &Steps;
  MenuStepsDone() = 0;
  SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR Id, DWORD) {
    std::vector<TMenuStep>* All = MenuSteps();
    if (!All || MenuStepsDone() >= All->size()) {
      KillTimer(nullptr, Id);
      return;
    }
    HWND Menu = FindWindowW(L"#32768", nullptr);
    TMenuStep& S = (*All)[MenuStepsDone()];
    if (!Menu || !IsWindowVisible(Menu) || (S.When && !S.When())) return;
    ++MenuStepsDone();
    for (WORD K : S.Keys) {
      SendKey(K, false);
      SendKey(K, true);
    }
    if (S.Then) S.Then();
  });
}

inline void StopMenuSteps() {
  MenuSteps() = nullptr;
}

}  // namespace qvtest
