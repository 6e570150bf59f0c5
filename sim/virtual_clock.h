#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace tarnwick::sim {

// Virtual time for the simulated desktop: scripted input at chosen moments and timers that
// tick at their intervals, run in one fixed order so every run of a test is the same.
//
// The order: the earliest moment first. At one moment, input comes before timers (a message
// queue makes timer ticks only once it is otherwise empty); inputs run in the order they were
// scripted; timers due together tick in id order. Time never goes backwards.
class VirtualClock {
 public:
  std::int64_t NowMs() const { return nowMs_; }
  // Runs an input event at a moment of virtual time; a moment already past means now.
  void At(std::int64_t atMs, std::function<void()> input);
  // Runs everything due up to `endMs` and leaves the clock there, unless `stopped` turns
  // true on the way (the program quit), which leaves the clock at that moment.
  void RunUntil(std::int64_t endMs, const std::function<bool()>& stopped);

  // Starts (or restarts, with a fresh interval) a timer; intervals below 1 ms are 1 ms.
  void StartTimer(int timerId, int intervalMs, std::function<void()> onTick);
  void StopTimer(int timerId);
  bool TimerRunning(int timerId) const { return timers_.count(timerId) != 0; }
  // Runs the input already due now, in order, until none is left or `stopped` turns true.
  void RunDueInput(const std::function<bool()>& stopped);

 private:
  struct PendingInput {
    std::int64_t atMs;
    std::uint64_t sequence;
    std::function<void()> run;
  };
  struct TimerState {
    int intervalMs;
    std::int64_t dueMs;
    std::function<void()> onTick;
  };
  bool RunNextDue(std::int64_t endMs);
  void AdvanceTo(std::int64_t atMs);

  std::int64_t nowMs_ = 0;
  std::uint64_t nextSequence_ = 0;
  std::vector<PendingInput> inputs_;
  std::map<int, TimerState> timers_;
};

}  // namespace tarnwick::sim
