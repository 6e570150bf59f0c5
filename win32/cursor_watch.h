#pragma once
#include <functional>

#include "win32/win32_api.h"

namespace tarnwick::win32 {

// Tells of every move of the cursor, whoever made it (a hand, a pen, a program's
// SetCursorPos), as accessibility tools learn of it: an out-of-context WinEvent for the
// location of the cursor object, delivered through this thread's message loop. The system
// reports the location changes of every object through the same event; all but the
// cursor's are dropped at once. Wine installs the hook and never calls it, so there the
// watch says it is blind: whoever needs to know must look for itself.
class CursorWatch {
 public:
  CursorWatch() = default;
  CursorWatch(const CursorWatch&) = delete;
  CursorWatch& operator=(const CursorWatch&) = delete;
  ~CursorWatch() { Watch({}); }

  // An empty function stops the watch; false when moves would never be reported.
  bool Watch(std::function<void()> onMove);

  // Whether a WinEvent tells of the cursor's own move.
  static bool IsCursorMove(DWORD event, HWND window, LONG objectId, LONG childId);
};

}  // namespace tarnwick::win32
