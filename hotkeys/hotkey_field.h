#pragma once
#include <optional>

#include "hotkeys/chord.h"

namespace tarnwick {

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
