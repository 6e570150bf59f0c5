#pragma once
#include "seam/screen.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// The primary screen, measured at the main window's DPI.
class SystemScreen : public Screen {
 public:
  explicit SystemScreen(HWND mainWindow) : mainWindow_(mainWindow) {}
  ScreenMetrics Metrics() override;

 private:
  HWND mainWindow_;
};

}  // namespace tarnwick::win32
