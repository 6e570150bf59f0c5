#include "cursor/desktop_shape.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "common/invariant.h"
#include "cursor/screen_bounds.h"

namespace tarnwick {

namespace {

bool HasArea(const MonitorInfo& m) {
  return m.right > m.left && m.bottom > m.top;
}

std::int64_t DistanceSquared(const MonitorInfo& m, Point p) {
  const std::int64_t dx = p.x - std::clamp(p.x, m.left, m.right - 1);
  const std::int64_t dy = p.y - std::clamp(p.y, m.top, m.bottom - 1);
  return dx * dx + dy * dy;
}

bool Across(DesktopEdge edge) {
  return edge == DesktopEdge::kLeft || edge == DesktopEdge::kRight;
}

// Whether the monitor shows any of the row (left and right edges) or the column (top and
// bottom edges) the cursor leaves by.
bool CoversLine(const MonitorInfo& m, Point cursor, DesktopEdge edge) {
  return Across(edge) ? m.top <= cursor.y && cursor.y < m.bottom
                      : m.left <= cursor.x && cursor.x < m.right;
}

// Whether `m` reaches further than `other` towards the side a cursor leaving by `edge`
// comes back on.
bool ReachesFurther(const MonitorInfo& m, const MonitorInfo& other, DesktopEdge edge) {
  switch (edge) {
    case DesktopEdge::kLeft:
      return m.right > other.right;
    case DesktopEdge::kRight:
      return m.left < other.left;
    case DesktopEdge::kTop:
      return m.bottom > other.bottom;
    case DesktopEdge::kBottom:
      return m.top < other.top;
  }
  return false;
}

Point Beyond(Point p, DesktopEdge edge) {
  switch (edge) {
    case DesktopEdge::kLeft:
      return {p.x - 1, p.y};
    case DesktopEdge::kRight:
      return {p.x + 1, p.y};
    case DesktopEdge::kTop:
      return {p.x, p.y - 1};
    case DesktopEdge::kBottom:
      return {p.x, p.y + 1};
  }
  return p;
}

// Whether another monitor touches `m`'s `edge` along some of its length.
bool HasNeighbourAcross(const DesktopShape& shape, const MonitorInfo& m, DesktopEdge edge) {
  return std::any_of(shape.monitors.begin(), shape.monitors.end(), [&](const MonitorInfo& n) {
    const bool overlapsDown = n.top < m.bottom && n.bottom > m.top;
    const bool overlapsAcross = n.left < m.right && n.right > m.left;
    switch (edge) {
      case DesktopEdge::kLeft:
        return n.right == m.left && overlapsDown;
      case DesktopEdge::kRight:
        return n.left == m.right && overlapsDown;
      case DesktopEdge::kTop:
        return n.bottom == m.top && overlapsAcross;
      case DesktopEdge::kBottom:
        return n.top == m.bottom && overlapsAcross;
    }
    return false;
  });
}

// Whether the desktop ends at `cursor` (a point it shows) going towards `edge`.
bool EndsAt(const DesktopShape& shape, Point cursor, DesktopEdge edge) {
  if (shape.Shows(Beyond(cursor, edge))) return false;
  return !shape.easesCrossings || !HasNeighbourAcross(shape, shape.MonitorAt(cursor), edge);
}

}  // namespace

DesktopShape DesktopShape::Of(Screen& screen) {
  DesktopShape shape;
  for (const MonitorInfo& m : screen.Monitors()) {
    if (HasArea(m)) shape.monitors.push_back(m);
  }
  if (shape.monitors.empty()) {
    // Nothing named (the system refused, or a backend that knows one screen): the primary
    // screen, so that a single screen gives exactly the single-screen answers.
    const ScreenMetrics metrics = screen.Metrics();
    const Point size{metrics.widthPx, metrics.heightPx};
    shape.monitors.push_back({0, 0, std::max(size.x, 1), std::max(size.y, 1), true, metrics.dpi});
  }
  // Only between monitors is there anything to ease.
  shape.easesCrossings = shape.monitors.size() > 1 && screen.EasesCursorBetweenDisplays();
  return shape;
}

const MonitorInfo& DesktopShape::MonitorAt(Point p) const {
  const MonitorInfo* nearest = &monitors.front();
  for (const MonitorInfo& m : monitors) {
    if (m.Contains(p)) return m;
    if (DistanceSquared(m, p) < DistanceSquared(*nearest, p)) nearest = &m;
  }
  return *nearest;
}

bool DesktopShape::Shows(Point p) const {
  return std::any_of(monitors.begin(), monitors.end(),
                     [p](const MonitorInfo& m) { return m.Contains(p); });
}

std::optional<DesktopEdge> WrappingEdgeAt(const DesktopShape& shape, Point cursor,
                                          WrapEdges ticked) {
  // A cursor where no monitor is (a stale read) is on no edge the user can see.
  if (!shape.Shows(cursor)) return std::nullopt;
  for (const auto& [edge, wraps] :
       {std::pair{DesktopEdge::kLeft, ticked.left}, std::pair{DesktopEdge::kRight, ticked.right},
        std::pair{DesktopEdge::kTop, ticked.top}, std::pair{DesktopEdge::kBottom, ticked.bottom}}) {
    if (wraps && EndsAt(shape, cursor, edge)) return edge;
  }
  return std::nullopt;
}

namespace {

// The monitor reaching furthest the other way among those that show the cursor's row (or
// column); only if none shows it, the one reaching furthest of all.
const MonitorInfo& LandingMonitor(const DesktopShape& shape, Point cursor, DesktopEdge edge) {
  const MonitorInfo* target = nullptr;
  bool targetCovers = false;
  for (const MonitorInfo& m : shape.monitors) {
    const bool covers = CoversLine(m, cursor, edge);
    if (target == nullptr || (covers && !targetCovers) ||
        (covers == targetCovers && ReachesFurther(m, *target, edge))) {
      target = &m;
      targetCovers = covers;
    }
  }
  TARNWICK_CHECK(target != nullptr, "a desktop has a monitor");
  return *target;
}

// The cursor's row or column on the monitor, at the edge across from the one it left. The
// insets keep it off that edge, so it is not sent straight back: a column in from the right,
// two rows up from the bottom, one in from left or top.
Point OppositeEdgePoint(const MonitorInfo& m, Point cursor, DesktopEdge edge) {
  // Kept on the monitor, never in space no monitor shows.
  Point landing{std::clamp(cursor.x, m.left, m.right - 1),
                std::clamp(cursor.y, m.top, m.bottom - 1)};
  switch (edge) {
    case DesktopEdge::kLeft:
      landing.x = std::max(m.left, m.right - 2);
      break;
    case DesktopEdge::kRight:
      landing.x = std::min(m.right - 1, m.left + 1);
      break;
    case DesktopEdge::kTop:
      landing.y = std::max(m.top, m.bottom - 3);
      break;
    case DesktopEdge::kBottom:
      landing.y = std::min(m.bottom - 1, m.top + 1);
      break;
  }
  return landing;
}

}  // namespace

Point LandingFor(const DesktopShape& shape, Point cursor, DesktopEdge edge) {
  const MonitorInfo& m = LandingMonitor(shape, cursor, edge);
  Point landing = OppositeEdgePoint(m, cursor, edge);
  // Where the landing point lies on an edge across the way the cursor went (the step of an
  // offset monitor), it would be wrapped again at once: one pixel in. A corner the cursor
  // stood in still takes its second edge on the next tick.
  const Point across = Across(edge) ? Point{0, 1} : Point{1, 0};
  for (const int sign : {-1, 1}) {
    const auto endsAt = [&](Point p) {
      return !shape.Shows({p.x + sign * across.x, p.y + sign * across.y});
    };
    if (endsAt(landing) && !endsAt(cursor)) {
      landing.x = std::clamp(landing.x - sign * across.x, m.left, m.right - 1);
      landing.y = std::clamp(landing.y - sign * across.y, m.top, m.bottom - 1);
    }
  }
  return landing;
}

std::optional<Point> WrapLanding(const DesktopShape& shape, Point cursor, WrapEdges ticked) {
  const std::optional<DesktopEdge> edge = WrappingEdgeAt(shape, cursor, ticked);
  if (!edge) return std::nullopt;
  const Point landing = LandingFor(shape, cursor, *edge);
  if (landing == cursor) return std::nullopt;  // a monitor too narrow to wrap across
  return landing;
}

bool InCorner(const DesktopShape& shape, Point cursor) {
  if (!shape.Shows(cursor)) return false;
  const auto endsAt = [&](DesktopEdge edge) { return EndsAt(shape, cursor, edge); };
  return (endsAt(DesktopEdge::kLeft) || endsAt(DesktopEdge::kRight)) &&
         (endsAt(DesktopEdge::kTop) || endsAt(DesktopEdge::kBottom));
}

Point ParkPointOn(const DesktopShape& shape, Point cursor, bool taskbarAllowance) {
  const MonitorInfo& m = shape.MonitorAt(cursor);
  const int rowsUp = taskbarAllowance ? kTaskbarAllowancePx : 1;
  // A monitor lower than the allowance keeps the point on itself.
  return {m.right - 1, std::max(m.top, m.bottom - rowsUp)};
}

}  // namespace tarnwick
