#include "cursor/mouse_wrap.h"

#include <utility>

#include "cursor/screen_bounds.h"

namespace tarnwick {

MouseWrap::MouseWrap(WindowManager& windows, Screen& screen, OwnCursor& cursor, Timer& timer,
                     std::function<bool()> cursorOwnedInFront)
    : windows_(windows),
      screen_(screen),
      cursor_(cursor),
      timer_(timer),
      cursorOwnedInFront_(std::move(cursorOwnedInFront)) {}

void MouseWrap::SetOn(bool on) {
  on_ = on;
  timer_.SetEnabled(on_ && !asleep_);
}

void MouseWrap::Sleep() {
  asleep_ = true;
  timer_.SetEnabled(false);
}

void MouseWrap::Wake() {
  asleep_ = false;
  timer_.SetEnabled(on_);
}

void MouseWrap::MeasureScreen() {
  limits_ = WrapLimits(screen_.Metrics());
}

void MouseWrap::Tick() {
  // No input since the last tick: the cursor has not been pushed anywhere.
  if (quiet_.Quiet(windows_.LastInputTime())) return;
  // A position the system cannot report would read as 0, 0 and look like the left edge.
  const std::optional<Point> position = cursor_.Read();
  if (!position) {
    quiet_.Forget();  // look again next tick, input or not
    return;
  }
  // A resting cursor is never wrapped, and costs no more than this read and comparison. A
  // cursor the program put at the edge itself (parked) did not arrive there by the user's push.
  const bool moved = position != lastPosition_;
  lastPosition_ = position;
  if (!moved || cursor_.IsOurs(*position)) return;

  Point target = *position;
  // One edge a tick; a corner takes two ticks, the horizontal edge first. The targets stay
  // clear of the opposite edge so the cursor is not sent straight back.
  if (EdgeWraps(WrapEdge::kLeft) && target.x == 0) {
    target.x = limits_.x - 1;
  } else if (target.x == limits_.x && EdgeWraps(WrapEdge::kRight)) {
    target.x = 1;
  } else if (EdgeWraps(WrapEdge::kTop) && target.y == 0) {
    target.y = limits_.y - 2;
  } else if (target.y == limits_.y && EdgeWraps(WrapEdge::kBottom)) {
    target.y = 1;
  } else {
    return;
  }
  // A game or a presentation in front owns the cursor: never throw it to another edge.
  if (cursorOwnedInFront_()) return;
  cursor_.Move(target);
}

}  // namespace tarnwick
