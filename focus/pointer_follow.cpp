#include "focus/pointer_follow.h"

#include <algorithm>
#include <array>

namespace tarnwick {
namespace {

// A chain longer than this is a parent/owner loop in a misbehaving program.
constexpr int kMaxClimbSteps = 256;

// Where no better spot is free, the pointer tries these fractions of the window's width and
// height, nearest the middle first: clear of the frame, and of the title bar unless nothing
// else shows.
constexpr int kGridSteps = 8;

bool Inside(const ScreenRect& rect, Point point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
         point.y < rect.bottom;
}

}  // namespace

PointerFollow::PointerFollow(WindowManager& windows, KeyActivity& keys, SystemFacts& facts,
                             ForegroundEvents& foreground, OwnCursor& cursor, FocusFollow& focus,
                             Timer& lookTimer)
    : windows_(windows),
      keys_(keys),
      facts_(facts),
      foreground_(foreground),
      cursor_(cursor),
      focus_(focus),
      lookTimer_(lookTimer) {}

void PointerFollow::SetOn(bool on) {
  if (on == on_) return;
  on_ = on;
  lookTimer_.SetEnabled(false);
  if (!on) {
    foreground_.StopListening(foregroundListener_);
    foregroundListener_ = ForegroundEvents::kNotListening;
    keys_.NoteKeys(false, {});
    return;
  }
  lastForeground_ = windows_.ForegroundWindow();
  foregroundListener_ = foreground_.Listen([this] { ForegroundChanged(); });
  // Told of every change, a key needs only its time noted; else a burst of keys starts a look.
  if (foregroundListener_ != ForegroundEvents::kNotListening) {
    keys_.NoteKeys(true, {});
  } else {
    keys_.NoteKeys(true, [this](WindowHandle before) { KeysBegan(before); });
  }
}

void PointerFollow::KeysBegan(WindowHandle foregroundAtFirstKey) {
  if (!on_ || lookTimer_.Enabled()) return;
  // A change before the burst began was no key's doing; one since may have come already.
  lastForeground_ = foregroundAtFirstKey;
  lookTimer_.SetEnabled(true);
  ForegroundChanged();
}

void PointerFollow::LookTick() {
  const std::optional<int> sinceKeyMs = keys_.MsSinceLastKey();
  ForegroundChanged();
  if (!on_ || !sinceKeyMs || *sinceKeyMs >= kKeyboardChoiceMs) lookTimer_.SetEnabled(false);
}

void PointerFollow::ForegroundChanged() {
  const WindowHandle foreground = windows_.ForegroundWindow();
  if (!on_ || foreground == lastForeground_) return;
  lastForeground_ = foreground;
  if (foreground != kNoWindow && KeyboardChose()) LookAt(foreground);
}

bool PointerFollow::KeyboardChose() {
  // A window that came forward with no key pressed is its program's own doing, and one the
  // mouse chose (a taskbar button clicked) is where the user wants the pointer already.
  const std::optional<int> sinceKeyMs = keys_.MsSinceLastKey();
  return sinceKeyMs && *sinceKeyMs < kKeyboardChoiceMs && !keys_.OtherInputSinceLastKey();
}

void PointerFollow::LookAt(WindowHandle foreground) {
  Point cursor;
  if (!windows_.CursorPosition(cursor)) return;  // a locked workstation
  const WindowHandle under = windows_.WindowFromPoint(cursor);
  if (Within(under, foreground)) return;
  // Where the pointer leaves is where it rested in the window it was over; a parked cursor
  // rests nowhere.
  if (under != kNoWindow && !cursor_.Parked()) RememberSpot(focus_.TopLevelOf(under), cursor);
  // A drag, a click or a menu would be broken under the user's hand.
  if (windows_.MouseButtonDown() || windows_.MenuOrMoveSizeActive()) return;
  // Only into a window focus-follow would bring forward: the next nudge must find it a target.
  if (!focus_.WouldActivate(focus_.TopLevelOf(foreground)) || facts_.ElevatedInTheWay(foreground)) {
    return;
  }
  const std::optional<Point> spot = Destination(foreground);
  if (!spot) return;
  cursor_.Put(*spot);
  // The keyboard's choice keeps the foreground until the hand moves: a hover wait under way
  // for the window the pointer left would take it back.
  focus_.HoldUntilMoved();
}

std::optional<Point> PointerFollow::Destination(WindowHandle window) {
  ScreenRect bounds;
  if (!windows_.WindowBounds(window, bounds)) return std::nullopt;
  if (const std::optional<Point> spot = RememberedSpot(window)) {
    if (Inside(bounds, *spot) && Shows(window, *spot)) return spot;
  }
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  if (width <= 0 || height <= 0) return std::nullopt;
  std::array<Point, (kGridSteps - 1) * (kGridSteps - 1) + 1> candidates{};
  candidates[0] = {bounds.left + width / 2, bounds.top + height / 2};
  std::size_t count = 1;
  for (int row = 1; row < kGridSteps; ++row) {
    for (int column = 1; column < kGridSteps; ++column) {
      candidates[count++] = {bounds.left + width * column / kGridSteps,
                             bounds.top + height * row / kGridSteps};
    }
  }
  const Point middle = candidates[0];
  const auto distance = [middle](Point p) {
    return (p.x - middle.x) * (p.x - middle.x) + (p.y - middle.y) * (p.y - middle.y);
  };
  std::stable_sort(candidates.begin(), candidates.end(),
                   [&](Point a, Point b) { return distance(a) < distance(b); });
  for (Point candidate : candidates) {
    if (Shows(window, candidate)) return candidate;
  }
  return std::nullopt;
}

bool PointerFollow::Shows(WindowHandle window, Point point) {
  return Within(windows_.WindowFromPoint(point), window);
}

bool PointerFollow::Within(WindowHandle shown, WindowHandle window) {
  for (int step = 0; step < kMaxClimbSteps && shown != kNoWindow; ++step) {
    if (shown == window) return true;
    shown = windows_.Parent(shown);
  }
  return false;
}

void PointerFollow::RememberSpot(WindowHandle window, Point spot) {
  std::erase_if(spots_, [window](const Spot& s) { return s.window == window; });
  spots_.push_front({window, spot});
  if (spots_.size() > kRememberedSpots) spots_.pop_back();
}

std::optional<Point> PointerFollow::RememberedSpot(WindowHandle window) const {
  for (const Spot& spot : spots_) {
    if (spot.window == window) return spot.point;
  }
  return std::nullopt;
}

}  // namespace tarnwick
