#include "win32/uninstall_switch.h"

// clang-format off
#include "win32/win32_api.h"
// clang-format on
#include <shellapi.h>

#include "app/startup_entry.h"
#include "win32/system_file_system.h"

namespace tarnwick::win32 {

bool RanUninstallSwitch() {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (args == nullptr) return false;
  bool asked = false;
  for (int i = 1; i < count; ++i) {
    asked = asked || lstrcmpiW(args[i], L"/RemoveLogonEntry") == 0;
  }
  LocalFree(args);
  if (!asked) return false;
  SystemFileSystem files;
  RemoveOwnStartupEntry(files);
  return true;
}

}  // namespace tarnwick::win32
