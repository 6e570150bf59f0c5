#pragma once
#include <optional>

#include "cursor/desktop_layout.h"
#include "cursor/desktop_shape.h"
#include "cursor/edge_push.h"
#include "seam/point.h"
#include "seam/raw_input.h"

namespace tarnwick {

// The wrap's decision for one tick, on the desktop as it is laid out at that moment, and, with
// the push option, only
// once the user keeps pushing against the edge. A fast mouse reports thousands of times a
// second, each report a message to the program: the raw movement is listened to only while
// the cursor is near an edge that wraps, with the option on.
class EdgeWrap {
 public:
  // How near a wrapping edge the cursor must come before raw movement is listened to: the
  // movement that brings an absolute pointer into the edge must not be missed.
  static constexpr int kListenZonePx = 64;

  EdgeWrap(DesktopLayout& desktop, RawInput& rawInput) : desktop_(desktop), rawInput_(rawInput) {}
  EdgeWrap(const EdgeWrap&) = delete;
  EdgeWrap& operator=(const EdgeWrap&) = delete;
  ~EdgeWrap() { Listen(false); }

  // Called whenever the wrap starts or stops and whenever the option changes.
  void SetPushing(bool wrapRunning, bool pushOption);
  // Raw movement is being listened to now.
  bool Listening() const { return listenerId_ != RawInput::kNotListening; }
  // True while a push against an edge is being measured: the tick must look even though
  // the cursor, held by the edge, has not moved.
  bool Measuring() const { return Listening() && push_.Armed(); }
  // Where to put the cursor now, or nothing.
  std::optional<Point> Tick(Point cursor, WrapEdges ticked);
  // Nothing moves until the next wake: stop listening, forget a push under way.
  void Rest();

 private:
  // When the system refuses raw input, a push cannot be seen, and the edges wrap as without
  // the option.
  bool PushCounts() const { return pushWanted_ && !rawInputRefused_; }
  void Listen(bool wanted);

  DesktopLayout& desktop_;
  RawInput& rawInput_;
  EdgePush push_;
  bool pushWanted_ = false;
  bool rawInputRefused_ = false;
  int listenerId_ = RawInput::kNotListening;
};

}  // namespace tarnwick
