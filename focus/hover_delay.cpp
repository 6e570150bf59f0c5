#include "focus/hover_delay.h"

#include <optional>

#include "common/number_text.h"

namespace tarnwick {

HoverDelay CheckHoverDelay(std::string_view text) {
  const std::optional<double> value = ParseNumber(text);
  if (!value) return {HoverDelayVerdict::kNotNumeric, 0};
  if (*value < 1 || *value >= 59999) return {HoverDelayVerdict::kOutOfRange, 0};
  return {HoverDelayVerdict::kAccepted, *ToInt32(text)};
}

}  // namespace tarnwick
