#include <optional>
#include <string>

#include "fuzz/checks/checks.h"
#include "fuzz/checks/fuzz_input.h"
#include "hotkeys/chord.h"

namespace tarnwick::fuzz {
namespace {

// The virtual-key codes a chord can be named by (Key1..Key255 when no other name fits).
constexpr int kFirstKeyCode = 1;
constexpr int kLastKeyCode = 255;
constexpr int kAllModifierBits = 0xF;

std::string Shown(Chord chord) {
  return "{key " + std::to_string(chord.keyCode) + ", modifiers " +
         std::to_string(chord.modifiers) + "}";
}

// A chord stored as its text must come back as the same chord.
std::string CheckRoundTrip(Chord chord) {
  const std::string text = ChordText(chord);
  const std::optional<Chord> back = ParseChord(text);
  if (back != chord) {
    return "ChordText(" + Shown(chord) + ") = " + Quoted(text) + " reads back as " +
           (back ? Shown(*back) : "nothing");
  }
  return {};
}

std::string CheckParsed(std::string_view text) {
  const std::optional<Chord> chord = ParseChord(text);
  if (!chord) return {};
  const bool inRange = chord->IsNone()
                           ? chord->modifiers == 0
                           : chord->keyCode >= kFirstKeyCode && chord->keyCode <= kLastKeyCode &&
                                 (chord->modifiers & ~kAllModifierBits) == 0;
  if (!inRange) return "ParseChord(" + Quoted(text) + ") gives " + Shown(*chord);
  std::string broken = CheckRoundTrip(*chord);
  if (!broken.empty()) broken = "ParseChord(" + Quoted(text) + "): " + broken;
  return broken;
}

}  // namespace

std::string CheckChordText(std::string_view input) {
  std::string broken = CheckParsed(input);
  if (broken.empty()) {
    // Any key the hook can report, with any modifiers held; key 0 is "None" alone.
    const auto key = BytesAs<unsigned char>(input, 0);
    const auto modifiers = BytesAs<unsigned char>(input, 1);
    if (key == 0) {
      broken = CheckRoundTrip(Chord{});
    } else if (key <= kLastKeyCode) {
      broken = CheckRoundTrip(Chord{key, modifiers & kAllModifierBits});
    }
  }
  return broken;
}

}  // namespace tarnwick::fuzz
