#include "common/invariant.h"
#include "focus/focus_follow.h"

namespace tarnwick {

ActivationResult FocusFollow::Activate(WindowHandle window, bool pinned) {
  if (options_.raiseMode == RaiseMode::kAtOnce) return windows_.BringToForeground(window);
  // Windows raises the window it activates; the window already in front is not asked again
  // and stays where it stands.
  const bool inFront = windows_.ForegroundWindow() == window;
  const WindowHandle above = inFront ? kNoWindow : windows_.WindowAbove(window);
  const ActivationResult result = windows_.BringToForeground(window);
  if (result != ActivationResult::kActivated) return result;
  // Back below the same window at once, so the screen does not change. A window that raises
  // itself on activation does so after this, and is left where it put itself.
  if (above != kNoWindow) windows_.PlaceBelow(window, above);
  if (options_.raiseMode == RaiseMode::kAfterDelay && !pinned && raiseWindow_ != window) {
    raiseWindow_ = window;
    raiseTimer_.SetEnabled(false);
    raiseTimer_.SetIntervalMs(options_.raiseDelayMs);
    raiseTimer_.SetEnabled(true);
  }
  return result;
}

void FocusFollow::CancelRaise() {
  raiseWindow_.reset();
  raiseTimer_.SetEnabled(false);
}

void FocusFollow::RaiseTick() {
  TARNWICK_CHECK(raiseTimer_.Enabled() || !RaisePending(), "a raise due without its timer");
  if (!RaisePending()) {
    raiseTimer_.SetEnabled(false);
    return;
  }
  // A drag on its way to a window in front would lose its target under the raised one: the
  // raise waits another delay, as long as the user is busy.
  if (UserBusy()) return;
  const WindowHandle window = *raiseWindow_;
  CancelRaise();
  if (!enabled_ || options_.raiseMode != RaiseMode::kAfterDelay) return;
  // Only a window that kept the keyboard and the mouse comes forward: one the user left, or
  // that lost the keyboard to another window, stays where it stands.
  Point cursor;
  if (!windows_.CursorPosition(cursor)) return;
  if (TopLevel(windows_.ForegroundWindow()) != window) return;
  if (TopLevel(windows_.WindowFromPoint(cursor)) != window) return;
  windows_.PlaceBelow(window, kNoWindow);
}

}  // namespace tarnwick
