#pragma once
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// The shell's own windows, known by their window classes on Windows 10 and 11 (and Wine).
// The one place that lists them.

// The desktop, a taskbar, or a transient shell surface: never a target of focus-follow.
bool IsShellWindow(HWND topLevel);
// A transient shell surface (one that closes when it loses the foreground) is in front.
bool ShellTransientInFront();

}  // namespace tarnwick::win32
