#pragma once
#include <functional>
#include <string>

#include "platform/win32/win32_api.h"

namespace tarnwick::win32::testing {

// A plain visible window of the test's own, raised above everything else so that
// WindowFromPoint finds it.
HWND MakeWindow(const std::wstring& title, int x, int y, int width, int height,
                HWND owner = nullptr, DWORD style = WS_OVERLAPPEDWINDOW);

// Dispatches messages until `done` holds or `timeoutMs` passes; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 2000);

// Lets queued messages through for a while.
void PumpFor(int milliseconds);

}  // namespace tarnwick::win32::testing
