#include "platform/win32/keyboard_hook.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_windows.h"

namespace tarnwick::win32 {
namespace {

using testing::MakeWindow;
using testing::PumpFor;
using testing::PumpUntil;

constexpr UINT kPressMessage = WM_APP + 50;

struct Press {
  WPARAM keyCode;
  LPARAM shift;
};

void SendKey(WORD virtualKey, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof(INPUT));
}

// Presses arrive as posted messages; collect them from the queue.
std::vector<Press> CollectPresses(HWND target, size_t expected) {
  std::vector<Press> presses;
  PumpUntil(
      [&] {
        MSG message{};
        while (PeekMessageW(&message, target, kPressMessage, kPressMessage, PM_REMOVE)) {
          presses.push_back({message.wParam, message.lParam});
        }
        return presses.size() >= expected;
      },
      3000);
  PumpFor(100);  // anything more that was going to come
  MSG message{};
  while (PeekMessageW(&message, target, kPressMessage, kPressMessage, PM_REMOVE)) {
    presses.push_back({message.wParam, message.lParam});
  }
  return presses;
}

TEST(KeyboardHook, ReportsInjectedChordsOncePerPressWithTheirModifiers) {
  HWND target = MakeWindow(L"Hook target", 0, 0, 200, 100);
  KeyboardHook hook;
  ASSERT_TRUE(hook.Start(target, kPressMessage));

  SendKey(VK_LCONTROL, true);
  SendKey(VK_LSHIFT, true);
  SendKey('T', true);
  SendKey('T', true);  // auto-repeat
  SendKey('T', false);
  SendKey(VK_LMENU, true);
  SendKey('F', true);
  SendKey('F', false);
  SendKey(VK_LMENU, false);
  SendKey(VK_LSHIFT, false);
  SendKey(VK_LCONTROL, false);
  SendKey('A', true);
  SendKey('A', false);

  std::vector<Press> letters;
  for (const Press& press : CollectPresses(target, 5)) {
    if (press.keyCode >= 'A' && press.keyCode <= 'Z') letters.push_back(press);
  }
  ASSERT_EQ(letters.size(), 3u) << "one report per press, none for repeats or releases";
  EXPECT_EQ(letters[0].keyCode, static_cast<WPARAM>('T'));
  EXPECT_EQ(letters[0].shift, 3) << "Ctrl+Shift alone";
  EXPECT_EQ(letters[1].keyCode, static_cast<WPARAM>('F'));
  EXPECT_NE(letters[1].shift, 3) << "Alt makes it another chord";
  EXPECT_EQ(letters[1].shift, 7);
  EXPECT_EQ(letters[2].keyCode, static_cast<WPARAM>('A'));
  EXPECT_EQ(letters[2].shift, 0);

  hook.Stop();
  SendKey('Q', true);
  SendKey('Q', false);
  EXPECT_TRUE(CollectPresses(target, 1).empty()) << "a stopped hook reports nothing";
  DestroyWindow(target);
}

}  // namespace
}  // namespace tarnwick::win32
