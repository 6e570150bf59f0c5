#pragma once
#include "backend/foreground_activation.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// Tags our own injected input, for every hook that looks (ours, other tools'): "TRNW".
inline constexpr ULONG_PTR kOwnInputTag = 0x54524E57;

// The real calls behind the foreground-lock workaround.
class SystemForeground : public ForegroundPrimitives {
 public:
  bool SetForeground(WindowHandle window) override;
  WindowHandle Foreground() override;
  bool IsHung(WindowHandle window) override;
  bool IsElevated(WindowHandle window) override;
  ThreadId WindowThread(WindowHandle window) override;
  ThreadId CurrentThread() override;
  bool AttachInput(ThreadId from, ThreadId to, bool attach) override;
  void SendEmptyMouseInput() override;
  std::uint32_t LastInputTime() override;
  std::uint32_t Now() override;
  void BringToTop(WindowHandle window) override;
};

}  // namespace tarnwick::win32
