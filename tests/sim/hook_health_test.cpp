#include "hotkeys/hook_health.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

constexpr std::uint32_t kStart = 5000000;
const std::function<bool()> kNoneElevated = [] { return false; };

// An interval between two checks with `system` key-downs seen and `hook` key events heard.
HookObservation Interval(std::uint32_t system, std::uint32_t hook) {
  HookObservation seen{kStart + 60000, kStart + 59000, kStart, false};
  seen.systemKeyDowns = system;
  seen.hookKeyEvents = hook;
  return seen;
}

HookObservation KeyHeld(std::uint32_t nowMs, std::uint32_t lastInputMs,
                        std::uint32_t lastHookEventMs) {
  return {nowMs, lastInputMs, lastHookEventMs, true};
}

TEST(HookHealth, OnlyAnIntervalOfKeysTheHookHeardNoneOfMeansItIsGone) {
  EXPECT_EQ(HookGoneEvidence(Interval(3, 0), kNoneElevated), HookReinstallReason::kKeysUnheard);
  EXPECT_EQ(HookGoneEvidence(Interval(2, 0), kNoneElevated), std::nullopt) << "a key or two";
  // Keys a remapper or a remote-desktop client swallowed: the hook heard others.
  EXPECT_EQ(HookGoneEvidence(Interval(500, 1), kNoneElevated), std::nullopt);
  // Mouse work, however long, is no evidence.
  EXPECT_EQ(HookGoneEvidence(Interval(0, 0), kNoneElevated), std::nullopt);
  // Keys typed into a program run as administrator never reach any hook of ours.
  EXPECT_EQ(HookGoneEvidence(Interval(40, 0), [] { return true; }), std::nullopt);
}

TEST(HookHealth, AKeyTheHookNeverSawGoDownMeansItIsGoneOnceTheHookWasQuietASecond) {
  EXPECT_EQ(HookGoneEvidence(KeyHeld(kStart + 999, kStart + 999, kStart), kNoneElevated),
            std::nullopt)
      << "the key's own event may be on its way";
  EXPECT_EQ(HookGoneEvidence(KeyHeld(kStart + 1000, kStart + 1000, kStart), kNoneElevated),
            HookReinstallReason::kKeyHeldUnseen);
  // A key still held from before the hook's last event (the hook learnt it then).
  EXPECT_EQ(HookGoneEvidence(KeyHeld(kStart + 600000, kStart - 1, kStart), kNoneElevated),
            std::nullopt);
  // The tick count wrapping around changes nothing.
  const std::uint32_t beforeWrap = 0xFFFFFF00u;
  EXPECT_EQ(
      HookGoneEvidence(KeyHeld(beforeWrap + 1000, beforeWrap + 1000, beforeWrap), kNoneElevated),
      HookReinstallReason::kKeyHeldUnseen);
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
  EXPECT_FALSE(display.BackOnAfterOff(1)) << "the report sent on registering";
  EXPECT_FALSE(display.BackOnAfterOff(2));
  EXPECT_FALSE(display.BackOnAfterOff(1)) << "back from dimmed";
  EXPECT_FALSE(display.BackOnAfterOff(0));
  EXPECT_FALSE(display.BackOnAfterOff(2));
  EXPECT_TRUE(display.BackOnAfterOff(1)) << "off, dimmed on the way up, then on";
  EXPECT_FALSE(display.BackOnAfterOff(1));
}

TEST(HookHealth, ARequestTenSecondsOrLessAfterTheLastOneFindsTheHookFresh) {
  EXPECT_TRUE(InstalledJustNow(kStart, kStart + 9999));
  EXPECT_FALSE(InstalledJustNow(kStart, kStart + 10000));
  EXPECT_FALSE(InstalledJustNow(kStart, kStart + 3000000000u)) << "weeks ago";
}

TEST(HookHealth, TheDiagnosticsSayWhyInPlainWords) {
  HookReinstalls counts{};
  EXPECT_EQ(HookReinstallsText(counts), "");
  counts[static_cast<int>(HookReinstallReason::kKeysUnheard)] = 2;
  counts[static_cast<int>(HookReinstallReason::kDisplayBack)] = 1;
  EXPECT_EQ(HookReinstallsText(counts),
            "it heard none of the keys typed (2), the display came back on (1)");
}

}  // namespace
}  // namespace tarnwick
