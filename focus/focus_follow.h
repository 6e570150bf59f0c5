#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "common/quiet_watch.h"
#include "common/wake_signal.h"
#include "cursor/own_cursor.h"
#include "focus/focus_log.h"
#include "focus/options.h"
#include "seam/event_loop.h"
#include "seam/point.h"
#include "seam/text_rules.h"
#include "seam/timer.h"
#include "seam/window_handle.h"
#include "seam/window_manager.h"

namespace tarnwick {

// Focus-follow: a poll on its timer finds the window under the resting cursor, a hover
// wait on a second timer (its interval is the hover delay) brings it forward, and a pinned
// window keeps the foreground meanwhile. Where the options say so, the window gets the
// keyboard where it stands in the Z order, and a third timer raises it later.
class FocusFollow {
 public:
  FocusFollow(WindowManager& windows, TextRules& text, EventLoop& loop, OwnCursor& cursor,
              const Options& options, Timer& pollTimer, Timer& hoverTimer, Timer& raiseTimer);

  // Raised before any change takes effect.
  WakeSignal changed;

  // Starts the poll.
  void Start() { pollTimer_.SetEnabled(true); }
  bool Polling() const { return pollTimer_.Enabled(); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) {
    changed.Raise();
    enabled_ = enabled;
  }
  int HoverDelayMs() const { return hoverTimer_.IntervalMs(); }
  void SetHoverDelayMs(int delayMs) {
    changed.Raise();
    hoverTimer_.SetIntervalMs(delayMs);
  }
  // The options it reads changed (they are the caller's, read at each decision).
  void OptionsChanged() { changed.Raise(); }

  // Whether a cycle that found this top-level window would bring it forward now, as far as
  // the window goes (the desktop, an excluded program, another virtual desktop, a fullscreen
  // program left alone); what the user is in the middle of is not asked.
  bool WouldActivate(WindowHandle topLevel);
  // The top-level window a window belongs to: its parents' and owners' last.
  WindowHandle TopLevelOf(WindowHandle window) { return TopLevel(window); }

  // The window the poll handled last, or the pin: what the hotkeys act on.
  WindowHandle LastWindow() const { return lastWindow_; }
  std::optional<WindowHandle> Pin() const { return pin_; }
  // Pins a window so that it keeps the foreground; kNoWindow pins nothing (pinning it would
  // only silence the poll until the user unpins).
  void PinWindow(WindowHandle window);
  // After an unpin the window under the pointer is a new candidate at the next movement,
  // even inside the window the pin kept in the background.
  void Unpin();
  // A command of ours was chosen from a menu, or a key chose a window: what was opened or
  // chosen keeps the foreground until the mouse moves, wherever the pointer was left (a
  // cycle under way is dropped).
  void HoldUntilMoved();
  // A poll cycle waits for the hover timer.
  bool HoverWaitPending() const { return pendingWindow_.has_value(); }
  // A finished wait found the user busy, and the cycle starts afresh when the user is free.
  bool ActivationHeld() const { return heldForeground_.has_value(); }

  void PollTick();
  void HoverTick();
  // A window that got the keyboard comes to the front once it has kept it a while.
  bool RaisePending() const { return raiseWindow_.has_value() || settle_.has_value(); }
  void RaiseTick();
  // The user placed the window in the Z order: a raise due would undo that.
  void CancelRaise();

  // Told of each window the poll decided on and what became of it.
  using DecisionListener = std::function<void(WindowHandle target, FocusOutcome outcome)>;
  void OnDecision(DecisionListener listener) { onDecision_ = std::move(listener); }

  // Nothing is pending and the last input has been looked at, so nothing can happen until
  // the mouse moves; and a pin, if any, can rely on being told of a foreground change.
  bool AtRest(bool foregroundChangesReported, std::uint32_t lastInputTime) const;
  // While asleep the poll stands still; the first movement (or a foreground change, for a
  // pin, or any change of its state) wakes it, and it looks at once.
  void Sleep() { pollTimer_.SetEnabled(false); }
  void Wake();

 private:
  void EnforcePin();
  bool CursorMovedFrom(Point cursor) const;
  // What the user is in the middle of, that an activation now would break.
  std::optional<FocusOutcome> UserBusy();
  bool PauseKeyHeld();
  // Focus-follow follows only while the key is held, and it is not held now.
  bool FollowKeyLetGo();
  bool ModifierHeld(PauseKey key);
  bool FullscreenProgramLeftAlone();
  bool Excluded(WindowHandle topLevel);
  WindowHandle TopLevel(WindowHandle window);
  // The foreground is no longer the window the poll last handled (the keyboard or another
  // program chose another).
  bool ForegroundMovedAway();

  // The steps of a poll tick.
  struct Look {
    Point cursor;
    bool moved = false;  // by the user, since the poll last saw it move
  };
  bool NothingToLookAt();
  // The cursor the user moved, or nothing to follow this tick.
  std::optional<Look> LookAtCursor();
  // The window the cursor arrived at, or nothing when it is the one seen before.
  std::optional<WindowHandle> NewWindowUnder(const Look& look);
  // Starts the hover wait for a window that may be a target.
  void StartCycle(WindowHandle topLevel);
  void Decided(WindowHandle target, FocusOutcome outcome) {
    if (onDecision_) onDecision_(target, outcome);
  }
  // Brings a window to the foreground and treats the Z order as the options say; a pin gets
  // the keyboard, never a raise of its own.
  ActivationResult Activate(WindowHandle window, bool pinned);
  // Waiting until the mouse stops: a movement during a hover wait ends the wait, and the
  // poll starts a new one where the mouse is now.
  void EndWaitIfMoved();
  // Puts the window being settled back where it stood, once the activation raised it.
  bool PutBackIfRaised();
  // The raise timer ticks for what is due first: a settling check or the raise.
  void ArmRaiseTimer();

  WindowManager& windows_;
  TextRules& text_;
  EventLoop& loop_;
  OwnCursor& cursor_;
  const Options& options_;
  Timer& pollTimer_;
  Timer& hoverTimer_;
  Timer& raiseTimer_;
  const int pollIntervalMs_;
  // The looks that follow the first after waking, and how soon each follows the last.
  static constexpr int kWakeLooks = 2;
  static constexpr int kWakeLookMs = 50;
  int wakeLooksLeft_ = 0;
  // The look a wake makes runs inside whatever woke it (a raw input message, a key): it must
  // not pump, or it would take input that belongs to that handler's caller (a menu's loop).
  bool wakingLook_ = false;

  bool enabled_ = true;
  std::optional<WindowHandle> pin_;
  bool unpinnedSinceMove_ = false;
  WindowHandle lastWindow_ = kNoWindow;
  WindowHandle lastPointWindow_ = kNoWindow;
  std::optional<WindowHandle> pendingWindow_;  // the window a running hover wait activates
  std::optional<WindowHandle> raiseWindow_;    // the window a running raise delay raises
  int raiseDueInMs_ = 0;
  // A window given the keyboard where it stood: it goes back below `above` once raised.
  struct Settle {
    WindowHandle window;
    WindowHandle above;
    int checksLeft;
  };
  std::optional<Settle> settle_;
  std::optional<Point> lastMovedCursor_;  // the cursor
                                          // where the poll last saw the user move it
  // While an activation is held: the foreground when the hold began; and whether the hold
  // ends only when the mouse moves, whatever the foreground then.
  std::optional<WindowHandle> heldForeground_;
  bool heldUntilMoved_ = false;
  // A pin the system refused: asked again only after new input or a new foreground.
  std::optional<std::uint32_t> pinRefusedAtInput_;
  WindowHandle pinRefusedForeground_ = kNoWindow;
  // Whether anything happened since the poll last looked; every second it looks anyway, for
  // programs that move the cursor without making input.
  QuietWatch quiet_{4};
  DecisionListener onDecision_;
};

}  // namespace tarnwick
