#pragma once
#include <functional>
#include <utility>

namespace tarnwick {

// A feature raises it whenever something changes it (a setting, an edge, the options): a
// sleeping program runs again before the change takes effect, so no caller has to remember
// to wake it. Unconnected, raising it does nothing.
class WakeSignal {
 public:
  void Connect(std::function<void()> wake) { wake_ = std::move(wake); }
  void Raise() const {
    if (wake_) wake_();
  }

 private:
  std::function<void()> wake_;
};

}  // namespace tarnwick
