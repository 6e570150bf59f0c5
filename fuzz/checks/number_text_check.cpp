#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

#include "common/number_text.h"
#include "fuzz/checks/checks.h"
#include "fuzz/checks/fuzz_input.h"

namespace tarnwick::fuzz {
namespace {

// The nearest whole number, halves to the even neighbour, worked out without the rounding
// mode the code relies on. Done on the magnitude, where value - floor(value) is exact.
double NearestHalfEven(double value) {
  if (value < 0) return -NearestHalfEven(-value);
  const double below = std::floor(value);
  const double fraction = value - below;
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1;
  return std::fmod(below, 2) == 0 ? below : below + 1;
}

template <typename Int>
std::optional<Int> ExpectedWhole(std::optional<double> value) {
  if (!value) return std::nullopt;
  const double whole = NearestHalfEven(*value);
  if (whole < std::numeric_limits<Int>::min() || whole > std::numeric_limits<Int>::max()) {
    return std::nullopt;
  }
  return static_cast<Int>(whole);
}

template <typename T>
std::string Shown(std::optional<T> value) {
  return value ? std::to_string(*value) : "nothing";
}

std::string Exact(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// What a number's text may hold once its blanks are trimmed.
bool OnlyNumberCharacters(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  bool digit = false;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (std::string_view("+-.eE").find(c) == std::string_view::npos) {
      return false;
    }
  }
  return digit;
}

std::string CheckParse(std::string_view text) {
  const std::optional<double> value = ParseNumber(text);
  if (!value) return {};
  if (!std::isfinite(*value)) return "ParseNumber(" + Quoted(text) + ") is not finite";
  if (!OnlyNumberCharacters(text)) {
    return "ParseNumber(" + Quoted(text) + ") takes a text that is not a number";
  }
  // What the program shows of a number must read back as the same number.
  const std::string printed = Exact(*value);
  if (ParseNumber(printed) != value) {
    return "ParseNumber(" + Quoted(printed) + ") does not read back " + Quoted(text);
  }
  return {};
}

std::string CheckRounding(std::string_view text) {
  const std::optional<double> value = ParseNumber(text);
  const std::string blanked = " \t" + std::string(text) + "\t ";
  if (ParseNumber(blanked) != value) {
    return "blanks around " + Quoted(text) + " change its number";
  }
  if (ToInt32(text) != ExpectedWhole<std::int32_t>(value)) {
    return "ToInt32(" + Quoted(text) + ") is " + Shown(ToInt32(text)) + ", not " +
           Shown(ExpectedWhole<std::int32_t>(value));
  }
  if (ToInt16(text) != ExpectedWhole<std::int16_t>(value)) {
    return "ToInt16(" + Quoted(text) + ") is " + Shown(ToInt16(text)) + ", not " +
           Shown(ExpectedWhole<std::int16_t>(value));
  }
  return {};
}

std::string CheckStoredCheck(std::string_view text) {
  const std::optional<std::int16_t> whole = ExpectedWhole<std::int16_t>(ParseNumber(text));
  const std::optional<int> expected =
      whole && *whole >= 0 && *whole <= 2 ? std::optional<int>(*whole) : std::nullopt;
  if (ParseCheckValue(text) != expected) {
    return "ParseCheckValue(" + Quoted(text) + ") is " + Shown(ParseCheckValue(text)) + ", not " +
           Shown(expected);
  }
  return {};
}

}  // namespace

std::string CheckNumberText(std::string_view input) {
  for (const auto check : {CheckParse, CheckRounding, CheckStoredCheck}) {
    std::string broken = check(input);
    if (!broken.empty()) return broken;
  }
  return {};
}

}  // namespace tarnwick::fuzz
