#include "sim/sim_text_rules.h"

#include <algorithm>
#include <string>

namespace tarnwick::sim {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code points of UTF-8 text; a byte that starts no valid sequence reads as U+FFFD.
std::u32string Decode(std::string_view text) {
  std::u32string points;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    char32_t point = length == 1 ? lead : lead & (0x7F >> length);
    bool valid = length > 0 && i + length <= text.size();
    for (int k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      valid = (next & 0xC0) == 0x80;
      point = (point << 6) | (next & 0x3F);
    }
    points.push_back(valid ? point : kReplacement);
    i += valid ? length : 1;
  }
  return points;
}

// One letter's lower case, as simple case folding gives it in the blocks named above.
char32_t Folded(char32_t c) {
  const auto pairEvenUpper = [c](char32_t first, char32_t last) {
    return c >= first && c <= last && (c - first) % 2 == 0;
  };
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;  // À..Þ, not ×
  if (c == 0x178) return 0xFF;                               // Ÿ
  if (pairEvenUpper(0x100, 0x12F) || pairEvenUpper(0x132, 0x137) || pairEvenUpper(0x14A, 0x177)) {
    return c + 1;
  }
  if ((c >= 0x139 && c <= 0x148 && c % 2 == 1) || (c >= 0x179 && c <= 0x17E && c % 2 == 1)) {
    return c + 1;
  }
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;  // Α..Ϋ
  if (c == 0x386) return 0x3AC;
  if (c >= 0x388 && c <= 0x38A) return c + 0x25;
  if (c == 0x38C) return 0x3CC;
  if (c == 0x38E || c == 0x38F) return c + 0x3F;
  if (c == 0x3C2) return 0x3C3;                   // final sigma
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;  // А..Я
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;  // Ѐ..Џ
  if (pairEvenUpper(0x460, 0x481) || pairEvenUpper(0x48A, 0x4BF) || pairEvenUpper(0x4D0, 0x52F)) {
    return c + 1;
  }
  return c;
}

std::u32string FoldedText(std::string_view text) {
  std::u32string points = Decode(text);
  std::transform(points.begin(), points.end(), points.begin(), Folded);
  return points;
}

}  // namespace

bool SimTextRules::EqualIgnoringCase(std::string_view first, std::string_view second) {
  return FoldedText(first) == FoldedText(second);
}

bool SimTextRules::ContainsIgnoringCase(std::string_view text, std::string_view part) {
  return FoldedText(text).find(FoldedText(part)) != std::u32string::npos;
}

}  // namespace tarnwick::sim
