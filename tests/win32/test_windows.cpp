#include "test_windows.h"

#include <algorithm>

namespace tarnwick::win32::testing {
namespace {

constexpr wchar_t kTestWindowClass[] = L"TarnwickTestWindow";

void RegisterTestClass() {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kTestWindowClass;
    return RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
}

}  // namespace

HWND MakeWindow(const std::wstring& title, int x, int y, int width, int height, HWND owner,
                DWORD style) {
  RegisterTestClass();
  HWND window = CreateWindowExW(0, kTestWindowClass, title.c_str(), style | WS_VISIBLE, x, y, width,
                                height, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
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
