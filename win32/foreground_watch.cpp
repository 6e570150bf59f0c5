#include "win32/foreground_watch.h"

#include <utility>

#include "win32/win32_api.h"

namespace tarnwick::win32 {
namespace {

// The event hooks have no context argument; one watch at a time, on the UI thread.
std::function<void()> gOnChange;
HWINEVENTHOOK gForegroundHook = nullptr;
HWINEVENTHOOK gRestoreHook = nullptr;

void CALLBACK ForegroundChanged(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
  // Copied: the call may stop the watch it came from.
  const std::function<void()> onChange = gOnChange;
  if (onChange) onChange();
}

// Two hooks, one event each: one hook over the range between them would also wake us for
// every menu, drag and mouse capture.
HWINEVENTHOOK HookEvent(DWORD event) {
  return SetWinEventHook(event, event, nullptr, ForegroundChanged, 0, 0, WINEVENT_OUTOFCONTEXT);
}

void Unhook(HWINEVENTHOOK& hook) {
  if (hook != nullptr) UnhookWinEvent(hook);
  hook = nullptr;
}

}  // namespace

bool ForegroundWatch::ReportedHere() {
  // Wine 8 accepts the hooks and sends nothing.
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll == nullptr || GetProcAddress(ntdll, "wine_get_version") == nullptr;
}

bool ForegroundWatch::Watch(std::function<void()> onChange) {
  gOnChange = std::move(onChange);
  if (!gOnChange || !systemReports_) {
    Unhook(gForegroundHook);
    Unhook(gRestoreHook);
    const bool stopped = !gOnChange;
    gOnChange = nullptr;
    return stopped;
  }
  if (gForegroundHook == nullptr) gForegroundHook = HookEvent(EVENT_SYSTEM_FOREGROUND);
  if (gRestoreHook == nullptr) gRestoreHook = HookEvent(EVENT_SYSTEM_MINIMIZEEND);
  // Half a watch would leave a pin asleep through the other way back: none, and the caller
  // looks for itself.
  if (gForegroundHook == nullptr || gRestoreHook == nullptr) {
    Unhook(gForegroundHook);
    Unhook(gRestoreHook);
    gOnChange = nullptr;
    return false;
  }
  return true;
}

}  // namespace tarnwick::win32
