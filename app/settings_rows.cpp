#include <array>
#include <string>
#include <vector>

#include "app/option_controls.h"
#include "app/setting_kinds.h"
#include "app/settings.h"
#include "common/invariant.h"

namespace tarnwick {
namespace {

bool AcceptedDelay(std::string_view text) {
  return CheckHoverDelay(text).verdict == HoverDelayVerdict::kAccepted;
}

// One rule a line; longer than any list a person keeps.
constexpr std::size_t kExclusionsMaxCharacters = 16384;

// The chords the Options window offers, one row a command, in the order of HotkeyCommand.
Setting HotkeySetting(const char* key, HotkeyCommand command) {
  return HotkeyRow("options", key, &Settings::hotkeys, command,
                   IDC_HOTKEY_FIRST + static_cast<int>(command));
}

// Title rules are counted, not quoted: titles can be private.
Setting ExclusionsRow() {
  Setting row = LinesRow("options", "Exclusions", &Settings::exclusions, kExclusionsMaxCharacters,
                         IDC_EXCLUSIONS);
  row.refusal = "The exclusion list is too long: keep it under " +
                std::to_string(kExclusionsMaxCharacters) + " characters.";
  row.reportLine = "Exclusions";
  row.describe = [](const Settings& from) {
    std::string text;
    int titleRules = 0;
    for (const std::string& rule : from.exclusions) {
      if (rule.rfind("title:", 0) == 0) {
        ++titleRules;
        continue;
      }
      text += (text.empty() ? "" : "; ") + rule;
    }
    if (titleRules > 0) {
      text += (text.empty() ? "" : "; ") + std::to_string(titleRules) + " title rule(s), not shown";
    }
    return text.empty() ? std::string("none") : text;
  };
  return row;
}

// The delay belongs to the choice that uses it, and is reported with it.
Setting RaiseModeRow() {
  Setting row = ChoiceRow("options", "RaiseMode", &Settings::raiseMode,
                          {{"AtOnce", "at once"},
                           {"AfterDelay", "after it has had the keyboard for"},
                           {"Never", "never"}},
                          "Bring the window to the front", IDC_RAISE_FIRST);
  row.describe = [words = row.describe](const Settings& from) {
    return words(from) + (from.raiseMode == RaiseMode::kAfterDelay
                              ? " " + std::to_string(from.raiseDelayMs) + " ms"
                              : std::string());
  };
  return row;
}

std::vector<Choice> PauseKeys() {
  std::vector<Choice> keys;
  keys.reserve(kPauseKeyCount);
  for (int key = 0; key < kPauseKeyCount; ++key) keys.push_back({PauseKeyName(PauseKey(key))});
  return keys;
}

}  // namespace

const Setting kRunMinimizedSetting = CheckRow("startup", "minimize", &Settings::runMinimized);
const Setting kDisabledSetting = StateRow("disabled", "disabled", &Settings::disabled);
const Setting kHoverDelaySetting =
    TextRow("Delay", "Interval", &Settings::hoverDelay, AcceptedDelay);
const Setting kIdleParkingSetting = CheckRow("startup", "idel", &Settings::idleParking);
const Setting kLaunchAtLogonSetting = CheckRow("startup", "windows", &Settings::launchAtLogon);
const Setting kTaskbarAllowanceSetting =
    CheckRow("startup", "idelautohide", &Settings::taskbarAllowance);
const Setting kLeftWrapSetting = CheckRow("startup", "leftwrap", &Settings::leftWrap);
const Setting kRightWrapSetting = CheckRow("startup", "rightwrap", &Settings::rightWrap);
const Setting kTopWrapSetting = CheckRow("startup", "topwrap", &Settings::topWrap);
const Setting kBottomWrapSetting = CheckRow("startup", "bottomwrap", &Settings::bottomWrap);
const Setting kMouseWrapAtStartSetting =
    CheckRow("startup", "mousewrap", &Settings::mouseWrapAtStart);
const Setting kCalibrationSetting = TextRow("startup", "calibration", &Settings::calibration);

namespace {

// The Options window's settings, in the window's order.
const std::array kOptionSettings{
    HotkeySetting("Toggle", HotkeyCommand::kToggle),
    HotkeySetting("KeepOnTop", HotkeyCommand::kKeepOnTop),
    HotkeySetting("SendToBottom", HotkeyCommand::kSendToBottom),
    HotkeySetting("Pin", HotkeyCommand::kPin),
    HotkeySetting("Unpin", HotkeyCommand::kUnpin),
    ExclusionsRow(),
    ChoiceRow("options", "PauseKey", &Settings::pauseKey, PauseKeys(), "Hold this key",
              IDC_PAUSE_KEY),
    ChoiceRow("options", "HoldKeyMode", &Settings::holdKeyMode,
              {{"Pause", "to pause focus-follow"}, {"Follow", "to let focus follow"}}, "Hold it",
              IDC_HOLD_KEY_MODE),
    FlagRow("options", "LeaveFullscreenAlone", &Settings::leaveFullscreenAlone,
            "Leave &fullscreen programs alone", IDC_LEAVE_FULLSCREEN),
    FlagRow("options", "FollowOnlyWhenMoved", &Settings::followOnlyWhenMoved,
            "Follow only when the mouse &moves", IDC_FOLLOW_ONLY_MOVED),
    FlagRow("options", "WrapOnlyOnPush", &Settings::wrapOnlyOnPush,
            "&Wrap only when I keep pushing against the edge", IDC_WRAP_ONLY_ON_PUSH),
    RaiseModeRow(),
    NumberRow("options", "RaiseDelayMs", &Settings::raiseDelayMs, 100, 10000,
              "The time before a window comes to the front", "milliseconds", IDC_RAISE_DELAY),
    FlagRow("options", "WaitUntilStill", &Settings::waitUntilStill, "Wait until the mouse &stops",
            IDC_WAIT_UNTIL_STILL),
    FlagRow("options", "PointerFollowsKeyboard", &Settings::pointerFollowsKeyboard,
            "Move the &pointer to a window I choose with the keyboard",
            IDC_POINTER_FOLLOWS_KEYBOARD),
};

const std::vector<const Setting*> kRows = [] {
  std::vector<const Setting*> rows{
      &kRunMinimizedSetting, &kDisabledSetting,         &kHoverDelaySetting,
      &kIdleParkingSetting,  &kLaunchAtLogonSetting,    &kTaskbarAllowanceSetting,
      &kLeftWrapSetting,     &kRightWrapSetting,        &kTopWrapSetting,
      &kBottomWrapSetting,   &kMouseWrapAtStartSetting, &kCalibrationSetting};
  rows.reserve(rows.size() + kOptionSettings.size());
  for (const Setting& setting : kOptionSettings) rows.push_back(&setting);
  return rows;
}();

}  // namespace

const std::span<const Setting* const> kAllSettings{kRows};

std::optional<SettingsRefusal> RecordRefusal(const Settings& settings) {
  const auto shared = SharedChord(settings.hotkeys);
  if (!shared) return std::nullopt;
  const auto [first, second] = *shared;
  const auto command = [](std::size_t index) {
    return std::string("\"") + CommandName(static_cast<HotkeyCommand>(index)) + "\"";
  };
  const Setting* row = &kOptionSettings[second];
  TARNWICK_CHECK(row->view == SettingView::kHotkey, "the chords come first, in command order");
  return SettingsRefusal{ChordText(settings.hotkeys[first]) + " is given to both " +
                             command(first) + " and " + command(second) +
                             ". Give each command a key of its own, or None.",
                         row};
}

void MendStoredRecord(Settings& settings) {
  // A spoilt store must not leave two commands on one chord.
  if (SharedChord(settings.hotkeys)) settings.hotkeys = DefaultHotkeys();
}

}  // namespace tarnwick
