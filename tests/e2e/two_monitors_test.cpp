// Wrap and parking on a desk with two monitors: A 1024x768 (primary) and B 800x600 right of
// it, on a real X server with two outputs (scripts/two-monitors.sh), driven with relative
// mouse movement as a hand makes it.
#include <string>

#include "fixture.h"

namespace tarnwick::e2e {
namespace {

constexpr int kRightOfA = 1023;  // A's last column; B starts at 1024
constexpr int kRightOfB = 1823;
constexpr int kBottomOfB = 599;

int MonitorCount() {
  return GetSystemMetrics(SM_CMONITORS);
}

// The X server's outputs, changed as a user unplugs or plugs in a screen.
bool Xrandr(const std::wstring& arguments) {
  ChildProcess xrandr;
  return xrandr.Start(L"Z:\\usr\\bin\\xrandr", arguments) && xrandr.WaitForExit(10000ms);
}

class TwoMonitors : public TarnwickCase {
 protected:
  void SetUp() override {
    TarnwickCase::SetUp();
    ASSERT_EQ(MonitorCount(), 2) << "run through scripts/two-monitors.sh";
  }

  // From `start`, the mouse pushed by (dx, dy) into an edge; the cursor should end at
  // `expected`.
  static testing::AssertionResult Pushed(POINT start, int dx, int dy, POINT expected) {
    MoveCursor(start);
    MoveBy(dx, dy);
    if (WaitForCursor(expected, 5000ms)) return testing::AssertionSuccess();
    const POINT now = CursorPosition();
    return testing::AssertionFailure() << "pushed from " << start.x << "," << start.y << " by "
                                       << dx << "," << dy << ": expected " << expected.x << ","
                                       << expected.y << ", cursor is at " << now.x << "," << now.y;
  }
};

TEST_F(TwoMonitors, CrossingsStayOuterEdgesWrapAndAnUnpluggedMonitorCounts) {
  WriteSetting(L"startup", L"mousewrap", L"1");
  ASSERT_TRUE(Launch());

  // A slow move from A into B, resting on A's last column on the way, and back.
  MoveCursor({kRightOfA - 10, 300});
  for (int step = 0; step < 10; ++step) {
    MoveBy(1, 0);
    Pause(40ms);
  }
  Pause(400ms);
  EXPECT_EQ(CursorPosition().x, kRightOfA) << "thrown away from between the monitors";
  for (int step = 0; step < 20; ++step) {
    MoveBy(1, 0);
    Pause(40ms);
    ASSERT_GE(CursorPosition().x, kRightOfA - 10) << "wrapped while crossing to B";
  }
  Pause(400ms);
  EXPECT_GT(CursorPosition().x, kRightOfA) << "never reached B";
  for (int step = 0; step < 30; ++step) {
    MoveBy(-1, 0);
    Pause(40ms);
    ASSERT_LE(CursorPosition().x, kRightOfA + 20) << "wrapped while crossing back to A";
  }

  // The outer edges send the cursor to the far end of the same row or column.
  EXPECT_TRUE(Pushed({3, 300}, -5, 0, {kRightOfB - 1, 300}));
  EXPECT_TRUE(Pushed({kRightOfB - 3, 300}, 5, 0, {1, 300}));
  EXPECT_TRUE(Pushed({1500, 3}, 0, -5, {1500, kBottomOfB - 2}));
  EXPECT_TRUE(Pushed({1500, kBottomOfB - 3}, 0, 5, {1500, 1}));
  // Beside B's missing strip A's right edge ends the desktop; the row comes back on A.
  EXPECT_TRUE(Pushed({kRightOfA - 3, 700}, 5, 0, {1, 700}));
  EXPECT_TRUE(Pushed({3, 700}, -5, 0, {kRightOfA - 1, 700}));

  // B unplugged while the program runs (no message tells it): the next wrap lands on A.
  ASSERT_TRUE(Xrandr(L"--output DUMMY1 --off"));
  ASSERT_TRUE(WaitUntil([] { return MonitorCount() == 1; }));
  EXPECT_TRUE(Pushed({3, 300}, -5, 0, {kRightOfA - 1, 300}));
  EXPECT_TRUE(Pushed({kRightOfA - 3, 300}, 5, 0, {1, 300}));
  ASSERT_TRUE(Xrandr(L"--output DUMMY1 --mode 800x600_60 --right-of DUMMY0"));
  EXPECT_TRUE(WaitUntil([] { return MonitorCount() == 2; }));
}

// The option reaches the program through the store, the push through raw mouse input to its
// main window.
TEST_F(TwoMonitors, WithThePushOptionAnEdgeWrapsOnlyAfterAPushAndACornerNever) {
  WriteSetting(L"startup", L"mousewrap", L"1");
  WriteSetting(L"options", L"WrapOnlyOnPush", L"1");
  ASSERT_TRUE(Launch());
  const auto pushFor = [](int dx, int dy) {
    for (int step = 0; step < 25; ++step) {
      MoveBy(dx, dy);
      Pause(20ms);
    }
  };

  MoveCursor({3, 300});
  MoveBy(-5, 0);
  Pause(1000ms);
  EXPECT_EQ(CursorPosition().x, 0) << "reaching the edge wrapped";
  pushFor(-4, 0);
  Pause(300ms);
  EXPECT_GT(CursorPosition().x, kRightOfA) << "a push did not wrap onto B";

  MoveCursor({kRightOfB - 3, 3});
  pushFor(4, -4);
  Pause(300ms);
  EXPECT_EQ(CursorPosition().x, kRightOfB) << "a corner wrapped";
  EXPECT_EQ(CursorPosition().y, 0);
}

TEST_F(TwoMonitors, AnIdleCursorOnBIsParkedOnB) {
  WriteSetting(L"startup", L"idel", L"1");
  ASSERT_TRUE(Launch());
  EXPECT_TRUE(ReplaceEditText(EditInFrame(Program().MainWindow(), L"Auto Hide "), L"1", false));
  MoveCursor({1500, 300});
  EXPECT_TRUE(WaitForCursor({kRightOfB, kBottomOfB})) << "not parked in B's corner";
  // The first movement brings it back to where it rested on B. Each idle tick parks it
  // again, so a movement that lands between a tick's read and its move is simply repeated.
  for (int attempt = 0; attempt < 5; ++attempt) {
    MoveBy(-3, -3);
    if (WaitForCursor({1500, 300}, 1000ms)) break;
  }
  EXPECT_EQ(CursorPosition().x, 1500);
  EXPECT_EQ(CursorPosition().y, 300);
}

}  // namespace
}  // namespace tarnwick::e2e
