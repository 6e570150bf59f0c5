#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "test_windows.h"
#include "win32/system_event_loop.h"

namespace tarnwick::win32 {
namespace {

using testing::PumpFor;
using testing::PumpUntil;

constexpr UINT kProbeMessage = WM_APP + 40;

// A window that hands its timers to the loop under test, as the main window does.
class TimerWindow {
 public:
  TimerWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &TimerWindow::Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TarnwickTimerTestWindow";
    RegisterClassExW(&windowClass);
    window = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                             nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    loop = std::make_unique<SystemEventLoop>(window);
  }
  ~TimerWindow() { DestroyWindow(window); }

  HWND window = nullptr;
  std::unique_ptr<SystemEventLoop> loop;
  int probes = 0;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TimerWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr && message == WM_TIMER) {
      self->loop->DispatchTimer(wParam);
      return 0;
    }
    if (self != nullptr && message == kProbeMessage) {
      ++self->probes;
      return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }
};

TEST(SystemEventLoop, TimersTickUntilStoppedAndRestartReplacesTheHandler) {
  TimerWindow host;
  int first = 0, second = 0;
  host.loop->StartTimer(1, 20, [&] { ++first; });
  EXPECT_TRUE(PumpUntil([&] { return first >= 3; }));
  host.loop->StartTimer(1, 20, [&] { ++second; });
  const int firstBefore = first;
  EXPECT_TRUE(PumpUntil([&] { return second >= 2; }));
  EXPECT_EQ(first, firstBefore) << "a restarted timer runs only its new handler";
  host.loop->StartLazyTimer(1, 20, [&] { ++first; });  // coalescable, same id and handling
  EXPECT_TRUE(PumpUntil([&] { return first >= firstBefore + 2; }));
  host.loop->StopTimer(1);
  const int secondBefore = second, firstAtStop = first;
  PumpFor(100);
  EXPECT_EQ(second, secondBefore);
  EXPECT_EQ(first, firstAtStop);
}

TEST(SystemEventLoop, PumpingDispatchesQueuedInputButNeverTicks) {
  TimerWindow host;
  int ticks = 0, depth = 0, deepest = 0;
  host.loop->StartTimer(2, 10, [&] {
    ++ticks;
    deepest = std::max(deepest, ++depth);
    // A tick handler that pumps while its own next tick is due must not be re-entered.
    Sleep(30);
    PostMessageW(host.window, kProbeMessage, 0, 0);
    host.loop->PumpPending();
    --depth;
  });
  Sleep(40);
  PostMessageW(host.window, kProbeMessage, 0, 0);
  host.loop->PumpPending();
  EXPECT_EQ(ticks, 0) << "a due tick waits for the real loop";
  EXPECT_EQ(host.probes, 1);

  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  EXPECT_EQ(deepest, 1) << "no tick ran inside another";
  EXPECT_EQ(host.probes, 1 + ticks) << "each tick's pump dispatched its own message";
}

// A menu runs its own loop on this thread and waits there for its keys: a tick's pump inside
// it must leave them to the menu, or the menu never closes and the thread stays in menu mode.
TEST(SystemEventLoop, APumpInsideAMenuLeavesTheMenuItsKeys) {
  TimerWindow host;
  HWND owner = testing::MakeWindow(L"Menu owner", 0, 0, 200, 100);
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, L"Item");
  bool pumped = false, forced = false;
  testing::RepeatFromLoop([&] {
    if (testing::FindThreadWindow(L"#32768") == nullptr) return false;
    INPUT escape[2]{{INPUT_KEYBOARD, {.ki = {VK_ESCAPE, 0, 0, 0, 0}}},
                    {INPUT_KEYBOARD, {.ki = {VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0, 0}}}};
    SendInput(2, escape, sizeof(INPUT));
    Sleep(100);  // the keys are queued for the menu now
    host.loop->PumpPending();
    pumped = true;
    return true;
  });
  // Should the pump have taken the keys, the menu is ended from outside after a while.
  const ULONGLONG deadline = GetTickCount64() + 3000;
  testing::RepeatFromLoop([&] { return GetTickCount64() > deadline && (forced = EndMenu()); });
  SetForegroundWindow(owner);
  TrackPopupMenu(menu, TPM_RETURNCMD, 20, 20, 0, owner, nullptr);
  testing::StopRepeating();
  EXPECT_TRUE(pumped);
  EXPECT_FALSE(forced) << "the pump took the menu's Esc";
  DestroyMenu(menu);
  DestroyWindow(owner);
}

TEST(SystemEventLoop, QuitEndsTheLoopAndSilencesTimers) {
  TimerWindow host;
  int ticks = 0;
  host.loop->StartTimer(3, 10, [&] { ++ticks; });
  PostMessageW(host.window, kProbeMessage, 0, 0);
  host.loop->StartTimer(4, 30, [&] { host.loop->Quit(); });
  EXPECT_EQ(host.loop->Run(), 0);
  EXPECT_TRUE(host.loop->QuitRequested());
  const int ticksAtQuit = ticks;
  host.loop->StartTimer(3, 10, [&] { ++ticks; });
  host.loop->PumpPending();
  PumpFor(60);
  EXPECT_EQ(ticks, ticksAtQuit) << "nothing ticks after the program ended";
  EXPECT_EQ(host.probes, 1);
  // The quit message the loop posted must not leak into the next test's pumping.
  PumpFor(50);  // drain what the ended program left queued
}

}  // namespace
}  // namespace tarnwick::win32
