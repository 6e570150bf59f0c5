#include "app/options_store.h"

#include <utility>

#include "app/product.h"
#include "common/invariant.h"

namespace tarnwick {
namespace {

bool ShownInOptionsWindow(const Setting& setting) {
  return setting.view != SettingView::kNone;
}

}  // namespace

std::optional<std::string> OptionsStore::Stored(const Setting& setting) {
  // A refused read counts as an absent entry: the default stands in. So does an empty value
  // (no setting means anything by it) and one longer than the setting can be: that is damage,
  // and a megabyte of it shown in a box kept the window from appearing for a minute.
  std::optional<std::string> stored =
      settings_.Read(kApplicationName, setting.section, setting.key);
  if (!stored || stored->empty() || stored->size() > setting.maxLength) return std::nullopt;
  return stored;
}

Settings OptionsStore::Load() {
  Settings loaded;
  for (const Setting* setting : kAllSettings) {
    if (const std::optional<std::string> stored = Stored(*setting)) {
      setting->parse(*stored, loaded);
    }
  }
  MendStoredRecord(loaded);
  TARNWICK_CHECK(!RecordRefusal(loaded), "a loaded record holds");
  return loaded;
}

bool OptionsStore::Spoilt(const Setting& setting) {
  Settings scratch;
  const std::optional<std::string> stored = Stored(setting);
  return stored && !setting.parse(*stored, scratch);
}

void OptionsStore::Save(const Settings& settings, const Setting& setting) {
  // A refused write is not retried: the control still shows the value, and the next change
  // writes again.
  settings_.Write(kApplicationName, setting.section, setting.key, setting.format(settings));
}

void OptionsStore::SaveOptions(const Settings& settings) {
  TARNWICK_CHECK(!RecordRefusal(settings), "only options the store takes are stored");
  for (const Setting* setting : kAllSettings) {
    if (ShownInOptionsWindow(*setting)) Save(settings, *setting);
  }
}

std::vector<ProposedText> OptionsStore::Texts(const Options& options) {
  Settings settings;
  static_cast<Options&>(settings) = options;
  std::vector<ProposedText> texts;
  for (const Setting* setting : kAllSettings) {
    if (ShownInOptionsWindow(*setting)) texts.emplace_back(setting, setting->format(settings));
  }
  return texts;
}

OptionsProposal OptionsStore::Propose(const Options& current,
                                      const std::vector<ProposedText>& texts) {
  Settings proposed;
  static_cast<Options&>(proposed) = current;
  for (const auto& [setting, text] : texts) {
    if (!setting->parse(text, proposed)) {
      TARNWICK_CHECK(!setting->refusal.empty(), "only a setting typed as text can mean nothing");
      return {current, SettingsRefusal{setting->refusal, setting}};
    }
  }
  return {proposed, RecordRefusal(proposed)};
}

}  // namespace tarnwick
