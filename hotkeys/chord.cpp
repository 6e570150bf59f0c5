#include "hotkeys/chord.h"

#include <string>

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

}  // namespace tarnwick
