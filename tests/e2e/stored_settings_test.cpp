// What is stored survives the program being killed right after a change, and what is stored
// wrongly (another type, nothing, far too much) neither stops the start nor gets rewritten.
#include <chrono>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/settings.h"
#include "fixture.h"

namespace tarnwick::e2e {
namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\Tarnwick";

std::wstring Wide(const char* text) {
  return std::wstring(text, text + std::char_traits<char>::length(text));
}

// Every value under the settings key, with its type and bytes, by "section\\name".
using RawValue = std::pair<DWORD, std::vector<BYTE>>;
std::map<std::wstring, RawValue> RawSettings() {
  std::map<std::wstring, RawValue> values;
  for (const std::wstring& section : SettingSections()) {
    HKEY key = nullptr;
    const std::wstring path = std::wstring(kSettingsKey) + L"\\" + section;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
      continue;
    }
    for (const std::wstring& name : SettingValueNames(section)) {
      DWORD type = 0;
      DWORD size = 0;
      RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
      std::vector<BYTE> data(size);
      RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &size);
      data.resize(size);
      values[section + L"\\" + name] = {type, std::move(data)};
    }
    RegCloseKey(key);
  }
  return values;
}

void WriteRaw(const Setting& setting, DWORD type, const std::vector<BYTE>& data) {
  const std::wstring path = std::wstring(kSettingsKey) + L"\\" + Wide(setting.section);
  RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), Wide(setting.key).c_str(), type, data.data(),
                  static_cast<DWORD>(data.size()));
}

std::vector<BYTE> TextBytes(const std::wstring& text) {
  const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
  return {bytes, bytes + (text.size() + 1) * sizeof(wchar_t)};
}

class StoredSettings : public TarnwickCase {
 protected:
  HWND Box(const wchar_t* caption) const {
    return program_->Control(ControlKind::kCheckBox, caption);
  }
  // Killed the moment the program is done with the change (it answers again), then started
  // again: the next start shows what was stored.
  bool KillAndRestart() {
    Answers(Program().MainWindow(), 5000ms);
    Program().Kill();
    return Launch();
  }
  // What every control shows on a start from an empty store.
  void ExpectDefaults() {
    HWND main = Program().MainWindow();
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(EnableCaption(), L"&Enabled");
    EXPECT_EQ(TextOf(EditInFrame(main, L"Focus Menu")), L"250");
    EXPECT_EQ(TextOf(EditInFrame(main, L"Mouse Wrap Menu")), L"100");
    EXPECT_NE(Program().Control(ControlKind::kPushButton, L"Mouse Wrap is Off"), nullptr);
    for (const wchar_t* edge : {L"Left", L"Right", L"Top", L"Bottom"}) {
      EXPECT_EQ(CheckStateOf(Box(edge)), 1) << Narrow(edge);
    }
    for (const wchar_t* option :
         {L"&Run Minimized on Start Up", L"Auo Run on Launch", L"Auto Lanuch when windows Starts?",
          L"Auto Hide Mouse When Idel", L"Taskbar Auto Hiden?"}) {
      EXPECT_EQ(CheckStateOf(Box(option)), 0) << Narrow(option);
    }
  }
};

TEST_F(StoredSettings, AProgramKilledRightAfterEachKindOfChangeLosesNothing) {
  // A box, clicked: killed the moment it shows the new state.
  ASSERT_TRUE(Launch());
  ClickButton(Box(L"Left"));
  ASSERT_TRUE(WaitUntil([&] { return CheckStateOf(Box(L"Left")) == 0; }, 5000ms));
  ASSERT_TRUE(KillAndRestart());
  EXPECT_EQ(CheckStateOf(Box(L"Left")), 0) << "the click was lost";

  // The delay, typed and left with Tab: killed the moment the focus has moved on.
  HWND delay = EditInFrame(Program().MainWindow(), L"Focus Menu");
  ASSERT_TRUE(ReplaceEditText(delay, L"750", true));
  ASSERT_TRUE(WaitUntil(
      [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(GetWindowThreadProcessId(delay, nullptr), &info) &&
               info.hwndFocus != delay;
      },
      5000ms));
  ASSERT_TRUE(KillAndRestart());
  EXPECT_EQ(TextOf(EditInFrame(Program().MainWindow(), L"Focus Menu")), L"750")
      << "the delay was lost";

  // A hotkey: killed the moment the caption says disabled. Pressed once the new window has
  // the focus: Wine lets go of injected modifiers when the focus moves.
  ASSERT_TRUE(BecomesForeground(Program().MainWindow()));
  Pause(300ms);
  PressCtrlShift(L'F');
  ASSERT_TRUE(WaitUntil([this] { return EnableCaption() == L"&Disabled"; }, 5000ms));
  const HWND killedWindow = Program().MainWindow();
  ASSERT_TRUE(KillAndRestart());
  EXPECT_EQ(EnableCaption(), L"&Disabled") << "the toggle was lost";
  // The killed program's tray icon stays until the shell notices; remove it as the shell
  // would, so that later cases find the notification area as they expect.
  NOTIFYICONDATAW dead{};
  dead.cbSize = sizeof(dead);
  dead.hWnd = killedWindow;
  dead.uID = 1;
  Shell_NotifyIconW(NIM_DELETE, &dead);
  PressCtrlShift(L'F');
  EXPECT_TRUE(WaitUntil([this] { return EnableCaption() == L"&Enabled"; }, 5000ms));

  // An option: the toggle's chord set to None in the Options window, killed the moment OK
  // has closed the window. The help line names the chord in force.
  HWND options = OpenOptionsFromMenu(Program().MainWindow());
  ASSERT_NE(options, nullptr) << DescribeDesktop();
  HWND none = nullptr;
  for (const Control& control : ControlsOf(options)) {
    if (control.kind == ControlKind::kPushButton && control.text == L"None") {
      none = control.window;
      break;  // the first is the toggle's
    }
  }
  ASSERT_NE(none, nullptr);
  ClickButton(none);  // posted, as the OK after it: handled in this order
  ClickButton(FindControl(options, ControlKind::kPushButton, L"OK"));
  ASSERT_TRUE(WaitUntil([&] { return OptionsWindowOf(Program().Id()) == nullptr; }, 5000ms));
  ASSERT_TRUE(KillAndRestart());
  EXPECT_NE(Program().Control(ControlKind::kLabel,
                              L"*Enable/disable has no key: give it one under File, "
                              L"Options... "),
            nullptr)
      << "the option was lost";
}

// Each value of the layout replaced by the same kind of damage, one start per kind.
TEST_F(StoredSettings, DamagedValuesStartWithTheDefaultsAndAreLeftAsTheyWere) {
  const DWORD number = 1;
  const auto* numberBytes = reinterpret_cast<const BYTE*>(&number);
  const std::wstring longText(32767, L'7');  // 64 KiB with its terminator
  struct Damage {
    const char* name;
    DWORD type;
    std::vector<BYTE> data;
  };
  const std::vector<Damage> damages = {
      {"REG_DWORD", REG_DWORD, {numberBytes, numberBytes + sizeof(number)}},
      {"REG_BINARY", REG_BINARY, {'1', 0, '0', 0}},
      {"REG_MULTI_SZ", REG_MULTI_SZ, {'1', 0, 0, 0, 0, 0}},
      {"an empty string", REG_SZ, TextBytes(L"")},
      {"a 64 KiB string", REG_SZ, TextBytes(longText)},
  };
  // The edges are ticked by default and start-up stores them when it finds none; nothing
  // else may be written.
  const std::vector<std::wstring> alwaysWritten = {L"startup\\leftwrap", L"startup\\rightwrap",
                                                   L"startup\\topwrap", L"startup\\bottomwrap"};
  for (const Damage& damage : damages) {
    SCOPED_TRACE(damage.name);
    program_.reset();
    DeleteAllSettings();
    for (const Setting* setting : kAllSettings) WriteRaw(*setting, damage.type, damage.data);
    const auto before = RawSettings();
    ASSERT_EQ(before.size(), kAllSettings.size());
    ASSERT_TRUE(Launch());
    ExpectDefaults();
    Pause(500ms);
    auto after = RawSettings();
    for (const std::wstring& edge : alwaysWritten) {
      const RawValue& stored = after[edge];
      if (stored != before.at(edge)) {
        EXPECT_EQ(stored, RawValue(REG_SZ, TextBytes(L"1"))) << Narrow(edge);
        after[edge] = before.at(edge);
      }
    }
    EXPECT_TRUE(after == before) << "start-up rewrote a value it only read";
  }
}

// A megabyte in the calibration box kept the window away for over a minute.
TEST_F(StoredSettings, AnAbsurdlyLongValueDoesNotSlowTheStart) {
  for (const size_t length : {size_t{100000}, size_t{1000000}}) {
    SCOPED_TRACE(length);
    program_.reset();
    DeleteAllSettings();
    WriteSetting(L"startup", L"calibration", std::wstring(length, L'9'));
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(Launch());
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_LT(took, 8s) << "the window took "
                        << std::chrono::duration_cast<std::chrono::milliseconds>(took).count()
                        << " ms";
    EXPECT_EQ(TextOf(EditInFrame(Program().MainWindow(), L"Mouse Wrap Menu")), L"100");
  }
}

}  // namespace
}  // namespace tarnwick::e2e
