#pragma once
#include <functional>
#include <optional>

#include "common/wake_signal.h"
#include "cursor/desktop_layout.h"
#include "cursor/own_cursor.h"
#include "seam/point.h"
#include "seam/raw_input.h"
#include "seam/timer.h"
#include "seam/window_manager.h"

namespace tarnwick {

// Idle parking: a cursor left alone for the idle delay moves to the bottom-right corner of
// its own monitor (or higher, clear of an auto-hidden taskbar) and comes back where it was
// at the first movement of the mouse. Counts idle ticks on its timer while switched on.
//
// From the park's own move on it listens to the mouse's raw movement: in the corner the
// system holds the cursor, so a hand moving down or right changes no position, and only raw
// input tells.
// The return is for a hand that nudges a mouse: a cursor put somewhere by a pen, a tablet,
// a remote session (absolute reports) or by a program (moved with no raw movement) was put
// there on purpose, and stays.
class IdleParking {
 public:
  static constexpr int kTicksPerSecond = 10;

  // `cursorOwnedInFront` says whether a program in front owns the cursor now: no park
  // begins then.
  IdleParking(WindowManager& windows, DesktopLayout& desktop, RawInput& rawInput, OwnCursor& cursor,
              Timer& timer, std::function<bool()> cursorOwnedInFront);
  IdleParking(const IdleParking&) = delete;
  IdleParking& operator=(const IdleParking&) = delete;
  ~IdleParking() { ListenWhileParked(false); }

  // Raised before any change takes effect, and when a parked mouse moves.
  WakeSignal changed;

  bool On() const { return on_; }
  // Switched off while parked, the cursor stays where it is and nothing will put it back.
  void SetOn(bool on);
  // The idle delay in seconds, or nothing while the box holds no number (it is empty for a
  // moment whenever the user retypes it).
  void SetIdleDelaySeconds(std::optional<double> seconds) {
    changed.Raise();
    idleDelaySeconds_ = seconds;
  }
  bool TaskbarAllowance() const { return taskbarAllowance_; }
  // Where parked cursors go from now on, measured on the screen as it is.
  void SetTaskbarAllowance(bool allowance);
  // Measures the park point again (the display changed).
  void MeasureScreen();

  // The primary screen's park point.
  std::optional<Point> ParkPoint() const { return parkPoint_; }
  // The position the last tick read, to tell a rest from a move.
  std::optional<Point> LastReadPosition() const { return lastPosition_; }
  bool Parked() const { return cursor_.Parked(); }
  // Raw movement is listened to (parked, and the system gave it).
  bool Listening() const { return rawListener_ != RawInput::kNotListening; }

  void Tick();

  // While asleep nothing moves, so the ticks that would only count the rest are skipped:
  // one tick falls due when the count would reach the idle delay, and a parked cursor waits
  // for the first movement with no tick at all.
  void Sleep();
  void Wake();
  // A tick has looked since the last wake: a parked cursor the hand moved is back.
  // A cursor seen once off its park point needs the second look.
  bool AtRest() const { return !on_ || (tickedSinceWake_ && !offParkAt_ && !justParked_); }

 private:
  static constexpr int kTickMs = 100;
  // Ticks from now until the one that parks, counting that one.
  int TicksUntilPark() const;
  void TickAwake(bool firstLookAfterPark);
  // Raw movement a hand makes into the corner, where the position cannot show it; until the
  // first look after a park nothing else counts, since that look reads every other movement.
  bool IntoTheCorner(RawMove move) const;

  // A button held or a window being moved or sized: the cursor would drag the window, the
  // selection or the file into the corner.
  bool DragUnderWay();
  void Park(Point pos);
  void PutParkedCursorBack();
  // Parked and listening: true when the raw movement (or its absence) decided this tick.
  bool JudgedByRawInput(Point pos);
  // Moved off the park point by something other than a hand's relative movement: the
  // cursor stays where it was put, and the spot saved before parking is forgotten.
  void StayWherePut();
  void ListenWhileParked(bool parked);

  WindowManager& windows_;
  RawInput& rawInput_;
  int rawListener_ = RawInput::kNotListening;
  bool handMoved_ = false;          // relative raw movement while parked
  bool justParked_ = false;         // no tick has looked since the park
  Point parkLeg_;                   // how far the last park moved the cursor
  std::optional<Point> offParkAt_;  // where the last tick saw a parked cursor off its point
  // A drag held a park back: every tick asks whether it still runs, and the rest counts from
  // its end.
  bool heldBackByDrag_ = false;

  DesktopLayout& desktop_;
  OwnCursor& cursor_;
  Timer& timer_;
  std::function<bool()> cursorOwnedInFront_;
  bool on_ = false;
  bool asleep_ = false;
  bool tickedSinceWake_ = true;
  int skippedTicks_ = 0;  // idle ticks the sleeping timer's one tick stands for
  std::optional<double> idleDelaySeconds_;
  bool taskbarAllowance_ = false;
  std::optional<Point> parkPoint_;  // the primary's park point, to recognise a parked cursor
  // Where the cursor was parked, on whichever monitor it rested.
  std::optional<Point> parkedAt_;
  // The park point moved since (the allowance, the display): a parked cursor is parked anew.
  bool parkPointMoved_ = false;
  std::optional<Point> savedPosition_;
  std::optional<Point> lastPosition_;  // the position the previous tick read
  int idleTicks_ = 0;
};

}  // namespace tarnwick
