#include "hotkeys/commands.h"

namespace tarnwick {

HotkeyChords DefaultHotkeys() {
  // The store's defaults are the one place the chords are written down.
  HotkeyChords chords;
  for (size_t i = 0; i < chords.size(); ++i) {
    chords[i] = ParseChord(kDefaultHotkeyTexts[i]).value_or(Chord{});
  }
  return chords;
}

const char* CommandName(HotkeyCommand command) {
  switch (command) {
    case HotkeyCommand::kToggle:
      return "Enable/disable";
    case HotkeyCommand::kKeepOnTop:
      return "Keep on top";
    case HotkeyCommand::kSendToBottom:
      return "Send to bottom";
    case HotkeyCommand::kPin:
      return "Pin";
    case HotkeyCommand::kUnpin:
      return "Unpin";
  }
  return "";
}

std::vector<HotkeyCommand> CommandsFor(const HotkeyChords& hotkeys, Chord pressed) {
  std::vector<HotkeyCommand> bound;
  for (int i = 0; i < kHotkeyCommandCount; ++i) {
    const auto command = static_cast<HotkeyCommand>(i);
    const Chord chord = hotkeys[static_cast<size_t>(command)];
    if (!chord.IsNone() && chord == pressed) bound.push_back(command);
  }
  return bound;
}

std::optional<std::pair<size_t, size_t>> SharedChord(const HotkeyChords& hotkeys) {
  for (size_t i = 0; i < hotkeys.size(); ++i) {
    for (size_t j = i + 1; j < hotkeys.size(); ++j) {
      if (!hotkeys[i].IsNone() && hotkeys[i] == hotkeys[j]) return std::pair{i, j};
    }
  }
  return std::nullopt;
}

}  // namespace tarnwick
