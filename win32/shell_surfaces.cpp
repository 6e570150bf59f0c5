#include "win32/shell_surfaces.h"

#include <cwchar>

namespace tarnwick::win32 {
namespace {

// Windows that make up the desktop and the taskbars. Activating one takes the keyboard
// from the program the user was typing in and hands it to the shell.
constexpr const wchar_t* kShellClasses[] = {
    L"Progman",                 // the desktop's window: wallpaper and icons
    L"WorkerW",                 // the desktop's worker windows behind and over the icons
    L"SHELLDLL_DefView",        // the icon view the desktop windows host
    L"#32769",                  // the bare desktop window (Wine shows it without a shell)
    L"Shell_TrayWnd",           // the primary taskbar
    L"Shell_SecondaryTrayWnd",  // the taskbar on each further monitor
};

// Surfaces that close as soon as another window takes the foreground. While one is in
// front the user is choosing something in it, and an activation would throw it away.
constexpr const wchar_t* kTransientClasses[] = {
    L"#32768",                      // a menu: context menus, menu bars' menus, the tray's menus
    L"Windows.UI.Core.CoreWindow",  // Start, Search, Action Center and quick settings
    L"NotifyIconOverflowWindow",    // the notification-area overflow on Windows 10
    L"TopLevelWindowForOverflowXamlIsland",  // the notification-area overflow on Windows 11
    L"XamlExplorerHostIslandWindow",         // Alt+Tab, Win+Tab and snap layouts on Windows 11
    L"MultitaskingViewFrame",                // Alt+Tab on Windows 10
    L"TaskSwitcherWnd",                      // the classic Alt+Tab switcher
    L"ForegroundStaging",                    // the shell's stand-in while a switch completes
};

template <size_t N>
bool ClassIn(HWND window, const wchar_t* const (&classes)[N]) {
  wchar_t name[64] = {};
  if (window == nullptr || GetClassNameW(window, name, 64) == 0) return false;
  for (const wchar_t* candidate : classes) {
    if (std::wcscmp(name, candidate) == 0) return true;
  }
  return false;
}

}  // namespace

bool IsShellWindow(HWND topLevel) {
  if (topLevel == nullptr) return false;
  if (topLevel == GetShellWindow() || topLevel == GetDesktopWindow()) return true;
  return ClassIn(topLevel, kShellClasses) || ClassIn(topLevel, kTransientClasses);
}

bool ShellTransientInFront() {
  if (ClassIn(GetForegroundWindow(), kTransientClasses)) return true;
  // A menu can be open without its owner in front (a tray icon's menu, say). Menu windows
  // are kept around hidden between uses, so only a visible one counts.
  for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu != nullptr;
       menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) {
    if (IsWindowVisible(menu)) return true;
  }
  return false;
}

}  // namespace tarnwick::win32
