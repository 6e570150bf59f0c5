#include "win32/system_screen.h"

#include "win32/dpi.h"

namespace tarnwick::win32 {

namespace {

// GetDpiForMonitor's effective DPI; shcore.dll has it from Windows 8.1 on.
constexpr int kEffectiveDpi = 0;
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

GetDpiForMonitorFn MonitorDpiQuery() {
  static const auto query = [] {
    HMODULE shcore = LoadLibraryW(L"shcore.dll");
    if (shcore == nullptr) return GetDpiForMonitorFn{};
    return reinterpret_cast<GetDpiForMonitorFn>(
        reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")));
  }();
  return query;
}

int DpiOfMonitor(HMONITOR monitor, HWND fallbackWindow) {
  UINT dpiX = 0;
  UINT dpiY = 0;
  if (GetDpiForMonitorFn query = MonitorDpiQuery();
      query != nullptr && SUCCEEDED(query(monitor, kEffectiveDpi, &dpiX, &dpiY)) && dpiX > 0) {
    return static_cast<int>(dpiX);
  }
  return DpiOf(fallbackWindow);
}

struct Enumeration {
  std::vector<MonitorInfo> monitors;
  HWND mainWindow;
};

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  auto& enumeration = *reinterpret_cast<Enumeration*>(data);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  // One that went between the enumeration and this question is simply left out.
  if (GetMonitorInfoW(monitor, &info) == FALSE) return TRUE;
  const RECT& r = info.rcMonitor;
  enumeration.monitors.push_back({r.left, r.top, r.right, r.bottom,
                                  (info.dwFlags & MONITORINFOF_PRIMARY) != 0,
                                  DpiOfMonitor(monitor, enumeration.mainWindow)});
  return TRUE;
}

// Windows 11 from 22H2 eases crossings unless the user switched it off; builds before it
// never do.
constexpr DWORD kFirstEasingBuild = 22621;

DWORD WindowsBuild() {
  // RtlGetVersion tells the truth whatever the manifest says.
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
  static const DWORD build = [] {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto query = ntdll == nullptr ? RtlGetVersionFn{}
                                        : reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void*>(
                                              GetProcAddress(ntdll, "RtlGetVersion")));
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    return query != nullptr && query(&version) == 0 ? version.dwBuildNumber : DWORD{0};
  }();
  return build;
}

}  // namespace

ScreenMetrics SystemScreen::Metrics() {
  ScreenMetrics metrics;
  metrics.widthPx = GetSystemMetrics(SM_CXSCREEN);
  metrics.heightPx = GetSystemMetrics(SM_CYSCREEN);
  metrics.dpi = DpiOf(mainWindow_);
  return metrics;
}

std::vector<MonitorInfo> SystemScreen::Monitors() {
  // Per-monitor DPI aware (v2), so the rectangles are physical pixels, as the cursor's are.
  Enumeration enumeration{{}, mainWindow_};
  if (EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&enumeration)) ==
      FALSE) {
    return {};
  }
  return enumeration.monitors;
}

SystemScreen::~SystemScreen() {
  if (settingsKey_ != nullptr) RegCloseKey(settingsKey_);
  if (settingsChanged_ != nullptr) CloseHandle(settingsChanged_);
}

bool SystemScreen::WatchSettings() {
  // The whole of the user's Control Panel settings: the cursor settings' key may not exist yet.
  if (settingsKey_ == nullptr && RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel", 0, KEY_NOTIFY,
                                               &settingsKey_) != ERROR_SUCCESS) {
    settingsKey_ = nullptr;
    return false;
  }
  if (settingsChanged_ == nullptr) settingsChanged_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  return settingsChanged_ != nullptr &&
         RegNotifyChangeKeyValue(settingsKey_, TRUE,
                                 REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET,
                                 settingsChanged_, TRUE) == ERROR_SUCCESS;
}

bool SystemScreen::EasesCursorBetweenDisplays() {
  if (eases_ && WaitForSingleObject(settingsChanged_, 0) == WAIT_TIMEOUT) return *eases_;
  // Armed before the read, so that a change made meanwhile is not missed; refused, the value
  // is read at every question.
  const bool watched = WatchSettings();
  eases_.reset();
  // The Settings page keeps the switch as a DWORD in the user's cursor settings (the
  // system's own copy sits in the cloud store, in a form of its own). With no value there,
  // the build decides: on by default where the feature exists.
  bool eases = WindowsBuild() >= kFirstEasingBuild;
  DWORD value = 0;
  DWORD size = sizeof(value);
  if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Cursors", L"CursorDeadzoneJumpingSetting",
                   RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS) {
    eases = value != 0;
  }
  if (watched) eases_ = eases;
  return eases;
}

}  // namespace tarnwick::win32
