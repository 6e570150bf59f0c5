#pragma once
#include <optional>

namespace tarnwick {

// What the user asks of the program through its notification-area icon.
enum class TrayEvent {
  kIconPressed,    // the left button went down on the icon
  kMenuRequested,  // the right button was released on it, or its context menu was asked for
};

// The event a mouse message reported for the tray icon means; nothing for the messages
// that mean nothing to the program (moves, releases, double clicks).
std::optional<TrayEvent> TrayEventFor(int mouseMessage);

}  // namespace tarnwick
