#pragma once
#include <bitset>
#include <functional>
#include <optional>

namespace tarnwick {

// Modifier bits of a reported key press; Ctrl+Shift alone reads 3.
enum ModifierBit : int { kShiftBit = 1, kCtrlBit = 2, kAltBit = 4, kWinBit = 8 };
// Ctrl and Shift held, nothing else: the only chord the commands answer to.
inline constexpr int kCtrlShift = kCtrlBit | kShiftBit;

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
  // Forgets the keys the system says are up. Releases made on another desktop (the lock
  // screen after Win+L, the Ctrl+Alt+Del screen) never reach the hook, and a key left
  // "down" here would spoil every later chord.
  void ForgetReleased(const std::function<bool(int virtualKey)>& systemSaysDown);
  // Takes in the keys the system holds down now: a hook only learns from transitions, so
  // Ctrl+Shift held while the hook was being installed (at start, or again after it was
  // lost) would otherwise not count, and F pressed next would do nothing.
  void LearnHeld(const std::function<bool(int virtualKey)>& systemSaysDown);
  // The system holds a key down that this never saw go down: the hook is missing events.
  // The generic Shift, Ctrl and Alt codes do not count (the hook reports the sided ones).
  bool MissedAKeyDown(const std::function<bool(int virtualKey)>& systemSaysDown) const;

 private:
  bool IsDown(int virtualKey) const;
  std::bitset<256> down_;
};

}  // namespace tarnwick
