#include "cursor/idle_parking.h"

#include <utility>

#include "cursor/screen_bounds.h"

namespace tarnwick {

namespace {

// The idle count starts again once it passes this, so it never overflows.
constexpr int kMaxIdleTicks = 1000000000;

}  // namespace

IdleParking::IdleParking(Screen& screen, OwnCursor& cursor, Timer& timer,
                         std::function<bool()> cursorOwnedInFront)
    : screen_(screen),
      cursor_(cursor),
      timer_(timer),
      cursorOwnedInFront_(std::move(cursorOwnedInFront)) {}

void IdleParking::SetOn(bool on) {
  timer_.SetEnabled(on);
  // It stays ours only until the user moves it.
  if (!on) cursor_.SetParked(false);
}

void IdleParking::SetTaskbarAllowance(bool allowance) {
  taskbarAllowance_ = allowance;
  MeasureScreen();
}

void IdleParking::MeasureScreen() {
  // A new resolution or a docked screen moves the corner: keep the park point on the
  // screen as it is now, or a parked cursor would no longer be recognised.
  parkPoint_ = tarnwick::ParkPoint(screen_.Metrics(), taskbarAllowance_);
}

void IdleParking::Tick() {
  // A position the system cannot report (the secure desktop of a lock screen, say) would
  // read as 0, 0: counted as a rest it would later throw the cursor into the corner.
  const std::optional<Point> pos = cursor_.Read();
  if (!pos) return;
  const bool idle = pos == lastPosition_ || pos == parkPoint_;
  lastPosition_ = pos;
  // Without a number in the delay box (the user is retyping it) there is no threshold to
  // park by; but a parked cursor the user reaches for must still come back.
  if (!idleDelaySeconds_) {
    if (!idle && cursor_.Parked()) PutParkedCursorBack();
    if (!idle) idleTicks_ = 0;
    return;
  }
  const double thresholdTicks = *idleDelaySeconds_ * kTicksPerSecond;

  if (idle) {
    idleTicks_ = idleTicks_ + 1;
    if (idleTicks_ > kMaxIdleTicks) idleTicks_ = 0;
    // Parked and still there: nothing to move, and no reason to measure the screen. A game
    // or a presentation in front keeps its cursor where it is: no park begins then.
    const bool stillParked = cursor_.Parked() && pos == parkPoint_;
    if (thresholdTicks < idleTicks_ && !stillParked &&
        (cursor_.Parked() || !cursorOwnedInFront_())) {
      cursor_.Put(tarnwick::ParkPoint(screen_.Metrics(), taskbarAllowance_));
      cursor_.SetParked(true);
      if (!savedPosition_) savedPosition_ = pos;
    }
  } else {
    if (thresholdTicks < idleTicks_) PutParkedCursorBack();
    idleTicks_ = 0;
    cursor_.SetParked(false);
  }
}

void IdleParking::PutParkedCursorBack() {
  // No saved position (a negative delay, or one lowered under the count just before this
  // movement): nothing to put back, so the cursor stays where the user moved it.
  if (savedPosition_) cursor_.Put(*savedPosition_);
  savedPosition_.reset();
  cursor_.SetParked(false);
}

}  // namespace tarnwick
