#pragma once
#include "platform/screen.h"
#include "platform/win32/win32_api.h"

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
