#include "win32/windows_facts.h"

// After the Windows API, which they need.
#include <shellapi.h>

#include <cstring>
#include <string>

#include "win32/system_foreground.h"
#include "win32/text_conversion.h"

namespace tarnwick::win32 {
namespace {

using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

// GetVersionEx answers what the manifest claims to support; ntdll's own call tells the truth.
bool TrueVersion(OSVERSIONINFOW& version) {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  if (ntdll == nullptr) return false;
  const auto rtlGetVersion = reinterpret_cast<RtlGetVersionFunction>(
      reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
  version = OSVERSIONINFOW{};
  version.dwOSVersionInfoSize = sizeof(version);
  return rtlGetVersion != nullptr && rtlGetVersion(&version) == 0;
}

// Opens the clipboard; another program may hold it for a moment.
bool OpenClipboardSoon(HWND owner) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(20);
  }
  return false;
}

}  // namespace

std::string WindowsFacts::WindowsVersion() {
  OSVERSIONINFOW version{};
  if (!TrueVersion(version)) return "unknown";
  std::string text = std::to_string(version.dwMajorVersion) + "." +
                     std::to_string(version.dwMinorVersion) + "." +
                     std::to_string(version.dwBuildNumber);
  // The update revision tells which monthly update is in.
  DWORD revision = 0;
  DWORD size = sizeof(revision);
  if (RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", L"UBR",
                   RRF_RT_REG_DWORD, nullptr, &revision, &size) == ERROR_SUCCESS) {
    text += "." + std::to_string(revision);
  }
  return text;
}

bool WindowsFacts::RunsElevated() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  const bool known =
      GetTokenInformation(token, TokenElevation, &elevation, sizeof(elevation), &size) != FALSE;
  CloseHandle(token);
  return known && elevation.TokenIsElevated != 0;
}

NotificationState WindowsFacts::Notifications() {
  QUERY_USER_NOTIFICATION_STATE state{};
  if (FAILED(SHQueryUserNotificationState(&state))) return NotificationState::kUnknown;
  switch (state) {
    case QUNS_NOT_PRESENT:
      return NotificationState::kNotPresent;
    case QUNS_BUSY:
      return NotificationState::kBusy;
    case QUNS_RUNNING_D3D_FULL_SCREEN:
      return NotificationState::kDirect3DFullScreen;
    case QUNS_PRESENTATION_MODE:
      return NotificationState::kPresentationMode;
    case QUNS_ACCEPTS_NOTIFICATIONS:
      return NotificationState::kAcceptsNotifications;
    case QUNS_QUIET_TIME:
      return NotificationState::kQuietTime;
    case QUNS_APP:
      return NotificationState::kStoreApp;
  }
  return NotificationState::kUnknown;
}

HookFacts WindowsFacts::KeyboardHook() {
  const int installs = hook_.Installs();
  return HookFacts{installs > 0, installs > 0 ? installs - 1 : 0,
                   HookReinstallsText(hook_.Reinstalls())};
}

WallTime WindowsFacts::LocalTime() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return WallTime{now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

bool WindowsFacts::ElevatedInTheWay(WindowHandle target) {
  SystemForeground system;
  const WindowHandle front = system.Foreground();
  return system.IsElevated(target) || (front != kNoWindow && system.IsElevated(front));
}

bool WindowsFacts::PutOnClipboard(const std::string& text) {
  const std::wstring wide = Widen(text);
  const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) return false;
  void* target = GlobalLock(memory);
  if (target == nullptr) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(target, wide.c_str(), bytes);
  GlobalUnlock(memory);
  // Owned by the main window: with no owner, emptying the clipboard makes the data refused.
  if (!OpenClipboardSoon(mainWindow_)) {
    GlobalFree(memory);
    return false;
  }
  const bool placed = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  // The system takes the memory only when it accepts it; refused, it is still ours.
  // cppcheck-suppress doubleFree
  if (!placed) GlobalFree(memory);
  return placed;
}

SystemHoverActivation WindowsFacts::HoverActivation() {
  BOOL tracking = FALSE;
  BOOL raises = FALSE;
  if (!SystemParametersInfoW(SPI_GETACTIVEWINDOWTRACKING, 0, &tracking, 0)) return {};
  if (!SystemParametersInfoW(SPI_GETACTIVEWNDTRKZORDER, 0, &raises, 0)) raises = FALSE;
  return {tracking != FALSE, raises != FALSE};
}

bool WindowsFacts::SwitchOffHoverActivation() {
  // The new value travels in the pointer itself: null is off. Written to the user's profile
  // and announced, so Settings and every program see it at once.
  return SystemParametersInfoW(SPI_SETACTIVEWINDOWTRACKING, 0, nullptr,
                               SPIF_UPDATEINIFILE | SPIF_SENDCHANGE) != FALSE;
}

}  // namespace tarnwick::win32
