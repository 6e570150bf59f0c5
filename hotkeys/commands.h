#pragma once
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "hotkeys/chord.h"

namespace tarnwick {

// The five commands a chord can be bound to, in the order the main window lists them.
enum class HotkeyCommand { kToggle, kKeepOnTop, kSendToBottom, kPin, kUnpin };
inline constexpr int kHotkeyCommandCount = 5;

// Each command's chord until the user chooses another, as the store writes it.
inline constexpr std::array<const char*, kHotkeyCommandCount> kDefaultHotkeyTexts{
    "Ctrl+Shift+F", "Ctrl+Shift+T", "Ctrl+Shift+R", "Ctrl+Shift+A", "Ctrl+Shift+Q"};

// Each command's chord, in the order of HotkeyCommand.
using HotkeyChords = std::array<Chord, kHotkeyCommandCount>;

HotkeyChords DefaultHotkeys();

// The command's name as the Options window and the messages say it.
const char* CommandName(HotkeyCommand command);

// The commands bound to a pressed chord, in the order the main window lists them. A command
// without a chord (None) answers to nothing.
std::vector<HotkeyCommand> CommandsFor(const HotkeyChords& hotkeys, Chord pressed);

// The first two commands given one chord, if any; any number may have none.
std::optional<std::pair<size_t, size_t>> SharedChord(const HotkeyChords& hotkeys);

}  // namespace tarnwick
