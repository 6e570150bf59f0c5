#pragma once
#include <cstdint>
#include <optional>

namespace tarnwick {

// What a health check of the keyboard hook sees. Times are the system's millisecond tick
// count, which wraps after 49.7 days; only differences are ever taken.
struct HookObservation {
  std::uint32_t nowMs = 0;
  std::uint32_t lastInputMs = 0;      // the system's last input from any device
  std::uint32_t lastHookEventMs = 0;  // the hook's last key event, or when it was installed
  bool missedKeyDown = false;         // the system holds a key the hook never saw go down
  // A program run as administrator has the keyboard: no hook of ours hears its keys.
  bool elevatedInFront = false;
  // Key-downs since the hook was installed, as the system's raw keyboard input counted them
  // and as the hook heard them (repeats included in both).
  std::uint32_t rawKeyDowns = 0;
  std::uint32_t hookKeyDowns = 0;
};

// Windows removes a low-level hook without a word when one call takes too long, and may
// lose it across sleep and lock; nothing reports it. So a check looks now and then for a key
// the system holds down that the hook never saw, and raw keyboard input counts the key-downs
// the hook should have heard: with such a key, or a few keys more than the hook heard, input
// since the hook's last event and the hook quiet for a second, it is gone, and is installed
// again. Nothing else counts as evidence, above all not mouse input: each install puts the
// hook at the head of the chain, ahead of a remote-desktop or virtual-machine client that
// needs to be first.
// Resume, unlock and a session change ask for an install of their own, elsewhere.
class HookHealth {
 public:
  static constexpr std::uint32_t kMissedKeyQuietMs = 1000;
  // Some windows hide keys from every hook and cannot all be told (the secure desktop, say):
  // while one has the keyboard, a re-install that changes nothing is tried only so often.
  static constexpr std::uint32_t kMissedKeyRetryMs = 10000;
  // Raw input and the hook tell of the same key in either order: a key or two apart is noise.
  static constexpr std::uint32_t kMissedKeyDowns = 3;

  // Whether to install the hook again now; a yes counts as done at `seen.nowMs`, and the
  // caller then reports the new hook's install time as its last event.
  bool NeedsReinstall(const HookObservation& seen);

 private:
  std::optional<std::uint32_t> lastReinstallMs_;
};

}  // namespace tarnwick
