#pragma once
// The mouse moved by so much, as a hand moves it: relative input through SendInput, which
// raw input reports and the cursor follows. Shared by the backend tests and the end-to-end
// driver.
#include <windows.h>

namespace tarnwick::test_support {

inline void SendMouseMove(int dx, int dy) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = dx;
  input.mi.dy = dy;
  input.mi.dwFlags = MOUSEEVENTF_MOVE;
  SendInput(1, &input, sizeof(input));
}

}  // namespace tarnwick::test_support
