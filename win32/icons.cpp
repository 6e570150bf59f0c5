#include "win32/icons.h"

#include <map>
#include <mutex>
#include <utility>

#include "win32/dpi.h"
#include "win32/late_bound.h"
#include "win32/live_objects.h"

namespace tarnwick::win32 {
namespace {

using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);

GetSystemMetricsForDpiFn PerDpiMetrics() {
  static const auto query = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
  return query;
}

}  // namespace

int ProgramIconSize(bool small, int dpi) {
  const int index = small ? SM_CXSMICON : SM_CXICON;
  if (dpi <= 0) dpi = kDefaultDpi;
  if (GetSystemMetricsForDpiFn metrics = PerDpiMetrics()) {
    const int size = metrics(index, static_cast<UINT>(dpi));
    if (size > 0) return size;
  }
  // Older systems know one size for the session, at the system DPI: scale that.
  int systemSize = GetSystemMetrics(index);
  if (systemSize <= 0) systemSize = small ? 16 : 32;
  return MulDiv(systemSize, dpi, DpiOf(nullptr));
}

HICON LoadProgramIcon(IconId icon, bool small, int dpi) {
  const int size = ProgramIconSize(small, dpi);
  // Our own cache instead of LR_SHARED: the system's shared copy is meant for the default
  // sizes only. A few sizes per picture at most, so keeping them all costs nothing.
  static std::mutex guard;
  static std::map<std::pair<IconId, int>, HICON> loaded;
  const std::lock_guard lock(guard);
  HICON& cached = loaded[{icon, size}];
  if (cached == nullptr) {
    cached = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                           MAKEINTRESOURCEW(static_cast<int>(icon)), IMAGE_ICON,
                                           size, size, LR_DEFAULTCOLOR));
    if (cached != nullptr) CountCreated(ObjectKind::kIcon);
  }
  return cached;
}

void ShowProgramIcons(HWND window, IconId icon, int dpi) {
  SendMessageW(window, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadProgramIcon(icon, false, dpi)));
  SendMessageW(window, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(LoadProgramIcon(icon, true, dpi)));
}

}  // namespace tarnwick::win32
