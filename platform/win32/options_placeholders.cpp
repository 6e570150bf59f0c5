// Stand-ins for the Windows side of the Options window and the tray menu, which are being
// built on their own branch: with these the program builds and runs with every option at
// its default. This file goes when the real ones arrive.
#include "platform/win32/main_window.h"
#include "platform/win32/system_shell.h"
#include "platform/win32/system_window_manager.h"

namespace tarnwick::win32 {

void MainWindow::ShowOptions() {}

void SystemShell::ShowTrayMenu(const std::vector<MenuEntry>&) {}

std::string SystemWindowManager::ProgramFileName(WindowHandle) {
  return {};
}

std::string SystemWindowManager::ClassName(WindowHandle) {
  return {};
}

bool SystemWindowManager::ModifierKeyDown(ModifierKey) {
  return false;
}

bool SystemWindowManager::FullscreenProgramInFront() {
  return false;
}

}  // namespace tarnwick::win32
