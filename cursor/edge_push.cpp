#include "cursor/edge_push.h"

#include <algorithm>
#include <numeric>

namespace tarnwick {

namespace {

// Raw reports are small; a runaway one must not overflow the sums.
constexpr int kMaxCountsPerTick = 1 << 20;

int Into(DesktopEdge edge, int dx, int dy) {
  switch (edge) {
    case DesktopEdge::kLeft:
      return -dx;
    case DesktopEdge::kRight:
      return dx;
    case DesktopEdge::kTop:
      return -dy;
    case DesktopEdge::kBottom:
      return dy;
  }
  return 0;
}

}  // namespace

void EdgePush::AddMovement(int dx, int dy, bool absolute) {
  pendingAbsolute_ = absolute;
  pendingDx_ = std::clamp(pendingDx_ + std::clamp(dx, -kMaxCountsPerTick, kMaxCountsPerTick),
                          -kMaxCountsPerTick, kMaxCountsPerTick);
  pendingDy_ = std::clamp(pendingDy_ + std::clamp(dy, -kMaxCountsPerTick, kMaxCountsPerTick),
                          -kMaxCountsPerTick, kMaxCountsPerTick);
}

bool EdgePush::Tick(std::optional<DesktopEdge> edge, bool corner) {
  const int dx = pendingDx_;
  const int dy = pendingDy_;
  const bool absolute = pendingAbsolute_;
  pendingDx_ = 0;
  pendingDy_ = 0;
  pendingAbsolute_ = false;
  // A corner holds the Start button and close buttons: it never wraps with pushing on.
  if (!edge || corner) {
    Disarm();
    return false;
  }
  if (edge != armed_) {
    // Just arrived: the movement that brought a hand's cursor here is no push against the
    // edge; an absolute pointer's is the only push it can make.
    Disarm();
    armed_ = edge;
    if (!absolute) return false;
  }
  // Movement along or away from the edge counts as none; it does not cancel the push.
  pushed_[static_cast<std::size_t>(next_)] = std::max(0, Into(*edge, dx, dy));
  next_ = (next_ + 1) % kWindowTicks;
  if (std::accumulate(pushed_.begin(), pushed_.end(), 0) < kPushCounts) return false;
  Disarm();
  return true;
}

void EdgePush::Disarm() {
  armed_.reset();
  pushed_.fill(0);
  next_ = 0;
}

}  // namespace tarnwick
