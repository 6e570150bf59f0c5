#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "seam/event_loop.h"
#include "seam/key_activity.h"
#include "seam/raw_input.h"
#include "seam/screen.h"
#include "seam/window_manager.h"
#include "sim/virtual_clock.h"

namespace tarnwick::sim {

// A rectangle in screen pixels: left and top inclusive, right and bottom exclusive.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
};

struct SimWindow {
  std::string title;
  Rect rect;
  WindowHandle parent = kNoWindow;  // a child's container
  WindowHandle owner = kNoWindow;   // an owned pop-up's owner
  bool topmost = false;
  bool shell = false;         // the desktop, a taskbar or a transient shell surface
  bool cloaked = false;       // on another virtual desktop
  bool raisesItself = false;  // comes to the front of its own accord once activated
  // A hidden window stands in the Z order too (every program has some); one at the top stays
  // above a window raised there, as the input method's does under Wine.
  bool visible = true;
  std::string className;
  std::string programFileName;  // "notes.exe"
};

// How often the program asked the window manager for each thing.
struct WindowManagerCalls {
  int cursorPosition = 0;
  int moveCursor = 0;
  int windowFromPoint = 0;
  int parent = 0;
  int windowTitle = 0;
  int bringToForeground = 0;
  int keepOnTop = 0;
  int sendToBottom = 0;
  int userBusy = 0;         // the questions whether an activation now would break something
  int shellOrCloaked = 0;   // the questions whether a window may be a target at all
  int optionQuestions = 0;  // exclusions, the pause key, a fullscreen program
  int lastInputTime = 0;
  int foregroundWindow = 0;
  int windowAbove = 0;
  int placeBelow = 0;
  int windowBounds = 0;
  int Total() const {
    return cursorPosition + moveCursor + windowFromPoint + parent + windowTitle +
           bringToForeground + keepOnTop + sendToBottom + userBusy + shellOrCloaked +
           optionQuestions + lastInputTime + foregroundWindow + windowAbove + placeBelow +
           windowBounds;
  }
};

// An in-memory desktop with a virtual clock. Tests script input on it, run the clock and
// read back what a user would see. Timers due at the same moment fire in id order, after
// any input posted for that moment.
class SimDesktop : public WindowManager,
                   public Screen,
                   public EventLoop,
                   public RawInput,
                   public KeyActivity {
 public:
  SimDesktop();

  // --- Clock and input ---
  std::int64_t NowMs() const { return clock_.NowMs(); }
  // Runs an input event at a moment of virtual time (not before now).
  void At(std::int64_t atMs, std::function<void()> input) { clock_.At(atMs, std::move(input)); }
  void RunFor(std::int64_t durationMs) { RunUntil(NowMs() + durationMs); }
  void RunUntil(std::int64_t endMs);
  bool QuitCalled() const { return quit_; }
  int PumpCount() const { return pumpCount_; }
  bool TimerRunning(int timerId) const { return clock_.TimerRunning(timerId); }

  // --- Desktop ---
  // One monitor, the primary one.
  void SetScreenPixels(int widthPx, int heightPx, int dpi = 96);
  // Several monitors, laid out as given (one of them primary); the primary one is the
  // screen the metrics describe. Called again during a run, it plugs monitors in and out;
  // a cursor left where no monitor is any more is pulled onto the nearest one.
  void SetMonitors(std::vector<MonitorInfo> monitors);
  WindowHandle AddWindow(const std::string& title, Rect rect, WindowHandle parent = kNoWindow,
                         WindowHandle owner = kNoWindow);
  void DestroyWindow(WindowHandle window);
  SimWindow& Window(WindowHandle window) { return windows_.at(window); }
  bool Exists(WindowHandle window) const { return windows_.count(window) != 0; }
  // Top-level windows from the top of the Z order down.
  std::vector<WindowHandle> ZOrder() const;
  WindowHandle Foreground() const { return foreground_; }
  // The user's own mouse movement (clamped to the screen like the real cursor).
  void UserMovesCursor(Point position);
  // The user moves the mouse by so much: the raw movement reaches the listeners in full,
  // the cursor goes as far as the monitors let it (and, easing crossings, onto a neighbour).
  void UserMovesMouseBy(int dx, int dy);
  // Windows 11's "Ease cursor movement between displays": the mouse pushed off a monitor
  // where no neighbour lies lands on the neighbour beyond the rest of that edge, if any.
  bool easesCursorBetweenDisplays = false;
  // A pen, a tablet or a remote-desktop client reports where the pointer is: raw input says
  // so (absolute, with the pixels since the device's last report), and the cursor goes there.
  void UserPointsAt(Point position);
  // The user types a key: the system sees input, the cursor stays.
  void UserPressesKey();
  // A mouse button pressed and let go where the cursor is: input, and no key.
  void UserClicks() {
    ++inputSerial_;
    mouseSinceKey_ = true;
  }
  // The user chooses a window with the keyboard (Alt+Tab, Win+number): the system brings it
  // forward at the last key.
  void UserSwitchesWithKeyboard(WindowHandle window);
  // A program brings one of its windows forward on its own, no key pressed.
  void ProgramComesForward(WindowHandle window);
  // Another program sets the cursor: it moves, and the system sees no input.
  void ProgramSetsCursor(Point position);
  // The user presses the left button on a window's title bar and holds it: the window comes
  // to the front, and the system's move loop runs until the drop; while it runs, the window
  // follows every cursor move, a program's too. Pressing and releasing are input and raw input.
  void UserDragsTitleBar(WindowHandle window);
  // Move from the window menu (Alt+Space, M): the same loop, with no button held.
  void UserMovesWithKeys(WindowHandle window) { beingMoved_ = window; }
  void UserDrops();
  // All monitors together, when there are more than the primary screen; the cursor may
  // then stand left of or above it, at negative coordinates.
  std::optional<Rect> virtualScreen;
  Point Cursor() const { return cursor_; }
  // Every position the program put the cursor at, in order.
  const std::vector<Point>& CursorMoves() const { return cursorMoves_; }
  // Every window the program asked to bring to the foreground, in order.
  const std::vector<WindowHandle>& Activations() const { return activations_; }
  WindowManagerCalls calls;
  bool refuseCursorRead = false;
  bool refuseCursorMove = false;
  // Moves of the program's to `asked` land at `landsAt` instead, so many times, as Windows
  // may place a cursor moved between monitors of different sizes.
  struct MoveMiss {
    Point asked;
    Point landsAt;
    int times = 1;
  };
  std::optional<MoveMiss> moveMiss;
  // The program's own cursor moves come back as raw movement now and then, as under Wine (the
  // X server's pointer events for them); Windows never reports them.
  bool echoesProgramMoves = false;
  bool refuseActivation = false;
  // An activation raises the window only once its program handles it, after whatever the
  // caller does next (always so under Wine).
  bool activationRaisesLate = false;
  // So many reads after a move still show where the cursor was, as Wine now and then does.
  int readsLaggingAMove = 0;  // the foreground lock refuses every request
  // What the user is in the middle of.
  bool mouseButtonDown = false;
  bool menuOpen = false;  // in the foreground thread, or a window being moved or sized
  bool shellTransientInFront = false;
  std::set<ModifierKey> modifiersDown;
  bool fullscreenInFront = false;

  // WindowManager
  bool CursorPosition(Point& position) override;
  std::uint32_t LastInputTime() override;
  bool MoveCursor(Point position) override;
  WindowHandle WindowFromPoint(Point position) override;
  WindowHandle Parent(WindowHandle window) override;
  bool WindowBounds(WindowHandle window, ScreenRect& bounds) override;
  std::string WindowTitle(WindowHandle window, int maxCount) override;
  WindowHandle ForegroundWindow() override;
  bool WatchForeground(std::function<void()> onChange) override;
  // Whether the system reports foreground changes as Windows does (Wine does not).
  bool reportsForegroundChanges = false;
  bool WatchCursor(std::function<void()> onMove) override;
  // Whether the system reports every cursor move as Windows does (Wine does not).
  bool reportsCursorMoves = false;
  ActivationResult BringToForeground(WindowHandle window) override;
  void KeepOnTop(WindowHandle window) override;
  void SendToBottom(WindowHandle window) override;
  WindowHandle WindowAbove(WindowHandle window) override;
  bool StandsAbove(WindowHandle window, WindowHandle other) override;
  void PlaceBelow(WindowHandle window, WindowHandle above) override;
  bool MouseButtonDown() override;
  bool MenuOrMoveSizeActive() override;
  bool MoveSizeLoopActive() override;
  bool ShellTransientInFront() override;
  bool IsShellWindow(WindowHandle topLevel) override;
  bool IsCloaked(WindowHandle topLevel) override;
  std::string ProgramFileName(WindowHandle topLevel) override;
  std::string ClassName(WindowHandle topLevel) override;
  bool ModifierKeyDown(ModifierKey key) override;
  bool FullscreenProgramInFront() override;
  // Screen
  ScreenMetrics Metrics() override { return metrics_; }
  std::vector<MonitorInfo> Monitors() override {
    ++monitorReads;
    return monitors_;
  }
  // How often the program walked the monitors.
  int monitorReads = 0;
  int MonitorCount() override { return static_cast<int>(monitors_.size()); }
  bool EasesCursorBetweenDisplays() override { return easesCursorBetweenDisplays; }
  // Raw input: whether the system would deliver it (the program asked and was not refused).
  bool refuseRawInput = false;
  bool RawInputOn() const { return rawInputOn_; }
  // EventLoop
  void StartTimer(int timerId, int intervalMs, std::function<void()> onTick) override {
    clock_.StartTimer(timerId, intervalMs, std::move(onTick));
  }
  void StopTimer(int timerId) override { clock_.StopTimer(timerId); }
  void PumpPending() override;
  void Quit() override { quit_ = true; }
  // KeyActivity
  void NoteKeys(bool note, BurstListener onBurst) override;
  std::optional<int> MsSinceLastKey() override;
  bool OtherInputSinceLastKey() override { return mouseSinceKey_; }
  // How often the keyboard's notes told the program of a burst.
  int keyBursts = 0;

 protected:
  // RawInput
  bool StartDevice() override;
  void StopDevice() override { rawInputOn_ = false; }

 private:
  void RaiseToTop(WindowHandle window);
  // Where the cursor ends up, kept on the monitors; counted as input.
  void PlaceCursor(Point position);
  Point KeptOnMonitors(Point position) const;
  std::optional<Point> CarriedAcross(Point position) const;
  void SetForeground(WindowHandle window);
  WindowHandle DeepestChildAt(WindowHandle window, Point position) const;

  VirtualClock clock_;
  bool quit_ = false;
  int pumpCount_ = 0;

  ScreenMetrics metrics_;
  std::vector<MonitorInfo> monitors_;
  bool rawInputOn_ = false;
  std::function<void()> foregroundWatch_;
  std::function<void()> cursorWatch_;
  std::optional<Point> lastAbsoluteReport_;
  std::optional<Point> staleRead_;
  int staleReadsLeft_ = 0;
  std::map<WindowHandle, SimWindow> windows_;
  std::vector<WindowHandle> zOrder_;  // top-level windows, top first
  WindowHandle nextHandle_ = 0x10010;
  WindowHandle foreground_ = kNoWindow;
  Point cursor_;
  std::uint32_t inputSerial_ = 0;
  std::vector<Point> cursorMoves_;
  std::vector<WindowHandle> activations_;
  bool notingKeys_ = false;
  BurstListener onKeyBurst_;
  std::optional<std::int64_t> lastKeyMs_;
  bool mouseSinceKey_ = false;
  WindowHandle beingMoved_ = kNoWindow;  // the window the system's move loop drags
};

}  // namespace tarnwick::sim
