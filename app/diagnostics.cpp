#include "app/diagnostics.h"

#include <cstdio>

namespace tarnwick {
namespace {

constexpr const char* kLineEnd = "\r\n";

const char* YesNo(bool value) {
  return value ? "yes" : "no";
}

const char* NotificationText(NotificationState state) {
  switch (state) {
    case NotificationState::kUnknown:
      return "unknown";
    case NotificationState::kNotPresent:
      return "not present (locked, or a fast user switch)";
    case NotificationState::kBusy:
      return "busy (a fullscreen program)";
    case NotificationState::kDirect3DFullScreen:
      return "Direct3D fullscreen";
    case NotificationState::kPresentationMode:
      return "presentation mode";
    case NotificationState::kAcceptsNotifications:
      return "accepts notifications";
    case NotificationState::kQuietTime:
      return "quiet time";
    case NotificationState::kStoreApp:
      return "a Windows Store app fullscreen";
  }
  return "unknown";
}

std::string TimeText(const WallTime& time) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", time.hour, time.minute, time.second,
                time.millisecond);
  return text;
}

std::string MonitorLine(int number, const MonitorInfo& monitor) {
  return "Monitor " + std::to_string(number) + ": " + std::to_string(monitor.left) + "," +
         std::to_string(monitor.top) + " to " + std::to_string(monitor.right) + "," +
         std::to_string(monitor.bottom) + ", " + std::to_string(monitor.dpi) + " DPI" +
         (monitor.primary ? ", primary" : "");
}

std::string ExclusionsText(const std::vector<std::string>& rules) {
  std::string text;
  int titleRules = 0;
  for (const std::string& rule : rules) {
    if (rule.rfind("title:", 0) == 0) {
      ++titleRules;
      continue;
    }
    text += (text.empty() ? "" : "; ") + rule;
  }
  if (titleRules > 0) {
    text += (text.empty() ? "" : "; ") + std::to_string(titleRules) + " title rule(s), not shown";
  }
  return text.empty() ? "none" : text;
}

std::string HotkeysText(const Options& options) {
  std::string text;
  for (int index = 0; index < kHotkeyCommandCount; ++index) {
    const auto command = static_cast<HotkeyCommand>(index);
    text += (index == 0 ? "" : "; ") + std::string(CommandName(command)) + " " +
            ChordText(options.HotkeyFor(command));
  }
  return text;
}

}  // namespace

std::string DiagnosticsReport(const DiagnosticsSnapshot& snapshot) {
  std::string report;
  const auto line = [&report](const std::string& text) { report += text + kLineEnd; };
  line(snapshot.programVersion + " diagnostics");
  line("Windows: " + snapshot.windowsVersion);
  for (size_t index = 0; index < snapshot.monitors.size(); ++index) {
    line(MonitorLine(static_cast<int>(index + 1), snapshot.monitors[index]));
  }
  if (snapshot.monitors.empty()) line("Monitors: unknown");
  line(std::string("Runs elevated: ") + YesNo(snapshot.elevated));
  const Options& options = snapshot.options;
  line(std::string("Focus-follow: ") + (snapshot.enabled ? "on" : "off") + "; hover delay " +
       std::to_string(snapshot.hoverDelayMs) + " ms; pinned window: " + YesNo(snapshot.pinned));
  line(std::string("Options: pause key ") + PauseKeyName(options.pauseKey) +
       "; leave fullscreen programs alone " + YesNo(options.leaveFullscreenAlone) +
       "; follow only when the mouse moves " + YesNo(options.followOnlyWhenMoved) +
       "; wrap only when pushing " + YesNo(options.wrapOnlyOnPush) + "; bring to the front " +
       RaiseModeName(options.raiseMode) +
       (options.raiseMode == RaiseMode::kAfterDelay
            ? " " + std::to_string(options.raiseDelayMs) + " ms"
            : std::string()) +
       "; wait until the mouse stops " + YesNo(options.waitUntilStill));
  line("Hotkeys: " + HotkeysText(options));
  line("Exclusions: " + ExclusionsText(options.exclusions));
  line(std::string("Keyboard hook: ") +
       (snapshot.hook.installed
            ? "installed; re-installed " + std::to_string(snapshot.hook.reinstalls) + " time(s)"
            : "not installed"));
  line(std::string("Notification state: ") + NotificationText(snapshot.notifications));
  line("Last focus decisions, oldest first (time, program, window class, outcome):");
  if (snapshot.decisions.empty()) line("none yet");
  for (const NamedDecision& decision : snapshot.decisions) {
    const bool gone = decision.program.empty() && decision.windowClass.empty();
    line(TimeText(decision.time) + "  " +
         (gone ? "(window closed since)"
               : (decision.program.empty() ? "?" : decision.program) + "  " +
                     (decision.windowClass.empty() ? "?" : decision.windowClass)) +
         "  " + OutcomeText(decision.outcome));
  }
  return report;
}

}  // namespace tarnwick
