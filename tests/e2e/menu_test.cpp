// The main window's own menu, opened and closed as a user does, while the program's poll runs
// its timers: the menu must get every key and click it waits for, so that it closes, the
// program leaves menu mode and the window can still be closed.
#include "fixture.h"

namespace tarnwick::e2e {
namespace {

constexpr POINT kBareDesktop{740, 450};

// A key pressed with the hand still touching the mouse: the program hears the mouse at once,
// while the key waits in its queue for the open menu.
void NudgeAndPress(WORD key) {
  INPUT inputs[3]{};
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dx = 1;
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE;
  for (INPUT* input : {&inputs[1], &inputs[2]}) {
    input->type = INPUT_KEYBOARD;
    input->ki.wVk = key;
  }
  inputs[2].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(3, inputs, sizeof(INPUT));
}

class MainMenu : public TarnwickCase {
 protected:
  // The flags of the program's UI thread; GUI_INMENUMODE while a menu holds its input.
  DWORD GuiFlags() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(Program().MainWindow(), nullptr), &info);
    return info.flags;
  }
  bool LeftMenuMode() {
    return WaitUntil([this] { return MenuOf(Program().Id()) == nullptr && GuiFlags() == 0; },
                     5000ms);
  }
  // The File title in the menu bar, just above the client area's top-left corner.
  POINT FileTitle() {
    POINT corner{0, 0};
    ClientToScreen(Program().MainWindow(), &corner);
    return POINT{corner.x + 15, corner.y - GetSystemMetrics(SM_CYMENU) / 2};
  }
  bool OpenFileMenu(bool withMouse) {
    HWND main = Program().MainWindow();
    for (int attempt = 0; attempt < 3; ++attempt) {
      SetForegroundWindow(main);
      if (!WaitUntil([main] { return GetForegroundWindow() == main; }, 3000ms)) continue;
      if (withMouse) {
        ClickAt(FileTitle());
      } else {
        PressChord({VK_MENU}, 'F');
      }
      if (WaitUntil([this] { return MenuOf(Program().Id()) != nullptr; }, 3000ms)) return true;
    }
    return false;
  }
};

TEST_F(MainMenu, ClosedByEscOrAClickElsewhereTheMenuLetsGoAndTheWindowStillCloses) {
  ASSERT_TRUE(Launch());
  // Each round gives the poll's ticks time to run inside the menu's loop.
  for (int round = 0; round < 3; ++round) {
    ASSERT_TRUE(OpenFileMenu(false));
    Pause(600ms);
    NudgeAndPress(VK_ESCAPE);
    Pause(300ms);
    NudgeAndPress(VK_ESCAPE);
    EXPECT_TRUE(LeftMenuMode()) << "Esc, Esc, round " << round << ": flags " << GuiFlags();

    ASSERT_TRUE(OpenFileMenu(true));
    Pause(600ms);
    ClickAt(kBareDesktop);
    EXPECT_TRUE(LeftMenuMode()) << "a click elsewhere, round " << round << ": flags " << GuiFlags();
  }
  // As the installer closes a running copy.
  PostMessageW(Program().MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(Program().WaitForExit(10000ms)) << "WM_CLOSE did not end the program";
}

// Off for now: the menu that closes uncovers the main window under the still cursor, and the
// poll follows it over the window the user's command just opened.
TEST_F(MainMenu, DISABLED_OptionsChosenWithTheMouseKeepsTheForegroundWhileTheMouseRests) {
  ASSERT_TRUE(Launch());
  ASSERT_TRUE(OpenFileMenu(true));
  RECT menu{};
  GetWindowRect(MenuOf(Program().Id()), &menu);
  // Enabled, Minimize, Options..., Exit: the third of four entries.
  ClickAt(POINT{(menu.left + menu.right) / 2, menu.top + (menu.bottom - menu.top) * 5 / 8});
  HWND options = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (options = OptionsWindowOf(Program().Id())) != nullptr; }));
  ASSERT_TRUE(BecomesForeground(options));
  const auto resting = std::chrono::steady_clock::now();
  while (std::chrono::steady_clock::now() - resting < 3500ms) {
    ASSERT_EQ(GetForegroundWindow(), options)
        << "with the mouse at rest the Options window lost the foreground to "
        << DescribeWindow(GetForegroundWindow());
    Pause(50ms);
  }
}

}  // namespace
}  // namespace tarnwick::e2e
