#pragma once
#include "hotkeys/hotkey_field.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// The system's hotkey control holds a key as one word: the virtual-key code in the low byte
// and HOTKEYF_ flags in the high one. 0 is an empty control: no key (None).

// A chord as the control shows it. Navigation keys carry the extended flag, so that the
// control names them (Home) and not their number-pad twins (Num 7). The control has no Win
// flag: Win is left out, so test with RepresentsChord before relying on the value.
WORD HotkeyValueOf(Chord chord);
// What the control holds as a chord; the extended flag says nothing the chord needs.
Chord ChordOfHotkeyValue(WORD value);
// Whether the control can show the chord as it is.
bool RepresentsChord(Chord chord);

// The modifier keys the thread's input holds now, as a hotkey field weighs them.
HeldKeys HeldKeysNow();

}  // namespace tarnwick::win32
