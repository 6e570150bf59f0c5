#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <thread>
#include <vector>

#include "hotkeys/hook_health.h"
#include "hotkeys/key_stream.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// A system-wide low-level keyboard hook on a thread of its own that does nothing but wait
// for messages, so the hook keeps answering in time even while the UI thread is busy.
// Each key press (not repeats, not releases) is posted to `target` as `message` with the
// key code in wParam and the modifier bits in lParam. Keys are never swallowed. Told the
// chords that mean something, it posts only those: other keys cost the target nothing.
//
// Windows removes a hook silently when one call takes too long, and may lose it across
// sleep and lock. The thread counts the key-downs the system saw through raw keyboard input,
// and a check now and then installs the hook again on evidence that it is gone (see
// HookGoneEvidence). Reinstall does it on request (on resume, on unlock, when the display
// comes back). Keys held while the hook is (re)installed count as held. One hook per process.
class KeyboardHook {
 public:
  // Once a minute: the check wakes the hook's thread, and a program that sleeps at rest
  // must not be woken every second for it. Resume, unlock and a new session ask at once.
  explicit KeyboardHook(int healthCheckMs = 60000) : healthCheckMs_(healthCheckMs) {}
  KeyboardHook(const KeyboardHook&) = delete;
  KeyboardHook& operator=(const KeyboardHook&) = delete;
  ~KeyboardHook() { Stop(); }

  // False when the system refused the hook; the program then simply gets no hotkeys. Cursor
  // moves, while watched, are posted to `target` as `cursorMessage`.
  bool Start(HWND target, UINT message, UINT cursorMessage = 0);
  void Stop();
  // From now on posts only these presses; until first told, every press. Any thread.
  void ReportOnly(std::vector<Chord> chords);
  // Installs the hook afresh, unless another request did a moment ago; the hook's thread
  // does it, soon after this returns.
  void Reinstall(HookReinstallReason reason);
  // Removes the hook as Windows does after a timeout, telling no one: for tests of the
  // recovery, since Wine never drops a hook.
  void DropSilently();
  // Takes the system's location-change event on the hook's thread, or lets it go, and posts
  // only the cursor's own moves; false when the system refused. Waits for the hook's thread.
  bool WatchCursor(bool watch);
  // The system's WinEvent callback, public for tests that play the system's part (Wine sends
  // no location changes).
  static void CALLBACK OnLocationChange(HWINEVENTHOOK hook, DWORD event, HWND window, LONG objectId,
                                        LONG childId, DWORD thread, DWORD timeMs);
  // How often the hook was installed since Start: 1, plus one for each re-install.
  int Installs() const { return installs_.load(); }
  HookReinstalls Reinstalls() const;

 private:
  // The hook's thread: installs the hook, then waits for messages until told to stop.
  void Run(HANDLE ready);
  // Installs a fresh hook and removes the old one; keeps the old one if the system refuses.
  void Install(std::optional<HookReinstallReason> reason);
  void Remove();
  // Serves every message waiting; false once told to stop.
  bool ServeMessages();
  // A request, or the health check's timer; false for any other message.
  bool OnThreadMessage(const MSG& message);
  void CheckHealth();
  void WatchCursorHere(bool watch);
  // Raw keyboard input for a message-only window of the hook's thread, so that counting
  // keys never wakes the UI thread; nullptr where the system refused it.
  static HWND ListenToRawKeys();

  const int healthCheckMs_;
  std::thread thread_;
  DWORD threadId_ = 0;
  bool installed_ = false;
  std::atomic<int> installs_{0};
  HANDLE watchAnswered_ = nullptr;
  std::atomic<bool> cursorWatched_{false};
  std::array<std::atomic<int>, kHookReinstallReasonCount> reinstalls_{};
  // The hook's thread only.
  HHOOK hook_ = nullptr;
  HWND rawKeys_ = nullptr;
  UINT_PTR healthTimer_ = 0;
  HWINEVENTHOOK locationHook_ = nullptr;
  std::optional<DWORD> requestInstalledMs_;
  std::uint32_t systemKeyDowns_ = 0;  // since the last check
};

}  // namespace tarnwick::win32
