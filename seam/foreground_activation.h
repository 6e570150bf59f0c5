#pragma once
#include <cstdint>

#include "seam/window_handle.h"

namespace tarnwick {

using ThreadId = std::uint32_t;

// The handful of window-manager calls that bringing a window forward needs. Windows
// implements them for real; tests use a stub that refuses the way Windows 10/11 does.
class ForegroundPrimitives {
 public:
  virtual ~ForegroundPrimitives() = default;
  // Asks for the foreground; false when the system refused (the foreground lock). The
  // switch itself completes later, when the window's thread handles it.
  virtual bool SetForeground(WindowHandle window) = 0;
  virtual WindowHandle Foreground() = 0;
  // A window whose thread stopped answering: attaching input to it could hang us.
  virtual bool IsHung(WindowHandle window) = 0;
  // The thread that owns a window; 0 when the window is gone.
  virtual ThreadId WindowThread(WindowHandle window) = 0;
  virtual ThreadId CurrentThread() = 0;
  virtual bool AttachInput(ThreadId from, ThreadId to, bool attach) = 0;
  // One mouse event that moves nothing: it makes this process the last to receive input.
  // Windows counts it as user activity, as it counts the user's own input.
  virtual void SendEmptyMouseInput() = 0;
  // When the system last saw input, injected or real; it only ever moves on.
  virtual std::uint32_t LastInputTime() = 0;
  // Raises a window without waiting for its thread.
  virtual void BringToTop(WindowHandle window) = 0;
};

// Brings windows to the foreground: the plain call first, then, when the foreground lock
// refused it, an empty input event and, last, joined input queues.
//
// The fallback pretends to be the user, and Windows believes it: every injected event
// keeps the screen saver, display sleep and the inactivity lock away. So it runs at most
// once for a window until the user's own input comes in; a pinned window that keeps being
// refused is then asked for with the plain call only.
class ForegroundActivator {
 public:
  explicit ForegroundActivator(ForegroundPrimitives& system) : system_(system) {}
  // Whether `target` ended up in the foreground.
  bool Activate(WindowHandle target);

 private:
  ForegroundPrimitives& system_;
  WindowHandle fallbackTarget_ = kNoWindow;
  std::uint32_t fallbackInputTime_ = 0;  // the input time right after that fallback's event
};

}  // namespace tarnwick
