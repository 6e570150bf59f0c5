#include "platform/tray_events.h"

namespace tarnwick {
namespace {

// The mouse messages the shell reports for a tray icon (WM_LBUTTONDOWN, WM_RBUTTONDOWN).
constexpr int kLeftButtonDown = 0x0201;
constexpr int kRightButtonDown = 0x0204;

}  // namespace

std::optional<TrayEvent> TrayEventFor(int mouseMessage) {
  switch (mouseMessage) {
    case kLeftButtonDown:
      return TrayEvent::kIconPressed;
    case kRightButtonDown:
      return TrayEvent::kMenuRequested;
    default:
      return std::nullopt;
  }
}

}  // namespace tarnwick
