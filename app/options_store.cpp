#include "app/options_store.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/product.h"
#include "common/invariant.h"
#include "common/number_text.h"
#include "common/text_lines.h"

namespace tarnwick {
namespace {

// Characters as people count them: code points, whatever bytes of UTF-8 each takes.
size_t CharacterCount(std::string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

}  // namespace

std::string OptionsStore::GetSetting(const Setting& setting) {
  // A refused read counts as an absent entry: the default stands in. So does an empty value
  // (no setting means anything by it) and one longer than the setting can be: that is damage,
  // and a megabyte of it shown in a box kept the window from appearing for a minute.
  std::optional<std::string> stored =
      settings_.Read(kApplicationName, setting.section, setting.key);
  if (!stored || stored->empty() || stored->size() > setting.maxLength) {
    return setting.defaultValue;
  }
  return std::move(*stored);
}

void OptionsStore::SaveSetting(const Setting& setting, const std::string& value) {
  // A refused write is not retried: the control still shows the value, and the next change
  // writes again.
  settings_.Write(kApplicationName, setting.section, setting.key, value);
}

int OptionsStore::GetCheckSetting(const Setting& setting) {
  return StoredCheckValue(GetSetting(setting), *ToInt16(setting.defaultValue));
}

void OptionsStore::SaveCheckSetting(const Setting& setting, bool checked) {
  SaveSetting(setting, checked ? "1" : "0");
}

Options OptionsStore::LoadOptions() {
  Options loaded;
  for (size_t i = 0; i < kHotkeySettings.size(); ++i) {
    loaded.hotkeys[i] = ParseChord(GetSetting(kHotkeySettings[i])).value_or(loaded.hotkeys[i]);
  }
  // A spoilt store must not leave two commands on one chord: the defaults stand in then.
  if (SharedChord(loaded.hotkeys)) loaded.hotkeys = DefaultHotkeys();
  // A stored list longer than the Options window takes is damage and reads as none.
  const std::string exclusions = GetSetting(kExclusionsSetting);
  if (CharacterCount(exclusions) <= kExclusionsMaxCharacters) {
    loaded.exclusions = SplitLines(exclusions);
  }
  loaded.pauseKey = ParsePauseKey(GetSetting(kPauseKeySetting)).value_or(PauseKey::kNone);
  // Unlike the main window's boxes, these know no greyed state: only 0 and 1 are read.
  const auto flag = [this](const Setting& setting) {
    return StoredFlag(GetSetting(setting), *ParseNumber(setting.defaultValue) == 1.0);
  };
  loaded.leaveFullscreenAlone = flag(kLeaveFullscreenAloneSetting);
  loaded.followOnlyWhenMoved = flag(kFollowOnlyWhenMovedSetting);
  loaded.wrapOnlyOnPush = flag(kWrapOnlyOnPushSetting);
  loaded.raiseMode = ParseRaiseMode(GetSetting(kRaiseModeSetting)).value_or(RaiseMode::kAtOnce);
  loaded.raiseDelayMs =
      ParseRaiseDelayMs(GetSetting(kRaiseDelaySetting)).value_or(kDefaultRaiseDelayMs);
  loaded.waitUntilStill = flag(kWaitUntilStillSetting);
  TARNWICK_CHECK(!SharedChord(loaded.hotkeys), "no chord serves two commands after loading");
  return loaded;
}

std::optional<std::string> OptionsStore::Refusal(const Options& proposed) {
  if (const auto shared = SharedChord(proposed.hotkeys)) {
    const auto [first, second] = *shared;
    return ChordText(proposed.hotkeys[first]) + " is given to both \"" +
           CommandName(static_cast<HotkeyCommand>(first)) + "\" and \"" +
           CommandName(static_cast<HotkeyCommand>(second)) +
           "\". Give each command a key of its own, or None.";
  }
  if (CharacterCount(JoinLines(proposed.exclusions)) > kExclusionsMaxCharacters) {
    return "The exclusion list is too long: keep it under " +
           std::to_string(kExclusionsMaxCharacters) + " characters.";
  }
  if (!ParseRaiseDelayMs(std::to_string(proposed.raiseDelayMs))) {
    return "The time before a window comes to the front must be a whole number of "
           "milliseconds from " +
           std::to_string(kMinRaiseDelayMs) + " to " + std::to_string(kMaxRaiseDelayMs) + ".";
  }
  return std::nullopt;
}

void OptionsStore::SaveOptions(const Options& options) {
  TARNWICK_CHECK(!Refusal(options), "only options the store takes are stored");
  for (size_t i = 0; i < kHotkeySettings.size(); ++i) {
    SaveSetting(kHotkeySettings[i], ChordText(options.hotkeys[i]));
  }
  SaveSetting(kExclusionsSetting, JoinLines(options.exclusions));
  SaveSetting(kPauseKeySetting, PauseKeyName(options.pauseKey));
  SaveCheckSetting(kLeaveFullscreenAloneSetting, options.leaveFullscreenAlone);
  SaveCheckSetting(kFollowOnlyWhenMovedSetting, options.followOnlyWhenMoved);
  SaveCheckSetting(kWrapOnlyOnPushSetting, options.wrapOnlyOnPush);
  SaveSetting(kRaiseModeSetting, RaiseModeName(options.raiseMode));
  SaveSetting(kRaiseDelaySetting, std::to_string(options.raiseDelayMs));
  SaveCheckSetting(kWaitUntilStillSetting, options.waitUntilStill);
}

}  // namespace tarnwick
