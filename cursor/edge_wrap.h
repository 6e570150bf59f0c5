#pragma once
#include <optional>

#include "cursor/desktop_shape.h"
#include "cursor/edge_push.h"
#include "seam/point.h"
#include "seam/raw_input.h"
#include "seam/screen.h"

namespace tarnwick {

// The wrap's decision for one tick, on the desktop as it is laid out at that moment (read
// afresh: a monitor unplugged under Wine sends no message), and, with the push option, only
// once the user keeps pushing against the edge. It listens to the mouse's raw movement only
// while a push can count: the wrap running with the option on.
class EdgeWrap {
 public:
  EdgeWrap(Screen& screen, RawInput& rawInput) : screen_(screen), rawInput_(rawInput) {}
  EdgeWrap(const EdgeWrap&) = delete;
  EdgeWrap& operator=(const EdgeWrap&) = delete;
  ~EdgeWrap() { rawInput_.StopListening(listenerId_); }

  // Called whenever the wrap starts or stops and whenever the option changes. When the
  // system refuses raw input, a push cannot be seen, and the edges wrap as without the option.
  void SetPushing(bool wrapRunning, bool pushOption);
  bool Pushing() const { return listenerId_ != RawInput::kNotListening; }
  // True while a push against an edge is being measured: the tick must look even though
  // the cursor, held by the edge, has not moved.
  bool Measuring() const { return Pushing() && push_.Armed(); }
  // Where to put the cursor now, or nothing.
  std::optional<Point> Tick(Point cursor, WrapEdges ticked);

 private:
  Screen& screen_;
  RawInput& rawInput_;
  EdgePush push_;
  int listenerId_ = RawInput::kNotListening;
};

}  // namespace tarnwick
