#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hotkeys/commands.h"

namespace tarnwick {

// A key to hold that pauses focus-follow.
enum class PauseKey { kNone, kCtrl, kAlt, kShift, kWin };
inline constexpr int kPauseKeyCount = 5;
// "None", "Ctrl", "Alt", "Shift", "Win": as the store keeps it and the Options window lists it.
const char* PauseKeyName(PauseKey key);
// The pause key a name gives; nothing for any other text (names are matched exactly).
std::optional<PauseKey> ParsePauseKey(std::string_view name);

// What holding the pause key does: pauses focus-follow, or is what lets it follow at all.
enum class HoldKeyMode { kPause, kFollow };
inline constexpr int kHoldKeyModeCount = 2;
// "Pause", "Follow": as the store keeps it.
const char* HoldKeyModeName(HoldKeyMode mode);
// The mode a name gives; nothing for any other text (names are matched exactly).
std::optional<HoldKeyMode> ParseHoldKeyMode(std::string_view name);

// When a window that gets the keyboard comes to the front: at once (as Windows does), once it
// has kept the keyboard for a while, or never (the keyboard only).
enum class RaiseMode { kAtOnce, kAfterDelay, kNever };
inline constexpr int kRaiseModeCount = 3;
// "AtOnce", "AfterDelay", "Never": as the store keeps it.
const char* RaiseModeName(RaiseMode mode);
// The mode a name gives; nothing for any other text (names are matched exactly).
std::optional<RaiseMode> ParseRaiseMode(std::string_view name);
// How long a window keeps the keyboard before it comes to the front, in whole milliseconds.
inline constexpr int kMinRaiseDelayMs = 100;
inline constexpr int kMaxRaiseDelayMs = 10000;
inline constexpr int kDefaultRaiseDelayMs = 1000;
// The delay a text gives: digits alone, within the limits; nothing for any other text.
std::optional<int> ParseRaiseDelayMs(std::string_view text);

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

  Chord HotkeyFor(HotkeyCommand command) const { return hotkeys[static_cast<int>(command)]; }
  friend bool operator==(const Options&, const Options&) = default;
};

}  // namespace tarnwick
