#include "win32/system_z_order.h"

#include "win32/cloaking.h"
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
// Far more windows than a desktop holds, hidden ones included: a longer walk is a Z order
// that changed under it.
constexpr int kMaxZOrderSteps = 65536;

bool IsTopmost(HWND window) {
  return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// Hidden windows stand in the Z order too (the input method's, one per thread), and under
// Wine one may stay above a window just activated; a minimised or cloaked window covers
// nothing either. An owned window (a tool window, a dialog) moves with its owner. None of
// them is a place to go back below.
bool CoversSomething(HWND window) {
  return IsWindowVisible(window) && !IsIconic(window) && GetWindow(window, GW_OWNER) == nullptr &&
         !IsWindowCloaked(window);
}

}  // namespace

WindowHandle SystemZOrder::WindowAbove(WindowHandle window) {
  const HWND self = ToHwnd(window);
  HWND above = GetWindow(self, GW_HWNDPREV);
  for (int step = 0; above != nullptr && !CoversSomething(above) && step < kMaxZOrderSteps;
       ++step) {
    above = GetWindow(above, GW_HWNDPREV);
  }
  // A topmost window above is no place to return to: the window already stands first among
  // the others, where activation leaves it.
  if (above == nullptr || IsTopmost(above) != IsTopmost(self)) return kNoWindow;
  return FromHwnd(above);
}

bool SystemZOrder::StandsAbove(WindowHandle window, WindowHandle other) {
  const HWND upper = ToHwnd(window);
  if (upper == nullptr || !IsWindow(upper)) return false;
  HWND step = GetWindow(ToHwnd(other), GW_HWNDPREV);
  for (int count = 0; step != nullptr && count < kMaxZOrderSteps; ++count) {
    if (step == upper) return true;
    step = GetWindow(step, GW_HWNDPREV);
  }
  return false;
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
