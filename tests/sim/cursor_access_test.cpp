#include "cursor/cursor_access.h"

#include <string>
#include <vector>

#include "sim/sim_desktop.h"
#include "tests/sim/cursor_fixture.h"

namespace tarnwick::sim {
namespace {

class CursorAccess : public ::testing::Test {
 protected:
  SimDesktop desktop;
  Module2 module2{desktop};
  CMouse mouse{desktop};
};

TEST_F(CursorAccess, MonitorsLeftOfAndAboveThePrimaryReadAsTheyAre) {
  desktop.virtualScreen = Rect{-1280, -1024, 800, 600};
  for (const Point position : {Point{0, 0}, Point{799, 599}, Point{5, -3}, Point{-1280, 5}}) {
    desktop.UserMovesCursor(position);
    EXPECT_EQ(module2.ReadMousePosition(), position);
  }
}

TEST_F(CursorAccess, AReadThatLagsBehindTheFirstMoveDoesNotThrowTheCursorBack) {
  desktop.UserMovesCursor({0, 300});
  desktop.readsLaggingAMove = 1;
  module2.SetMousePosition(798, 300);  // a wrap at the left edge
  EXPECT_EQ(desktop.Cursor(), (Point{798, 300}));
}

TEST_F(CursorAccess, SetMousePositionMovesAcrossFirstThenDown) {
  desktop.SetScreenPixels(1920, 1080, 144);
  desktop.UserMovesCursor({500, 600});
  module2.SetMousePosition(100, 200);
  EXPECT_EQ(desktop.CursorMoves(), (std::vector<Point>{{100, 600}, {100, 200}}));
}

TEST_F(CursorAccess, AnUnreadableCursorReadsAsZero) {
  desktop.UserMovesCursor({500, 300});
  desktop.refuseCursorRead = true;
  bool read = true;
  EXPECT_EQ(mouse.Position(&read), (Point{0, 0}));
  EXPECT_FALSE(read);
  EXPECT_EQ(module2.ReadMousePosition(), std::nullopt);
}

TEST_F(CursorAccess, ARefusedMoveIsIgnoredAndTheSecondStepStillRuns) {
  desktop.UserMovesCursor({500, 300});
  desktop.refuseCursorMove = true;
  module2.SetMousePosition(100, 200);
  EXPECT_EQ(desktop.calls.moveCursor, 2);
  EXPECT_EQ(desktop.Cursor(), (Point{500, 300}));
}

}  // namespace
}  // namespace tarnwick::sim
