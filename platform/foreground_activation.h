#pragma once
#include <cstdint>

#include "platform/window_handle.h"

namespace tarnwick {

using ThreadId = std::uint32_t;

// The handful of window-manager calls that bringing a window forward needs. Windows
// implements them for real; tests use a stub that refuses the way Windows 10/11 does.
class ForegroundPrimitives {
 public:
  virtual ~ForegroundPrimitives() = default;
  virtual void SetForeground(WindowHandle window) = 0;
  virtual WindowHandle Foreground() = 0;
  // A window whose thread stopped answering: attaching input to it could hang us.
  virtual bool IsHung(WindowHandle window) = 0;
  // The thread that owns a window; 0 when the window is gone.
  virtual ThreadId WindowThread(WindowHandle window) = 0;
  virtual ThreadId CurrentThread() = 0;
  virtual bool AttachInput(ThreadId from, ThreadId to, bool attach) = 0;
  // One mouse event that moves nothing: it makes this process the last to receive input.
  virtual void SendEmptyMouseInput() = 0;
  virtual void BringToTop(WindowHandle window) = 0;
};

// Brings `target` to the foreground: the plain call first, then, when the foreground
// lock refused it, an empty input event and, last, joined input queues. Returns whether
// `target` ended up in the foreground.
bool ActivateWindow(ForegroundPrimitives& system, WindowHandle target);

}  // namespace tarnwick
