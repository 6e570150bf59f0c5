#include "seam/hook_health.h"

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
  const std::uint32_t quiet = Since(seen.lastHookEventMs, seen.nowMs);
  const auto retryAfter = [&](std::uint32_t pauseMs) {
    return !lastReinstallMs_ || Since(*lastReinstallMs_, seen.nowMs) >= pauseMs;
  };
  const bool missedKey =
      seen.missedKeyDown && quiet >= kMissedKeyQuietMs && retryAfter(kMissedKeyRetryMs);
  // Input came after the hook's last event, and the hook has been quiet for a minute.
  const bool silentWhileUsed = Since(seen.lastHookEventMs, seen.lastInputMs) > 0 &&
                               quiet >= kSilentInputMs && retryAfter(kSilentInputMs);
  if (!missedKey && !silentWhileUsed) return false;
  lastReinstallMs_ = seen.nowMs;
  return true;
}

}  // namespace tarnwick
