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
// Owner chains are short; a longer one is a loop in a misbehaving program.
constexpr int kMaxOwnerSteps = 256;

bool IsTopmost(HWND window) {
  return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// Owned windows (a tool window, the input method's hidden one) stay right above their
// owner and move with it, so they are no place to go back below.
bool OwnedBy(HWND window, HWND owner) {
  for (int step = 0; window != nullptr && step < kMaxOwnerSteps; ++step) {
    window = GetWindow(window, GW_OWNER);
    if (window == owner) return true;
  }
  return false;
}

}  // namespace

WindowHandle SystemZOrder::WindowAbove(WindowHandle window) {
  const HWND self = ToHwnd(window);
  HWND above = GetWindow(self, GW_HWNDPREV);
  for (int step = 0; above != nullptr && OwnedBy(above, self) && step < kMaxOwnerSteps; ++step) {
    above = GetWindow(above, GW_HWNDPREV);
  }
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
