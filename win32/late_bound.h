#pragma once
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// A user32 function looked up at run time: the newer DPI queries exist only from
// Windows 10 1607 on, and the program must still start where they are missing.
template <typename Function>
Function User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

}  // namespace tarnwick::win32
