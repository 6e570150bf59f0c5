#include "sim/sim_desktop.h"

namespace tarnwick::sim {

std::string SimDesktop::WindowsVersion() {
  return facts.windowsVersion;
}

bool SimDesktop::RunsElevated() {
  return facts.runsElevated;
}

NotificationState SimDesktop::Notifications() {
  return facts.notifications;
}

HookFacts SimDesktop::KeyboardHook() {
  return facts.hook;
}

WallTime SimDesktop::LocalTime() {
  // The virtual day starts at 09:00.
  const std::int64_t ms = NowMs() + std::int64_t{9} * 3600 * 1000;
  return WallTime{static_cast<int>(ms / 3600000 % 24), static_cast<int>(ms / 60000 % 60),
                  static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

bool SimDesktop::ElevatedInTheWay(WindowHandle target) {
  return facts.elevatedWindows.count(target) != 0 || facts.elevatedWindows.count(foreground_) != 0;
}

bool SimDesktop::PutOnClipboard(const std::string& text) {
  if (facts.refuseClipboard) return false;
  facts.clipboard = text;
  return true;
}

}  // namespace tarnwick::sim
