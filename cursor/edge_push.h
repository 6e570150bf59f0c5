#pragma once
#include <array>
#include <optional>

#include "cursor/desktop_shape.h"

namespace tarnwick {

// Tells the wrap whether the user means to leave by an edge or only reached it: a hand
// going for a scroll bar or a close button stops at the edge, a hand going round keeps
// pushing. Fed the mouse's raw movement (the edge does not stop that) and asked once a wrap
// tick; it counts only movement into the edge made after a tick found the cursor there.
// An absolute pointer (a tablet, a remote session) cannot go past the edge: for it, the
// movement into the edge between its two last reports is the push.
class EdgePush {
 public:
  // Movement into the edge, in the device's raw counts, that makes a push.
  static constexpr int kPushCounts = 50;
  // Over how many wrap ticks of 100 ms the push must come.
  static constexpr int kWindowTicks = 3;

  // The mouse moved by this much, as the device reports it (absolute: in pixels between two
  // reports of where it points).
  void AddMovement(int dx, int dy, bool absolute = false);
  // One wrap tick: the edge the cursor stands on (nothing when on none) and whether the spot
  // is a corner. True when the cursor should go round now.
  bool Tick(std::optional<DesktopEdge> edge, bool corner);
  // A tick found the cursor on an edge and the push is being counted.
  bool Armed() const { return armed_.has_value(); }

 private:
  void Disarm();

  std::optional<DesktopEdge> armed_;
  std::array<int, kWindowTicks> pushed_{};  // into the edge, per tick, newest at next_ - 1
  int next_ = 0;
  int pendingDx_ = 0;
  int pendingDy_ = 0;
  bool pendingAbsolute_ = false;  // the pending movement came from an absolute pointer
};

}  // namespace tarnwick
