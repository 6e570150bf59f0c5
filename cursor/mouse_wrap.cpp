#include "cursor/mouse_wrap.h"

#include <utility>

namespace tarnwick {

MouseWrap::MouseWrap(WindowManager& windows, DesktopLayout& desktop, RawInput& rawInput,
                     OwnCursor& cursor, Timer& timer, std::function<bool()> cursorOwnedInFront)
    : windows_(windows),
      cursor_(cursor),
      timer_(timer),
      cursorOwnedInFront_(std::move(cursorOwnedInFront)),
      edgeWrap_(desktop, rawInput) {}

void MouseWrap::SetOn(bool on) {
  changed.Raise();
  on_ = on;
  timer_.SetEnabled(on_ && !asleep_);
  edgeWrap_.SetPushing(on_, pushOnly_);
}

void MouseWrap::SetPushOnly(bool pushOnly) {
  changed.Raise();
  pushOnly_ = pushOnly;
  edgeWrap_.SetPushing(on_, pushOnly_);
}

void MouseWrap::Sleep() {
  asleep_ = true;
  timer_.SetEnabled(false);
  // A push measured at an edge goes on: the first movement after the wake may be that push,
  // and listening costs nothing more while asleep, when raw input is held anyway.
}

void MouseWrap::Wake() {
  // Whatever woke it may have moved the cursor without input (a program's move).
  if (asleep_) quiet_.Forget();
  asleep_ = false;
  timer_.SetEnabled(on_);
}

void MouseWrap::Tick() {
  // Parking gave a cursor back without input (it was put somewhere on purpose): look at it.
  if (ParkedCursorGivenBack()) quiet_.Forget();
  // No input since the last tick, and no other feature saw the cursor elsewhere: it has not
  // been pushed anywhere.
  const bool seenElsewhere = cursor_.LastRead() && cursor_.LastRead() != lastLook_;
  if (!seenElsewhere && quiet_.Quiet(windows_.LastInputTime())) return;
  // A position the system cannot report would read as 0, 0 and look like the left edge.
  const std::optional<Point> position = cursor_.Read();
  lastLook_ = position;
  if (!position) {
    quiet_.Forget();  // look again next tick, input or not
    return;
  }
  // A resting cursor is never wrapped, and costs no more than this read and comparison; only
  // while a push against an edge is measured does a cursor the edge holds still count. A
  // cursor the program put at the edge itself (parked) did not arrive there by the user's push;
  // it is not recorded either, so that once it is the user's again (a pen or a program put a
  // parked cursor there on purpose) it counts as having arrived.
  if (cursor_.IsOurs(*position)) {
    sawParked_ = cursor_.Parked();
    return;
  }
  sawParked_ = false;
  const bool moved = position != lastPosition_;
  lastPosition_ = position;
  if (!moved && !edgeWrap_.Measuring()) return;

  // One edge a tick; a corner takes two ticks, the horizontal edge first. The targets stay
  // clear of the opposite edge so the cursor is not sent straight back.
  const std::optional<Point> target =
      edgeWrap_.Tick(*position, {EdgeWraps(WrapEdge::kLeft), EdgeWraps(WrapEdge::kRight),
                                 EdgeWraps(WrapEdge::kTop), EdgeWraps(WrapEdge::kBottom)});
  if (!target) return;
  // A game or a presentation in front owns the cursor: never throw it to another edge.
  if (cursorOwnedInFront_()) return;
  cursor_.Move(*target);
}

}  // namespace tarnwick
