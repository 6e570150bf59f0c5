#pragma once
#include <cstdint>

namespace tarnwick {

// Window handles cross the seam as 32-bit signed integers; 0 names none.
using WindowHandle = std::int32_t;
inline constexpr WindowHandle kNoWindow = 0;

}  // namespace tarnwick
