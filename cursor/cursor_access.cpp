#include "cursor/cursor_access.h"

#include <cmath>
#include <limits>

namespace tarnwick {
namespace {

int NearestWhole(float value) {
  const double rounded = std::nearbyint(static_cast<double>(value));  // ties go to even
  if (std::isnan(rounded)) return 0;
  if (rounded <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (rounded >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(rounded);
}

}  // namespace

Point CMouse::Read(bool* readOk) const {
  Point position{};  // zero-filled, so a position the system cannot report reads as 0, 0
  const bool ok = windows_.CursorPosition(position);
  if (readOk != nullptr) *readOk = ok;
  return position;
}

Point CMouse::Position(bool* readOk) const {
  return Read(readOk);
}

float CMouse::X(bool* readOk) const {
  return static_cast<float>(Read(readOk).x);
}

float CMouse::Y(bool* readOk) const {
  return static_cast<float>(Read(readOk).y);
}

void CMouse::X(float newX) {
  const Point current = Read(nullptr);
  windows_.MoveCursor({NearestWhole(newX), current.y});
}

void CMouse::Y(float newY) {
  const Point current = Read(nullptr);
  windows_.MoveCursor({current.x, NearestWhole(newY)});
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
