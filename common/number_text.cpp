#include "common/number_text.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tarnwick {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Accepts [sign] digits [. digits] [e [sign] digits], with a digit somewhere in the mantissa.
bool HasNumberShape(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool mantissaDigit = false;
  while (i < text.size() && IsDigit(text[i])) {
    mantissaDigit = true;
    ++i;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) {
      mantissaDigit = true;
      ++i;
    }
  }
  if (!mantissaDigit) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool exponentDigit = false;
    while (i < text.size() && IsDigit(text[i])) {
      exponentDigit = true;
      ++i;
    }
    if (!exponentDigit) return false;
  }
  return i == text.size();
}

template <typename Int>
std::optional<Int> ToRoundedInt(std::string_view text) {
  const std::optional<double> value = ParseNumber(text);
  if (!value) return std::nullopt;
  const double rounded = std::nearbyint(*value);  // the default rounding mode ties to even
  if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max()) {
    return std::nullopt;
  }
  return static_cast<Int>(rounded);
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  text = TrimBlanks(text);
  if (!HasNumberShape(text)) return std::nullopt;
  const std::string copy(text);
  const double value = std::strtod(copy.c_str(), nullptr);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::int16_t> ToInt16(std::string_view text) {
  return ToRoundedInt<std::int16_t>(text);
}

std::optional<std::int32_t> ToInt32(std::string_view text) {
  return ToRoundedInt<std::int32_t>(text);
}

std::optional<int> ParseCheckValue(std::string_view text) {
  const std::optional<std::int16_t> value = ToInt16(text);
  if (!value || *value < 0 || *value > 2) return std::nullopt;
  return *value;
}

}  // namespace tarnwick
