#include "win32/system_foreground.h"

#include "win32/win32_api.h"
#include "win32/window_handle_cast.h"

namespace tarnwick::win32 {

bool SystemForeground::SetForeground(WindowHandle window) {
  return SetForegroundWindow(ToHwnd(window)) != FALSE;
}

WindowHandle SystemForeground::Foreground() {
  return FromHwnd(GetForegroundWindow());
}

bool SystemForeground::IsHung(WindowHandle window) {
  return IsHungAppWindow(ToHwnd(window));
}

ThreadId SystemForeground::WindowThread(WindowHandle window) {
  return GetWindowThreadProcessId(ToHwnd(window), nullptr);
}

ThreadId SystemForeground::CurrentThread() {
  return GetCurrentThreadId();
}

bool SystemForeground::AttachInput(ThreadId from, ThreadId to, bool attach) {
  return AttachThreadInput(from, to, attach ? TRUE : FALSE) != FALSE;
}

void SystemForeground::SendEmptyMouseInput() {
  // A mouse event with no movement and no buttons: harmless, but it makes this process the
  // one that received the last input, which the foreground lock accepts.
  INPUT input{};
  input.type = INPUT_MOUSE;
  SendInput(1, &input, sizeof(INPUT));
}

std::uint32_t SystemForeground::LastInputTime() {
  LASTINPUTINFO info{sizeof(info), 0};
  return GetLastInputInfo(&info) ? info.dwTime : 0;
}

void SystemForeground::BringToTop(WindowHandle window) {
  // BringWindowToTop waits for the window's thread; queued, a hung program cannot stop us.
  SetWindowPos(ToHwnd(window), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_ASYNCWINDOWPOS);
}

}  // namespace tarnwick::win32
