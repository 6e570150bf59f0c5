#pragma once
#include <functional>
#include <string>
#include <vector>

#include "seam/icon_id.h"

namespace tarnwick {

// One line of a context menu; an entry with no caption is a separator.
struct MenuEntry {
  std::string caption;
  bool checked = false;
  bool isDefault = false;  // drawn bold: what a click on the icon does
  std::function<void()> action;
};

// What a message box brings, shown by its icon.
enum class MessageKind {
  kInformation,  // news the user asked for, such as About
  kWarning,      // input refused: the user can put it right
  kError,        // something the program tried failed
};

// The notification area, the user's browser and modal messages.
class Shell {
 public:
  virtual ~Shell() = default;
  // The program has one tray icon at most, showing `icon`'s picture. Adding it again while
  // it is there is refused.
  virtual bool AddTrayIcon(IconId icon, const std::string& tip) = 0;
  virtual bool DeleteTrayIcon(IconId icon) = 0;
  // Gives the icon that is there another picture and tip, in its place; false when there is
  // none. Deleted and added again, it would move within the notification area, or into the
  // overflow.
  virtual bool ChangeTrayIcon(IconId icon, const std::string& tip) = 0;
  // The tray icon's context menu near the icon, by the platform's rules for tray menus (it
  // closes when the user clicks elsewhere; the keyboard works in it). The chosen entry's
  // action runs after the menu has closed; nothing runs when the user dismissed it.
  virtual void ShowTrayMenu(const std::vector<MenuEntry>& entries) = 0;
  // Opens a document or web address with its associated program.
  virtual bool OpenDocument(const std::string& address) = 0;
  // A modal message box with a single OK button and the icon of its kind; returns when the
  // user closes it.
  virtual void ShowMessage(const std::string& title, const std::string& text,
                           MessageKind kind = MessageKind::kInformation) = 0;
  // A line for a debugger or DebugView, for news that no one waits for: nothing is shown.
  virtual void Trace(const std::string& text) = 0;
};

}  // namespace tarnwick
