#include <gtest/gtest.h>

#include <vector>

#include "test_windows.h"
#include "win32/keyboard_hook.h"
#include "win32/system_key_activity.h"
#include "win32/window_handle_cast.h"

namespace tarnwick::win32 {
namespace {

using testing::MakeWindow;
using testing::PumpFor;

constexpr UINT kPressMessage = WM_APP + 50;
constexpr UINT kBurstMessage = WM_APP + 51;

void TapKey(WORD virtualKey) {
  INPUT inputs[2]{};
  for (INPUT& input : inputs) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
  }
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

TEST(SystemKeyActivity, NotesKeysOnlyWhenAskedTellsABurstOnceAndSeesTheMouseAfter) {
  HWND target = MakeWindow(L"Key activity target", 0, 0, 200, 100);
  KeyboardHook hook;
  ASSERT_TRUE(hook.Start(target, kPressMessage));
  SystemKeyActivity keys(target, kBurstMessage);
  TapKey(VK_F24);
  PumpFor(200);
  EXPECT_FALSE(keys.MsSinceLastKey()) << "noted before anyone asked";

  std::vector<WindowHandle> bursts;
  keys.NoteKeys(true, [&](WindowHandle front) { bursts.push_back(front); });
  // The hook runs on its own thread: this one only waits, so the posted messages stay queued.
  for (int key = 0; key < 3; ++key) {
    TapKey(VK_F24);
    Sleep(100);
  }
  MSG message{};
  while (PeekMessageW(&message, target, kBurstMessage, kBurstMessage, PM_REMOVE)) {
    keys.BurstPosted(message.wParam);
  }
  ASSERT_EQ(bursts.size(), 1U) << "one message for keys 100 ms apart";
  EXPECT_EQ(bursts[0], FromHwnd(GetForegroundWindow()));
  ASSERT_TRUE(keys.MsSinceLastKey());
  EXPECT_LT(*keys.MsSinceLastKey(), 1000);
  EXPECT_FALSE(keys.OtherInputSinceLastKey()) << "the keys' own input";

  INPUT mouse{};
  mouse.type = INPUT_MOUSE;
  mouse.mi.dx = 1;
  mouse.mi.dwFlags = MOUSEEVENTF_MOVE;
  SendInput(1, &mouse, sizeof(INPUT));
  PumpFor(100);
  EXPECT_TRUE(keys.OtherInputSinceLastKey());

  keys.NoteKeys(false, {});
  TapKey(VK_F24);
  PumpFor(200);
  EXPECT_FALSE(keys.MsSinceLastKey());
  DestroyWindow(target);
}

}  // namespace
}  // namespace tarnwick::win32
