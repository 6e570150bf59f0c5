#include "win32/system_screen.h"

#include "win32/dpi.h"

namespace tarnwick::win32 {

ScreenMetrics SystemScreen::Metrics() {
  const double twipsPerPixel = static_cast<double>(kTwipsPerInch) / DpiOf(mainWindow_);
  ScreenMetrics metrics;
  metrics.widthTwips = GetSystemMetrics(SM_CXSCREEN) * twipsPerPixel;
  metrics.heightTwips = GetSystemMetrics(SM_CYSCREEN) * twipsPerPixel;
  metrics.twipsPerPixelX = twipsPerPixel;
  metrics.twipsPerPixelY = twipsPerPixel;
  return metrics;
}

}  // namespace tarnwick::win32
