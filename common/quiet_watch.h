#pragma once
#include <cstdint>
#include <optional>

namespace tarnwick {

// Tells a timer whether anything happened since its last look, from the system's time of
// the last input: one cheap question where reading the cursor costs a round trip to the
// window manager (and, under Wine, to the X server) on every tick of an idle desktop.
//
// Moves that make no input (another program setting the cursor, on some systems) are not
// seen that way, so every so many quiet ticks the timer looks anyway.
class QuietWatch {
 public:
  explicit QuietWatch(int maxQuietTicks) : maxQuietTicks_(maxQuietTicks) {}
  // True when the input time is the one seen last time and the timer need not look.
  bool Quiet(std::uint32_t lastInputTime) {
    const bool same = seen_ && *seen_ == lastInputTime && quietTicks_ < maxQuietTicks_;
    seen_ = lastInputTime;
    quietTicks_ = same ? quietTicks_ + 1 : 0;
    return same;
  }
  // The next tick looks, whatever the input time says.
  void Forget() { seen_.reset(); }

 private:
  int maxQuietTicks_;
  std::optional<std::uint32_t> seen_;
  int quietTicks_ = 0;
};

}  // namespace tarnwick
