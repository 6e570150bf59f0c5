#pragma once
#include "backend/foreground_activation.h"

namespace tarnwick {

enum class ZPlace { kTopmost, kNotTopmost, kBottom };  // where a window goes in the Z order

// The one window-manager call the Z-order commands need. Windows implements it for real;
// tests use a stub that hangs the way Windows does on a window whose program stopped.
class ZOrderPrimitives {
 public:
  virtual ~ZOrderPrimitives() = default;
  // Moves a window in the Z order. With `waitForOwner` the call returns only once the
  // window's thread has handled it, which for a hung program is never; without, the move
  // is queued to that thread. `activate` lets the move activate the window too.
  virtual void Place(WindowHandle window, ZPlace place, bool activate, bool waitForOwner) = 0;
  // The thread that owns a window; 0 when the window is gone.
  virtual ThreadId WindowThread(WindowHandle window) = 0;
  virtual ThreadId CurrentThread() = 0;
};

// Places a window above all non-topmost windows.
void KeepWindowOnTop(ZOrderPrimitives& system, WindowHandle window);
// Clears the topmost state and sends a window to the bottom of the Z order.
void SendWindowToBottom(ZOrderPrimitives& system, WindowHandle window);

}  // namespace tarnwick
