#include "app/sleep_at_rest.h"

namespace tarnwick {

void SleepAtRest::SleepIfAtRest() {
  if (asleep_ || !wrap_.AtRest()) return;
  // A pin must win the foreground back whenever another window takes it: asleep, only a
  // report of the change can say so.
  const bool pinned = focus_.Pin().has_value();
  if (pinned && !foregroundUnreported_ && !watchingForeground_) {
    watchingForeground_ = windows_.WatchForeground([this] { Wake(); });
    foregroundUnreported_ = !watchingForeground_;
  }
  if (!focus_.AtRest(watchingForeground_)) return;
  listener_ = rawInput_.Listen([this](RawMove) { Wake(); });
  // Without raw input nothing would wake us: stay awake.
  if (listener_ == RawInput::kNotListening) return;
  asleep_ = true;
  focus_.Sleep();
  wrap_.Sleep();
  parking_.Sleep();
}

void SleepAtRest::StopWatching() {
  if (watchingForeground_) {
    windows_.WatchForeground({});
    watchingForeground_ = false;
  }
  rawInput_.StopListening(listener_);
  listener_ = RawInput::kNotListening;
}

void SleepAtRest::Wake() {
  StopWatching();
  if (!asleep_) return;
  asleep_ = false;
  parking_.Wake();
  wrap_.Wake();
  focus_.Wake();
}

}  // namespace tarnwick
