#include "cursor/screen_bounds.h"

#include <string>

#include "tests/sim/cursor_fixture.h"

namespace tarnwick::sim {
namespace {

struct BoundsCase {
  ScreenCase screen;
  Point boundsOff;
  Point boundsOn;
};

using ScreenBoundsTest = SimFixture;

// The park point follows the real pixel size, so a scaled screen parks in its corner too.
TEST_F(ScreenBoundsTest, ParkPointAndWrapLimitsFollowTheRealPixelSize) {
  const BoundsCase cases[]{{kClassicScreen, {799, 599}, {799, 400}},
                           {kScaledScreen, {1919, 1079}, {1919, 880}},
                           {{800, 768, 12}, {799, 767}, {799, 568}}};
  for (const BoundsCase& c : cases) {
    for (const bool allowance : {false, true}) {
      SimSystem fresh;
      Platform freshPlatform = fresh.AsPlatform();
      fresh.desktop.SetScreenPixels(c.screen.widthPx, c.screen.heightPx, c.screen.dpi);
      if (allowance) fresh.settings.stored[{"Tarnwick", "startup", "idelautohide"}] = "1";
      Form1 window(freshPlatform);
      window.Start();
      EXPECT_EQ(window.parking.ParkPoint(), allowance ? c.boundsOn : c.boundsOff) << c.screen;
    }
  }
}

TEST_F(ScreenBoundsTest, TheAllowanceBoxStoresItselfAndMovesOnlyTheParkPoint) {
  Start();
  form->Check5.UserClicked();
  EXPECT_EQ(form->parking.ParkPoint(), (Point{799, 400}));
  EXPECT_EQ(sim.settings.Setting("startup", "idelautohide"), "1");
  form->Check5.UserClicked();
  EXPECT_EQ(form->parking.ParkPoint(), (Point{799, 599}));
  EXPECT_EQ(sim.settings.Setting("startup", "idelautohide"), "0");
}

TEST_F(ScreenBoundsTest, ADisplayChangeRebuildsBoundsAndLimitsKeepingTheAllowance) {
  Store("startup", "idelautohide", "1");
  Start();
  desktop.SetScreenPixels(1920, 1080, 144);
  EXPECT_EQ(form->parking.ParkPoint(), (Point{799, 400})) << "nothing changes before the message";
  form->Form_DisplayChange();
  EXPECT_EQ(form->parking.ParkPoint(), (Point{1919, 880}));
}

}  // namespace
}  // namespace tarnwick::sim
