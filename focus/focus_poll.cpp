#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "app/form1.h"
#include "common/number_text.h"
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

// The pinned window named by the tag, or nothing. A tag that is not a handle's text pins
// nothing, and neither does 0: it names no window, and pinning it would only silence the
// poll until the user unpins.
std::optional<WindowHandle> PinnedWindow(const std::string& tag) {
  if (tag.empty()) return std::nullopt;
  const std::optional<std::int32_t> handle = ToInt32(tag);
  if (!handle || *handle == kNoWindow) return std::nullopt;
  return *handle;
}

bool IsTitled(const std::string& title) {
  return title.find_first_not_of(' ') != std::string::npos;
}

}  // namespace

void Form1::EnforcePin() {
  const std::optional<WindowHandle> pin = PinnedWindow(tag);
  if (!pin) return;
  // A game or a presentation in front keeps it: the pin waits until it ends.
  if (FullscreenProgramLeftAlone()) return;
  // A closed window cannot be pinned: keeping its pin would silence focus-follow until the
  // user remembers to unpin.
  if (platform_.windows.BringToForeground(*pin) == ActivationResult::kWindowGone) tag.clear();
}

bool Form1::FullscreenProgramLeftAlone() {
  return options_.leaveFullscreenAlone && platform_.windows.FullscreenProgramInFront();
}

bool Form1::PauseKeyHeld() {
  switch (options_.pauseKey) {
    case PauseKey::kNone:
      return false;
    case PauseKey::kCtrl:
      return platform_.windows.ModifierKeyDown(ModifierKey::kCtrl);
    case PauseKey::kAlt:
      return platform_.windows.ModifierKeyDown(ModifierKey::kAlt);
    case PauseKey::kShift:
      return platform_.windows.ModifierKeyDown(ModifierKey::kShift);
    case PauseKey::kWin:
      return platform_.windows.ModifierKeyDown(ModifierKey::kWin);
  }
  return false;
}

bool Form1::Excluded(WindowHandle topLevel) {
  if (options_.exclusions.empty()) return false;
  WindowManager& windows = platform_.windows;
  return MatchesExclusion(
      options_.exclusions,
      WindowFacts{[&] { return windows.ProgramFileName(topLevel); },
                  [&] { return windows.ClassName(topLevel); },
                  [&] { return windows.WindowTitle(topLevel, kExclusionTitleMaxCount); }});
}

bool Form1::CursorMovedFrom(Point cursor) const {
  if (!LastMovedCursor) return true;
  return std::abs(cursor.x - LastMovedCursor->x) > kCursorDriftPx ||
         std::abs(cursor.y - LastMovedCursor->y) > kCursorDriftPx;
}

bool Form1::UserBusy() {
  return platform_.windows.MouseButtonDown() || platform_.windows.MenuOrMoveSizeActive() ||
         platform_.windows.ShellTransientInFront() || PauseKeyHeld() ||
         FullscreenProgramLeftAlone();
}

void Form1::Timer1_Timer() {
  // A cycle is waiting out its hover delay: this tick is held back so cycles never nest,
  // but a pin holds meanwhile too.
  if (HoverWaitPending()) {
    EnforcePin();
    return;
  }

  // Following only the user's own movement, a tick after which nothing happened has nothing
  // to find: it asks when the last input was, and leaves the cursor unread.
  if (options_.followOnlyWhenMoved && !ActivationHeld &&
      pollQuiet_.Quiet(platform_.windows.LastInputTime())) {
    EnforcePin();
    return;
  }

  platform_.loop.PumpPending();
  EnforcePin();

  // The cursor cannot be read while the workstation is locked; guessing a position would
  // start a cycle on whatever window sits there, so the tick counts as unchanged.
  Point cursor;
  if (!platform_.windows.CursorPosition(cursor)) {
    pollQuiet_.Forget();  // look again next tick, input or not
    return;
  }
  if (ActivationHeld) {
    // The last cycle found the user busy. Once free, the window under the resting cursor
    // gets a cycle of its own, as if the cursor had just arrived.
    if (UserBusy()) return;
    ActivationHeld = false;
    LastPointWindow = kNoWindow;
  } else if (options_.followOnlyWhenMoved && !CursorMovedFrom(cursor)) {
    // Only the user's hand moves the focus: a window that appears, vanishes or moves under a
    // still cursor leaves the keyboard where the user put it, and costs no window lookup.
    return;
  }
  // Idle parking put the cursor there, not the user: following it would pull the focus
  // away from the window the user is typing in, and again on the way back.
  if (CursorIsOurs(cursor)) return;
  LastMovedCursor = cursor;
  const WindowHandle underCursor = platform_.windows.WindowFromPoint(cursor);
  if (underCursor == LastPointWindow) return;
  LastPointWindow = underCursor;

  WindowHandle topLevel = underCursor;
  for (int step = 0; step < kMaxClimbSteps; ++step) {
    const WindowHandle parent = platform_.windows.Parent(topLevel);
    if (parent == kNoWindow) break;
    topLevel = parent;
  }

  // The desktop and the taskbar would take the keyboard from the program the user types in,
  // and a cloaked window is not there to see: neither is handled, so the hotkeys keep acting
  // on the last real window.
  if (platform_.windows.IsShellWindow(topLevel) || platform_.windows.IsCloaked(topLevel)) return;
  // The user's own exclusions are never targets either.
  if (Excluded(topLevel)) return;

  if (!IsTitled(platform_.windows.WindowTitle(topLevel, kTitleMaxCount))) {
    LastWindow = topLevel;
    return;
  }

  // The activation waits for Timer2; everything else keeps running meanwhile, and the
  // enabled state and the pin are read only when the wait is over.
  PendingWindow = topLevel;
  // Off first, so the wait is a full interval even if the timer was still running.
  Timer2.SetEnabled(false);
  Timer2.SetEnabled(true);
}

void Form1::Timer2_Timer() {
  // A wait is only ever pending with its timer running: the tick ends that wait.
  assert((Timer2.Enabled() || !HoverWaitPending()) && "a hover wait without its timer");
  platform_.loop.PumpPending();
  Timer2.SetEnabled(false);
  if (!HoverWaitPending()) return;

  WindowHandle handled = *PendingWindow;
  PendingWindow.reset();
  if (Command1.Caption() == kEnabledCaption) {
    // A menu the user opened, a drag under way or a shell flyout would be broken by an
    // activation now; the cycle ends unfinished and starts again once the user is free.
    if (UserBusy()) {
      ActivationHeld = true;
      return;
    }
    const std::optional<WindowHandle> pin = PinnedWindow(tag);
    if (pin && platform_.windows.BringToForeground(*pin) != ActivationResult::kWindowGone) {
      LastWindow = *pin;
      return;
    }
    if (pin) tag.clear();  // a closed window cannot be pinned
    // Sent to another virtual desktop during the wait: bringing it forward would switch
    // desktops under the user.
    if (platform_.windows.IsCloaked(handled)) return;
    platform_.windows.BringToForeground(handled);
  }
  LastWindow = handled;
}

}  // namespace tarnwick
