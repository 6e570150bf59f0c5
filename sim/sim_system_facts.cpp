#include "sim/sim_system_facts.h"

namespace tarnwick::sim {

WallTime SimFacts::LocalTime() {
  // The virtual day starts at 09:00.
  const std::int64_t ms = world_->NowMs() + std::int64_t{9} * 3600 * 1000;
  return WallTime{static_cast<int>(ms / 3600000 % 24), static_cast<int>(ms / 60000 % 60),
                  static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

bool SimFacts::ElevatedInTheWay(WindowHandle target) {
  return elevatedWindows.count(target) != 0 || elevatedWindows.count(world_->Foreground()) != 0;
}

bool SimFacts::PutOnClipboard(const std::string& text) {
  if (refuseClipboard) return false;
  clipboard = text;
  return true;
}

}  // namespace tarnwick::sim
