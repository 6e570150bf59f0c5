#include "app/form1.h"

namespace tarnwick {

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

void Form1::TrayNotification(TrayEvent event) {
  // Either button brings the window back; hiding it first would only make it flicker.
  switch (event) {
    case TrayEvent::kIconPressed:
    case TrayEvent::kMenuRequested:
      ShowMainWindow();
      break;
  }
}

void Form1::SecondStartRequested() {
  ShowMainWindow();
}

void Form1::ShowMainWindow() {
  // Every path that shows the window means the same: visible, restored and in front.
  platform_.form.Show();
}

void Form1::TaskbarCreated() {
  if (trayIconWanted_) AddIconTray();
}

}  // namespace tarnwick
