#include "platform/win32/system_window_manager.h"

#include <vector>

#include "platform/win32/cloaking.h"
#include "platform/win32/shell_surfaces.h"
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

ActivationResult SystemWindowManager::BringToForeground(WindowHandle window) {
  HWND target = ToHwnd(window);
  if (!IsWindow(target)) return ActivationResult::kWindowGone;
  // A window with a modal dialog open is disabled. Activating it would raise it over its own
  // dialog, where the mouse can no longer reach the dialog, so the dialog is activated.
  if (!IsWindowEnabled(target)) {
    HWND popup = GetLastActivePopup(target);
    if (popup != nullptr && IsWindowEnabled(popup)) target = popup;
  }
  return activator_.Activate(FromHwnd(target)) ? ActivationResult::kActivated
                                               : ActivationResult::kRefused;
}

void SystemWindowManager::KeepOnTop(WindowHandle window) {
  KeepWindowOnTop(zOrder_, window);
}

void SystemWindowManager::SendToBottom(WindowHandle window) {
  SendWindowToBottom(zOrder_, window);
}

bool SystemWindowManager::MouseButtonDown() {
  // Physical buttons, so a swapped left-handed mouse needs no mapping.
  for (int button : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, VK_XBUTTON1, VK_XBUTTON2}) {
    if (GetAsyncKeyState(button) < 0) return true;
  }
  return false;
}

bool SystemWindowManager::MenuOrMoveSizeActive() {
  // Thread 0 is the foreground thread, whichever program it belongs to.
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(0, &info)) return false;
  constexpr DWORD kBusy = GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE | GUI_INMOVESIZE;
  return (info.flags & kBusy) != 0;
}

bool SystemWindowManager::ShellTransientInFront() {
  return win32::ShellTransientInFront();
}

bool SystemWindowManager::IsShellWindow(WindowHandle topLevel) {
  return win32::IsShellWindow(ToHwnd(topLevel));
}

bool SystemWindowManager::IsCloaked(WindowHandle topLevel) {
  return IsWindowCloaked(ToHwnd(topLevel));
}

}  // namespace tarnwick::win32
