#include "win32/session_notifications.h"

namespace tarnwick::win32 {
namespace {

using RegisterFn = BOOL(WINAPI*)(HWND, DWORD);
using UnregisterFn = BOOL(WINAPI*)(HWND);
constexpr DWORD kThisSessionOnly = 0;  // NOTIFY_FOR_THIS_SESSION

template <typename Function>
Function Lookup(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

bool SessionNotifications::Start(HWND window) {
  if (window_ != nullptr) return true;
  library_ = LoadLibraryExW(L"wtsapi32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (library_ == nullptr) return false;
  auto registerWindow = Lookup<RegisterFn>(library_, "WTSRegisterSessionNotification");
  if (registerWindow == nullptr || !registerWindow(window, kThisSessionOnly)) {
    FreeLibrary(library_);
    library_ = nullptr;
    return false;
  }
  window_ = window;
  return true;
}

void SessionNotifications::Stop() {
  if (library_ == nullptr) return;
  if (window_ != nullptr) {
    if (auto unregister = Lookup<UnregisterFn>(library_, "WTSUnRegisterSessionNotification")) {
      unregister(window_);
    }
  }
  FreeLibrary(library_);
  library_ = nullptr;
  window_ = nullptr;
}

}  // namespace tarnwick::win32
