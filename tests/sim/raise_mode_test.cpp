// When the window that gets the keyboard comes to the front, and waiting for the mouse to
// stop before the hover delay counts.
#include <string>
#include <vector>

#include "tests/sim/sim_fixture.h"

namespace tarnwick::sim {
namespace {

using Handles = std::vector<WindowHandle>;

// Two windows, the front one over the right half of the back one; the cursor starts nowhere.
class RaiseMode : public SimFixture {
 protected:
  static constexpr Point kOverBackOnly{100, 100};
  static constexpr Point kOverFrontOnly{500, 100};
  static constexpr Point kNowhere{700, 500};

  void SetUp() override {
    desktop.UserMovesCursor(kNowhere);
    back = desktop.AddWindow("Back", {0, 0, 400, 300});
    front = desktop.AddWindow("Front", {200, 0, 600, 300});
  }
  void StartWith(const std::string& mode) {
    Store("options", "RaiseMode", mode);
    Store("options", "RaiseDelayMs", "500");
    Start();
  }
  void MoveAt(std::int64_t atMs, Point position) {
    desktop.At(atMs, [this, position] { desktop.UserMovesCursor(position); });
  }

  WindowHandle back = kNoWindow;
  WindowHandle front = kNoWindow;
};

TEST_F(RaiseMode, NeverGivesTheKeyboardOnlyAndAPinHoldsTheKeyboardNotTheZOrder) {
  desktop.activationRaisesLate = true;
  StartWith("Never");
  MoveAt(600, kOverBackOnly);  // seen at 750, activated at 1000
  desktop.RunUntil(1015);
  EXPECT_EQ(desktop.Foreground(), back);
  EXPECT_EQ(desktop.ZOrder(), (Handles{front, back})) << "put back below the same window";

  form->WinHook1_KeyEvent('A', 3);   // pin
  desktop.BringToForeground(front);  // the user clicks the front window
  desktop.RunFor(300);
  EXPECT_EQ(desktop.Foreground(), back) << "the pin has the keyboard back";
  EXPECT_EQ(desktop.ZOrder(), (Handles{front, back}));
}

TEST_F(RaiseMode, NeverPutsTheWindowBackBelowTheOneThatCoveredItWhateverStaysAbove) {
  const WindowHandle hidden = desktop.AddWindow("Default IME", {0, 0, 0, 0});
  desktop.Window(hidden).visible = false;  // stays above whatever is raised
  desktop.activationRaisesLate = true;
  StartWith("Never");
  MoveAt(600, kOverBackOnly);  // activated at 1000, raised just after
  desktop.At(1005, [&] { desktop.AddWindow("Opened meanwhile", {600, 400, 800, 600}); });
  desktop.RunUntil(1100);
  EXPECT_EQ(desktop.Foreground(), back);
  EXPECT_EQ(desktop.WindowAbove(back), front);
}

TEST_F(RaiseMode, AfterTheDelayOnlyAWindowThatKeptTheKeyboardAndTheMouseComesForward) {
  StartWith("AfterDelay");
  MoveAt(600, kOverBackOnly);
  desktop.RunUntil(1499);
  EXPECT_EQ(desktop.Foreground(), back);
  EXPECT_EQ(desktop.ZOrder(), (Handles{front, back}));
  desktop.RunUntil(1500);
  EXPECT_EQ(desktop.ZOrder(), (Handles{back, front}));
  EXPECT_EQ(desktop.Foreground(), back);

  // The mouse leaves before the delay is over: no raise.
  MoveAt(1600, kOverFrontOnly);  // activated at 2000
  MoveAt(2100, kNowhere);
  desktop.RunUntil(3000);
  EXPECT_EQ(desktop.Foreground(), front);
  EXPECT_EQ(desktop.ZOrder(), (Handles{back, front}));

  // The user chooses another window before the delay is over: no raise either.
  MoveAt(3100, kOverFrontOnly);  // a new cycle at 3250, activated at 3500
  desktop.At(3600, [this] { desktop.BringToForeground(back); });
  desktop.RunUntil(4500);
  EXPECT_EQ(desktop.ZOrder(), (Handles{back, front}));

  // Sent to the bottom with a raise due: the raise is dropped.
  MoveAt(4600, {520, 120});  // activated at 5000
  desktop.At(5100, [this] { form->WinHook1_KeyEvent('R', 3); });
  desktop.RunUntil(6000);
  EXPECT_EQ(desktop.Foreground(), front);
  EXPECT_EQ(desktop.ZOrder(), (Handles{back, front}));
}

TEST_F(RaiseMode, AWindowThatRaisesItselfIsLeftWhereItPutItself) {
  desktop.Window(back).raisesItself = true;
  StartWith("Never");
  MoveAt(600, kOverBackOnly);
  desktop.RunUntil(1100);
  EXPECT_EQ(desktop.Foreground(), back);
  EXPECT_EQ(desktop.ZOrder(), (Handles{back, front}));
  desktop.RunFor(3000);
  EXPECT_EQ(desktop.ZOrder(), (Handles{back, front}));
  EXPECT_EQ(desktop.calls.placeBelow, 1);
}

// A hand passing slowly over three windows side by side, 10 pixels every 50 ms from the
// first to the third, where it stops at 3050 ms.
class SlowPass : public SimFixture, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    desktop.UserMovesCursor({10, 500});
    for (int i = 0; i < 3; ++i) {
      windows.push_back(
          desktop.AddWindow("Window " + std::to_string(i), {200 * i, 0, 200 * i + 200, 300}));
    }
    Store("options", "WaitUntilStill", GetParam() ? "1" : "0");
    Start();
    for (int step = 0; step < 50; ++step) {
      desktop.At(600 + 50 * step, [this, step] { desktop.UserMovesCursor({10 + 10 * step, 100}); });
    }
  }
  Handles windows;
};

TEST_P(SlowPass, WaitingUntilStillActivatesOnlyWhereTheMouseRestsOneDelayAfter) {
  // The next poll tick after the stop sees it (3250) and the delay counts from there.
  desktop.RunUntil(3499);
  const Handles& seen = desktop.Activations();
  EXPECT_EQ(std::find(seen.begin(), seen.end(), windows[1]) != seen.end(), !GetParam());
  desktop.RunUntil(3500);
  if (GetParam()) {
    EXPECT_EQ(desktop.Activations(), Handles{windows[2]});
  }
}

INSTANTIATE_TEST_SUITE_P(StillOption, SlowPass, ::testing::Bool());

}  // namespace
}  // namespace tarnwick::sim
