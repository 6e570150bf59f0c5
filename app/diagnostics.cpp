#include "app/diagnostics.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

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

// The settings reported on each line, each in the Options window's words and its value.
std::vector<std::pair<std::string, std::string>> SettingLines(const Settings& settings) {
  std::vector<std::pair<std::string, std::string>> lines;
  for (const Setting* setting : kAllSettings) {
    if (setting->reportLine == nullptr) continue;
    std::string item = setting->label;
    std::erase(item, '&');
    item += (item.empty() ? "" : " ") + setting->describe(settings);
    auto line = std::find_if(lines.begin(), lines.end(),
                             [&](const auto& named) { return named.first == setting->reportLine; });
    if (line == lines.end()) {
      lines.emplace_back(setting->reportLine, item);
    } else {
      line->second += "; " + item;
    }
  }
  return lines;
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
  line(std::string("Focus-follow: ") + (snapshot.enabled ? "on" : "off") + "; hover delay " +
       std::to_string(snapshot.hoverDelayMs) + " ms; pinned window: " + YesNo(snapshot.pinned));
  for (const auto& [name, items] : SettingLines(snapshot.settings))
    line(std::string(name).append(": ").append(items));
  line(std::string("Keyboard hook: ") +
       (snapshot.hook.installed
            ? "installed; re-installed " + std::to_string(snapshot.hook.reinstalls) + " time(s)" +
                  (snapshot.hook.reinstallReasons.empty() ? ""
                                                          : ": " + snapshot.hook.reinstallReasons)
            : "not installed"));
  line(std::string("Notification state: ") + NotificationText(snapshot.notifications));
  line(std::string("Windows' own hover activation: ") +
       (!snapshot.systemHover.on      ? "off"
        : snapshot.systemHover.raises ? "on, and it brings the window to the front"
                                      : "on"));
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
