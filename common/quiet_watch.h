#pragma once
#include <cstdint>
#include <optional>

namespace tarnwick {

// Tells a timer whether anything happened since its last look, from the system's time of
// the last input: one cheap question where reading the cursor costs a round trip to the
// window manager (and, under Wine, to the X server) on every tick of an idle desktop.
//
// Moves that make no input (another program setting the cursor) are not seen that way, so
// every so many quiet ticks the timer looks anyway.
class QuietWatch {
 public:
  explicit QuietWatch(int maxQuietTicks) : maxQuietTicks_(maxQuietTicks) {}
  // True when the timer need not look: no input since the looks that followed the last one.
  // New input earns two looks, this tick's and the next: right after a move the cursor can
  // still read where it was.
  bool Quiet(std::uint32_t lastInputTime) {
    if (!seen_ || *seen_ != lastInputTime) {
      seen_ = lastInputTime;
      looksDue_ = 2;
      quietTicks_ = 0;
    }
    if (looksDue_ > 0) {
      --looksDue_;
      return false;
    }
    if (quietTicks_ >= maxQuietTicks_) {
      quietTicks_ = 0;
      return false;
    }
    ++quietTicks_;
    return true;
  }
  // The looks that the last input earned have been taken: until new input, nothing moved.
  bool Settled(std::uint32_t lastInputTime) const {
    return seen_ == lastInputTime && looksDue_ == 0;
  }
  // The next tick looks, whatever the input time says (the cursor could not be read).
  void Forget() { seen_.reset(); }

 private:
  int maxQuietTicks_;
  std::optional<std::uint32_t> seen_;
  int looksDue_ = 0;
  int quietTicks_ = 0;
};

}  // namespace tarnwick
