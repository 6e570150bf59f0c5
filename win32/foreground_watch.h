#pragma once
#include <functional>

namespace tarnwick::win32 {

// Tells of every change of the foreground window through an out-of-context WinEvent, which
// the system delivers through this thread's message loop. Wine installs the hook and never
// calls it, so there it refuses: whoever needs to know must look for itself.
class ForegroundWatch {
 public:
  ForegroundWatch() = default;
  ForegroundWatch(const ForegroundWatch&) = delete;
  ForegroundWatch& operator=(const ForegroundWatch&) = delete;
  ~ForegroundWatch() { Watch({}); }

  // An empty function stops the watch; false when changes would never be reported.
  bool Watch(std::function<void()> onChange);
};

}  // namespace tarnwick::win32
