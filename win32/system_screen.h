#pragma once
#include <vector>

#include "seam/screen.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// The primary screen, measured at the main window's DPI, and every monitor as the system
// lays them out now (asked afresh each time: an unplugged monitor need not announce itself).
class SystemScreen : public Screen {
 public:
  explicit SystemScreen(HWND mainWindow) : mainWindow_(mainWindow) {}
  ScreenMetrics Metrics() override;
  std::vector<MonitorInfo> Monitors() override;
  // The user's "Ease cursor movement between displays" (Settings > System > Display >
  // Multiple displays), read afresh: the Settings page changes it without a message to us.
  bool EasesCursorBetweenDisplays() override;

 private:
  HWND mainWindow_;
};

}  // namespace tarnwick::win32
