#include "focus/foreground_events.h"

namespace tarnwick {

ForegroundEvents::~ForegroundEvents() {
  if (!listeners_.Empty()) windows_.WatchForeground({});
}

int ForegroundEvents::Listen(std::function<void()> listener) {
  if (!listener || unreported_) return kNotListening;
  if (listeners_.Empty() && !windows_.WatchForeground([this] { listeners_.Call(); })) {
    unreported_ = true;
    return kNotListening;
  }
  return listeners_.Add(std::move(listener));
}

void ForegroundEvents::StopListening(int listenerId) {
  if (!listeners_.Remove(listenerId)) return;
  if (listeners_.Empty()) windows_.WatchForeground({});
}

}  // namespace tarnwick
