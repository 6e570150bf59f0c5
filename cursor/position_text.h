#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "seam/point.h"

namespace tarnwick {

// The cursor position as text: x's digits, ",", then y with a sign position (a blank for
// zero or positive, "-" for negative), e.g. "799, 599" or "5,-3". A negative x keeps its
// minus sign, so monitors left of the primary one have a faithful text too.
std::string PositionText(Point position);

// The two numbers of a position text, or nothing when it does not hold two.
std::optional<Point> ParsePositionText(std::string_view text);

}  // namespace tarnwick
