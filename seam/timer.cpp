#include "seam/timer.h"

#include "common/invariant.h"

namespace tarnwick {

void Timer::Attach(EventLoop& loop) {
  loop_ = &loop;
  if (enabled_) Arm();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (loop_ == nullptr) return;
  if (enabled_) {
    Arm();
  } else {
    loop_->StopTimer(id_);
  }
}

void Timer::SetIntervalMs(int intervalMs) {
  intervalMs_ = intervalMs;
  if (enabled_ && loop_ != nullptr) Arm();
}

void Timer::Arm() {
  TARNWICK_CHECK(loop_ != nullptr, "a timer runs on an event loop");
  TARNWICK_CHECK(intervalMs_ > 0, "a timer's interval is a positive number of milliseconds");
  if (loop_ == nullptr || intervalMs_ <= 0) return;
  auto tick = [this] {
    if (onTick) onTick();
  };
  if (lazy_) {
    loop_->StartLazyTimer(id_, intervalMs_, tick);
  } else {
    loop_->StartTimer(id_, intervalMs_, tick);
  }
}

}  // namespace tarnwick
