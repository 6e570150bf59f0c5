#include "win32/raw_key_counter.h"

#include <utility>

namespace tarnwick::win32 {
namespace {

constexpr USHORT kGenericDesktopPage = 1;
constexpr USHORT kKeyboardUsage = 6;
constexpr wchar_t kRawKeysClass[] = L"TarnwickRawKeys";

// A key-down that raw input reports, else false (a release, another device, a refusal).
bool IsRawKeyDown(HRAWINPUT input) {
  RAWINPUT data{};
  UINT size = sizeof(data);
  if (GetRawInputData(input, RID_INPUT, &data, &size, sizeof(RAWINPUTHEADER)) ==
      static_cast<UINT>(-1)) {
    return false;
  }
  return data.header.dwType == RIM_TYPEKEYBOARD && (data.data.keyboard.Flags & RI_KEY_BREAK) == 0;
}

// Raw keyboard input from every program for a message-only window of this thread; nullptr
// where the system refused it.
HWND ListenToRawKeys() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = DefWindowProcW;  // it frees each raw input after it is read
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kRawKeysClass;
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return nullptr;
  }
  HWND sink = CreateWindowExW(0, kRawKeysClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              windowClass.hInstance, nullptr);
  if (sink == nullptr) return nullptr;
  RAWINPUTDEVICE keyboard{kGenericDesktopPage, kKeyboardUsage, RIDEV_INPUTSINK, sink};
  if (!RegisterRawInputDevices(&keyboard, 1, sizeof(keyboard))) {
    DestroyWindow(sink);
    return nullptr;
  }
  return sink;
}

}  // namespace

bool RawKeyCounter::Start(std::function<void(std::uint32_t)> onKeyDown) {
  if (thread_.joinable()) return listening_;
  onKeyDown_ = std::move(onKeyDown);
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (ready == nullptr) return false;
  thread_ = std::thread([this, ready] { Run(ready); });
  WaitForSingleObject(ready, INFINITE);
  CloseHandle(ready);
  if (!listening_) thread_.join();
  return listening_;
}

void RawKeyCounter::Run(HANDLE ready) {
  threadId_ = GetCurrentThreadId();
  HWND sink = ListenToRawKeys();
  listening_ = sink != nullptr;
  SetEvent(ready);
  if (sink == nullptr) return;
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_INPUT && message.hwnd == sink &&
        IsRawKeyDown(reinterpret_cast<HRAWINPUT>(message.lParam))) {
      onKeyDown_(++count_);
    }
    DispatchMessageW(&message);  // frees the raw input
  }
  RAWINPUTDEVICE keyboard{kGenericDesktopPage, kKeyboardUsage, RIDEV_REMOVE, nullptr};
  RegisterRawInputDevices(&keyboard, 1, sizeof(keyboard));
  DestroyWindow(sink);
}

void RawKeyCounter::Stop() {
  if (!thread_.joinable()) return;
  PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  thread_.join();
  listening_ = false;
}

}  // namespace tarnwick::win32
