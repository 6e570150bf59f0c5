#include "backend/fullscreen_rule.h"

namespace tarnwick {

bool CountsAsFullscreen(NotificationState state, FrontWindow front) {
  if (state == NotificationState::kDirect3DFullScreen ||
      state == NotificationState::kPresentationMode) {
    return true;
  }
  // "Busy" alone proves nothing: a graphics driver's overlay can hold it for good, and some
  // desktops report it with nothing in front, and then nothing would ever be activated. It
  // counts only with a program covering its monitor, which counts by itself.
  return front.isProgram && front.coversItsMonitor;
}

}  // namespace tarnwick
