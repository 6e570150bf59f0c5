#pragma once
#include <optional>

#include "app/tray_events.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// What the shell reports of the tray icon, read into what it means to the program.
struct TrayRequest {
  std::optional<TrayEvent> event;  // nothing: no request of the user's
  bool fromKeyboard = false;       // the focus goes back to the icon when its menu closes
  bool noticeShown = false;        // the shell showed the icon's notice balloon
};

// The notifications of the tray icon. An icon that asked for the shell's fourth way of
// reporting names itself beside the message, and the keyboard works it too: Enter or Space
// chooses it, the menu key or Shift+F10 asks for its menu; a click reports the button
// messages and then the choice or the menu request, and each click counts once. A shell
// that knows only the classic way reports the mouse message alone.
class TrayNotifications {
 public:
  TrayRequest OnNotification(UINT message, bool fourthWay);

 private:
  bool leftClickShown_ = false;  // the left button went down: its choice is shown already
  bool rightButtonUp_ = false;   // the menu request that follows comes from the mouse
};

}  // namespace tarnwick::win32
