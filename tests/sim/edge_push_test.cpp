#include "cursor/edge_push.h"

#include <gtest/gtest.h>

#include <vector>

#include "cursor/edge_wrap.h"
#include "sim/sim_system.h"

namespace tarnwick::sim {
namespace {

constexpr auto kLeft = DesktopEdge::kLeft;

// One wrap tick after the mouse moved by (dx, 0) on the left edge.
bool PushLeft(EdgePush& push, int dx) {
  push.AddMovement(dx, 0);
  return push.Tick(kLeft, false);
}

TEST(EdgePushTest, AKeptPushWrapsATouchOrACornerNever) {
  EdgePush push;
  // The fast move that brought the cursor to the edge is no push against it.
  push.AddMovement(-400, 0);
  EXPECT_FALSE(push.Tick(kLeft, false));
  EXPECT_FALSE(PushLeft(push, -30));
  EXPECT_TRUE(PushLeft(push, -30)) << "60 counts within two ticks";

  // Reached and left at rest, or nudged a little now and then: never.
  EXPECT_FALSE(push.Tick(kLeft, false));
  for (int tick = 0; tick < 20; ++tick) {
    EXPECT_FALSE(PushLeft(push, tick % 3 == 0 ? -15 : 0)) << tick;
  }
  // Moving along the edge or back out makes no push.
  EXPECT_FALSE(PushLeft(push, 200));
  push.AddMovement(0, -200);
  EXPECT_FALSE(push.Tick(kLeft, false));

  // A corner never wraps, however hard the push.
  EdgePush corner;
  for (int tick = 0; tick < 5; ++tick) {
    corner.AddMovement(-200, -200);
    EXPECT_FALSE(corner.Tick(kLeft, true));
  }
  // Another edge starts the count afresh.
  EdgePush moved;
  moved.Tick(kLeft, false);
  moved.AddMovement(-40, 40);
  EXPECT_FALSE(moved.Tick(DesktopEdge::kBottom, false));
  moved.AddMovement(0, 40);
  EXPECT_FALSE(moved.Tick(DesktopEdge::kBottom, false));
  moved.AddMovement(0, 40);
  EXPECT_TRUE(moved.Tick(DesktopEdge::kBottom, false));
}

// With the option the wrap waits for a push, on the desktop as laid out at that tick. The
// mouse's raw movement is asked for only near an edge that wraps: a fast mouse anywhere else
// sends the program nothing. An absolute pointer's sweep into the edge is its push.
TEST(EdgePushTest, WithTheOptionTheWrapWaitsForAPushAndListensOnlyNearAWrappingEdge) {
  constexpr WrapEdges kAll{true, true, true, true};
  SimSystem sim;
  SimDesktop& desktop = sim.desktop;
  desktop.SetMonitors({{0, 0, 1024, 768, true, 96}, {1024, 0, 1824, 600, false, 96}});
  Platform platform = sim.AsPlatform();
  DesktopLayout layout(platform.screen);
  EdgeWrap wrap(layout, platform.rawInput);
  wrap.SetPushing(true, false);
  EXPECT_EQ(wrap.Tick({0, 300}, kAll), (Point{1822, 300})) << "without the option: at once";
  EXPECT_FALSE(desktop.RawInputOn());

  wrap.SetPushing(true, true);
  const auto tickAfter = [&](int dx, int dy) {
    desktop.UserMovesMouseBy(dx, dy);
    return wrap.Tick(desktop.Cursor(), kAll);
  };
  desktop.UserMovesCursor({500, 300});
  EXPECT_EQ(tickAfter(-100, 0), std::nullopt);
  EXPECT_FALSE(desktop.RawInputOn()) << "far from every edge";
  EXPECT_EQ(tickAfter(-380, 0), std::nullopt);
  EXPECT_TRUE(desktop.RawInputOn()) << "near the left edge";
  EXPECT_EQ(tickAfter(-20, 0), std::nullopt) << "reaching the edge is no push";
  EXPECT_TRUE(wrap.Measuring());
  EXPECT_EQ(tickAfter(-30, 0), std::nullopt);
  EXPECT_EQ(tickAfter(-30, 0), (Point{1822, 300}));

  // B's top-right corner holds a close button: pushed into, it never wraps.
  desktop.UserMovesCursor({1823, 0});
  for (int tick = 0; tick < 5; ++tick) EXPECT_EQ(tickAfter(40, -40), std::nullopt) << tick;

  // A tablet sweeping into the left edge pushes by its sweep; a slow one arrives only.
  desktop.UserPointsAt({40, 300});
  wrap.Tick(desktop.Cursor(), kAll);
  desktop.UserPointsAt({0, 300});
  EXPECT_EQ(wrap.Tick(desktop.Cursor(), kAll), std::nullopt) << "40 pixels are no push";
  desktop.UserPointsAt({60, 300});
  wrap.Tick(desktop.Cursor(), kAll);
  desktop.UserPointsAt({0, 300});
  EXPECT_EQ(wrap.Tick(desktop.Cursor(), kAll), (Point{1822, 300}));

  // B unplugged: the next push lands on A.
  desktop.SetMonitors({{0, 0, 1024, 768, true, 96}});
  desktop.UserMovesCursor({0, 300});
  wrap.Tick(desktop.Cursor(), kAll);
  EXPECT_EQ(tickAfter(-60, 0), (Point{1022, 300}));

  wrap.SetPushing(false, true);
  EXPECT_FALSE(desktop.RawInputOn());
  EXPECT_FALSE(wrap.Measuring());
}

// Two features listen at once (the wrap's push and another's wake-up): the system is asked
// for raw input while either listens, and every report reaches each.
TEST(EdgePushTest, RawInputServesSeveralListeners) {
  SimSystem sim;
  SimDesktop& desktop = sim.desktop;
  Platform platform = sim.AsPlatform();
  RawInput& raw = platform.rawInput;
  std::vector<int> first;
  std::vector<int> second;
  const int a = raw.Listen([&](RawMove move) { first.push_back(move.dx); });
  int b = RawInput::kNotListening;
  b = raw.Listen([&](RawMove move) {
    second.push_back(move.dx);
    raw.StopListening(b);  // a listener may go while it is called
    raw.StopListening(a);  // and take another with it
  });
  EXPECT_TRUE(desktop.RawInputOn());
  desktop.UserMovesMouseBy(5, 0);
  desktop.UserMovesMouseBy(7, 0);
  EXPECT_EQ(first, std::vector<int>{5});
  EXPECT_EQ(second, std::vector<int>{5});
  EXPECT_FALSE(desktop.RawInputOn()) << "the system is told to stop with the last one";
  raw.StopListening(a);  // twice is harmless

  desktop.refuseRawInput = true;
  EXPECT_EQ(raw.Listen([](RawMove) {}), RawInput::kNotListening);
  EXPECT_FALSE(raw.Listening());
}

}  // namespace
}  // namespace tarnwick::sim
