// Light timers and the running easing animation through real timer messages on the
// shared hidden window.
#include <memory>
#include <vector>

#include "ControlsTestSupport.h"
#include "graphics/QvAE.h"
#include "graphics/QvSimpleTimer.h"
#include "graphics/SimpleTimer.h"
#include "graphics/SimpleTimerHandler.h"

using namespace qv;
using qvtest::PumpTicks;
using qvtest::PumpUntil;

namespace {

HWND ModuleWindow(TSimpleTimerModule& M) {
  return M.Handler ? static_cast<HWND>(M.Handler->WindowHandle()) : nullptr;
}

}  // namespace

TEST(SimpleTimerWin, TicksArriveOnTheSharedWindowWhichGoesWithTheLastTimer) {
  int TicksA = 0, TicksB = 0;
  HWND Window;
  {
    TSimpleTimer A(15, [&](TObject*) { ++TicksA; });
    TSimpleTimer B(25, [&](TObject*) { ++TicksB; });
    Window = ModuleWindow(SimpleTimerModule());
    ASSERT_TRUE(IsWindow(Window));
    EXPECT_TRUE(A.Start());
    B.SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return TicksA >= 3 && TicksB >= 2; }, 3000));
    A.SetEnabled(false);
    int Frozen = TicksA;
    PumpTicks(15, 3);
    EXPECT_EQ(TicksA, Frozen);
  }
  EXPECT_FALSE(IsWindow(Window));
  EXPECT_EQ(GetSimpleTimerCount(), 0);

  int Ticks = 0;
  TSimpleTimer Again(10, [&](TObject*) { ++Ticks; });
  ASSERT_TRUE(IsWindow(ModuleWindow(SimpleTimerModule())));
  Again.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return Ticks >= 1; }, 3000));
}

TEST(SimpleTimerWin, AutoDisableTicksOnceAndSuspendedTimersStayQuiet) {
  int Ticks = 0;
  QvSimpleTimer::TSimpleTimer T(10, [&](TObject*) { ++Ticks; });
  T.SetAutoDisable(true);
  T.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return Ticks >= 1; }, 3000));
  PumpTicks(10, 3);
  EXPECT_EQ(Ticks, 1);
  EXPECT_FALSE(T.Enabled());

  T.SetAutoDisable(false);
  T.SetEnabled(true);
  T.SetInterval(0);  // Suspended
  int Before = Ticks;
  PumpTicks(10, 3);
  EXPECT_EQ(Ticks, Before);
  T.SetInterval(10);  // runs again
  EXPECT_TRUE(PumpUntil([&] { return Ticks >= Before + 2; }, 3000));
}

TEST(SimpleTimerWin, EasingAnimationRunsToItsExactEnd) {
  TQvAnimateEasing E;
  std::vector<Extended> Values;
  int Finished = 0;
  E.Animating(
      20, 100, 120, etQuadEaseOut, [&](TObject*, Extended V) { Values.push_back(V); },
      [&](TObject*) { ++Finished; });
  EXPECT_TRUE(E.IsAnimating());
  ASSERT_TRUE(PumpUntil([&] { return Finished > 0; }, 3000));
  EXPECT_FALSE(E.IsAnimating());
  ASSERT_GE(Values.size(), 2u);
  for (size_t I = 1; I < Values.size(); ++I) EXPECT_GE(Values[I], Values[I - 1]);
  EXPECT_GE(Values.front(), 20);
  EXPECT_EQ(Values.back(), 120);
  PumpTicks(10, 3);  // the ticks a running animation would have had
  EXPECT_EQ(Finished, 1);

  // After a delay, stopped half-way: OnFinish once, no more ticks.
  Values.clear();
  Finished = 0;
  E.Animating(0, 50, 5000, etCubicEaseIn, 10, 40);
  PumpTicks(10, 1);             // the first tick, had there been no delay
  EXPECT_TRUE(Values.empty());  // still in the delay
  ASSERT_TRUE(PumpUntil([&] { return Values.size() >= 2; }, 3000));
  E.StopAnimating();
  size_t Count = Values.size();
  PumpTicks(10, 3);
  EXPECT_EQ(Values.size(), Count);
  EXPECT_EQ(Finished, 1);
  EXPECT_LT(Values.back(), 50);
}
