#pragma once
#include <optional>

namespace tarnwick {

// What the user asks of the program through its notification-area icon.
enum class TrayEvent {
  kIconPressed,    // the left button went down on the icon, or the icon was chosen
  kMenuRequested,  // the right button was released on it, or its context menu was asked for
};

// The event a mouse message reported for the tray icon means, from a shell that reports in
// the classic way; nothing for the messages that mean nothing to the program (moves,
// releases, double clicks).
std::optional<TrayEvent> TrayEventFor(int mouseMessage);

// The notifications of an icon that asked for the shell's fourth way of reporting, in which
// the keyboard works the icon too: Enter or Space chooses it, the menu key or Shift+F10 asks
// for its menu. A click reports the button messages and then the choice or the menu request;
// each click counts once.
class TrayNotifications {
 public:
  struct Request {
    TrayEvent event;
    bool fromKeyboard = false;  // the focus goes back to the icon when its menu closes
  };
  std::optional<Request> OnNotification(int message);

 private:
  bool leftClickShown_ = false;  // the left button went down: its choice is shown already
  bool rightButtonUp_ = false;   // the menu request that follows comes from the mouse
};

}  // namespace tarnwick
