#include "cursor/desktop_shape.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cursor/screen_bounds.h"
#include "tests/sim/cursor_fixture.h"

namespace tarnwick::sim {
namespace {

constexpr WrapEdges kAllEdges{true, true, true, true};

MonitorInfo Primary(int left, int top, int right, int bottom, int dpi = 96) {
  return {left, top, right, bottom, true, dpi};
}
MonitorInfo Other(int left, int top, int right, int bottom, int dpi = 96) {
  return {left, top, right, bottom, false, dpi};
}

struct Layout {
  std::string name;
  std::vector<MonitorInfo> monitors;
  // Where a cursor arriving at a point goes with all four edges ticked; nothing = stays.
  std::vector<std::pair<Point, std::optional<Point>>> wraps;
  // Where a cursor resting at a point is parked, without and with the taskbar allowance.
  std::vector<std::pair<Point, std::pair<Point, Point>>> parks;
};

std::vector<Layout> Layouts() {
  return {
      {"side by side, the right one lower",
       {Primary(0, 0, 1024, 768), Other(1024, 0, 1824, 600)},
       {{{1023, 300}, std::nullopt},  // crossing to B
        {{1024, 300}, std::nullopt},  // and back
        {{0, 300}, Point{1822, 300}},
        {{1823, 300}, Point{1, 300}},
        {{1023, 700}, Point{1, 700}},  // beside B's missing strip: A's right edge is the end
        {{0, 700}, Point{1022, 700}},  // a row only A shows comes back on A
        {{1500, 0}, Point{1500, 597}},
        {{1500, 599}, Point{1500, 1}},
        {{500, 767}, Point{500, 1}}},
       {{{300, 200}, {{1023, 767}, {1023, 568}}}, {{1500, 300}, {{1823, 599}, {1823, 400}}}}},
      {"a monitor left of the primary",
       {Other(-1280, 0, 0, 1024), Primary(0, 0, 1920, 1080)},
       {{{0, 500}, std::nullopt},
        {{-1, 500}, std::nullopt},
        {{-1280, 500}, Point{1918, 500}},
        {{1919, 500}, Point{-1279, 500}},
        {{1919, 1050}, Point{1, 1050}},
        {{-600, 1023}, Point{-600, 1}}},
       {{{-600, 300}, {{-1, 1023}, {-1, 824}}}}},
      {"stacked, the other above",
       {Primary(0, 0, 1920, 1080), Other(0, -1080, 1920, 0)},
       {{{500, 0}, std::nullopt},
        {{500, -1}, std::nullopt},
        {{500, -1080}, Point{500, 1077}},
        {{500, 1079}, Point{500, -1079}},
        {{0, -500}, Point{1918, -500}}},
       {{{500, -500}, {{1919, -1}, {1919, -200}}}}},
      {"three in an L",
       {Primary(0, 0, 1024, 768), Other(1024, 0, 2048, 768), Other(0, 768, 1024, 1536)},
       {{{1023, 300}, std::nullopt},
        {{500, 767}, std::nullopt},
        {{1500, 767}, Point{1500, 1}},  // under B there is nothing
        {{500, 1535}, Point{500, 1}},
        {{500, 0}, Point{500, 1533}},
        {{1023, 1000}, Point{1, 1000}},
        {{0, 1000}, Point{1022, 1000}},
        {{2047, 300}, Point{1, 300}}},
       {{{500, 1000}, {{1023, 1535}, {1023, 1336}}}, {{1500, 300}, {{2047, 767}, {2047, 568}}}}},
      {"offset by a 100 px step",
       {Primary(0, 0, 1920, 1080), Other(1920, 100, 3840, 1180)},
       {{{1919, 50}, Point{1, 50}},  // above B: the desktop ends here
        {{1919, 500}, std::nullopt},
        {{1920, 500}, std::nullopt},
        {{1920, 100}, Point{1921, 1177}},   // one in from B's left edge, which is an end there
        {{1920, 1150}, Point{3838, 1150}},  // below A: B's left edge is the end
        {{500, 0}, Point{500, 1077}},
        {{3000, 1179}, Point{3000, 101}}},
       {{{3000, 500}, {{3839, 1179}, {3839, 980}}}}},
      {"100 % beside 150 %",
       {Primary(0, 0, 1920, 1080, 144), Other(1920, 0, 3200, 1024, 96)},
       {{{1919, 500}, std::nullopt},
        {{0, 500}, Point{3198, 500}},
        {{3199, 500}, Point{1, 500}},
        {{2500, 0}, Point{2500, 1021}}},
       {{{2500, 500}, {{3199, 1023}, {3199, 824}}}, {{500, 500}, {{1919, 1079}, {1919, 880}}}}},
  };
}

TEST(DesktopShapeTest, CrossingsStayOuterEdgesWrapAndParkingStaysOnTheMonitor) {
  for (const Layout& layout : Layouts()) {
    SimDesktop desktop;
    desktop.SetMonitors(layout.monitors);
    const DesktopShape shape = DesktopShape::Of(desktop);
    for (const auto& [arrival, landing] : layout.wraps) {
      EXPECT_EQ(WrapLanding(shape, arrival, kAllEdges), landing)
          << layout.name << ": " << arrival.x << "," << arrival.y;
      if (landing) {
        // The landing point is on a monitor and never an edge that sends it straight back.
        EXPECT_TRUE(shape.Shows(*landing)) << layout.name;
        EXPECT_EQ(WrapLanding(shape, *landing, kAllEdges), std::nullopt) << layout.name;
      }
    }
    for (const auto& [rest, points] : layout.parks) {
      EXPECT_EQ(ParkPointOn(shape, rest, false), points.first) << layout.name;
      EXPECT_EQ(ParkPointOn(shape, rest, true), points.second) << layout.name;
    }
  }
}

// The primary's scaling is the screen the single-screen rules measure; the others keep
// their own pixels and are never rescaled by it.
TEST(DesktopShapeTest, MixedScalingKeepsThePrimaryMetrics) {
  SimDesktop desktop;
  desktop.SetMonitors({Other(1920, 0, 3200, 1024, 96), Primary(0, 0, 1920, 1080, 144)});
  EXPECT_EQ(std::pair(desktop.Metrics().widthPx, desktop.Metrics().heightPx),
            std::pair(1920, 1080));
  EXPECT_EQ(ParkPointOn(DesktopShape::Of(desktop), {0, 0}, false), (Point{1919, 1079}));
}

// On one monitor every answer is the single-screen rule's, whatever the scaling, also when
// the system names no monitor at all.
TEST(DesktopShapeTest, OneMonitorGivesTheSingleScreenAnswers) {
  for (const ScreenCase screen : {kClassicScreen, kScaledScreen, ScreenCase{800, 768, 120}}) {
    for (const bool named : {true, false}) {
      SimDesktop desktop;
      desktop.SetScreenPixels(screen.widthPx, screen.heightPx, screen.dpi);
      if (!named) desktop.SetMonitors({});
      const DesktopShape shape = DesktopShape::Of(desktop);
      const Point max{screen.widthPx - 1, screen.heightPx - 1};
      for (const int along : {0, 1, 300, max.y - 1, max.y}) {
        EXPECT_EQ(WrapLanding(shape, {0, along}, kAllEdges), (Point{max.x - 1, along})) << screen;
        if (along != 0 && along != max.y) {
          EXPECT_EQ(WrapLanding(shape, {max.x, along}, kAllEdges), (Point{1, along})) << screen;
        }
        EXPECT_EQ(WrapLanding(shape, {along + 1, 0}, {false, false, true, true}),
                  (Point{along + 1, max.y - 2}))
            << screen;
        EXPECT_EQ(WrapLanding(shape, {along + 1, max.y}, {false, false, true, true}),
                  (Point{along + 1, 1}))
            << screen;
      }
      EXPECT_EQ(WrapLanding(shape, {max.x, 0}, kAllEdges), (Point{1, 0})) << "horizontal first";
      EXPECT_EQ(WrapLanding(shape, {0, 300}, {false, true, true, true}), std::nullopt);
      for (const bool allowance : {false, true}) {
        EXPECT_EQ(ParkPointOn(shape, {300, 200}, allowance),
                  (Point{max.x, allowance ? max.y + 1 - kTaskbarAllowancePx : max.y}))
            << screen;
      }
    }
  }
}

TEST(DesktopShapeTest, AMonitorUnpluggedDuringARunChangesTheNextWrapAndPark) {
  SimDesktop desktop;
  desktop.SetMonitors({Primary(0, 0, 1024, 768), Other(1024, 0, 1824, 600)});
  desktop.UserMovesCursor({1500, 300});
  EXPECT_EQ(WrapLanding(DesktopShape::Of(desktop), {0, 300}, kAllEdges), (Point{1822, 300}));
  desktop.SetMonitors({Primary(0, 0, 1024, 768)});
  EXPECT_EQ(desktop.Cursor(), (Point{1023, 300})) << "pulled onto the monitor that is left";
  const DesktopShape shape = DesktopShape::Of(desktop);
  EXPECT_EQ(WrapLanding(shape, {0, 300}, kAllEdges), (Point{1022, 300}));
  EXPECT_EQ(WrapLanding(shape, {1023, 300}, kAllEdges), (Point{1, 300}));
  EXPECT_EQ(ParkPointOn(shape, {1500, 300}, false), (Point{1023, 767}))
      << "a stale point is parked on the nearest monitor";
}

// Easing the crossings, a stretch of edge beside a shorter neighbour leads onto it: neither
// an edge nor a corner. The desktop's outer edges stay ends.
TEST(DesktopShapeTest, EasedCrossingsAreNoEdges) {
  SimDesktop desktop;
  desktop.easesCursorBetweenDisplays = true;
  desktop.SetMonitors({Primary(0, 0, 1920, 1080), Other(1920, 100, 3840, 1180)});
  const DesktopShape shape = DesktopShape::Of(desktop);
  for (const Point crossing : {Point{1919, 50}, Point{1920, 1100}, Point{1920, 1150}}) {
    EXPECT_EQ(WrapLanding(shape, crossing, kAllEdges), std::nullopt)
        << crossing.x << "," << crossing.y;
  }
  EXPECT_EQ(WrapLanding(shape, {1920, 1179}, kAllEdges), (Point{1920, 101})) << "B's bottom";
  EXPECT_EQ(WrapLanding(shape, {0, 500}, kAllEdges), (Point{3838, 500}));
  EXPECT_FALSE(InCorner(shape, {1919, 0}));
  EXPECT_TRUE(InCorner(shape, {3839, 1179}));
  desktop.SetMonitors({Primary(0, 0, 1920, 1080)});
  EXPECT_FALSE(DesktopShape::Of(desktop).easesCrossings) << "one monitor: nothing to ease";
}

TEST(DesktopShapeTest, OnlyTheOuterCornersAreCorners) {
  SimDesktop desktop;
  desktop.SetMonitors(
      {Primary(0, 0, 1024, 768), Other(1024, 0, 2048, 768), Other(0, 768, 1024, 1536)});
  const DesktopShape shape = DesktopShape::Of(desktop);
  for (const Point corner :
       {Point{0, 0}, Point{2047, 0}, Point{2047, 767}, Point{1023, 1535}, Point{0, 1535}}) {
    EXPECT_TRUE(InCorner(shape, corner)) << corner.x << "," << corner.y;
  }
  // Where B overhangs C no pixel is a corner, so the notch never blocks a push.
  for (const Point edge :
       {Point{1023, 767}, Point{1024, 767}, Point{1023, 768}, Point{1023, 1000}, Point{500, 0}}) {
    EXPECT_FALSE(InCorner(shape, edge)) << edge.x << "," << edge.y;
  }
}

}  // namespace
}  // namespace tarnwick::sim
