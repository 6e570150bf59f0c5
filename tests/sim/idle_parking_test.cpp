#include <string>
#include <vector>

#include "tests/sim/cursor_fixture.h"

namespace tarnwick::sim {
namespace {

constexpr Point kRest{300, 200};

// Parking switched on at start-up with the cursor resting at kRest. The first tick reads
// the resting position; every later tick without movement is an idle tick.
class IdleParking : public CursorFixture {
 protected:
  void StartParking(const ScreenCase& screen, const std::string& delay = "5") {
    Store("startup", "idel", "1");
    MoveTo(kRest);
    StartOn(screen);
    form->Text2.UserTyped(delay);
    Ticks(1);
  }
  Point Park(bool allowance = false) const {
    return {GetParam().MaxX(), allowance ? GetParam().heightPx - 200 : GetParam().MaxY()};
  }
  void ExpectParked(Point at) { EXPECT_EQ(desktop.Cursor(), at); }
  void ExpectRestored() { EXPECT_EQ(desktop.Cursor(), kRest); }
};

TEST_P(IdleParking, ParksOnTheFirstIdleTickPastTheDelay) {
  const std::vector<std::pair<const char*, int>> delays{{"5", 51}, {"0", 1}, {"0.5", 6}};
  for (const auto& [delay, parkingTick] : delays) {
    SCOPED_TRACE(delay);
    form.reset();
    Renew();
    StartParking(GetParam(), delay);
    Ticks(parkingTick - 1);
    EXPECT_EQ(desktop.Cursor(), kRest);
    Ticks(1);
    ExpectParked(Park());
  }
}

TEST_P(IdleParking, AParkedCursorStillInTheCornerIsNotMovedAgain) {
  StartParking(GetParam());
  Ticks(51 + 2);
  ExpectParked(Park());
  const std::size_t moves = MoveCount();
  const WindowManagerCalls before = desktop.calls;
  Ticks(100);
  EXPECT_EQ(MoveCount(), moves) << "the cursor is in the corner already";
  EXPECT_EQ(desktop.calls.moveCursor, before.moveCursor);
  ExpectParked(Park());
  MoveTo({Park().x - 1, Park().y});
  Ticks(1);
  ExpectRestored();
}

TEST_P(IdleParking, StaysParkedThenTheFirstMovementRestores) {
  StartParking(GetParam());
  Ticks(51 + 20);
  ExpectParked(Park());
  EXPECT_EQ(form->parking.ParkPoint(), Park());
  MoveTo({Park().x - 1, Park().y});
  Ticks(1);
  ExpectRestored();
  const std::size_t moves = MoveCount();
  Ticks(1);
  EXPECT_EQ(MoveCount(), moves) << "the restore itself is not taken for a movement to undo";
}

// In the corner the system holds the cursor: a hand moving right or down shows only as raw
// movement. A nudge just after the park still counts; the park's own moves, which Wine may
// report as raw movement, do not.
TEST_P(IdleParking, ANudgeIntoTheCornerAsTheCursorIsParkedBringsItBack) {
  desktop.refuseRawInput = false;
  desktop.echoesProgramMoves = true;
  StartParking(GetParam());
  for (const bool atOnce : {false, true}) {
    for (int ms = 0; ms < 6000 && desktop.Cursor() != Park(); ms += 10) desktop.RunFor(10);
    ASSERT_EQ(desktop.Cursor(), Park());
    // At once: within 10 ms of the park, before any tick has looked at the corner.
    if (!atOnce) {
      Ticks(3);
      ASSERT_EQ(desktop.Cursor(), Park()) << "the park's own moves are no nudge";
    }
    desktop.UserMovesMouseBy(2, 3);
    Ticks(1);
    ExpectRestored();
  }
}

// A drag held still is no rest: the park would take the window, the selection or the file
// along into the corner. Asleep or awake, the rest counts from the drop.
TEST_P(IdleParking, NeitherAHeldButtonNorAWindowBeingMovedIsParkedAway) {
  for (const bool sleeps : {false, true}) {
    SCOPED_TRACE(sleeps ? "asleep at rest" : "awake");
    form.reset();
    Renew();
    desktop.refuseRawInput = !sleeps;
    const WindowHandle other = desktop.AddWindow("Other program", {100, 190, 500, 400});
    StartParking(GetParam());
    desktop.UserDragsTitleBar(other);
    Ticks(100);
    EXPECT_EQ(desktop.Cursor(), kRest);
    EXPECT_EQ(desktop.Window(other).rect.left, 100) << "the dragged window stays put";
    desktop.UserDrops();
    Ticks(50);
    EXPECT_EQ(desktop.Cursor(), kRest) << "the rest counts from the drop";
    Ticks(3);
    ExpectParked(Park());
    MoveTo({301, 200});
    Ticks(1);
    ExpectRestored();
  }
  desktop.mouseButtonDown = true;  // a selection held with a swapped mouse, say
  Ticks(60);
  EXPECT_EQ(desktop.Cursor(), kRest);
  desktop.mouseButtonDown = false;
  desktop.UserMovesWithKeys(desktop.Foreground());
  Ticks(60);
  EXPECT_EQ(desktop.Cursor(), kRest);
}

TEST_P(IdleParking, AMovementBeforeTheDelayOnlyRestartsTheCount) {
  StartParking(GetParam());
  Ticks(30);
  MoveTo({301, 200});
  Ticks(1);
  Ticks(50);
  EXPECT_EQ(MoveCount(), 0u);
}

TEST_P(IdleParking, TheAllowanceParksTwoHundredRowsUpAndFollowsTheBox) {
  Store("startup", "idelautohide", "1");
  StartParking(GetParam());
  Ticks(52);
  ExpectParked(Park(true));
  EXPECT_EQ(form->parking.ParkPoint(), Park(true));
  form->Check5.UserClicked();  // with the keyboard: the cursor stays put
  Ticks(1);
  ExpectParked(Park(false));
}

TEST_P(IdleParking, UntickingWhileParkedLeavesTheCursorAndARetickRestores) {
  StartParking(GetParam());
  Ticks(51);
  form->Check2.UserClicked();
  Ticks(20);
  ExpectParked(Park());
  MoveTo({500, 500});
  Ticks(20);
  EXPECT_EQ(desktop.Cursor(), (Point{500, 500}));
  form->Check2.UserClicked();
  Ticks(1);
  ExpectRestored();
}

INSTANTIATE_TEST_SUITE_P(Screens, IdleParking, ::testing::Values(kClassicScreen, kScaledScreen));

class IdleParkingFaults : public IdleParking {};

// The parked cursor stays recognised on the new screen instead of being put back.
TEST_P(IdleParkingFaults, AResolutionChangeWhileParkedKeepsItParked) {
  const ScreenCase other = GetParam().widthPx == 800 ? kScaledScreen : kClassicScreen;
  StartParking(GetParam());
  Ticks(52);
  desktop.SetScreenPixels(other.widthPx, other.heightPx, other.dpi);
  form->Form_DisplayChange();
  Ticks(20);
  EXPECT_EQ(desktop.Cursor(), (Point{other.MaxX(), other.MaxY()}));
  MoveTo({10, 10});
  Ticks(1);
  ExpectRestored();
}

TEST_P(IdleParkingFaults, ADelayThatIsNoNumberPausesTheTicks) {
  for (const char* notANumber : {"", "abc", "5s"}) {
    SCOPED_TRACE(notANumber);
    form.reset();
    Renew();
    StartParking(GetParam(), notANumber);
    Ticks(100);
    EXPECT_EQ(MoveCount(), 0u);
  }
  // Retyping while parked: no number to time a park by, but the first movement still puts
  // the cursor back, and nothing parks again until there is a number.
  form->Text2.UserTyped("0");
  Ticks(2);
  ExpectParked(Park());
  form->Text2.UserTyped("");
  MoveTo({10, 10});
  Ticks(1);
  ExpectRestored();
  EXPECT_FALSE(form->parking.Parked());
  Ticks(10);
  EXPECT_EQ(desktop.Cursor(), kRest);
}

TEST_P(IdleParkingFaults, ARestoreWithNothingSavedMovesNothing) {
  StartParking(GetParam(), "-1");  // every tick is past this delay
  for (int x = 301; x < 311; ++x) {
    MoveTo({x, 200});
    Ticks(1);
  }
  EXPECT_EQ(MoveCount(), 0u);

  MoveTo(kRest);
  Ticks(2);
  ExpectParked(Park());
  MoveTo({5, 5});
  Ticks(1);
  ExpectRestored();
  const std::size_t moves = MoveCount();
  Ticks(1);  // the restore reads as a movement again, with nothing saved any more
  EXPECT_EQ(MoveCount(), moves);
}

TEST_P(IdleParkingFaults, ADelayLoweredUnderTheCountJustBeforeAMovementMovesNothing) {
  StartParking(GetParam());
  Ticks(30);
  form->Text2.UserTyped("1");
  MoveTo({5, 5});
  Ticks(1);
  EXPECT_EQ(MoveCount(), 0u);
  EXPECT_EQ(desktop.Cursor(), (Point{5, 5}));
}

// An unreadable cursor reads as 0, 0; taken for a rest, it would be saved and later
// "restored" into the top-left corner.
TEST_P(IdleParkingFaults, AnUnreadableCursorIsNeitherParkedNorSaved) {
  StartParking(GetParam(), "0");
  desktop.refuseCursorRead = true;
  Ticks(20);
  EXPECT_EQ(MoveCount(), 0u);
  desktop.refuseCursorRead = false;
  Ticks(1);
  ExpectParked(Park());
  MoveTo({5, 5});
  Ticks(1);
  ExpectRestored();
}

INSTANTIATE_TEST_SUITE_P(Screens, IdleParkingFaults,
                         ::testing::Values(kClassicScreen, kScaledScreen));

}  // namespace
}  // namespace tarnwick::sim
