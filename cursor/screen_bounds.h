#pragma once

namespace tarnwick {

// Rows the park point keeps clear of an auto-hidden taskbar at the bottom.
inline constexpr int kTaskbarAllowancePx = 200;

}  // namespace tarnwick
