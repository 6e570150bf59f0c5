#pragma once
#include "seam/foreground_activation.h"

namespace tarnwick::win32 {

// The real calls behind the foreground-lock workaround.
class SystemForeground : public ForegroundPrimitives {
 public:
  bool SetForeground(WindowHandle window) override;
  WindowHandle Foreground() override;
  bool IsHung(WindowHandle window) override;
  ThreadId WindowThread(WindowHandle window) override;
  ThreadId CurrentThread() override;
  bool AttachInput(ThreadId from, ThreadId to, bool attach) override;
  void SendEmptyMouseInput() override;
  std::uint32_t LastInputTime() override;
  void BringToTop(WindowHandle window) override;
};

}  // namespace tarnwick::win32
