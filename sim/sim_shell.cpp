#include "sim/sim_shell.h"

#include <functional>

namespace tarnwick::sim {

bool SimShell::AddTrayIcon(IconId icon, const std::string& tip) {
  if (!trayAvailable || trayIcons.count(icon) != 0) return false;
  trayIcons.insert(icon);
  trayTip = tip;
  trayOperations.push_back("add");
  return true;
}

bool SimShell::DeleteTrayIcon(IconId icon) {
  if (trayIcons.erase(icon) == 0) return false;
  trayOperations.push_back("delete");
  return true;
}

bool SimShell::ChangeTrayIcon(IconId icon, const std::string& tip) {
  if (!trayAvailable || trayIcons.empty()) return false;
  trayIcons = {icon};
  trayTip = tip;
  trayOperations.push_back("change");
  return true;
}

bool SimShell::OpenDocument(const std::string& address) {
  openedDocuments.push_back(address);
  return !refuseDocuments;
}

void SimShell::ChooseTrayMenuEntry(const std::string& caption) {
  if (trayMenus.empty()) return;
  for (const MenuEntry& entry : trayMenus.back()) {
    if (entry.caption == caption && entry.action) {
      // Copied: the action may show another menu.
      const std::function<void()> action = entry.action;
      action();
      return;
    }
  }
}

}  // namespace tarnwick::sim
