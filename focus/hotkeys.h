#pragma once
#include <vector>

#include "focus/options.h"

namespace tarnwick {

// The commands bound to a pressed chord, in the order the main window lists them. A command
// without a chord (None) answers to nothing.
std::vector<HotkeyCommand> CommandsFor(const Options& options, Chord pressed);

}  // namespace tarnwick
