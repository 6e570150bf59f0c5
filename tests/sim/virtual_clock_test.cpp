#include "sim/virtual_clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnwick::sim {
namespace {

const auto kNeverStopped = [] { return false; };

// What ran, as "name@ms", in order.
class VirtualClockTest : public ::testing::Test {
 protected:
  std::function<void()> Record(const std::string& name) {
    return [this, name] { ran.push_back(name + "@" + std::to_string(clock.NowMs())); };
  }
  VirtualClock clock;
  std::vector<std::string> ran;
};

using Ran = std::vector<std::string>;

TEST_F(VirtualClockTest, InputBeforeTimersAtOneMomentThenTimersInIdOrder) {
  clock.StartTimer(8, 100, Record("timer8"));
  clock.StartTimer(5, 100, Record("timer5"));
  clock.At(100, Record("second input"));
  clock.At(50, Record("first input"));
  clock.At(100, Record("third input"));
  clock.RunUntil(100, kNeverStopped);
  EXPECT_EQ(ran, (Ran{"first input@50", "second input@100", "third input@100", "timer5@100",
                      "timer8@100"}));
}

TEST_F(VirtualClockTest, TimersKeepTheirRhythmAndATickMayRestartOrStopItsTimer) {
  int ticks = 0;
  clock.StartTimer(1, 250, [&] {
    ++ticks;
    if (ticks == 2) clock.StartTimer(1, 1000, Record("restarted"));
  });
  clock.StartTimer(2, 0, [&] {  // below 1 ms means 1 ms
    ran.push_back("fast@" + std::to_string(clock.NowMs()));
    clock.StopTimer(2);
  });
  clock.RunUntil(2000, kNeverStopped);
  EXPECT_EQ(ticks, 2);
  EXPECT_EQ(ran, (Ran{"fast@1", "restarted@1500"}));
  EXPECT_FALSE(clock.TimerRunning(2));
  EXPECT_EQ(clock.NowMs(), 2000);
}

TEST_F(VirtualClockTest, InputScriptedForThePastRunsNowAndTimeNeverGoesBack) {
  clock.RunUntil(500, kNeverStopped);
  clock.At(100, Record("late"));
  clock.RunUntil(400, kNeverStopped);  // an end already past: nothing runs, time stays
  EXPECT_TRUE(ran.empty());
  EXPECT_EQ(clock.NowMs(), 500);
  clock.RunUntil(500, kNeverStopped);
  EXPECT_EQ(ran, Ran{"late@500"});
}

TEST_F(VirtualClockTest, PumpingRunsOnlyInputDueNowAndAStopEndsTheRun) {
  clock.At(0, Record("now"));
  clock.At(10, Record("later"));
  clock.RunDueInput(kNeverStopped);
  EXPECT_EQ(ran, Ran{"now@0"});

  bool quit = false;
  clock.At(20, [&] { quit = true; });
  clock.StartTimer(3, 5, Record("tick"));
  clock.RunUntil(100, [&] { return quit; });
  EXPECT_EQ(clock.NowMs(), 20) << "the program quit at 20, before that moment's tick";
  EXPECT_EQ(ran, (Ran{"now@0", "tick@5", "later@10", "tick@10", "tick@15"}));
}

}  // namespace
}  // namespace tarnwick::sim
