#include "win32/cursor_watch.h"

#include <utility>

namespace tarnwick::win32 {
namespace {

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
  onMove_ = std::move(onMove);
  if (!onMove_) {
    if (hosted_ && host_) host_(false);
    hosted_ = false;
    return true;
  }
  // Wine 8 accepts the hook and sends nothing.
  static const bool wine = RunningOnWine();
  if (!hosted_ && host_ && !wine) hosted_ = host_(true);
  if (!hosted_) onMove_ = nullptr;
  return hosted_;
}

void CursorWatch::Moved() {
  // Copied: the call may stop the watch it came from.
  const std::function<void()> onMove = onMove_;
  if (onMove) onMove();
}

}  // namespace tarnwick::win32
