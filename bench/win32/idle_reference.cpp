// The yardstick for Tarnwick's CPU use: a window, a message loop and the same timers, with
// handlers that do nothing. Whatever Tarnwick costs above this is its own work. The benchmark
// gives it Tarnwick's timers of the moment:
//   idle_reference.exe 250            the poll alone
//   idle_reference.exe 250,100,100    the poll, mouse wrap and idle parking
//   idle_reference.exe 250,5000       the poll and a 5 s hover wait
//   idle_reference.exe none           no timer at all: the floor, what any windowed program
//                                     costs while it sleeps in its message loop
//   idle_reference.exe hook           the floor with a low-level keyboard hook that only
//                                     passes each key on: what typing costs any program
//                                     that hooks the keyboard
#include <windows.h>

#include <cwchar>
#include <vector>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) return 0;
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::vector<UINT> ParseIntervals(const wchar_t* text) {
  std::vector<UINT> intervals;
  while (*text) {
    wchar_t* end = nullptr;
    const unsigned long value = std::wcstoul(text, &end, 10);
    if (end == text) break;
    if (value > 0) intervals.push_back(static_cast<UINT>(value));
    text = *end == L',' ? end + 1 : end;
  }
  return intervals;
}

LRESULT CALLBACK PassKeyOn(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = L"TarnwickIdleReference";
  RegisterClassW(&windowClass);
  HWND window =
      CreateWindowW(windowClass.lpszClassName, L"Idle reference", WS_OVERLAPPEDWINDOW,
                    CW_USEDEFAULT, CW_USEDEFAULT, 200, 100, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOWMINNOACTIVE);

  std::vector<UINT> intervals = ParseIntervals(commandLine);
  const bool hook = std::wcscmp(commandLine, L"hook") == 0;
  if (hook) SetWindowsHookExW(WH_KEYBOARD_LL, PassKeyOn, instance, 0);
  if (intervals.empty() && std::wcscmp(commandLine, L"none") != 0 && !hook) intervals = {250};
  for (size_t index = 0; index < intervals.size(); ++index) {
    SetTimer(window, index + 1, intervals[index], nullptr);
  }

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
