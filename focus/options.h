#pragma once
#include <array>
#include <string>
#include <vector>

#include "hotkeys/commands.h"

namespace tarnwick {

// A key to hold that pauses focus-follow.
enum class PauseKey { kNone, kCtrl, kAlt, kShift, kWin };
inline constexpr int kPauseKeyCount = 5;
// "None", "Ctrl", "Alt", "Shift", "Win": as the store keeps it and the Options window lists it.
const char* PauseKeyName(PauseKey key);

// What holding the pause key does: pauses focus-follow, or is what lets it follow at all.
enum class HoldKeyMode { kPause, kFollow };
inline constexpr int kHoldKeyModeCount = 2;

// When a window that gets the keyboard comes to the front: at once (as Windows does), once it
// has kept the keyboard for a while, or never (the keyboard only).
enum class RaiseMode { kAtOnce, kAfterDelay, kNever };
inline constexpr int kRaiseModeCount = 3;
// How long a window keeps the keyboard before it comes to the front, in whole milliseconds.
inline constexpr int kDefaultRaiseDelayMs = 1000;

// What the user chose in the Options window. The defaults are the program's behaviour
// without options: the five Ctrl+Shift chords, no exclusions, no pause key.
struct Options {
  std::array<Chord, kHotkeyCommandCount> hotkeys = DefaultHotkeys();
  // One rule a line: a program's file name ("game.exe"), "class:" a window class, or
  // "title:" text that a title contains.
  std::vector<std::string> exclusions;
  PauseKey pauseKey = PauseKey::kNone;
  bool leaveFullscreenAlone = true;
  bool followOnlyWhenMoved = true;
  // The wrap waits for a short push against the edge, so that things at the edge stay usable.
  bool wrapOnlyOnPush = false;
  RaiseMode raiseMode = RaiseMode::kAtOnce;
  int raiseDelayMs = kDefaultRaiseDelayMs;
  // The hover delay counts from the mouse's last movement, so a hand passing slowly over
  // windows activates none of them on the way.
  bool waitUntilStill = false;
  // Held to follow, focus follows the mouse only while the pause key is held.
  HoldKeyMode holdKeyMode = HoldKeyMode::kPause;
  // The pointer goes into a window the keyboard chose.
  bool pointerFollowsKeyboard = false;

  friend bool operator==(const Options&, const Options&) = default;
};

}  // namespace tarnwick
