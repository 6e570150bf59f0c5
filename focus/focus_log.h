#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "focus/options.h"
#include "seam/system_facts.h"
#include "seam/window_handle.h"
#include "seam/window_manager.h"

namespace tarnwick {

// What became of a window the cursor came to rest on: brought forward, or why not.
enum class FocusOutcome {
  kActivated,
  kPinKept,      // the pinned window was kept in front instead
  kSwitchedOff,  // focus-follow is off
  // Held until the user is free:
  kButtonHeld,
  kMenuOpen,      // a menu, or a window being moved or sized
  kShellInFront,  // Start, Search, the task switcher
  kPaused,        // the pause key is held
  kFullscreen,
  // Never targets:
  kExcluded,
  kShellWindow,  // the desktop or a taskbar
  kCloaked,      // on another virtual desktop
  kUntitled,
  // Asked for, not brought forward:
  kRefused,
  kElevated,  // a program run as administrator is the target, or in front
  kWindowGone,
};

FocusOutcome OutcomeOf(ActivationResult result);
// A few words for a bug report: "activated", "menu open".
const char* OutcomeText(FocusOutcome outcome);
// What holds focus-follow back, as the tray icon's tip says it to the user.
// Held to follow, the key is what the tip names while nothing else holds focus-follow back.
std::string HoldText(FocusOutcome hold, PauseKey pauseKey, HoldKeyMode mode = HoldKeyMode::kPause);

struct FocusDecision {
  WallTime time;
  WindowHandle target = kNoWindow;
  FocusOutcome outcome = FocusOutcome::kActivated;
};

// The latest decisions in memory (nothing is written anywhere), and what holds focus-follow
// back now: the latest decision that says so. Passing over the desktop, the taskbar or an
// untitled window holds nothing back, and the pin and the switch are read where they are
// kept, so those decisions leave the hold as it was.
class FocusLog {
 public:
  static constexpr std::size_t kCapacity = 50;

  // A decision the same as the newest (the cursor crossing one window's children, say)
  // adds nothing: the newest keeps its first moment.
  void Record(const FocusDecision& decision);
  std::vector<FocusDecision> OldestFirst() const;
  // kActivated while nothing holds it back.
  FocusOutcome Hold() const { return hold_; }

 private:
  std::array<FocusDecision, kCapacity> ring_{};
  std::size_t next_ = 0;
  std::size_t count_ = 0;
  FocusOutcome hold_ = FocusOutcome::kActivated;
};

}  // namespace tarnwick
