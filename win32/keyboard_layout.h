#pragma once
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// Whether a keyboard layout types characters with AltGr (Ctrl and Alt together): then a left
// Ctrl that comes with the right Alt is the layout's, not a hand's.
bool LayoutHasAltGr(HKL layout);
// The same for the layout of the program in front, which is the one the keys go to.
bool ForegroundLayoutHasAltGr();

}  // namespace tarnwick::win32
