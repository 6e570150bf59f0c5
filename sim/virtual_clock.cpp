#include "sim/virtual_clock.h"

#include <algorithm>
#include <cassert>

namespace tarnwick::sim {

void VirtualClock::At(std::int64_t atMs, std::function<void()> input) {
  inputs_.push_back({std::max(atMs, nowMs_), nextSequence_++, std::move(input)});
}

void VirtualClock::RunUntil(std::int64_t endMs, const std::function<bool()>& stopped) {
  while (!stopped() && RunNextDue(endMs)) {
  }
  if (!stopped()) AdvanceTo(std::max(nowMs_, endMs));
}

void VirtualClock::AdvanceTo(std::int64_t atMs) {
  assert(atMs >= nowMs_ && "virtual time never goes backwards");
  nowMs_ = atMs;
}

bool VirtualClock::RunNextDue(std::int64_t endMs) {
  auto input = std::min_element(inputs_.begin(), inputs_.end(), [](const auto& a, const auto& b) {
    return a.atMs != b.atMs ? a.atMs < b.atMs : a.sequence < b.sequence;
  });
  auto timer = std::min_element(timers_.begin(), timers_.end(), [](const auto& a, const auto& b) {
    return a.second.dueMs != b.second.dueMs ? a.second.dueMs < b.second.dueMs : a.first < b.first;
  });
  const bool hasInput = input != inputs_.end() && input->atMs <= endMs;
  const bool hasTimer = timer != timers_.end() && timer->second.dueMs <= endMs;
  if (!hasInput && !hasTimer) return false;
  if (hasInput && (!hasTimer || input->atMs <= timer->second.dueMs)) {
    AdvanceTo(std::max(nowMs_, input->atMs));
    std::function<void()> run = std::move(input->run);
    inputs_.erase(input);
    run();
    return true;
  }
  AdvanceTo(std::max(nowMs_, timer->second.dueMs));
  timer->second.dueMs = nowMs_ + timer->second.intervalMs;
  std::function<void()> onTick = timer->second.onTick;  // the tick may stop or restart it
  onTick();
  return true;
}

void VirtualClock::StartTimer(int timerId, int intervalMs, std::function<void()> onTick) {
  const int interval = std::max(intervalMs, 1);
  timers_[timerId] = TimerState{interval, nowMs_ + interval, std::move(onTick)};
}

void VirtualClock::StopTimer(int timerId) {
  timers_.erase(timerId);
}

void VirtualClock::RunDueInput(const std::function<bool()>& stopped) {
  for (;;) {
    auto due = std::find_if(inputs_.begin(), inputs_.end(),
                            [this](const PendingInput& i) { return i.atMs <= nowMs_; });
    if (due == inputs_.end() || stopped()) return;
    std::function<void()> run = std::move(due->run);
    inputs_.erase(due);
    run();
  }
}

}  // namespace tarnwick::sim
