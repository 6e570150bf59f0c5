#include "app/sleep_at_rest.h"

namespace tarnwick {

void SleepAtRest::SleepIfAtRest() {
  if (asleep_ || rawInputRefused_ || !parking_.AtRest() || focus_.HoverWaitPending() ||
      focus_.ActivationHeld() || focus_.RaisePending()) {
    return;
  }
  // Every feature must have looked at the latest input: it may have come after a wake.
  const std::uint32_t lastInput = windows_.LastInputTime();
  if (!wrap_.AtRest(lastInput)) return;
  // A pin must win the foreground back whenever another window takes it: asleep, only a
  // report of the change can say so.
  const bool pinned = focus_.Pin().has_value();
  if (pinned && !foregroundUnreported_ && !watchingForeground_) {
    watchingForeground_ = windows_.WatchForeground([this] { Wake(); });
    foregroundUnreported_ = !watchingForeground_;
  }
  if (!focus_.AtRest(watchingForeground_, lastInput)) return;
  listener_ = rawInput_.Listen([this](RawMove) { Wake(); });
  // Without raw input nothing would wake us: stay awake, and ask no more.
  if (listener_ == RawInput::kNotListening) {
    rawInputRefused_ = true;
    return;
  }
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
