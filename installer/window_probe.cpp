// Waits, from inside the Wine session, until a top-level window of a class exists and
// answers messages, that is until its program has finished starting. Hidden windows
// count, as they do for FindWindow in the installer.
//   window_probe.exe CLASS [TIMEOUT_MS]
// Exit code 0 when that happened within the time-out (default 15 s), 1 when not, 2 on
// bad arguments.
#include <windows.h>

#include <cwchar>

namespace {

constexpr DWORD kDefaultTimeoutMs = 15000;
constexpr DWORD kPollMs = 50;
constexpr UINT kAnswerTimeoutMs = 1000;

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const DWORD timeoutMs = argc > 2 ? std::wcstoul(argv[2], nullptr, 10) : kDefaultTimeoutMs;
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    // A sent message is answered only once the program's thread takes messages.
    DWORD_PTR ignored = 0;
    HWND window = FindWindowW(argv[1], nullptr);
    if (window != nullptr &&
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &ignored) != 0) {
      return 0;
    }
    if (GetTickCount64() >= deadline) return 1;
    Sleep(kPollMs);
  }
}
