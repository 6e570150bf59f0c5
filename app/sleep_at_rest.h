#pragma once
#include "cursor/idle_parking.h"
#include "cursor/mouse_wrap.h"
#include "focus/focus_follow.h"
#include "seam/raw_input.h"
#include "seam/window_manager.h"

namespace tarnwick {

// A tray utility runs all day on laptops, and every timer tick keeps a core from its deep
// sleep. Once the mouse rests and nothing is pending, the features' timers stop; the first
// raw movement of the mouse (or, with a pin, a change of the foreground) wakes them, and they
// run as before until the next rest. Raw input is asked for only while asleep, so a moving
// mouse costs nothing extra.
class SleepAtRest {
 public:
  SleepAtRest(RawInput& rawInput, WindowManager& windows, FocusFollow& focus, MouseWrap& wrap,
              IdleParking& parking)
      : rawInput_(rawInput), windows_(windows), focus_(focus), wrap_(wrap), parking_(parking) {}
  SleepAtRest(const SleepAtRest&) = delete;
  SleepAtRest& operator=(const SleepAtRest&) = delete;
  ~SleepAtRest() { StopWatching(); }

  bool Asleep() const { return asleep_; }
  // Looks whether everything rests, and if so, sleeps.
  void SleepIfAtRest();
  // Everything runs again. Also for whatever the user changes by keyboard while asleep.
  void Wake();

 private:
  // Lets go of raw input and of the foreground watch.
  void StopWatching();

  RawInput& rawInput_;
  WindowManager& windows_;
  FocusFollow& focus_;
  MouseWrap& wrap_;
  IdleParking& parking_;
  bool asleep_ = false;
  int listener_ = RawInput::kNotListening;
  bool watchingForeground_ = false;
  // The system never reports foreground changes (Wine): a pin keeps the poll awake.
  bool foregroundUnreported_ = false;
  bool rawInputRefused_ = false;
};

}  // namespace tarnwick
