#include "focus/hotkeys.h"

namespace tarnwick {

std::vector<HotkeyCommand> CommandsFor(const Options& options, Chord pressed) {
  std::vector<HotkeyCommand> bound;
  for (int i = 0; i < kHotkeyCommandCount; ++i) {
    const auto command = static_cast<HotkeyCommand>(i);
    const Chord chord = options.HotkeyFor(command);
    if (!chord.IsNone() && chord == pressed) bound.push_back(command);
  }
  return bound;
}

}  // namespace tarnwick
