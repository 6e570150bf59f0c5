#pragma once
#include <functional>

#include "common/listener_list.h"
#include "seam/window_manager.h"

namespace tarnwick {

// The system's reports of foreground changes, for as many features as want them: the one
// watch the system keeps is held while at least one listens, and let go with the last.
class ForegroundEvents {
 public:
  static constexpr int kNotListening = 0;

  explicit ForegroundEvents(WindowManager& windows) : windows_(windows) {}
  ForegroundEvents(const ForegroundEvents&) = delete;
  ForegroundEvents& operator=(const ForegroundEvents&) = delete;
  ~ForegroundEvents();

  // The listener's id for StopListening, or kNotListening where the system reports no
  // foreground changes (Wine): whoever needs to know must then look for itself.
  int Listen(std::function<void()> listener);
  // Unknown ids (and kNotListening) are ignored.
  void StopListening(int listenerId);

 private:
  WindowManager& windows_;
  ListenerList<> listeners_;
  bool unreported_ = false;  // the system refused the watch once: it never reports
};

}  // namespace tarnwick
