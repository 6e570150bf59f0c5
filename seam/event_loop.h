#pragma once
#include <functional>
#include <utility>

namespace tarnwick {

// Timers and the UI thread's event queue.
class EventLoop {
 public:
  virtual ~EventLoop() = default;
  // Starts (or restarts, with a fresh interval) the timer with this id.
  virtual void StartTimer(int timerId, int intervalMs, std::function<void()> onTick) = 0;
  // The same for a timer whose ticks may come a little late (up to a tenth of the interval),
  // so the system can serve it together with other wake-ups.
  virtual void StartLazyTimer(int timerId, int intervalMs, std::function<void()> onTick) {
    StartTimer(timerId, intervalMs, std::move(onTick));
  }
  virtual void StopTimer(int timerId) = 0;
  // Dispatches the input events already waiting in the queue, then returns. Timer ticks
  // are not dispatched here, so a tick handler that pumps is never re-entered by itself.
  virtual void PumpPending() = 0;
  // Ends the program's event loop at once.
  virtual void Quit() = 0;
};

}  // namespace tarnwick
