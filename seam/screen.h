#pragma once
#include <vector>

#include "seam/point.h"

namespace tarnwick {

// The primary screen: its size in physical pixels, and its scaling in dots per inch (96 at
// 100 %), which only the diagnostics report.
struct ScreenMetrics {
  int widthPx = 0;
  int heightPx = 0;
  int dpi = 96;
};

// One monitor of the desktop: its rectangle in physical pixels (left and top inclusive,
// right and bottom exclusive; left of or above the primary one is negative), whether it is
// the primary one, and its own scaling in dots per inch (96 at 100 %, 144 at 150 %).
struct MonitorInfo {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool primary = false;
  int dpi = 96;
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  friend bool operator==(const MonitorInfo&, const MonitorInfo&) = default;
};

class Screen {
 public:
  virtual ~Screen() = default;
  virtual ScreenMetrics Metrics() = 0;
  // Every monitor as the desktop is laid out now; empty when the system cannot say.
  virtual std::vector<MonitorInfo> Monitors() = 0;
  // How many monitors the desktop has now: cheap enough to ask at every look.
  virtual int MonitorCount() = 0;
  // Whether the system itself carries a cursor pushed against a stretch of a monitor's edge
  // that no neighbour shares onto that neighbour (Windows 11's "Ease cursor movement between
  // displays"). A system without the feature never does.
  virtual bool EasesCursorBetweenDisplays() { return false; }
};

}  // namespace tarnwick
