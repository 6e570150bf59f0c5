#pragma once
#include <deque>
#include <optional>

#include "cursor/own_cursor.h"
#include "focus/focus_follow.h"
#include "focus/foreground_events.h"
#include "seam/key_activity.h"
#include "seam/point.h"
#include "seam/system_facts.h"
#include "seam/timer.h"
#include "seam/window_handle.h"
#include "seam/window_manager.h"

namespace tarnwick {

// The pointer follows a window the keyboard chose (Alt+Tab, Win+number, a window a key
// opened), so that the next nudge of the mouse does not take the keyboard back: it goes to
// where it last rested in that window, else to a free spot of it, its middle where that is
// free. A move of the program's own: it activates nothing and starts no hover wait.
//
// Asleep it costs nothing: where the system reports foreground changes, each report is
// looked at; where it does not (Wine), the first key of a burst of typing starts a look at
// the foreground every kLookMs, which ends a second after the last key.
class PointerFollow {
 public:
  // A foreground change this soon after a key, with no mouse input since, is the keyboard's.
  static constexpr int kKeyboardChoiceMs = 1000;
  static constexpr int kLookMs = 50;
  // The windows whose resting spot is remembered, the latest first.
  static constexpr std::size_t kRememberedSpots = 32;

  PointerFollow(WindowManager& windows, KeyActivity& keys, SystemFacts& facts,
                ForegroundEvents& foreground, OwnCursor& cursor, FocusFollow& focus,
                Timer& lookTimer);
  PointerFollow(const PointerFollow&) = delete;
  PointerFollow& operator=(const PointerFollow&) = delete;
  ~PointerFollow() { SetOn(false); }

  bool On() const { return on_; }
  void SetOn(bool on);
  // The look timer's tick.
  void LookTick();

 private:
  // The first key of a burst, where the system reports no foreground changes.
  void KeysBegan(WindowHandle foregroundAtFirstKey);
  void ForegroundChanged();
  void LookAt(WindowHandle foreground);
  bool KeyboardChose();
  // Where in the window the pointer goes; nothing when no spot of it shows.
  std::optional<Point> Destination(WindowHandle window);
  // What shows at the point is the window, or one of its own (a child, an owned pop-up).
  bool Shows(WindowHandle window, Point point);
  // The window is `shown` or one that `shown` climbs to through its parents and owners.
  bool Within(WindowHandle shown, WindowHandle window);
  void RememberSpot(WindowHandle window, Point spot);
  std::optional<Point> RememberedSpot(WindowHandle window) const;

  WindowManager& windows_;
  KeyActivity& keys_;
  SystemFacts& facts_;
  ForegroundEvents& foreground_;
  OwnCursor& cursor_;
  FocusFollow& focus_;
  Timer& lookTimer_;
  bool on_ = false;
  int foregroundListener_ = ForegroundEvents::kNotListening;
  WindowHandle lastForeground_ = kNoWindow;
  struct Spot {
    WindowHandle window;
    Point point;
  };
  std::deque<Spot> spots_;
};

}  // namespace tarnwick
