#include "sim/sim_desktop.h"

#include <algorithm>
#include <utility>

namespace tarnwick::sim {

SimDesktop::SimDesktop() {
  SetScreenPixels(800, 600);
}

// --- Clock and input ---

void SimDesktop::RunUntil(std::int64_t endMs) {
  clock_.RunUntil(endMs, [this] { return quit_; });
}

void SimDesktop::PumpPending() {
  ++pumpCount_;
  clock_.RunDueInput([this] { return quit_; });
}

// --- Desktop ---

void SimDesktop::SetScreenPixels(int widthPx, int heightPx, int dpi) {
  metrics_ = ScreenMetrics{widthPx, heightPx, dpi};
  monitors_ = {MonitorInfo{0, 0, widthPx, heightPx, true, dpi}};
  PlaceCursor(cursor_);  // a smaller screen pulls the cursor in, as the real one does
}

void SimDesktop::SetMonitors(std::vector<MonitorInfo> monitors) {
  monitors_ = std::move(monitors);
  for (const MonitorInfo& m : monitors_) {
    if (!m.primary) continue;
    metrics_ = ScreenMetrics{m.right - m.left, m.bottom - m.top, m.dpi};
  }
  PlaceCursor(cursor_);
}

WindowHandle SimDesktop::AddWindow(const std::string& title, Rect rect, WindowHandle parent,
                                   WindowHandle owner) {
  const WindowHandle handle = nextHandle_;
  nextHandle_ += 0x10;
  SimWindow window;
  window.title = title;
  window.rect = rect;
  window.parent = parent;
  window.owner = owner;
  windows_[handle] = window;
  if (parent == kNoWindow) zOrder_.insert(zOrder_.begin(), handle);
  return handle;
}

void SimDesktop::DestroyWindow(WindowHandle window) {
  std::vector<WindowHandle> doomed{window};
  for (const auto& [handle, w] : windows_) {
    if (w.parent == window || w.owner == window) doomed.push_back(handle);
  }
  for (WindowHandle handle : doomed) {
    windows_.erase(handle);
    std::erase(zOrder_, handle);
    if (foreground_ == handle) foreground_ = kNoWindow;
  }
}

std::vector<WindowHandle> SimDesktop::ZOrder() const {
  std::vector<WindowHandle> order;
  for (bool topmost : {true, false}) {
    for (WindowHandle handle : zOrder_) {
      if (windows_.at(handle).topmost == topmost) order.push_back(handle);
    }
  }
  return order;
}

void SimDesktop::ProgramSetsCursor(Point position) {
  const std::uint32_t serial = inputSerial_;
  PlaceCursor(position);
  inputSerial_ = serial;
}

void SimDesktop::UserPressesKey() {
  ++inputSerial_;
  mouseSinceKey_ = false;
  if (!notingKeys_) return;
  const bool burst = !lastKeyMs_ || NowMs() - *lastKeyMs_ >= kBurstGapMs;
  lastKeyMs_ = NowMs();
  // Posted by the hook's thread, so it runs once the UI thread gets to it.
  if (burst && onKeyBurst_) {
    clock_.At(NowMs(), [this, before = foreground_] {
      ++keyBursts;
      if (onKeyBurst_) onKeyBurst_(before);
    });
  }
}

void SimDesktop::UserSwitchesWithKeyboard(WindowHandle window) {
  UserPressesKey();
  ProgramComesForward(window);
}

void SimDesktop::ProgramComesForward(WindowHandle window) {
  SetForeground(window);
  RaiseToTop(window);
}

void SimDesktop::NoteKeys(bool note, BurstListener onBurst) {
  notingKeys_ = note;
  onKeyBurst_ = note ? std::move(onBurst) : nullptr;
  lastKeyMs_.reset();
}

std::optional<int> SimDesktop::MsSinceLastKey() {
  if (!notingKeys_ || !lastKeyMs_) return std::nullopt;
  return static_cast<int>(NowMs() - *lastKeyMs_);
}

void SimDesktop::UserDragsTitleBar(WindowHandle window) {
  mouseButtonDown = true;
  mouseSinceKey_ = true;
  ++inputSerial_;
  if (rawInputOn_) Deliver({});  // a button's report carries no movement
  SetForeground(window);
  RaiseToTop(window);
  beingMoved_ = window;
}

void SimDesktop::UserDrops() {
  mouseButtonDown = false;
  mouseSinceKey_ = true;
  ++inputSerial_;
  if (rawInputOn_) Deliver({});
  beingMoved_ = kNoWindow;
}

void SimDesktop::UserMovesCursor(Point position) {
  mouseSinceKey_ = true;
  // The hand moves the mouse: raw input reports the movement, also where the cursor stops
  // at the desktop's edge.
  // Reported once the cursor has moved, as the system posts it.
  const RawMove move{position.x - cursor_.x, position.y - cursor_.y};
  PlaceCursor(position);
  if (rawInputOn_ && (move.dx != 0 || move.dy != 0)) Deliver(move);
}

void SimDesktop::PlaceCursor(Point position) {
  // Every move counts as input, the program's own too, as the system counts a cursor move.
  // Only whether it changed matters, so a count serves for the time.
  ++inputSerial_;
  const Point before = cursor_;
  cursor_ = KeptOnMonitors(position);
  if (Exists(beingMoved_)) {
    Rect& r = windows_.at(beingMoved_).rect;
    r = {r.left + cursor_.x - before.x, r.top + cursor_.y - before.y,
         r.right + cursor_.x - before.x, r.bottom + cursor_.y - before.y};
  }
  // Windows posts the cursor's location event to a watcher, whoever moved it.
  if (cursor_ != before && cursorWatch_) {
    clock_.At(NowMs(), [this] {
      if (cursorWatch_) cursorWatch_();
    });
  }
}

Point SimDesktop::KeptOnMonitors(Point position) const {
  if (virtualScreen) {
    return {std::clamp(position.x, virtualScreen->left, virtualScreen->right - 1),
            std::clamp(position.y, virtualScreen->top, virtualScreen->bottom - 1)};
  }
  // The system keeps the cursor on the monitors: off them, it stops at the nearest point
  // one shows (the strip below a shorter monitor cannot be entered).
  std::optional<Point> nearest;
  long long nearestDistance = 0;
  for (const MonitorInfo& m : monitors_) {
    if (m.right <= m.left || m.bottom <= m.top) continue;
    const Point onIt{std::clamp(position.x, m.left, m.right - 1),
                     std::clamp(position.y, m.top, m.bottom - 1)};
    const long long dx = onIt.x - position.x;
    const long long dy = onIt.y - position.y;
    if (!nearest || dx * dx + dy * dy < nearestDistance) {
      nearest = onIt;
      nearestDistance = dx * dx + dy * dy;
    }
  }
  return nearest.value_or(cursor_);
}

void SimDesktop::UserPointsAt(Point position) {
  mouseSinceKey_ = true;
  const Point from = lastAbsoluteReport_.value_or(position);
  lastAbsoluteReport_ = position;
  PlaceCursor(position);
  if (rawInputOn_) Deliver({position.x - from.x, position.y - from.y, true});
}

void SimDesktop::UserMovesMouseBy(int dx, int dy) {
  mouseSinceKey_ = true;
  if (rawInputOn_) Deliver({dx, dy});
  const Point wanted{cursor_.x + dx, cursor_.y + dy};
  PlaceCursor(CarriedAcross(wanted).value_or(wanted));
}

std::optional<Point> SimDesktop::CarriedAcross(Point position) const {
  if (!easesCursorBetweenDisplays) return std::nullopt;
  const auto shows = [this](Point p) {
    return std::any_of(monitors_.begin(), monitors_.end(),
                       [p](const MonitorInfo& m) { return m.Contains(p); });
  };
  const auto from = std::find_if(monitors_.begin(), monitors_.end(),
                                 [this](const MonitorInfo& m) { return m.Contains(cursor_); });
  if (shows(position) || from == monitors_.end()) return std::nullopt;
  // The nearest point of a monitor touching the side the cursor left by.
  for (const MonitorInfo& n : monitors_) {
    const bool down = n.top < from->bottom && n.bottom > from->top;
    const bool across = n.left < from->right && n.right > from->left;
    if ((position.x < from->left && n.right == from->left && down) ||
        (position.x >= from->right && n.left == from->right && down) ||
        (position.y < from->top && n.bottom == from->top && across) ||
        (position.y >= from->bottom && n.top == from->bottom && across)) {
      return Point{std::clamp(position.x, n.left, n.right - 1),
                   std::clamp(position.y, n.top, n.bottom - 1)};
    }
  }
  return std::nullopt;
}

bool SimDesktop::StartDevice() {
  rawInputOn_ = !refuseRawInput;
  return rawInputOn_;
}

void SimDesktop::RaiseToTop(WindowHandle window) {
  if (std::find(zOrder_.begin(), zOrder_.end(), window) == zOrder_.end()) return;
  std::erase(zOrder_, window);
  const auto firstShown = std::find_if(zOrder_.begin(), zOrder_.end(),
                                       [this](WindowHandle h) { return windows_.at(h).visible; });
  zOrder_.insert(firstShown, window);
}

WindowHandle SimDesktop::DeepestChildAt(WindowHandle window, Point position) const {
  for (const auto& [handle, w] : windows_) {
    if (w.parent == window && w.rect.Contains(position)) return DeepestChildAt(handle, position);
  }
  return window;
}

// --- WindowManager ---

bool SimDesktop::CursorPosition(Point& position) {
  ++calls.cursorPosition;
  if (refuseCursorRead) return false;
  position = staleRead_.value_or(cursor_);
  if (staleRead_ && --staleReadsLeft_ <= 0) staleRead_.reset();
  return true;
}

std::uint32_t SimDesktop::LastInputTime() {
  ++calls.lastInputTime;
  return inputSerial_;
}

bool SimDesktop::MoveCursor(Point position) {
  ++calls.moveCursor;
  if (refuseCursorMove) return false;
  if (readsLaggingAMove > 0) {
    staleRead_ = cursor_;
    staleReadsLeft_ = readsLaggingAMove;
  }
  if (moveMiss && position == moveMiss->asked) {
    position = moveMiss->landsAt;
    if (--moveMiss->times <= 0) moveMiss.reset();
  }
  const Point from = cursor_;
  PlaceCursor(position);
  cursorMoves_.push_back(cursor_);
  if (echoesProgramMoves && rawInputOn_ && cursor_ != from) {
    const Point to = cursor_;
    clock_.At(NowMs(), [this, from, to] {
      if (rawInputOn_) Deliver({to.x - from.x, to.y - from.y});
    });
  }
  return true;
}

WindowHandle SimDesktop::WindowFromPoint(Point position) {
  ++calls.windowFromPoint;
  for (WindowHandle handle : ZOrder()) {
    if (windows_.at(handle).rect.Contains(position)) return DeepestChildAt(handle, position);
  }
  return kNoWindow;
}

WindowHandle SimDesktop::Parent(WindowHandle window) {
  ++calls.parent;
  auto found = windows_.find(window);
  if (found == windows_.end()) return kNoWindow;
  return found->second.parent != kNoWindow ? found->second.parent : found->second.owner;
}

bool SimDesktop::WindowBounds(WindowHandle window, ScreenRect& bounds) {
  ++calls.windowBounds;
  if (!Exists(window)) return false;
  const Rect& r = windows_.at(window).rect;
  bounds = {r.left, r.top, r.right, r.bottom};
  return true;
}

std::string SimDesktop::WindowTitle(WindowHandle window, int maxCount) {
  ++calls.windowTitle;
  auto found = windows_.find(window);
  if (found == windows_.end() || maxCount <= 0) return {};
  return found->second.title.substr(0, static_cast<std::size_t>(maxCount - 1));
}

bool SimDesktop::WatchForeground(std::function<void()> onChange) {
  if (!reportsForegroundChanges) return false;
  foregroundWatch_ = std::move(onChange);
  return true;
}

bool SimDesktop::WatchCursor(std::function<void()> onMove) {
  if (!reportsCursorMoves) return false;
  cursorWatch_ = std::move(onMove);
  return true;
}

void SimDesktop::SetForeground(WindowHandle window) {
  const bool changed = foreground_ != window;
  foreground_ = window;
  if (changed && foregroundWatch_) foregroundWatch_();
}

WindowHandle SimDesktop::ForegroundWindow() {
  ++calls.foregroundWindow;
  return foreground_;
}

ActivationResult SimDesktop::BringToForeground(WindowHandle window) {
  ++calls.bringToForeground;
  activations_.push_back(window);
  if (!Exists(window)) return ActivationResult::kWindowGone;
  if (windows_.at(window).parent != kNoWindow || refuseActivation) {
    return ActivationResult::kRefused;
  }
  // The foreground window is not asked again, so it stays where it stands.
  if (foreground_ == window) return ActivationResult::kActivated;
  // Activation raises the window, as Windows does; one that raises itself does so once its
  // program has handled the activation.
  SetForeground(window);
  if (activationRaisesLate) {
    clock_.At(NowMs(), [this, window] { RaiseToTop(window); });
  } else {
    RaiseToTop(window);
  }
  if (windows_.at(window).raisesItself) {
    clock_.At(NowMs(), [this, window] { RaiseToTop(window); });
  }
  return ActivationResult::kActivated;
}

WindowHandle SimDesktop::WindowAbove(WindowHandle window) {
  ++calls.windowAbove;
  const std::vector<WindowHandle> order = ZOrder();
  auto at = std::find(order.begin(), order.end(), window);
  if (at == order.end()) return kNoWindow;
  while (at != order.begin()) {
    const SimWindow& above = windows_.at(*--at);
    if (!above.visible || above.cloaked || above.owner != kNoWindow) continue;
    return above.topmost == windows_.at(window).topmost ? *at : kNoWindow;
  }
  return kNoWindow;
}

bool SimDesktop::StandsAbove(WindowHandle window, WindowHandle other) {
  ++calls.windowAbove;
  const std::vector<WindowHandle> order = ZOrder();
  const auto at = std::find(order.begin(), order.end(), window);
  return at != order.end() && other != window && std::find(at, order.end(), other) != order.end();
}

void SimDesktop::PlaceBelow(WindowHandle window, WindowHandle above) {
  ++calls.placeBelow;
  if (std::find(zOrder_.begin(), zOrder_.end(), window) == zOrder_.end()) return;
  if (above == kNoWindow) {
    RaiseToTop(window);
    return;
  }
  // A vanished window to go below: the system refuses the move.
  if (std::find(zOrder_.begin(), zOrder_.end(), above) == zOrder_.end()) return;
  std::erase(zOrder_, window);
  zOrder_.insert(std::find(zOrder_.begin(), zOrder_.end(), above) + 1, window);
}

void SimDesktop::KeepOnTop(WindowHandle window) {
  ++calls.keepOnTop;
  if (!Exists(window)) return;
  windows_.at(window).topmost = true;
  RaiseToTop(window);
}

void SimDesktop::SendToBottom(WindowHandle window) {
  ++calls.sendToBottom;
  if (!Exists(window) || windows_.at(window).parent != kNoWindow) return;
  windows_.at(window).topmost = false;
  std::erase(zOrder_, window);
  zOrder_.push_back(window);
}

bool SimDesktop::MouseButtonDown() {
  ++calls.userBusy;
  return mouseButtonDown;
}

bool SimDesktop::MenuOrMoveSizeActive() {
  ++calls.userBusy;
  return menuOpen || Exists(beingMoved_);
}

bool SimDesktop::MoveSizeLoopActive() {
  ++calls.userBusy;
  return Exists(beingMoved_);
}

bool SimDesktop::ShellTransientInFront() {
  ++calls.userBusy;
  return shellTransientInFront;
}

bool SimDesktop::IsShellWindow(WindowHandle topLevel) {
  ++calls.shellOrCloaked;
  return Exists(topLevel) && windows_.at(topLevel).shell;
}

bool SimDesktop::IsCloaked(WindowHandle topLevel) {
  ++calls.shellOrCloaked;
  return Exists(topLevel) && windows_.at(topLevel).cloaked;
}

std::string SimDesktop::ProgramFileName(WindowHandle topLevel) {
  ++calls.optionQuestions;
  return Exists(topLevel) ? windows_.at(topLevel).programFileName : std::string();
}

std::string SimDesktop::ClassName(WindowHandle topLevel) {
  ++calls.optionQuestions;
  return Exists(topLevel) ? windows_.at(topLevel).className : std::string();
}

bool SimDesktop::ModifierKeyDown(ModifierKey key) {
  ++calls.optionQuestions;
  return modifiersDown.count(key) != 0;
}

bool SimDesktop::FullscreenProgramInFront() {
  ++calls.optionQuestions;
  return fullscreenInFront;
}

}  // namespace tarnwick::sim
