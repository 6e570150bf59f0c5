#include <algorithm>

#include "common/invariant.h"
#include "focus/focus_follow.h"

namespace tarnwick {

namespace {

// The activation raises the window only once its program handles it, which may come after
// a move we ask for at once (under Wine it always does): so the window is put back when it
// is seen raised, looked for this often for this many times.
constexpr int kSettleCheckMs = 15;
constexpr int kSettleChecks = 20;

}  // namespace

ActivationResult FocusFollow::Activate(WindowHandle window, bool pinned) {
  if (options_.raiseMode == RaiseMode::kAtOnce) return windows_.BringToForeground(window);
  // The window already in front is not activated again and stays where it stands.
  const bool inFront = windows_.ForegroundWindow() == window;
  const WindowHandle above = inFront ? kNoWindow : windows_.WindowAbove(window);
  const ActivationResult result = windows_.BringToForeground(window);
  if (result != ActivationResult::kActivated) return result;
  if (options_.raiseMode == RaiseMode::kAfterDelay && !pinned && raiseWindow_ != window) {
    raiseWindow_ = window;
    raiseDueInMs_ = options_.raiseDelayMs;
  }
  settle_.reset();
  if (above != kNoWindow) {
    settle_ = Settle{window, above, kSettleChecks};
    if (PutBackIfRaised()) settle_.reset();
  }
  ArmRaiseTimer();
  return result;
}

bool FocusFollow::PutBackIfRaised() {
  // Raised means above the window that covered it: hidden windows (the input method's),
  // and under Wine our own, may stay above an activated window, and a window that opens
  // meanwhile lands on top. Back below the same window, so the screen does not change.
  // Only once: a window that raises itself after its activation is left where it put itself.
  if (!windows_.StandsAbove(settle_->window, settle_->above)) return false;
  windows_.PlaceBelow(settle_->window, settle_->above);
  return true;
}

void FocusFollow::ArmRaiseTimer() {
  raiseTimer_.SetEnabled(false);
  if (settle_) {
    raiseTimer_.SetIntervalMs(kSettleCheckMs);
  } else if (raiseWindow_) {
    raiseTimer_.SetIntervalMs(std::max(1, raiseDueInMs_));
  } else {
    return;
  }
  raiseTimer_.SetEnabled(true);
}

void FocusFollow::CancelRaise() {
  raiseWindow_.reset();
  settle_.reset();
  raiseTimer_.SetEnabled(false);
}

void FocusFollow::RaiseTick() {
  TARNWICK_CHECK(raiseTimer_.Enabled() || !RaisePending(), "a raise due without its timer");
  if (settle_) {
    raiseDueInMs_ -= kSettleCheckMs;
    if (PutBackIfRaised() || --settle_->checksLeft <= 0) settle_.reset();
    ArmRaiseTimer();
    return;
  }
  if (!raiseWindow_) {
    raiseTimer_.SetEnabled(false);
    return;
  }
  // A drag on its way to a window in front would lose its target under the raised one: the
  // raise waits another delay, as long as the user is busy.
  if (UserBusy()) {
    raiseDueInMs_ = options_.raiseDelayMs;
    ArmRaiseTimer();
    return;
  }
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
