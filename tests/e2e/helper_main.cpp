// Another program for the end-to-end tests: one titled window with a bare client area
// which, at the driver's word, opens a popup menu or stops answering. Its own process,
// because Wine keeps a menu inside the process that owns it and a hang should freeze a
// program other than the driver.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cwchar>
#include <string>
#include <string_view>

#include "helper_protocol.h"
#include "tests/common/plain_window_class.h"

namespace {

using namespace tarnwick::e2e;

struct Options {
  std::wstring title = L"E2E Helper";
  RECT bounds{100, 100, 300, 250};
  std::wstring releaseEvent;
};

HANDLE releaseEvent = nullptr;

Options ParseOptions(int argc, wchar_t** argv) {
  Options options;
  for (int index = 1; index < argc; ++index) {
    const std::wstring_view argument = argv[index];
    if (argument.starts_with(kHelperTitleOption)) {
      options.title = argument.substr(std::wcslen(kHelperTitleOption));
    } else if (argument.starts_with(kHelperBoundsOption)) {
      const std::wstring bounds(argument.substr(std::wcslen(kHelperBoundsOption)));
      RECT rect{};
      if (swscanf(bounds.c_str(), L"%ld,%ld,%ld,%ld", &rect.left, &rect.top, &rect.right,
                  &rect.bottom) == 4) {
        options.bounds = rect;
      }
    } else if (argument.starts_with(kHelperReleaseOption)) {
      options.releaseEvent = argument.substr(std::wcslen(kHelperReleaseOption));
    }
  }
  return options;
}

void OpenMenu(HWND window, POINT at, bool inFront) {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, L"&First");
  AppendMenuW(menu, MF_STRING, 2, L"&Second");
  AppendMenuW(menu, MF_STRING, 3, L"&Third");
  // As every program does for a context menu: its owner in front first (the menu mode is
  // the foreground thread's), and a message after it so the menu closes on a click
  // elsewhere.
  if (inFront) SetForegroundWindow(window);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0,
                 window, nullptr);
  PostMessageW(window, WM_NULL, 0, 0);
  DestroyMenu(menu);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kHelperOpenMenu:
    case kHelperOpenMenuBehind:
      OpenMenu(window, POINT{static_cast<LONG>(wParam), static_cast<LONG>(lParam)},
               message == kHelperOpenMenu);
      return 0;
    case kHelperEndMenu:
      EndMenu();
      return 0;
    case kHelperHang:
      if (releaseEvent) WaitForSingleObject(releaseEvent, kHelperLongestHangMs);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, wchar_t*, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  const Options options = ParseOptions(argc, argv);
  LocalFree(argv);
  if (!options.releaseEvent.empty()) {
    releaseEvent = OpenEventW(SYNCHRONIZE, FALSE, options.releaseEvent.c_str());
  }

  const tarnwick::test_support::PlainWindowClass windowClass(kHelperWindowClass, Procedure);
  if (!windowClass.Registered()) return 1;
  HWND window = windowClass.Create(options.title, WS_OVERLAPPEDWINDOW, options.bounds);
  if (!window) return 1;
  // Shown in the background: the driver decides what is in front.
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (releaseEvent) CloseHandle(releaseEvent);
  return 0;
}
