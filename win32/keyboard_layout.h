#pragma once
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// Whether a keyboard layout types characters with AltGr (Ctrl and Alt together): then a left
// Ctrl that comes with the right Alt is the layout's, not a hand's.
bool LayoutHasAltGr(HKL layout);
// The same for the layout the keys go to: that of the thread with the keyboard focus.
bool FocusLayoutHasAltGr();

}  // namespace tarnwick::win32
