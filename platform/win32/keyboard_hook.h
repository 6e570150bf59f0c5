#pragma once
#include <thread>

#include "platform/win32/win32_api.h"

namespace tarnwick::win32 {

// A system-wide low-level keyboard hook on a thread of its own that does nothing but wait
// for messages, so the hook keeps answering in time even while the UI thread is busy.
// Each key press (not repeats, not releases) is posted to `target` as `message` with the
// key code in wParam and the modifier bits in lParam. Keys are never swallowed.
// One hook per process.
class KeyboardHook {
 public:
  KeyboardHook() = default;
  KeyboardHook(const KeyboardHook&) = delete;
  KeyboardHook& operator=(const KeyboardHook&) = delete;
  ~KeyboardHook() { Stop(); }

  // False when the system refused the hook; the program then simply gets no hotkeys.
  bool Start(HWND target, UINT message);
  void Stop();

 private:
  void Run(HANDLE ready);

  std::thread thread_;
  DWORD threadId_ = 0;
  bool installed_ = false;
};

}  // namespace tarnwick::win32
