#include "cursor/idle_parking.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "cursor/desktop_shape.h"
#include "cursor/screen_bounds.h"

namespace tarnwick {

namespace {

// The idle count starts again once it passes this, so it never overflows.
constexpr int kMaxIdleTicks = 1000000000;

}  // namespace

IdleParking::IdleParking(WindowManager& windows, DesktopLayout& desktop, RawInput& rawInput,
                         OwnCursor& cursor, Timer& timer, std::function<bool()> cursorOwnedInFront)
    : windows_(windows),
      rawInput_(rawInput),
      desktop_(desktop),
      cursor_(cursor),
      timer_(timer),
      cursorOwnedInFront_(std::move(cursorOwnedInFront)) {}

void IdleParking::SetOn(bool on) {
  changed.Raise();
  on_ = on;
  if (!on_) asleep_ = false;
  if (!asleep_) timer_.SetEnabled(on_);
  // It stays ours only until the user moves it.
  if (!on) {
    cursor_.SetParked(false);
    ListenWhileParked(false);
  }
}

void IdleParking::SetTaskbarAllowance(bool allowance) {
  changed.Raise();
  taskbarAllowance_ = allowance;
  MeasureScreen();
}

void IdleParking::MeasureScreen() {
  changed.Raise();
  // A new resolution or a docked screen moves the corner: keep the park point on the
  // screen as it is now, or a parked cursor would no longer be recognised.
  // The primary monitor's corner: the primary monitor always holds the point 0, 0.
  const Point parkPoint = ParkPointOn(desktop_.Current(), {0, 0}, taskbarAllowance_);
  if (parkPoint_ != parkPoint) parkPointMoved_ = true;
  parkPoint_ = parkPoint;
}

int IdleParking::TicksUntilPark() const {
  const double thresholdTicks = *idleDelaySeconds_ * kTicksPerSecond;
  const double ticks = std::floor(thresholdTicks - idleTicks_) + 1;
  return static_cast<int>(std::clamp(ticks, 1.0, 1e6));
}

void IdleParking::Sleep() {
  if (!on_ || asleep_) return;
  asleep_ = true;
  const bool parkedHere = cursor_.Parked() && lastPosition_ == parkedAt_ && !parkPointMoved_;
  if (parkedHere || !idleDelaySeconds_) {
    timer_.SetEnabled(false);
    return;
  }
  // Held back by a drag, it keeps looking for the drop.
  const int ticks = heldBackByDrag_ ? 1 : TicksUntilPark();
  skippedTicks_ = ticks - 1;
  timer_.SetIntervalMs(ticks * kTickMs);
}

void IdleParking::Wake() {
  if (!asleep_) return;
  asleep_ = false;
  tickedSinceWake_ = false;
  skippedTicks_ = 0;
  timer_.SetIntervalMs(kTickMs);
  timer_.SetEnabled(on_);
}

void IdleParking::Tick() {
  if (asleep_) {
    // The one tick of a sleep stands for the ones skipped; after it, a parked cursor waits
    // for the movement that wakes everything, anything else ticks as usual.
    idleTicks_ += skippedTicks_;
    skippedTicks_ = 0;
    timer_.SetIntervalMs(kTickMs);
  }
  TickAwake(std::exchange(justParked_, false));
  tickedSinceWake_ = true;
  if (asleep_ && cursor_.Parked() && !justParked_) timer_.SetEnabled(false);
}

void IdleParking::TickAwake(bool firstLookAfterPark) {
  // A position the system cannot report (the secure desktop of a lock screen, say) would
  // read as 0, 0: counted as a rest it would later throw the cursor into the corner.
  const std::optional<Point> pos = cursor_.Read();
  if (!pos) return;
  // Parked, the raw movement says who moved the cursor (when the system gives it).
  // The first look after the park judges by the position alone, as without raw input, unless
  // the hand pushed into the corner, where the position cannot show it.
  if (cursor_.Parked() && Listening() && (!firstLookAfterPark || handMoved_) &&
      JudgedByRawInput(*pos)) {
    return;
  }
  const bool stillParked = cursor_.Parked() && pos == parkedAt_;
  const bool parkedHere = stillParked && !parkPointMoved_;
  const bool idle = pos == lastPosition_ || pos == parkPoint_ || stillParked;
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
    // A drag held still is no rest: the rest counts from the drop.
    if (heldBackByDrag_) {
      heldBackByDrag_ = DragUnderWay();
      idleTicks_ = 0;
      if (heldBackByDrag_) return;
    }
    // Parked and still there: nothing to move, and no reason to measure the screen. A game
    // or a presentation in front keeps its cursor where it is: no park begins then.
    if (thresholdTicks < idleTicks_ && !parkedHere &&
        (cursor_.Parked() || !cursorOwnedInFront_())) {
      heldBackByDrag_ = DragUnderWay();
      if (heldBackByDrag_) {
        idleTicks_ = 0;
      } else {
        Park(*pos);
      }
    }
  } else {
    if (thresholdTicks < idleTicks_) PutParkedCursorBack();
    idleTicks_ = 0;
    heldBackByDrag_ = false;
    cursor_.SetParked(false);
    ListenWhileParked(false);
  }
}

void IdleParking::Park(Point pos) {
  parkedAt_ = ParkPointOn(desktop_.Current(), pos, taskbarAllowance_);
  parkLeg_ = {parkedAt_->x - pos.x, parkedAt_->y - pos.y};
  parkPointMoved_ = false;
  // The park's own move makes no raw input (Windows and Wine alike), and a hand nudging the
  // mouse into the corner the moment it lands shows nowhere else: listen from here.
  ListenWhileParked(true);
  cursor_.Put(*parkedAt_);
  cursor_.SetParked(true);
  if (!savedPosition_) savedPosition_ = pos;
  justParked_ = true;
}

bool IdleParking::IntoTheCorner(RawMove move) const {
  // The park's own moves make no raw input, but under Wine the system may still report them
  // (or a pointer event from before them) as movement: one of the park's legs exactly.
  const bool echo = (move.dx == parkLeg_.x || move.dx == -parkLeg_.x || move.dx == 0) &&
                    (move.dy == parkLeg_.y || move.dy == -parkLeg_.y || move.dy == 0);
  return move.dx >= 0 && move.dy >= 0 && !echo;
}

bool IdleParking::DragUnderWay() {
  return windows_.MouseButtonDown() || windows_.MoveSizeLoopActive();
}

bool IdleParking::JudgedByRawInput(Point pos) {
  if (std::exchange(handMoved_, false)) {
    lastPosition_ = pos;
    PutParkedCursorBack();
    idleTicks_ = 0;
    return true;
  }
  // Put elsewhere on purpose only once two reads agree: a single read may still show a spot
  // the park went through (Wine lags now and then), and the spot it rested at before parking
  // is the system lagging, never a move.
  const bool offPark = parkedAt_ && pos != *parkedAt_ && pos != savedPosition_;
  if (!offPark) {
    offParkAt_.reset();
    return false;
  }
  if (std::exchange(offParkAt_, pos) != pos) return true;  // the second read decides
  lastPosition_ = pos;
  StayWherePut();
  return true;
}

void IdleParking::PutParkedCursorBack() {
  // No saved position (a negative delay, or one lowered under the count just before this
  // movement): nothing to put back, so the cursor stays where the user moved it.
  if (savedPosition_) cursor_.Put(*savedPosition_);
  savedPosition_.reset();
  cursor_.SetParked(false);
  ListenWhileParked(false);
}

void IdleParking::StayWherePut() {
  offParkAt_.reset();
  savedPosition_.reset();
  cursor_.SetParked(false);
  idleTicks_ = 0;
  ListenWhileParked(false);
}

void IdleParking::ListenWhileParked(bool parked) {
  if (parked == Listening()) return;
  handMoved_ = false;
  if (!parked) {
    rawInput_.StopListening(rawListener_);
    rawListener_ = RawInput::kNotListening;
    return;
  }
  // Refused, the position alone decides, as it always did.
  rawListener_ = rawInput_.Listen([this](RawMove move) {
    if (move.absolute || (move.dx == 0 && move.dy == 0)) return;
    if (justParked_ && !IntoTheCorner(move)) return;
    handMoved_ = true;
    changed.Raise();  // a sleeping tick would wait for its interval
  });
}

}  // namespace tarnwick
