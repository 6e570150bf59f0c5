#include "hotkeys/hook_health.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

constexpr std::uint32_t kStart = 5000000;

HookObservation Typing(std::uint32_t nowMs, std::uint32_t lastHookEventMs) {
  return {nowMs, nowMs, lastHookEventMs, true};
}

TEST(HookHealth, AKeyTheHookNeverSawMeansItIsGoneOnceItHasBeenQuietASecond) {
  HookHealth health;
  EXPECT_FALSE(health.NeedsReinstall(Typing(kStart + 999, kStart)))
      << "the key may have gone down a moment ago";
  EXPECT_TRUE(health.NeedsReinstall(Typing(kStart + 1000, kStart)));
  // The new hook counts from its install; a user still typing into an elevated window,
  // which hides keys from every hook, brings a retry only every ten seconds.
  const std::uint32_t installed = kStart + 1000;
  EXPECT_FALSE(health.NeedsReinstall(Typing(installed + 9999, installed)));
  EXPECT_TRUE(health.NeedsReinstall(Typing(installed + 10000, installed)));
}

TEST(HookHealth, AWorkingHookOrAnIdleUserNeedsNothing) {
  HookHealth health;
  // The hook hears keys: the last event is recent.
  EXPECT_FALSE(health.NeedsReinstall(Typing(kStart + 5000, kStart + 4500)));
  // Nobody touched anything since the hook's last event, for hours.
  EXPECT_FALSE(health.NeedsReinstall({kStart + 7200000, kStart, kStart, false}));
  // Only mouse input for under a minute.
  EXPECT_FALSE(health.NeedsReinstall({kStart + 59999, kStart + 59999, kStart, false}));
}

// Each install puts the hook ahead of a remote-desktop client's: mouse work is no evidence.
TEST(HookHealth, MouseOnlyInputNeverReinstallsAMissedKeyDoesOnce) {
  HookHealth health;
  for (std::uint32_t second = 1; second <= 3600; ++second) {
    const std::uint32_t now = kStart + second * 1000;
    ASSERT_FALSE(health.NeedsReinstall({now, now, kStart, false})) << "after " << second << " s";
  }
  const std::uint32_t typed = kStart + 3601000;
  EXPECT_TRUE(health.NeedsReinstall(Typing(typed, kStart)));
  EXPECT_FALSE(health.NeedsReinstall({typed + 1000, typed + 1000, typed, false}));
  // Keys typed into a program run as administrator never reach any hook of ours.
  HookHealth elevated;
  EXPECT_FALSE(elevated.NeedsReinstall({typed, typed, kStart, true, true}));
  // A key the system still shows held from before the user went away is not a missed one.
  HookHealth away;
  EXPECT_FALSE(away.NeedsReinstall({kStart + 600000, kStart - 1, kStart, true}));
}

// Raw keyboard input hears every key: a few more key-downs there than the hook heard, with
// the hook quiet, and no key held, is a lost hook all the same.
TEST(HookHealth, KeysRawInputCountedAndTheHookNeverHeardMeanItIsGone) {
  const auto counted = [](std::uint32_t lastHookEventMs, std::uint32_t raw, std::uint32_t hook) {
    return HookObservation{kStart + 1000, kStart + 1000, lastHookEventMs, false, false, raw, hook};
  };
  HookHealth health;
  EXPECT_FALSE(health.NeedsReinstall(counted(kStart, 12, 10))) << "two apart is noise";
  EXPECT_FALSE(health.NeedsReinstall(counted(kStart + 500, 13, 10))) << "the hook just spoke";
  EXPECT_TRUE(health.NeedsReinstall(counted(kStart, 13, 10)));
}

TEST(HookHealth, TheTickCountWrappingAroundChangesNothing) {
  HookHealth health;
  const std::uint32_t beforeWrap = 0xFFFFFF00u;
  EXPECT_FALSE(health.NeedsReinstall(Typing(beforeWrap + 999, beforeWrap)));
  EXPECT_TRUE(health.NeedsReinstall(Typing(beforeWrap + 1000, beforeWrap))) << "past zero";
  // A last event stamped just after the check's own time reads as no quiet at all.
  HookHealth racing;
  EXPECT_FALSE(racing.NeedsReinstall(Typing(kStart, kStart + 5)));
}

}  // namespace
}  // namespace tarnwick
