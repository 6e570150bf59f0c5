#pragma once
#include <cstdint>

namespace tarnwick {

// Window handles cross the seam as 32-bit signed integers; 0 names none.
using WindowHandle = std::int32_t;
inline constexpr WindowHandle kNoWindow = 0;

// A point on the screen, in pixels.
struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

}  // namespace tarnwick
