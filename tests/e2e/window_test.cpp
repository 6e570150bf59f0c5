// The main window as a user sees it, and what a first and a second start leave behind.
#include <string>
#include <vector>

#include "fixture.h"

namespace tarnwick::e2e {
namespace {

const std::vector<std::wstring> kHelpLines = {
    L"Tarnwick automatically sets the focus of an application as your mouse passes over it. ",
    L"*To disable Tarnwick, just hit Ctrl-Shift-F and hit Ctrl-Shift-F again to enable it. ",
    L"*To make application to Stay on Top then just hit Ctrl-Shift-T while your mouse is over the "
    L"application. ",
    L"*To stop it from Staying on Top just Ctrl-Shift-R again while your mouse is over the "
    L"application.",
    L"*To Force a Window to Stay Active hit Ctrl-Shift-A while your mouse is over the "
    L"Application. Hit Ctrl-Shift-Q",
};

using MainWindow = TarnwickCase;

TEST_F(MainWindow, FirstStartShowsEveryControlAndStoresOnlyTheFourEdges) {
  ASSERT_TRUE(Launch());
  HWND main = Program().MainWindow();
  EXPECT_TRUE(IsWindowVisible(main));
  const std::wstring caption = TextOf(main);
  EXPECT_TRUE(caption.starts_with(L"Tarnwick 2.1 - ")) << Narrow(caption);
  EXPECT_GT(caption.size(), std::wstring(L"Tarnwick 2.1 - ").size()) << "no web address";

  for (const wchar_t* text :
       {L"&Enabled", L"&About", L"&Help", L"&Minimize", L"E&xit", L"Mouse Wrap is Off"}) {
    EXPECT_NE(Program().Control(ControlKind::kPushButton, text), nullptr) << Narrow(text);
  }
  for (const wchar_t* text : {L"Focus Menu", L"Mouse Wrap Menu", L"Auto Lanuch", L"Auto Hide "}) {
    EXPECT_NE(Program().Control(ControlKind::kGroupBox, text), nullptr) << Narrow(text);
  }
  for (const wchar_t* text :
       {L"On Mouse Over Delay 1000 = 1 Second", L"Calibration:", L"Idle Delay"}) {
    EXPECT_NE(Program().Control(ControlKind::kLabel, text), nullptr) << Narrow(text);
  }
  for (const std::wstring& line : kHelpLines) {
    EXPECT_NE(Program().Control(ControlKind::kLabel, line), nullptr) << Narrow(line);
  }

  // The edges are ticked by start-up restoring their default "1"; nothing else is ticked.
  struct Box {
    const wchar_t* text;
    int expected;
  };
  for (const Box& box : {Box{L"Left", 1}, Box{L"Right", 1}, Box{L"Top", 1}, Box{L"Bottom", 1},
                         Box{L"Auo Run on Launch", 0}, Box{L"&Run Minimized on Start Up", 0},
                         Box{L"Auto Lanuch when windows Starts?", 0},
                         Box{L"Auto Hide Mouse When Idel", 0}, Box{L"Taskbar Auto Hiden?", 0}}) {
    HWND control = Program().Control(ControlKind::kCheckBox, box.text);
    ASSERT_NE(control, nullptr) << Narrow(box.text);
    EXPECT_EQ(CheckStateOf(control), box.expected) << Narrow(box.text);
  }

  HWND delay = EditInFrame(main, L"Focus Menu");
  HWND calibration = EditInFrame(main, L"Mouse Wrap Menu");
  HWND idleDelay = EditInFrame(main, L"Auto Hide ");
  ASSERT_TRUE(delay && calibration && idleDelay);
  EXPECT_EQ(TextOf(delay), L"250");
  EXPECT_EQ(TextOf(calibration), L"100");
  EXPECT_EQ(TextOf(idleDelay), L"5");

  EXPECT_EQ(SettingSections(), std::vector<std::wstring>{L"startup"});
  EXPECT_TRUE(SettingValueNames(L"").empty());
  EXPECT_EQ(SettingValueNames(L"startup"),
            (std::vector<std::wstring>{L"bottomwrap", L"leftwrap", L"rightwrap", L"topwrap"}));
  for (const wchar_t* key : {L"leftwrap", L"rightwrap", L"topwrap", L"bottomwrap"}) {
    EXPECT_EQ(ReadSetting(L"startup", key).value_or(L"<absent>"), L"1") << Narrow(key);
  }
}

TEST_F(MainWindow, SecondStartRestoresWhatTheUserChanged) {
  ASSERT_TRUE(Launch());
  HWND left = Program().Control(ControlKind::kCheckBox, L"Left");
  ASSERT_NE(left, nullptr);
  ClickButton(left);
  EXPECT_TRUE(WaitUntil([&] { return CheckStateOf(left) == 0; }));
  EXPECT_TRUE(WaitUntil([] { return ReadSetting(L"startup", L"leftwrap") == L"0"; }));

  EXPECT_TRUE(ReplaceEditText(EditInFrame(Program().MainWindow(), L"Focus Menu"), L"750", true));
  EXPECT_TRUE(WaitUntil([] { return ReadSetting(L"Delay", L"Interval") == L"750"; }))
      << "tabbing away from the delay box stores it";
  EXPECT_EQ(FindMessageBox(Program().Id()), nullptr);

  // The idle delay and calibration are shown only: an edit is gone at the next start.
  EXPECT_TRUE(ReplaceEditText(EditInFrame(Program().MainWindow(), L"Auto Hide "), L"9", false));

  ASSERT_TRUE(Launch());
  HWND main = Program().MainWindow();
  EXPECT_EQ(CheckStateOf(Program().Control(ControlKind::kCheckBox, L"Left")), 0);
  EXPECT_EQ(CheckStateOf(Program().Control(ControlKind::kCheckBox, L"Right")), 1);
  EXPECT_EQ(TextOf(EditInFrame(main, L"Focus Menu")), L"750");
  EXPECT_EQ(TextOf(EditInFrame(main, L"Auto Hide ")), L"5");
}

TEST_F(MainWindow, SeededStoreIsRestoredIntoTheControls) {
  WriteSetting(L"startup", L"mousewrap", L"1");
  WriteSetting(L"startup", L"topwrap", L"0");
  WriteSetting(L"startup", L"idel", L"1");
  WriteSetting(L"startup", L"calibration", L"42");
  WriteSetting(L"Delay", L"Interval", L"1200");
  ASSERT_TRUE(Launch());
  HWND main = Program().MainWindow();
  EXPECT_EQ(Program().Caption(ControlKind::kPushButton, L"Mouse Wrap is On"), L"Mouse Wrap is On");
  EXPECT_EQ(CheckStateOf(Program().Control(ControlKind::kCheckBox, L"Auo Run on Launch")), 1);
  EXPECT_EQ(CheckStateOf(Program().Control(ControlKind::kCheckBox, L"Top")), 0);
  EXPECT_EQ(CheckStateOf(Program().Control(ControlKind::kCheckBox, L"Auto Hide Mouse When Idel")),
            1);
  EXPECT_EQ(TextOf(EditInFrame(main, L"Mouse Wrap Menu")), L"42");
  EXPECT_EQ(TextOf(EditInFrame(main, L"Focus Menu")), L"1200");
}

TEST_F(MainWindow, AboutShowsTheProgramNameInAMessageBox) {
  ASSERT_TRUE(Launch());
  ClickButton(Program().Control(ControlKind::kPushButton, L"&About"));
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(Program().Id())) != nullptr; }));
  EXPECT_EQ(TextOf(box), L"Tarnwick");
  EXPECT_TRUE(MessageBoxText(box).starts_with(L"Tarnwick 2.1\r\n\r\n"))
      << Narrow(MessageBoxText(box));
  PressMessageBoxOk(box);
  EXPECT_TRUE(WaitUntil([&] { return FindMessageBox(Program().Id()) == nullptr; }));
}

// Resting the cursor on a message box makes the program follow it to its owner, the main
// window. That must not bury the box behind the main window, which the box keeps disabled:
// the user could then neither reach OK with the mouse nor use the main window.
// Disabled while Tarnwick.exe still buries the box under Wine; run it with
// --gtest_also_run_disabled_tests.
TEST_F(MainWindow, MessageBoxStaysReachableWhileTheCursorRestsOnIt) {
  ASSERT_TRUE(Launch());
  ClickButton(Program().Control(ControlKind::kPushButton, L"&About"));
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(Program().Id())) != nullptr; }));
  MoveCursor(CenterOf(box));
  Pause(1500ms);
  EXPECT_TRUE(IsAbove(box, Program().MainWindow())) << DescribeDesktop();
  EXPECT_EQ(GetAncestor(WindowFromPoint(CenterOf(box)), GA_ROOT), box) << "the box is covered";
  PressMessageBoxOk(box);
}

}  // namespace
}  // namespace tarnwick::e2e
