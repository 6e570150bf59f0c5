// Focus follows the resting cursor into other processes' windows; the global chords, the
// tray, the delay box and a second start, all driven from outside.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "fixture.h"

namespace tarnwick::e2e {
namespace {

class FocusFollow : public TarnwickCase {
 protected:
  // True once `window`, made foreground by this test, stays there for a whole second.
  static bool StaysForegroundWhenActivated(HWND window) {
    for (int attempt = 0; attempt < 10; ++attempt) {
      SetForegroundWindow(window);
      Pause(1000ms);
      if (GetForegroundWindow() == window) return true;
    }
    return false;
  }

  // A window half under another.
  struct HalfCovered {
    TargetWindow under{L"E2E Under", kLeftSpot};
    TargetWindow over{L"E2E Over", {150, 10, 400, 190}};
  };
  // The mouse comes to rest on the free half of the window under, which gets the keyboard
  // wherever the raise leaves it.
  static bool RestOnUnder(HalfCovered& windows) {
    if (!BecomesForeground(windows.over.Handle())) return false;
    MoveCursor(POINT{40, 120});
    return BecomesForeground(windows.under.Handle());
  }
};

TEST_F(FocusFollow, RestingCursorActivatesOtherProgramsWindowsAfterTheStoredDelay) {
  WriteSetting(L"Delay", L"Interval", L"1500");
  ASSERT_TRUE(LaunchHidden());
  Notepad notepad;
  ASSERT_TRUE(notepad.Start(kRightSpot));
  AlphaAndBeta windows;
  SetForegroundWindow(windows.beta.Handle());
  ASSERT_TRUE(BecomesForeground(windows.beta.Handle()));

  // Resting on a child control activates its top-level window, and not before the delay.
  MoveCursor(CenterOf(windows.alpha.Child()));
  Pause(600ms);
  EXPECT_EQ(GetForegroundWindow(), windows.beta.Handle()) << "activated before the 1500 ms delay";
  EXPECT_TRUE(BecomesForeground(windows.alpha.Handle()));

  MoveCursor(CenterOf(notepad.Handle()));
  EXPECT_TRUE(BecomesForeground(notepad.Handle()));

  EXPECT_TRUE(RestingOnActivates(windows.beta)) << "not following after the unpin\n"
                                                << DescribeDesktop();
}

TEST_F(FocusFollow, CtrlShiftFDisablesFollowingAndEnablesItAgain) {
  const int iconsBefore = TrayIconCount();
  ASSERT_TRUE(LaunchHidden());
  AlphaAndBeta windows;
  ASSERT_TRUE(RestingOnActivates(windows.alpha));

  PressCtrlShift(L'F');
  ASSERT_TRUE(WaitUntil([this] { return EnableCaption() == L"&Disabled"; }))
      << Narrow(EnableCaption());
  EXPECT_EQ(ReadSetting(L"disabled", L"disabled").value_or(L"<absent>"), L"1");
  MoveCursor(windows.beta.ClientSpot());
  Pause(2000ms);
  EXPECT_EQ(GetForegroundWindow(), windows.alpha.Handle()) << "followed the cursor while disabled";

  PressCtrlShift(L'F');
  ASSERT_TRUE(WaitUntil([this] { return EnableCaption() == L"&Enabled"; }));
  EXPECT_EQ(ReadSetting(L"disabled", L"disabled").value_or(L"<absent>"), L"0");
  // Each toggle swaps the tray icon's picture by removing and adding it: still just one.
  Pause(500ms);
  EXPECT_EQ(TrayIconCount(), iconsBefore + 1);
  MoveCursor(CenterOf(windows.beta.Child()));
  EXPECT_TRUE(BecomesForeground(windows.beta.Handle()));
}

TEST_F(FocusFollow, CtrlShiftTKeepsTheLastWindowOnTopAndCtrlShiftRSendsItToTheBottom) {
  ASSERT_TRUE(LaunchHidden());
  AlphaAndBeta windows;
  ASSERT_TRUE(RestingOnActivates(windows.alpha));

  // With Alt held as well the chord is another one, and nothing happens.
  PressCtrlShiftAlt(L'T');
  Pause(1000ms);
  EXPECT_FALSE(IsTopmost(windows.alpha.Handle())) << "Ctrl+Shift+Alt+T acted like Ctrl+Shift+T";

  PressCtrlShift(L'T');
  EXPECT_TRUE(WaitUntil([&] { return IsTopmost(windows.alpha.Handle()); })) << "Ctrl+Shift+T";
  EXPECT_FALSE(IsTopmost(windows.beta.Handle()));

  PressCtrlShift(L'R');
  EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(windows.alpha.Handle()); }))
      << "Ctrl+Shift+R: topmost";
  EXPECT_TRUE(WaitUntil([&] { return IsAbove(windows.beta.Handle(), windows.alpha.Handle()); }))
      << "Ctrl+Shift+R: not sent below the other window\n"
      << DescribeDesktop();
}

TEST_F(FocusFollow, CtrlShiftAPinsTheLastWindowAndCtrlShiftQUnpinsIt) {
  ASSERT_TRUE(LaunchHidden());
  AlphaAndBeta windows;
  // A new window is activated when it is shown; start from the other one, so that the
  // program is what brings this one forward (and records it as the last window).
  SetForegroundWindow(windows.alpha.Handle());
  ASSERT_TRUE(BecomesForeground(windows.alpha.Handle()));
  ASSERT_TRUE(RestingOnActivates(windows.beta));

  // Whatever else takes the foreground, the pinned window comes back.
  PressCtrlShift(L'A');
  for (int round = 0; round < 3; ++round) {
    SetForegroundWindow(windows.alpha.Handle());
    EXPECT_TRUE(BecomesForeground(windows.beta.Handle()))
        << "pinned window not back, round " << round;
  }
  // Resting on another window now brings the pinned one, not the hovered one.
  MoveCursor(windows.alpha.ClientSpot());
  Pause(1500ms);
  EXPECT_EQ(GetForegroundWindow(), windows.beta.Handle());

  PressCtrlShift(L'Q');
  EXPECT_TRUE(StaysForegroundWhenActivated(windows.alpha.Handle()))
      << "still pinned after Ctrl+Shift+Q";
  EXPECT_TRUE(RestingOnActivates(windows.beta)) << "not following after the unpin";
}

// A window half under another: the keyboard goes to it where it stands in the Z order.
TEST_F(FocusFollow, RaiseNeverGivesTheKeyboardToAWindowThatStaysUnder) {
  WriteSetting(L"options", L"RaiseMode", L"Never");
  ASSERT_TRUE(LaunchHidden());
  HalfCovered windows;
  ASSERT_TRUE(RestOnUnder(windows));
  TargetWindow& under = windows.under;
  TargetWindow& over = windows.over;
  Pause(1500ms);
  EXPECT_EQ(GetForegroundWindow(), under.Handle());
  EXPECT_TRUE(IsAbove(over.Handle(), under.Handle())) << DescribeDesktop();
}

TEST_F(FocusFollow, RaiseAfterDelayBringsTheWindowForwardOnlyOnceTheDelayIsOver) {
  WriteSetting(L"options", L"RaiseMode", L"AfterDelay");
  WriteSetting(L"options", L"RaiseDelayMs", L"1500");
  ASSERT_TRUE(LaunchHidden());
  HalfCovered windows;
  ASSERT_TRUE(RestOnUnder(windows));
  TargetWindow& under = windows.under;
  TargetWindow& over = windows.over;
  Pause(1000ms);
  EXPECT_TRUE(IsAbove(over.Handle(), under.Handle())) << "raised before the delay";
  EXPECT_TRUE(WaitUntil([&] { return IsAbove(under.Handle(), over.Handle()); }))
      << DescribeDesktop();
  EXPECT_EQ(GetForegroundWindow(), under.Handle());
}

TEST_F(FocusFollow, MinimizeHidesToTheTrayIconAndExitRemovesIt) {
  const int iconsBefore = TrayIconCount();
  ASSERT_TRUE(Launch());
  HWND main = Program().MainWindow();
  ClickButton(Program().Control(ControlKind::kPushButton, L"&Minimize"));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }));
  EXPECT_TRUE(WaitUntil([&] { return TrayIconCount() == iconsBefore + 1; }))
      << TrayIconCount() << " icons";

  ClickTrayIcon();
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main); })) << "tray click did not show it";

  // Minimise again after the restore: still a single icon.
  ClickButton(Program().Control(ControlKind::kPushButton, L"&Minimize"));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }));
  Pause(500ms);
  EXPECT_EQ(TrayIconCount(), iconsBefore + 1);
  ClickTrayIcon();
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main); }));

  EXPECT_TRUE(Program().Exit());
  EXPECT_TRUE(WaitUntil([&] { return TrayIconCount() == iconsBefore; }))
      << TrayIconCount() << " icons after Exit";
}

TEST_F(FocusFollow, DelayBoxRejectsWithTheExactMessagesAndPutsTheDefaultInForceAndInTheBox) {
  WriteSetting(L"Delay", L"Interval", L"400");
  ASSERT_TRUE(Launch());
  HWND delay = EditInFrame(Program().MainWindow(), L"Focus Menu");
  ASSERT_NE(delay, nullptr);
  ASSERT_EQ(TextOf(delay), L"400");

  struct Entry {
    const wchar_t* typed;
    const wchar_t* message;
  };
  for (const Entry& entry : {Entry{L"abc", L"The vaule must be numberic between 1 and 59999"},
                             Entry{L"0", L"The value must be numeric between 1 and 59999"},
                             Entry{L"59999", L"The value must be numeric between 1 and 59999"}}) {
    EXPECT_TRUE(ReplaceEditText(delay, entry.typed, true));
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(Program().Id())) != nullptr; }))
        << "no message for " << Narrow(entry.typed);
    EXPECT_EQ(MessageBoxText(box), entry.message) << Narrow(entry.typed);
    EXPECT_EQ(TextOf(box), L"Tarnwick");
    PressMessageBoxOk(box);
    EXPECT_TRUE(WaitUntil([&] { return FindMessageBox(Program().Id()) == nullptr; }));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(delay) == L"250"; })) << Narrow(TextOf(delay));
    // What the box shows is what is used and stored, and the user goes on in the box.
    EXPECT_EQ(ReadSetting(L"Delay", L"Interval").value_or(L"<absent>"), L"250");
    EXPECT_TRUE(WaitUntil([&] {
      GUITHREADINFO thread{};
      thread.cbSize = sizeof(thread);
      return GetGUIThreadInfo(GetWindowThreadProcessId(delay, nullptr), &thread) &&
             thread.hwndFocus == delay;
    })) << "the focus goes back to the box";
  }

  EXPECT_TRUE(ReplaceEditText(delay, L"2.5", true));
  EXPECT_TRUE(WaitUntil([] { return ReadSetting(L"Delay", L"Interval") == L"2.5"; }));
  EXPECT_EQ(FindMessageBox(Program().Id()), nullptr);
}

TEST_F(FocusFollow, SecondStartShowsTheFirstAndEnds) {
  ASSERT_TRUE(Launch());
  HWND main = Program().MainWindow();
  ClickButton(Program().Control(ControlKind::kPushButton, L"&Minimize"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }));

  Tarnwick second;
  ASSERT_TRUE(second.StartProcess());
  EXPECT_TRUE(second.WaitForExit()) << "the second start keeps running";
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main); })) << "the first was not shown";
  EXPECT_TRUE(Program().Running());
}

// The pointer follows a window chosen with a key, and no window that came forward on its own;
// how soon it arrives is printed for the record.
using Clock = std::chrono::steady_clock;

bool Inside(HWND window, POINT point) {
  RECT rect{};
  return GetWindowRect(window, &rect) && PtInRect(&rect, point);
}

TEST_F(FocusFollow, ThePointerFollowsAWindowChosenWithAKeyAndNoneThatCameForwardOnItsOwn) {
  WriteSetting(L"options", L"PointerFollowsKeyboard", L"1");
  ASSERT_TRUE(LaunchHidden());
  AlphaAndBeta windows;
  ASSERT_TRUE(RestingOnActivates(windows.alpha));
  const POINT restingSpot = CursorPosition();

  // No key: a program's own doing.
  SetForegroundWindow(windows.beta.Handle());
  ASSERT_TRUE(BecomesForeground(windows.beta.Handle()));
  Pause(500ms);
  EXPECT_TRUE(Inside(windows.alpha.Handle(), CursorPosition())) << "moved with no key pressed";

  std::vector<double> arrivalsMs;
  for (int round = 0; round < 10; ++round) {
    // A key, then its window comes forward: Alt+Tab, Win+number or a program's shortcut.
    const HWND target = round % 2 == 0 ? windows.alpha.Handle() : windows.beta.Handle();
    PressKey(VK_F24);
    SetForegroundWindow(target);
    const Clock::time_point changed = Clock::now();
    ASSERT_TRUE(WaitUntil([&] { return Inside(target, CursorPosition()); }, 2000ms))
        << "round " << round << ": the pointer stayed out of " << DescribeWindow(target);
    arrivalsMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - changed).count());
    if (round == 0) {
      EXPECT_EQ(CursorPosition().x, restingSpot.x) << "back where it rested in Alpha";
      EXPECT_EQ(CursorPosition().y, restingSpot.y);
    }
    Pause(1200ms);
    EXPECT_EQ(GetForegroundWindow(), target) << "the chosen window keeps the keyboard";
  }
  std::sort(arrivalsMs.begin(), arrivalsMs.end());
  std::printf("pointer arrival after the foreground change: median %.0f ms, worst %.0f ms\n",
              (arrivalsMs[4] + arrivalsMs[5]) / 2, arrivalsMs.back());
}

}  // namespace
}  // namespace tarnwick::e2e
