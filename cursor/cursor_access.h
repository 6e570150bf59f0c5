#pragma once
#include <cstdint>
#include <optional>

#include "seam/point.h"
#include "seam/window_manager.h"

namespace tarnwick {

// The cursor as the cursor features see it. Holds nothing: every operation asks the
// system afresh. A position the system cannot report reads as 0.
class CMouse {
 public:
  explicit CMouse(WindowManager& windows) : windows_(windows) {}

  // `readOk`, when given, tells whether the system reported the position.
  Point Position(bool* readOk = nullptr) const;

 private:
  WindowManager& windows_;
};

// The cursor procedures, over the one shared CMouse: one read, and moves in two steps.
class Module2 {
 public:
  explicit Module2(WindowManager& windows) : windows_(windows), mouse_(windows) {}

  // Two moves: first across, keeping the old y, then down or up. The cursor is read once,
  // before the first: a second read between the moves can still show where the cursor was
  // before the first one (Wine shows it now and then), and the second move then threw the
  // cursor back across. False when the system refused the last move.
  bool SetMousePosition(std::int16_t x, std::int16_t y);
  // The position, or nothing when the system could not report it.
  std::optional<Point> ReadMousePosition();

 private:
  WindowManager& windows_;
  CMouse mouse_;
};

}  // namespace tarnwick
