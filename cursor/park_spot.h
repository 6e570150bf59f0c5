#pragma once
#include <string>

#include "cursor/position_text.h"
#include "seam/point.h"

namespace tarnwick {

// Where idle parking put the cursor, so that a cursor parked on any monitor is recognised
// as parked (the primary's park point text alone names only one corner). The primary's park
// point text at that moment is kept with it: when it changes (the allowance box, a new
// resolution), the park point may have moved too, and the cursor is parked anew.
class ParkSpot {
 public:
  void Remember(Point parkedAt, const std::string& screenBounds) {
    position_ = PositionText(parkedAt);
    screenBounds_ = screenBounds;
  }
  void Forget() { position_.clear(); }
  // The cursor still stands where it was parked, and nothing has moved the park point.
  bool Holds(const std::string& position, const std::string& screenBounds) const {
    return !position_.empty() && position == position_ && screenBounds == screenBounds_;
  }

 private:
  std::string position_;
  std::string screenBounds_;
};

}  // namespace tarnwick
