#include "focus/focus_follow.h"

#include <cstdlib>
#include <string>

#include "common/invariant.h"
#include "focus/exclusions.h"

namespace tarnwick {

namespace {

// Windows nests child windows only a few dozen deep; a chain longer than this is a
// parent/owner loop in a misbehaving program, and we stop where we are.
constexpr int kMaxClimbSteps = 256;

// Titles are read into a 100-character buffer, so at most 99 characters are seen.
constexpr int kTitleMaxCount = 100;
// An exclusion's "title:" text may lie further in than the poll's own title test looks.
constexpr int kExclusionTitleMaxCount = 512;

// A cursor that moved no more than this in either direction has not been moved by the
// user: a nudged desk or a trackpoint's drift must not hand the keyboard elsewhere.
constexpr int kCursorDriftPx = 3;

bool IsTitled(const std::string& title) {
  return title.find_first_not_of(' ') != std::string::npos;
}

}  // namespace

FocusFollow::FocusFollow(WindowManager& windows, TextRules& text, EventLoop& loop,
                         OwnCursor& cursor, const Options& options, Timer& pollTimer,
                         Timer& hoverTimer, Timer& raiseTimer)
    : windows_(windows),
      text_(text),
      loop_(loop),
      cursor_(cursor),
      options_(options),
      pollTimer_(pollTimer),
      hoverTimer_(hoverTimer),
      raiseTimer_(raiseTimer),
      pollIntervalMs_(pollTimer.IntervalMs()) {}

void FocusFollow::PinWindow(WindowHandle window) {
  changed.Raise();
  if (window == kNoWindow) {
    pin_.reset();
    return;
  }
  pin_ = window;
  pinRefusedAtInput_.reset();
}

void FocusFollow::Unpin() {
  changed.Raise();
  if (pin_) unpinnedSinceMove_ = true;
  pin_.reset();
}

void FocusFollow::HoldUntilMoved() {
  pendingWindow_.reset();
  hoverTimer_.SetEnabled(false);
  heldForeground_.reset();
  heldUntilMoved_ = false;
  Point cursor;
  if (!windows_.CursorPosition(cursor)) return;
  lastMovedCursor_ = cursor;
  lastPointWindow_ = windows_.WindowFromPoint(cursor);
}

void FocusFollow::EnforcePin() {
  if (!pin_) return;
  // A locked workstation hides the cursor and every window: asking for the foreground then
  // only flashes a taskbar button no one sees, four times a second.
  Point cursor;
  if (!windows_.CursorPosition(cursor)) return;
  // A game or a presentation in front keeps it: the pin waits until it ends.
  if (FullscreenProgramLeftAlone()) return;
  // Refused once, the pin is asked for again only when something changed: new input from
  // the user, or another window in front. Each refused request flashes the taskbar button.
  if (pinRefusedAtInput_ && *pinRefusedAtInput_ == windows_.LastInputTime() &&
      pinRefusedForeground_ == windows_.ForegroundWindow()) {
    return;
  }
  const WindowHandle pinned = *pin_;
  switch (Activate(pinned, true)) {
    case ActivationResult::kActivated:
      pinRefusedAtInput_.reset();
      break;
    case ActivationResult::kRefused:
      pinRefusedAtInput_ = windows_.LastInputTime();
      pinRefusedForeground_ = windows_.ForegroundWindow();
      break;
    case ActivationResult::kWindowGone:
      // A closed window cannot be pinned: keeping its pin would silence focus-follow until
      // the user remembers to unpin.
      pin_.reset();
      break;
  }
}

bool FocusFollow::FullscreenProgramLeftAlone() {
  return options_.leaveFullscreenAlone && windows_.FullscreenProgramInFront();
}

bool FocusFollow::PauseKeyHeld() {
  return options_.holdKeyMode == HoldKeyMode::kPause && ModifierHeld(options_.pauseKey);
}

bool FocusFollow::FollowKeyLetGo() {
  // With no key chosen there is nothing to hold, and the mode changes nothing.
  return options_.holdKeyMode == HoldKeyMode::kFollow && options_.pauseKey != PauseKey::kNone &&
         !ModifierHeld(options_.pauseKey);
}

bool FocusFollow::ModifierHeld(PauseKey key) {
  switch (key) {
    case PauseKey::kNone:
      return false;
    case PauseKey::kCtrl:
      return windows_.ModifierKeyDown(ModifierKey::kCtrl);
    case PauseKey::kAlt:
      return windows_.ModifierKeyDown(ModifierKey::kAlt);
    case PauseKey::kShift:
      return windows_.ModifierKeyDown(ModifierKey::kShift);
    case PauseKey::kWin:
      return windows_.ModifierKeyDown(ModifierKey::kWin);
  }
  return false;
}

bool FocusFollow::Excluded(WindowHandle topLevel) {
  if (options_.exclusions.empty()) return false;
  return MatchesExclusion(
      options_.exclusions,
      WindowFacts{[&] { return windows_.ProgramFileName(topLevel); },
                  [&] { return windows_.ClassName(topLevel); },
                  [&] { return windows_.WindowTitle(topLevel, kExclusionTitleMaxCount); }},
      text_);
}

bool FocusFollow::WouldActivate(WindowHandle topLevel) {
  return enabled_ && !pin_ && !windows_.IsShellWindow(topLevel) && !windows_.IsCloaked(topLevel) &&
         !Excluded(topLevel) && IsTitled(windows_.WindowTitle(topLevel, kTitleMaxCount)) &&
         !FullscreenProgramLeftAlone();
}

bool FocusFollow::CursorMovedFrom(Point cursor) const {
  if (!lastMovedCursor_) return true;
  return std::abs(cursor.x - lastMovedCursor_->x) > kCursorDriftPx ||
         std::abs(cursor.y - lastMovedCursor_->y) > kCursorDriftPx;
}

std::optional<FocusOutcome> FocusFollow::UserBusy() {
  if (windows_.MouseButtonDown()) return FocusOutcome::kButtonHeld;
  if (windows_.MenuOrMoveSizeActive()) return FocusOutcome::kMenuOpen;
  if (windows_.ShellTransientInFront()) return FocusOutcome::kShellInFront;
  if (PauseKeyHeld()) return FocusOutcome::kPaused;
  if (FullscreenProgramLeftAlone()) return FocusOutcome::kFullscreen;
  return std::nullopt;
}

WindowHandle FocusFollow::TopLevel(WindowHandle window) {
  for (int step = 0; step < kMaxClimbSteps; ++step) {
    const WindowHandle parent = windows_.Parent(window);
    if (parent == kNoWindow) break;
    window = parent;
  }
  return window;
}

bool FocusFollow::ForegroundMovedAway() {
  return TopLevel(windows_.ForegroundWindow()) != lastWindow_;
}

void FocusFollow::PollTick() {
  if (wakeLooksLeft_ > 0 && --wakeLooksLeft_ == 0) pollTimer_.SetIntervalMs(pollIntervalMs_);
  EndWaitIfMoved();
  if (NothingToLookAt()) {
    EnforcePin();
    return;
  }
  if (!wakingLook_) loop_.PumpPending();
  EnforcePin();
  const std::optional<Look> look = LookAtCursor();
  if (!look) return;
  const std::optional<WindowHandle> arrived = NewWindowUnder(*look);
  if (!arrived) return;
  StartCycle(TopLevel(*arrived));
}

bool FocusFollow::NothingToLookAt() {
  // A cycle is waiting out its hover delay: this tick is held back so cycles never nest,
  // but a pin holds meanwhile too.
  if (HoverWaitPending()) return true;
  // Following only the user's own movement, a tick after which nothing happened has nothing
  // to find: it asks when the last input was, and leaves the cursor unread.
  return options_.followOnlyWhenMoved && !ActivationHeld() &&
         quiet_.Quiet(windows_.LastInputTime());
}

std::optional<FocusFollow::Look> FocusFollow::LookAtCursor() {
  // The cursor cannot be read while the workstation is locked; guessing a position would
  // start a cycle on whatever window sits there, so the tick counts as unchanged.
  Point cursor;
  if (!windows_.CursorPosition(cursor)) {
    quiet_.Forget();  // look again next tick, input or not
    return std::nullopt;
  }
  const bool moved = CursorMovedFrom(cursor);
  if (ActivationHeld()) {
    // The last cycle found the user busy. Once free, the window under the resting cursor
    // gets a cycle of its own, as if the cursor had just arrived; unless the foreground
    // changed meanwhile: a menu command opened or chose a window, and bringing the window
    // under the cursor over it would undo what the user just did.
    if (UserBusy()) return std::nullopt;
    const bool foregroundKept = !heldUntilMoved_ && windows_.ForegroundWindow() == *heldForeground_;
    heldForeground_.reset();
    heldUntilMoved_ = false;
    if (!foregroundKept) {
      // Until the mouse moves on, where the cursor rests now is no arrival.
      lastMovedCursor_ = cursor;
      lastPointWindow_ = windows_.WindowFromPoint(cursor);
      return std::nullopt;
    }
    lastPointWindow_ = kNoWindow;
  } else if (options_.followOnlyWhenMoved && !moved) {
    // Only the user's hand moves the focus: a window that appears, vanishes or moves under a
    // still cursor leaves the keyboard where the user put it, and costs no window lookup.
    return std::nullopt;
  }
  // Idle parking put the cursor there, not the user: following it would pull the focus
  // away from the window the user is typing in, and again on the way back.
  if (cursor_.IsOurs(cursor)) return std::nullopt;
  lastMovedCursor_ = cursor;
  return Look{cursor, moved};
}

std::optional<WindowHandle> FocusFollow::NewWindowUnder(const Look& look) {
  const WindowHandle underCursor = windows_.WindowFromPoint(look.cursor);
  // The same window as before needs no new cycle, unless the keyboard, another program or a
  // pin now gone took the foreground from it and the user now moves the mouse inside it again.
  const bool unpinned = unpinnedSinceMove_;
  if (look.moved) unpinnedSinceMove_ = false;
  if (underCursor == lastPointWindow_ && !(look.moved && (unpinned || ForegroundMovedAway()))) {
    return std::nullopt;
  }
  lastPointWindow_ = underCursor;
  return underCursor;
}

void FocusFollow::StartCycle(WindowHandle topLevel) {
  // The desktop and the taskbar would take the keyboard from the program the user types in,
  // and a cloaked window is not there to see: neither is handled, so the hotkeys keep acting
  // on the last real window.
  if (windows_.IsShellWindow(topLevel)) {
    // The cursor came to rest on an open menu's items: once the menu closes, the window under
    // the cursor is no target until the mouse moves. The item chosen may open or choose a
    // window only a moment after the menu closed, so the foreground tells nothing yet.
    if (windows_.MenuOrMoveSizeActive()) {
      heldForeground_ = windows_.ForegroundWindow();
      heldUntilMoved_ = true;
    }
    return Decided(topLevel, FocusOutcome::kShellWindow);
  }
  if (windows_.IsCloaked(topLevel)) return Decided(topLevel, FocusOutcome::kCloaked);
  // The user's own exclusions are never targets either.
  if (Excluded(topLevel)) return Decided(topLevel, FocusOutcome::kExcluded);

  if (!IsTitled(windows_.WindowTitle(topLevel, kTitleMaxCount))) {
    lastWindow_ = topLevel;
    Decided(topLevel, FocusOutcome::kUntitled);
    return;
  }

  // The activation waits for the hover timer; everything else keeps running meanwhile, and
  // the enabled state and the pin are read only when the wait is over.
  pendingWindow_ = topLevel;
  // Off first, so the wait is a full interval even if the timer was still running.
  hoverTimer_.SetEnabled(false);
  hoverTimer_.SetEnabled(true);
}

void FocusFollow::EndWaitIfMoved() {
  if (!options_.waitUntilStill || !HoverWaitPending()) return;
  Point cursor;
  // Parking moved the cursor, not the hand; and an unreadable cursor tells nothing.
  if (!windows_.CursorPosition(cursor) || !CursorMovedFrom(cursor) || cursor_.IsOurs(cursor)) {
    return;
  }
  pendingWindow_.reset();
  hoverTimer_.SetEnabled(false);
  // The next look counts as a movement onto a new window, wherever the mouse is then.
  lastPointWindow_ = kNoWindow;
  lastMovedCursor_.reset();
}

bool FocusFollow::AtRest(bool foregroundChangesReported, std::uint32_t lastInputTime) const {
  // Unticked, the poll follows windows that appear under a still cursor: it never rests.
  return options_.followOnlyWhenMoved && !HoverWaitPending() && !ActivationHeld() &&
         quiet_.Settled(lastInputTime) && (!pin_ || foregroundChangesReported);
}

void FocusFollow::Wake() {
  if (pollTimer_.Enabled()) return;
  // A look now rather than an interval later: the hand may already rest on a window (a pin
  // whose window lost the foreground is asked for again, too). The system may report the
  // movement before the cursor shows it, so two more looks follow soon; then the poll keeps
  // its own rhythm. The first movement after a rest is followed no later than before.
  wakingLook_ = true;
  PollTick();
  wakingLook_ = false;
  // The looks after it count as new: a read that still showed the old spot must not let
  // the poll settle, and sleep, before the cursor was seen where the hand put it.
  quiet_.Forget();
  wakeLooksLeft_ = kWakeLooks;
  pollTimer_.SetIntervalMs(kWakeLookMs);
  pollTimer_.SetEnabled(true);
}

void FocusFollow::HoverTick() {
  // A wait is only ever pending with its timer running: the tick ends that wait.
  TARNWICK_CHECK(hoverTimer_.Enabled() || !HoverWaitPending(), "a hover wait without its timer");
  loop_.PumpPending();
  hoverTimer_.SetEnabled(false);
  EndWaitIfMoved();
  if (!HoverWaitPending()) return;

  const WindowHandle handled = *pendingWindow_;
  pendingWindow_.reset();
  if (!enabled_) Decided(handled, FocusOutcome::kSwitchedOff);
  if (enabled_) {
    // Held to follow, a key let go leaves the window be; no cycle waits for the key, so the
    // next movement with the key held starts afresh, wherever the mouse is.
    if (FollowKeyLetGo()) {
      Decided(handled, FocusOutcome::kPaused);
      lastPointWindow_ = kNoWindow;
      return;
    }
    // A menu the user opened, a drag under way or a shell flyout would be broken by an
    // activation now; the cycle ends unfinished and starts again once the user is free.
    if (const std::optional<FocusOutcome> busy = UserBusy()) {
      Decided(handled, *busy);
      heldForeground_ = windows_.ForegroundWindow();
      return;
    }
    if (pin_ && Activate(*pin_, true) != ActivationResult::kWindowGone) {
      lastWindow_ = *pin_;
      Decided(*pin_, FocusOutcome::kPinKept);
      return;
    }
    pin_.reset();  // a closed window cannot be pinned
    // Sent to another virtual desktop during the wait: bringing it forward would switch
    // desktops under the user.
    if (windows_.IsCloaked(handled)) return Decided(handled, FocusOutcome::kCloaked);
    TARNWICK_CHECK(!pin_, "a dropped pin is never activated");
    Decided(handled, OutcomeOf(Activate(handled, false)));
  }
  lastWindow_ = handled;
}

}  // namespace tarnwick
