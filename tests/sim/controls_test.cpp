#include "app/controls.h"

#include <gtest/gtest.h>

#include "sim/sim_desktop.h"

namespace tarnwick {
namespace {

struct CountingObserver : ControlObserver {
  int changes = 0;
  void ControlChanged(const Control&) override { ++changes; }
  void FocusRequested(const Control&) override {}
};

TEST(CheckBoxRule, OnlyAChangeRunsTheHandlerAndTheView) {
  CheckBox box("Check8", "Left");
  CountingObserver view;
  box.AttachObserver(&view);
  int clicks = 0;
  box.onClick = [&] { ++clicks; };

  box.SetValue(kUnchecked);
  EXPECT_EQ(clicks, 0);
  box.SetValue(kChecked);
  box.SetValue(kChecked);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(view.changes, 1);
}

TEST(CheckBoxRule, TheHandlerSeesTheNewValue) {
  CheckBox box("Check2", "Auto Hide Mouse When Idel");
  int seen = -1;
  box.onClick = [&] { seen = box.Value(); };
  box.UserClicked();
  EXPECT_EQ(seen, kChecked);
  box.UserClicked();
  EXPECT_EQ(seen, kUnchecked);
  box.SetValue(kGreyed);
  box.UserClicked();
  EXPECT_EQ(seen, kUnchecked) << "a click on a greyed box unticks it";
}

TEST(Timers, SwitchingOnStartsAFreshIntervalAndOffStopsTicks) {
  sim::SimDesktop desktop;
  Timer timer("Timer8", 8, 100, false);
  int ticks = 0;
  timer.onTick = [&] { ++ticks; };
  timer.Attach(desktop);
  desktop.RunFor(500);
  EXPECT_EQ(ticks, 0);

  timer.SetEnabled(true);
  desktop.RunFor(250);
  EXPECT_EQ(ticks, 2);
  timer.SetEnabled(false);
  timer.SetEnabled(true);  // restarts: the next tick is a whole interval away
  desktop.RunFor(99);
  EXPECT_EQ(ticks, 2);
  desktop.RunFor(1);
  EXPECT_EQ(ticks, 3);
}

TEST(Timers, ATickCanSwitchItsOwnTimerOff) {
  sim::SimDesktop desktop;
  Timer timer("Timer2", 2, 1, true);
  int ticks = 0;
  timer.onTick = [&] {
    ++ticks;
    timer.SetEnabled(false);
  };
  timer.Attach(desktop);
  desktop.RunFor(100);
  EXPECT_EQ(ticks, 1);
  EXPECT_FALSE(desktop.TimerRunning(2));
}

// Programmer errors stop a debugging or sanitizer build at the mistake; a release build
// carries on, because it must never abort inside a window procedure.
TEST(ModelAssertions, CatchValuesAndTimersThatCannotHappen) {
  CheckBox box("Check1", "&Run Minimized on Start Up");
  EXPECT_DEBUG_DEATH(box.SetValue(3), "0, 1 or 2");
  EXPECT_DEBUG_DEATH(box.SetValue(-1), "0, 1 or 2");

  sim::SimDesktop desktop;
  Timer zero("Timer2", 2, 0, false);
  zero.Attach(desktop);
  EXPECT_DEBUG_DEATH(zero.SetEnabled(true), "positive number");
}

}  // namespace
}  // namespace tarnwick
