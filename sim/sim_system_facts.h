#pragma once
#include <optional>
#include <set>
#include <string>

#include "seam/system_facts.h"

namespace tarnwick::sim {

// The system facts a bug report reads, as a test sets them, and the clipboard.
struct SimFacts {
  std::string windowsVersion = "10.0.22631.3007";
  bool runsElevated = false;
  NotificationState notifications = NotificationState::kAcceptsNotifications;
  HookFacts hook{true, 0};
  std::set<WindowHandle> elevatedWindows;  // the programs run as administrator's
  std::optional<std::string> clipboard;    // nothing until something is put there
  bool refuseClipboard = false;
};

}  // namespace tarnwick::sim
