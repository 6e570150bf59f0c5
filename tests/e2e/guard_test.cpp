// Focus-follow never fights the user: no activation while a menu is open or a button is
// held, none for windows that come and go under a still cursor, none onto the desktop or
// the taskbar, and no freeze when a hotkey meets a program that stopped answering.
#include <chrono>
#include <string>

#include "fixture.h"
#include "helper_program.h"

namespace tarnwick::e2e {
namespace {

using Clock = std::chrono::steady_clock;

// Below the windows above, right of where the main window shows at start-up and above the
// taskbar: nothing but the desktop's background.
constexpr POINT kBareDesktop{740, 450};

constexpr auto kDelay = 300ms;
constexpr wchar_t kDelayText[] = L"300";
// With a menu open the cursor cannot be moved (see OpensMenuWhileRestingOn), so the menu has to
// open within the hover delay that began when the cursor came to rest: a longer one.
constexpr auto kMenuDelay = 1000ms;
constexpr wchar_t kMenuDelayText[] = L"1000";
// Time for a poll tick (every 250 ms) to see a change and for its hover delay to end,
// twice over: what would be activated is activated by then.
constexpr auto kQuiet = 4 * kDelay;
// Timers may fall due a few milliseconds early as this process's clock sees them.
constexpr auto kTimerSlack = 50ms;

long long MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

class FocusGuards : public TarnwickCase {
 protected:
  // Starts the program with the hover delay `delayText` and the cursor at rest on the bare
  // desktop. Its first poll tick follows the cursor wherever it is, and may come after the
  // case has opened its windows: one of them under a cursor left there by the case before
  // would be activated.
  bool LaunchAtRest(const wchar_t* delayText = kDelayText) {
    WriteSetting(L"Delay", L"Interval", delayText);
    MoveCursor(kBareDesktop);
    return LaunchHidden();
  }

  // `window` keeps the foreground for the whole of `quiet`; a failure names what took it.
  static testing::AssertionResult KeepsForeground(HWND window,
                                                  std::chrono::milliseconds quiet = kQuiet) {
    HWND taker = nullptr;
    const auto start = Clock::now();
    WaitUntil(
        [&] {
          taker = GetForegroundWindow();
          return taker != window;
        },
        quiet);
    if (taker == window) return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << DescribeWindow(taker) << " took the foreground from " << DescribeWindow(window)
           << " after " << MillisecondsSince(start) << " ms";
  }

  // `window` comes to the foreground, and not sooner than a whole hover delay after
  // `freed`, the moment the test ended what held activation back.
  static testing::AssertionResult ActivatedAHoverDelayAfter(
      HWND window, Clock::time_point freed, std::chrono::milliseconds delay = kDelay) {
    if (!BecomesForeground(window)) {
      return testing::AssertionFailure()
             << DescribeWindow(window) << " never came to the foreground; it is "
             << DescribeWindow(GetForegroundWindow());
    }
    const long long waited = MillisecondsSince(freed);
    if (waited < (delay - kTimerSlack).count()) {
      return testing::AssertionFailure()
             << DescribeWindow(window) << " came to the foreground " << waited
             << " ms after, before a whole hover delay of " << delay.count() << " ms";
    }
    return testing::AssertionSuccess();
  }

  // Under Wine a menu holds the pointer: no cursor move from another process lands while it
  // is open. So the cursor goes to `rest` first, where it will rest, and the menu opens
  // during that cycle's hover delay, as when a program opens one on a key or a timer.
  static testing::AssertionResult OpensMenuWhileRestingOn(const TargetWindow& rest,
                                                          HelperProgram& owner, bool inFront) {
    const auto moved = Clock::now();
    MoveCursor(rest.ClientSpot());
    const POINT resting = CursorPosition();
    if (!owner.OpenMenu(POINT{kLeftSpot.left + 40, kLeftSpot.top + 60}, inFront)) {
      return testing::AssertionFailure() << "the owner's menu never showed\n" << DescribeDesktop();
    }
    const long long opening = MillisecondsSince(moved);
    if (opening > (kMenuDelay - 300ms).count()) {
      return testing::AssertionFailure()
             << "the menu opened " << opening << " ms after the cursor moved on, too close to "
             << "the end of the hover delay for the case to show anything";
    }
    const POINT now = CursorPosition();
    if (now.x != resting.x || now.y != resting.y) {
      return testing::AssertionFailure() << "the cursor moved from " << resting.x << ","
                                         << resting.y << " to " << now.x << "," << now.y;
    }
    return testing::AssertionSuccess();
  }

  // Makes `window` the foreground as the keyboard would (Alt+Tab), not the program.
  static testing::AssertionResult ChosenByKeyboard(HWND window) {
    // An activation the program has just made can still be on its way to the window's
    // thread; a switch made before it lands would be undone by it. A hand on the keyboard
    // is not that quick.
    Pause(kDelay);
    const BOOL accepted = SetForegroundWindow(window);
    // What held the foreground meanwhile, for the failure message.
    const auto start = Clock::now();
    HWND seen = nullptr;
    std::string changes;
    const bool chosen = WaitUntil(
        [&] {
          HWND now = GetForegroundWindow();
          if (now != seen) {
            seen = now;
            changes += "\n  after " + std::to_string(MillisecondsSince(start)) +
                       " ms: " + DescribeWindow(now);
          }
          return now == window;
        },
        5000ms);
    if (chosen) return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "could not make " << DescribeWindow(window) << " the foreground (SetForegroundWindow "
           << accepted << "); the foreground was" << changes;
  }
};

TEST_F(FocusGuards, AMenuInFrontHoldsActivationBackUntilItCloses) {
  ASSERT_TRUE(LaunchAtRest(kMenuDelayText));
  HelperProgram owner;
  ASSERT_TRUE(owner.Start(L"E2E Menu Owner", kLeftSpot));
  TargetWindow third(L"E2E Third", kRightSpot);
  ASSERT_TRUE(RestingOnActivates(owner)) << "the program did not follow into the owner";

  ASSERT_TRUE(OpensMenuWhileRestingOn(third, owner, true));
  // Wine shows the menu a moment before it marks the thread as in menu mode.
  ASSERT_TRUE(WaitUntil([&] { return owner.InMenuMode(); }, 2000ms))
      << "Wine reports no menu mode for the owner's thread";
  EXPECT_TRUE(KeepsForeground(owner.Handle(), 3 * kMenuDelay)) << "activated with the menu open";
  EXPECT_NE(owner.Menu(), nullptr) << "the menu closed while the cursor rested elsewhere";

  const auto closing = Clock::now();
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return owner.Menu() == nullptr; }, 5000ms))
      << "Escape did not close the menu";
  EXPECT_TRUE(ActivatedAHoverDelayAfter(third.Handle(), closing, kMenuDelay))
      << "the window under the resting cursor once the menu closed";
}

TEST_F(FocusGuards, AMenuOfABackgroundProgramHoldsActivationBackUntilItCloses) {
  ASSERT_TRUE(LaunchAtRest(kMenuDelayText));
  HelperProgram owner;
  ASSERT_TRUE(owner.Start(L"E2E Menu Owner", kLeftSpot));
  TargetWindow front(L"E2E Front", kMiddleSpot);
  TargetWindow third(L"E2E Third", kRightSpot);
  ASSERT_TRUE(RestingOnActivates(front)) << "the program did not follow into the window";

  // Opened without taking the foreground, as a tray icon's menu may be: only the menu on
  // screen tells that the user is choosing in it.
  ASSERT_TRUE(OpensMenuWhileRestingOn(third, owner, false));
  ASSERT_EQ(GetForegroundWindow(), front.Handle()) << "the menu took the foreground";
  EXPECT_TRUE(KeepsForeground(front.Handle(), 3 * kMenuDelay))
      << "activated with the menu on screen";
  EXPECT_NE(owner.Menu(), nullptr) << "the menu closed while the cursor rested elsewhere";

  const auto closing = Clock::now();
  ASSERT_TRUE(owner.EndMenu()) << "the owner could not close its menu";
  EXPECT_TRUE(ActivatedAHoverDelayAfter(third.Handle(), closing, kMenuDelay))
      << "the window under the resting cursor once the menu closed";
}

TEST_F(FocusGuards, AHeldButtonHoldsActivationBackUntilReleased) {
  ASSERT_TRUE(LaunchAtRest());
  AlphaAndBeta windows;
  ASSERT_TRUE(RestingOnActivates(windows.alpha));

  // Pressed on a bare client area: nothing there to drag or to click.
  HeldLeftButton held;
  ASSERT_TRUE(WaitUntil([] { return GetAsyncKeyState(VK_LBUTTON) < 0; }, 2000ms))
      << "the injected button press never showed as held";
  MoveCursor(windows.beta.ClientSpot());
  EXPECT_TRUE(KeepsForeground(windows.alpha.Handle(), 3 * kDelay + 250ms))
      << "activated with the left button held";
  ASSERT_LT(GetAsyncKeyState(VK_LBUTTON), 0) << "the button came up by itself";

  const auto releasing = Clock::now();
  held.Release();
  EXPECT_TRUE(ActivatedAHoverDelayAfter(windows.beta.Handle(), releasing))
      << "the window under the resting cursor once the button came up";
}

TEST_F(FocusGuards, WindowsComingAndGoingUnderAStillCursorLeaveTheKeyboardsChoice) {
  ASSERT_TRUE(LaunchAtRest());
  AlphaAndBeta windows;
  ASSERT_TRUE(RestingOnActivates(windows.alpha));
  ASSERT_TRUE(ChosenByKeyboard(windows.beta.Handle()));
  EXPECT_TRUE(KeepsForeground(windows.beta.Handle())) << "the still cursor took the keyboard back";

  const POINT cursor = CursorPosition();
  const RECT aroundCursor{cursor.x - 60, cursor.y - 60, cursor.x + 120, cursor.y + 100};
  {
    TargetWindow appearing(L"E2E Appearing", aroundCursor, TargetWindow::Showing::kInBackground);
    ASSERT_EQ(TopLevelAt(cursor), appearing.Handle()) << "the new window is not under the cursor\n"
                                                      << DescribeDesktop();
    ASSERT_EQ(GetForegroundWindow(), windows.beta.Handle()) << "the new window took the foreground";
    EXPECT_TRUE(KeepsForeground(windows.beta.Handle()))
        << "while a new window lay under the cursor";
  }
  ASSERT_EQ(TopLevelAt(cursor), windows.alpha.Handle());
  EXPECT_TRUE(KeepsForeground(windows.beta.Handle()))
      << "after the new window under the cursor closed";

  TargetWindow sliding(L"E2E Sliding", kRightSpot, TargetWindow::Showing::kInBackground);
  SetWindowPos(sliding.Handle(), HWND_TOP, aroundCursor.left, aroundCursor.top,
               aroundCursor.right - aroundCursor.left, aroundCursor.bottom - aroundCursor.top,
               SWP_NOACTIVATE);
  ASSERT_EQ(TopLevelAt(cursor), sliding.Handle()) << "the window did not slide under the cursor";
  EXPECT_TRUE(KeepsForeground(windows.beta.Handle())) << "after a window slid under the cursor";

  // The hand moving on is still followed.
  MoveCursor(CenterOf(windows.alpha.Child()));
  EXPECT_TRUE(BecomesForeground(windows.alpha.Handle())) << "no longer following the moving cursor";
}

TEST_F(FocusGuards, TheDesktopAndTheTaskbarAreNeitherActivatedNorTheLastWindow) {
  ASSERT_TRUE(LaunchAtRest());
  AlphaAndBeta windows;
  ASSERT_TRUE(ChosenByKeyboard(windows.beta.Handle()));
  // The program activates it, so it is the last window the hotkeys act on.
  ASSERT_TRUE(RestingOnActivates(windows.alpha));

  RECT taskbar{};
  ASSERT_TRUE(GetWindowRect(TrayWindow(), &taskbar)) << "no taskbar";
  // Right of the Start button and the window buttons, left of the notification area.
  const POINT onTaskbar{taskbar.left + (taskbar.right - taskbar.left) * 3 / 5,
                        (taskbar.top + taskbar.bottom) / 2};
  struct Surface {
    const char* name;
    POINT spot;
    HWND window;
  };
  // Under Wine's virtual desktop the bare background is the desktop window itself (#32769).
  for (const Surface& surface : {Surface{"desktop", kBareDesktop, GetDesktopWindow()},
                                 Surface{"taskbar", onTaskbar, TrayWindow()}}) {
    SCOPED_TRACE(surface.name);
    ASSERT_EQ(TopLevelAt(surface.spot), surface.window) << DescribeDesktop();
    ASSERT_TRUE(ChosenByKeyboard(windows.beta.Handle()));
    MoveCursor(surface.spot);
    EXPECT_TRUE(KeepsForeground(windows.beta.Handle())) << "resting on the " << surface.name;

    PressCtrlShift(L'T');
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(windows.alpha.Handle()); }, 5000ms))
        << "Ctrl+Shift+T after resting on the " << surface.name
        << " did not keep the last window on top";
    PressCtrlShift(L'R');
    EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(windows.alpha.Handle()); }, 5000ms))
        << "Ctrl+Shift+R after resting on the " << surface.name;
  }
}

TEST_F(FocusGuards, HotkeysOnAHungProgramsWindowLeaveTheProgramAnswering) {
  ASSERT_TRUE(LaunchAtRest());
  TargetWindow alpha(L"E2E Alpha", kLeftSpot);
  HelperProgram hung;
  ASSERT_TRUE(hung.Start(L"E2E Hung", kRightSpot));
  ASSERT_TRUE(ChosenByKeyboard(alpha.Handle()));
  ASSERT_TRUE(RestingOnActivates(hung)) << "the program did not follow into the helper";
  ASSERT_TRUE(hung.Hang()) << "the helper kept answering";

  HWND main = Program().MainWindow();
  // Found before anything can hang: one control whose caption flips with each click.
  HWND enable = Program().Control(ControlKind::kPushButton, L"&Enabled");
  ASSERT_NE(enable, nullptr);
  for (wchar_t letter : {L'R', L'T'}) {
    const std::string chord = "Ctrl+Shift+" + Narrow(std::wstring(1, letter));
    SCOPED_TRACE(chord);
    PressCtrlShift(letter);
    Pause(500ms);  // for the hook to report the chord and the program to act on it
    const auto asking = Clock::now();
    ASSERT_TRUE(Answers(main, 1000ms))
        << "Tarnwick did not answer within a second after " << chord << " on a hung window";
    EXPECT_LT(MillisecondsSince(asking), 1500);
    // A thread stuck in SendMessage still answers sent messages such as the one above; only
    // a posted click tells that it is free.
    for (const wchar_t* expected : {L"&Disabled", L"&Enabled"}) {
      ClickButton(enable);
      EXPECT_TRUE(WaitUntil([&] { return TextOf(enable, 200ms) == expected; }, 2000ms))
          << "the Enabled button did not answer a click after " << chord << "; it shows "
          << Narrow(TextOf(enable, 200ms));
    }
    ASSERT_FALSE(hung.Answers()) << "the helper answered again before the checks were done";
  }

  // The poll keeps going too: resting elsewhere still moves the focus.
  EXPECT_TRUE(RestingOnActivates(alpha, 3000ms)) << "the poll froze";
  EXPECT_FALSE(hung.Answers()) << "the helper answered again before the checks were done";

  // The moves were queued, not dropped: once the program answers again, the last one
  // (Ctrl+Shift+T) holds.
  hung.Release();
  EXPECT_TRUE(WaitUntil([&] { return hung.Answers(); }, 5000ms));
  EXPECT_TRUE(WaitUntil([&] { return IsTopmost(hung.Handle()); }, 5000ms))
      << "Ctrl+Shift+T never reached the window once it answered again";
}

}  // namespace
}  // namespace tarnwick::e2e
