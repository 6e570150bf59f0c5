#pragma once
#include "platform/win32/win32_api.h"

namespace tarnwick::win32 {

// One Tarnwick per user session: two would fight over the foreground and the cursor.
class SingleInstance {
 public:
  SingleInstance() = default;
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;
  ~SingleInstance();

  // True when this process is the first; the claim lasts as long as this object.
  bool Claim();
  // Asks the running instance to show its window; false when its window was not found.
  static bool ShowRunningInstance();

 private:
  HANDLE mutex_ = nullptr;
};

}  // namespace tarnwick::win32
