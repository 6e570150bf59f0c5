#include "win32/system_foreground.h"

#include <optional>

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

namespace {

// Whether a process runs elevated; nothing when its token cannot be read.
std::optional<bool> ProcessElevated(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return std::nullopt;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  const bool read =
      GetTokenInformation(token, TokenElevation, &elevation, sizeof(elevation), &size) != FALSE;
  CloseHandle(token);
  if (!read) return std::nullopt;
  return elevation.TokenIsElevated != 0;
}

}  // namespace

bool SystemForeground::IsElevated(WindowHandle window) {
  // Run as administrator ourselves, we reach every window.
  static const bool selfElevated = ProcessElevated(GetCurrentProcess()).value_or(false);
  if (selfElevated) return false;
  DWORD processId = 0;
  if (GetWindowThreadProcessId(ToHwnd(window), &processId) == 0) return false;  // gone
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  // A process we may not even query is one we cannot reach either.
  if (process == nullptr) return true;
  const std::optional<bool> elevated = ProcessElevated(process);
  CloseHandle(process);
  return elevated.value_or(true);
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
  input.mi.dwExtraInfo = kOwnInputTag;
  SendInput(1, &input, sizeof(INPUT));
}

std::uint32_t SystemForeground::LastInputTime() {
  LASTINPUTINFO info{sizeof(info), 0};
  return GetLastInputInfo(&info) ? info.dwTime : 0;
}

std::uint32_t SystemForeground::Now() {
  return GetTickCount();
}

void SystemForeground::BringToTop(WindowHandle window) {
  // BringWindowToTop waits for the window's thread; queued, a hung program cannot stop us.
  SetWindowPos(ToHwnd(window), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_ASYNCWINDOWPOS);
}

}  // namespace tarnwick::win32
