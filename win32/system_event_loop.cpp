#include "win32/system_event_loop.h"

#include <algorithm>

namespace tarnwick::win32 {
namespace {

// The system's dialog class, by its atom: what CreateDialog makes.
constexpr ULONG_PTR kDialogClassAtom = 32770;

bool IsDialogWindow(HWND window) {
  return GetClassLongPtrW(window, GCW_ATOM) == kDialogClassAtom;
}

// A menu (the menu bar's, a pop-up's, the system menu) or a move or size drag runs its own
// loop on this thread and takes its keys and clicks from the queue: messages taken from
// under it never reach it, and it stays in menu mode with the mouse captured.
bool InSystemModalLoop() {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  constexpr DWORD kModal = GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE | GUI_INMOVESIZE;
  return GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & kModal) != 0;
}

using SetCoalescableTimerFunction = UINT_PTR(WINAPI*)(HWND, UINT_PTR, UINT, TIMERPROC, ULONG);

// Windows 8 and later: a timer the system may serve up to `tolerance` ms late, together
// with other wake-ups. Looked up at run time, so the program still starts where it is not.
SetCoalescableTimerFunction CoalescableTimer() {
  static const auto function = [] {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 != nullptr
               ? reinterpret_cast<SetCoalescableTimerFunction>(
                     reinterpret_cast<void*>(GetProcAddress(user32, "SetCoalescableTimer")))
               : nullptr;
  }();
  return function;
}

}  // namespace

void SystemEventLoop::StartTimer(int timerId, int intervalMs, std::function<void()> onTick) {
  Arm(timerId, intervalMs, std::move(onTick), false);
}

void SystemEventLoop::StartLazyTimer(int timerId, int intervalMs, std::function<void()> onTick) {
  Arm(timerId, intervalMs, std::move(onTick), true);
}

void SystemEventLoop::Arm(int timerId, int intervalMs, std::function<void()> onTick, bool lazy) {
  if (quitRequested_) return;
  const auto id = static_cast<UINT_PTR>(timerId);
  timers_[id] = std::move(onTick);
  // Setting an existing timer again restarts its interval, as the timer model expects.
  const auto interval = static_cast<UINT>(std::max(intervalMs, 1));
  if (lazy && CoalescableTimer() != nullptr &&
      CoalescableTimer()(mainWindow_, id, interval, nullptr, interval / 10) != 0) {
    return;
  }
  SetTimer(mainWindow_, id, interval, nullptr);
}

void SystemEventLoop::StopTimer(int timerId) {
  const auto id = static_cast<UINT_PTR>(timerId);
  KillTimer(mainWindow_, id);
  timers_.erase(id);
}

void SystemEventLoop::DispatchTimer(UINT_PTR timerId) {
  if (quitRequested_) return;
  auto found = timers_.find(timerId);
  if (found == timers_.end()) {
    KillTimer(mainWindow_, timerId);  // a tick that was already queued when it stopped
    return;
  }
  // The handler may restart or stop its own timer, replacing the stored callback.
  const std::function<void()> onTick = found->second;
  if (onTick) onTick();
}

bool SystemEventLoop::TakeNonTimerMessage(MSG& message) {
  // Everything but WM_TIMER: a tick handler that pumps must never be re-entered by ticks.
  return PeekMessageW(&message, nullptr, 0, WM_TIMER - 1, PM_REMOVE) ||
         PeekMessageW(&message, nullptr, WM_TIMER + 1, 0xFFFFFFFF, PM_REMOVE);
}

void SystemEventLoop::Dispatch(MSG& message) {
  if (IsDialogMessageW(mainWindow_, &message)) return;
  // A modeless dialog of ours (the Options window) gets the same Tab, Enter, Esc and access
  // keys; found by the message's window, so nothing needs to sign dialogs in and out.
  if (HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
      root != nullptr && root != mainWindow_ && IsDialogWindow(root) &&
      IsDialogMessageW(root, &message)) {
    return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void SystemEventLoop::PumpPending() {
  if (pumping_ || quitRequested_ || InSystemModalLoop()) return;
  pumping_ = true;
  // What is waiting now, not whatever keeps arriving (a stream of mouse moves, a window that
  // never validates its paint): past this many, the rest is the main loop's.
  constexpr int kMaxMessagesPerPump = 256;
  MSG message{};
  for (int taken = 0;
       taken < kMaxMessagesPerPump && !quitRequested_ && TakeNonTimerMessage(message); ++taken) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the outer loop
      break;
    }
    Dispatch(message);
  }
  pumping_ = false;
}

void SystemEventLoop::Quit() {
  if (quitRequested_) return;
  quitRequested_ = true;
  for (const auto& [id, onTick] : timers_) KillTimer(mainWindow_, id);
  timers_.clear();
  PostQuitMessage(0);
  // A modal loop that is running now may take the quit message and keep it; this one wakes
  // the main loop all the same, which then sees the program ending.
  PostMessageW(mainWindow_, WM_NULL, 0, 0);
}

int SystemEventLoop::Run() {
  MSG message{};
  while (!quitRequested_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    Dispatch(message);
    if (afterEachMessage_) afterEachMessage_();
  }
  return 0;
}

}  // namespace tarnwick::win32
