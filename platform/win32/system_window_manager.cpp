#include "platform/win32/system_window_manager.h"

#include <vector>

#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/window_handle_cast.h"

namespace tarnwick::win32 {

bool SystemWindowManager::CursorPosition(Point& position) {
  POINT point{};
  if (!GetCursorPos(&point)) return false;
  position = Point{point.x, point.y};
  return true;
}

bool SystemWindowManager::MoveCursor(Point position) {
  return SetCursorPos(position.x, position.y) != FALSE;
}

WindowHandle SystemWindowManager::WindowFromPoint(Point position) {
  return FromHwnd(::WindowFromPoint(POINT{position.x, position.y}));
}

WindowHandle SystemWindowManager::Parent(WindowHandle window) {
  return FromHwnd(GetParent(ToHwnd(window)));
}

std::string SystemWindowManager::WindowTitle(WindowHandle window, int maxCount) {
  if (maxCount <= 1) return {};
  std::vector<wchar_t> buffer(static_cast<size_t>(maxCount), L'\0');
  const int copied = GetWindowTextW(ToHwnd(window), buffer.data(), maxCount);
  return Narrow(buffer.data(), copied);
}

void SystemWindowManager::BringToForeground(WindowHandle window) {
  HWND target = ToHwnd(window);
  // A window with a modal dialog open is disabled. Activating it would raise it over its own
  // dialog, where the mouse can no longer reach the dialog, so the dialog is activated.
  if (IsWindow(target) && !IsWindowEnabled(target)) {
    HWND popup = GetLastActivePopup(target);
    if (popup != nullptr && IsWindowEnabled(popup)) target = popup;
  }
  ActivateWindow(foreground_, FromHwnd(target));
}

void SystemWindowManager::KeepOnTop(WindowHandle window) {
  SetWindowPos(ToHwnd(window), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void SystemWindowManager::SendToBottom(WindowHandle window) {
  // HWND_BOTTOM alone leaves a topmost window topmost under Wine, so clear that first.
  SetWindowPos(ToHwnd(window), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetWindowPos(ToHwnd(window), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  // Without SWP_NOACTIVATE the move may also activate the window, and activation raises it
  // again (always under Wine). Settle it at the bottom once more, this time leaving the
  // activation as it is.
  SetWindowPos(ToHwnd(window), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace tarnwick::win32
