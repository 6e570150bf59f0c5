#include "cursor/edge_wrap.h"

namespace tarnwick {

void EdgeWrap::SetPushing(bool wrapRunning, bool pushOption) {
  const bool wanted = wrapRunning && pushOption;
  if (wanted == Pushing()) return;
  if (wanted) {
    push_ = EdgePush{};
    listenerId_ = rawInput_.Listen([this](RawMove move) { push_.AddMovement(move.dx, move.dy); });
  } else {
    rawInput_.StopListening(listenerId_);
    listenerId_ = RawInput::kNotListening;
  }
}

std::optional<Point> EdgeWrap::Tick(Point cursor, WrapEdges ticked) {
  const DesktopShape shape = DesktopShape::Of(screen_);
  if (Pushing() && !push_.Tick(WrappingEdgeAt(shape, cursor, ticked), InCorner(shape, cursor))) {
    return std::nullopt;
  }
  return WrapLanding(shape, cursor, ticked);
}

}  // namespace tarnwick
