#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "app/form1.h"
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

// "Ctrl+Shift+F" as the help lines write it: "Ctrl-Shift-F".
std::string HelpChordText(Chord chord) {
  std::string text = ChordText(chord);
  for (char& c : text) {
    if (c == '+') c = '-';
  }
  return text;
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

void Form1::LoadOptions() {
  Options loaded;
  for (size_t i = 0; i < kHotkeySettings.size(); ++i) {
    loaded.hotkeys[i] =
        ParseChord(store.GetSetting(kHotkeySettings[i])).value_or(loaded.hotkeys[i]);
  }
  // A spoilt store must not leave two commands on one chord: the defaults stand in then.
  if (SharedChord(loaded.hotkeys)) loaded.hotkeys = DefaultHotkeys();
  // A stored list longer than the Options window takes is damage and reads as none.
  const std::string exclusions = store.GetSetting(kExclusionsSetting);
  if (CharacterCount(exclusions) <= kExclusionsMaxCharacters) {
    loaded.exclusions = SplitLines(exclusions);
  }
  loaded.pauseKey = ParsePauseKey(store.GetSetting(kPauseKeySetting)).value_or(PauseKey::kNone);
  // Unlike the main window's boxes, these know no greyed state: only 0 and 1 are read.
  const auto flag = [this](const Setting& setting) {
    return StoredFlag(store.GetSetting(setting), *ParseNumber(setting.defaultValue) == 1.0);
  };
  loaded.leaveFullscreenAlone = flag(kLeaveFullscreenAloneSetting);
  loaded.followOnlyWhenMoved = flag(kFollowOnlyWhenMovedSetting);
  loaded.wrapOnlyOnPush = flag(kWrapOnlyOnPushSetting);
  loaded.raiseMode =
      ParseRaiseMode(store.GetSetting(kRaiseModeSetting)).value_or(RaiseMode::kAtOnce);
  loaded.raiseDelayMs =
      ParseRaiseDelayMs(store.GetSetting(kRaiseDelaySetting)).value_or(kDefaultRaiseDelayMs);
  loaded.waitUntilStill = flag(kWaitUntilStillSetting);
  TARNWICK_CHECK(!SharedChord(loaded.hotkeys), "no chord serves two commands after loading");
  focus.OptionsChanged();
  options_ = loaded;
  wrap.SetPushOnly(options_.wrapOnlyOnPush);
  ShowChordsInHelp();
}

bool Form1::ApplyOptions(const Options& proposed) {
  if (const auto shared = SharedChord(proposed.hotkeys)) {
    const auto [first, second] = *shared;
    platform_.shell.ShowMessage(kApplicationName,
                                ChordText(proposed.hotkeys[first]) + " is given to both \"" +
                                    CommandName(static_cast<HotkeyCommand>(first)) + "\" and \"" +
                                    CommandName(static_cast<HotkeyCommand>(second)) +
                                    "\". Give each command a key of its own, or None.",
                                MessageKind::kWarning);
    return false;
  }
  Options accepted = proposed;
  accepted.exclusions = SplitLines(JoinLines(proposed.exclusions));
  const std::string exclusions = JoinLines(accepted.exclusions);
  if (CharacterCount(exclusions) > kExclusionsMaxCharacters) {
    platform_.shell.ShowMessage(kApplicationName,
                                "The exclusion list is too long: keep it under " +
                                    std::to_string(kExclusionsMaxCharacters) + " characters.",
                                MessageKind::kWarning);
    return false;
  }
  if (!ParseRaiseDelayMs(std::to_string(proposed.raiseDelayMs))) {
    platform_.shell.ShowMessage(kApplicationName,
                                "The time before a window comes to the front must be a whole "
                                "number of milliseconds from " +
                                    std::to_string(kMinRaiseDelayMs) + " to " +
                                    std::to_string(kMaxRaiseDelayMs) + ".",
                                MessageKind::kWarning);
    return false;
  }
  TARNWICK_CHECK(!SharedChord(accepted.hotkeys), "no chord serves two commands when stored");
  focus.OptionsChanged();
  options_ = accepted;
  wrap.SetPushOnly(options_.wrapOnlyOnPush);
  for (size_t i = 0; i < kHotkeySettings.size(); ++i) {
    store.SaveSetting(kHotkeySettings[i], ChordText(options_.hotkeys[i]));
  }
  store.SaveSetting(kExclusionsSetting, exclusions);
  store.SaveSetting(kPauseKeySetting, PauseKeyName(options_.pauseKey));
  store.SaveSetting(kLeaveFullscreenAloneSetting, options_.leaveFullscreenAlone ? "1" : "0");
  store.SaveSetting(kFollowOnlyWhenMovedSetting, options_.followOnlyWhenMoved ? "1" : "0");
  store.SaveSetting(kWrapOnlyOnPushSetting, options_.wrapOnlyOnPush ? "1" : "0");
  store.SaveSetting(kRaiseModeSetting, RaiseModeName(options_.raiseMode));
  store.SaveSetting(kRaiseDelaySetting, std::to_string(options_.raiseDelayMs));
  store.SaveSetting(kWaitUntilStillSetting, options_.waitUntilStill ? "1" : "0");
  ShowChordsInHelp();
  return true;
}

void Form1::Options_Click() {
  platform_.form.ShowOptions();
}

void Form1::ShowChordsInHelp() {
  // With the default chords the lines read exactly as they always have. A command set to
  // None says so, and where a key can be given to it.
  const auto has = [this](HotkeyCommand command) { return !options_.HotkeyFor(command).IsNone(); };
  const auto chord = [this](HotkeyCommand command) {
    return HelpChordText(options_.HotkeyFor(command));
  };
  const auto noKey = [](HotkeyCommand command) {
    return std::string("*") + CommandName(command) +
           " has no key: give it one under File, Options... ";
  };
  const std::string toggle = chord(HotkeyCommand::kToggle);
  Label1[1].SetCaption(has(HotkeyCommand::kToggle)
                           ? "*To disable Tarnwick, just hit " + toggle + " and hit " + toggle +
                                 " again to enable it. "
                           : noKey(HotkeyCommand::kToggle));
  Label1[2].SetCaption(has(HotkeyCommand::kKeepOnTop)
                           ? "*To make application to Stay on Top then just hit " +
                                 chord(HotkeyCommand::kKeepOnTop) +
                                 " while your mouse is over the application. "
                           : noKey(HotkeyCommand::kKeepOnTop));
  Label1[3].SetCaption(has(HotkeyCommand::kSendToBottom)
                           ? "*To stop it from Staying on Top just " +
                                 chord(HotkeyCommand::kSendToBottom) +
                                 " again while your mouse is over the application."
                           : noKey(HotkeyCommand::kSendToBottom));
  const std::string pin = has(HotkeyCommand::kPin)
                              ? "*To Force a Window to Stay Active hit " +
                                    chord(HotkeyCommand::kPin) +
                                    " while your mouse is over the Application. "
                              : noKey(HotkeyCommand::kPin);
  const std::string unpin =
      has(HotkeyCommand::kUnpin)
          ? (has(HotkeyCommand::kPin) ? "Hit " : "Unpin: hit ") + chord(HotkeyCommand::kUnpin)
          : std::string(CommandName(HotkeyCommand::kUnpin)) + " has no key.";
  Label1[4].SetCaption(pin + unpin);
}

}  // namespace tarnwick
