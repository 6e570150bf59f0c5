#pragma once
#include <functional>

namespace tarnwick::win32 {

// Tells of every change of the foreground window through out-of-context WinEvents, which
// the system delivers through this thread's message loop: the foreground event, and the end
// of a minimised state, since a window restored from its taskbar button does not always
// raise the first. Wine installs the hooks and never calls them, so there it refuses:
// whoever needs to know must look for itself.
class ForegroundWatch {
 public:
  // `systemReports`: whether the system calls the hooks it accepts (Windows does, Wine not).
  explicit ForegroundWatch(bool systemReports = ReportedHere()) : systemReports_(systemReports) {}
  ForegroundWatch(const ForegroundWatch&) = delete;
  ForegroundWatch& operator=(const ForegroundWatch&) = delete;
  ~ForegroundWatch() { Watch({}); }

  // An empty function stops the watch; false when changes would never be reported.
  bool Watch(std::function<void()> onChange);

  static bool ReportedHere();

 private:
  bool systemReports_;
};

}  // namespace tarnwick::win32
