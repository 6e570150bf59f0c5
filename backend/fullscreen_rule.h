#pragma once

namespace tarnwick {

// What the shell says of the user's state, in the shell's own numbering (0: it could not say).
enum class NotificationState {
  kUnknown = 0,
  kNotPresent = 1,  // a screen saver, a locked machine, a full-screen application
  kBusy = 2,
  kDirect3DFullScreen = 3,
  kPresentationMode = 4,
  kAcceptsNotifications = 5,
  kQuietTime = 6,  // a new user's first hour: notices are dropped, never queued
  kStoreApp = 7,
};

// The foreground window as the fullscreen rule weighs it.
struct FrontWindow {
  bool isProgram = false;         // there is one, and it is neither the desktop nor the shell
  bool coversItsMonitor = false;  // its client area covers the whole of its monitor
};

// Whether a program runs fullscreen in front: a game in exclusive mode or a presentation by
// the shell's word, or a program whose window covers its monitor (a borderless game, a
// full-screen video).
bool CountsAsFullscreen(NotificationState state, FrontWindow front);

}  // namespace tarnwick
