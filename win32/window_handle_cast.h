#pragma once
#include <cstdint>

#include "seam/window_handle.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// Window handles use only their low 32 bits, also on 64-bit Windows, and are sign-extended;
// going through intptr_t keeps both directions exact.
inline HWND ToHwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(static_cast<std::intptr_t>(window));
}
inline WindowHandle FromHwnd(HWND window) {
  return static_cast<WindowHandle>(reinterpret_cast<std::intptr_t>(window));
}

}  // namespace tarnwick::win32
