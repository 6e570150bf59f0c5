#pragma once

namespace tarnwick {

// A point on the screen, in pixels.
struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

}  // namespace tarnwick
