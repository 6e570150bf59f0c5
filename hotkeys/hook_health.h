#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tarnwick {

// Why the keyboard hook was installed again.
enum class HookReinstallReason {
  kKeysUnheard,    // the system saw keys go down, the hook heard none
  kKeyHeldUnseen,  // the system holds a key the hook never saw go down
  kResumed,        // the computer woke from sleep
  kSessionBack,    // the session was unlocked or connected again
  kDisplayBack,    // the display came back on after it was off
};
constexpr int kHookReinstallReasonCount = 5;

// Re-installs counted by reason, and their plain words for a bug report:
// "it heard none of the keys typed (2), the display came back on (1)"; "" for none.
using HookReinstalls = std::array<int, kHookReinstallReasonCount>;
std::string HookReinstallsText(const HookReinstalls& counts);

// One report of the system's raw keyboard input.
struct RawKeyReport {
  int virtualKey = 0;
  int makeCode = 0;
  bool release = false;
};
// A key going down, as a hook would hear it. A keyboard overrun and a report with no virtual
// key (the second half of Pause, keys the layout does not map) are no key presses.
bool IsKeyDown(const RawKeyReport& report);

// What a health check of the keyboard hook sees. Times are the system's millisecond tick
// count, which wraps after 49.7 days; only differences are ever taken.
struct HookObservation {
  std::uint32_t nowMs = 0;
  std::uint32_t lastInputMs = 0;      // the system's last input from any device
  std::uint32_t lastHookEventMs = 0;  // the hook's last key event, or when it was installed
  bool missedKeyDown = false;         // the system holds a key the hook never saw go down
  // Since the previous check: key-downs the system saw (by IsKeyDown), and key events of
  // any kind the hook heard.
  std::uint32_t systemKeyDowns = 0;
  std::uint32_t hookKeyEvents = 0;
};

// Windows removes a low-level hook without a word when one call takes too long, and may lose
// it across sleep and lock; nothing reports it. So a check now and then asks for evidence that
// it is gone: the hook heard no key at all since the previous check while the system saw
// several go down, or the system holds a key the hook never saw go down (with input since the
// hook's last event, and the hook quiet for a second, so the key's own event is not on its
// way). Nothing else is evidence, least of all mouse input or a few keys heard out of step:
// each install puts the hook at the head of the chain, ahead of a remote-desktop or
// virtual-machine client that wants to be first, and keys such a client or a remapper
// swallows are heard by raw input alone. No hook of ours hears keys typed into a program run
// as administrator: with one in front (asked only once there is evidence), nothing is done.
constexpr std::uint32_t kSeveralKeyDowns = 3;
constexpr std::uint32_t kHookQuietMs = 1000;
std::optional<HookReinstallReason> HookGoneEvidence(const HookObservation& seen,
                                                    const std::function<bool()>& elevatedInFront);

// Resume, unlock and the display coming back each ask for a new hook, and one return to the
// computer often brings all three: a request this soon after the last one that installed a
// hook finds it as new as another would be.
constexpr std::uint32_t kFreshInstallMs = 10000;
bool InstalledJustNow(std::uint32_t installedMs, std::uint32_t nowMs);

// The display's power reports: off (0), on (1), dimmed (2). On Modern Standby the resume comes
// late or not at all, and the display coming back after it was off is the first sign of the
// user's return. The report the system sends at once on registering, and a return from
// dimmed, are no such sign.
class DisplayReturn {
 public:
  // Whether this report is the display coming back on after it was off.
  bool BackOnAfterOff(std::uint32_t state);

 private:
  bool wasOff_ = false;
};

}  // namespace tarnwick
