// The light timer's state machine and module bookkeeping. Ticks are handed to the module's
// handler directly, as its window would; the Wine suite covers real timer messages.
#include <gtest/gtest.h>

#include <memory>

#include "graphics/QvSimpleTimer.h"
#include "graphics/SimpleTimer.h"
#include "graphics/SimpleTimerHandler.h"

using namespace qv;

namespace {

void Tick(const TCustomSimpleTimer& T) {
  SimpleTimerModule().Handler->TimerTick(T.Id());
}

}  // namespace

TEST(SimpleTimer, StatesStoppedRunningSuspended) {
  int Ticks = 0;
  TSimpleTimer T(100, [&](TObject*) { ++Ticks; });
  EXPECT_FALSE(T.Enabled());
  EXPECT_EQ(GetSimpleTimerActiveCount(), 0);

  T.SetEnabled(true);  // Running
  EXPECT_TRUE(T.Enabled());
  EXPECT_EQ(GetSimpleTimerActiveCount(), 1);
  Tick(T);
  EXPECT_EQ(Ticks, 1);

  T.SetInterval(0);  // Suspended: still reads enabled, no platform timer, no ticks
  EXPECT_TRUE(T.Enabled());
  EXPECT_EQ(GetSimpleTimerActiveCount(), 0);
  Tick(T);
  EXPECT_EQ(Ticks, 1);
  T.SetInterval(500);  // a new non-zero interval runs it again
  EXPECT_EQ(GetSimpleTimerActiveCount(), 1);
  EXPECT_EQ(T.Interval(), 500u);

  T.SetOnTimer(nullptr);  // Suspended by losing its handler...
  EXPECT_TRUE(T.Enabled());
  EXPECT_EQ(GetSimpleTimerActiveCount(), 0);
  T.SetOnTimer([&](TObject*) { ++Ticks; });  // ...and a handler alone does not resume it
  EXPECT_EQ(GetSimpleTimerActiveCount(), 0);
  Tick(T);
  EXPECT_EQ(Ticks, 1);

  T.SetEnabled(false);  // Stopped
  EXPECT_FALSE(T.Enabled());
  EXPECT_FALSE(T.Stop(true));  // nothing left to kill; counters untouched
  EXPECT_EQ(GetSimpleTimerActiveCount(), 0);
}

TEST(SimpleTimer, StartWithoutIntervalFails) {
  TSimpleTimer T(0, [](TObject*) {});
  EXPECT_FALSE(T.Start());
  EXPECT_FALSE(T.Enabled());
  EXPECT_EQ(GetSimpleTimerActiveCount(), 0);
  T.SetInterval(0);  // unchanged value: nothing happens
  T.SetEnabled(true);
  EXPECT_FALSE(T.Enabled());
}

TEST(SimpleTimer, RestartingKeepsOneActiveTimer) {
  TSimpleTimer T(50, [](TObject*) {});
  EXPECT_TRUE(T.Start());
  EXPECT_TRUE(T.Start());
  T.SetInterval(70);
  EXPECT_EQ(GetSimpleTimerActiveCount(), 1);
}

TEST(SimpleTimer, AutoDisableTicksOnceUnlessTheHandlerReenables) {
  int Ticks = 0;
  bool Again = false;
  TSimpleTimer T(20, nullptr);
  T.SetOnTimer([&](TObject* Sender) {
    ++Ticks;
    EXPECT_EQ(Sender, &T);
    EXPECT_FALSE(T.Enabled());  // stopped before the handler runs
    if (Again) T.SetEnabled(true);
  });
  T.SetAutoDisable(true);
  T.SetEnabled(true);
  Tick(T);
  Tick(T);
  EXPECT_EQ(Ticks, 1);
  EXPECT_EQ(GetSimpleTimerActiveCount(), 0);

  Again = true;
  T.SetEnabled(true);
  Tick(T);
  Tick(T);
  EXPECT_EQ(Ticks, 3);
  EXPECT_TRUE(T.Enabled());
}

TEST(SimpleTimer, TicksForFreedOrStoppedTimersAreIgnored) {
  TSimpleTimer Keeper;  // keeps the handler alive
  int Ticks = 0;
  auto Gone = std::make_unique<TSimpleTimer>(10, [&](TObject*) { ++Ticks; });
  Gone->SetEnabled(true);
  uintptr_t GoneId = Gone->Id();
  Gone.reset();
  SimpleTimerModule().Handler->TimerTick(GoneId);  // a message queued before the free

  TSimpleTimer Stopped(10, [&](TObject*) { ++Ticks; });
  Tick(Stopped);
  EXPECT_EQ(Ticks, 0);
}

TEST(SimpleTimer, HandlerMayFreeItsOwnTimer) {
  auto T = std::make_unique<TSimpleTimer>(10, nullptr);
  bool Ran = false;
  T->SetOnTimer([&](TObject*) {
    Ran = true;
    T.reset();  // the last timer: the handler and its window go with it
  });
  T->SetEnabled(true);
  uintptr_t Id = T->Id();
  SimpleTimerModule().Handler->TimerTick(Id);
  EXPECT_TRUE(Ran);
  EXPECT_EQ(SimpleTimerModule().Handler, nullptr);
  EXPECT_EQ(GetSimpleTimerCount(), 0);
}

TEST(SimpleTimer, ModulesCountTheirOwnTimersAndFreeTheHandlerWithTheLast) {
  EXPECT_EQ(GetSimpleTimerCount(), 0);
  EXPECT_EQ(SimpleTimerModule().Handler, nullptr);
  {
    TSimpleTimer A, B;
    QvSimpleTimer::TSimpleTimer Q(30, [](TObject*) {});
    A.SetOnTimer([](TObject*) {});
    A.SetEnabled(true);
    Q.SetEnabled(true);
    EXPECT_EQ(GetSimpleTimerCount(), 2);
    EXPECT_EQ(GetSimpleTimerActiveCount(), 1);
    EXPECT_EQ(QvSimpleTimer::GetSimpleTimerCount(), 1);
    EXPECT_EQ(QvSimpleTimer::GetSimpleTimerActiveCount(), 1);
    ASSERT_NE(SimpleTimerModule().Handler, nullptr);
    EXPECT_NE(SimpleTimerModule().Handler->WindowHandle(), nullptr);
    EXPECT_NE(SimpleTimerModule().Handler->WindowHandle(),
              QvSimpleTimerModule().Handler->WindowHandle());
  }  // the last timers free both handlers
  EXPECT_EQ(GetSimpleTimerCount(), 0);
  EXPECT_EQ(GetSimpleTimerActiveCount(), 0);
  EXPECT_EQ(QvSimpleTimer::GetSimpleTimerCount(), 0);
  EXPECT_EQ(SimpleTimerModule().Handler, nullptr);
  EXPECT_EQ(QvSimpleTimerModule().Handler, nullptr);

  TSimpleTimer Next;  // a new timer makes a new handler
  EXPECT_EQ(GetSimpleTimerCount(), 1);
  EXPECT_NE(SimpleTimerModule().Handler, nullptr);
}
