#include "app/tray_events.h"

#include <utility>

namespace tarnwick {
namespace {

// What the shell reports for a tray icon: WM_LBUTTONDOWN, and WM_RBUTTONUP or WM_CONTEXTMENU
// (the menu key, Shift+F10) for its menu, which opens on release like every context menu.
constexpr int kMouseMove = 0x0200;
constexpr int kLeftButtonDown = 0x0201;
constexpr int kLeftButtonUp = 0x0202;
constexpr int kRightButtonUp = 0x0205;
constexpr int kContextMenu = 0x007B;
// The icon chosen with the mouse, or with Enter or Space.
constexpr int kSelect = 0x0400;
constexpr int kKeySelect = 0x0401;

}  // namespace

std::optional<TrayEvent> TrayEventFor(int mouseMessage) {
  if (mouseMessage == kLeftButtonDown) return TrayEvent::kIconPressed;
  if (mouseMessage == kRightButtonUp || mouseMessage == kContextMenu) {
    return TrayEvent::kMenuRequested;
  }
  return std::nullopt;
}

std::optional<TrayNotifications::Request> TrayNotifications::OnNotification(int message) {
  if (message == kMouseMove) return std::nullopt;
  const bool leftClickShown = std::exchange(leftClickShown_, false);
  const bool rightButtonUp = std::exchange(rightButtonUp_, false);
  switch (message) {
    case kLeftButtonDown:
      leftClickShown_ = true;
      return Request{TrayEvent::kIconPressed, false};
    case kLeftButtonUp:
      leftClickShown_ = leftClickShown;
      return std::nullopt;
    case kSelect:
      if (leftClickShown) return std::nullopt;
      return Request{TrayEvent::kIconPressed, false};
    case kKeySelect:
      return Request{TrayEvent::kIconPressed, true};
    case kRightButtonUp:
      // Here the menu waits for the request that follows, or it would open twice.
      rightButtonUp_ = true;
      return std::nullopt;
    case kContextMenu:
      return Request{TrayEvent::kMenuRequested, !rightButtonUp};
    default:
      return std::nullopt;
  }
}

}  // namespace tarnwick
