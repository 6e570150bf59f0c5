#include "app/form1.h"

namespace tarnwick {

namespace {
// Mouse messages the shell reports for the tray icon.
constexpr int kLeftButtonDown = 0x0201;
constexpr int kRightButtonDown = 0x0204;
}  // namespace

void Form1::AddIconTray() {
  // The shell refuses a duplicate add; the icon that is there stays.
  if (platform_.shell.AddTrayIcon(icon, kProductTitle)) trayIconShown_ = true;
}

void Form1::RemoveIconTray() {
  platform_.shell.DeleteTrayIcon(icon);
  trayIconShown_ = false;
}

void Form1::TrayNotification(int mouseMessage) {
  // A right press used to hide a shown window and show it again; it now just shows it.
  if (mouseMessage == kLeftButtonDown || mouseMessage == kRightButtonDown) {
    platform_.form.Show();
  }
}

void Form1::TaskbarCreated() {
  if (!trayIconShown_) return;
  trayIconShown_ = false;
  AddIconTray();
}

}  // namespace tarnwick
