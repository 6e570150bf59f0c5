#include "win32/keyboard_layout.h"

#include <cstdint>

#include "backend/keyboard_target.h"

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

namespace {

std::uint32_t ThreadOf(HWND window) {
  return window == nullptr ? 0 : GetWindowThreadProcessId(window, nullptr);
}

class SystemKeyboardTarget : public KeyboardTarget {
 public:
  std::uint32_t FocusThread() override {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    // Thread 0: the foreground thread, whose input state a Store app's window shares.
    return GetGUIThreadInfo(0, &info) ? ThreadOf(info.hwndFocus) : 0;
  }
  std::uint32_t ForegroundThread() override { return ThreadOf(GetForegroundWindow()); }
  bool LayoutHasAltGr(std::uint32_t thread) override {
    return win32::LayoutHasAltGr(GetKeyboardLayout(thread));
  }
};

}  // namespace

bool FocusLayoutHasAltGr() {
  SystemKeyboardTarget system;
  return KeysGoToAnAltGrLayout(system);
}

}  // namespace tarnwick::win32
