#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "app/form1.h"

namespace tarnwick {
namespace {

// Help lines name the chord in force; this is how a line says a command has none.
constexpr const char* kNoKeyText = "(no key)";

constexpr const char* kPauseKeyNames[] = {"None", "Ctrl", "Alt", "Shift", "Win"};

std::optional<PauseKey> ParsePauseKey(const std::string& text) {
  for (size_t i = 0; i < std::size(kPauseKeyNames); ++i) {
    if (text == kPauseKeyNames[i]) return static_cast<PauseKey>(i);
  }
  return std::nullopt;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") != std::string::npos) lines.push_back(line);
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

// "Ctrl+Shift+F" as the help lines write it: "Ctrl-Shift-F".
std::string HelpChordText(Chord chord) {
  if (chord.IsNone()) return kNoKeyText;
  std::string text = ChordText(chord);
  for (char& c : text) {
    if (c == '+') c = '-';
  }
  return text;
}

// The first two commands given one chord, if any; any number may have none.
std::optional<std::pair<size_t, size_t>> SharedChord(
    const std::array<Chord, kHotkeyCommandCount>& hotkeys) {
  for (size_t i = 0; i < hotkeys.size(); ++i) {
    for (size_t j = i + 1; j < hotkeys.size(); ++j) {
      if (!hotkeys[i].IsNone() && hotkeys[i] == hotkeys[j]) return std::pair{i, j};
    }
  }
  return std::nullopt;
}

}  // namespace

void Form1::LoadOptions() {
  Options loaded;
  for (size_t i = 0; i < kHotkeySettings.size(); ++i) {
    loaded.hotkeys[i] = ParseChord(GetSetting(kHotkeySettings[i])).value_or(loaded.hotkeys[i]);
  }
  // A spoilt store must not leave two commands on one chord: the defaults stand in then.
  if (SharedChord(loaded.hotkeys)) loaded.hotkeys = Options::DefaultHotkeys();
  // A stored list longer than the layout allows reads as none (GetSetting gives the default).
  loaded.exclusions = SplitLines(GetSetting(kExclusionsSetting));
  loaded.pauseKey = ParsePauseKey(GetSetting(kPauseKeySetting)).value_or(PauseKey::kNone);
  loaded.leaveFullscreenAlone = GetCheckSetting(kLeaveFullscreenAloneSetting) == kChecked;
  loaded.followOnlyWhenMoved = GetCheckSetting(kFollowOnlyWhenMovedSetting) == kChecked;
  loaded.wrapOnlyOnPush = GetCheckSetting(kWrapOnlyOnPushSetting) == kChecked;
  options_ = loaded;
  ShowChordsInHelp();
}

bool Form1::ApplyOptions(const Options& proposed) {
  if (const auto shared = SharedChord(proposed.hotkeys)) {
    const auto [first, second] = *shared;
    platform_.shell.ShowMessage(kApplicationName,
                                ChordText(proposed.hotkeys[first]) + " is given to both \"" +
                                    CommandName(static_cast<HotkeyCommand>(first)) + "\" and \"" +
                                    CommandName(static_cast<HotkeyCommand>(second)) +
                                    "\". Give each command a key of its own, or None.");
    return false;
  }
  Options accepted = proposed;
  accepted.exclusions = SplitLines(JoinLines(proposed.exclusions));
  const std::string exclusions = JoinLines(accepted.exclusions);
  if (exclusions.size() > kExclusionsSetting.maxLength) {
    platform_.shell.ShowMessage(kApplicationName, "The exclusion list is too long: keep it under " +
                                                      std::to_string(kExclusionsSetting.maxLength) +
                                                      " characters.");
    return false;
  }
  options_ = accepted;
  for (size_t i = 0; i < kHotkeySettings.size(); ++i) {
    SaveSetting(kHotkeySettings[i], ChordText(options_.hotkeys[i]));
  }
  SaveSetting(kExclusionsSetting, exclusions);
  SaveSetting(kPauseKeySetting, kPauseKeyNames[static_cast<size_t>(options_.pauseKey)]);
  SaveSetting(kLeaveFullscreenAloneSetting, options_.leaveFullscreenAlone ? "1" : "0");
  SaveSetting(kFollowOnlyWhenMovedSetting, options_.followOnlyWhenMoved ? "1" : "0");
  SaveSetting(kWrapOnlyOnPushSetting, options_.wrapOnlyOnPush ? "1" : "0");
  ShowChordsInHelp();
  return true;
}

void Form1::Options_Click() {
  platform_.form.ShowOptions();
}

void Form1::ShowChordsInHelp() {
  // With the default chords the lines read exactly as they always have.
  const auto chord = [this](HotkeyCommand command) {
    return HelpChordText(options_.HotkeyFor(command));
  };
  const std::string toggle = chord(HotkeyCommand::kToggle);
  Label1[1].SetCaption("*To disable Tarnwick, just hit " + toggle + " and hit " + toggle +
                       " again to enable it. ");
  Label1[2].SetCaption("*To make application to Stay on Top then just hit " +
                       chord(HotkeyCommand::kKeepOnTop) +
                       " while your mouse is over the application. ");
  Label1[3].SetCaption("*To stop it from Staying on Top just " +
                       chord(HotkeyCommand::kSendToBottom) +
                       " again while your mouse is over the application.");
  Label1[4].SetCaption("*To Force a Window to Stay Active hit " + chord(HotkeyCommand::kPin) +
                       " while your mouse is over the Application. Hit " +
                       chord(HotkeyCommand::kUnpin));
}

}  // namespace tarnwick
