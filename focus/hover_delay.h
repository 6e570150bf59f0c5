#pragma once
#include <string_view>

namespace tarnwick {

// The delay the box offers and start-up falls back to, as a number and as the box shows it.
inline constexpr int kDefaultHoverDelayMs = 250;
inline constexpr const char* kDefaultHoverDelayText = "250";

enum class HoverDelayVerdict { kAccepted, kNotNumeric, kOutOfRange };

struct HoverDelay {
  HoverDelayVerdict verdict = HoverDelayVerdict::kNotNumeric;
  int intervalMs = 0;  // the accepted delay, rounded halves to even
};

// A delay text is accepted when it is a number v with 1 <= v < 59999.
HoverDelay CheckHoverDelay(std::string_view text);

}  // namespace tarnwick
