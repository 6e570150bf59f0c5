#include "app/form1.h"

#include <utility>

#include "common/number_text.h"

namespace tarnwick {

Form1::Form1(Platform& platform) : platform_(platform) {
  focus.OnDecision(
      [this](WindowHandle target, FocusOutcome outcome) { FocusDecided(target, outcome); });
  ShowChordsInHelp();
  Text2_Change();
}

void Form1::Start() {
  Form_Load();
  if (!hideRequested_ && !ended_) platform_.form.Show();
}

std::string Form1::GetSetting(const Setting& setting) {
  // A refused read counts as an absent entry: the default stands in. So does an empty value
  // (no setting means anything by it) and one longer than the setting can be: that is damage,
  // and a megabyte of it shown in a box kept the window from appearing for a minute.
  std::optional<std::string> stored =
      platform_.settings.Read(kApplicationName, setting.section, setting.key);
  if (!stored || stored->empty() || stored->size() > setting.maxLength) {
    return setting.defaultValue;
  }
  return std::move(*stored);
}

void Form1::SaveSetting(const Setting& setting, const std::string& value) {
  // A refused write is not retried: the control still shows the value, and the next change
  // writes again.
  platform_.settings.Write(kApplicationName, setting.section, setting.key, value);
}

int Form1::GetCheckSetting(const Setting& setting) {
  return StoredCheckValue(GetSetting(setting), *ToInt16(setting.defaultValue));
}

void Form1::SaveCheckSetting(const Setting& setting, const CheckBox& box) {
  SaveSetting(setting, box.IsChecked() ? "1" : "0");
}

void Form1::EndProgram() {
  ended_ = true;
  platform_.loop.Quit();
}

}  // namespace tarnwick
