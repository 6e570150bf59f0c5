#pragma once
#include <string>

#include "platform/window_handle.h"

namespace tarnwick {

// What the program asks of the window manager: the cursor, the window tree and Z order.
class WindowManager {
 public:
  virtual ~WindowManager() = default;
  // False when the system could not report the position; `position` is then left as it was.
  virtual bool CursorPosition(Point& position) = 0;
  // False when the system refused the move.
  virtual bool MoveCursor(Point position) = 0;
  // The deepest window at a screen point, or kNoWindow.
  virtual WindowHandle WindowFromPoint(Point position) = 0;
  // The parent, or the owner of an owned pop-up; kNoWindow for a top-level window.
  virtual WindowHandle Parent(WindowHandle window) = 0;
  // At most maxCount - 1 characters of the title; empty when it cannot be read.
  virtual std::string WindowTitle(WindowHandle window, int maxCount) = 0;
  // Brings a window to the foreground, working around the foreground lock where needed.
  virtual void BringToForeground(WindowHandle window) = 0;
  // Places a window above all non-topmost windows.
  virtual void KeepOnTop(WindowHandle window) = 0;
  // Clears the topmost state and sends a window to the bottom of the Z order.
  virtual void SendToBottom(WindowHandle window) = 0;
};

}  // namespace tarnwick
