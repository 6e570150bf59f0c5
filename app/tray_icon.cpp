#include "app/form1.h"

namespace tarnwick {

namespace {
// Mouse messages the shell reports for the tray icon.
constexpr int kLeftButtonDown = 0x0201;
constexpr int kRightButtonDown = 0x0204;
}  // namespace

void Form1::AddIconTray() {
  // Remembered even when the shell refuses: at log-on the taskbar may not exist yet, and
  // when it comes up (TaskbarCreated) the icon must appear, or a hidden window is lost.
  // A duplicate add is refused too, and the icon that is there stays.
  platform_.shell.AddTrayIcon(icon, kProductTitle);
  trayIconWanted_ = true;
}

void Form1::RemoveIconTray() {
  platform_.shell.DeleteTrayIcon(icon);
  trayIconWanted_ = false;
}

void Form1::TrayNotification(int mouseMessage) {
  // Either button brings the window back; hiding it first would only make it flicker.
  if (mouseMessage == kLeftButtonDown || mouseMessage == kRightButtonDown) {
    platform_.form.Show();
  }
}

void Form1::TaskbarCreated() {
  if (trayIconWanted_) AddIconTray();
}

}  // namespace tarnwick
