#pragma once
#include <bitset>
#include <optional>

namespace tarnwick {

// Modifier bits of a reported key press; Ctrl+Shift alone reads 3.
enum ModifierBit : int { kShiftBit = 1, kCtrlBit = 2, kAltBit = 4, kWinBit = 8 };

struct KeyPress {
  int keyCode = 0;
  int shift = 0;
  friend bool operator==(const KeyPress&, const KeyPress&) = default;
};

// Turns the raw key-down/key-up stream of a low-level keyboard hook into presses: one per
// up-to-down transition, so a held key's auto-repeat reports nothing, with the modifiers
// that were down before the key. Virtual-key codes are the system's (letters 'A'..'Z').
class KeyboardChord {
 public:
  std::optional<KeyPress> OnKey(int virtualKey, bool down);
  int Modifiers() const;

 private:
  bool IsDown(int virtualKey) const;
  std::bitset<256> down_;
};

}  // namespace tarnwick
