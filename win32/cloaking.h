#pragma once
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// A window the compositor hides though it reports itself visible: one on another virtual
// desktop, or a suspended app's frame. False where the compositor cannot say (Wine).
bool IsWindowCloaked(HWND window);

}  // namespace tarnwick::win32
