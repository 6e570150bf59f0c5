#pragma once
#include "win32/win32_api.h"

namespace tarnwick::win32 {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDefaultDpi = 96;

// The window's own DPI where the system knows it per monitor, else the system DPI.
int DpiOf(HWND window);

// Twips to pixels at a DPI, rounded the way MulDiv rounds.
inline int TwipsToPixels(int twips, int dpi) {
  return MulDiv(twips, dpi, kTwipsPerInch);
}

}  // namespace tarnwick::win32
