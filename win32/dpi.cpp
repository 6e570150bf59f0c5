#include "win32/dpi.h"

#include "win32/late_bound.h"

namespace tarnwick::win32 {
namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

GetDpiForWindowFn PerWindowDpiQuery() {
  static const auto query = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
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
