#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "main_window_fixture.h"
#include "win32/icons.h"
#include "win32/keyboard_hook.h"
#include "win32/live_objects.h"
#include "win32/private_messages.h"
#include "win32/text_conversion.h"
// clang-format off
#include <shellapi.h>
// clang-format on

#include "test_windows.h"

namespace tarnwick::win32 {
namespace {

using testing::PumpFor;
using testing::PumpUntil;

// Whether the shell knows the window's tray icon (a change of nothing succeeds only then).
bool TrayIconThere(HWND window) {
  NOTIFYICONDATAW identity{};
  identity.cbSize = sizeof(identity);
  identity.hWnd = window;
  identity.uID = kTrayIconId;
  return Shell_NotifyIconW(NIM_MODIFY, &identity) != FALSE;
}

TEST_F(MainWindowTest, ShowsEveryControlWithItsCaptionAndTheRestoredState) {
  EXPECT_TRUE(IsWindowVisible(window.Handle()));
  EXPECT_EQ(TextOf(window.Handle()), kWindowCaption);
  RECT client{};
  GetClientRect(window.Handle(), &client);
  EXPECT_EQ(client.right, 670);
  EXPECT_EQ(client.bottom, 385);

  EXPECT_EQ(TextOf(Of(form->Command1)), "&Enabled");
  EXPECT_EQ(TextOf(Of(form->Command20)), "Mouse Wrap is Off");
  EXPECT_EQ(TextOf(Of(form->Frame2)), "Auto Hide ");
  EXPECT_EQ(TextOf(Of(form->Check4)), "Auto Lanuch when windows Starts?");
  EXPECT_EQ(TextOf(Of(form->Text1)), "250");
  EXPECT_EQ(TextOf(Of(form->Text35)), "100");
  EXPECT_EQ(TextOf(Of(form->Label1[4])), form->Label1[4].Caption());
  // An empty store ticks the four wrap edges at start-up, and only those.
  for (const CheckBox* box : {&form->Check8, &form->Check10, &form->Check11, &form->Check12}) {
    EXPECT_TRUE(Checked(*box)) << box->Name();
  }
  for (const CheckBox* box :
       {&form->Check1, &form->Check2, &form->Check4, &form->Check5, &form->Check7}) {
    EXPECT_FALSE(Checked(*box)) << box->Name();
  }
  // Check boxes must never flip by themselves: the model decides.
  EXPECT_EQ(GetWindowLongW(Of(form->Check1), GWL_STYLE) & BS_TYPEMASK, BS_3STATE);
  // A greyed box counts as unticked, and must not look ticked.
  form->Check5.SetValue(kGreyed);
  EXPECT_EQ(SendMessageW(Of(form->Check5), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  Click(form->Check5);
  EXPECT_EQ(form->Check5.Value(), kUnchecked) << "a click on a greyed box unticks it";
  EXPECT_EQ(SendMessageW(Of(form->Check5), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  HMENU menu = GetMenu(window.Handle());
  ASSERT_NE(menu, nullptr);
  auto itemText = [](HMENU owner, int position) {
    wchar_t text[64]{};
    const int length = GetMenuStringW(owner, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    return Narrow(text, length);
  };
  ASSERT_EQ(GetMenuItemCount(menu), 2);
  EXPECT_EQ(itemText(menu, 0), "&File");
  EXPECT_EQ(itemText(menu, 1), "&Help");
  HMENU file = GetSubMenu(menu, 0);
  HMENU help = GetSubMenu(menu, 1);
  ASSERT_EQ(GetMenuItemCount(file), 4);
  EXPECT_EQ(itemText(file, 0), "Enable/Disable");
  EXPECT_EQ(itemText(file, 1), "&Minimize");
  EXPECT_EQ(itemText(file, 2), "&Options...");
  EXPECT_EQ(itemText(file, 3), "E&xit");
  EXPECT_EQ(itemText(help, 0), "&About");
  EXPECT_EQ(itemText(help, 1), "&Help");
}

TEST_F(MainWindowTest, LaysOutEveryControlInsideItsFrameWithoutOverlap) {
  auto rectOf = [&](const Control& control) {
    RECT rect{};
    GetWindowRect(Of(control), &rect);
    MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  };
  auto inside = [](const RECT& inner, const RECT& outer) {
    return inner.left > outer.left && inner.right < outer.right && inner.top > outer.top &&
           inner.bottom < outer.bottom;
  };
  auto overlap = [](const RECT& a, const RECT& b) {
    RECT common{};
    return IntersectRect(&common, &a, &b) != FALSE;
  };
  const std::vector<std::pair<const Frame*, std::vector<const Control*>>> frames = {
      {&form->Frame1,
       {&form->Command1, &form->Command3, &form->Command5, &form->Command4, &form->Command2,
        &form->Label3, &form->Text1, &form->Check1}},
      {&form->Frame15,
       {&form->Command20, &form->Check7, &form->Check8, &form->Check10, &form->Check11,
        &form->Check12, &form->Label49, &form->Text35}},
      {&form->Frame4, {&form->Check4}},
      {&form->Frame2, {&form->Check2, &form->Label4, &form->Text2, &form->Check5}},
  };
  RECT client{};
  GetClientRect(window.Handle(), &client);
  std::vector<RECT> placed;
  for (const auto& [frame, members] : frames) {
    const RECT frameRect = rectOf(*frame);
    EXPECT_TRUE(inside(frameRect, RECT{-1, -1, client.right + 1, client.bottom + 1}))
        << frame->Name();
    for (const RECT& other : placed) EXPECT_FALSE(overlap(frameRect, other)) << frame->Name();
    placed.push_back(frameRect);
    for (const Control* member : members) {
      EXPECT_TRUE(inside(rectOf(*member), frameRect)) << member->Name() << " in " << frame->Name();
    }
    for (size_t i = 0; i < members.size(); ++i) {
      for (size_t j = i + 1; j < members.size(); ++j) {
        EXPECT_FALSE(overlap(rectOf(*members[i]), rectOf(*members[j])))
            << members[i]->Name() << " and " << members[j]->Name();
      }
    }
  }
  // The help texts fill the upper half, stacked, above every frame.
  LONG previousBottom = 0;
  for (const Label& help : form->Label1) {
    const RECT rect = rectOf(help);
    EXPECT_GE(rect.top, previousBottom) << help.Name();
    for (const RECT& frame : placed) EXPECT_LE(rect.bottom, frame.top) << help.Name();
    previousBottom = rect.bottom;
  }
  // Left to right: "Focus Menu", "Mouse Wrap Menu", then "Auto Lanuch" above "Auto Hide ".
  EXPECT_LT(placed[0].right, placed[1].left);
  EXPECT_LT(placed[1].right, placed[2].left);
  EXPECT_EQ(placed[2].left, placed[3].left);
  EXPECT_LT(placed[2].bottom, placed[3].top);
}

// Tab walks the controls as the user sees them: frame by frame from left to right (the
// column's upper frame first), in each from top to bottom and left to right. A screen reader
// names a box by the label just before it in the window order.
TEST_F(MainWindowTest, TabWalksTheControlsAsLaidOutAndEveryBoxFollowsItsLabel) {
  const auto rectOf = [&](const Control& control) {
    RECT rect{};
    GetWindowRect(Of(control), &rect);
    return rect;
  };
  const std::vector<std::pair<const Frame*, std::vector<const Control*>>> frames = {
      {&form->Frame1,
       {&form->Check1, &form->Text1, &form->Command2, &form->Command4, &form->Command5,
        &form->Command3, &form->Command1}},
      {&form->Frame15,
       {&form->Text35, &form->Check12, &form->Check11, &form->Check10, &form->Check8, &form->Check7,
        &form->Command20}},
      {&form->Frame2, {&form->Check5, &form->Text2, &form->Check2}},
      {&form->Frame4, {&form->Check4}},
  };
  std::vector<std::pair<RECT, std::vector<const Control*>>> sorted;
  for (const auto& [frame, members] : frames) {
    std::vector<const Control*> inFrame = members;
    std::sort(inFrame.begin(), inFrame.end(), [&](const Control* a, const Control* b) {
      const RECT ra = rectOf(*a), rb = rectOf(*b);
      return ra.top < rb.top || (ra.top == rb.top && ra.left < rb.left);
    });
    sorted.push_back({rectOf(*frame), inFrame});
  }
  std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
    return a.first.left < b.first.left ||
           (a.first.left == b.first.left && a.first.top < b.first.top);
  });
  std::vector<const Control*> order;
  for (const auto& frame : sorted)
    order.insert(order.end(), frame.second.begin(), frame.second.end());
  ASSERT_EQ(order.front(), &form->Command1);

  SetForegroundWindow(window.Handle());
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Of(form->Check8); }))
      << "Left has the focus when the window is first shown";
  HWND current = Of(*order.back());
  for (const Control* expected : order) {
    current = GetNextDlgTabItem(window.Handle(), current, FALSE);
    EXPECT_EQ(current, Of(*expected)) << "Tab should reach " << expected->Name();
  }

  for (const auto& [box, label] :
       {std::pair<const Control*, const Control*>{&form->Text1, &form->Label3},
        {&form->Text35, &form->Label49},
        {&form->Text2, &form->Label4}}) {
    EXPECT_EQ(GetWindow(Of(*box), GW_HWNDPREV), Of(*label)) << box->Name() << " has no name";
  }
}

TEST_F(MainWindowTest, ClicksAndTypingReachTheModelAndItsAnswerIsShown) {
  Click(form->Check1);
  EXPECT_TRUE(form->Check1.IsChecked());
  EXPECT_TRUE(Checked(form->Check1));
  EXPECT_EQ(Stored("startup", "minimize"), "1");

  Click(form->Command1);
  EXPECT_EQ(TextOf(Of(form->Command1)), "&Disabled");
  EXPECT_EQ(Stored("disabled", "disabled"), "1");

  form->Check2.SetValue(kChecked);  // a change made by a handler, not by the user
  EXPECT_TRUE(Checked(form->Check2));

  SetFocus(Of(form->Text1));
  SetWindowTextW(Of(form->Text1), L"500");
  EXPECT_EQ(form->Text1.Text(), "500");
  SetFocus(Of(form->Check1));
  EXPECT_EQ(Stored("Delay", "Interval"), "500") << "leaving the box stores the delay";

  SetWindowTextW(Of(form->Text2), L"9");
  EXPECT_EQ(form->Text2.Text(), "9");
  form->Text35.SetText("120");
  EXPECT_EQ(TextOf(Of(form->Text35)), "120");
}

TEST_F(MainWindowTest, TheDelayBoxIsValidatedWhenTheUserLeavesItNotWhenAnotherWindowTakesOver) {
  HWND other = testing::MakeWindow(L"Another program", 300, 300, 200, 150);
  SetForegroundWindow(window.Handle());
  SetFocus(Of(form->Text1));
  ASSERT_EQ(GetFocus(), Of(form->Text1));
  SetWindowTextW(Of(form->Text1), L"5");  // on the way to 500

  SetForegroundWindow(other);  // focus-follow activates the window under the cursor
  PumpFor(50);
  EXPECT_EQ(Stored("Delay", "Interval"), "<absent>") << "a half-typed delay must not be stored";
  EXPECT_EQ(form->Timer2.IntervalMs(), 250);

  SetForegroundWindow(window.Handle());  // back in Tarnwick: the box has the focus again
  PumpFor(50);
  EXPECT_EQ(GetFocus(), Of(form->Text1));
  EXPECT_EQ(Stored("Delay", "Interval"), "<absent>");
  SetWindowTextW(Of(form->Text1), L"500");
  SendMessageW(Of(form->Text1), WM_KEYDOWN, VK_RETURN, 0);  // no effect on a plain edit
  Send(WM_COMMAND, IDOK, 0);  // what the dialog manager makes of Enter
  EXPECT_EQ(Stored("Delay", "Interval"), "500") << "Enter finishes the entry";

  SetWindowTextW(Of(form->Text1), L"750");
  SetFocus(Of(form->Check1));  // Tab or a click on another control
  EXPECT_EQ(Stored("Delay", "Interval"), "750");

  // Left for another program, then back by a click on another control of ours.
  SetFocus(Of(form->Text1));
  SetWindowTextW(Of(form->Text1), L"900");
  SetForegroundWindow(other);
  PumpFor(50);
  EXPECT_EQ(Stored("Delay", "Interval"), "750");
  SetForegroundWindow(window.Handle());
  SetFocus(Of(form->Check1));
  EXPECT_EQ(Stored("Delay", "Interval"), "900");
  DestroyWindow(other);
}

TEST_F(MainWindowTest, TheTrayAndASecondStartBothShowTheWindowRestoredAndInFront) {
  HWND cover = testing::MakeWindow(L"Covering window", 0, 0, 800, 600);
  using Request = std::pair<UINT, LPARAM>;
  for (const auto& [message, lParam] :
       {Request{kTrayCallbackMessage, WM_LBUTTONDOWN}, Request{kShowYourselfMessage, 0}}) {
    ShowWindow(window.Handle(), SW_MINIMIZE);
    SetForegroundWindow(cover);
    PumpUntil([&] { return GetForegroundWindow() == cover; });
    Send(message, static_cast<WPARAM>(IconId::kApplication), lParam);
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == window.Handle(); })) << message;
    EXPECT_FALSE(IsIconic(window.Handle())) << message;

    SetForegroundWindow(cover);  // covered, not minimised
    PumpUntil([&] { return GetForegroundWindow() == cover; });
    Send(message, static_cast<WPARAM>(IconId::kApplication), lParam);
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == window.Handle(); })) << message;
  }
  DestroyWindow(cover);
}

TEST_F(MainWindowTest, MenuTrayHotkeyAndCloseMessagesReachTheirHandlers) {
  HMENU file = GetSubMenu(GetMenu(window.Handle()), 0);
  Send(WM_COMMAND, GetMenuItemID(file, 0), 0);  // Enable/Disable
  EXPECT_EQ(form->Command1.Caption(), "&Disabled");

  Send(kKeyPressMessage, 'F', 3);  // Ctrl+Shift+F
  EXPECT_EQ(form->Command1.Caption(), "&Enabled");
  Send(kKeyPressMessage, 'F', 7);  // Ctrl+Shift+Alt+F does nothing
  EXPECT_EQ(form->Command1.Caption(), "&Enabled");

  Send(WM_COMMAND, GetMenuItemID(file, 1), 0);  // Minimize
  EXPECT_FALSE(IsWindowVisible(window.Handle()));
  Send(kTrayCallbackMessage, static_cast<WPARAM>(IconId::kApplication), WM_LBUTTONDOWN);
  EXPECT_TRUE(IsWindowVisible(window.Handle())) << "a left click on the tray icon shows it";

  Click(form->Command4);
  EXPECT_FALSE(IsWindowVisible(window.Handle()));
  Send(kShowYourselfMessage, 0, 0);
  EXPECT_TRUE(IsWindowVisible(window.Handle())) << "a second start shows the first";

  Send(WM_CLOSE, 0, 0);
  EXPECT_TRUE(loop->QuitRequested());
  EXPECT_TRUE(form->Ended());
  PumpFor(50);  // drain what the ended program left queued
}

// The tray icon's menu, read and driven from inside its own loop as the keyboard would.
TEST_F(MainWindowTest, TheTrayMenuShowsItsEntriesAndRunsTheChosenOneOnceClosed) {
  struct Item {
    std::string caption;
    UINT type = 0;
    UINT state = 0;
  };
  std::vector<Item> items;
  HMENU shownMenu = nullptr;
  HWND foreground = nullptr;
  // Reads the open menu, then presses Down `downs` times and Enter (or Esc for none).
  auto chooseInMenu = [&](int downs) {
    testing::RepeatFromLoop([&, downs] {
      HWND menuWindow = testing::FindThreadWindow(L"#32768");
      if (menuWindow == nullptr) return false;
      foreground = GetForegroundWindow();
      shownMenu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
      items.clear();
      for (int position = 0; position < GetMenuItemCount(shownMenu); ++position) {
        wchar_t text[64]{};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 64;
        GetMenuItemInfoW(shownMenu, static_cast<UINT>(position), TRUE, &info);
        items.push_back({Narrow(text, static_cast<int>(info.cch)), info.fType, info.fState});
      }
      for (int step = 0; step < downs; ++step) PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
      PostMessageW(menuWindow, WM_KEYDOWN, downs > 0 ? VK_RETURN : VK_ESCAPE, 0);
      return true;
    });
  };
  const auto openMenu = [&](LPARAM notification) {
    shownMenu = nullptr;
    Send(kTrayCallbackMessage, static_cast<WPARAM>(IconId::kApplication), notification);
    return shownMenu != nullptr;
  };

  chooseInMenu(0);
  ASSERT_TRUE(openMenu(WM_RBUTTONUP)) << "a right click opens no menu";
  EXPECT_EQ(foreground, window.Handle()) << "the menu's owner comes to the front first";
  ASSERT_EQ(items.size(), 6U);
  // Each with an access key of its own.
  const std::vector<std::string> captions = {"&Show Tarnwick",    "&Enabled", "&Options...",
                                             "&Copy diagnostics", "",         "E&xit"};
  for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].caption, captions[i]) << i;
  EXPECT_TRUE(items[0].state & MFS_DEFAULT);
  EXPECT_FALSE(items[1].state & MFS_DEFAULT);
  EXPECT_TRUE(items[1].state & MFS_CHECKED) << "checked while enabled";
  EXPECT_TRUE(items[4].type & MFT_SEPARATOR);
  EXPECT_FALSE(IsMenu(shownMenu)) << "the menu is destroyed once closed";
  EXPECT_EQ(form->Command1.Caption(), "&Enabled") << "Esc chose nothing";
  EXPECT_EQ(OptionsWindow(), nullptr);

  chooseInMenu(2);
  ASSERT_TRUE(openMenu(WM_CONTEXTMENU)) << "the menu key opens no menu";
  EXPECT_EQ(form->Command1.Caption(), "&Disabled");
  chooseInMenu(0);
  ASSERT_TRUE(openMenu(WM_RBUTTONUP));
  EXPECT_FALSE(items[1].state & MFS_CHECKED) << "unchecked while disabled";

  chooseInMenu(3);
  ASSERT_TRUE(openMenu(WM_RBUTTONUP));
  EXPECT_NE(OptionsWindow(), nullptr) << "Options... opened no window";

  Click(form->Command4);  // hidden in the tray
  chooseInMenu(1);
  ASSERT_TRUE(openMenu(WM_RBUTTONUP));
  EXPECT_TRUE(IsWindowVisible(window.Handle())) << "Show Tarnwick";

  chooseInMenu(5);  // Down skips the separator
  ASSERT_TRUE(openMenu(WM_RBUTTONUP));
  EXPECT_TRUE(form->Ended()) << "Exit";
  PumpFor(50);  // drain what the ended program left queued
}

// The shell's fourth way of reporting: the icon's id beside the event, the point in place of
// the id. Enter on the icon shows the window; the menu key opens the menu at the icon, not
// where the mouse happens to be.
TEST_F(MainWindowTest, TheKeyboardWorksTheTrayIconAndItsMenuOpensAtTheIcon) {
  const auto notify = [&](int event, POINT at) {
    Send(kTrayCallbackMessage, MAKEWPARAM(at.x, at.y), MAKELPARAM(event, kTrayIconId));
  };
  Click(form->Command4);
  ASSERT_FALSE(IsWindowVisible(window.Handle()));
  notify(NIN_KEYSELECT, POINT{760, 590});
  EXPECT_TRUE(IsWindowVisible(window.Handle())) << "Enter on the icon";

  SetCursorPos(50, 50);
  RECT menuRect{};
  testing::RepeatFromLoop([&] {
    HWND menuWindow = testing::FindThreadWindow(L"#32768");
    if (menuWindow == nullptr) return false;
    GetWindowRect(menuWindow, &menuRect);
    PostMessageW(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
    return true;
  });
  notify(WM_CONTEXTMENU, POINT{400, 300});
  // A corner of the menu at the point, which corner by the system's alignment.
  const auto closeTo = [](LONG a, LONG b) { return std::abs(a - b) <= 2; };
  EXPECT_TRUE((closeTo(menuRect.left, 400) || closeTo(menuRect.right, 400)) &&
              (closeTo(menuRect.top, 300) || closeTo(menuRect.bottom, 300)))
      << "the menu opened at " << menuRect.left << "," << menuRect.top;
  EXPECT_EQ(form->Command1.Caption(), "&Enabled") << "Esc chose nothing";
}

// Moving to a monitor of another scale re-sets both window icons at its sizes, keeping the
// picture of the moment (here: disabled).
TEST_F(MainWindowTest, ADpiChangeResetsTheIconsAtTheNewSizes) {
  Click(form->Command1);
  ASSERT_EQ(form->Command1.Caption(), "&Disabled");
  auto iconWidth = [&](WPARAM which) {
    auto icon = reinterpret_cast<HICON>(SendMessageW(window.Handle(), WM_GETICON, which, 0));
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return static_cast<int>(bitmap.bmWidth);
  };
  for (int dpi : {144, 96}) {
    SCOPED_TRACE(dpi);
    RECT suggested{};
    GetWindowRect(window.Handle(), &suggested);
    Send(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(iconWidth(ICON_BIG), dpi * 32 / 96);
    EXPECT_EQ(iconWidth(ICON_SMALL), dpi * 16 / 96);
    EXPECT_EQ(SendMessageW(window.Handle(), WM_GETICON, ICON_BIG, 0),
              reinterpret_cast<LRESULT>(LoadProgramIcon(IconId::kDisabled, false, dpi)));
  }
}

// Log-off asks first (WM_QUERYENDSESSION) and then tells (WM_ENDSESSION); the program may
// be ended as soon as it has answered the second, so it leaves then as Exit does.
TEST_F(MainWindowTest, LogOffEndsTheProgramAsExitDoesAndACancelledOneChangesNothing) {
  Click(form->Command4);
  ASSERT_TRUE(TrayIconThere(window.Handle()));
  EXPECT_EQ(SendMessageW(window.Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
  Send(WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);  // another program refused: no log-off
  EXPECT_FALSE(form->Ended());
  EXPECT_TRUE(TrayIconThere(window.Handle()));

  Send(WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_TRUE(form->Ended());
  EXPECT_TRUE(loop->QuitRequested());
  EXPECT_FALSE(TrayIconThere(window.Handle())) << "a dead icon would stay in the notification area";
  PumpFor(50);
}

TEST_F(MainWindowTest, ResumeAndUnlockAskForTheKeyboardHookAgain) {
  int asked = 0;
  window.OnHookMayBeLost([&](HookReinstallReason) { ++asked; });
  struct Event {
    UINT message;
    WPARAM what;
    int askedAfter;
  };
  for (const Event& event : {Event{WM_POWERBROADCAST, PBT_APMSUSPEND, 0},
                             Event{WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 1},
                             Event{WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 1},  // the same
                             Event{WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE, 1},
                             Event{WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, 1},
                             Event{WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 2},
                             Event{WM_WTSSESSION_CHANGE, WTS_CONSOLE_DISCONNECT, 2},
                             Event{WM_WTSSESSION_CHANGE, WTS_CONSOLE_CONNECT, 3}}) {
    Send(event.message, event.what, 0);
    EXPECT_EQ(asked, event.askedAfter) << event.message << " " << event.what;
  }
}

// On Modern Standby the resume comes late or not at all; the display coming back on after it
// was off installs the hook afresh. The first report, off and other settings leave it be.
TEST_F(MainWindowTest, TheDisplayComingBackOnInstallsTheKeyboardHookAgain) {
  ASSERT_TRUE(hook.Start(window.Handle(), kKeyPressMessage));
  window.OnHookMayBeLost([&](HookReinstallReason reason) { hook.Reinstall(reason); });
  const auto displayState = [&](GUID setting, DWORD state) {
    struct {
      POWERBROADCAST_SETTING head;
      BYTE rest[sizeof(DWORD)];
    } report{{setting, sizeof(DWORD), {}}, {}};
    memcpy(report.head.Data, &state, sizeof(state));
    Send(WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, reinterpret_cast<LPARAM>(&report));
  };
  const GUID kDisplayState{
      0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
  const GUID kOtherSetting{
      0x02731015, 0x4510, 0x4526, {0x99, 0xe6, 0xe5, 0xa1, 0x7e, 0xbd, 0x1a, 0xea}};
  PumpFor(200);  // the state the system reports at registration
  const int before = hook.Installs();
  displayState(kDisplayState, 1);  // as the system reports on registering
  displayState(kDisplayState, 0);
  displayState(kOtherSetting, 1);
  PumpFor(200);
  EXPECT_EQ(hook.Installs(), before);
  displayState(kDisplayState, 1);
  EXPECT_TRUE(PumpUntil([&] { return hook.Installs() == before + 1; }));
  window.OnHookMayBeLost(nullptr);
}

TEST_F(MainWindowTest, ASecondStartIsToldWhetherTheProgramRunsOrIsEnding) {
  EXPECT_EQ(SendMessageW(window.Handle(), kShowYourselfMessage, 0, 0), 1);
  Click(form->Command2);  // Exit
  ASSERT_TRUE(form->Ended());
  EXPECT_EQ(SendMessageW(window.Handle(), kShowYourselfMessage, 0, 0), 0);
  PumpFor(50);
}

TEST_F(MainWindowTest, AnswersHowManyObjectsOfEachKindLive) {
  for (int kind = 0; kind < kObjectKindCount; ++kind) {
    EXPECT_EQ(SendMessageW(window.Handle(), kLiveObjectsMessage, static_cast<WPARAM>(kind), 0),
              LiveObjects(kind))
        << kind;
  }
  EXPECT_EQ(SendMessageW(window.Handle(), kLiveObjectsMessage, kBrokenInvariantsQuery, 0), 0);
  EXPECT_EQ(SendMessageW(window.Handle(), kLiveObjectsMessage, kBrokenInvariantsQuery + 1, 0), -1);
  EXPECT_GE(LiveObjects(static_cast<int>(ObjectKind::kMenu)), 3) << "the bar and two pop-ups";
  EXPECT_GE(LiveObjects(static_cast<int>(ObjectKind::kFont)), 3);
}

// A whole main window, made and gone in a scope, gives back every object it made; a DPI
// change replaces its fonts without keeping the old ones.
TEST(LiveObjects, AMainWindowGivesBackEverythingItMade) {
  const auto counts = [] {
    std::vector<long> live;
    for (int kind = 0; kind < kObjectKindCount; ++kind) live.push_back(LiveObjects(kind));
    return live;
  };
  const auto makeAndEnd = [&](const std::function<void(MainWindow&, Form1&)>& during) {
    MainWindow window;
    ASSERT_TRUE(window.Create(GetModuleHandleW(nullptr)));
    RegistrySettings settings;
    SystemWindowManager windows;
    SystemFileSystem files;
    SystemScreen screen(window.Handle());
    SystemShell shell(window.Handle());
    SystemEventLoop loop(window.Handle());
    SystemTextRules textRules;
    SystemRawInput rawInput(window.Handle());
    KeyboardHook hook;
    WindowsFacts facts(window.Handle(), hook);
    SystemKeyActivity keys(window.Handle(), kKeyBurstMessage);
    Platform platform{settings, windows,  screen,    shell, loop, window,
                      files,    rawInput, textRules, facts, keys};
    Form1 form(platform);
    window.Bind(form, loop);
    form.Start();
    during(window, form);
    form.Exit_Click();
    window.Destroy();
  };
  const auto changeDpi = [](MainWindow& window) {
    for (int dpi : {144, 96}) {
      RECT suggested{};
      GetWindowRect(window.Handle(), &suggested);
      SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&suggested));
    }
  };
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tarnwick");
  // Icons are loaded once per size and kept: the first round loads every one used here.
  makeAndEnd([&](MainWindow& window, Form1& form) {
    changeDpi(window);
    form.Command1_Click();
    form.Command1_Click();
  });
  const std::vector<long> before = counts();
  makeAndEnd([&](MainWindow& window, Form1& form) {
    const auto live = [](ObjectKind kind) { return LiveObjects(static_cast<int>(kind)); };
    const long fonts = live(ObjectKind::kFont);
    EXPECT_EQ(fonts, before[static_cast<int>(ObjectKind::kFont)] + 3);
    EXPECT_EQ(live(ObjectKind::kMenu), before[static_cast<int>(ObjectKind::kMenu)] + 3);
    EXPECT_GT(live(ObjectKind::kWindow), before[static_cast<int>(ObjectKind::kWindow)] + 20)
        << "the window and its controls";
    changeDpi(window);
    EXPECT_EQ(live(ObjectKind::kFont), fonts) << "new fonts, the old ones deleted";
    form.Command1_Click();
    form.Command1_Click();
  });
  EXPECT_EQ(counts(), before);
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tarnwick");
}

}  // namespace
}  // namespace tarnwick::win32
