#pragma once
#include "backend/fullscreen_rule.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// What the shell says of the user now (SHQueryUserNotificationState).
NotificationState UserNotificationState();

// A program runs fullscreen in front, by the shell's word and the foreground window. Tests
// give the shell's word: Wine never reports a presentation or a game in exclusive mode.
bool FullscreenProgramInFront(NotificationState (*notificationState)() = UserNotificationState);

// Whether `window`'s client area covers the whole of its monitor. A maximised window with
// a caption does not: its title bar is no client area, also with an auto-hidden taskbar.
bool CoversItsMonitor(HWND window);

}  // namespace tarnwick::win32
