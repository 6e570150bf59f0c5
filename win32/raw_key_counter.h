#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

#include "win32/win32_api.h"

namespace tarnwick::win32 {

// Counts the key-downs that raw keyboard input reports, from any program, on a thread of its
// own with a message-only window, so that counting never wakes the UI thread.
//
// Not on the keyboard hook's thread: there a key's raw input would wake that thread just
// before the system calls the hook for the same key, and Wine skips the hook of a thread
// that is not waiting on its queue and has not read it for five seconds, so the first key
// after a quiet spell went unheard.
class RawKeyCounter {
 public:
  RawKeyCounter() = default;
  RawKeyCounter(const RawKeyCounter&) = delete;
  RawKeyCounter& operator=(const RawKeyCounter&) = delete;
  ~RawKeyCounter() { Stop(); }

  // `onKeyDown` runs on the counter's thread after each key-down, with the count since the
  // last Reset. False when the system refused raw input: nothing is counted then.
  bool Start(std::function<void(std::uint32_t)> onKeyDown);
  void Stop();
  std::uint32_t Count() const { return count_.load(); }
  void Reset() { count_ = 0; }

 private:
  void Run(HANDLE ready);

  std::function<void(std::uint32_t)> onKeyDown_;
  std::thread thread_;
  DWORD threadId_ = 0;
  bool listening_ = false;
  std::atomic<std::uint32_t> count_{0};
};

}  // namespace tarnwick::win32
