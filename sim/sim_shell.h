#pragma once
#include <set>
#include <string>
#include <vector>

#include "seam/shell.h"

namespace tarnwick::sim {

struct ShownMessage {
  std::string title;
  std::string text;
  MessageKind kind = MessageKind::kInformation;
};

// The notification area, the browser and message boxes, as a test reads them back.
class SimShell : public Shell {
 public:
  std::set<IconId> trayIcons;
  bool trayAvailable = true;
  // What the shell accepted for the tray icon, in order: "add", "change", "delete".
  std::vector<std::string> trayOperations;
  std::string trayTip;  // the icon's tip as the shell last accepted it
  std::vector<ShownMessage> messages;
  std::vector<std::string> traces;  // lines for a debugger, in order
  // The tray menus shown, newest last; a test picks an entry with ChooseTrayMenuEntry.
  std::vector<std::vector<MenuEntry>> trayMenus;
  void ChooseTrayMenuEntry(const std::string& caption);
  std::vector<std::string> openedDocuments;
  bool refuseDocuments = false;  // no such file, or no program for it

  bool AddTrayIcon(IconId icon, const std::string& tip) override;
  bool DeleteTrayIcon(IconId icon) override;
  bool ChangeTrayIcon(IconId icon, const std::string& tip) override;
  bool OpenDocument(const std::string& address) override;
  void ShowMessage(const std::string& title, const std::string& text, MessageKind kind) override {
    messages.push_back({title, text, kind});
  }
  void Trace(const std::string& text) override { traces.push_back(text); }
  void ShowTrayMenu(const std::vector<MenuEntry>& entries) override {
    trayMenus.push_back(entries);
  }
};

}  // namespace tarnwick::sim
