#pragma once
#include <utility>

#include "backend/foreground_activation.h"
#include "seam/window_manager.h"
#include "win32/cursor_watch.h"
#include "win32/foreground_watch.h"
#include "win32/system_foreground.h"
#include "win32/system_z_order.h"

namespace tarnwick::win32 {

class SystemWindowManager : public WindowManager {
 public:
  // Where to say that a window of a program run as administrator is out of reach.
  void TellUser(ActivationNotices* notices) { activator_.TellUser(notices); }
  CursorWatch& Cursor() { return cursorWatch_; }
  bool CursorPosition(Point& position) override;
  std::uint32_t LastInputTime() override { return foreground_.LastInputTime(); }
  bool MoveCursor(Point position) override;
  WindowHandle WindowFromPoint(Point position) override;
  WindowHandle Parent(WindowHandle window) override;
  bool WindowBounds(WindowHandle window, ScreenRect& bounds) override;
  std::string WindowTitle(WindowHandle window, int maxCount) override;
  WindowHandle ForegroundWindow() override;
  bool WatchForeground(std::function<void()> onChange) override {
    return watch_.Watch(std::move(onChange));
  }
  bool WatchCursor(std::function<void()> onMove) override {
    return cursorWatch_.Watch(std::move(onMove));
  }
  ActivationResult BringToForeground(WindowHandle window) override;
  void KeepOnTop(WindowHandle window) override;
  void SendToBottom(WindowHandle window) override;
  WindowHandle WindowAbove(WindowHandle window) override { return zOrder_.WindowAbove(window); }
  bool StandsAbove(WindowHandle window, WindowHandle other) override {
    return zOrder_.StandsAbove(window, other);
  }
  void PlaceBelow(WindowHandle window, WindowHandle above) override {
    zOrder_.PlaceBelow(window, above);
  }
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

 private:
  SystemForeground foreground_;
  ForegroundActivator activator_{foreground_};
  SystemZOrder zOrder_;
  ForegroundWatch watch_;
  CursorWatch cursorWatch_;
};

}  // namespace tarnwick::win32
