#include "app/sleep_at_rest.h"

#include "common/invariant.h"

namespace tarnwick {

SleepAtRest::SleepAtRest(RawInput& rawInput, WindowManager& windows, ForegroundEvents& foreground,
                         OwnCursor& cursor, Timer& restLook, FocusFollow& focus, MouseWrap& wrap,
                         IdleParking& parking)
    : rawInput_(rawInput),
      windows_(windows),
      foreground_(foreground),
      cursor_(cursor),
      restLook_(restLook),
      focus_(focus),
      wrap_(wrap),
      parking_(parking) {
  restLook_.SetLazy(true);
  focus_.changed.Connect([this] { Wake(); });
  wrap_.changed.Connect([this] { Wake(); });
  parking_.changed.Connect([this] { Wake(); });
}

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
  bool watchingForeground = foregroundListener_ != ForegroundEvents::kNotListening;
  if (pinned && !foregroundUnreported_ && !watchingForeground) {
    foregroundListener_ = foreground_.Listen([this] { Wake(); });
    watchingForeground = foregroundListener_ != ForegroundEvents::kNotListening;
    foregroundUnreported_ = !watchingForeground;
  }
  if (!focus_.AtRest(watchingForeground, lastInput)) return;
  if (!WatchCursor()) return;
  // Input that came while the watches were being set up would be lost: stay awake for it.
  if (windows_.LastInputTime() != lastInput || CursorMovedSinceSleep()) {
    StopWatching();
    return;
  }
  asleep_ = true;
  focus_.Sleep();
  wrap_.Sleep();
  parking_.Sleep();
  CheckAsleepState();
}

bool SleepAtRest::WatchCursor() {
  listener_ = rawInput_.Listen([this](RawMove) { Wake(); });
  // Without raw input a hand's movement would go unseen: stay awake, and ask no more.
  if (listener_ == RawInput::kNotListening) {
    rawInputRefused_ = true;
    StopWatching();
    return false;
  }
  cursorAtSleep_ = cursor_.Read();
  watchingCursor_ = windows_.WatchCursor([this] {
    if (CursorMovedSinceSleep()) Wake();
  });
  // Where the system reports no cursor moves, a program's move is seen by a lazy look.
  if (!watchingCursor_) {
    restLook_.SetIntervalMs(kRestLookMs);
    restLook_.SetEnabled(true);
  }
  return true;
}

bool SleepAtRest::CursorMovedSinceSleep() {
  const std::optional<Point> now = cursor_.Read();
  // Unreadable (a locked workstation): nothing to follow until it can be read again.
  if (!now) return false;
  return now != cursorAtSleep_ && !cursor_.StandsWherePut(*now);
}

void SleepAtRest::RestLookTick() {
  if (!asleep_) {
    restLook_.SetEnabled(false);
    return;
  }
  if (CursorMovedSinceSleep()) Wake();
}

void SleepAtRest::StopWatching() {
  foreground_.StopListening(foregroundListener_);
  foregroundListener_ = ForegroundEvents::kNotListening;
  if (watchingCursor_) {
    windows_.WatchCursor({});
    watchingCursor_ = false;
  }
  restLook_.SetEnabled(false);
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

void SleepAtRest::CheckAsleepState() const {
  TARNWICK_CHECK(listener_ != RawInput::kNotListening, "asleep, raw input is held");
  TARNWICK_CHECK(!wrap_.Ticking() && !focus_.Polling(),
                 "asleep, the poll and the wrap stand still");
}

}  // namespace tarnwick
