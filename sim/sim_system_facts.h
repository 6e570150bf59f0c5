#pragma once
#include <optional>
#include <set>
#include <string>

#include "seam/system_facts.h"
#include "sim/sim_desktop.h"

namespace tarnwick::sim {

// The system facts a bug report reads, as a test sets them, and the clipboard. The clock
// and the window in front come from the simulated desktop it is given.
class SimFacts : public SystemFacts {
 public:
  explicit SimFacts(const SimDesktop& world) : world_(&world) {}

  std::string windowsVersion = "10.0.22631.3007";
  bool runsElevated = false;
  NotificationState notifications = NotificationState::kAcceptsNotifications;
  HookFacts hook{true, 0, {}};
  std::set<WindowHandle> elevatedWindows;  // the programs run as administrator's
  std::optional<std::string> clipboard;    // nothing until something is put there
  bool refuseClipboard = false;
  SystemHoverActivation hoverActivation;  // as Windows answers: both on when the user set it
  int hoverActivationSwitchOffs = 0;      // each one told every program

  SystemHoverActivation HoverActivation() override { return hoverActivation; }
  bool SwitchOffHoverActivation() override {
    ++hoverActivationSwitchOffs;
    hoverActivation.on = false;
    return true;
  }

  std::string WindowsVersion() override { return windowsVersion; }
  bool RunsElevated() override { return runsElevated; }
  NotificationState Notifications() override { return notifications; }
  HookFacts KeyboardHook() override { return hook; }
  WallTime LocalTime() override;
  bool ElevatedInTheWay(WindowHandle target) override;
  bool PutOnClipboard(const std::string& text) override;

 private:
  const SimDesktop* world_;
};

}  // namespace tarnwick::sim
