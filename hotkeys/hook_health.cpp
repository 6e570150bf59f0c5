#include "hotkeys/hook_health.h"

namespace tarnwick {
namespace {

// Milliseconds from `earlier` to `later` on the wrapping tick count; 0 when `later` is in
// fact the earlier of the two.
std::uint32_t Since(std::uint32_t earlier, std::uint32_t later) {
  const std::uint32_t elapsed = later - earlier;
  return elapsed > 0x80000000u ? 0 : elapsed;
}

const char* ReasonText(HookReinstallReason reason) {
  switch (reason) {
    case HookReinstallReason::kKeysUnheard:
      return "it heard none of the keys typed";
    case HookReinstallReason::kKeyHeldUnseen:
      return "a key was down that it never saw go down";
    case HookReinstallReason::kResumed:
      return "the computer woke from sleep";
    case HookReinstallReason::kSessionBack:
      return "the session was unlocked or connected again";
    case HookReinstallReason::kDisplayBack:
      return "the display came back on";
  }
  return "unknown";
}

constexpr int kOverrunMakeCode = 0xFF;
constexpr int kNoVirtualKey = 0xFF;

}  // namespace

std::string HookReinstallsText(const HookReinstalls& counts) {
  std::string text;
  for (int index = 0; index < kHookReinstallReasonCount; ++index) {
    if (counts[index] == 0) continue;
    text += (text.empty() ? "" : ", ") +
            std::string(ReasonText(static_cast<HookReinstallReason>(index))) + " (" +
            std::to_string(counts[index]) + ")";
  }
  return text;
}

bool IsKeyDown(const RawKeyReport& report) {
  return !report.release && report.makeCode != kOverrunMakeCode && report.virtualKey != 0 &&
         report.virtualKey != kNoVirtualKey;
}

std::optional<HookReinstallReason> HookGoneEvidence(const HookObservation& seen,
                                                    const std::function<bool()>& elevatedInFront) {
  std::optional<HookReinstallReason> evidence;
  if (seen.hookKeyEvents == 0 && seen.systemKeyDowns >= kSeveralKeyDowns) {
    evidence = HookReinstallReason::kKeysUnheard;
  } else if (seen.missedKeyDown && Since(seen.lastHookEventMs, seen.lastInputMs) > 0 &&
             Since(seen.lastHookEventMs, seen.nowMs) >= kHookQuietMs) {
    evidence = HookReinstallReason::kKeyHeldUnseen;
  }
  if (evidence && elevatedInFront && elevatedInFront()) return std::nullopt;
  return evidence;
}

bool InstalledJustNow(std::uint32_t installedMs, std::uint32_t nowMs) {
  // Not Since: a hook installed weeks ago must not read as one from the future.
  return nowMs - installedMs < kFreshInstallMs;
}

bool DisplayReturn::BackOnAfterOff(std::uint32_t state) {
  constexpr std::uint32_t kOff = 0;
  constexpr std::uint32_t kOn = 1;
  const bool back = state == kOn && wasOff_;
  if (state == kOff) wasOff_ = true;
  if (state == kOn) wasOff_ = false;
  return back;
}

}  // namespace tarnwick
