#include "cursor/own_cursor.h"

#include <cstdint>

namespace tarnwick {

bool OwnCursor::Set(Point position) {
  return module2_.SetMousePosition(static_cast<std::int16_t>(position.x),
                                   static_cast<std::int16_t>(position.y));
}

void OwnCursor::Move(Point position) {
  if (!Set(position)) return;
  const std::optional<Point> landed = Read();
  if (landed && *landed != position) Set(position);
}

void OwnCursor::Put(Point position) {
  Set(position);
  putAt_ = position;
}

bool OwnCursor::IsOurs(Point cursor) {
  // Whoever sees the cursor elsewhere first learns that the user has moved it since.
  if (putAt_ && *putAt_ != cursor) putAt_.reset();
  return parked_ || putAt_.has_value();
}

}  // namespace tarnwick
