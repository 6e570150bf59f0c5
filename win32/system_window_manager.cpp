#include "win32/system_window_manager.h"

#include <string_view>
#include <vector>

#include "win32/cloaking.h"
#include "win32/fullscreen.h"
#include "win32/shell_surfaces.h"
#include "win32/text_conversion.h"
#include "win32/win32_api.h"
#include "win32/window_handle_cast.h"

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

bool SystemWindowManager::WindowBounds(WindowHandle window, ScreenRect& bounds) {
  RECT rect{};
  if (!GetWindowRect(ToHwnd(window), &rect)) return false;
  bounds = {rect.left, rect.top, rect.right, rect.bottom};
  return true;
}

std::string SystemWindowManager::WindowTitle(WindowHandle window, int maxCount) {
  if (maxCount <= 1) return {};
  std::vector<wchar_t> buffer(static_cast<size_t>(maxCount), L'\0');
  const int copied = GetWindowTextW(ToHwnd(window), buffer.data(), maxCount);
  return Narrow(buffer.data(), copied);
}

WindowHandle SystemWindowManager::ForegroundWindow() {
  return FromHwnd(GetForegroundWindow());
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

bool SystemWindowManager::MoveSizeLoopActive() {
  // The loop runs in the thread of the window it moves, which the click on its title bar or
  // border brought to the foreground.
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  return GetGUIThreadInfo(0, &info) && (info.flags & GUI_INMOVESIZE) != 0;
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

std::string SystemWindowManager::ProgramFileName(WindowHandle topLevel) {
  DWORD processId = 0;
  if (GetWindowThreadProcessId(ToHwnd(topLevel), &processId) == 0 || processId == 0) return {};
  // The limited right is granted for most processes, also other users' and elevated ones.
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (process == nullptr) return {};
  // Long paths (\\?\ and beyond MAX_PATH) exist; 32767 characters is the most there is.
  std::vector<wchar_t> path(32768, L'\0');
  auto length = static_cast<DWORD>(path.size());
  const bool known = QueryFullProcessImageNameW(process, 0, path.data(), &length) != FALSE;
  CloseHandle(process);
  if (!known) return {};
  const std::wstring_view full(path.data(), length);
  const size_t separator = full.find_last_of(L"\\/");
  const std::wstring_view name =
      separator == std::wstring_view::npos ? full : full.substr(separator + 1);
  return Narrow(name.data(), static_cast<int>(name.size()));
}

std::string SystemWindowManager::ClassName(WindowHandle topLevel) {
  // Class names are at most 256 characters long.
  wchar_t name[257] = {};
  const int length = GetClassNameW(ToHwnd(topLevel), name, static_cast<int>(std::size(name)));
  return length > 0 ? Narrow(name, length) : std::string();
}

bool SystemWindowManager::ModifierKeyDown(ModifierKey key) {
  const auto down = [](int virtualKey) { return GetAsyncKeyState(virtualKey) < 0; };
  switch (key) {
    case ModifierKey::kCtrl:
      return down(VK_CONTROL);
    case ModifierKey::kAlt:
      return down(VK_MENU);
    case ModifierKey::kShift:
      return down(VK_SHIFT);
    case ModifierKey::kWin:
      // The system keeps no combined state for the two Windows keys.
      return down(VK_LWIN) || down(VK_RWIN);
  }
  return false;
}

bool SystemWindowManager::FullscreenProgramInFront() {
  return win32::FullscreenProgramInFront();
}

}  // namespace tarnwick::win32
