#pragma once
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// Asks for WM_WTSSESSION_CHANGE (lock, unlock, switching users) at a window. wtsapi32 is
// loaded when needed, not imported: the program keeps to the DLLs it has always named, and
// still runs where the library is missing (it then simply hears nothing).
class SessionNotifications {
 public:
  SessionNotifications() = default;
  SessionNotifications(const SessionNotifications&) = delete;
  SessionNotifications& operator=(const SessionNotifications&) = delete;
  ~SessionNotifications() { Stop(); }

  // False when the system would not register the window.
  bool Start(HWND window);
  // Before the window is destroyed.
  void Stop();

 private:
  HMODULE library_ = nullptr;
  HWND window_ = nullptr;
};

}  // namespace tarnwick::win32
