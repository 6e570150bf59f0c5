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
  // A program, not a hand, moves the cursor while asleep: to an edge (wrapped), to a
  // resting spot (parked at the idle delay), and away from the park (it stays there).
  // Seen by the system's cursor watch at once, or by the lazy look within half a second.
  void ProgramMovesAreWrappedAndParked(int seenWithinMs) {
    StartEverything();
    desktop.RunUntil(1000);
    ASSERT_TRUE(form->rest.Asleep());
    desktop.At(1100, [&] { desktop.ProgramSetsCursor({0, 300}); });
    desktop.RunUntil(1100 + seenWithinMs + 100);
    EXPECT_EQ(desktop.Cursor(), (Point{798, 300})) << "wrapped at the left edge";
    desktop.At(2000, [&] { desktop.ProgramSetsCursor({300, 200}); });
    desktop.RunUntil(2000 + seenWithinMs + 5300);
    EXPECT_EQ(desktop.Cursor(), (Point{799, 599})) << "parked at the idle delay";
    desktop.RunUntil(9000);
    ASSERT_TRUE(form->rest.Asleep());
    desktop.At(9100, [&] { desktop.ProgramSetsCursor({0, 150}); });
    desktop.RunUntil(9100 + seenWithinMs + 1500);
    EXPECT_EQ(desktop.Cursor(), (Point{798, 150})) << "put on the edge on purpose: it wraps";
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

TEST_F(SleepAtRestTest, AProgramsCursorMovesWakeThroughTheSystemsCursorWatch) {
  ProgramMovesAreWrappedAndParked(10);
}

TEST_F(SleepAtRestTest, AProgramsCursorMovesWakeThroughALazyLookWhereNoneIsReported) {
  desktop.reportsCursorMoves = false;  // as under Wine
  ProgramMovesAreWrappedAndParked(SleepAtRest::kRestLookMs);
  desktop.calls = {};
  desktop.RunFor(60000);
  EXPECT_LE(desktop.calls.Total(), 2 * 60000 / SleepAtRest::kRestLookMs) << "one read a look";
}

// Typing with the mouse at rest: keys that are no chord in force change nothing, and a
// chord that changes nothing (keep on top) wakes nothing either. The pin wakes the poll.
TEST_F(SleepAtRestTest, TypingWakesNothingAndAChordWakesOnlyWhatItChanges) {
  StartEverything();
  desktop.RunUntil(1000);
  ASSERT_TRUE(form->rest.Asleep());
  desktop.calls = {};
  for (int i = 0; i < 160; ++i) {
    desktop.At(1000 + i * 10, [&, i] {
      desktop.UserPressesKey();
      form->WinHook1_KeyEvent('A' + i % 26, i % 7 == 0 ? 1 : 0);
    });
  }
  KeyAt(2700, kKeyT);
  desktop.RunUntil(2800);
  EXPECT_TRUE(form->rest.Asleep());
  for (int id : {kTimer1Id, kTimer2Id, kTimer5Id}) EXPECT_FALSE(desktop.TimerRunning(id)) << id;
  EXPECT_EQ(desktop.calls.Total(), desktop.calls.keepOnTop) << "nothing but the chord's own work";
  KeyAt(2900, kKeyA);
  desktop.RunUntil(2901);
  EXPECT_FALSE(form->rest.Asleep()) << "a pin needs the poll";
}

// Parked in the corner the system holds the cursor: raw movement down or right brings it
// back though the position cannot change. An absolute report puts it somewhere on purpose.
// Ticking the taskbar allowance by keyboard while asleep re-parks it higher.
TEST_F(SleepAtRestTest, AParkedCursorHearsEveryWayOfMovingIt) {
  StartEverything();
  desktop.RunUntil(6000);
  ASSERT_EQ(desktop.Cursor(), (Point{799, 599}));
  ASSERT_TRUE(form->rest.Asleep());
  form->Check5.SetValue(1);
  desktop.RunFor(300);
  EXPECT_EQ(desktop.Cursor(), (Point{799, 400})) << "the allowance moves a sleeping park";
  form->Check5.SetValue(0);
  desktop.RunFor(300);
  ASSERT_EQ(desktop.Cursor(), (Point{799, 599}));
  desktop.RunFor(1000);
  desktop.At(desktop.NowMs() + 10, [&] { desktop.UserMovesMouseBy(5, 5); });
  desktop.RunFor(300);
  EXPECT_EQ(desktop.Cursor(), kOverEditorText) << "a push into the corner brings it back";
  desktop.RunFor(6000);
  ASSERT_EQ(desktop.Cursor(), (Point{799, 599}));
  desktop.At(desktop.NowMs() + 10, [&] { desktop.UserPointsAt({545, 338}); });
  desktop.RunFor(1000);
  EXPECT_EQ(desktop.Cursor(), (Point{545, 338})) << "a pen's jump stays where it points";
  desktop.At(desktop.NowMs() + 10, [&] { desktop.UserMovesMouseBy(1, 1); });
  desktop.RunFor(300);
  EXPECT_EQ(desktop.Cursor(), (Point{546, 339})) << "nothing is left to put back";
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
