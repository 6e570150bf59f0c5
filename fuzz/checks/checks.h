#pragma once
#include <array>
#include <string>
#include <string_view>

namespace tarnwick::fuzz {

// Each check takes one fuzz input and returns the first property it breaks, as a sentence,
// or "" when every property holds. The fuzz targets turn a sentence into a crash (so that
// libFuzzer keeps the input); the regression test replays the kept inputs through the same
// functions under the ordinary build.

// ParseNumber, ToInt16, ToInt32 and ParseCheckValue on the input as text.
std::string CheckNumberText(std::string_view input);
// ParseChord on the input as text, ChordText on chords made of its first two bytes.
std::string CheckChordText(std::string_view input);
// Start-up over a store filled from the input (see startup_check.cpp for the layout),
// followed by ten virtual seconds of cursor movement.
std::string CheckStartUp(std::string_view input);

struct FuzzTarget {
  const char* name;  // also the folder of its corpus and regressions
  std::string (*check)(std::string_view input);
};

inline constexpr std::array<FuzzTarget, 3> kFuzzTargets{{
    {"number_text", CheckNumberText},
    {"chord_text", CheckChordText},
    {"startup", CheckStartUp},
}};

}  // namespace tarnwick::fuzz
