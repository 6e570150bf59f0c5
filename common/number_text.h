#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// The number a text holds: optional blanks, a sign, digits with at most one decimal point,
// an optional exponent. Nothing for any other text, or a value too large for a double.
std::optional<double> ParseNumber(std::string_view text);

// The text's number rounded to the nearest whole number, halves to the even neighbour;
// nothing when the text is not a number or the result does not fit.
std::optional<std::int16_t> ToInt16(std::string_view text);
std::optional<std::int32_t> ToInt32(std::string_view text);

// A check-box state as stored: 0, 1 or 2 (greyed); nothing for anything else.
std::optional<int> ParseCheckValue(std::string_view text);

}  // namespace tarnwick
