#pragma once
#include <string>

#include "seam/notification_state.h"
#include "seam/window_handle.h"

namespace tarnwick {

// A moment on the user's own clock, as a bug report names it.
struct WallTime {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// The keyboard hook as the hotkeys depend on it.
struct HookFacts {
  bool installed = false;
  int reinstalls = 0;            // installs after the first, each one for a hook the system dropped
  std::string reinstallReasons;  // why, in plain words; empty for none
};

// Windows' own "activate a window by hovering over it", as the user set it in Windows.
struct SystemHoverActivation {
  bool on = false;
  bool raises = false;  // it also brings the window it activates to the front
};

// What a bug report asks of the system, and the clipboard it goes to. Asked only when the
// user asks for the report, when an activation was refused, or when the tray tip is made.
class SystemFacts {
 public:
  virtual ~SystemFacts() = default;
  // "10.0.22631.3007": major, minor, build and, where known, the update revision.
  virtual std::string WindowsVersion() = 0;
  // This program runs with an administrator's rights.
  virtual bool RunsElevated() = 0;
  virtual NotificationState Notifications() = 0;
  virtual HookFacts KeyboardHook() = 0;
  virtual WallTime LocalTime() = 0;
  // `target`, or the window in front, belongs to a program with more rights than ours: the
  // system drops what we would do to bring `target` forward.
  virtual bool ElevatedInTheWay(WindowHandle target) = 0;
  // False when the clipboard could not be had (another program holds it open, say).
  virtual bool PutOnClipboard(const std::string& text) = 0;
  // Off where the system cannot say.
  virtual SystemHoverActivation HoverActivation() = 0;
  // Switches Windows' own hover activation off for this user and tells every program; only
  // ever at the user's request. False when the system refused.
  virtual bool SwitchOffHoverActivation() = 0;
};

}  // namespace tarnwick
