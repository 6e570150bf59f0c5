#include "win32/keyboard_layout.h"

namespace tarnwick::win32 {

bool LayoutHasAltGr(HKL layout) {
  constexpr int kCtrlAlt = 2 | 4;  // VkKeyScanEx's shift-state bits
  for (wchar_t character = 0x21; character <= 0x17F; ++character) {
    const SHORT scan = VkKeyScanExW(character, layout);
    if (scan != -1 && ((scan >> 8) & kCtrlAlt) == kCtrlAlt) return true;
  }
  const SHORT euro = VkKeyScanExW(L'\u20AC', layout);
  return euro != -1 && ((euro >> 8) & kCtrlAlt) == kCtrlAlt;
}

bool ForegroundLayoutHasAltGr() {
  // With nothing in front, thread 0 names the asking thread's own layout.
  HWND front = GetForegroundWindow();
  const DWORD thread = front == nullptr ? 0 : GetWindowThreadProcessId(front, nullptr);
  return LayoutHasAltGr(GetKeyboardLayout(thread));
}

}  // namespace tarnwick::win32
