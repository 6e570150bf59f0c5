#pragma once
#include <functional>
#include <map>

#include "seam/event_loop.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// Timers are SetTimer timers on the main window, one id each; the window procedure hands
// WM_TIMER to DispatchTimer. The loop is dialog-style so Tab and access keys work.
// A pump inside a modal loop of the system's (a menu, a move or size drag) does nothing:
// that loop reads the keys and clicks it waits for from the same queue.
class SystemEventLoop : public EventLoop {
 public:
  explicit SystemEventLoop(HWND mainWindow) : mainWindow_(mainWindow) {}
  void StartTimer(int timerId, int intervalMs, std::function<void()> onTick) override;
  void StartLazyTimer(int timerId, int intervalMs, std::function<void()> onTick) override;
  void StopTimer(int timerId) override;
  void PumpPending() override;
  void Quit() override;

  void DispatchTimer(UINT_PTR timerId);
  // Called after each message the main loop dispatched: where to notice what a handler
  // changed without being asked to tell.
  void AfterEachMessage(std::function<void()> after) { afterEachMessage_ = std::move(after); }
  // Runs until Quit; returns the process exit code.
  int Run();
  bool QuitRequested() const { return quitRequested_; }

 private:
  void Arm(int timerId, int intervalMs, std::function<void()> onTick, bool lazy);
  bool TakeNonTimerMessage(MSG& message);
  void Dispatch(MSG& message);

  HWND mainWindow_;
  std::map<UINT_PTR, std::function<void()>> timers_;
  std::function<void()> afterEachMessage_;
  bool pumping_ = false;
  bool quitRequested_ = false;
};

}  // namespace tarnwick::win32
