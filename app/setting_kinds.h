#pragma once
#include <cstddef>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "app/settings.h"
#include "hotkeys/commands.h"

namespace tarnwick {

// The kinds of row, so that a setting is one line: where it is kept, its field, and what the
// user sees of it. Every default is the field's own initial value.

// A main-window check box: "1" when ticked, "0" otherwise; 0, 1 or 2 (greyed) read back.
Setting CheckRow(const char* section, const char* key, int Settings::*field);
// A main-window state: "1" when on, "0" when off; on exactly when the text is the number 1.
Setting StateRow(const char* section, const char* key, bool Settings::*field);
// A main-window text; `accepts` (none: any text) says which stored texts mean something.
Setting TextRow(const char* section, const char* key, std::string Settings::*field,
                bool (*accepts)(std::string_view) = nullptr);
// An on/off option: "1" or "0", a check box captioned `label` in the Options window.
Setting FlagRow(const char* section, const char* key, bool Settings::*field, const char* label,
                int control);
// A whole number within limits, digits alone, typed into a box; `what` names it for the
// refusal ("The time before ...") and `unit` says what it counts.
Setting NumberRow(const char* section, const char* key, int Settings::*field, int min, int max,
                  const char* what, const char* unit, int control);
// A list kept one entry a line, at most `maxCharacters` characters as people count them.
Setting LinesRow(const char* section, const char* key, std::vector<std::string> Settings::*field,
                 std::size_t maxCharacters, int control);
// One command's chord in the record's chords; its control is the command's hotkey control.
Setting HotkeyRow(const char* section, const char* key, HotkeyChords Settings::*field,
                  HotkeyCommand command, int control);

// One of a choice's values: its stored name and, where they differ, the window's words.
struct Choice {
  const char* name;
  const char* words = nullptr;
};

// A setting that is one of `choices`, in the order of the enumeration the field holds.
template <typename E, typename Owner>
Setting ChoiceRow(const char* section, const char* key, E Owner::*field,
                  std::vector<Choice> choices, const char* label, int control) {
  static_assert(std::is_base_of_v<Owner, Settings>);
  Setting row;
  row.section = section;
  row.key = key;
  row.label = label;
  row.view = SettingView::kChoice;
  row.control = control;
  for (const Choice& choice : choices) {
    row.choices.emplace_back(choice.name);
    row.choiceWords.emplace_back(choice.words != nullptr ? choice.words : choice.name);
  }
  row.parse = [field, names = row.choices](std::string_view text, Settings& into) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (text == names[i]) {
        into.*field = static_cast<E>(i);
        return true;
      }
    }
    return false;
  };
  row.format = [field, names = row.choices](const Settings& from) {
    const auto index = static_cast<std::size_t>(from.*field);
    return index < names.size() ? names[index] : names[0];
  };
  row.reportLine = "Options";
  row.describe = [field, choices = std::move(choices)](const Settings& from) {
    const auto index = static_cast<std::size_t>(from.*field);
    const Choice& choice = choices[index < choices.size() ? index : 0];
    return std::string(choice.words != nullptr ? choice.words : choice.name);
  };
  row.defaultValue = row.format(Settings{});
  return row;
}

}  // namespace tarnwick
