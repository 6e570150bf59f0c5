#include "win32/system_z_order.h"

#include "win32/win32_api.h"
#include "win32/window_handle_cast.h"

namespace tarnwick::win32 {

void SystemZOrder::Place(WindowHandle window, ZPlace place, bool activate, bool waitForOwner) {
  HWND insertAfter = place == ZPlace::kTopmost      ? HWND_TOPMOST
                     : place == ZPlace::kNotTopmost ? HWND_NOTOPMOST
                                                    : HWND_BOTTOM;
  UINT flags = SWP_NOMOVE | SWP_NOSIZE;
  if (!activate) flags |= SWP_NOACTIVATE;
  if (!waitForOwner) flags |= SWP_ASYNCWINDOWPOS;
  SetWindowPos(ToHwnd(window), insertAfter, 0, 0, 0, 0, flags);
}

ThreadId SystemZOrder::WindowThread(WindowHandle window) {
  return GetWindowThreadProcessId(ToHwnd(window), nullptr);
}

ThreadId SystemZOrder::CurrentThread() {
  return GetCurrentThreadId();
}

}  // namespace tarnwick::win32
