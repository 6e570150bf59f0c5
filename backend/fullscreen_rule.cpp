#include "backend/fullscreen_rule.h"

namespace tarnwick {

bool CountsAsFullscreen(NotificationState state, FrontWindow front) {
  if (state == NotificationState::kDirect3DFullScreen) return true;
  // "Busy" and "presentation" alone prove nothing: a graphics driver's overlay can hold
  // "busy" for good, some desktops report it with nothing in front, and "presentation" is
  // the user's switch to keep notifications away (Windows Mobility Center, a meeting), kept
  // on over ordinary windows; then nothing would ever be activated. Either counts only with a
  // program covering its monitor, which counts by itself.
  return front.isProgram && front.coversItsMonitor;
}

}  // namespace tarnwick
