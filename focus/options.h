#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// A key with the modifiers held with it, in the hook's terms: the key's virtual-key code
// (letters 'A'..'Z') and the modifier bits of keyboard_chord.h. Key 0 means no key at all.
struct Chord {
  int keyCode = 0;
  int modifiers = 0;
  bool IsNone() const { return keyCode == 0; }
  friend bool operator==(const Chord&, const Chord&) = default;
};

// The five commands a chord can be bound to, in the order the main window lists them.
enum class HotkeyCommand { kToggle, kKeepOnTop, kSendToBottom, kPin, kUnpin };
inline constexpr int kHotkeyCommandCount = 5;

// Each command's chord until the user chooses another, as the store writes it.
inline constexpr std::array<const char*, kHotkeyCommandCount> kDefaultHotkeyTexts{
    "Ctrl+Shift+F", "Ctrl+Shift+T", "Ctrl+Shift+R", "Ctrl+Shift+A", "Ctrl+Shift+Q"};

// A key to hold that pauses focus-follow.
enum class PauseKey { kNone, kCtrl, kAlt, kShift, kWin };
inline constexpr int kPauseKeyCount = 5;
// "None", "Ctrl", "Alt", "Shift", "Win": as the store keeps it and the Options window lists it.
const char* PauseKeyName(PauseKey key);
// The pause key a name gives; nothing for any other text (names are matched exactly).
std::optional<PauseKey> ParsePauseKey(std::string_view name);

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

  static std::array<Chord, kHotkeyCommandCount> DefaultHotkeys();
  Chord HotkeyFor(HotkeyCommand command) const { return hotkeys[static_cast<int>(command)]; }
  friend bool operator==(const Options&, const Options&) = default;
};

// "Ctrl+Shift+F" for people and for the store; "None" for no key.
std::string ChordText(Chord chord);
// The chord a text names; nothing for text that names none (the default then stands in).
std::optional<Chord> ParseChord(std::string_view text);

// The command's name as the Options window and the messages say it.
const char* CommandName(HotkeyCommand command);

// The modifier keys held as a key is typed into a hotkey field, left and right told apart,
// and whether the keyboard layout has AltGr: AltGr arrives as left Ctrl with right Alt.
struct HeldKeys {
  bool leftCtrl = false;
  bool rightCtrl = false;
  bool leftAlt = false;
  bool rightAlt = false;
  bool shift = false;
  bool win = false;
  bool layoutHasAltGr = false;
};

// What a hotkey field makes of a key typed into it: the chord to show (None for Backspace or
// Delete), or nothing when the key is not the field's: a modifier alone, Alt with a key
// (an access key of the window), AltGr with a key (a character the user types). A global
// chord of Alt and one key would take every program's access key, so a chord needs Ctrl;
// a key typed without Ctrl or Alt gets Ctrl+Shift, as the default chords have (Ctrl+Alt
// would be AltGr on many European layouts). The field cannot record Win: with Win held the
// key is not the field's either.
std::optional<Chord> ChordTypedInHotkeyField(int keyCode, const HeldKeys& held);

}  // namespace tarnwick
