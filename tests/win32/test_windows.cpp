#include "test_windows.h"

#include <algorithm>
#include <map>
#include <utility>

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

namespace {

struct Repeated {
  std::function<bool()> action;
  ULONGLONG deadline = 0;
};

// A timer procedure has no context: the actions wait here under their timer ids.
std::map<UINT_PTR, Repeated>& RepeatedActions() {
  static std::map<UINT_PTR, Repeated> actions;
  return actions;
}

void CALLBACK RunRepeated(HWND, UINT, UINT_PTR id, DWORD) {
  auto found = RepeatedActions().find(id);
  if (found == RepeatedActions().end()) {
    KillTimer(nullptr, id);
    return;
  }
  // Copied out: the action may pump, and a nested tick must not run it twice at once.
  Repeated repeated = std::move(found->second);
  RepeatedActions().erase(found);
  if (repeated.action() || GetTickCount64() >= repeated.deadline) {
    KillTimer(nullptr, id);
    return;
  }
  RepeatedActions()[id] = std::move(repeated);
}

}  // namespace

void RepeatFromLoop(std::function<bool()> action) {
  const UINT_PTR id = SetTimer(nullptr, 0, 50, &RunRepeated);
  if (id != 0) RepeatedActions()[id] = Repeated{std::move(action), GetTickCount64() + 5000};
}

void StopRepeating() {
  for (const auto& [id, repeated] : RepeatedActions()) KillTimer(nullptr, id);
  RepeatedActions().clear();
}

HWND FindThreadWindow(const wchar_t* className, const wchar_t* caption) {
  struct Search {
    const wchar_t* className;
    const wchar_t* caption;
    HWND found;
  } search{className, caption, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* wanted = reinterpret_cast<Search*>(data);
        wchar_t name[64]{}, text[256]{};
        GetClassNameW(window, name, 64);
        GetWindowTextW(window, text, 256);
        if (IsWindowVisible(window) && std::wstring(name) == wanted->className &&
            (wanted->caption == nullptr || std::wstring(text) == wanted->caption)) {
          wanted->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace tarnwick::win32::testing
