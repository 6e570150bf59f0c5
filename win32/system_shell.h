#pragma once
#include "seam/shell.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// The tray icon's id, the same for both pictures; 1, the id the enabled picture always had.
inline constexpr UINT kTrayIconId = 1;

// Tray icon and its menu, browser and message boxes, all owned by the main window (a message
// box by the program's window the user works in, the Options window say). The window has one
// tray icon at most; the IconId arguments say which picture it shows.
class SystemShell : public Shell {
 public:
  explicit SystemShell(HWND mainWindow) : mainWindow_(mainWindow) {}
  bool AddTrayIcon(IconId icon, const std::string& tip) override;
  bool DeleteTrayIcon(IconId icon) override;
  void ShowTrayMenu(const std::vector<MenuEntry>& entries) override;
  bool OpenDocument(const std::string& address) override;
  void ShowMessage(const std::string& title, const std::string& text, MessageKind kind) override;
  void Trace(const std::string& text) override;

 private:
  HWND mainWindow_;
};

// Gives the window's tray icon, if it is there, `picture` at the size for a new DPI; false
// when there was none.
bool RescaleTrayIcon(HWND mainWindow, IconId picture, int dpi);

}  // namespace tarnwick::win32
