#include "hotkeys/hook_health.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

constexpr std::uint32_t kStart = 5000000;

std::optional<HookReinstallReason> Evidence(HookObservation seen, bool elevated = false) {
  return HookGoneEvidence(seen, [elevated] { return elevated; });
}

// An interval between two checks with `system` key-downs seen and `hook` key events heard.
HookObservation Interval(std::uint32_t system, std::uint32_t hook) {
  return {kStart + 60000, kStart + 59000, kStart, false, system, hook};
}

TEST(HookHealth, OnlyAnIntervalOfKeysTheHookHeardNoneOfMeansItIsGone) {
  EXPECT_EQ(Evidence(Interval(3, 0)), HookReinstallReason::kKeysUnheard);
  EXPECT_EQ(Evidence(Interval(2, 0)), std::nullopt) << "a key or two";
  // Keys a remapper or a remote-desktop client swallowed: the hook heard others.
  EXPECT_EQ(Evidence(Interval(500, 1)), std::nullopt);
  EXPECT_EQ(Evidence(Interval(0, 0)), std::nullopt) << "mouse work, however long";
  // Keys typed into a program run as administrator never reach any hook of ours.
  EXPECT_EQ(Evidence(Interval(40, 0), true), std::nullopt);
}

TEST(HookHealth, AKeyTheHookNeverSawGoDownMeansItIsGoneOnceTheHookWasQuietASecond) {
  const auto held = [](std::uint32_t nowMs, std::uint32_t lastInputMs, std::uint32_t hookMs) {
    return Evidence({nowMs, lastInputMs, hookMs, true});
  };
  EXPECT_EQ(held(kStart + 999, kStart + 999, kStart), std::nullopt) << "its event may be coming";
  EXPECT_EQ(held(kStart + 1000, kStart + 1000, kStart), HookReinstallReason::kKeyHeldUnseen);
  EXPECT_EQ(held(kStart + 600000, kStart - 1, kStart), std::nullopt) << "held since before";
  const std::uint32_t beforeWrap = 0xFFFFFF00u;
  EXPECT_EQ(held(beforeWrap + 1000, beforeWrap + 1000, beforeWrap),
            HookReinstallReason::kKeyHeldUnseen)
      << "across the tick count's wrap";
}

// Windows reports more than key presses through raw input; Wine sends none of these.
TEST(HookHealth, OverrunsAndReportsWithoutAVirtualKeyAreNoKeyDowns) {
  EXPECT_TRUE(IsKeyDown({'A', 0x1E, false}));
  EXPECT_FALSE(IsKeyDown({'A', 0x1E, true})) << "a release";
  EXPECT_FALSE(IsKeyDown({0xFF, 0xFF, false})) << "keyboard overrun";
  EXPECT_FALSE(IsKeyDown({0xFF, 0x45, false})) << "the second half of Pause";
  EXPECT_FALSE(IsKeyDown({0, 0x70, false})) << "a key the layout does not map";
}

TEST(HookHealth, TheDisplayCountsOnlyWhenItComesBackAfterItWasOff) {
  DisplayReturn display;
  for (std::uint32_t state : {1, 2, 1, 0, 2}) {
    EXPECT_FALSE(display.BackOnAfterOff(state)) << "first report, dimmed and back, off";
  }
  EXPECT_TRUE(display.BackOnAfterOff(1)) << "off, dimmed on the way up, then on";
  EXPECT_FALSE(display.BackOnAfterOff(1));
}

TEST(HookHealth, ARequestTenSecondsOrLessAfterTheLastOneFindsTheHookFresh) {
  EXPECT_TRUE(InstalledJustNow(kStart, kStart + 9999));
  EXPECT_FALSE(InstalledJustNow(kStart, kStart + 10000));
  EXPECT_FALSE(InstalledJustNow(kStart, kStart + 3000000000u)) << "weeks ago";
}

}  // namespace
}  // namespace tarnwick
