#include "seam/raw_input.h"

#include <vector>

namespace tarnwick {

int RawInput::Listen(Listener listener) {
  if (!listener) return kNotListening;
  if (listeners_.empty() && !StartDevice()) return kNotListening;
  const int id = nextId_++;
  listeners_.emplace(id, std::move(listener));
  return id;
}

void RawInput::StopListening(int listenerId) {
  if (listeners_.erase(listenerId) == 0) return;
  if (listeners_.empty()) StopDevice();
}

void RawInput::Deliver(RawMove move) {
  // A listener may stop itself or another one while it is called: walk a copy of the ids
  // and look each one up again.
  std::vector<int> ids;
  ids.reserve(listeners_.size());
  for (const auto& entry : listeners_) ids.push_back(entry.first);
  for (int id : ids) {
    const auto found = listeners_.find(id);
    if (found == listeners_.end()) continue;
    const Listener listener = found->second;  // survives its own removal during the call
    listener(move);
  }
}

}  // namespace tarnwick
