#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "hotkeys/chord.h"
#include "main_window_fixture.h"
#include "resources/resource_ids.h"
#include "win32/hotkey_value.h"
#include "win32/icons.h"
#include "win32/private_messages.h"
#include "win32/system_text_rules.h"

namespace tarnwick::win32 {
namespace {

using testing::PumpUntil;

TEST(HotkeyValue, CarriesTheChordsTheControlCanShowBothWays) {
  const WORD ctrlShiftF = MAKEWORD('F', HOTKEYF_CONTROL | HOTKEYF_SHIFT);
  EXPECT_EQ(HotkeyValueOf(Chord{'F', kCtrlShift}), ctrlShiftF);
  EXPECT_EQ(ChordOfHotkeyValue(ctrlShiftF), (Chord{'F', kCtrlShift}));
  EXPECT_EQ(HotkeyValueOf(Chord{}), 0) << "None is an empty control";
  EXPECT_TRUE(ChordOfHotkeyValue(0).IsNone());
  // Home is an extended key: without the flag the control would call it Num 7.
  EXPECT_EQ(HotkeyValueOf(Chord{VK_HOME, kAltBit}), MAKEWORD(VK_HOME, HOTKEYF_ALT | HOTKEYF_EXT));
  EXPECT_EQ(ChordOfHotkeyValue(MAKEWORD(VK_HOME, HOTKEYF_ALT | HOTKEYF_EXT)),
            (Chord{VK_HOME, kAltBit}));
  EXPECT_TRUE(RepresentsChord(Chord{VK_F5, kCtrlBit | kAltBit | kShiftBit}));
  EXPECT_FALSE(RepresentsChord(Chord{'F', kWinBit | kCtrlBit})) << "the control has no Win";
}

TEST(SystemTextRules, IgnoreCaseInEveryScript) {
  SystemTextRules text;
  EXPECT_TRUE(text.EqualIgnoringCase("\xD0\xA2\xD0\x95\xD0\xA1\xD0\xA2",
                                     "\xD1\x82\xD0\xB5\xD1\x81\xD1\x82"));  // ТЕСТ, тест
  EXPECT_TRUE(text.ContainsIgnoringCase("\xD0\xA2\xD0\x95\xD0\xA1\xD0\xA2 window",
                                        "\xD1\x82\xD0\xB5\xD1\x81\xD1\x82 WIN"));
  EXPECT_TRUE(
      text.EqualIgnoringCase("\xC3\x89"
                             "diteur.exe",
                             "\xC3\xA9"
                             "DITEUR.EXE"));  // É, é
  EXPECT_FALSE(
      text.EqualIgnoringCase("\xC3\xA9"
                             "diteur",
                             "editeur"));
  EXPECT_FALSE(text.ContainsIgnoringCase("Notes", "notes!"));
  EXPECT_FALSE(text.ContainsIgnoringCase("", "a"));
  EXPECT_TRUE(text.ContainsIgnoringCase("anything", ""));
}

// The Options window on the real main window and model. Typing is played as the control
// reports it: the value set, then the change notification.
class OptionsDialogTest : public MainWindowTest {
 protected:
  HWND OpenFromMenu() {
    HMENU file = GetSubMenu(GetMenu(window.Handle()), 0);
    Send(WM_COMMAND, GetMenuItemID(file, 2), 0);
    return OptionsWindow();
  }
  HWND Item(int id) const { return GetDlgItem(OptionsWindow(), id); }
  // The message box is modal: it is read and closed from inside its own loop.
  static void CloseNextMessage(std::string& message, HWND& owner) {
    testing::RepeatFromLoop([&] {
      HWND box = testing::FindThreadWindow(L"#32770", L"Tarnwick");
      if (box == nullptr) return false;
      owner = GetWindow(box, GW_OWNER);
      EnumChildWindows(
          box,
          [](HWND child, LPARAM text) -> BOOL {
            wchar_t className[16]{}, caption[512]{};
            GetClassNameW(child, className, 16);
            const int length = GetWindowTextW(child, caption, 512);
            if (_wcsicmp(className, L"Static") == 0 && length > 0) {
              *reinterpret_cast<std::string*>(text) += Narrow(caption, length);
            }
            return TRUE;
          },
          reinterpret_cast<LPARAM>(&message));
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      return true;
    });
  }
  // Puts options in force as the Options window does, by their stored keys and texts.
  void UseOptions(std::initializer_list<std::pair<std::string, std::string>> values) {
    std::vector<ProposedText> texts;
    for (const auto& [key, text] : values) {
      for (const Setting* setting : kAllSettings) {
        if (setting->key == key) texts.emplace_back(setting, text);
      }
    }
    ASSERT_TRUE(form->ApplyOptions(texts));
  }
  WORD HotkeyShown(HotkeyCommand command) const {
    return static_cast<WORD>(
        SendMessageW(Item(IDC_HOTKEY_FIRST + static_cast<int>(command)), HKM_GETHOTKEY, 0, 0));
  }
  void TypeChord(HotkeyCommand command, WORD value) {
    const int id = IDC_HOTKEY_FIRST + static_cast<int>(command);
    SendMessageW(Item(id), HKM_SETHOTKEY, value, 0);
    SendMessageW(OptionsWindow(), WM_COMMAND, MAKEWPARAM(id, EN_CHANGE),
                 reinterpret_cast<LPARAM>(Item(id)));
  }
  void Press(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }
  void Choose(int id, int index) {
    SendMessageW(Item(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(OptionsWindow(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(id)));
  }
  bool ApplyEnabled() const { return IsWindowEnabled(Item(IDC_APPLY)) != FALSE; }
  int OpenOptionsWindows() const {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND each, LPARAM data) -> BOOL {
          wchar_t caption[64]{};
          GetWindowTextW(each, caption, 64);
          if (std::wstring(caption) == L"Tarnwick Options") ++*reinterpret_cast<int*>(data);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
  }
};

TEST_F(OptionsDialogTest, OpensFromTheMenuShowingTheOptionsInForceAndOnlyOnce) {
  UseOptions({{"Toggle", "Ctrl+Alt+J"},
              {"Pin", "None"},
              {"Exclusions", "game.exe\nclass:Notepad"},
              {"PauseKey", "Shift"},
              {"LeaveFullscreenAlone", "0"}});

  HWND options = OpenFromMenu();
  ASSERT_NE(options, nullptr);
  EXPECT_TRUE(IsWindowVisible(options));
  EXPECT_EQ(TextOf(options), "Tarnwick Options");
  EXPECT_EQ(GetWindow(options, GW_OWNER), nullptr) << "a window of its own, not the main one's";
  EXPECT_EQ(HotkeyShown(HotkeyCommand::kToggle), MAKEWORD('J', HOTKEYF_CONTROL | HOTKEYF_ALT));
  EXPECT_EQ(HotkeyShown(HotkeyCommand::kKeepOnTop), MAKEWORD('T', HOTKEYF_CONTROL | HOTKEYF_SHIFT));
  EXPECT_EQ(HotkeyShown(HotkeyCommand::kPin), 0) << "None shows as an empty control";
  EXPECT_EQ(TextOf(Item(IDC_HOTKEY_LABEL_FIRST)), "&Enable/disable:");
  EXPECT_EQ(TextOf(Item(IDC_HOTKEY_LABEL_FIRST + 2)), "Send to &bottom:");
  EXPECT_EQ(TextOf(Item(IDC_EXCLUSIONS)), "game.exe\r\nclass:Notepad");
  EXPECT_EQ(SendMessageW(Item(IDC_PAUSE_KEY), CB_GETCURSEL, 0, 0), 3) << "Shift";
  EXPECT_EQ(SendMessageW(Item(IDC_PAUSE_KEY), CB_GETCOUNT, 0, 0), 5);
  EXPECT_EQ(IsDlgButtonChecked(options, IDC_LEAVE_FULLSCREEN), BST_UNCHECKED);
  EXPECT_EQ(IsDlgButtonChecked(options, IDC_FOLLOW_ONLY_MOVED), BST_CHECKED);
  EXPECT_FALSE(ApplyEnabled()) << "nothing to apply yet";

  form->Options_Click();  // again, from the tray menu say
  EXPECT_EQ(OptionsWindow(), options);
  EXPECT_EQ(OpenOptionsWindows(), 1);

  Press(IDCANCEL);
  EXPECT_EQ(OptionsWindow(), nullptr);
  EXPECT_FALSE(IsWindow(options));
}

TEST_F(OptionsDialogTest, ApplyAndOkStoreWhatChangedAndPutItInForce) {
  HWND options = OpenFromMenu();
  ASSERT_NE(options, nullptr);
  TypeChord(HotkeyCommand::kToggle, MAKEWORD('G', HOTKEYF_CONTROL | HOTKEYF_ALT));
  EXPECT_TRUE(ApplyEnabled());
  Press(IDC_APPLY);
  EXPECT_EQ(Stored("options", "Toggle"), "Ctrl+Alt+G");
  EXPECT_EQ(form->CurrentOptions().hotkeys[0], (Chord{'G', kCtrlBit | kAltBit}));
  EXPECT_EQ(OptionsWindow(), options) << "Apply keeps the window open";
  EXPECT_FALSE(ApplyEnabled());

  Send(kKeyPressMessage, 'F', kCtrlShift);
  EXPECT_EQ(form->Command1.Caption(), "&Enabled") << "the old chord still toggles";
  Send(kKeyPressMessage, 'G', kCtrlBit | kAltBit);
  EXPECT_EQ(form->Command1.Caption(), "&Disabled") << "the new chord does not toggle";

  Press(IDC_HOTKEY_NONE_FIRST + static_cast<int>(HotkeyCommand::kPin));
  EXPECT_EQ(HotkeyShown(HotkeyCommand::kPin), 0);
  SetWindowTextW(Item(IDC_EXCLUSIONS), L"  title:Secret  \r\n\r\nfoo.exe\r\n");
  Choose(IDC_PAUSE_KEY, 4);      // Win
  Press(IDC_FOLLOW_ONLY_MOVED);  // an automatic box: a click unticks it
  EXPECT_EQ(Stored("options", "PauseKey"), "None") << "nothing stored before OK";
  Press(IDOK);
  EXPECT_EQ(OptionsWindow(), nullptr) << "OK closes the window";

  RegistrySettings fresh;  // read back from the registry, not from the model
  EXPECT_EQ(fresh.Read("Tarnwick", "options", "Pin"), "None");
  EXPECT_EQ(fresh.Read("Tarnwick", "options", "Toggle"), "Ctrl+Alt+G");
  EXPECT_EQ(fresh.Read("Tarnwick", "options", "Exclusions"), "  title:Secret  \nfoo.exe");
  EXPECT_EQ(fresh.Read("Tarnwick", "options", "PauseKey"), "Win");
  EXPECT_EQ(fresh.Read("Tarnwick", "options", "FollowOnlyWhenMoved"), "0");
  EXPECT_EQ(fresh.Read("Tarnwick", "options", "LeaveFullscreenAlone"), "1");
}

TEST_F(OptionsDialogTest, ADuplicateChordIsRefusedWithAMessageAndTheWindowStaysOpen) {
  HWND options = OpenFromMenu();
  ASSERT_NE(options, nullptr);
  PumpUntil([&] { return GetActiveWindow() == options; });
  TypeChord(HotkeyCommand::kKeepOnTop, HotkeyShown(HotkeyCommand::kToggle));

  std::string message;
  HWND messageOwner = nullptr;
  CloseNextMessage(message, messageOwner);
  Press(IDOK);
  EXPECT_NE(message.find("Ctrl+Shift+F is given to both \"Enable/disable\" and \"Keep on top\""),
            std::string::npos)
      << message;
  EXPECT_EQ(messageOwner, options) << "the message keeps the Options window still";
  EXPECT_EQ(OptionsWindow(), options) << "a refused OK leaves the window open";
  EXPECT_TRUE(IsWindowVisible(options));
  EXPECT_EQ(Stored("options", "KeepOnTop"), "<absent>");
  EXPECT_EQ(form->CurrentOptions(), Options{}) << "nothing of the refused options in force";
  EXPECT_EQ(GetFocus(), Item(IDC_HOTKEY_FIRST + static_cast<int>(HotkeyCommand::kKeepOnTop)))
      << "the keyboard goes on where the mistake is";

  Press(IDC_HOTKEY_NONE_FIRST + static_cast<int>(HotkeyCommand::kKeepOnTop));
  Press(IDOK);
  EXPECT_EQ(OptionsWindow(), nullptr);
  EXPECT_EQ(Stored("options", "KeepOnTop"), "None");
}

// The hotkey control has no Win key: a stored Win chord must survive an OK that did not
// touch it, and give way to a chord the user typed over it.
TEST_F(OptionsDialogTest, ADelayOutOfItsLimitsIsRefusedAndTheKeyboardLandsOnIt) {
  HWND options = OpenFromMenu();
  ASSERT_NE(options, nullptr);
  PumpUntil([&] { return GetActiveWindow() == options; });
  Press(IDC_RAISE_FIRST + static_cast<int>(RaiseMode::kAfterDelay));
  SetDlgItemTextW(options, IDC_RAISE_DELAY, L"50");
  SetFocus(Item(IDC_APPLY));
  std::string message;
  HWND owner = nullptr;
  CloseNextMessage(message, owner);
  Press(IDC_APPLY);
  EXPECT_NE(message.find("from 100 to 10000"), std::string::npos) << message;
  EXPECT_EQ(GetFocus(), Item(IDC_RAISE_DELAY)) << "not Apply: the field to put right";
  EXPECT_EQ(form->CurrentOptions().raiseMode, RaiseMode::kAtOnce);
}

TEST_F(OptionsDialogTest, AWinChordTheControlCannotShowIsKeptUntilReplaced) {
  UseOptions({{"Unpin", "Win+Q"}, {"Pin", "Win+A"}});
  ASSERT_EQ(form->CurrentOptions().hotkeys[4], (Chord{'Q', kWinBit}));
  ASSERT_NE(OpenFromMenu(), nullptr);
  Choose(IDC_PAUSE_KEY, 1);  // Ctrl: something else changes
  TypeChord(HotkeyCommand::kPin, MAKEWORD('A', HOTKEYF_CONTROL | HOTKEYF_ALT));
  Press(IDOK);
  EXPECT_EQ(OptionsWindow(), nullptr);
  EXPECT_EQ(Stored("options", "Unpin"), "Win+Q");
  EXPECT_EQ(Stored("options", "Pin"), "Ctrl+Alt+A");
  EXPECT_EQ(Stored("options", "PauseKey"), "Ctrl");
}

TEST_F(OptionsDialogTest, AChordTypedIntoAHotkeyControlIsNotACommand) {
  HWND options = OpenFromMenu();
  ASSERT_NE(options, nullptr);
  SetFocus(Item(IDC_HOTKEY_FIRST + static_cast<int>(HotkeyCommand::kPin)));
  Send(kKeyPressMessage, 'F', kCtrlShift);
  EXPECT_EQ(form->Command1.Caption(), "&Enabled");
  SetFocus(Item(IDOK));
  Send(kKeyPressMessage, 'F', kCtrlShift);
  EXPECT_EQ(form->Command1.Caption(), "&Disabled") << "elsewhere in the window the chord acts";
}

// Keys as the field receives them, with the modifiers set in the thread's key state.
class HotkeyFieldTest : public OptionsDialogTest {
 protected:
  void SetUp() override {
    GetKeyboardState(saved_);
    OptionsDialogTest::SetUp();
  }
  void TearDown() override {
    SetKeyboardState(saved_);
    OptionsDialogTest::TearDown();
  }
  void Hold(std::initializer_list<int> keys) {
    BYTE state[256]{};
    for (const int key : keys) state[key] = 0x80;
    SetKeyboardState(state);
  }
  void Type(HotkeyCommand command, UINT message, WPARAM key) {
    SendMessageW(Item(IDC_HOTKEY_FIRST + static_cast<int>(command)), message, key, 1);
  }

 private:
  BYTE saved_[256]{};
};

TEST_F(HotkeyFieldTest, AltAndALetterIsTheWindowsAccessKeyNotAChord) {
  HWND options = OpenFromMenu();
  ASSERT_NE(options, nullptr);
  HWND toggle = Item(IDC_HOTKEY_FIRST);
  SetFocus(toggle);
  Hold({VK_MENU, VK_LMENU});
  Type(HotkeyCommand::kToggle, WM_SYSKEYDOWN, 'N');
  Type(HotkeyCommand::kToggle, WM_SYSCHAR, 'n');
  EXPECT_EQ(HotkeyShown(HotkeyCommand::kToggle), MAKEWORD('F', HOTKEYF_CONTROL | HOTKEYF_SHIFT))
      << "the chord stays";
  MSG accessKey{toggle, WM_SYSCHAR, 'n', 1 | (1 << 29), 0, {}};
  EXPECT_TRUE(IsDialogMessageW(options, &accessKey));
  EXPECT_EQ(GetFocus(), Item(IDC_EXCLUSIONS)) << "Alt+N: the exclusions";

  Hold({VK_CONTROL, VK_LCONTROL, VK_MENU, VK_LMENU});
  Type(HotkeyCommand::kPin, WM_KEYDOWN, 'G');
  EXPECT_EQ(HotkeyShown(HotkeyCommand::kPin), MAKEWORD('G', HOTKEYF_CONTROL | HOTKEYF_ALT));
  Hold({});
  Type(HotkeyCommand::kUnpin, WM_KEYDOWN, 'J');
  EXPECT_EQ(HotkeyShown(HotkeyCommand::kUnpin), MAKEWORD('J', HOTKEYF_CONTROL | HOTKEYF_SHIFT))
      << "a bare key gets Ctrl+Shift";
  EXPECT_TRUE(ApplyEnabled());
  Press(IDOK);
  EXPECT_EQ(Stored("options", "Pin"), "Ctrl+Alt+G");
  EXPECT_EQ(Stored("options", "Unpin"), "Ctrl+Shift+J");
  EXPECT_EQ(Stored("options", "Toggle"), "Ctrl+Shift+F") << "Alt+N changed nothing";
}

// The control names neither a key the layout has no name for nor Win: the field does.
TEST_F(OptionsDialogTest, AFieldNamesEveryStoredChord) {
  UseOptions({{"Toggle", "Ctrl+Alt+Key7"}, {"Pin", "Win+A"}});
  ASSERT_NE(OpenFromMenu(), nullptr);
  EXPECT_EQ(TextOf(Item(IDC_HOTKEY_FIRST)), "Ctrl+Alt+Key7");
  EXPECT_EQ(TextOf(Item(IDC_HOTKEY_FIRST + static_cast<int>(HotkeyCommand::kPin))), "Win+A");
  Press(IDC_HOTKEY_NONE_FIRST);
  EXPECT_EQ(TextOf(Item(IDC_HOTKEY_FIRST)), "None");
}

TEST_F(OptionsDialogTest, ApplyHandsTheFocusToOk) {
  HWND options = OpenFromMenu();
  ASSERT_NE(options, nullptr);
  PumpUntil([&] { return GetActiveWindow() == options; });
  Press(IDC_FOLLOW_ONLY_MOVED);
  SetFocus(Item(IDC_APPLY));
  Press(IDC_APPLY);
  EXPECT_FALSE(ApplyEnabled());
  EXPECT_EQ(GetFocus(), Item(IDOK));
}

TEST_F(OptionsDialogTest, TheCaptionIconsFollowTheMonitorsDpi) {
  HWND options = OpenFromMenu();
  ASSERT_NE(options, nullptr);
  RECT bounds{};
  GetWindowRect(options, &bounds);
  SendMessageW(options, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&bounds));
  const auto small = reinterpret_cast<HICON>(SendMessageW(options, WM_GETICON, ICON_SMALL, 0));
  EXPECT_EQ(small, LoadProgramIcon(IconId::kApplication, true, 192));
  const auto big = reinterpret_cast<HICON>(SendMessageW(options, WM_GETICON, ICON_BIG, 0));
  EXPECT_EQ(big, LoadProgramIcon(IconId::kApplication, false, 192));
}

}  // namespace
}  // namespace tarnwick::win32
