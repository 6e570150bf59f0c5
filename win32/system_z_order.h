#pragma once
#include "backend/z_order.h"

namespace tarnwick::win32 {

// The real call behind the Z-order commands.
class SystemZOrder : public ZOrderPrimitives {
 public:
  void Place(WindowHandle window, ZPlace place, bool activate, bool waitForOwner) override;
  ThreadId WindowThread(WindowHandle window) override;
  ThreadId CurrentThread() override;
};

}  // namespace tarnwick::win32
