// The tray icon's menu and the Options window, driven from outside as a user would: the
// right button on the icon, arrow keys and Enter in the menu, typing into the window.
// The fixture brings the Windows API, which the common-controls header builds on.
// clang-format off
#include "fixture.h"
// clang-format on
#include <commctrl.h>

#include <chrono>
#include <optional>
#include <string>

#include "helper_program.h"

namespace tarnwick::e2e {
namespace {

using Clock = std::chrono::steady_clock;

constexpr RECT kLeftSpot{10, 10, 250, 190};
constexpr RECT kMiddleSpot{270, 10, 510, 190};
constexpr RECT kRightSpot{530, 10, 790, 300};
constexpr POINT kBareDesktop{740, 450};

// The tray menu's entries, top to bottom; the separator is no stop for the arrow keys.
enum TrayEntry { kShowTarnwick = 1, kEnabled = 2, kOptions = 3, kCopyDiagnostics = 4, kExit = 5 };

class OptionsAndTray : public TarnwickCase {
 protected:
  // Opens the tray icon's menu with the right button; false when no menu of the program
  // showed.
  bool OpenTrayMenu() {
    for (int attempt = 0; attempt < 3; ++attempt) {
      RightClickTrayIcon();
      if (WaitUntil([this] { return MenuOf(Program().Id()) != nullptr; }, 3000ms)) return true;
    }
    return false;
  }

  // Picks an entry of the open menu with the arrow keys and Enter; true once it closed.
  bool ChooseInTrayMenu(TrayEntry entry) {
    for (int step = 0; step < entry; ++step) PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    return WaitUntil([this] { return MenuOf(Program().Id()) == nullptr; }, 5000ms);
  }

  HWND Options() { return OptionsWindowOf(Program().Id()); }

  // The hotkey controls of the Options window, in the order of the commands.
  static HWND HotkeyControl(HWND options, int command) {
    int index = 0;
    for (const Control& control : ControlsOf(options)) {
      if (ClassOf(control.window) != L"msctls_hotkey32") continue;
      if (index++ == command) return control.window;
    }
    return nullptr;
  }
  static WORD HotkeyShown(HWND control) {
    DWORD_PTR value = 0;
    SendMessageTimeoutW(control, HKM_GETHOTKEY, 0, 0, SMTO_ABORTIFHUNG, 5000, &value);
    return static_cast<WORD>(value);
  }
  // Clicks into a hotkey control and types a chord there; true once the control shows it.
  static bool TypeChordInto(HWND control, std::initializer_list<WORD> modifiers, WORD key,
                            WORD expected) {
    for (int attempt = 0; attempt < 3; ++attempt) {
      ClickAt(CenterOf(control));
      if (!WaitUntil([&] { return FocusOf(control) == control; }, 3000ms)) continue;
      PressChord(modifiers, key);
      if (WaitUntil([&] { return HotkeyShown(control) == expected; }, 3000ms)) return true;
    }
    return false;
  }
  // The clipboard's text, as a user pasting it gets it; empty when there is none.
  static std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
      if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
        text = Narrow(wide);
        GlobalUnlock(data);
      }
    }
    CloseClipboard();
    return text;
  }
  static HWND FocusOf(HWND control) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(control, nullptr), &info);
    return info.hwndFocus;
  }

  // `window` keeps the foreground for all of `quiet`.
  static testing::AssertionResult KeepsForeground(HWND window, std::chrono::milliseconds quiet) {
    HWND taker = nullptr;
    WaitUntil([&] { return (taker = GetForegroundWindow()) != window; }, quiet);
    if (taker == window) return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << DescribeWindow(taker) << " took the foreground from " << DescribeWindow(window);
  }
};

TEST_F(OptionsAndTray, TheTrayMenuOpensOnTheRightButtonAndEachEntryWorks) {
  const int iconsBefore = TrayIconCount();
  ASSERT_TRUE(LaunchHidden());
  HWND main = Program().MainWindow();

  ASSERT_TRUE(OpenTrayMenu()) << "no menu on the right button\n" << DescribeDesktop();
  EXPECT_FALSE(IsWindowVisible(main)) << "the right button shows the menu, not the window";
  ASSERT_TRUE(ChooseInTrayMenu(kShowTarnwick));
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main); })) << "Show Tarnwick";
  EXPECT_TRUE(BecomesForeground(main));
  ClickButton(Program().Control(ControlKind::kPushButton, L"&Minimize"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }));

  for (const wchar_t* expected : {L"&Disabled", L"&Enabled"}) {
    ASSERT_TRUE(OpenTrayMenu());
    ASSERT_TRUE(ChooseInTrayMenu(kEnabled));
    EXPECT_TRUE(WaitUntil([&] { return EnableCaption() == expected; })) << Narrow(expected);
  }
  EXPECT_FALSE(IsWindowVisible(main));

  ASSERT_TRUE(OpenTrayMenu());
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return MenuOf(Program().Id()) == nullptr; }, 5000ms))
      << "Esc did not close the menu";
  Pause(500ms);
  EXPECT_EQ(EnableCaption(), L"&Enabled") << "a dismissed menu runs nothing";
  EXPECT_EQ(Options(), nullptr);

  ASSERT_TRUE(OpenTrayMenu());
  ASSERT_TRUE(ChooseInTrayMenu(kOptions));
  HWND options = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (options = Options()) != nullptr; })) << "Options...";
  EXPECT_TRUE(BecomesForeground(options)) << "the Options window opens in front";
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return Options() == nullptr; })) << "Esc is Cancel";

  ASSERT_TRUE(OpenTrayMenu());
  ASSERT_TRUE(ChooseInTrayMenu(kExit));
  EXPECT_TRUE(Program().WaitForExit()) << "Exit";
  EXPECT_TRUE(WaitUntil([&] { return TrayIconCount() == iconsBefore; }))
      << TrayIconCount() << " icons after Exit";
}

TEST_F(OptionsAndTray, AChordTypedIntoTheOptionsWindowIsStoredAndWorksAfterARestart) {
  ASSERT_TRUE(Launch());
  HWND options = OpenOptionsFromMenu(Program().MainWindow());
  ASSERT_NE(options, nullptr) << "File > Options... opened no window\n" << DescribeDesktop();
  HWND toggle = HotkeyControl(options, 0);
  ASSERT_NE(toggle, nullptr);
  EXPECT_EQ(HotkeyShown(toggle), MAKEWORD('F', HOTKEYF_CONTROL | HOTKEYF_SHIFT))
      << "the chord in force";

  const WORD ctrlAltG = MAKEWORD('G', HOTKEYF_CONTROL | HOTKEYF_ALT);
  ASSERT_TRUE(TypeChordInto(toggle, {VK_CONTROL, VK_MENU}, 'G', ctrlAltG))
      << "the control shows " << HotkeyShown(toggle);
  PressKey(VK_RETURN);  // OK
  EXPECT_TRUE(WaitUntil([&] { return Options() == nullptr; })) << "Enter is OK";
  EXPECT_TRUE(WaitUntil([] { return ReadSetting(L"options", L"Toggle") == L"Ctrl+Alt+G"; }))
      << Narrow(ReadSetting(L"options", L"Toggle").value_or(L"<absent>"));
  EXPECT_NE(Program().Control(ControlKind::kLabel,
                              L"*To disable Tarnwick, just hit Ctrl-Alt-G and hit Ctrl-Alt-G "
                              L"again to enable it. "),
            nullptr)
      << "the help line names the new chord";

  // After a restart, from another program in front.
  ASSERT_TRUE(LaunchHidden());
  TargetWindow other(L"E2E Typing Here", kLeftSpot);
  SetForegroundWindow(other.Handle());
  ASSERT_TRUE(BecomesForeground(other.Handle()));
  PressCtrlShift(L'F');
  Pause(1000ms);
  EXPECT_EQ(EnableCaption(), L"&Enabled") << "the old chord still toggles";
  PressChord({VK_CONTROL, VK_MENU}, 'G');
  EXPECT_TRUE(WaitUntil([this] { return EnableCaption() == L"&Disabled"; }))
      << "the new chord does not toggle";
  PressChord({VK_CONTROL, VK_MENU}, 'G');
  EXPECT_TRUE(WaitUntil([this] { return EnableCaption() == L"&Enabled"; }));
}

TEST_F(OptionsAndTray, ADuplicateChordIsRefusedAndTheWindowStaysOpen) {
  ASSERT_TRUE(Launch());
  HWND options = OpenOptionsFromMenu(Program().MainWindow());
  ASSERT_NE(options, nullptr);
  HWND pin = HotkeyControl(options, 3);
  ASSERT_NE(pin, nullptr);
  // Toggle's own chord: typed into the control it is a choice, and toggles nothing.
  ASSERT_TRUE(TypeChordInto(pin, {VK_CONTROL, VK_SHIFT}, 'F',
                            MAKEWORD('F', HOTKEYF_CONTROL | HOTKEYF_SHIFT)));
  Pause(500ms);
  EXPECT_EQ(EnableCaption(), L"&Enabled") << "the chord typed into the window toggled";

  PressKey(VK_RETURN);
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(Program().Id())) != nullptr; }))
      << "no message for a chord given twice";
  EXPECT_NE(MessageBoxText(box).find(L"is given to both \"Enable/disable\" and \"Pin\""),
            std::wstring::npos)
      << Narrow(MessageBoxText(box));
  EXPECT_EQ(GetWindow(box, GW_OWNER), options) << "the message belongs to the Options window";
  PressMessageBoxOk(box);
  EXPECT_EQ(Options(), options) << "the refused window closed";
  EXPECT_EQ(ReadSetting(L"options", L"Pin"), std::nullopt) << "a refused chord was stored";

  PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return Options() == nullptr; }));
  EXPECT_EQ(ReadSetting(L"options", L"Pin"), std::nullopt) << "Cancel stored something";
}

TEST_F(OptionsAndTray, TheOptionsWindowWorksFromTheKeyboard) {
  ASSERT_TRUE(Launch());
  HWND options = OpenOptionsFromMenu(Program().MainWindow());
  ASSERT_NE(options, nullptr);
  const auto focused = [&](ControlKind kind, const wchar_t* text) {
    return WaitUntil([&] { return FocusOf(options) == FindControl(options, kind, text); }, 3000ms);
  };
  EXPECT_TRUE(focused(ControlKind::kPushButton, L"OK")) << "OK has the focus at first";

  // Access keys reach their controls; Tab walks on from there.
  PressChord({VK_MENU}, 'K');
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(options) == HotkeyControl(options, 1); }, 3000ms))
      << "Alt+K: the Keep on top key";
  PressKey(VK_TAB);
  EXPECT_TRUE(WaitUntil(
      [&] {
        HWND focus = FocusOf(options);
        return TextOf(focus) == L"None" && focus != nullptr &&
               GetWindow(HotkeyControl(options, 1), GW_HWNDNEXT) == focus;
      },
      3000ms))
      << "Tab from a key goes to its None button";
  PressChord({VK_MENU}, 'M');
  HWND follow = FindControl(options, ControlKind::kCheckBox, L"Follow only when the mouse &moves");
  ASSERT_NE(follow, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return CheckStateOf(follow) == BST_UNCHECKED; }, 3000ms))
      << "Alt+M unticks the box";
  PressChord({VK_MENU}, 'H');
  EXPECT_TRUE(WaitUntil([&] { return ClassOf(FocusOf(options)) == L"ComboBox"; }, 3000ms))
      << "Alt+H: the pause key";

  // In a hotkey field too, Alt and a letter is the window's access key and not a chord.
  PressChord({VK_MENU}, 'K');
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(options) == HotkeyControl(options, 1); }, 3000ms));
  PressChord({VK_MENU}, 'N');
  EXPECT_TRUE(WaitUntil([&] { return ClassOf(FocusOf(options)) == L"Edit"; }, 3000ms))
      << "Alt+N: the exclusions";
  EXPECT_EQ(HotkeyShown(HotkeyControl(options, 1)), MAKEWORD('T', HOTKEYF_CONTROL | HOTKEYF_SHIFT))
      << "the field took Alt+N for a chord";
  PressChord({VK_MENU}, 'H');
  EXPECT_TRUE(WaitUntil([&] { return ClassOf(FocusOf(options)) == L"ComboBox"; }, 3000ms));

  PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return Options() == nullptr; })) << "Esc is Cancel";
  EXPECT_TRUE(SettingValueNames(L"options").empty()) << "Cancel stored something";
}

TEST_F(OptionsAndTray, ExcludedWindowsAreNeverActivatedAndOthersStillAre) {
  // By the program's file name, and by a piece of a title in other letters' case.
  WriteSetting(L"options", L"Exclusions", L"TARNWICK_E2E_HELPER.EXE\ntitle:excluded by");
  WriteSetting(L"Delay", L"Interval", L"300");
  MoveCursor(kBareDesktop);
  ASSERT_TRUE(LaunchHidden());
  HelperProgram helper;
  ASSERT_TRUE(helper.Start(L"E2E Helper", kLeftSpot));
  TargetWindow titled(L"E2E Excluded By Title", kMiddleSpot);
  TargetWindow alpha(L"E2E Alpha", kRightSpot);
  SetForegroundWindow(alpha.Handle());
  ASSERT_TRUE(BecomesForeground(alpha.Handle()));

  MoveCursor(helper.ClientSpot());
  EXPECT_TRUE(KeepsForeground(alpha.Handle(), 1500ms)) << "the excluded program";
  MoveCursor(titled.ClientSpot());
  EXPECT_TRUE(KeepsForeground(alpha.Handle(), 1500ms)) << "the excluded title";

  // A window no rule names is still followed.
  SetForegroundWindow(titled.Handle());
  ASSERT_TRUE(BecomesForeground(titled.Handle()));
  MoveCursor(alpha.ClientSpot());
  EXPECT_TRUE(BecomesForeground(alpha.Handle())) << "a window no rule names";
}

TEST_F(OptionsAndTray, CopyDiagnosticsNamesTheActivatedProgramAndClassButNotItsTitle) {
  MoveCursor(kBareDesktop);
  ASSERT_TRUE(LaunchHidden());
  HelperProgram helper;
  ASSERT_TRUE(helper.Start(L"E2E Private Title", kLeftSpot));
  ASSERT_TRUE(RestingOnActivates(helper));
  ASSERT_TRUE(OpenClipboard(nullptr));  // no report from an earlier run
  EmptyClipboard();
  CloseClipboard();

  ASSERT_TRUE(OpenTrayMenu());
  ASSERT_TRUE(ChooseInTrayMenu(kCopyDiagnostics));
  std::string report;
  ASSERT_TRUE(WaitUntil([&] { return !(report = ClipboardText()).empty(); }))
      << "nothing on the clipboard";
  EXPECT_NE(report.find("tarnwick_e2e_helper.exe  TarnwickE2eHelper  activated"), std::string::npos)
      << report;
  EXPECT_EQ(report.find("Private Title"), std::string::npos) << report;
}

}  // namespace
}  // namespace tarnwick::e2e
