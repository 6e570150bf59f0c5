#pragma once
#include <optional>
#include <vector>

#include "seam/screen.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// The primary screen, measured at the main window's DPI, and every monitor as the system
// lays them out now.
class SystemScreen : public Screen {
 public:
  explicit SystemScreen(HWND mainWindow) : mainWindow_(mainWindow) {}
  SystemScreen(const SystemScreen&) = delete;
  SystemScreen& operator=(const SystemScreen&) = delete;
  ~SystemScreen() override;
  ScreenMetrics Metrics() override;
  std::vector<MonitorInfo> Monitors() override;
  int MonitorCount() override { return GetSystemMetrics(SM_CMONITORS); }
  // The user's "Ease cursor movement between displays" (Settings > System > Display >
  // Multiple displays). The Settings page changes it without a message to us: the user's
  // settings are watched, and the value is read again only once they changed.
  bool EasesCursorBetweenDisplays() override;

 private:
  // Arms the watch; false when the system refused it.
  bool WatchSettings();

  HWND mainWindow_;
  HKEY settingsKey_ = nullptr;
  HANDLE settingsChanged_ = nullptr;
  std::optional<bool> eases_;
};

}  // namespace tarnwick::win32
