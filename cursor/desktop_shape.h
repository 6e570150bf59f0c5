#pragma once
#include <optional>
#include <vector>

#include "seam/point.h"
#include "seam/screen.h"

namespace tarnwick {

// The monitors as the wrap and the parking see them, in physical pixels. Never empty.
struct DesktopShape {
  std::vector<MonitorInfo> monitors;
  // Windows carries a cursor pushed against a stretch of a monitor's edge that no neighbour
  // shares onto the neighbour beyond the rest of that edge ("Ease cursor movement between
  // displays"): such a stretch is then a crossing, not an end of the desktop.
  bool easesCrossings = false;

  // The desktop as the screen reports it now: its monitors, or, when it names none, the
  // primary screen alone, measured as the single-screen rules measure it.
  static DesktopShape Of(Screen& screen);
  // The monitor under the point, or the one nearest to it.
  const MonitorInfo& MonitorAt(Point p) const;
  bool Shows(Point p) const;
};

enum class DesktopEdge { kLeft, kRight, kTop, kBottom };

// Which edges the user ticked for the wrap.
struct WrapEdges {
  bool left = false;
  bool right = false;
  bool top = false;
  bool bottom = false;
};

// The ticked edge the cursor stands on, if any: an edge counts only where no monitor lies
// beyond that very point, and, while the system eases crossings, no neighbour shares any of
// that monitor's edge. Left and right are asked before top and bottom, one edge a tick.
std::optional<DesktopEdge> WrappingEdgeAt(const DesktopShape& shape, Point cursor,
                                          WrapEdges ticked);

// Where a cursor leaving by `edge` comes back: the far end of the desktop on the same row
// (or column), just inside the monitor that reaches furthest that way.
Point LandingFor(const DesktopShape& shape, Point cursor, DesktopEdge edge);

// Both at once: the landing point, or nothing when the cursor is on no ticked edge.
std::optional<Point> WrapLanding(const DesktopShape& shape, Point cursor, WrapEdges ticked);

// True where the point is on the desktop's edge both across and down: a corner, where the
// Start button and a maximised window's close button sit.
bool InCorner(const DesktopShape& shape, Point cursor);

// Where an idle cursor is parked: the bottom-right corner of its own monitor, or 200 rows
// above that monitor's bottom with the taskbar allowance.
Point ParkPointOn(const DesktopShape& shape, Point cursor, bool taskbarAllowance);

}  // namespace tarnwick
