#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "cursor/desktop_shape.h"
#include "cursor/screen_bounds.h"
#include "test_windows.h"
#include "tests/common/mouse_move.h"
#include "win32/cursor_watch.h"
#include "win32/foreground_watch.h"
#include "win32/fullscreen.h"
#include "win32/system_raw_input.h"
#include "win32/system_screen.h"
#include "win32/system_window_manager.h"
#include "win32/text_conversion.h"
#include "win32/window_handle_cast.h"

namespace tarnwick::win32 {
namespace {

using testing::MakeWindow;
using testing::PumpFor;
using testing::PumpUntil;

// The session's virtual desktop is 800 x 600 pixels at 96 DPI.
TEST(SystemScreen, ReportsThePrimaryScreenInPixels) {
  SystemScreen screen(nullptr);
  const ScreenMetrics metrics = screen.Metrics();
  EXPECT_EQ(metrics.dpi, 96);
  EXPECT_EQ(metrics.widthPx, 800);
  EXPECT_EQ(metrics.heightPx, 600);
}

// The virtual desktop is one monitor: the shape built from it gives the single-screen park
// point and limits.
TEST(SystemScreen, NamesTheOneMonitorAsPrimaryInPixels) {
  SystemScreen screen(nullptr);
  const std::vector<MonitorInfo> monitors = screen.Monitors();
  ASSERT_EQ(monitors.size(), 1u);
  EXPECT_EQ(monitors[0], (MonitorInfo{0, 0, 800, 600, true, 96}));
  const DesktopShape shape = DesktopShape::Of(screen);
  const Point size{screen.Metrics().widthPx, screen.Metrics().heightPx};
  EXPECT_EQ(ParkPointOn(shape, {10, 10}, true), (Point{size.x - 1, size.y - kTaskbarAllowancePx}));
  EXPECT_EQ(WrapLanding(shape, {0, 300}, {true, true, true, true}), (Point{798, 300}));
}

// The Settings page's switch, read again once the user's settings changed; without it Wine's
// Windows 10 build never eases.
TEST(SystemScreen, ReadsWhetherWindowsEasesCrossingsFromTheUsersSetting) {
  SystemScreen screen(nullptr);
  const wchar_t* const kKey = L"Control Panel\\Cursors";
  const wchar_t* const kValue = L"CursorDeadzoneJumpingSetting";
  for (const DWORD value : {DWORD{1}, DWORD{0}}) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kValue, REG_DWORD, &value, sizeof(value)),
              ERROR_SUCCESS);
    EXPECT_EQ(screen.EasesCursorBetweenDisplays(), value == 1);
  }
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, kValue);
  EXPECT_FALSE(screen.EasesCursorBetweenDisplays());
}

// Relative moves made as the hand makes them arrive as raw movement, and stop arriving once
// the last listener has gone.
TEST(SystemRawInput, DeliversRelativeMovesUntilTheLastListenerGoes) {
  HWND target = MakeWindow(L"Raw input target", 40, 40, 200, 150);
  SystemRawInput raw(target);
  std::vector<RawMove> moves;
  int inputMessages = 0;
  const int id = raw.Listen([&](RawMove move) { moves.push_back(move); });
  ASSERT_NE(id, RawInput::kNotListening);
  const auto pump = [&](int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end) {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_INPUT) {
          ++inputMessages;
          raw.Read(reinterpret_cast<HRAWINPUT>(message.lParam));
        }
        DispatchMessageW(&message);
      }
      Sleep(10);
    }
  };
  test_support::SendMouseMove(-4, 3);  // small: Wine accelerates larger moves, raw ones too
  pump(500);
  ASSERT_FALSE(moves.empty());
  EXPECT_EQ(moves.front().dx, -4);
  EXPECT_EQ(moves.front().dy, 3);

  raw.StopListening(id);
  inputMessages = 0;
  test_support::SendMouseMove(5, 0);
  pump(300);
  EXPECT_EQ(inputMessages, 0) << "the system was told to stop";
  DestroyWindow(target);
}

// A pen or a remote session reports where the pointer is: each device's report becomes the
// pixels from its previous one. Wine installs the cursor watch's hook and sends nothing.
TEST(SystemRawInput, AbsoluteReportsAndTheCursorWatchUnderWine) {
  const POINT middle = AbsoluteToPixels(32768, 32768, false);
  EXPECT_EQ(std::pair(middle.x, middle.y), std::pair(400L, 300L));
  AbsolutePointers pointers;
  auto* pen = reinterpret_cast<HANDLE>(1);
  const RawMove first = pointers.Step(pen, middle), next = pointers.Step(pen, POINT{410, 290});
  EXPECT_EQ(std::tuple(first.dx, first.dy, first.absolute), std::tuple(0, 0, true));
  EXPECT_EQ(std::pair(next.dx, next.dy), std::pair(10, -10));
  EXPECT_EQ(pointers.Step(reinterpret_cast<HANDLE>(2), POINT{0, 0}).dx, 0) << "its own first";

  CursorWatch watch;
  int asked = 0;
  watch.HostOn([&](bool) { return ++asked > 0; });
  EXPECT_FALSE(watch.Watch([] {}));
  EXPECT_EQ(asked, 0) << "Wine would never report a move";
}

TEST(SystemWindowManager, MovesAndReadsTheCursor) {
  SystemWindowManager windows;
  ASSERT_TRUE(windows.MoveCursor({123, 45}));
  Point position{-1, -1};
  // Another process may see the old position briefly; our own reads settle at once.
  PumpUntil([&] { return windows.CursorPosition(position) && position == Point{123, 45}; });
  EXPECT_EQ(position.x, 123);
  EXPECT_EQ(position.y, 45);

  windows.MoveCursor({-50, 9999});
  ASSERT_TRUE(windows.CursorPosition(position));
  EXPECT_GE(position.x, 0) << "off-screen moves are clamped, never fatal";
  EXPECT_LE(position.y, 599);
}

TEST(SystemWindowManager, ClimbsFromAChildThroughAnOwnedPopupToItsOwner) {
  SystemWindowManager windows;
  HWND owner = MakeWindow(L"Climb owner", 40, 40, 400, 300);
  HWND popup = MakeWindow(L"", 100, 100, 200, 150, owner, WS_POPUP | WS_BORDER);
  // A button, not a static: statics are transparent to WindowFromPoint.
  HWND child = CreateWindowExW(0, L"BUTTON", L"child", WS_CHILD | WS_VISIBLE, 10, 10, 80, 40, popup,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  PumpFor(100);

  EXPECT_EQ(windows.WindowFromPoint({130, 130}), FromHwnd(child));
  EXPECT_EQ(windows.Parent(FromHwnd(child)), FromHwnd(popup));
  EXPECT_EQ(windows.Parent(FromHwnd(popup)), FromHwnd(owner)) << "the owner counts as parent";
  EXPECT_EQ(windows.Parent(FromHwnd(owner)), kNoWindow);
  EXPECT_EQ(windows.Parent(kNoWindow), kNoWindow);
  EXPECT_EQ(ToHwnd(FromHwnd(child)), child) << "handles survive the trip through 32 bits";
  DestroyWindow(owner);
}

TEST(SystemWindowManager, ReadsTitlesAsUtf8WithinTheBuffer) {
  SystemWindowManager windows;
  HWND unicode = MakeWindow(L"Caf\u00e9 \u20ac", 0, 0, 200, 100);
  EXPECT_EQ(windows.WindowTitle(FromHwnd(unicode), 100), "Caf\xC3\xA9 \xE2\x82\xAC");

  HWND longTitle = MakeWindow(std::wstring(150, L'w'), 0, 0, 200, 100);
  EXPECT_EQ(windows.WindowTitle(FromHwnd(longTitle), 100), std::string(99, 'w'));
  EXPECT_EQ(windows.WindowTitle(FromHwnd(longTitle), 1), "");

  HWND untitled = MakeWindow(L"", 0, 0, 200, 100);
  EXPECT_EQ(windows.WindowTitle(FromHwnd(untitled), 100), "");
  DestroyWindow(untitled);
  EXPECT_EQ(windows.WindowTitle(FromHwnd(untitled), 100), "") << "a closed window reads empty";
  DestroyWindow(unicode);
  DestroyWindow(longTitle);
}

// True when `upper` comes before `lower` in the Z order, top first.
bool IsAbove(HWND upper, HWND lower) {
  for (HWND window = GetTopWindow(nullptr); window != nullptr;
       window = GetWindow(window, GW_HWNDNEXT)) {
    if (window == upper) return true;
    if (window == lower) return false;
  }
  return false;
}

TEST(SystemWindowManager, BringsWindowsForwardAndChangesTheirZOrder) {
  SystemWindowManager windows;
  HWND first = MakeWindow(L"First", 50, 50, 300, 200);
  HWND second = MakeWindow(L"Second", 150, 150, 300, 200);

  windows.BringToForeground(FromHwnd(first));
  EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == first; }));
  windows.BringToForeground(FromHwnd(second));
  EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == second; }));
  windows.BringToForeground(kNoWindow);
  EXPECT_EQ(GetForegroundWindow(), second) << "window 0 is refused without effect";

  windows.KeepOnTop(FromHwnd(first));
  EXPECT_TRUE(GetWindowLongW(first, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(IsAbove(first, second)) << "a topmost window lies above the others";
  windows.SendToBottom(FromHwnd(first));
  EXPECT_FALSE(GetWindowLongW(first, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(IsAbove(second, first)) << "the window sent to the bottom lies beneath the other";

  windows.KeepOnTop(kNoWindow);  // refused by the system, not a crash
  windows.SendToBottom(12345);
  DestroyWindow(first);
  DestroyWindow(second);
}

// Owned and hidden windows stand in the Z order too; neither is a place to go back below.
TEST(SystemWindowManager, TellsTheWindowThatCoversAnotherPastThoseThatCoverNothing) {
  SystemWindowManager windows;
  HWND lower = MakeWindow(L"Lower", 50, 50, 300, 200);
  HWND upper = MakeWindow(L"Upper", 150, 150, 300, 200);
  HWND between[] = {MakeWindow(L"Tool", 400, 50, 100, 100, lower),
                    MakeWindow(L"Hidden", 60, 60, 100, 100)};
  ShowWindow(between[1], SW_HIDE);
  for (HWND window : between)
    SetWindowPos(window, upper, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ASSERT_TRUE(IsAbove(between[1], lower) && IsAbove(upper, between[1]));
  EXPECT_EQ(windows.WindowAbove(FromHwnd(lower)), FromHwnd(upper));
  EXPECT_TRUE(windows.StandsAbove(FromHwnd(upper), FromHwnd(lower)));
  EXPECT_FALSE(windows.StandsAbove(FromHwnd(lower), FromHwnd(upper)));
  for (HWND window : {lower, upper, between[0], between[1]}) DestroyWindow(window);
}

TEST(SystemWindowManager, TellsAMenuInFrontAndTheShellsOwnWindows) {
  SystemWindowManager windows;
  HWND owner = MakeWindow(L"Menu owner", 50, 50, 300, 200);
  SetForegroundWindow(owner);
  PumpUntil([&] { return GetForegroundWindow() == owner; });
  EXPECT_FALSE(windows.MenuOrMoveSizeActive());
  EXPECT_FALSE(windows.ShellTransientInFront());
  EXPECT_FALSE(windows.MouseButtonDown());

  // While the menu is open, ask from inside its own loop (a timer tick), then close it.
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, L"Item");
  // A timer procedure has no context, so the answers travel through statics.
  static SystemWindowManager* asked = nullptr;
  static bool menuSeen = false, transientSeen = false;
  asked = &windows;
  SetTimer(owner, 7, 200, [](HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    menuSeen = asked->MenuOrMoveSizeActive();
    transientSeen = asked->ShellTransientInFront();
    EndMenu();
  });
  TrackPopupMenu(menu, TPM_LEFTALIGN, 100, 100, 0, owner, nullptr);
  EXPECT_TRUE(menuSeen) << "the foreground thread is in menu mode";
  EXPECT_TRUE(transientSeen) << "an open menu is a transient surface";
  DestroyMenu(menu);
  PumpFor(100);
  EXPECT_FALSE(windows.MenuOrMoveSizeActive());

  EXPECT_TRUE(windows.IsShellWindow(FromHwnd(GetDesktopWindow())));
  if (HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr)) {
    EXPECT_TRUE(windows.IsShellWindow(FromHwnd(taskbar)));
  }
  EXPECT_FALSE(windows.IsShellWindow(FromHwnd(owner)));
  EXPECT_FALSE(windows.IsCloaked(FromHwnd(owner))) << "no compositor under Wine: never cloaked";
  DestroyWindow(owner);
}

// Move from the window menu runs the same loop as a drag by the title bar: asked from inside
// it (a timer tick), it is seen; a menu is no move loop.
TEST(SystemWindowManager, TellsTheMoveLoopOfTheForegroundWindow) {
  SystemWindowManager windows;
  HWND window = MakeWindow(L"Moved", 50, 50, 300, 200);
  SetForegroundWindow(window);
  PumpUntil([&] { return GetForegroundWindow() == window; });
  EXPECT_FALSE(windows.MoveSizeLoopActive());
  static SystemWindowManager* asked = nullptr;
  static bool loopSeen = false;
  asked = &windows;
  SetTimer(window, 8, 200, [](HWND moved, UINT, UINT_PTR id, DWORD) {
    KillTimer(moved, id);
    loopSeen = asked->MoveSizeLoopActive();
    PostMessageW(moved, WM_KEYDOWN, VK_ESCAPE, 0);  // ends the loop where it began
  });
  SendMessageW(window, WM_SYSCOMMAND, SC_MOVE, 0);
  EXPECT_TRUE(loopSeen) << "the foreground thread is in its move loop";
  EXPECT_FALSE(windows.MoveSizeLoopActive());
  DestroyWindow(window);
}

TEST(SystemWindowManager, NamesAWindowsClassAndTheFileOfItsProgram) {
  SystemWindowManager windows;
  HWND window = MakeWindow(L"Named", 50, 50, 300, 200);
  EXPECT_EQ(windows.ClassName(FromHwnd(window)), "TarnwickTestWindow");

  wchar_t path[MAX_PATH]{};
  const std::wstring exe(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  const std::string exeName = Narrow(exe.substr(exe.find_last_of(L"\\/") + 1));
  ASSERT_FALSE(exeName.empty());
  const std::string program = windows.ProgramFileName(FromHwnd(window));
  EXPECT_EQ(CompareStringOrdinal(Widen(program).c_str(), -1, Widen(exeName).c_str(), -1, TRUE),
            CSTR_EQUAL)
      << program << " is not " << exeName << ": the file name alone, no folder";

  DestroyWindow(window);
  EXPECT_EQ(windows.ClassName(FromHwnd(window)), "") << "a closed window";
  EXPECT_EQ(windows.ProgramFileName(FromHwnd(window)), "");
  EXPECT_EQ(windows.ProgramFileName(kNoWindow), "");
}

TEST(SystemWindowManager, SeesNoModifierHeldWhenNoneIs) {
  SystemWindowManager windows;
  for (ModifierKey key :
       {ModifierKey::kCtrl, ModifierKey::kAlt, ModifierKey::kShift, ModifierKey::kWin}) {
    EXPECT_FALSE(windows.ModifierKeyDown(key)) << static_cast<int>(key);
  }
}

TEST(SystemWindowManager, TellsAWindowCoveringTheWholeScreenInFront) {
  SystemWindowManager windows;
  HWND normal = MakeWindow(L"Normal", 50, 50, 300, 200);
  SetForegroundWindow(normal);
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == normal; }));
  EXPECT_FALSE(windows.FullscreenProgramInFront());
  // As Windows answers: presentation settings on over a window; a game in exclusive mode.
  const auto presenting = [] { return NotificationState::kPresentationMode; };
  EXPECT_FALSE(FullscreenProgramInFront(presenting)) << "presentation settings alone";
  EXPECT_TRUE(FullscreenProgramInFront([] { return NotificationState::kDirect3DFullScreen; }));

  // Maximised with a caption: the title bar is no client area, so not fullscreen.
  ShowWindow(normal, SW_MAXIMIZE);
  PumpFor(100);
  EXPECT_FALSE(windows.FullscreenProgramInFront()) << "a maximised window";

  // A borderless window over the whole 800 x 600 screen: a game or a video.
  HWND fullscreen = MakeWindow(L"Fullscreen", 0, 0, 800, 600, nullptr, WS_POPUP);
  SetForegroundWindow(fullscreen);
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == fullscreen; }));
  EXPECT_TRUE(windows.FullscreenProgramInFront());
  EXPECT_TRUE(FullscreenProgramInFront(presenting));
  // One pixel short of the screen is a window like any other.
  SetWindowPos(fullscreen, nullptr, 0, 0, 800, 599, SWP_NOZORDER | SWP_NOACTIVATE);
  PumpFor(50);
  EXPECT_FALSE(windows.FullscreenProgramInFront()) << "one pixel short";
  SetWindowPos(fullscreen, nullptr, 0, 0, 800, 600, SWP_NOZORDER | SWP_NOACTIVATE);
  PumpFor(50);
  EXPECT_TRUE(windows.FullscreenProgramInFront());

  SetForegroundWindow(normal);
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == normal; }));
  EXPECT_FALSE(windows.FullscreenProgramInFront()) << "no longer in front";
  DestroyWindow(fullscreen);
  DestroyWindow(normal);
}

// A window restored from its taskbar button may raise only the end of its minimised state:
// a sleeping pin hears that too, and nothing else the system reports. Wine calls no hook on
// its own; a watch told that the system reports hears what is announced.
TEST(ForegroundWatch, HearsTheForegroundAndARestoreAndNothingElse) {
  EXPECT_FALSE(ForegroundWatch().Watch([] {})) << "Wine reports nothing";
  ForegroundWatch watch(true);
  HWND window = MakeWindow(L"Restored", 50, 50, 300, 200);
  int heard = 0;
  ASSERT_TRUE(watch.Watch([&heard] { ++heard; }));
  for (const DWORD event : {DWORD{EVENT_SYSTEM_MOVESIZEEND}, DWORD{EVENT_SYSTEM_MINIMIZEEND},
                            DWORD{EVENT_SYSTEM_FOREGROUND}}) {
    NotifyWinEvent(event, window, OBJID_WINDOW, CHILDID_SELF);
  }
  PumpUntil([&heard] { return heard >= 2; }, 500);
  PumpFor(50);
  EXPECT_EQ(heard, 2);
  DestroyWindow(window);
}

TEST(SystemWindowManager, ReportsAClosedWindowAsGone) {
  SystemWindowManager windows;
  HWND window = MakeWindow(L"Soon closed", 50, 50, 300, 200);
  EXPECT_NE(windows.BringToForeground(FromHwnd(window)), ActivationResult::kWindowGone);
  DestroyWindow(window);
  EXPECT_EQ(windows.BringToForeground(FromHwnd(window)), ActivationResult::kWindowGone);
  EXPECT_EQ(windows.BringToForeground(kNoWindow), ActivationResult::kWindowGone);
}

}  // namespace
}  // namespace tarnwick::win32
