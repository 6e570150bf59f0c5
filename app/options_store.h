#pragma once
#include <string>

#include "app/settings_layout.h"
#include "seam/settings_store.h"

namespace tarnwick {

// The program's settings as the user's store keeps them, under "Tarnwick": one read with a
// default, one write, and the stored states of check boxes.
class OptionsStore {
 public:
  explicit OptionsStore(SettingsStore& settings) : settings_(settings) {}

  std::string GetSetting(const Setting& setting);
  void SaveSetting(const Setting& setting, const std::string& value);
  // A check box's stored state: 0, 1 or 2, the box's default for anything else.
  int GetCheckSetting(const Setting& setting);
  // Stores what a box shows: "1" when ticked, "0" otherwise.
  void SaveCheckSetting(const Setting& setting, bool checked);

 private:
  SettingsStore& settings_;
};

}  // namespace tarnwick
