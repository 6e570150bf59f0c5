#pragma once
#include <functional>
#include <map>

#include "seam/event_loop.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// Timers are SetTimer timers on the main window, one id each; the window procedure hands
// WM_TIMER to DispatchTimer. The loop is dialog-style so Tab and access keys work.
class SystemEventLoop : public EventLoop {
 public:
  explicit SystemEventLoop(HWND mainWindow) : mainWindow_(mainWindow) {}
  void StartTimer(int timerId, int intervalMs, std::function<void()> onTick) override;
  void StopTimer(int timerId) override;
  void PumpPending() override;
  void Quit() override;

  void DispatchTimer(UINT_PTR timerId);
  // Runs until Quit; returns the process exit code.
  int Run();
  bool QuitRequested() const { return quitRequested_; }

 private:
  bool TakeNonTimerMessage(MSG& message);
  void Dispatch(MSG& message);

  HWND mainWindow_;
  std::map<UINT_PTR, std::function<void()>> timers_;
  bool pumping_ = false;
  bool quitRequested_ = false;
};

}  // namespace tarnwick::win32
