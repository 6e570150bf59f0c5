#pragma once
#include <functional>
#include <string>
#include <utility>

#include "seam/event_loop.h"

namespace tarnwick {

// A timer ticks every interval while enabled; switching it on starts a fresh interval.
class Timer {
 public:
  Timer(std::string name, int id, int intervalMs, bool enabled)
      : name_(std::move(name)), id_(id), intervalMs_(intervalMs), enabled_(enabled) {}
  // A timer on an event loop from the start: one created enabled starts ticking at once.
  Timer(std::string name, int id, int intervalMs, bool enabled, EventLoop& loop,
        std::function<void()> handler)
      : Timer(std::move(name), id, intervalMs, enabled) {
    onTick = std::move(handler);
    Attach(loop);
  }
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  std::function<void()> onTick;

  const std::string& Name() const { return name_; }
  int Id() const { return id_; }
  bool Enabled() const { return enabled_; }
  int IntervalMs() const { return intervalMs_; }
  // Connects the timer to the event loop; an enabled timer starts ticking from here.
  void Attach(EventLoop& loop);
  void SetEnabled(bool enabled);
  // A running timer starts a fresh interval of the new length.
  void SetIntervalMs(int intervalMs);
  // A lazy timer may tick a little late, so the system can batch its wake-ups.
  void SetLazy(bool lazy) { lazy_ = lazy; }

 private:
  void Arm();

  std::string name_;
  int id_;
  int intervalMs_;
  bool enabled_;
  bool lazy_ = false;
  EventLoop* loop_ = nullptr;
};

}  // namespace tarnwick
