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
  switch (event) {
    case TrayEvent::kIconPressed:
      // On a shown window too: hiding it first would only make it flicker.
      ShowMainWindow();
      break;
    case TrayEvent::kMenuRequested:
      ShowTrayMenu();
      break;
  }
}

void Form1::ShowTrayMenu() {
  platform_.shell.ShowTrayMenu({
      {"Show Tarnwick", false, true, [this] { ShowMainWindow(); }},
      {"Enabled", focus.Enabled(), false, [this] { Command1_Click(); }},
      {"Options...", false, false, [this] { Options_Click(); }},
      {"", false, false, {}},
      {"Exit", false, false, [this] { Command2_Click(); }},
  });
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
