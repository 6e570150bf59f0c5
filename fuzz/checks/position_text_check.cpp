#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "cursor/position_text.h"
#include "fuzz/checks/checks.h"
#include "fuzz/checks/fuzz_input.h"

namespace tarnwick::fuzz {
namespace {

std::string Shown(Point p) {
  return "{" + std::to_string(p.x) + ", " + std::to_string(p.y) + "}";
}

bool FitsInt16(int value) {
  return value >= std::numeric_limits<std::int16_t>::min() &&
         value <= std::numeric_limits<std::int16_t>::max();
}

// Digits with no leading zero (but "0" itself), read into `value`; the rest stays in `text`.
bool TakeDigits(std::string_view& text, long long& value) {
  std::size_t length = 0;
  while (length < text.size() && text[length] >= '0' && text[length] <= '9') ++length;
  if (length == 0 || length > 10 || (length > 1 && text[0] == '0')) return false;
  value = std::stoll(std::string(text.substr(0, length)));
  text.remove_prefix(length);
  return true;
}

// The promised shape, read independently of the code: [-]digits "," (" " | "-") digits.
std::optional<Point> ReadShape(std::string_view text) {
  long long x = 0;
  long long y = 0;
  const bool negativeX = !text.empty() && text.front() == '-';
  if (negativeX) text.remove_prefix(1);
  if (!TakeDigits(text, x) || text.empty() || text.front() != ',') return std::nullopt;
  text.remove_prefix(1);
  const char ySign = text.empty() ? '\0' : text.front();
  if (ySign != ' ' && ySign != '-') return std::nullopt;
  const bool negativeY = ySign == '-';
  text.remove_prefix(1);
  if (!TakeDigits(text, y) || !text.empty()) return std::nullopt;
  if ((negativeX && x == 0) || (negativeY && y == 0)) return std::nullopt;  // no "-0"
  return Point{static_cast<int>(negativeX ? -x : x), static_cast<int>(negativeY ? -y : y)};
}

std::string CheckParsed(std::string_view text) {
  const std::optional<Point> parsed = ParsePositionText(text);
  if (!parsed) return {};
  if (!FitsInt16(parsed->x) || !FitsInt16(parsed->y)) {
    return "ParsePositionText(" + Quoted(text) + ") gives " + Shown(*parsed) +
           ", beyond the 16-bit range";
  }
  const std::string written = PositionText(*parsed);
  if (ParsePositionText(written) != parsed) {
    return "ParsePositionText(" + Quoted(text) + ") gives " + Shown(*parsed) + ", whose text " +
           Quoted(written) + " reads back otherwise";
  }
  return {};
}

std::string CheckWritten(Point position) {
  const std::string written = PositionText(position);
  if (ReadShape(written) != position) {
    return "PositionText(" + Shown(position) + ") is " + Quoted(written);
  }
  const std::optional<Point> expected =
      FitsInt16(position.x) && FitsInt16(position.y) ? std::optional(position) : std::nullopt;
  if (ParsePositionText(written) != expected) {
    return "PositionText(" + Shown(position) + ") = " + Quoted(written) + " does not read back";
  }
  return {};
}

}  // namespace

std::string CheckPositionText(std::string_view input) {
  std::string broken = CheckParsed(input);
  if (broken.empty()) {
    broken = CheckWritten({BytesAs<std::int32_t>(input, 0), BytesAs<std::int32_t>(input, 4)});
  }
  if (broken.empty()) {
    // Every position a screen can have.
    broken = CheckWritten({BytesAs<std::int16_t>(input, 0), BytesAs<std::int16_t>(input, 2)});
  }
  return broken;
}

}  // namespace tarnwick::fuzz
