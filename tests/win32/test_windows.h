#pragma once
#include <functional>
#include <string>

#include "win32/win32_api.h"

namespace tarnwick::win32::testing {

// A plain visible window of the test's own, raised above everything else so that
// WindowFromPoint finds it.
HWND MakeWindow(const std::wstring& title, int x, int y, int width, int height,
                HWND owner = nullptr, DWORD style = WS_OVERLAPPEDWINDOW);

// Dispatches messages until `done` holds or `timeoutMs` passes; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 2000);

// Lets queued messages through for a while.
void PumpFor(int milliseconds);

// Runs `action` from this thread's message loop, whichever loop runs it: a menu's or a
// message box's, which a test cannot reach otherwise while they are open. Repeated every
// 50 ms until it returns true, for at most five seconds.
void RepeatFromLoop(std::function<bool()> action);
// Drops the actions still repeating: what they refer to may be gone after a failed case.
void StopRepeating();

// A visible top-level window of this thread with the class and, unless null, the caption.
HWND FindThreadWindow(const wchar_t* className, const wchar_t* caption = nullptr);

}  // namespace tarnwick::win32::testing
