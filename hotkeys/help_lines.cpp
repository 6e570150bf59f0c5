#include "hotkeys/help_lines.h"

namespace tarnwick {
namespace {

// "Ctrl+Shift+F" as the help lines write it: "Ctrl-Shift-F".
std::string HelpChordText(Chord chord) {
  std::string text = ChordText(chord);
  for (char& c : text) {
    if (c == '+') c = '-';
  }
  return text;
}

}  // namespace

std::array<std::string, 4> ChordHelpLines(const HotkeyChords& hotkeys) {
  const auto has = [&hotkeys](HotkeyCommand command) {
    return !hotkeys[static_cast<size_t>(command)].IsNone();
  };
  const auto chord = [&hotkeys](HotkeyCommand command) {
    return HelpChordText(hotkeys[static_cast<size_t>(command)]);
  };
  const auto noKey = [](HotkeyCommand command) {
    return std::string("*") + CommandName(command) +
           " has no key: give it one under File, Options... ";
  };
  const std::string toggle = chord(HotkeyCommand::kToggle);
  const std::string pin = has(HotkeyCommand::kPin)
                              ? "*To Force a Window to Stay Active hit " +
                                    chord(HotkeyCommand::kPin) +
                                    " while your mouse is over the Application. "
                              : noKey(HotkeyCommand::kPin);
  const std::string unpin =
      has(HotkeyCommand::kUnpin)
          ? (has(HotkeyCommand::kPin) ? "Hit " : "Unpin: hit ") + chord(HotkeyCommand::kUnpin)
          : std::string(CommandName(HotkeyCommand::kUnpin)) + " has no key.";
  return {
      has(HotkeyCommand::kToggle) ? "*To disable Tarnwick, just hit " + toggle + " and hit " +
                                        toggle + " again to enable it. "
                                  : noKey(HotkeyCommand::kToggle),
      has(HotkeyCommand::kKeepOnTop)
          ? "*To make application to Stay on Top then just hit " +
                chord(HotkeyCommand::kKeepOnTop) + " while your mouse is over the application. "
          : noKey(HotkeyCommand::kKeepOnTop),
      has(HotkeyCommand::kSendToBottom)
          ? "*To stop it from Staying on Top just " + chord(HotkeyCommand::kSendToBottom) +
                " again while your mouse is over the application."
          : noKey(HotkeyCommand::kSendToBottom),
      pin + unpin,
  };
}

}  // namespace tarnwick
