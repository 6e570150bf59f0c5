#include "app/form1.h"
#include "cursor/screen_bounds.h"

namespace tarnwick {

void Form1::Form_DisplayChange() {
  // A new resolution or a docked screen moves the corners: keep the park point and the wrap
  // limits on the screen as it is now, or a parked cursor would no longer be recognised.
  const ScreenMetrics metrics = platform_.screen.Metrics();
  ScreenBounds = ParkPointText(metrics, Check5.IsChecked());
  const Point limits = WrapLimits(metrics);
  MaxX = limits.x;
  MaxY = limits.y;
}

}  // namespace tarnwick
