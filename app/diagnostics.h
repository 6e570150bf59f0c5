#pragma once
#include <string>
#include <vector>

#include "app/settings.h"
#include "focus/focus_log.h"
#include "seam/screen.h"
#include "seam/system_facts.h"

namespace tarnwick {

// A focus decision as a bug report names its target: by program file and window class,
// never by title (titles can be private). Empty names: the window has gone since.
struct NamedDecision {
  WallTime time;
  std::string program;
  std::string windowClass;
  FocusOutcome outcome = FocusOutcome::kActivated;
};

// Everything "Copy diagnostics" reports, as it stands when the user asks.
struct DiagnosticsSnapshot {
  std::string programVersion;
  std::string windowsVersion;
  std::vector<MonitorInfo> monitors;
  bool elevated = false;
  bool enabled = true;
  bool pinned = false;
  int hoverDelayMs = 0;
  Settings settings;
  HookFacts hook;
  NotificationState notifications = NotificationState::kUnknown;
  SystemHoverActivation systemHover;
  std::vector<NamedDecision> decisions;  // oldest first
};

// The report as plain text for a bug report, one fact a line (Windows line ends, so that
// every editor shows the lines). Title exclusion rules are counted, not quoted.
std::string DiagnosticsReport(const DiagnosticsSnapshot& snapshot);

}  // namespace tarnwick
