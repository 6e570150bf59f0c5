#include "win32/cursor_watch.h"

#include <utility>

namespace tarnwick::win32 {
namespace {

// The event hook has no context argument; one watch at a time, on the UI thread.
std::function<void()> gOnMove;
HWINEVENTHOOK gHook = nullptr;

void CALLBACK LocationChanged(HWINEVENTHOOK, DWORD event, HWND window, LONG objectId, LONG childId,
                              DWORD, DWORD) {
  if (!CursorWatch::IsCursorMove(event, window, objectId, childId)) return;
  // Copied: the call may stop the watch it came from.
  const std::function<void()> onMove = gOnMove;
  if (onMove) onMove();
}

bool RunningOnWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace

bool CursorWatch::IsCursorMove(DWORD event, HWND window, LONG objectId, LONG childId) {
  // The cursor object has no window of its own.
  return event == EVENT_OBJECT_LOCATIONCHANGE && window == nullptr && objectId == OBJID_CURSOR &&
         childId == CHILDID_SELF;
}

bool CursorWatch::Watch(std::function<void()> onMove) {
  gOnMove = std::move(onMove);
  if (!gOnMove) {
    if (gHook != nullptr) UnhookWinEvent(gHook);
    gHook = nullptr;
    return true;
  }
  if (gHook == nullptr) {
    gHook = SetWinEventHook(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE, nullptr,
                            LocationChanged, 0, 0, WINEVENT_OUTOFCONTEXT);
  }
  // Wine 8 accepts the hook and sends nothing.
  static const bool wine = RunningOnWine();
  if (gHook == nullptr || wine) {
    gOnMove = nullptr;
    return false;
  }
  return true;
}

}  // namespace tarnwick::win32
