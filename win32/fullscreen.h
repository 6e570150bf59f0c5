#pragma once
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// A program runs fullscreen in front: the shell says so (a game in exclusive mode, a
// presentation, the "busy" state), or the foreground window, being no part of the shell,
// covers its whole monitor with its client area (a borderless game, a full-screen video).
bool FullscreenProgramInFront();

// Whether `window`'s client area covers the whole of its monitor. A maximised window with
// a caption does not: its title bar is no client area, also with an auto-hidden taskbar.
bool CoversItsMonitor(HWND window);

}  // namespace tarnwick::win32
