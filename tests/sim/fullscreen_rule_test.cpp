#include "backend/fullscreen_rule.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

// A driver's overlay can hold "busy" for good, and presentation settings stay on over
// ordinary windows: by themselves they must not hold focus-follow back.
TEST(FullscreenRule, BusyAndPresentationCountOnlyWithAProgramCoveringItsMonitor) {
  using enum NotificationState;
  constexpr FrontWindow kNothing{}, kCovering{true, true}, kWindowed{true, false};
  constexpr FrontWindow kCoveringShell{false, true};
  EXPECT_FALSE(CountsAsFullscreen(kBusy, kNothing));
  EXPECT_FALSE(CountsAsFullscreen(kBusy, kWindowed));
  EXPECT_FALSE(CountsAsFullscreen(kBusy, kCoveringShell)) << "the desktop covers its monitor";
  EXPECT_TRUE(CountsAsFullscreen(kBusy, kCovering));
  EXPECT_TRUE(CountsAsFullscreen(kDirect3DFullScreen, kNothing));
  EXPECT_FALSE(CountsAsFullscreen(kPresentationMode, kWindowed));
  EXPECT_FALSE(CountsAsFullscreen(kPresentationMode, kNothing));
  EXPECT_TRUE(CountsAsFullscreen(kPresentationMode, kCovering));
}

}  // namespace
}  // namespace tarnwick
