#include "cursor/screen_bounds.h"

#include "app/number_text.h"
#include "cursor/position_text.h"

namespace tarnwick {

Point ScreenSizePx(const ScreenMetrics& metrics) {
  // Dividing by the real twips per pixel (not a fixed 15) keeps the park point on the
  // screen's corner at 125 % and 150 % scaling too.
  const float widthPx = static_cast<float>(metrics.widthTwips / metrics.twipsPerPixelX);
  const float heightPx = static_cast<float>(metrics.heightTwips / metrics.twipsPerPixelY);
  return {RoundToInt16(widthPx), RoundToInt16(heightPx)};
}

Point ParkPoint(const ScreenMetrics& metrics, bool taskbarAllowance) {
  const Point size = ScreenSizePx(metrics);
  return {size.x - 1, size.y - (taskbarAllowance ? kTaskbarAllowancePx : 1)};
}

std::string ParkPointText(const ScreenMetrics& metrics, bool taskbarAllowance) {
  return PositionText(ParkPoint(metrics, taskbarAllowance));
}

Point WrapLimits(const ScreenMetrics& metrics) {
  const Point size = ScreenSizePx(metrics);
  return {size.x - 1, size.y - 1};
}

}  // namespace tarnwick
