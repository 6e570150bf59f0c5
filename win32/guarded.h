#pragma once
#include <exception>

#include "win32/win32_api.h"

namespace tarnwick::win32 {

// No exception may cross a window or dialog procedure back into the system: a handler that
// throws loses its own action, and the program carries on with the next message.
template <typename Action>
void Guarded(Action&& action) {
  try {
    action();
  } catch (const std::exception& error) {
    OutputDebugStringA(error.what());
  } catch (...) {
    OutputDebugStringA("Tarnwick: a handler failed");
  }
}

}  // namespace tarnwick::win32
