// Scope guards: clean-up on every path out of a scope, and the first error surviving a
// failing clean-up.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "host/ScopeGuard.h"
#include "raster/Bitmap32.h"

using namespace qv;

namespace {

struct TTarget {
  std::vector<std::string> Log;
  void BeginUpdate() { Log.push_back("begin"); }
  void EndUpdate() { Log.push_back("end"); }
  void Lock() { Log.push_back("lock"); }
  void Unlock() { Log.push_back("unlock"); }
};

// Runs Body in a scope holding both guards; true when Body threw.
template <typename F>
bool Bracketed(TTarget& T, F Body) {
  try {
    auto Locked = LockScope(T);
    auto Updating = UpdateScope(T);
    Body();
  } catch (const std::runtime_error&) {
    return true;
  }
  return false;
}

}  // namespace

TEST(ScopeGuard, BracketsCloseInReverseOrderOnEveryPath) {
  for (bool Fail : {false, true}) {
    TTarget T;
    EXPECT_EQ(Bracketed(T,
                        [&] {
                          T.Log.push_back("work");
                          if (Fail) throw std::runtime_error("work");
                        }),
              Fail);
    EXPECT_EQ(T.Log, (std::vector<std::string>{"lock", "begin", "work", "end", "unlock"}));
  }
}

TEST(ScopeGuard, ExitFailAndValueRunWhenTheyShould) {
  struct {
    bool Throw, Released;
    int Exits, Fails;
  } Cases[] = {
      {false, false, 1, 0},
      {true, false, 1, 1},
      {false, true, 0, 0},  // released: the work is kept
      {true, true, 0, 1},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(testing::Message() << "throw " << C.Throw << " released " << C.Released);
    int Exits = 0, Fails = 0;
    bool Busy = false;
    try {
      TScopedValue Set(Busy, true);
      TScopeExit Exit([&] { ++Exits; });
      TScopeFail Fail([&] { ++Fails; });
      EXPECT_TRUE(Busy);
      if (C.Released) Exit.Release();
      if (C.Throw) throw std::runtime_error("work");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(Busy);
    EXPECT_EQ(Exits, C.Exits);
    EXPECT_EQ(Fails, C.Fails);
  }
}

TEST(ScopeGuard, AFailingCleanUpRaisesUnlessAnErrorIsAlreadyUnwinding) {
  auto Run = [](bool WorkFails) -> std::string {
    try {
      TScopeExit Exit([] { throw std::runtime_error("clean-up"); });
      if (WorkFails) throw std::runtime_error("work");
    } catch (const std::runtime_error& E) {
      return E.what();
    }
    return "nothing";
  };
  EXPECT_EQ(Run(false), "clean-up");
  EXPECT_EQ(Run(true), "work");
}

// A surface whose Assign fails half-way still ends its update: later changes are heard.
TEST(ScopeGuard, AFailedAssignLeavesTheSurfaceOutOfUpdate) {
  TBitmap32 B;
  int Changes = 0;
  B.OnChange = [&](TObject*) { ++Changes; };
  TPersistent Alien;
  EXPECT_ANY_THROW(B.Assign(&Alien));
  Changes = 0;
  B.SetSize(3, 3);
  EXPECT_GT(Changes, 0);
}
