// The main window's menu, opened and closed as a user does while the poll runs: the menu gets
// its keys and clicks, closes, the program leaves menu mode and the window still closes.
#include "fixture.h"

namespace tarnwick::e2e {
namespace {

constexpr POINT kBareDesktop{740, 450};

// A key pressed with the hand on the mouse: the mouse is heard first, the key waits queued.
void NudgeAndPress(WORD key) {
  INPUT inputs[3]{{INPUT_MOUSE, {.mi = {1, 0, 0, MOUSEEVENTF_MOVE, 0, 0}}},
                  {INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}},
                  {INPUT_KEYBOARD, {.ki = {key, 0, KEYEVENTF_KEYUP, 0, 0}}}};
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
  POINT FileTitle() {  // in the menu bar, just above the client area's top-left corner
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

}  // namespace
}  // namespace tarnwick::e2e
