#pragma once
#include <ostream>
#include <string>

#include "tests/sim/sim_fixture.h"

namespace tarnwick {

inline void PrintTo(const Point& point, std::ostream* out) {
  *out << "(" << point.x << ", " << point.y << ")";
}

}  // namespace tarnwick

namespace tarnwick::sim {

// A primary screen: its size in pixels and its dots per inch.
struct ScreenCase {
  int widthPx;
  int heightPx;
  int dpi;
  int MaxX() const { return widthPx - 1; }
  int MaxY() const { return heightPx - 1; }
  friend std::ostream& operator<<(std::ostream& out, const ScreenCase& s) {
    return out << s.widthPx << "x" << s.heightPx << "@" << s.dpi;
  }
};

// The classic 96-DPI screen, and a full-HD one at 150 % scaling (144 DPI).
inline constexpr ScreenCase kClassicScreen{800, 600, 96};
inline constexpr ScreenCase kScaledScreen{1920, 1080, 144};

// The cursor timers tick every 100 ms from start-up, Timer5 before Timer8 when both are due.
class CursorFixture : public SimFixture, public ::testing::WithParamInterface<ScreenCase> {
 protected:
  static constexpr int kTickMs = 100;

  void StartOn(const ScreenCase& screen) {
    desktop.SetScreenPixels(screen.widthPx, screen.heightPx, screen.dpi);
    Start();
  }
  void Ticks(int count) { desktop.RunFor(static_cast<std::int64_t>(count) * kTickMs); }
  void MoveTo(Point position) { desktop.UserMovesCursor(position); }
  std::size_t MoveCount() const { return desktop.CursorMoves().size(); }
};

}  // namespace tarnwick::sim
