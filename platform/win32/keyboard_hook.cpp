#include "platform/win32/keyboard_hook.h"

#include <atomic>

#include "platform/keyboard_chord.h"

namespace tarnwick::win32 {
namespace {

// The hook procedure has no context argument; these are only touched on the hook thread
// (the chord) or written before the hook is installed (target and message).
std::atomic<HWND> gTarget{nullptr};
std::atomic<UINT> gMessage{0};
KeyboardChord gChord;

LRESULT CALLBACK LowLevelKeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
    // The system's key state shows every key before the one reported now, so it tells
    // which keys were released where the hook could not see it.
    if (down) {
      gChord.ForgetReleased(
          [](int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; });
    }
    if (auto press = gChord.OnKey(static_cast<int>(key->vkCode), down)) {
      PostMessageW(gTarget.load(), gMessage.load(), static_cast<WPARAM>(press->keyCode),
                   static_cast<LPARAM>(press->shift));
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

bool KeyboardHook::Start(HWND target, UINT message) {
  if (thread_.joinable()) return installed_;
  gTarget = target;
  gMessage = message;
  gChord = KeyboardChord{};
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (ready == nullptr) return false;
  thread_ = std::thread([this, ready] { Run(ready); });
  WaitForSingleObject(ready, INFINITE);
  CloseHandle(ready);
  return installed_;
}

void KeyboardHook::Run(HANDLE ready) {
  threadId_ = GetCurrentThreadId();
  HHOOK hook =
      SetWindowsHookExW(WH_KEYBOARD_LL, LowLevelKeyboardProc, GetModuleHandleW(nullptr), 0);
  installed_ = hook != nullptr;
  // Make sure this thread has a message queue before anyone posts WM_QUIT to it.
  MSG message{};
  PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
  SetEvent(ready);
  if (hook == nullptr) return;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  UnhookWindowsHookEx(hook);
}

void KeyboardHook::Stop() {
  if (!thread_.joinable()) return;
  if (installed_) PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  thread_.join();
  installed_ = false;
}

}  // namespace tarnwick::win32
