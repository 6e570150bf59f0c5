#pragma once
#include "seam/notification_state.h"

namespace tarnwick {

// The foreground window as the fullscreen rule weighs it.
struct FrontWindow {
  bool isProgram = false;         // there is one, and it is neither the desktop nor the shell
  bool coversItsMonitor = false;  // its client area covers the whole of its monitor
};

// Whether a program runs fullscreen in front: a game in exclusive mode by the shell's word,
// or a program whose window covers its monitor (a borderless game, a full-screen video, a
// slide show).
bool CountsAsFullscreen(NotificationState state, FrontWindow front);

}  // namespace tarnwick
