#pragma once
#include <functional>
#include <optional>

#include "common/quiet_watch.h"
#include "common/wake_signal.h"
#include "cursor/desktop_layout.h"
#include "cursor/desktop_shape.h"
#include "cursor/edge_wrap.h"
#include "cursor/own_cursor.h"
#include "seam/point.h"
#include "seam/raw_input.h"
#include "seam/timer.h"
#include "seam/window_manager.h"

namespace tarnwick {

// The edges of the desktop a cursor may wrap across.
using WrapEdge = DesktopEdge;

// Mouse wrap: a cursor pushed against a chosen edge of the desktop reappears at the far end
// of the same row or column; with several monitors only where no monitor lies beyond. Runs
// on its timer while switched on.
class MouseWrap {
 public:
  // `cursorOwnedInFront` says whether a program in front owns the cursor now (a game or a
  // presentation the user leaves alone): no wrap then.
  MouseWrap(WindowManager& windows, DesktopLayout& desktop, RawInput& rawInput, OwnCursor& cursor,
            Timer& timer, std::function<bool()> cursorOwnedInFront);

  // Raised before any change takes effect.
  WakeSignal changed;

  bool On() const { return on_; }
  void SetOn(bool on);
  // Its timer runs.
  bool Ticking() const { return timer_.Enabled(); }
  // Wrap only once the user keeps pushing against the edge (an option, off by default).
  void SetPushOnly(bool pushOnly);
  bool EdgeWraps(WrapEdge edge) const { return edges_[static_cast<int>(edge)]; }
  void SetEdgeWraps(WrapEdge edge, bool wraps) {
    changed.Raise();
    edges_[static_cast<int>(edge)] = wraps;
  }

  void Tick();

  // Nothing can be pushed anywhere until the mouse moves: the last input has been looked at.
  bool AtRest(std::uint32_t lastInputTime) const {
    return !on_ || (quiet_.Settled(lastInputTime) && !ParkedCursorGivenBack());
  }
  // While asleep the timer stands still; the first movement wakes it.
  void Sleep();
  void Wake();

 private:
  WindowManager& windows_;
  OwnCursor& cursor_;
  Timer& timer_;
  std::function<bool()> cursorOwnedInFront_;
  EdgeWrap edgeWrap_;
  bool on_ = false;
  bool pushOnly_ = false;
  bool asleep_ = false;
  bool edges_[4] = {false, false, false, false};
  // The last look found the cursor parked; it is no longer, so it must be looked at again.
  bool ParkedCursorGivenBack() const { return sawParked_ && !cursor_.Parked(); }

  std::optional<Point> lastPosition_;
  std::optional<Point> lastLook_;  // what its own last look read, ours or not
  bool sawParked_ = false;
  // Whether anything happened since the last look; every second it looks anyway, for
  // programs that move the cursor without making input.
  QuietWatch quiet_{10};
};

}  // namespace tarnwick
