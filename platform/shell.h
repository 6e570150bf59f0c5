#pragma once
#include <string>

#include "platform/icon_id.h"

namespace tarnwick {

// The notification area, the user's browser and modal messages.
class Shell {
 public:
  virtual ~Shell() = default;
  // A tray icon is identified by the main window and the icon's id, so a new picture is
  // a new icon: remove the old one before changing the picture, add afterwards.
  virtual bool AddTrayIcon(IconId icon, const std::string& tip) = 0;
  virtual bool DeleteTrayIcon(IconId icon) = 0;
  // Opens a document or web address with its associated program.
  virtual bool OpenDocument(const std::string& address) = 0;
  // A modal message box with a single OK button; returns when the user closes it.
  virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
};

}  // namespace tarnwick
