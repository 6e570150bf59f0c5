#include "platform/win32/dpi.h"

namespace tarnwick::win32 {
namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

// Looked up at run time: the per-window query exists only from Windows 10 1607 on.
GetDpiForWindowFn PerWindowDpiQuery() {
  static const GetDpiForWindowFn query = [] {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (user32 == nullptr) return GetDpiForWindowFn{};
    return reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")));
  }();
  return query;
}

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return kDefaultDpi;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDefaultDpi;
}

}  // namespace

int DpiOf(HWND window) {
  if (window != nullptr) {
    if (GetDpiForWindowFn query = PerWindowDpiQuery()) {
      const UINT dpi = query(window);
      if (dpi > 0) return static_cast<int>(dpi);
    }
  }
  return SystemDpi();
}

}  // namespace tarnwick::win32
