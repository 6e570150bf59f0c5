#include "seam/tray_events.h"

namespace tarnwick {
namespace {

// What the shell reports for a tray icon: WM_LBUTTONDOWN, and WM_RBUTTONUP or WM_CONTEXTMENU
// (the menu key, Shift+F10) for its menu, which opens on release like every context menu.
constexpr int kLeftButtonDown = 0x0201;
constexpr int kRightButtonUp = 0x0205;
constexpr int kContextMenu = 0x007B;

}  // namespace

std::optional<TrayEvent> TrayEventFor(int mouseMessage) {
  if (mouseMessage == kLeftButtonDown) return TrayEvent::kIconPressed;
  if (mouseMessage == kRightButtonUp || mouseMessage == kContextMenu) {
    return TrayEvent::kMenuRequested;
  }
  return std::nullopt;
}

}  // namespace tarnwick
