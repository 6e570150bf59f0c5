#include "hotkeys/hook_health.h"

namespace tarnwick {
namespace {

// Milliseconds from `earlier` to `later` on the wrapping tick count; 0 when `later` is in
// fact the earlier of the two.
std::uint32_t Since(std::uint32_t earlier, std::uint32_t later) {
  const std::uint32_t elapsed = later - earlier;
  return elapsed > 0x80000000u ? 0 : elapsed;
}

}  // namespace

bool HookHealth::NeedsReinstall(const HookObservation& seen) {
  const bool inputAfterHook = Since(seen.lastHookEventMs, seen.lastInputMs) > 0;
  const bool retryDue =
      !lastReinstallMs_ || Since(*lastReinstallMs_, seen.nowMs) >= kMissedKeyRetryMs;
  const bool keysUnheard = seen.rawKeyDowns >= seen.hookKeyDowns + kMissedKeyDowns;
  if (!(seen.missedKeyDown || keysUnheard) || seen.elevatedInFront || !inputAfterHook ||
      !retryDue || Since(seen.lastHookEventMs, seen.nowMs) < kMissedKeyQuietMs) {
    return false;
  }
  lastReinstallMs_ = seen.nowMs;
  return true;
}

}  // namespace tarnwick
