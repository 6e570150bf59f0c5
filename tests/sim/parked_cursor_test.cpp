#include <vector>

#include "tests/sim/cursor_fixture.h"

namespace tarnwick::sim {
namespace {

// Parking and wrap both on, the cursor resting at (300, 200). Only the program's own
// moves happen; none of them may look like the user's.
class ParkedCursor : public CursorFixture {
 protected:
  void StartBoth(const ScreenCase& screen) {
    Store("startup", "idel", "1");
    Store("startup", "mousewrap", "1");
    MoveTo({300, 200});
    StartOn(screen);
    Ticks(1 + 51);
  }
  Point Park() const { return {GetParam().MaxX(), GetParam().MaxY()}; }
};

TEST_P(ParkedCursor, IsNotWrappedWhileParkedNorWhenNudgedOffThePark) {
  StartBoth(GetParam());
  ASSERT_EQ(desktop.Cursor(), Park());
  Ticks(30);
  EXPECT_EQ(desktop.Cursor(), Park());
  for (const Point move : desktop.CursorMoves()) EXPECT_EQ(move.x, Park().x) << "parking only";

  // Nudged along the bottom edge: the idle tick restores it, the wrap stays out of the way.
  const std::size_t parkMoves = MoveCount();
  MoveTo({Park().x - 3, Park().y});
  Ticks(1);
  EXPECT_EQ(desktop.Cursor(), (Point{300, 200}));
  EXPECT_EQ(
      std::vector<Point>(desktop.CursorMoves().begin() + parkMoves, desktop.CursorMoves().end()),
      (std::vector<Point>{{300, Park().y}, {300, 200}}));

  // Once restored, the same edge wraps as usual.
  MoveTo({300, Park().y});
  Ticks(1);
  EXPECT_EQ(desktop.Cursor(), (Point{300, 1}));
}

TEST_P(ParkedCursor, WrapsAgainOnceParkingIsUntickedWhileParked) {
  StartBoth(GetParam());
  Ticks(1);
  form->Check2.UserClicked();  // with the keyboard: the cursor stays parked
  Ticks(5);
  EXPECT_EQ(desktop.Cursor(), Park());
  MoveTo({0, 300});
  Ticks(1);
  EXPECT_EQ(desktop.Cursor(), (Point{GetParam().MaxX() - 1, 300}));
  MoveTo(Park());
  Ticks(1);
  EXPECT_EQ(desktop.Cursor(), (Point{1, GetParam().MaxY()}));
}

TEST_P(ParkedCursor, UntickingRightAfterTheParkLeavesTheCursorWhereParkingPutIt) {
  Store("startup", "idel", "1");
  Store("startup", "mousewrap", "1");
  MoveTo({300, 200});
  StartOn(GetParam());
  Ticks(1 + 50);
  ASSERT_EQ(desktop.Cursor(), (Point{300, 200}));
  // Parked by the Timer8 tick at 5200 ms; unticked before the wrap's next tick at 5300.
  desktop.RunFor(kTickMs);
  ASSERT_EQ(desktop.Cursor(), Park());
  form->Check2.UserClicked();
  Ticks(5);
  EXPECT_EQ(desktop.Cursor(), Park()) << "the park point is no push against the edge";
}

INSTANTIATE_TEST_SUITE_P(Screens, ParkedCursor, ::testing::Values(kClassicScreen, kScaledScreen));

// The focus poll must not take the park point for a place the user rests at: parking and
// restoring leave the foreground where the user's own resting put it.
class ParkedCursorFocus : public CursorFixture {};

TEST_F(ParkedCursorFocus, ParkingAndRestoringActivateNothing) {
  const WindowHandle editor = desktop.AddWindow("Notes - Editor", {0, 0, 600, 450});
  desktop.AddWindow("Corner", {600, 450, 800, 600});
  Store("startup", "idel", "1");
  MoveTo({300, 200});
  StartOn(kClassicScreen);
  desktop.RunFor(1000);
  ASSERT_EQ(desktop.Activations(), std::vector<WindowHandle>{editor});

  desktop.RunFor(6000);
  ASSERT_EQ(desktop.Cursor(), (Point{799, 599}));
  EXPECT_TRUE(form->parking.Parked());
  MoveTo({798, 599});
  EXPECT_TRUE(form->parking.Parked()) << "nudged, about to be restored";
  desktop.RunFor(2000);
  ASSERT_EQ(desktop.Cursor(), (Point{300, 200}));
  EXPECT_FALSE(form->parking.Parked());
  EXPECT_EQ(desktop.Activations(), std::vector<WindowHandle>{editor});
}

}  // namespace
}  // namespace tarnwick::sim
