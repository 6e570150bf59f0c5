#include "cursor/screen_bounds.h"

#include <cmath>

#include "common/number_text.h"

namespace tarnwick {

namespace {

// The pixel size of a screen at 96 DPI.
constexpr double kClassicTwipsPerPixel = 15;

float Pixels(double twips, double twipsPerPixel) {
  // A screen that reports no usable pixel size (a DPI of 0 gives infinity) is measured at
  // the classic size rather than fed to the rounding as not-a-number.
  if (!std::isfinite(twipsPerPixel) || twipsPerPixel <= 0) twipsPerPixel = kClassicTwipsPerPixel;
  const double pixels = twips / twipsPerPixel;
  return std::isfinite(pixels) ? static_cast<float>(pixels) : 0.0f;
}

}  // namespace

Point ScreenSizePx(const ScreenMetrics& metrics) {
  // Dividing by the real twips per pixel (not a fixed 15) keeps the park point on the
  // screen's corner at 125 % and 150 % scaling too.
  const float widthPx = Pixels(metrics.widthTwips, metrics.twipsPerPixelX);
  const float heightPx = Pixels(metrics.heightTwips, metrics.twipsPerPixelY);
  return {RoundToInt16(widthPx), RoundToInt16(heightPx)};
}

Point WrapLimits(const ScreenMetrics& metrics) {
  const Point size = ScreenSizePx(metrics);
  return {size.x - 1, size.y - 1};
}

}  // namespace tarnwick
