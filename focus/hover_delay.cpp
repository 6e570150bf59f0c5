#include "focus/hover_delay.h"

#include <optional>

#include "app/form1.h"
#include "common/number_text.h"

namespace tarnwick {

HoverDelay CheckHoverDelay(std::string_view text) {
  const std::optional<double> value = ParseNumber(text);
  if (!value) return {HoverDelayVerdict::kNotNumeric, 0};
  if (*value < 1 || *value >= 59999) return {HoverDelayVerdict::kOutOfRange, 0};
  return {HoverDelayVerdict::kAccepted, *ToInt32(text)};
}

void Form1::Text1_LostFocus() {
  const HoverDelay delay = CheckHoverDelay(Text1.Text());
  switch (delay.verdict) {
    case HoverDelayVerdict::kNotNumeric:
      platform_.shell.ShowMessage(kApplicationName,
                                  "The vaule must be numberic between 1 and 59999");
      break;
    case HoverDelayVerdict::kOutOfRange:
      platform_.shell.ShowMessage(kApplicationName,
                                  "The value must be numeric between 1 and 59999");
      break;
    case HoverDelayVerdict::kAccepted:
      Timer2.SetIntervalMs(delay.intervalMs);
      // Stored as typed, not normalised: start-up rounds it again when it reads it back.
      SaveSetting(kHoverDelaySetting, Text1.Text());
      return;
  }
  // A refused entry leaves the delay in force and in the store; the box only offers the
  // default for the next try.
  Text1.SetText(kDefaultHoverDelayText);
}

}  // namespace tarnwick
