#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// Modifier bits of a chord; Ctrl+Shift alone reads 3.
enum ModifierBit : int { kShiftBit = 1, kCtrlBit = 2, kAltBit = 4, kWinBit = 8 };
// Ctrl and Shift held, nothing else: the modifiers of the default chords.
inline constexpr int kCtrlShift = kCtrlBit | kShiftBit;

// A key with the modifiers held with it, in the hook's terms: the key's virtual-key code
// (letters 'A'..'Z') and the modifier bits above. Key 0 means no key at all.
struct Chord {
  int keyCode = 0;
  int modifiers = 0;
  bool IsNone() const { return keyCode == 0; }
  friend bool operator==(const Chord&, const Chord&) = default;
};

// "Ctrl+Shift+F" for people and for the store; "None" for no key.
std::string ChordText(Chord chord);
// The chord a text names; nothing for text that names none (the default then stands in).
std::optional<Chord> ParseChord(std::string_view text);

}  // namespace tarnwick
