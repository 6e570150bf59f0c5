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

bool FullscreenProgramInFront() {
  QUERY_USER_NOTIFICATION_STATE state{};
  if (SUCCEEDED(SHQueryUserNotificationState(&state)) &&
      (state == QUNS_BUSY || state == QUNS_RUNNING_D3D_FULL_SCREEN ||
       state == QUNS_PRESENTATION_MODE)) {
    return true;
  }
  // The desktop covers its monitor too, and so may a taskbar's host; neither is a program.
  HWND front = GetForegroundWindow();
  return front != nullptr && !IsShellWindow(front) && CoversItsMonitor(front);
}

}  // namespace tarnwick::win32
