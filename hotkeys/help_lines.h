#pragma once
#include <array>
#include <string>

#include "hotkeys/commands.h"

namespace tarnwick {

// The main window's four help lines about the chords, for the chords in force. With the
// default chords they read exactly as they always have; a command set to None says so, and
// where a key can be given to it.
std::array<std::string, 4> ChordHelpLines(const HotkeyChords& hotkeys);

}  // namespace tarnwick
