#pragma once
#include "seam/point.h"
#include "seam/screen.h"

namespace tarnwick {

// Rows the park point keeps clear of an auto-hidden taskbar at the bottom.
inline constexpr int kTaskbarAllowancePx = 200;

// The last column and row the cursor can reach.
Point WrapLimits(const ScreenMetrics& metrics);

}  // namespace tarnwick
