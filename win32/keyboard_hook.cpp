#include "win32/keyboard_hook.h"

#include <algorithm>
#include <mutex>
#include <optional>
#include <utility>

#include "hotkeys/key_stream.h"
#include "win32/cursor_watch.h"
#include "win32/keyboard_layout.h"
#include "win32/live_objects.h"
#include "win32/system_foreground.h"
#include "win32/system_key_activity.h"

namespace tarnwick::win32 {
namespace {

// Requests to the hook's thread, which has no window: thread messages.
constexpr UINT kReinstallRequest = WM_APP + 1;
constexpr UINT kDropRequest = WM_APP + 2;
constexpr UINT kWatchCursorRequest = WM_APP + 3;  // wParam: watch or not

// The hook procedure has no context argument; these are only touched on the hook thread
// (the chord) or written before the hook is installed (target and message).
std::atomic<HWND> gTarget{nullptr};
std::atomic<UINT> gMessage{0};
std::atomic<UINT> gCursorMessage{0};
std::atomic<DWORD> gLastEventTick{0};
KeyStream gChord;
std::uint32_t gHookKeyEvents = 0;  // since the last check; hook thread only

// The chords worth posting, set by the UI thread and read by the hook on its own.
class ReportedChords {
 public:
  void Set(std::optional<std::vector<Chord>> chords) {
    const std::lock_guard lock(mutex_);
    chords_ = std::move(chords);
  }
  bool Wanted(const Chord& press) {
    const std::lock_guard lock(mutex_);
    return !chords_ || std::find(chords_->begin(), chords_->end(), press) != chords_->end();
  }

 private:
  std::mutex mutex_;
  std::optional<std::vector<Chord>> chords_;
};
ReportedChords gReported;

// Raw keyboard input never wakes the hook's thread on its own: it is read whenever something
// else wakes the thread (the hook's call for the same key, a request, the check, a WinEvent).
// Woken by a key's raw input just before the system calls the hook for that key, the thread
// would be busy at that moment, and Wine skips the hook of a busy thread that has not read
// its messages for five seconds: the first key after every quiet spell would go unheard.
constexpr DWORD kWakeFor = QS_ALLINPUT & ~QS_RAWINPUT;

constexpr USHORT kGenericDesktopPage = 1;
constexpr USHORT kKeyboardUsage = 6;
constexpr wchar_t kRawKeysClass[] = L"TarnwickRawKeys";

bool SystemSaysDown(int virtualKey) {
  return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

LRESULT CALLBACK LowLevelKeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    gLastEventTick = GetTickCount();
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (key->dwExtraInfo != kOwnInputTag) SystemKeyActivity::KeyEvent();
    const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
    // The system's key state shows every key before the one reported now, so it tells
    // which keys were released where the hook could not see it.
    ++gHookKeyEvents;
    if (down) gChord.ForgetReleased(SystemSaysDown);
    const KeyEventDetails details{static_cast<int>(key->scanCode), key->time};
    if (auto press = gChord.OnKey(static_cast<int>(key->vkCode), down, details);
        press && gReported.Wanted(*press)) {
      PostMessageW(gTarget.load(), gMessage.load(), static_cast<WPARAM>(press->keyCode),
                   static_cast<LPARAM>(press->modifiers));
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool ElevatedInFront() {
  SystemForeground system;
  const WindowHandle front = system.Foreground();
  return front != kNoWindow && system.IsElevated(front);
}

bool IsRawKeyDown(HRAWINPUT input) {
  RAWINPUT data{};
  UINT size = sizeof(data);
  if (GetRawInputData(input, RID_INPUT, &data, &size, sizeof(RAWINPUTHEADER)) ==
          static_cast<UINT>(-1) ||
      data.header.dwType != RIM_TYPEKEYBOARD) {
    return false;
  }
  const RAWKEYBOARD& key = data.data.keyboard;
  return IsKeyDown({key.VKey, key.MakeCode, (key.Flags & RI_KEY_BREAK) != 0});
}

}  // namespace

void KeyboardHook::ReportOnly(std::vector<Chord> chords) {
  gReported.Set(std::move(chords));
}

HWND KeyboardHook::ListenToRawKeys() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = DefWindowProcW;  // it frees each raw input after it is read
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kRawKeysClass;
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return nullptr;
  }
  HWND sink = CreateWindowExW(0, kRawKeysClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              windowClass.hInstance, nullptr);
  if (sink == nullptr) return nullptr;
  RAWINPUTDEVICE keyboard{kGenericDesktopPage, kKeyboardUsage, RIDEV_INPUTSINK, sink};
  if (!RegisterRawInputDevices(&keyboard, 1, sizeof(keyboard))) {
    DestroyWindow(sink);
    return nullptr;
  }
  return sink;
}

bool KeyboardHook::Start(HWND target, UINT message, UINT cursorMessage) {
  if (thread_.joinable()) return installed_;
  gTarget = target;
  gMessage = message;
  gCursorMessage = cursorMessage;
  gChord = KeyStream{FocusLayoutHasAltGr};
  gReported.Set(std::nullopt);
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (ready == nullptr) return false;
  thread_ = std::thread([this, ready] { Run(ready); });
  WaitForSingleObject(ready, INFINITE);
  CloseHandle(ready);
  return installed_;
}

HookReinstalls KeyboardHook::Reinstalls() const {
  HookReinstalls counts{};
  for (int index = 0; index < kHookReinstallReasonCount; ++index) {
    counts[index] = reinstalls_[index].load();
  }
  return counts;
}

void KeyboardHook::Install(std::optional<HookReinstallReason> reason) {
  // The new one first, so no key falls between the two.
  HHOOK fresh =
      SetWindowsHookExW(WH_KEYBOARD_LL, LowLevelKeyboardProc, GetModuleHandleW(nullptr), 0);
  if (fresh == nullptr) return;
  CountCreated(ObjectKind::kHook);
  Remove();  // fails for one the system removed; gone either way
  hook_ = fresh;
  // No hook call runs on this thread before it next waits for messages, so the keys held
  // now are learnt before any event of the new hook.
  gChord.ForgetReleased(SystemSaysDown);
  gChord.LearnHeld(SystemSaysDown);
  gLastEventTick = GetTickCount();
  ++installs_;
  if (reason) ++reinstalls_[static_cast<int>(*reason)];
}

void KeyboardHook::Remove() {
  if (hook_ == nullptr) return;
  UnhookWindowsHookEx(hook_);
  CountDestroyed(ObjectKind::kHook);
  hook_ = nullptr;
}

void KeyboardHook::Run(HANDLE ready) {
  threadId_ = GetCurrentThreadId();
  Install(std::nullopt);
  installed_ = hook_ != nullptr;
  // Make sure this thread has a message queue before anyone posts to it.
  MSG message{};
  PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
  SetEvent(ready);
  if (hook_ == nullptr) return;
  healthTimer_ = SetTimer(nullptr, 0, static_cast<UINT>(healthCheckMs_), nullptr);
  rawKeys_ = ListenToRawKeys();
  while (ServeMessages()) {
    // cppcheck-suppress nullPointer ; no handles: wait for messages only
    MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, kWakeFor, 0);
  }
  KillTimer(nullptr, healthTimer_);
  WatchCursorHere(false);
  if (rawKeys_ != nullptr) {
    RAWINPUTDEVICE keyboard{kGenericDesktopPage, kKeyboardUsage, RIDEV_REMOVE, nullptr};
    RegisterRawInputDevices(&keyboard, 1, sizeof(keyboard));
    DestroyWindow(rawKeys_);
  }
  Remove();
}

bool KeyboardHook::ServeMessages() {
  MSG message{};
  // Sent messages (the hook's calls) are served inside PeekMessage, before anything posted.
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) return false;
    if (message.hwnd == nullptr && OnThreadMessage(message)) continue;
    if (message.message == WM_INPUT && message.hwnd == rawKeys_ && rawKeys_ != nullptr &&
        IsRawKeyDown(reinterpret_cast<HRAWINPUT>(message.lParam))) {
      ++systemKeyDowns_;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);  // frees the raw input
  }
  return true;
}

bool KeyboardHook::OnThreadMessage(const MSG& message) {
  if (message.message == WM_TIMER && message.wParam == healthTimer_) {
    CheckHealth();
    return true;
  }
  if (message.message == kReinstallRequest) {
    const DWORD now = GetTickCount();
    if (!requestInstalledMs_ || !InstalledJustNow(*requestInstalledMs_, now)) {
      Install(static_cast<HookReinstallReason>(message.wParam));
      requestInstalledMs_ = now;
    }
    return true;
  }
  if (message.message == kDropRequest) {
    Remove();
    return true;
  }
  if (message.message == kWatchCursorRequest) {
    WatchCursorHere(message.wParam != 0);
    SetEvent(watchAnswered_);
    return true;
  }
  return false;
}

void KeyboardHook::WatchCursorHere(bool watch) {
  if (watch && locationHook_ == nullptr) {
    locationHook_ = SetWinEventHook(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE,
                                    nullptr, OnLocationChange, 0, 0, WINEVENT_OUTOFCONTEXT);
  } else if (!watch && locationHook_ != nullptr) {
    UnhookWinEvent(locationHook_);
    locationHook_ = nullptr;
  }
  cursorWatched_ = locationHook_ != nullptr;
}

void CALLBACK KeyboardHook::OnLocationChange(HWINEVENTHOOK, DWORD event, HWND window, LONG objectId,
                                             LONG childId, DWORD, DWORD) {
  // Carets and windows move all the time; only the cursor's own moves wake the main thread.
  if (!CursorWatch::IsCursorMove(event, window, objectId, childId)) return;
  if (gCursorMessage.load() != 0) PostMessageW(gTarget.load(), gCursorMessage.load(), 0, 0);
}

bool KeyboardHook::WatchCursor(bool watch) {
  if (!installed_ || gCursorMessage.load() == 0) return false;
  if (watchAnswered_ == nullptr) watchAnswered_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  if (watchAnswered_ == nullptr ||
      !PostThreadMessageW(threadId_, kWatchCursorRequest, watch ? 1 : 0, 0)) {
    return false;
  }
  // The hook's thread does nothing but wait for messages: it answers at once.
  constexpr DWORD kAnswerMs = 2000;
  return WaitForSingleObject(watchAnswered_, kAnswerMs) == WAIT_OBJECT_0 &&
         cursorWatched_.load() == watch;
}

void KeyboardHook::CheckHealth() {
  HookObservation seen;
  seen.nowMs = GetTickCount();
  LASTINPUTINFO input{};
  input.cbSize = sizeof(input);
  seen.lastInputMs = GetLastInputInfo(&input) ? input.dwTime : seen.nowMs;
  seen.lastHookEventMs = gLastEventTick.load();
  seen.missedKeyDown = gChord.MissedAKeyDown(SystemSaysDown);
  // Raw input waiting now is counted before this timer message came: timers come last.
  seen.systemKeyDowns = std::exchange(systemKeyDowns_, 0);
  seen.hookKeyEvents = std::exchange(gHookKeyEvents, 0);
  if (const auto reason = HookGoneEvidence(seen, ElevatedInFront)) Install(reason);
}

void KeyboardHook::Reinstall(HookReinstallReason reason) {
  if (installed_) {
    PostThreadMessageW(threadId_, kReinstallRequest, static_cast<WPARAM>(reason), 0);
  }
}

void KeyboardHook::DropSilently() {
  if (installed_) PostThreadMessageW(threadId_, kDropRequest, 0, 0);
}

void KeyboardHook::Stop() {
  if (!thread_.joinable()) return;
  if (installed_) PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  thread_.join();
  installed_ = false;
  if (watchAnswered_ != nullptr) CloseHandle(watchAnswered_);
  watchAnswered_ = nullptr;
}

}  // namespace tarnwick::win32
