#include <cstdint>

#include "app/form1.h"

namespace tarnwick {

void Form1::PutCursor(Point position) {
  module2_.SetMousePosition(static_cast<std::int16_t>(position.x),
                            static_cast<std::int16_t>(position.y));
  OwnCursorPosition = position;
}

bool Form1::CursorIsOurs(Point cursor) {
  // Whoever sees the cursor elsewhere first learns that the user has moved it since.
  if (OwnCursorPosition && *OwnCursorPosition != cursor) OwnCursorPosition.reset();
  return CursorParked || OwnCursorPosition.has_value();
}

}  // namespace tarnwick
