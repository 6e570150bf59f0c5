#include "win32/tray_notifications.h"

#include <shellapi.h>

#include <utility>

namespace tarnwick::win32 {
namespace {

// The classic way: WM_LBUTTONDOWN, and WM_RBUTTONUP or WM_CONTEXTMENU (the menu key,
// Shift+F10) for the menu, which opens on release like every context menu.
TrayRequest ClassicRequest(UINT message) {
  if (message == WM_LBUTTONDOWN) return {TrayEvent::kIconPressed};
  if (message == WM_RBUTTONUP || message == WM_CONTEXTMENU) return {TrayEvent::kMenuRequested};
  return {};
}

}  // namespace

TrayRequest TrayNotifications::OnNotification(UINT message, bool fourthWay) {
  if (message == NIN_BALLOONSHOW) return {std::nullopt, false, true};
  if (!fourthWay) return ClassicRequest(message);
  if (message == WM_MOUSEMOVE) return {};
  const bool leftClickShown = std::exchange(leftClickShown_, false);
  const bool rightButtonUp = std::exchange(rightButtonUp_, false);
  switch (message) {
    case WM_LBUTTONDOWN:
      leftClickShown_ = true;
      return {TrayEvent::kIconPressed};
    case WM_LBUTTONUP:
      leftClickShown_ = leftClickShown;
      return {};
    case NIN_SELECT:  // chosen with the mouse
      if (leftClickShown) return {};
      return {TrayEvent::kIconPressed};
    case NIN_KEYSELECT:  // chosen with Enter or Space
      return {TrayEvent::kIconPressed, true};
    case WM_RBUTTONUP:
      // Here the menu waits for the request that follows, or it would open twice.
      rightButtonUp_ = true;
      return {};
    case WM_CONTEXTMENU:
      return {TrayEvent::kMenuRequested, !rightButtonUp};
    default:
      return {};
  }
}

}  // namespace tarnwick::win32
