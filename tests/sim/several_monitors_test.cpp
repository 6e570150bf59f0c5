// The program on a desk with two monitors: A 1024x768 (primary) and B 800x600 right of it.
#include <vector>

#include "tests/sim/cursor_fixture.h"

namespace tarnwick::sim {
namespace {

const std::vector<MonitorInfo> kTwoMonitors{{0, 0, 1024, 768, true, 96},
                                            {1024, 0, 1824, 600, false, 96}};

class SeveralMonitors : public CursorFixture {
 protected:
  void StartOnTwo() {
    desktop.SetMonitors(kTwoMonitors);
    MoveTo({500, 300});
    Start();
    Ticks(1);
  }
  void Arrive(Point position, int ticks = 1) {
    MoveTo(position);
    Ticks(ticks);
  }
};

TEST_F(SeveralMonitors, WrapsOnlyAtTheDesktopsEndsAndParksOnTheCursorsOwnMonitor) {
  Store("startup", "mousewrap", "1");
  Store("startup", "idel", "1");
  StartOnTwo();
  form->Text2.UserTyped("1");

  Arrive({1023, 300}, 3);
  EXPECT_EQ(desktop.Cursor(), (Point{1023, 300})) << "A's last column next to B";
  Arrive({0, 300});
  EXPECT_EQ(desktop.Cursor(), (Point{1822, 300}));
  Arrive({1823, 300});
  EXPECT_EQ(desktop.Cursor(), (Point{1, 300}));

  // Where the system puts the cursor elsewhere than asked, one more move puts it there; a
  // system that keeps it away is asked once more, and no more.
  for (const int misses : {1, 2}) {
    desktop.moveMiss = {{1500, 597}, {1500, 400}, misses};
    const std::size_t movesBefore = MoveCount();
    Arrive({1500, 0}, 3);
    EXPECT_EQ(desktop.Cursor(), (misses == 1 ? Point{1500, 597} : Point{1500, 400}));
    EXPECT_EQ(MoveCount() - movesBefore, 4u) << "twice across, then down";
  }

  // Resting on B: parked in B's corner, left there by the wrap, and put back at a move.
  Arrive({1500, 300}, 15);
  EXPECT_EQ(desktop.Cursor(), (Point{1823, 599}));
  Ticks(10);
  EXPECT_EQ(desktop.Cursor(), (Point{1823, 599})) << "parked, not restored nor wrapped";
  desktop.UserMovesMouseBy(-3, -3);
  Ticks(1);
  EXPECT_EQ(desktop.Cursor(), (Point{1500, 300}));

  // B unplugged, with no message about it: the next wrap and park use A alone.
  desktop.SetMonitors({kTwoMonitors[0]});
  Arrive({0, 300});
  EXPECT_EQ(desktop.Cursor(), (Point{1022, 300}));
  Arrive({700, 300}, 15);
  EXPECT_EQ(desktop.Cursor(), (Point{1023, 767}));
}

// Walking the monitors costs, and the wrap looks ten times a second while the mouse moves:
// the layout is read once, and again when the system says it changed (or, without a word,
// when the number of monitors changed, as above).
TEST_F(SeveralMonitors, TheLayoutIsReadAgainOnlyWhenTheSystemSaysItChanged) {
  Store("startup", "mousewrap", "1");
  StartOnTwo();
  const int reads = desktop.monitorReads;
  for (int x = 100; x < 1000; x += 50) Arrive({x, 300});
  Arrive({0, 300});
  EXPECT_EQ(desktop.Cursor(), (Point{1822, 300}));
  EXPECT_EQ(desktop.monitorReads, reads) << "moving and wrapping read no layout";

  // B moved below A: as many monitors as before, so only the notice tells.
  desktop.SetMonitors({kTwoMonitors[0], {0, 768, 800, 1368, false, 15}});
  form->Form_DisplayChange();
  Arrive({500, 0});
  EXPECT_EQ(desktop.Cursor(), (Point{500, 1365})) << "wrapped to the bottom of B";
  EXPECT_EQ(desktop.monitorReads, reads + 1);
}

TEST_F(SeveralMonitors, WithThePushOptionATouchStaysAPushWrapsACornerNever) {
  desktop.refuseRawInput = false;
  Store("startup", "mousewrap", "1");
  Store("options", "WrapOnlyOnPush", "1");
  StartOnTwo();

  Arrive({20, 300});
  desktop.UserMovesMouseBy(-20, 0);
  Ticks(10);
  EXPECT_EQ(desktop.Cursor(), (Point{0, 300})) << "reaching the edge is no push";
  for (int tick = 0; tick < 2; ++tick) {
    desktop.UserMovesMouseBy(-30, 0);
    Ticks(1);
  }
  EXPECT_EQ(desktop.Cursor(), (Point{1822, 300}));

  Arrive({1823, 0});
  for (int tick = 0; tick < 10; ++tick) {
    desktop.UserMovesMouseBy(40, -40);
    Ticks(1);
  }
  EXPECT_EQ(desktop.Cursor(), (Point{1823, 0})) << "a corner never wraps";

  // Switched off in the Options window: the edges wrap at once again.
  Options options = form->CurrentOptions();
  options.wrapOnlyOnPush = false;
  ASSERT_TRUE(form->ApplyOptions(options));
  EXPECT_EQ(sim.settings.Setting("options", "WrapOnlyOnPush"), "0");
  Arrive({1823, 300});
  EXPECT_EQ(desktop.Cursor(), (Point{1, 300}));
}

// Windows 11 carries a cursor pushed against the strip of B's left edge below A onto A: with
// that on, the strip is a crossing; off (Windows 10), it wraps as before.
TEST_F(SeveralMonitors, WhereWindowsEasesTheCrossingTheStripBesideAShorterMonitorIsNoEdge) {
  Store("startup", "mousewrap", "1");
  Store("startup", "bottomwrap", "0");
  desktop.SetMonitors({{0, 0, 1920, 1080, true, 96}, {1920, 0, 3840, 1440, false, 96}});
  MoveTo({2500, 1200});
  Start();
  desktop.easesCursorBetweenDisplays = true;
  Arrive({1920, 1200});
  EXPECT_EQ(desktop.Cursor(), (Point{1920, 1200})) << "left to the system";
  desktop.UserMovesMouseBy(-4, 0);
  Ticks(1);
  EXPECT_EQ(desktop.Cursor(), (Point{1916, 1079})) << "carried onto A";

  desktop.easesCursorBetweenDisplays = false;
  Arrive({1920, 1200});
  EXPECT_EQ(desktop.Cursor(), (Point{3838, 1200}));
}

}  // namespace
}  // namespace tarnwick::sim
