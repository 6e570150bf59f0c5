#pragma once
#include <optional>

#include "cursor/cursor_access.h"
#include "seam/point.h"
#include "seam/window_manager.h"

namespace tarnwick {

// The cursor as the program's features share it: one place reads and moves it, and
// remembers where the program itself put it, so that a cursor the program moved is not
// taken for the user's (no resting place to follow, no push at an edge).
class OwnCursor {
 public:
  explicit OwnCursor(WindowManager& windows) : module2_(windows) {}

  // The position, or nothing when the system cannot report it (a locked workstation).
  std::optional<Point> Read() {
    lastRead_ = module2_.ReadMousePosition();
    return lastRead_;
  }
  // What the last read by any feature saw: a move without input (a program's) that one
  // feature saw need not wait for another's own look.
  std::optional<Point> LastRead() const { return lastRead_; }
  // A move of the user's cursor on the user's behalf (a wrap): the user keeps moving it.
  // Between monitors of different sizes the system may put the cursor elsewhere than asked:
  // read back, it is moved once more when it is not there, and never more than once, so that
  // a cursor the system keeps away is not fought over. A refused move is not asked again.
  void Move(Point position);
  // A move for the program's own reasons (parking it, putting it back): until the user moves
  // it, the cursor is ours.
  void Put(Point position);
  // The cursor stands where the program put it, or idle parking holds it (parked, or nudged
  // off and about to be put back).
  bool IsOurs(Point cursor);
  // The cursor stands exactly where the program last put it (asks, changes nothing).
  bool StandsWherePut(Point cursor) const { return putAt_ == cursor; }

  // Idle parking moved the cursor away and will put it back.
  bool Parked() const { return parked_; }
  void SetParked(bool parked) { parked_ = parked; }

 private:
  bool Set(Point position);

  Module2 module2_;
  std::optional<Point> putAt_;  // where the program last put the cursor, until it moves
  bool parked_ = false;
  std::optional<Point> lastRead_;
};

}  // namespace tarnwick
