#include "test_windows.h"

#include <algorithm>

#include "tests/common/plain_window_class.h"

namespace tarnwick::win32::testing {

HWND MakeWindow(const std::wstring& title, int x, int y, int width, int height, HWND owner,
                DWORD style) {
  static const test_support::PlainWindowClass testClass(L"TarnwickTestWindow");
  HWND window =
      testClass.Create(title, style | WS_VISIBLE, RECT{x, y, x + width, y + height}, owner);
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  PumpFor(50);
  return window;
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
  while (!done()) {
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return done();
    MSG message{};
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
      continue;
    }
    // Short waits: some conditions (the cursor, the foreground) change without a message.
    const DWORD waitMs = static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 10));
    // No handles to wait on, only input: a null array with a zero count is allowed.
    // cppcheck-suppress nullPointer
    MsgWaitForMultipleObjectsEx(0, nullptr, waitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
  return true;
}

void PumpFor(int milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

}  // namespace tarnwick::win32::testing
