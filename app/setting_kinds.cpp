#include "app/setting_kinds.h"

#include <algorithm>
#include <optional>
#include <string>

#include "common/number_text.h"
#include "common/text_lines.h"

namespace tarnwick {
namespace {

// Characters as people count them: code points, whatever bytes of UTF-8 each takes.
std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// The digits alone, at most as many as the largest value has, within the limits.
std::optional<int> WholeNumber(std::string_view text, int min, int max) {
  if (text.empty() || text.size() > std::to_string(max).size()) return std::nullopt;
  int value = 0;
  for (char digit : text) {
    if (digit < '0' || digit > '9') return std::nullopt;
    value = value * 10 + (digit - '0');
  }
  if (value < min || value > max) return std::nullopt;
  return value;
}

Setting Row(const char* section, const char* key) {
  Setting row;
  row.section = section;
  row.key = key;
  return row;
}

// The row's default is what it writes for a record no one has changed.
Setting& WithDefault(Setting& row) {
  row.defaultValue = row.format(Settings{});
  return row;
}

}  // namespace

Setting CheckRow(const char* section, const char* key, int Settings::*field) {
  Setting row = Row(section, key);
  row.parse = [field](std::string_view text, Settings& into) {
    const std::optional<int> value = ParseCheckValue(text);
    if (value) into.*field = *value;
    return value.has_value();
  };
  row.format = [field](const Settings& from) {
    return std::string(from.*field == kChecked ? "1" : "0");
  };
  return WithDefault(row);
}

Setting StateRow(const char* section, const char* key, bool Settings::*field) {
  Setting row = Row(section, key);
  row.parse = [field](std::string_view text, Settings& into) {
    into.*field = ParseNumber(text) == 1.0;
    return true;
  };
  row.format = [field](const Settings& from) { return std::string(from.*field ? "1" : "0"); };
  return WithDefault(row);
}

Setting TextRow(const char* section, const char* key, std::string Settings::*field,
                bool (*accepts)(std::string_view)) {
  Setting row = Row(section, key);
  row.parse = [field, accepts](std::string_view text, Settings& into) {
    if (accepts != nullptr && !accepts(text)) return false;
    into.*field = std::string(text);
    return true;
  };
  row.format = [field](const Settings& from) { return from.*field; };
  return WithDefault(row);
}

Setting FlagRow(const char* section, const char* key, bool Settings::*field, const char* label,
                int control) {
  Setting row = Row(section, key);
  // Unlike the main window's boxes, these know no greyed state: only 0 and 1 are read.
  row.parse = [field](std::string_view text, Settings& into) {
    const std::optional<double> value = ParseNumber(text);
    if (value != 0.0 && value != 1.0) return false;
    into.*field = value == 1.0;
    return true;
  };
  row.format = [field](const Settings& from) { return std::string(from.*field ? "1" : "0"); };
  row.label = label;
  row.view = SettingView::kCheckBox;
  row.control = control;
  row.reportLine = "Options";
  row.describe = [field](const Settings& from) { return std::string(from.*field ? "yes" : "no"); };
  return WithDefault(row);
}

Setting NumberRow(const char* section, const char* key, int Settings::*field, int min, int max,
                  const char* what, const char* unit, int control) {
  Setting row = Row(section, key);
  row.parse = [field, min, max](std::string_view text, Settings& into) {
    const std::optional<int> value = WholeNumber(text, min, max);
    if (value) into.*field = *value;
    return value.has_value();
  };
  row.format = [field](const Settings& from) { return std::to_string(from.*field); };
  row.view = SettingView::kNumberBox;
  row.control = control;
  row.refusal = std::string(what) + " must be a whole number of " + unit + " from " +
                std::to_string(min) + " to " + std::to_string(max) + ".";
  return WithDefault(row);
}

Setting LinesRow(const char* section, const char* key, std::vector<std::string> Settings::*field,
                 std::size_t maxCharacters, int control) {
  Setting row = Row(section, key);
  // A character takes at most four bytes of UTF-8.
  row.maxLength = 4 * maxCharacters;
  // A longer list than the window takes is damage when stored, and refused when typed.
  row.parse = [field, maxCharacters](std::string_view text, Settings& into) {
    if (CharacterCount(text) > maxCharacters) return false;
    into.*field = SplitLines(text);
    return true;
  };
  row.format = [field](const Settings& from) { return JoinLines(from.*field); };
  row.view = SettingView::kLines;
  row.control = control;
  return WithDefault(row);
}

Setting HotkeyRow(const char* section, const char* key, HotkeyChords Settings::*field,
                  HotkeyCommand command, int control) {
  Setting row = Row(section, key);
  const auto index = static_cast<std::size_t>(command);
  row.parse = [field, index](std::string_view text, Settings& into) {
    const std::optional<Chord> chord = ParseChord(text);
    if (chord) (into.*field)[index] = *chord;
    return chord.has_value();
  };
  row.format = [field, index](const Settings& from) { return ChordText((from.*field)[index]); };
  row.label = CommandName(command);
  row.view = SettingView::kHotkey;
  row.control = control;
  row.reportLine = "Hotkeys";
  row.describe = row.format;
  return WithDefault(row);
}

}  // namespace tarnwick
