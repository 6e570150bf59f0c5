#pragma once
#include "platform/shell.h"
#include "platform/win32/win32_api.h"

namespace tarnwick::win32 {

// Tray icon, browser and message boxes, all owned by the main window.
class SystemShell : public Shell {
 public:
  explicit SystemShell(HWND mainWindow) : mainWindow_(mainWindow) {}
  bool AddTrayIcon(IconId icon, const std::string& tip) override;
  bool DeleteTrayIcon(IconId icon) override;
  void ShowTrayMenu(const std::vector<MenuEntry>& entries) override;
  bool OpenDocument(const std::string& address) override;
  void ShowMessage(const std::string& title, const std::string& text) override;

 private:
  HWND mainWindow_;
};

// Gives the window's tray icons, whichever are there, the picture size for a new DPI,
// each under its own id; returns how many there were.
int RescaleTrayIcons(HWND mainWindow, int dpi);

}  // namespace tarnwick::win32
