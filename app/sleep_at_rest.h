#pragma once
#include <cstdint>
#include <optional>

#include "cursor/idle_parking.h"
#include "cursor/mouse_wrap.h"
#include "cursor/own_cursor.h"
#include "focus/focus_follow.h"
#include "focus/foreground_events.h"
#include "seam/point.h"
#include "seam/raw_input.h"
#include "seam/timer.h"
#include "seam/window_manager.h"

namespace tarnwick {

// A tray utility runs all day on laptops, and every timer tick keeps a core from its deep
// sleep. Once the mouse rests and nothing is pending, the features' timers stop. This is the
// one place that decides what wakes them:
// - a movement of the cursor, whoever made it: a hand's raw input; any other mover (a pen, an
//   eye tracker, a remote-control tool's SetCursorPos) through the system's cursor watch, or,
//   where the system reports no cursor moves, a lazy look at the cursor every half second;
// - with a pin, a change of the foreground;
// - any change that reaches a feature (its settings, its edges, the options): each feature
//   raises its `changed` signal before the change takes effect, so no handler has to remember.
// A key that changes nothing wakes nothing. Asleep always means: raw input is held, and the
// poll and the wrap stand still.
class SleepAtRest {
 public:
  static constexpr int kRestLookMs = 500;

  SleepAtRest(RawInput& rawInput, WindowManager& windows, ForegroundEvents& foreground,
              OwnCursor& cursor, Timer& restLook, FocusFollow& focus, MouseWrap& wrap,
              IdleParking& parking);
  SleepAtRest(const SleepAtRest&) = delete;
  SleepAtRest& operator=(const SleepAtRest&) = delete;
  ~SleepAtRest() { StopWatching(); }

  bool Asleep() const { return asleep_; }
  // Looks whether everything rests, and if so, sleeps.
  void SleepIfAtRest();
  // Everything runs again.
  void Wake();
  // The lazy look's tick, where the system reports no cursor moves.
  void RestLookTick();

 private:
  // Lets go of raw input, the cursor watch, the lazy look and the foreground watch.
  void StopWatching();
  // Starts listening for every way the cursor can move; false when nothing would tell.
  bool WatchCursor();
  // The cursor stands elsewhere than where it slept, and not where the program put it.
  bool CursorMovedSinceSleep();
  void CheckAsleepState() const;

  RawInput& rawInput_;
  WindowManager& windows_;
  ForegroundEvents& foreground_;
  OwnCursor& cursor_;
  Timer& restLook_;
  FocusFollow& focus_;
  MouseWrap& wrap_;
  IdleParking& parking_;
  bool asleep_ = false;
  int listener_ = RawInput::kNotListening;
  bool watchingCursor_ = false;
  int foregroundListener_ = ForegroundEvents::kNotListening;
  std::optional<Point> cursorAtSleep_;
  // The system never reports foreground changes (Wine): a pin keeps the poll awake.
  bool foregroundUnreported_ = false;
  bool rawInputRefused_ = false;
};

}  // namespace tarnwick
