#include "cursor/desktop_layout.h"

namespace tarnwick {

const DesktopShape& DesktopLayout::Current() {
  const int monitorCount = screen_.MonitorCount();
  if (!shape_ || stale_ || monitorCount != monitorCount_) {
    shape_ = DesktopShape::Of(screen_);
    monitorCount_ = monitorCount;
    stale_ = false;
  } else if (shape_->monitors.size() > 1) {
    // The user's switch is asked at every look, as before: the Settings page may change it
    // without a message (the system keeps the question cheap).
    shape_->easesCrossings = screen_.EasesCursorBetweenDisplays();
  }
  return *shape_;
}

}  // namespace tarnwick
