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

namespace {
bool IsTopmost(HWND window) {
  return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}
}  // namespace

WindowHandle SystemZOrder::WindowAbove(WindowHandle window) {
  const HWND self = ToHwnd(window);
  const HWND above = GetWindow(self, GW_HWNDPREV);
  // A topmost window right above is no place to return to: the window already stands first
  // among the others, where activation leaves it.
  if (above == nullptr || IsTopmost(above) != IsTopmost(self)) return kNoWindow;
  return FromHwnd(above);
}

void SystemZOrder::PlaceBelow(WindowHandle window, WindowHandle above) {
  UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  // Queued to another program's thread, as the commands' moves are; after the activation it
  // follows there, so the window goes back only once the activation has raised it.
  if (WindowThread(window) != CurrentThread()) flags |= SWP_ASYNCWINDOWPOS;
  SetWindowPos(ToHwnd(window), above == kNoWindow ? HWND_TOP : ToHwnd(above), 0, 0, 0, 0, flags);
}

ThreadId SystemZOrder::WindowThread(WindowHandle window) {
  return GetWindowThreadProcessId(ToHwnd(window), nullptr);
}

ThreadId SystemZOrder::CurrentThread() {
  return GetCurrentThreadId();
}

}  // namespace tarnwick::win32
