#include "cursor/edge_wrap.h"

namespace tarnwick {

namespace {

// Within the zone of a ticked edge: the desktop ends that far off in the edge's direction.
bool NearWrappingEdge(const DesktopShape& shape, Point cursor, WrapEdges ticked) {
  constexpr int zone = EdgeWrap::kListenZonePx;
  return (ticked.left && !shape.Shows({cursor.x - zone, cursor.y})) ||
         (ticked.right && !shape.Shows({cursor.x + zone, cursor.y})) ||
         (ticked.top && !shape.Shows({cursor.x, cursor.y - zone})) ||
         (ticked.bottom && !shape.Shows({cursor.x, cursor.y + zone}));
}

}  // namespace

void EdgeWrap::SetPushing(bool wrapRunning, bool pushOption) {
  const bool wanted = wrapRunning && pushOption;
  if (wanted == pushWanted_) return;
  pushWanted_ = wanted;
  rawInputRefused_ = false;  // asked again when next needed
  if (!wanted) Rest();
}

void EdgeWrap::Rest() {
  Listen(false);
  push_ = EdgePush{};
}

void EdgeWrap::Listen(bool wanted) {
  if (wanted == Listening()) return;
  if (wanted) {
    listenerId_ = rawInput_.Listen(
        [this](RawMove move) { push_.AddMovement(move.dx, move.dy, move.absolute); });
    rawInputRefused_ = !Listening();
  } else {
    rawInput_.StopListening(listenerId_);
    listenerId_ = RawInput::kNotListening;
    push_ = EdgePush{};
  }
}

std::optional<Point> EdgeWrap::Tick(Point cursor, WrapEdges ticked) {
  const DesktopShape& shape = desktop_.Current();
  if (PushCounts()) Listen(NearWrappingEdge(shape, cursor, ticked));
  if (PushCounts() && !push_.Tick(WrappingEdgeAt(shape, cursor, ticked), InCorner(shape, cursor))) {
    return std::nullopt;
  }
  return WrapLanding(shape, cursor, ticked);
}

}  // namespace tarnwick
