#include "backend/z_order.h"

namespace tarnwick {
namespace {

// Only our own windows are moved synchronously; another program's move is queued to its
// thread, so a program that stopped answering cannot freeze ours.
bool OwnWindow(ZOrderPrimitives& system, WindowHandle window) {
  return system.WindowThread(window) == system.CurrentThread();
}

}  // namespace

void KeepWindowOnTop(ZOrderPrimitives& system, WindowHandle window) {
  system.Place(window, ZPlace::kTopmost, true, OwnWindow(system, window));
}

void SendWindowToBottom(ZOrderPrimitives& system, WindowHandle window) {
  const bool wait = OwnWindow(system, window);
  // The bottom alone leaves a topmost window topmost under Wine, so clear that first.
  system.Place(window, ZPlace::kNotTopmost, true, wait);
  system.Place(window, ZPlace::kBottom, true, wait);
  // The move may also activate the window, and activation raises it again (always under
  // Wine). Settle it at the bottom once more, this time leaving the activation as it is.
  system.Place(window, ZPlace::kBottom, false, wait);
}

}  // namespace tarnwick
