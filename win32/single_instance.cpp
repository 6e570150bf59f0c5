#include "win32/single_instance.h"

#include "win32/private_messages.h"

namespace tarnwick::win32 {
namespace {

// A running Tarnwick answers at once; one busy for longer than this is treated as hung.
constexpr UINT kAnswerTimeoutMs = 3000;

}  // namespace

bool SingleInstance::Claim() {
  return ClaimFirstInstance(*this) != StartVerdict::kAnotherRuns;
}

void SingleInstance::Release() {
  if (mutex_ == nullptr) return;
  if (owned_) ReleaseMutex(mutex_);
  CloseHandle(mutex_);
  mutex_ = nullptr;
  owned_ = false;
}

InstanceSystem::Opened SingleInstance::OpenLock() {
  mutex_ = CreateMutexW(nullptr, TRUE, mutexName_);
  const DWORD error = GetLastError();
  if (mutex_ == nullptr) {
    // An elevated Tarnwick's mutex is out of reach for a normal one: that one runs.
    return error == ERROR_ACCESS_DENIED ? Opened::kAccessDenied : Opened::kFailed;
  }
  if (error == ERROR_ALREADY_EXISTS) return Opened::kExisting;  // not owned: it was there
  owned_ = true;
  return Opened::kCreated;
}

bool SingleInstance::TakeLock(int waitMs) {
  if (mutex_ == nullptr) return false;
  const DWORD result = WaitForSingleObject(mutex_, static_cast<DWORD>(waitMs));
  // Abandoned: the other process died holding it, which lets go all the same.
  owned_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
  return owned_;
}

InstanceSystem::Answer SingleInstance::AskRunningToShow() {
  HWND running = FindWindowW(windowClass_, nullptr);
  if (running == nullptr) return Answer::kNotFound;
  DWORD processId = 0;
  GetWindowThreadProcessId(running, &processId);
  // We were started by the user, so we may hand the foreground on to the running one.
  AllowSetForegroundWindow(processId);
  DWORD_PTR shown = 0;
  if (SendMessageTimeoutW(running, kShowYourselfMessage, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                          &shown) != 0) {
    return shown != 0 ? Answer::kShown : Answer::kEnding;
  }
  if (!IsWindow(running)) return Answer::kNotFound;  // it went while we asked
  // Hung: leave the request in its queue, so it shows itself once it is free again.
  PostMessageW(running, kShowYourselfMessage, 0, 0);
  return Answer::kHung;
}

}  // namespace tarnwick::win32
