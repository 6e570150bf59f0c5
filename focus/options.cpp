#include "focus/options.h"

#include <string>

#include "seam/keyboard_chord.h"

namespace tarnwick {
namespace {

struct NamedKey {
  int keyCode;
  const char* name;
};

// Keys that have a name of their own; letters, digits and F-keys are named by rule.
constexpr NamedKey kNamedKeys[] = {
    {0x08, "Backspace"}, {0x09, "Tab"},      {0x0D, "Enter"}, {0x13, "Pause"},  {0x20, "Space"},
    {0x21, "PageUp"},    {0x22, "PageDown"}, {0x23, "End"},   {0x24, "Home"},   {0x25, "Left"},
    {0x26, "Up"},        {0x27, "Right"},    {0x28, "Down"},  {0x2D, "Insert"}, {0x2E, "Delete"},
};

struct NamedModifier {
  int bit;
  const char* name;
};

// In the order people write them.
constexpr NamedModifier kModifiers[] = {
    {kCtrlBit, "Ctrl"}, {kAltBit, "Alt"}, {kShiftBit, "Shift"}, {kWinBit, "Win"}};

constexpr int kF1 = 0x70, kF24 = 0x87, kNumpad0 = 0x60, kNumpad9 = 0x69;

// In the order of RaiseMode.
constexpr const char* kRaiseModeNames[kRaiseModeCount] = {"AtOnce", "AfterDelay", "Never"};

// In the order of PauseKey.
constexpr const char* kPauseKeyNames[kPauseKeyCount] = {"None", "Ctrl", "Alt", "Shift", "Win"};

constexpr int kBackspace = 0x08, kDelete = 0x2E;
// Shift, Ctrl and Alt (either side or both), the Windows keys and the menu key.
bool IsModifierKey(int keyCode) {
  return (keyCode >= 0x10 && keyCode <= 0x12) || (keyCode >= 0xA0 && keyCode <= 0xA5) ||
         (keyCode >= 0x5B && keyCode <= 0x5D);
}
// Keys the window itself answers: Tab moves on, Enter is OK, Esc is Cancel.
bool IsDialogKey(int keyCode) {
  return keyCode == 0x09 || keyCode == 0x0D || keyCode == 0x1B;
}

// A prefix and a number. Appended, not `"F" + std::to_string(...)`: mingw's GCC 12 reports
// a false -Wrestrict on that form.
std::string Numbered(const char* prefix, int number) {
  std::string name(prefix);
  name += std::to_string(number);
  return name;
}

std::string KeyName(int keyCode) {
  if ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9')) {
    return std::string(1, static_cast<char>(keyCode));
  }
  if (keyCode >= kF1 && keyCode <= kF24) return Numbered("F", keyCode - kF1 + 1);
  if (keyCode >= kNumpad0 && keyCode <= kNumpad9) return Numbered("Num", keyCode - kNumpad0);
  for (const NamedKey& key : kNamedKeys) {
    if (key.keyCode == keyCode) return key.name;
  }
  return Numbered("Key", keyCode);
}

std::optional<int> KeyCodeOf(std::string_view name) {
  if (name.size() == 1 &&
      ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9'))) {
    return name[0];
  }
  for (const NamedKey& key : kNamedKeys) {
    if (name == key.name) return key.keyCode;
  }
  // Numbered names: F1..F24, Num0..Num9, Key1..Key254.
  const auto numbered = [&](std::string_view prefix, int first, int low,
                            int high) -> std::optional<int> {
    if (!name.starts_with(prefix) || name.size() == prefix.size() ||
        name.size() > prefix.size() + 3) {
      return std::nullopt;
    }
    int number = 0;
    for (char digit : name.substr(prefix.size())) {
      if (digit < '0' || digit > '9') return std::nullopt;
      number = number * 10 + (digit - '0');
    }
    if (number < low || number > high) return std::nullopt;
    return first + number - low;
  };
  if (auto key = numbered("F", kF1, 1, 24)) return key;
  if (auto key = numbered("Num", kNumpad0, 0, 9)) return key;
  return numbered("Key", 1, 1, 255);
}

}  // namespace

std::array<Chord, kHotkeyCommandCount> Options::DefaultHotkeys() {
  // The store's defaults are the one place the chords are written down.
  std::array<Chord, kHotkeyCommandCount> chords;
  for (size_t i = 0; i < chords.size(); ++i) {
    chords[i] = ParseChord(kDefaultHotkeyTexts[i]).value_or(Chord{});
  }
  return chords;
}

std::string ChordText(Chord chord) {
  if (chord.IsNone()) return "None";
  std::string text;
  for (const NamedModifier& modifier : kModifiers) {
    if ((chord.modifiers & modifier.bit) != 0) text += std::string(modifier.name) + "+";
  }
  return text + KeyName(chord.keyCode);
}

std::optional<Chord> ParseChord(std::string_view text) {
  if (text == "None") return Chord{};
  Chord chord;
  for (;;) {
    const size_t plus = text.find('+');
    if (plus == std::string_view::npos) break;
    const std::string_view part = text.substr(0, plus);
    bool known = false;
    for (const NamedModifier& modifier : kModifiers) {
      if (part == modifier.name && (chord.modifiers & modifier.bit) == 0) {
        chord.modifiers |= modifier.bit;
        known = true;
      }
    }
    if (!known) return std::nullopt;
    text.remove_prefix(plus + 1);
  }
  const std::optional<int> key = KeyCodeOf(text);
  if (!key) return std::nullopt;
  chord.keyCode = *key;
  return chord;
}

const char* PauseKeyName(PauseKey key) {
  const auto index = static_cast<size_t>(key);
  return index < std::size(kPauseKeyNames) ? kPauseKeyNames[index] : kPauseKeyNames[0];
}

std::optional<PauseKey> ParsePauseKey(std::string_view name) {
  for (size_t i = 0; i < std::size(kPauseKeyNames); ++i) {
    if (name == kPauseKeyNames[i]) return static_cast<PauseKey>(i);
  }
  return std::nullopt;
}

const char* RaiseModeName(RaiseMode mode) {
  const auto index = static_cast<size_t>(mode);
  return index < std::size(kRaiseModeNames) ? kRaiseModeNames[index] : kRaiseModeNames[0];
}

std::optional<RaiseMode> ParseRaiseMode(std::string_view name) {
  for (size_t i = 0; i < std::size(kRaiseModeNames); ++i) {
    if (name == kRaiseModeNames[i]) return static_cast<RaiseMode>(i);
  }
  return std::nullopt;
}

std::optional<int> ParseRaiseDelayMs(std::string_view text) {
  // Five digits hold every delay there is; a longer text would only overflow.
  if (text.empty() || text.size() > 5) return std::nullopt;
  int delayMs = 0;
  for (char digit : text) {
    if (digit < '0' || digit > '9') return std::nullopt;
    delayMs = delayMs * 10 + (digit - '0');
  }
  if (delayMs < kMinRaiseDelayMs || delayMs > kMaxRaiseDelayMs) return std::nullopt;
  return delayMs;
}

std::optional<Chord> ChordTypedInHotkeyField(int keyCode, const HeldKeys& held) {
  if (keyCode <= 0 || keyCode > 0xFF || IsModifierKey(keyCode) || IsDialogKey(keyCode)) {
    return std::nullopt;
  }
  // With AltGr the left Ctrl is the layout's, not the user's.
  const bool altGr = held.layoutHasAltGr && held.rightAlt && !held.leftAlt;
  const bool ctrl = held.rightCtrl || (held.leftCtrl && !altGr);
  const bool alt = held.leftAlt || held.rightAlt;
  if (held.win || (!ctrl && alt)) return std::nullopt;
  if (!ctrl && (keyCode == kBackspace || keyCode == kDelete)) return Chord{};
  if (!ctrl) return Chord{keyCode, kCtrlShift};
  int modifiers = kCtrlBit;
  if (alt) modifiers |= kAltBit;
  if (held.shift) modifiers |= kShiftBit;
  return Chord{keyCode, modifiers};
}

const char* CommandName(HotkeyCommand command) {
  switch (command) {
    case HotkeyCommand::kToggle:
      return "Enable/disable";
    case HotkeyCommand::kKeepOnTop:
      return "Keep on top";
    case HotkeyCommand::kSendToBottom:
      return "Send to bottom";
    case HotkeyCommand::kPin:
      return "Pin";
    case HotkeyCommand::kUnpin:
      return "Unpin";
  }
  return "";
}

}  // namespace tarnwick
