#include "seam/raw_input.h"

namespace tarnwick {

int RawInput::Listen(Listener listener) {
  if (!listener) return kNotListening;
  if (listeners_.Empty() && !StartDevice()) return kNotListening;
  return listeners_.Add(std::move(listener));
}

void RawInput::StopListening(int listenerId) {
  if (!listeners_.Remove(listenerId)) return;
  if (listeners_.Empty()) StopDevice();
}

void RawInput::Deliver(RawMove move) {
  listeners_.Call(move);
}

}  // namespace tarnwick
