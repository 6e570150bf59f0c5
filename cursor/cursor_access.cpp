#include "cursor/cursor_access.h"

namespace tarnwick {
Point CMouse::Position(bool* readOk) const {
  Point position{};  // zero-filled, so a position the system cannot report reads as 0, 0
  const bool ok = windows_.CursorPosition(position);
  if (readOk != nullptr) *readOk = ok;
  return position;
}

bool Module2::SetMousePosition(std::int16_t x, std::int16_t y) {
  const Point start = mouse_.Position();
  windows_.MoveCursor({x, start.y});
  return windows_.MoveCursor({x, y});
}

std::optional<Point> Module2::ReadMousePosition() {
  // One query for both numbers: two would tear when the cursor moves between them, and
  // each costs a round trip to the window manager.
  bool read = false;
  const Point position = mouse_.Position(&read);
  if (!read) return std::nullopt;
  return position;
}

}  // namespace tarnwick
