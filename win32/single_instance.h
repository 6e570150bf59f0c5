#pragma once
#include "backend/instance_claim.h"
#include "win32/private_messages.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// One Tarnwick per user session: two would fight over the foreground and the cursor. The
// claim is a named mutex that the first instance owns; a later start that finds it asks the
// running instance's window to show itself, or, when that instance is ending, waits for the
// mutex and takes over.
class SingleInstance : public InstanceSystem {
 public:
  static constexpr wchar_t kMutexName[] = L"Local\\Tarnwick.SingleInstance";

  explicit SingleInstance(const wchar_t* mutexName = kMutexName,
                          const wchar_t* windowClass = kMainWindowClass)
      : mutexName_(mutexName), windowClass_(windowClass) {}
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;
  ~SingleInstance() override { Release(); }

  // True when this process may run: it holds the claim, or no claim could be had at all.
  // False when another Tarnwick runs (it was asked to show itself).
  bool Claim();
  // Lets a waiting start take over; on the thread that claimed.
  void Release();

  Opened OpenLock() override;
  bool TakeLock(int waitMs) override;
  Answer AskRunningToShow() override;
  void Pause(int milliseconds) override { Sleep(static_cast<DWORD>(milliseconds)); }

 private:
  const wchar_t* mutexName_;
  const wchar_t* windowClass_;
  HANDLE mutex_ = nullptr;
  bool owned_ = false;
};

}  // namespace tarnwick::win32
