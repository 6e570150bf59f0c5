#include <vector>

#include "tests/sim/cursor_fixture.h"

namespace tarnwick::sim {
namespace {

// Wrap switched on at start-up, all four edges ticked unless a test says otherwise.
class WrapEngine : public CursorFixture {
 protected:
  void SetUp() override {
    Store("startup", "mousewrap", "1");
    MoveTo(Middle());
  }
  // The user brings the cursor to a point; the engine's next tick follows.
  void Arrive(Point position) {
    MoveTo(position);
    Ticks(1);
  }
  Point Middle() const { return {GetParam().widthPx / 2, GetParam().heightPx / 2}; }
  int mx = GetParam().MaxX();
  int my = GetParam().MaxY();
};

TEST_P(WrapEngine, EachEdgeSendsTheCursorJustInsideTheOppositeOne) {
  StartOn(GetParam());
  const int cx = Middle().x;
  const int cy = Middle().y;
  const std::vector<std::pair<Point, Point>> rows{
      {{0, cy}, {mx - 1, cy}},  // left: one column inside the right edge
      {{mx, cy}, {1, cy}},      // right
      {{cx, 0}, {cx, my - 2}},  // top: two rows above the bottom row
      {{cx, my}, {cx, 1}},      // bottom
      {{1, cy}, {1, cy}},       // one column in from an edge is no edge
      {{cx, my - 1}, {cx, my - 1}}};
  for (const auto& [arrival, result] : rows) {
    Arrive(arrival);
    EXPECT_EQ(desktop.Cursor(), result) << arrival.x << "," << arrival.y;
  }
}

TEST_P(WrapEngine, ACornerTakesTwoTicksHorizontalEdgeFirst) {
  StartOn(GetParam());
  const std::vector<std::vector<Point>> sequences{
      {{0, 0}, {mx - 1, 0}, {mx - 1, my - 2}, {mx - 1, my - 2}},
      {{mx, my}, {1, my}, {1, 1}, {1, 1}},
      {{mx, 0}, {1, 0}, {1, my - 2}, {1, my - 2}},
      {{0, my}, {mx - 1, my}, {mx - 1, 1}, {mx - 1, 1}}};
  for (const std::vector<Point>& sequence : sequences) {
    Arrive(sequence[0]);
    for (std::size_t tick = 1; tick < sequence.size(); ++tick) {
      EXPECT_EQ(desktop.Cursor(), sequence[tick]) << sequence[0].x << "," << sequence[0].y;
      Ticks(1);
    }
  }
}

TEST_P(WrapEngine, UntickedAndGreyedEdgesLeaveTheCursorAlone) {
  Store("startup", "leftwrap", "0");
  Store("startup", "rightwrap", "2");
  StartOn(GetParam());
  Arrive({0, 300});
  Arrive({mx, 300});
  Ticks(5);
  EXPECT_TRUE(desktop.CursorMoves().empty());
  Arrive({300, 0});
  EXPECT_EQ(desktop.Cursor(), (Point{300, my - 2})) << "the ticked edges still wrap";
}

TEST_P(WrapEngine, AnEdgeTickedUnderARestingCursorWaitsForItToMove) {
  Store("startup", "leftwrap", "0");
  StartOn(GetParam());
  Arrive({0, 300});
  form->Check8.UserClicked();
  Ticks(5);
  EXPECT_EQ(desktop.Cursor(), (Point{0, 300}));
  Arrive({0, 301});
  EXPECT_EQ(desktop.Cursor(), (Point{mx - 1, 301}));
}

TEST_P(WrapEngine, TheLastPositionSurvivesAStopAndRestart) {
  Store("startup", "leftwrap", "0");
  StartOn(GetParam());
  Arrive({0, 300});
  form->Command20.Click();
  form->Check8.UserClicked();
  Ticks(3);
  form->Command20.Click();
  Ticks(3);
  EXPECT_EQ(desktop.Cursor(), (Point{0, 300})) << "still resting where the last tick saw it";
  Arrive({0, 299});
  EXPECT_EQ(desktop.Cursor(), (Point{mx - 1, 299}));
}

TEST_P(WrapEngine, WithTheWrapOffNoEdgeIsEverHandled) {
  StartOn(GetParam());
  form->Command20.Click();
  for (const Point edge : {Point{0, 300}, Point{mx, 300}, Point{300, 0}, Point{300, my}}) {
    Arrive(edge);
  }
  EXPECT_TRUE(desktop.CursorMoves().empty());
}

INSTANTIATE_TEST_SUITE_P(Screens, WrapEngine, ::testing::Values(kClassicScreen, kScaledScreen));

using WrapEngineFaults = CursorFixture;

TEST_F(WrapEngineFaults, AnUnchangedTickOnlyReadsTheCursor) {
  Store("startup", "mousewrap", "1");
  MoveTo({400, 300});
  StartOn(kClassicScreen);
  Ticks(2);  // the tick that saw the input and the one after it both look
  // No input since then: one question, no read.
  WindowManagerCalls before = desktop.calls;
  form->Timer5_Timer();
  EXPECT_EQ(desktop.calls.lastInputTime - before.lastInputTime, 1);
  EXPECT_EQ(desktop.calls.Total() - before.Total(), 1);
  // Input came, the cursor did not move: one read for both numbers (two could tear when the
  // cursor moves between them) and nothing else.
  MoveTo({400, 300});
  before = desktop.calls;
  form->Timer5_Timer();
  EXPECT_EQ(desktop.calls.cursorPosition - before.cursorPosition, 1);
  EXPECT_EQ(desktop.calls.Total() - before.Total(), 2);
}

TEST_F(WrapEngineFaults, ARefusedMoveIsNotRetriedWhileTheCursorRests) {
  Store("startup", "mousewrap", "1");
  StartOn(kClassicScreen);
  desktop.refuseCursorMove = true;
  MoveTo({0, 300});
  Ticks(1);
  EXPECT_EQ(desktop.calls.moveCursor, 2);
  desktop.refuseCursorMove = false;
  Ticks(5);
  EXPECT_EQ(desktop.calls.moveCursor, 2);
  EXPECT_EQ(desktop.Cursor(), (Point{0, 300}));
}

// An unreadable cursor reads as 0, 0, which is the left and top edges; wrapping it would
// throw the real cursor across the screen.
TEST_F(WrapEngineFaults, AnUnreadableCursorIsNotWrapped) {
  Store("startup", "mousewrap", "1");
  MoveTo({400, 300});
  StartOn(kClassicScreen);
  desktop.refuseCursorRead = true;
  Ticks(10);
  EXPECT_EQ(desktop.calls.moveCursor, 0);
  EXPECT_EQ(desktop.Cursor(), (Point{400, 300}));
}

}  // namespace
}  // namespace tarnwick::sim
