#include "win32/fullscreen.h"

// After the Windows API, which it needs.
#include <shellapi.h>

#include "win32/shell_surfaces.h"

namespace tarnwick::win32 {

bool CoversItsMonitor(HWND window) {
  if (window == nullptr || !IsWindowVisible(window) || IsIconic(window)) return false;
  HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONULL);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (monitor == nullptr || !GetMonitorInfoW(monitor, &info)) return false;
  RECT client{};
  if (!GetClientRect(window, &client)) return false;
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  const RECT& screen = info.rcMonitor;
  return client.left <= screen.left && client.top <= screen.top && client.right >= screen.right &&
         client.bottom >= screen.bottom;
}

NotificationState UserNotificationState() {
  QUERY_USER_NOTIFICATION_STATE state{};
  if (FAILED(SHQueryUserNotificationState(&state)) || state < QUNS_NOT_PRESENT ||
      state > QUNS_APP) {
    return NotificationState::kUnknown;
  }
  return static_cast<NotificationState>(state);
}

bool FullscreenProgramInFront(NotificationState (*notificationState)()) {
  const NotificationState state = notificationState();
  // The desktop covers its monitor too, and so may a taskbar's host; neither is a program.
  HWND window = GetForegroundWindow();
  FrontWindow front;
  front.isProgram = window != nullptr && !IsShellWindow(window);
  front.coversItsMonitor = front.isProgram && CoversItsMonitor(window);
  return CountsAsFullscreen(state, front);
}

}  // namespace tarnwick::win32
