#pragma once
#include <optional>
#include <string>

#include "app/settings_layout.h"
#include "focus/options.h"
#include "seam/settings_store.h"

namespace tarnwick {

// The program's settings as the user's store keeps them, under "Tarnwick": one read with a
// default, one write, the stored states of check boxes, and the Options
// window's values.
class OptionsStore {
 public:
  explicit OptionsStore(SettingsStore& settings) : settings_(settings) {}

  std::string GetSetting(const Setting& setting);
  void SaveSetting(const Setting& setting, const std::string& value);
  // A check box's stored state: 0, 1 or 2, the box's default for anything else.
  int GetCheckSetting(const Setting& setting);
  // Stores what a box shows: "1" when ticked, "0" otherwise.
  void SaveCheckSetting(const Setting& setting, bool checked);

  // The Options window's values as stored; damage reads as the defaults, never as two
  // commands on one chord.
  Options LoadOptions();
  // Why the store would not take these options, in words for the user; nothing if it would.
  static std::optional<std::string> Refusal(const Options& proposed);
  // Writes every option; only options without a refusal.
  void SaveOptions(const Options& options);

 private:
  SettingsStore& settings_;
};

}  // namespace tarnwick
