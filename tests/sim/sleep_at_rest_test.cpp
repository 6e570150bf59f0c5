// A resting mouse costs nothing: the timers stop once nothing is pending, and the first
// movement (or, with a pin, a change of the foreground) wakes them.
#include <vector>

#include "tests/sim/focus_fixture.h"

namespace tarnwick::sim {
namespace {

constexpr std::int64_t kHourMs = std::int64_t{3600} * 1000;

class SleepAtRestTest : public FocusFixture {
 protected:
  void SetUp() override {
    FocusFixture::SetUp();
    desktop.refuseRawInput = false;
    desktop.reportsCursorMoves = true;  // as Windows does
  }
  // Poll, wrap and parking all on, the cursor resting over the editor.
  void StartEverything() {
    Store("startup", "mousewrap", "1");
    Store("startup", "idel", "1");
    desktop.UserMovesCursor(kOverEditorText);
    Start();
  }
  bool AnyTimerRuns() const {
    for (int id : {kTimer1Id, kTimer2Id, kTimer5Id, kTimer8Id}) {
      if (desktop.TimerRunning(id)) return true;
    }
    return false;
  }
};

TEST_F(SleepAtRestTest, AnHourAtRestAsksNothingAndTheFirstMovementIsFollowedAsBefore) {
  StartEverything();
  desktop.RunUntil(1000);
  ASSERT_EQ(desktop.Activations(), std::vector<WindowHandle>{editor});
  desktop.RunUntil(6000);  // parked at the idle delay, then nothing is left to do
  ASSERT_EQ(desktop.Cursor(), (Point{799, 599}));
  ASSERT_TRUE(form->rest.Asleep());

  desktop.calls = {};
  desktop.RunFor(kHourMs);
  EXPECT_FALSE(AnyTimerRuns());
  EXPECT_EQ(desktop.calls.Total(), 0) << "not one tick in an hour";
  EXPECT_FALSE(desktop.RawInputOn() && !form->rest.Asleep());

  // The hand moves: the parked cursor comes back, and a window reached afterwards is
  // followed within the hover delay and one poll interval.
  const std::int64_t movedAt = desktop.NowMs() + 10;
  MoveAt(movedAt, Point{760, 590});
  desktop.RunUntil(movedAt + 60);
  EXPECT_FALSE(form->rest.Asleep());
  desktop.RunUntil(movedAt + 300);
  EXPECT_EQ(desktop.Cursor(), kOverEditorText) << "put back where it was";
  EXPECT_FALSE(desktop.RawInputOn()) << "awake, a moving mouse costs nothing extra";
  const std::int64_t reachedAt = desktop.NowMs();
  MoveAt(reachedAt, kOverDialog);
  desktop.RunUntil(reachedAt + 250 + 250);
  EXPECT_EQ(desktop.Foreground(), dialog);
}

TEST_F(SleepAtRestTest, TheFirstMovementAfterARestIsFollowedWithinTheHoverDelay) {
  desktop.UserMovesCursor(kOverEditorText);
  Start();
  desktop.RunUntil(10000);
  ASSERT_TRUE(form->rest.Asleep());
  MoveAt(10010, kOverDialog);
  desktop.RunUntil(10259);
  EXPECT_NE(desktop.Foreground(), dialog);
  desktop.RunUntil(10260);
  EXPECT_EQ(desktop.Foreground(), dialog) << "waking looks at once, not a poll interval later";
}

TEST_F(SleepAtRestTest, AWakeningReadThatStillShowsTheOldSpotIsLookedPast) {
  desktop.UserMovesCursor(kOverEditorText);
  Start();
  desktop.RunUntil(10000);
  ASSERT_TRUE(form->rest.Asleep());
  desktop.readsLaggingAMove = 2;  // two reads after the move show where the cursor was
  desktop.At(10010, [&] {
    desktop.MoveCursor(kOverEditorText);  // leaves the lagging read pending, as Wine may
    desktop.UserMovesCursor(kOverDialog);
  });
  desktop.RunUntil(11000);
  EXPECT_EQ(desktop.Foreground(), dialog) << "asleep again before the hand's spot was seen";
}

TEST_F(SleepAtRestTest, ParkingFallsDueAtTheIdleDelayWithOneTick) {
  StartEverything();
  desktop.RunUntil(1000);
  ASSERT_TRUE(form->rest.Asleep());
  desktop.calls = {};
  desktop.RunUntil(5000);
  EXPECT_EQ(desktop.calls.Total(), 0) << "the rest is not counted out tick by tick";
  EXPECT_EQ(desktop.Cursor(), kOverEditorText);
  desktop.RunUntil(5300);  // the 51st tick after the first idle one falls at 5.2 s
  EXPECT_EQ(desktop.Cursor(), (Point{799, 599}));
}

TEST_F(SleepAtRestTest, APinWinsTheForegroundBackByTheSystemsReport) {
  desktop.reportsForegroundChanges = true;
  StartEverything();
  KeyAt(1100, kKeyA);  // pin the editor
  desktop.RunUntil(3000);
  EXPECT_TRUE(form->rest.Asleep());
  desktop.At(3100, [&] { desktop.BringToForeground(dialog); });  // another program
  desktop.RunUntil(3101);
  EXPECT_EQ(desktop.Foreground(), editor);
}

TEST_F(SleepAtRestTest, APinKeepsThePollAwakeWhereTheSystemReportsNoChange) {
  desktop.reportsForegroundChanges = false;  // as under Wine
  StartEverything();
  KeyAt(1100, kKeyA);
  desktop.RunUntil(3000);
  EXPECT_FALSE(form->rest.Asleep());
  desktop.At(3100, [&] { desktop.BringToForeground(dialog); });
  desktop.RunUntil(3400);
  EXPECT_EQ(desktop.Foreground(), editor);
}

TEST_F(SleepAtRestTest, FollowingWindowsUnderAStillCursorKeepsThePollAwake) {
  Store("options", "FollowOnlyWhenMoved", "0");
  StartEverything();
  desktop.RunUntil(3000);
  EXPECT_FALSE(form->rest.Asleep());
  const WindowHandle toast = desktop.AddWindow("Toast", {50, 50, 200, 200});
  desktop.RunUntil(3600);
  EXPECT_EQ(desktop.Foreground(), toast) << "a window appearing under the cursor is followed";
}

}  // namespace
}  // namespace tarnwick::sim
