#include "cursor/position_text.h"

#include "common/number_text.h"

namespace tarnwick {

std::string PositionText(Point position) {
  std::string text = std::to_string(position.x) + ",";
  text += position.y < 0 ? "-" : " ";
  text += std::to_string(position.y < 0 ? -static_cast<long long>(position.y) : position.y);
  return text;
}

std::optional<Point> ParsePositionText(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const std::optional<std::int16_t> x = ToInt16(text.substr(0, comma));
  const std::optional<std::int16_t> y = ToInt16(text.substr(comma + 1));
  if (!x || !y) return std::nullopt;
  return Point{*x, *y};
}

}  // namespace tarnwick
