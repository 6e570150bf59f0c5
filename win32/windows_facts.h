#pragma once
#include "seam/system_facts.h"
#include "win32/keyboard_hook.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// What a bug report reads of Windows, and the clipboard, held by the main window.
class WindowsFacts : public SystemFacts {
 public:
  WindowsFacts(HWND mainWindow, const win32::KeyboardHook& hook)
      : mainWindow_(mainWindow), hook_(hook) {}
  std::string WindowsVersion() override;
  bool RunsElevated() override;
  NotificationState Notifications() override;
  HookFacts KeyboardHook() override;
  WallTime LocalTime() override;
  bool ElevatedInTheWay(WindowHandle target) override;
  bool PutOnClipboard(const std::string& text) override;
  SystemHoverActivation HoverActivation() override;
  bool SwitchOffHoverActivation() override;

 private:
  HWND mainWindow_;
  const win32::KeyboardHook& hook_;
};

}  // namespace tarnwick::win32
