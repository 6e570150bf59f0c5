#pragma once
#include "platform/win32/system_foreground.h"
#include "platform/window_manager.h"

namespace tarnwick::win32 {

class SystemWindowManager : public WindowManager {
 public:
  bool CursorPosition(Point& position) override;
  bool MoveCursor(Point position) override;
  WindowHandle WindowFromPoint(Point position) override;
  WindowHandle Parent(WindowHandle window) override;
  std::string WindowTitle(WindowHandle window, int maxCount) override;
  void BringToForeground(WindowHandle window) override;
  void KeepOnTop(WindowHandle window) override;
  void SendToBottom(WindowHandle window) override;

 private:
  SystemForeground foreground_;
};

}  // namespace tarnwick::win32
