#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "seam/point.h"
#include "seam/window_handle.h"

namespace tarnwick {

// A modifier key the user can hold to pause focus-follow.
enum class ModifierKey { kCtrl, kAlt, kShift, kWin };

// A rectangle on the screen, in pixels: left and top inclusive, right and bottom exclusive.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// What became of a request to bring a window to the foreground.
enum class ActivationResult { kActivated, kRefused, kWindowGone };

// What the program asks of the window manager: the cursor, the window tree and Z order.
class WindowManager {
 public:
  virtual ~WindowManager() = default;
  // False when the system could not report the position; `position` is then left as it was.
  virtual bool CursorPosition(Point& position) = 0;
  // When the system last saw input (the user's, or a cursor move), in milliseconds on a
  // clock of its own; it changes whenever the user does anything, and costs far less to ask
  // than the cursor.
  virtual std::uint32_t LastInputTime() = 0;
  // False when the system refused the move.
  virtual bool MoveCursor(Point position) = 0;
  // The deepest window at a screen point, or kNoWindow.
  virtual WindowHandle WindowFromPoint(Point position) = 0;
  // The parent, or the owner of an owned pop-up; kNoWindow for a top-level window.
  virtual WindowHandle Parent(WindowHandle window) = 0;
  // A top-level window's rectangle; false when it cannot be had (the window is gone).
  virtual bool WindowBounds(WindowHandle window, ScreenRect& bounds) = 0;
  // At most maxCount - 1 characters of the title; empty when it cannot be read.
  virtual std::string WindowTitle(WindowHandle window, int maxCount) = 0;
  // The window in the foreground now, or kNoWindow.
  virtual WindowHandle ForegroundWindow() = 0;
  // Calls `onChange` whenever another window comes to the foreground, until called again
  // with an empty function. False where the system never reports such changes (Wine 8
  // installs the watch and sends nothing): whoever needs to know must then look for itself.
  virtual bool WatchForeground(std::function<void()> onChange) = 0;
  // Calls `onMove` whenever the cursor moves, whoever moved it (a hand, a pen, a program's
  // SetCursorPos), until called again with an empty function. False where the system never
  // reports cursor moves (Wine 8): whoever needs to know must then look for itself.
  virtual bool WatchCursor(std::function<void()> onMove) = 0;
  // Brings a window to the foreground, working around the foreground lock where needed.
  virtual ActivationResult BringToForeground(WindowHandle window) = 0;
  // Places a window above all non-topmost windows. Never waits for the window's program.
  virtual void KeepOnTop(WindowHandle window) = 0;
  // Clears the topmost state and sends a window to the bottom of the Z order. Never waits
  // for the window's program.
  virtual void SendToBottom(WindowHandle window) = 0;
  // The nearest window above a top-level window that covers something: shown, not
  // minimised, not cloaked and owned by none, among windows of its kind (topmost or not);
  // kNoWindow when there is none, or the window is gone.
  virtual WindowHandle WindowAbove(WindowHandle window) = 0;
  // `window` stands higher in the Z order than `other`; false when either is gone.
  virtual bool StandsAbove(WindowHandle window, WindowHandle other) = 0;
  // Places a window right below `above`, or first among its kind when `above` is kNoWindow,
  // activating neither. Never waits for either window's program.
  virtual void PlaceBelow(WindowHandle window, WindowHandle above) = 0;

  // --- What an activation now would break; asked only when one is due ---
  // Any mouse button is held: a drag, a selection or a click is under way.
  virtual bool MouseButtonDown() = 0;
  // The foreground thread has a menu open or is moving or sizing a window.
  virtual bool MenuOrMoveSizeActive() = 0;
  // The system's loop that moves or sizes a window runs (its title bar or border dragged, or
  // Move or Size from its window menu): the window follows every cursor move, a program's too.
  virtual bool MoveSizeLoopActive() = 0;
  // A shell surface that closes when it loses the foreground is in front: Start, Search,
  // the notification-area overflow, quick settings, the task switcher, a context menu.
  virtual bool ShellTransientInFront() = 0;

  // --- Windows that are never targets; asked only when a cycle is about to start ---
  // The desktop, a taskbar or a transient shell surface.
  virtual bool IsShellWindow(WindowHandle topLevel) = 0;
  // On another virtual desktop, or hidden by the compositor though it looks visible.
  virtual bool IsCloaked(WindowHandle topLevel) = 0;

  // --- What the user's options ask; asked only when an option needs the answer ---
  // The file name of the program that owns a window ("game.exe"); empty when unknown.
  virtual std::string ProgramFileName(WindowHandle topLevel) = 0;
  // A window's class name; empty when unknown.
  virtual std::string ClassName(WindowHandle topLevel) = 0;
  // The key is held down now (either of a left/right pair).
  virtual bool ModifierKeyDown(ModifierKey key) = 0;
  // A program runs fullscreen in front: a game, a presentation, a full-screen video.
  virtual bool FullscreenProgramInFront() = 0;
};

}  // namespace tarnwick
