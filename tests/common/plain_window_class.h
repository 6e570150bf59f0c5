#pragma once
// A window class for the test programs' own windows: a bare client area in the window
// colour under the arrow cursor. Shared by the backend tests, the end-to-end driver and
// its helper program.
#include <windows.h>

#include <string>

namespace tarnwick::test_support {

class PlainWindowClass {
 public:
  // Registers the class for this process; a second object of the same name finds it there.
  explicit PlainWindowClass(const wchar_t* name, WNDPROC procedure = DefWindowProcW) : name_(name) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = name;
    registered_ = RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }

  bool Registered() const { return registered_; }

  // A window of this class at `bounds` (screen coordinates for a top-level one); nullptr
  // when it cannot be made.
  HWND Create(const std::wstring& title, DWORD style, RECT bounds, HWND owner = nullptr) const {
    return CreateWindowExW(0, name_, title.c_str(), style, bounds.left, bounds.top,
                           bounds.right - bounds.left, bounds.bottom - bounds.top, owner, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }

 private:
  const wchar_t* name_;
  bool registered_ = false;
};

}  // namespace tarnwick::test_support
