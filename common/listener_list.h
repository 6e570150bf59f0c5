#pragma once
#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace tarnwick {

// Listeners of one kind of report, each under an id of its own (never 0).
template <class... Args>
class ListenerList {
 public:
  using Listener = std::function<void(Args...)>;

  int Add(Listener listener) {
    const int id = nextId_++;
    listeners_.emplace(id, std::move(listener));
    return id;
  }
  // False for an unknown id.
  bool Remove(int id) { return listeners_.erase(id) != 0; }
  bool Empty() const { return listeners_.empty(); }

  // Calls every listener. One that a listener removes on the way is not called; one it adds
  // gets the next report.
  void Call(Args... args) {
    std::vector<int> ids;
    ids.reserve(listeners_.size());
    for (const auto& entry : listeners_) ids.push_back(entry.first);
    for (int id : ids) {
      const auto found = listeners_.find(id);
      if (found == listeners_.end()) continue;
      const Listener listener = found->second;  // survives its own removal during the call
      listener(args...);
    }
  }

 private:
  std::map<int, Listener> listeners_;
  int nextId_ = 1;
};

}  // namespace tarnwick
