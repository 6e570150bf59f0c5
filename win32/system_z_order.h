#pragma once
#include "backend/z_order.h"

namespace tarnwick::win32 {

// The real call behind the Z-order commands.
class SystemZOrder : public ZOrderPrimitives {
 public:
  void Place(WindowHandle window, ZPlace place, bool activate, bool waitForOwner) override;
  ThreadId WindowThread(WindowHandle window) override;
  ThreadId CurrentThread() override;
  // The window-manager questions of the same name (see seam/window_manager.h).
  WindowHandle WindowAbove(WindowHandle window);
  bool StandsAbove(WindowHandle window, WindowHandle other);
  void PlaceBelow(WindowHandle window, WindowHandle above);
};

}  // namespace tarnwick::win32
