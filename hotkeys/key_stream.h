#pragma once
#include <bitset>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "hotkeys/chord.h"

namespace tarnwick {

// What a low-level hook reports of one key event beyond its code and direction.
struct KeyEventDetails {
  int scanCode = 0;
  std::optional<std::uint32_t> timeMs;  // the event's time stamp on the system's tick count
};

// Turns the raw key-down/key-up stream of a low-level keyboard hook into chords: one per
// up-to-down transition, so a held key's auto-repeat reports nothing, with the modifiers
// that were down before the key. Virtual-key codes are the system's (letters 'A'..'Z').
//
// AltGr on European layouts arrives as a left Ctrl the system makes up, followed at once by
// the right Alt. Typing "@" with AltGr+Q must not read as Ctrl+Alt+Q, so that Ctrl does not
// count: it is told by its scan code, or, where the layout in front has AltGr, by the right
// Alt that comes with the same time stamp. Time stamps move in steps of 10 to 16 ms, so on a
// layout without AltGr a hand's Ctrl and right Alt share one often enough: a real Ctrl+Alt.
class KeyStream {
 public:
  // `layoutHasAltGr` answers for the layout in front, asked only when a left Ctrl and a right
  // Alt share a time stamp; without one, every layout counts as having AltGr.
  explicit KeyStream(std::function<bool()> layoutHasAltGr = {})
      : layoutHasAltGr_(std::move(layoutHasAltGr)) {}
  std::optional<Chord> OnKey(int virtualKey, bool down, KeyEventDetails details = {});
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
  std::function<bool()> layoutHasAltGr_;
  std::bitset<256> down_;
  bool altGrCtrl_ = false;                           // the left Ctrl that AltGr made up is held
  std::optional<std::uint32_t> leftCtrlWentDownMs_;  // the left Ctrl just went down, then
};

}  // namespace tarnwick
