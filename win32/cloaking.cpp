#include "win32/cloaking.h"

namespace tarnwick::win32 {
namespace {

// DWMWA_CLOAKED; named here so that the import list needs no dwmapi.
constexpr DWORD kCloakedAttribute = 14;

using GetWindowAttributeFunction = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);

// dwmapi is loaded on first use and kept: every Windows has it, the program links only
// what every Windows has, and the lookup must stay cheap for the poll.
GetWindowAttributeFunction LoadGetWindowAttribute() {
  HMODULE dwm = LoadLibraryExW(L"dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (dwm == nullptr) return nullptr;
  return reinterpret_cast<GetWindowAttributeFunction>(
      reinterpret_cast<void*>(GetProcAddress(dwm, "DwmGetWindowAttribute")));
}

}  // namespace

bool IsWindowCloaked(HWND window) {
  static const GetWindowAttributeFunction getAttribute = LoadGetWindowAttribute();
  if (getAttribute == nullptr || window == nullptr) return false;
  DWORD cloaked = 0;
  return SUCCEEDED(getAttribute(window, kCloakedAttribute, &cloaked, sizeof(cloaked))) &&
         cloaked != 0;
}

}  // namespace tarnwick::win32
