#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/controls.h"
#include "focus/hover_delay.h"
#include "focus/options.h"

namespace tarnwick {

// Every setting the program keeps, typed: the Options window's (the base, which the features
// read) and the main window's, as its controls show them. Each field has one row below.
struct Settings : Options {
  int runMinimized = kUnchecked;  // Check1; the boxes keep a greyed state as stored
  bool disabled = false;          // Command1
  // Text1, as the user typed it: start-up shows it rounded.
  std::string hoverDelay = kDefaultHoverDelayText;
  int idleParking = kUnchecked;       // Check2
  int launchAtLogon = kUnchecked;     // Check4
  int taskbarAllowance = kUnchecked;  // Check5
  int leftWrap = kChecked;            // Check8
  int rightWrap = kChecked;           // Check10
  int topWrap = kChecked;             // Check11
  int bottomWrap = kChecked;          // Check12
  int mouseWrapAtStart = kUnchecked;  // Check7
  std::string calibration = "100";    // Text35, shown only; nothing writes it
};

// The longest text (in bytes of UTF-8) a setting normally holds: far beyond any number, chord
// or name it stores. A longer stored value is damage, read as absent.
inline constexpr std::size_t kMaxSettingLength = 1024;

// How the Options window shows a setting; the main window's have no row there.
enum class SettingView { kNone, kCheckBox, kChoice, kNumberBox, kLines, kHotkey };

// One setting's row: where it is stored (HKCU\Software\Tarnwick\<section>, value <key>), how
// its text is read into the record and written from it, how the user sees it, and how the
// diagnostics report it. A stored text that means nothing leaves the field at its default.
struct Setting {
  const char* section = "";
  const char* key = "";
  std::string defaultValue;  // the stored form of the field's default
  std::size_t maxLength = kMaxSettingLength;
  // Puts a stored or typed text into the record; false (the field untouched) when the text
  // means nothing there.
  std::function<bool(std::string_view text, Settings& into)> parse;
  std::function<std::string(const Settings& from)> format;

  // The Options window: its words for the setting (with the access key where the row's
  // control shows them), its control, the stored names of its choices in the window's order,
  // and what the user is told when a typed text means nothing.
  std::string label;
  SettingView view = SettingView::kNone;
  int control = 0;
  std::vector<std::string> choices;
  std::vector<std::string> choiceWords;  // as a list of choices shows them, in the same order
  std::string refusal;

  // The diagnostics: the line it is reported on (none: not reported) and its value in words.
  const char* reportLine = nullptr;
  std::function<std::string(const Settings& from)> describe;
};

// The main window's rows; its handlers store through them.
extern const Setting kRunMinimizedSetting;
extern const Setting kDisabledSetting;
extern const Setting kHoverDelaySetting;
extern const Setting kIdleParkingSetting;
extern const Setting kLaunchAtLogonSetting;
extern const Setting kTaskbarAllowanceSetting;
extern const Setting kLeftWrapSetting;
extern const Setting kRightWrapSetting;
extern const Setting kTopWrapSetting;
extern const Setting kBottomWrapSetting;
extern const Setting kMouseWrapAtStartSetting;
extern const Setting kCalibrationSetting;
// Every row, the main window's first, then the Options window's in the window's order.
extern const std::span<const Setting* const> kAllSettings;

// What no single row can say of a record: whether a chord serves two commands. The words for
// the user, and the row to put right.
struct SettingsRefusal {
  std::string words;
  const Setting* row = nullptr;
};
std::optional<SettingsRefusal> RecordRefusal(const Settings& settings);
// What a record read from a spoilt store would be refused for gives way to the defaults.
void MendStoredRecord(Settings& settings);

}  // namespace tarnwick
