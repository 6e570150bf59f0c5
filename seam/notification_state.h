#pragma once

namespace tarnwick {

// What the shell says of the user's state (its user-notification state), in the shell's own
// numbering (0: it could not say): whether a fullscreen program or a presentation keeps
// notifications away.
enum class NotificationState {
  kUnknown = 0,
  kNotPresent = 1,  // a screen saver, a locked machine, a full-screen application
  kBusy = 2,
  kDirect3DFullScreen = 3,
  kPresentationMode = 4,  // the user's presentation settings: says nothing of the screen
  kAcceptsNotifications = 5,
  kQuietTime = 6,  // a new user's first hour: notices are dropped, never queued
  kStoreApp = 7,
};

}  // namespace tarnwick
