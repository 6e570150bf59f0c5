#pragma once

namespace tarnwick {

// What the user asks of the program through its notification-area icon.
enum class TrayEvent {
  kIconPressed,    // the left button went down on the icon, or the icon was chosen
  kMenuRequested,  // the right button was released on it, or its context menu was asked for
};

}  // namespace tarnwick
