#pragma once
#include <functional>

#include "common/listener_list.h"

namespace tarnwick {

// One report of the mouse's own movement, in the device's counts: it goes on when the
// cursor is stopped by the edge of the desktop, and it comes without the cursor being read.
// A report without movement (a button, the wheel, a device that reports only where the
// pointer is) still says the hand is on the mouse.
//
// A tablet, a pen, a remote session or a virtual machine reports where the pointer is, not
// how far the hand moved: such a report is `absolute`, and its dx, dy are the pixels between
// it and the device's previous report (0, 0 for the first). The flag also says the cursor was
// put somewhere on purpose, not nudged.
struct RawMove {
  int dx = 0;
  int dy = 0;
  bool absolute = false;
};

// The mouse's raw movement, for as many listeners as want it. The system is asked for it
// while at least one listens, and told to stop when the last one goes, so features that
// each need it for a while never cost the others anything.
class RawInput {
 public:
  using Listener = std::function<void(RawMove)>;
  static constexpr int kNotListening = 0;

  virtual ~RawInput() = default;
  // The listener's id for StopListening, or kNotListening when the system refused.
  int Listen(Listener listener);
  // Unknown ids (and kNotListening) are ignored, so a feature may stop twice.
  void StopListening(int listenerId);
  bool Listening() const { return !listeners_.Empty(); }

 protected:
  // Ask the system for raw mouse input, or tell it to stop; Start is false when refused.
  virtual bool StartDevice() = 0;
  virtual void StopDevice() = 0;
  // Hands one report to every listener. One that a listener removes on the way is not
  // called; one it adds gets the next report.
  void Deliver(RawMove move);

 private:
  ListenerList<RawMove> listeners_;
};

}  // namespace tarnwick
