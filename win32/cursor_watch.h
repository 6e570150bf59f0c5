#pragma once
#include <functional>

#include "win32/win32_api.h"

namespace tarnwick::win32 {

// Tells of every move of the cursor, whoever made it (a hand, a pen, a program's
// SetCursorPos), as accessibility tools learn of it: an out-of-context WinEvent for the
// location of the cursor object. The system reports the location changes of every object
// through that event, the caret's at each key and every moving window's, so the event is
// taken on a thread that is awake for keys anyway (the keyboard hook's), and only the
// cursor's own moves reach this thread, through Moved. Wine installs the hook and never calls
// it, so there the watch says it is blind: whoever needs to know must look for itself.
class CursorWatch {
 public:
  // Takes the event where it costs nothing (true) or lets it go (false); false when the
  // system refused the hook.
  using Host = std::function<bool(bool watch)>;

  CursorWatch() = default;
  CursorWatch(const CursorWatch&) = delete;
  CursorWatch& operator=(const CursorWatch&) = delete;
  ~CursorWatch() { Watch({}); }

  // Without a host the watch is blind.
  void HostOn(Host host) { host_ = std::move(host); }
  // An empty function stops the watch; false when moves would never be reported.
  bool Watch(std::function<void()> onMove);
  // The host saw the cursor move.
  void Moved();

  // Whether a WinEvent tells of the cursor's own move.
  static bool IsCursorMove(DWORD event, HWND window, LONG objectId, LONG childId);

 private:
  Host host_;
  std::function<void()> onMove_;
  bool hosted_ = false;
};

}  // namespace tarnwick::win32
