#include "platform/win32/single_instance.h"

#include "platform/win32/private_messages.h"

namespace tarnwick::win32 {
namespace {

constexpr wchar_t kMutexName[] = L"Local\\Tarnwick.SingleInstance";
constexpr int kFindAttempts = 20;
constexpr DWORD kFindPauseMs = 100;

}  // namespace

SingleInstance::~SingleInstance() {
  if (mutex_ != nullptr) CloseHandle(mutex_);
}

bool SingleInstance::Claim() {
  mutex_ = CreateMutexW(nullptr, FALSE, kMutexName);
  // If the system refuses the mutex altogether, running is better than refusing to start.
  return mutex_ == nullptr || GetLastError() != ERROR_ALREADY_EXISTS;
}

bool SingleInstance::ShowRunningInstance() {
  // The first instance may still be starting: give its window a moment to appear.
  for (int attempt = 0; attempt < kFindAttempts; ++attempt) {
    if (HWND running = FindWindowW(kMainWindowClass, nullptr)) {
      DWORD processId = 0;
      GetWindowThreadProcessId(running, &processId);
      // We were started by the user, so we may hand the foreground on to the first one.
      AllowSetForegroundWindow(processId);
      return PostMessageW(running, kShowYourselfMessage, 0, 0) != FALSE;
    }
    Sleep(kFindPauseMs);
  }
  return false;
}

}  // namespace tarnwick::win32
