#pragma once
// Clean-up that runs on every path out of a scope, exceptions included: the library's
// try/finally. Use it for update counters, busy flags and half-built state.
//
//   TScopeExit Close([&] { DeleteDC(DC); });  // any clean-up, on every way out
//   TScopedValue Busy(FPainting, true);   // FPainting is restored when the scope ends
//   auto Updating = UpdateScope(*Bitmap);  // BeginUpdate now, EndUpdate on the way out
#include <exception>
#include <utility>

namespace qv {

template <typename F>
class TScopeExit {
 public:
  explicit TScopeExit(F Fn) : FFn(std::move(Fn)), FUncaught(std::uncaught_exceptions()) {}
  // On the normal path an exception from the clean-up propagates. While another exception
  // is already unwinding, a failing clean-up is dropped so that the first error survives.
  ~TScopeExit() noexcept(false) {
    if (!FActive) return;
    if (std::uncaught_exceptions() == FUncaught) {
      FFn();
      return;
    }
    try {
      FFn();
    } catch (...) {  // the exception in flight is the one to report
    }
  }
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;
  // The clean-up will not run: the scope's work is to be kept.
  void Release() { FActive = false; }

 private:
  F FFn;
  int FUncaught;
  bool FActive = true;
};

// Runs the clean-up only when the scope is left by an exception: undoes half-done work.
template <typename F>
class TScopeFail {
 public:
  explicit TScopeFail(F Fn) : FFn(std::move(Fn)), FUncaught(std::uncaught_exceptions()) {}
  ~TScopeFail() {
    if (std::uncaught_exceptions() == FUncaught) return;
    try {
      FFn();
    } catch (...) {  // the exception in flight is the one to report
    }
  }
  TScopeFail(const TScopeFail&) = delete;
  TScopeFail& operator=(const TScopeFail&) = delete;

 private:
  F FFn;
  int FUncaught;
};

// Brackets the rest of a scope in Target.BeginUpdate() ... Target.EndUpdate().
//   auto Updating = UpdateScope(*Bitmap);
template <typename T>
[[nodiscard]] auto UpdateScope(T& Target) {
  Target.BeginUpdate();
  return TScopeExit([&Target] { Target.EndUpdate(); });
}

// Holds Target.Lock() for the rest of a scope.
template <typename T>
[[nodiscard]] auto LockScope(T& Target) {
  Target.Lock();
  return TScopeExit([&Target] { Target.Unlock(); });
}

// Sets a variable for the length of a scope and restores its old value after.
template <typename T>
class TScopedValue {
 public:
  TScopedValue(T& Var, T Value) : FVar(Var), FOld(std::move(Var)) { FVar = std::move(Value); }
  ~TScopedValue() { FVar = std::move(FOld); }
  TScopedValue(const TScopedValue&) = delete;
  TScopedValue& operator=(const TScopedValue&) = delete;

 private:
  T& FVar;
  T FOld;
};

}  // namespace qv
