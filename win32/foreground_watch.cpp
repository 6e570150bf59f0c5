#include "win32/foreground_watch.h"

#include <utility>

#include "win32/win32_api.h"

namespace tarnwick::win32 {
namespace {

// The event hook has no context argument; one watch at a time, on the UI thread.
std::function<void()> gOnChange;
HWINEVENTHOOK gHook = nullptr;

void CALLBACK ForegroundChanged(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
  // Copied: the call may stop the watch it came from.
  const std::function<void()> onChange = gOnChange;
  if (onChange) onChange();
}

bool RunningOnWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace

bool ForegroundWatch::Watch(std::function<void()> onChange) {
  gOnChange = std::move(onChange);
  if (!gOnChange) {
    if (gHook != nullptr) UnhookWinEvent(gHook);
    gHook = nullptr;
    return true;
  }
  // Wine 8 accepts the hook and sends nothing.
  static const bool wine = RunningOnWine();
  if (wine) {
    gOnChange = nullptr;
    return false;
  }
  if (gHook == nullptr) {
    gHook = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                            ForegroundChanged, 0, 0, WINEVENT_OUTOFCONTEXT);
  }
  if (gHook == nullptr) gOnChange = nullptr;
  return gHook != nullptr;
}

}  // namespace tarnwick::win32
